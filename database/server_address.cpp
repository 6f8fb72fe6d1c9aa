#include "server_address.h"

#include "register/register_texts.h"

#include "translation.h"

#include <QRegularExpression>
#include <QUrl>

namespace vexlor {
namespace {

QString decoded(const QString &part)
{
    return QUrl::fromPercentEncoding(part.toUtf8());
}

} // namespace

QString withoutPassword(const QString &text)
{
    // Up to the last @: a password may hold any character, and showing too
    // little is safer than showing a part of it.
    static const QRegularExpression secret(QStringLiteral("^([a-z]+://[^:@/]*):.*@"));
    return QString(text.trimmed()).replace(secret, QStringLiteral("\\1:…@"));
}

QString ServerAddress::text() const
{
    const QString portText = port < 0 ? QString() : u':' + QString::number(port);
    return QStringLiteral("postgresql://%1@%2%3/%4").arg(user, host, portText, database);
}

bool namesServer(const QString &text)
{
    return !text.trimmed().isEmpty();
}

ParsedServerAddress parseServerAddress(const QString &text)
{
    const QString shown = withoutPassword(text);
    if (shown != text.trimmed())
        return {std::nullopt, translated("Register", texts::kPasswordInAddress).arg(shown)};
    // user @ host : port / database
    static const QRegularExpression form(
        QStringLiteral("^postgres(?:ql)?://([^:@/?#]+)@([^:/?#@]+)(?::(\\d{1,5}))?/([^/?#]+)$"));
    const QRegularExpressionMatch match = form.match(shown);
    const int port = match.captured(3).isEmpty() ? -1 : match.captured(3).toInt();
    if (!match.hasMatch() || port == 0 || port > 65535)
        return {std::nullopt, translated("Register", texts::kNotAServer).arg(shown)};
    const ServerAddress address{decoded(match.captured(1)), decoded(match.captured(2)), port,
                                decoded(match.captured(4))};
    return {address, {}};
}

} // namespace vexlor
