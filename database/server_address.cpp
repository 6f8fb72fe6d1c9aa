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
    static const QRegularExpression secret(QStringLiteral("^([a-z]+://[^:@/]*):[^/]*@"));
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
    // user : password @ host : port / database
    static const QRegularExpression form(QStringLiteral(
        "^postgres(?:ql)?://([^:@/?#]+)(:[^@/]*)?@([^:/?#@]+)(?::(\\d{1,5}))?/([^/?#]+)$"));
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (!match.hasMatch())
        return {std::nullopt, translated("Register", texts::kNotAServer).arg(withoutPassword(text))};
    if (match.hasCaptured(2))
        return {std::nullopt, translated("Register", texts::kPasswordInAddress).arg(withoutPassword(text))};
    ServerAddress address{decoded(match.captured(1)), decoded(match.captured(3)), -1, decoded(match.captured(5))};
    if (match.hasCaptured(4)) {
        const int port = match.captured(4).toInt();
        if (port < 1 || port > 65535)
            return {std::nullopt, translated("Register", texts::kNotAServer).arg(text.trimmed())};
        address.port = port;
    }
    return {address, {}};
}

} // namespace vexlor
