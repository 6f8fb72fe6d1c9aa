<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>Cli</name>
    <message>
        <source>Usage: vexlor-cli %1</source>
        <extracomment>%1 the command&apos;s synopsis such as &quot;encode FILE&quot;; keep vexlor-cli as it is</extracomment>
        <translation>Aufruf: vexlor-cli %1</translation>
    </message>
    <message>
        <source>Cannot write to the standard output.</source>
        <translation>Schreiben auf die Standardausgabe nicht möglich.</translation>
    </message>
    <message>
        <source>%1 lacks the Hall sensor type (a fault of an old version). Open it in the window, answer its question and save it, then try again.</source>
        <extracomment>%1 the file&apos;s path</extracomment>
        <translation>In %1 fehlt der Typ der Hallsensoren (ein Fehler einer alten Version). Öffnen Sie die Datei im Programmfenster, beantworten Sie die Frage, speichern Sie die Datei und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>Backup: %1</source>
        <extracomment>%1 the backup file&apos;s path</extracomment>
        <translation>Sicherung: %1</translation>
    </message>
    <message>
        <source>Read back: the controller holds every value written.</source>
        <translation>Zurückgelesen: Der Controller enthält alle geschriebenen Werte.</translation>
    </message>
    <message>
        <source>apply FILE over the initial state and print the sixty values a write would send</source>
        <extracomment>FILE is the argument named in the synopsis &quot;encode FILE&quot;: keep it as it is</extracomment>
        <translation>FILE auf den Ausgangszustand anwenden und die sechzig Werte ausgeben, die ein Schreibvorgang senden würde</translation>
    </message>
    <message>
        <source>list the serial ports, marking the one the tool would use</source>
        <translation>die seriellen Schnittstellen auflisten und die markieren, die das Programm verwenden würde</translation>
    </message>
    <message>
        <source>test the connection and print the controller&apos;s software version</source>
        <translation>die Verbindung testen und die Softwareversion des Controllers ausgeben</translation>
    </message>
    <message>
        <source>read the controller&apos;s configuration into FILE (or stdout) as a .vxc file</source>
        <extracomment>FILE as in the synopsis &quot;read [FILE]&quot;; stdout stays as it is</extracomment>
        <translation>die Konfiguration des Controllers auslesen und als .vxc-Datei in FILE (oder auf stdout) schreiben</translation>
    </message>
    <message>
        <source>apply FILE over the initial state, read the controller and print each parameter it holds otherwise: KEY, CAPTION, FILE VALUE, CONTROLLER VALUE, tab-separated</source>
        <extracomment>FILE as in the synopsis; KEY, CAPTION, FILE VALUE, CONTROLLER VALUE name the columns printed</extracomment>
        <translation>FILE auf den Ausgangszustand anwenden, den Controller auslesen und jeden Parameter ausgeben, bei dem der Controller einen anderen Wert enthält: Schlüssel, Beschriftung, Wert in der Datei, Wert im Controller, durch Tabulatoren getrennt</translation>
    </message>
    <message>
        <source>Cannot open %1: permission denied.
%2</source>
        <extracomment>%1 the serial device&apos;s path; %2 the lines that say how to get access</extracomment>
        <translation>%1 kann nicht geöffnet werden: Zugriff verweigert.
%2</translation>
    </message>
    <message>
        <source>Cannot open %1: another program is using it.</source>
        <extracomment>%1 the serial device&apos;s path</extracomment>
        <translation>%1 kann nicht geöffnet werden: Ein anderes Programm benutzt die Schnittstelle.</translation>
    </message>
    <message>
        <source>Cannot open %1: no such device.</source>
        <extracomment>%1 the serial device&apos;s path</extracomment>
        <translation>%1 kann nicht geöffnet werden: Gerät nicht vorhanden.</translation>
    </message>
    <message>
        <source>Cannot open %1.</source>
        <extracomment>%1 the serial device&apos;s path</extracomment>
        <translation>%1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>See %1</source>
        <extracomment>%1 the path of the programming guide, ST-LINK_Installation_EN.pdf</extracomment>
        <translation>Siehe %1</translation>
    </message>
    <message>
        <source>No programming cable found (no serial port of its USB bridge). Name the device with --port or VEXLOR_PORT.</source>
        <extracomment>keep --port and VEXLOR_PORT as they are</extracomment>
        <translation>Kein Programmierkabel gefunden (keine serielle Schnittstelle seines USB-Brückenchips). Geben Sie das Gerät mit --port oder VEXLOR_PORT an.</translation>
    </message>
    <message>
        <source>No serial device at %1.</source>
        <extracomment>%1 the device path given with --port or VEXLOR_PORT</extracomment>
        <translation>Kein serielles Gerät unter %1.</translation>
    </message>
    <message>
        <source>(named by --port or VEXLOR_PORT)</source>
        <translation>(angegeben mit --port oder VEXLOR_PORT)</translation>
    </message>
    <message>
        <source>No programming cable found.</source>
        <translation>Kein Programmierkabel gefunden.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Befehle:</translation>
    </message>
    <message>
        <source>Backups go to %1 unless --backup-dir names another folder; the newest %2 are kept.</source>
        <extracomment>%1 the backup folder, %2 how many backups are kept; keep --backup-dir as it is</extracomment>
        <translation>Sicherungen werden in %1 abgelegt, sofern --backup-dir keinen anderen Ordner angibt; die neuesten %2 werden aufbewahrt.</translation>
    </message>
    <message>
        <source>Reads, writes and checks the settings of a Vexlor FOC motor controller.</source>
        <translation>Liest, schreibt und prüft die Einstellungen eines Vexlor-FOC-Motorcontrollers.</translation>
    </message>
    <message>
        <source>Use the serial DEVICE instead of looking for the cable.</source>
        <extracomment>DEVICE as in &quot;--port &lt;DEVICE&gt;&quot;: keep it as it is</extracomment>
        <translation>Die serielle Schnittstelle DEVICE verwenden, statt nach dem Kabel zu suchen.</translation>
    </message>
    <message>
        <source>Treat &quot;Limit max speed&quot; as cleared: the speed limit is sent as 9000.</source>
        <extracomment>&quot;Limit max speed&quot; is the window&apos;s check box of that name</extracomment>
        <translation>„Geschwindigkeit begrenzen“ als nicht angehakt behandeln: Als Geschwindigkeitsgrenze wird 9000 gesendet.</translation>
    </message>
    <message>
        <source>The command to run (see below).</source>
        <translation>Der auszuführende Befehl (siehe unten).</translation>
    </message>
    <message>
        <source>Unknown command &apos;%1&apos;. Run vexlor-cli --help for the list.</source>
        <extracomment>%1 the word given as a command; keep &quot;vexlor-cli --help&quot; as it is</extracomment>
        <translation>Unbekannter Befehl &apos;%1&apos;. Eine Liste der Befehle zeigt vexlor-cli --help.</translation>
    </message>
    <message>
        <source>Nothing was written. Give --force to write them all the same.</source>
        <extracomment>keep --force as it is</extracomment>
        <translation>Es wurde nichts geschrieben. Mit --force werden sie trotzdem geschrieben.</translation>
    </message>
    <message>
        <source>list the backups taken before writes, newest first: PATH, how the WRITE that followed ended, and a NOTE on one taken after an interrupted write, tab-separated</source>
        <extracomment>PATH, WRITE, NOTE name the columns printed</extracomment>
        <translation>die vor Schreibvorgängen angelegten Sicherungen auflisten, die neueste zuerst: Pfad, wie der folgende Schreibvorgang endete, und ein Hinweis bei einer nach einem unterbrochenen Schreibvorgang angelegten Sicherung, durch Tabulatoren getrennt</translation>
    </message>
    <message>
        <source>print the parameters that two .vxc files set differently, as the controller would receive them (exit 1 when some do)</source>
        <translation>die Parameter ausgeben, die zwei .vxc-Dateien verschieden setzen, so wie der Controller sie erhalten würde (Exit-Code 1, wenn es solche gibt)</translation>
    </message>
    <message>
        <source>Exit codes: 0 done, 1 controller or link failure, 2 bad input or usage.
diff exits as diff(1) does: 0 no difference, 1 some differ, 2 bad input or usage.
compare exits 0 when the controller holds the file&apos;s values, 3 when some differ, 1 on a controller or link failure, 2 on bad input or usage.
write exits 1 also when the read-back finds other values than were written (they are printed as compare prints them), and 2 when the backup cannot be kept or, without --force, values are outside the window&apos;s limits (nothing is written).</source>
        <extracomment>diff(1) is the Unix command diff; keep command names (diff, compare, write) and --force as they are</extracomment>
        <translation>Exit-Codes: 0 erledigt, 1 Fehler des Controllers oder der Verbindung, 2 fehlerhafte Eingabe oder falscher Aufruf.
diff endet wie diff(1): 0 kein Unterschied, 1 Unterschiede gefunden, 2 fehlerhafte Eingabe oder falscher Aufruf.
compare endet mit 0, wenn der Controller die Werte der Datei enthält, mit 3, wenn sich Werte unterscheiden, mit 1 bei einem Fehler des Controllers oder der Verbindung und mit 2 bei fehlerhafter Eingabe oder falschem Aufruf.
write endet auch dann mit 1, wenn beim Zurücklesen andere Werte gefunden werden als geschrieben wurden (sie werden wie bei compare ausgegeben), und mit 2, wenn die Sicherung nicht angelegt werden kann oder, ohne --force, Werte außerhalb der Grenzen des Fensters liegen (dann wird nichts geschrieben).</translation>
    </message>
    <message>
        <source>check the cable, its driver, access, other programs on the port, ModemManager, brltty, the latency timer, a sandbox and the controller: one line each, STATUS CHECK DETAIL [FIX], tab-separated (exit 1 when a check fails); --json prints them as JSON</source>
        <extracomment>keep the check names as they are; STATUS, CHECK, DETAIL and FIX name the fields printed</extracomment>
        <translation>das Kabel, seinen Treiber, den Zugriff, andere Programme an der Schnittstelle, ModemManager, brltty, den Latenz-Timer, eine Sandbox und den Controller prüfen: je eine Zeile STATUS CHECK DETAIL [FIX], durch Tabulatoren getrennt (Exit-Code 1, wenn eine Prüfung fehlschlägt); --json gibt sie als JSON aus</translation>
    </message>
    <message>
        <source>list the road classes: ID, NAME, the speed and rated power they allow and whether a throttle may work without pedalling, tab-separated</source>
        <extracomment>ID, NAME name the columns printed</extracomment>
        <translation>die Straßenklassen auflisten: ID, NAME, die erlaubte Geschwindigkeit und Nennleistung und ob ein Gasgriff ohne Treten wirken darf, durch Tabulatoren getrennt</translation>
    </message>
    <message>
        <source>print the fingerprint of the sixty values a write of FILE sends, or without FILE read the controller and print the fingerprint of what it holds</source>
        <extracomment>FILE as in the synopsis</extracomment>
        <translation>den Fingerabdruck der sechzig Werte ausgeben, die ein Schreiben von FILE sendet, oder ohne FILE den Controller lesen und den Fingerabdruck seiner Einstellungen ausgeben</translation>
    </message>
    <message>
        <source>apply FILE over the initial state and write its settings sheet, a one-page PDF with every parameter, the fingerprint, the road class check and lines to sign, to OUT.pdf</source>
        <extracomment>FILE, OUT.pdf, ID, ETRTO as in the synopsis</extracomment>
        <translation>FILE auf den Anfangszustand anwenden und sein Einstellungsblatt, ein einseitiges PDF mit jedem Parameter, dem Fingerabdruck, der Prüfung der Straßenklasse und Zeilen zum Unterschreiben, nach OUT.pdf schreiben</translation>
    </message>
    <message>
        <source>check exits 0 when the file keeps to the road class, 3 when some value breaks it, 2 on bad input or usage.</source>
        <translation>check endet mit 0, wenn die Datei die Straßenklasse einhält, mit 3, wenn ein Wert sie verletzt, mit 2 bei fehlerhafter Eingabe oder Verwendung.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no road class. vexlor-cli classes lists them.</source>
        <extracomment>%1 what was given after --class; keep &quot;vexlor-cli classes&quot; as it is</extracomment>
        <translation>„%1“ ist keine Straßenklasse. vexlor-cli classes listet sie auf.</translation>
    </message>
    <message>
        <source>The settings sheet would replace %1, the file it is made of. Name another file with -o.</source>
        <extracomment>%1 the configuration file&apos;s path; keep -o as it is</extracomment>
        <translation>Das Einstellungsblatt würde %1 ersetzen, die Datei, aus der es entsteht. Geben Sie mit -o eine andere Datei an.</translation>
    </message>
    <message>
        <source>%1 may be given only once.</source>
        <extracomment>%1 the option given more than once, &quot;--class&quot;</extracomment>
        <translation>%1 darf nur einmal angegeben werden.</translation>
    </message>
    <message>
        <source>apply FILE over the initial state and print each value that looks implausible, and with --class each that breaks the road class ID or is worth a note: STATUS (breaks, warn or note), RULE, CAPTION, VALUE, LIMIT, tab-separated; with the real tire as ETRTO (57-584), a common size (26x2.1) or as printed (29x2.6, 700x38c) the wheel perimeter too (exit 3 when some break the class, with --strict also when some look implausible)</source>
        <extracomment>FILE, ID, ETRTO as in the synopsis; STATUS, RULE, CAPTION, VALUE, LIMIT name the columns printed; keep breaks, warn and note, the words STATUS shows, and --strict</extracomment>
        <translation>FILE auf den Anfangszustand anwenden und jeden Wert ausgeben, der unplausibel wirkt, und mit --class jeden, der die Straßenklasse ID verletzt oder einen Hinweis wert ist: STATUS (breaks, warn oder note), RULE, CAPTION, VALUE, LIMIT, durch Tabulatoren getrennt; mit dem echten Reifen als ETRTO (57-584), gängige Größe (26x2.1) oder wie aufgedruckt (29x2.6, 700x38c) auch den Radumfang (Exit-Code 3, wenn Werte die Klasse verletzen, mit --strict auch, wenn Werte unplausibel wirken)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; names no units: give --units metric or --units imperial.</source>
        <extracomment>%1 what was given after --units; keep --units, metric and imperial as they are</extracomment>
        <translation>„%1“ ist keine Einheit: geben Sie --units metric oder --units imperial an.</translation>
    </message>
    <message>
        <source>Print speeds in UNITS, metric (km/h, the default) or imperial (mph), before or after the command; files and the controller keep km/h.</source>
        <extracomment>UNITS as in &quot;--units &lt;UNITS&gt;&quot;; keep UNITS, metric and imperial as they are</extracomment>
        <translation>Geschwindigkeiten in UNITS ausgeben, metric (km/h, Vorgabe) oder imperial (mph), vor oder nach dem Befehl; Dateien und Controller bleiben bei km/h.</translation>
    </message>
    <message>
        <source>apply FILE over the initial state and print its settings as JSON: each parameter by name with its value and unit, and the fingerprint (docs/settings-json.md)</source>
        <extracomment>FILE as in the synopsis; keep JSON as it is</extracomment>
        <translation>FILE über den Anfangszustand anwenden und seine Einstellungen als JSON ausgeben: jeden Parameter mit Namen, Wert und Einheit sowie den Fingerabdruck (docs/settings-json.md)</translation>
    </message>
    <message>
        <source>turn the settings JSON (- for stdin) into the .vxc file FILE or the profile NAME; refuses unknown names, wrong types and, without --force, values outside the window&apos;s limits, and never writes over a file that is no configuration</source>
        <extracomment>JSON, FILE, NAME, TEXT as in the synopsis; keep --force as it is</extracomment>
        <translation>das Einstellungs-JSON (- für die Standardeingabe) in die .vxc-Datei FILE oder das Profil NAME umwandeln; weist unbekannte Namen, falsche Typen und ohne --force Werte außerhalb der Grenzen des Fensters zurück und schreibt nie über eine Datei, die keine Konfiguration ist</translation>
    </message>
    <message>
        <source>list the profiles, the configurations kept under a name: NAME and NOTE, tab-separated; every command taking FILE takes --profile NAME instead</source>
        <extracomment>NAME, NOTE name the columns printed; keep --profile as it is</extracomment>
        <translation>die Profile auflisten, die unter einem Namen aufbewahrten Konfigurationen: NAME und NOTE, durch Tabulatoren getrennt; jeder Befehl, der FILE nimmt, nimmt stattdessen auch --profile NAME</translation>
    </message>
    <message>
        <source>%1 is no configuration file: it is left as it is.</source>
        <extracomment>%1 the path given after -o</extracomment>
        <translation>%1 ist keine Konfigurationsdatei: Sie bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>print the register of operations, newest first, one tab-separated line each under a line naming the columns: only bike labels holding LABEL, only from DATE (YYYY-MM-DD, UTC) on; as CSV or JSON</source>
        <extracomment>LABEL, DATE as in the synopsis; keep the option names as they are</extracomment>
        <translation>das Register der Vorgänge ausgeben, das Neueste zuerst, je eine durch Tabulatoren getrennte Zeile unter einer Zeile mit den Spaltennamen: nur Fahrradbezeichnungen, die LABEL enthalten, nur ab DATE (JJJJ-MM-TT, UTC); als CSV oder JSON</translation>
    </message>
    <message>
        <source>--since wants a date as YYYY-MM-DD, not %1.</source>
        <extracomment>%1 the date given; keep --since and YYYY-MM-DD as they are</extracomment>
        <translation>--since erwartet ein Datum als YYYY-MM-DD, nicht %1.</translation>
    </message>
    <message>
        <source>Record the operation for the bike LABEL (a frame number, a customer); history shows only its records.</source>
        <extracomment>LABEL as in &quot;--bike &lt;LABEL&gt;&quot;: keep it as it is</extracomment>
        <translation>Den Vorgang für das Fahrrad LABEL erfassen (eine Rahmennummer, ein Kunde); history zeigt nur seine Einträge.</translation>
    </message>
    <message>
        <source>Parameters that differ: %1</source>
        <extracomment>the register&apos;s message of a comparison; %1 how many parameters the controller holds otherwise</extracomment>
        <translation>Abweichende Parameter: %1</translation>
    </message>
    <message>
        <source>print what the parameter NAME (MaxBatteryCurrent) does, its unit, the range the window allows and its initial value; without NAME every parameter, one block each</source>
        <extracomment>NAME as in the synopsis: a parameter&apos;s name, MaxBatteryCurrent; keep it as it is</extracomment>
        <translation>gibt aus, was der Parameter NAME (MaxBatteryCurrent) bewirkt, seine Einheit, den Bereich, den das Fenster zulässt, und seinen Anfangswert; ohne NAME alle Parameter, ein Block je Parameter</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no parameter. vexlor-cli explain lists them all.</source>
        <extracomment>%1 what was given as NAME; keep &quot;vexlor-cli explain&quot; as it is</extracomment>
        <translation>„%1“ ist kein Parameter. vexlor-cli explain führt alle auf.</translation>
    </message>
    <message>
        <source>propose values for a bike&apos;s battery (nominal V or cells as 13s), BMS current, tire, road class ID, motor and assist levels over FILE (or the initial state), write them to OUT.vxc and print CAPTION, NOW, PROPOSED, WHY, tab-separated</source>
        <extracomment>V, A, SIZE, ID, W, N, FILE, OUT.vxc as in the synopsis; 13s, CAPTION, NOW, PROPOSED, WHY name what is given and the columns printed</extracomment>
        <translation>Werte für Akku (Nennspannung V oder Zellen als 13s), BMS-Strom, Reifen, Straßenklasse ID, Motor und Unterstützungsstufen eines Fahrrads über FILE (oder dem Anfangszustand) vorschlagen, nach OUT.vxc schreiben und CAPTION, NOW, PROPOSED, WHY tabulatorgetrennt ausgeben</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3, not &apos;%4&apos;.</source>
        <extracomment>%1 the option (&quot;--bms&quot;), %2 and %3 its least and largest value, %4 what was given</extracomment>
        <translation>%1 erwartet eine Zahl von %2 bis %3, nicht „%4“.</translation>
    </message>
    <message>
        <source>The proposal would replace %1, the file it starts from. Name another file with -o.</source>
        <extracomment>%1 the configuration file&apos;s path; keep -o as it is</extracomment>
        <translation>Der Vorschlag würde %1 ersetzen, die Datei, von der er ausgeht. Nennen Sie mit -o eine andere Datei.</translation>
    </message>
    <message>
        <source>%1 is no configuration file, so the proposal does not replace it. Name another file with -o.</source>
        <extracomment>%1 the path given with -o; keep -o as it is</extracomment>
        <translation>%1 ist keine Konfigurationsdatei, also ersetzt der Vorschlag sie nicht. Nennen Sie mit -o eine andere Datei.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no battery: give its nominal voltage (24, 36, 48 or 52) or its cells in series (13s).</source>
        <extracomment>%1 what was given after --battery; keep 13s as it is</extracomment>
        <translation>„%1“ ist kein Akku: Geben Sie seine Nennspannung (24, 36, 48 oder 52) oder seine Zellen in Reihe (13s) an.</translation>
    </message>
    <message>
        <source>Keep the records in the shop&apos;s register on the server URL, postgresql://USER@HOST[:PORT]/DB, instead of the one config.ini names; records wait on this computer while the server cannot be reached.</source>
        <extracomment>URL as in &quot;--register &lt;URL&gt;&quot;; keep URL, config.ini and postgresql://USER@HOST[:PORT]/DB as they are</extracomment>
        <translation>Die Einträge im Register der Werkstatt auf dem Server URL führen, postgresql://USER@HOST[:PORT]/DB, statt auf dem, den config.ini nennt; solange der Server nicht erreichbar ist, warten die Einträge auf diesem Rechner.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <extracomment>%1 the file given with --bike-from, %2 why it cannot be read</extracomment>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 holds no bike label.</source>
        <extracomment>%1 the file given with --bike-from</extracomment>
        <translation>%1 enthält keine Fahrradbezeichnung.</translation>
    </message>
    <message>
        <source>apply FILE over the initial state, keep the controller&apos;s settings as a backup (path on stderr), write FILE&apos;s and store them, read them back to check; values outside the window&apos;s limits are written only with --force; with --each the production line: every controller that comes is written and recorded, labelled from FILE.csv or numbered after --bike, one line each, until Ctrl+C</source>
        <extracomment>FILE, FILE.csv as in the synopsis; stderr, --force, --each and --bike stay as they are</extracomment>
        <translation>FILE auf den Ausgangszustand anwenden, die Einstellungen des Controllers als Sicherung ablegen (Pfad auf stderr), die Einstellungen aus FILE schreiben und dauerhaft speichern, zur Prüfung zurücklesen; Werte außerhalb der Grenzen des Fensters werden nur mit --force geschrieben; mit --each die Fertigungslinie: jeder Controller, der kommt, wird beschrieben und eingetragen, bezeichnet aus FILE.csv oder nummeriert hinter --bike, eine Zeile je Fahrrad, bis Strg+C</translation>
    </message>
    <message>
        <source>write --each exits 0 when no bike failed (also when none came), 1 when some failed.</source>
        <translation>write --each endet mit 0, wenn kein Fahrrad fehlschlug (auch wenn keins kam), mit 1, wenn eines fehlschlug.</translation>
    </message>
    <message>
        <source>Bike %1: connect its controller (Ctrl+C ends the line).</source>
        <extracomment>%1 the bike&apos;s label; Ctrl+C as keyboards in the language name the keys</extracomment>
        <translation>Fahrrad %1: Schließen Sie seinen Controller an (Strg+C beendet die Linie).</translation>
    </message>
    <message>
        <source>Every label of the list has its bike: the line ends.</source>
        <translation>Jede Bezeichnung der Liste hat ihr Fahrrad: Die Linie endet.</translation>
    </message>
    <message>
        <source>Bike %1: disconnect its controller.</source>
        <extracomment>%1 the bike&apos;s label</extracomment>
        <translation>Fahrrad %1: Trennen Sie seinen Controller.</translation>
    </message>
    <message>
        <source>The line ends once this bike&apos;s write is over.</source>
        <translation>Die Linie endet, sobald der Schreibvorgang dieses Fahrrads abgeschlossen ist.</translation>
    </message>
    <message>
        <source>Written: %1, failed: %2</source>
        <extracomment>the production line&apos;s summary; %1 bikes written, %2 bikes that failed</extracomment>
        <translation>Geschrieben: %1, fehlgeschlagen: %2</translation>
    </message>
</context>
<context>
    <name>Comparison</name>
    <message>
        <source>On</source>
        <extracomment>a check box&apos;s state in a list of values: ticked</extracomment>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>a check box&apos;s state in a list of values: clear</extracomment>
        <translation>Aus</translation>
    </message>
</context>
<context>
    <name>ConnectionCheck</name>
    <message>
        <source>Connection to controller is OK!
Controller software version: v%1

Would you like to read the controller&apos;s configuration now?</source>
        <extracomment>%1 the controller&apos;s software version such as 1-35, after the letter v</extracomment>
        <translation>Verbindung zum Controller ist in Ordnung!
Softwareversion des Controllers: v%1

Möchten Sie die Konfiguration des Controllers jetzt auslesen?</translation>
    </message>
    <message>
        <source>Connection to controller is OK!
Controller software version: v%1</source>
        <extracomment>%1 the controller&apos;s software version such as 1-35, after the letter v</extracomment>
        <translation>Verbindung zum Controller ist in Ordnung!
Softwareversion des Controllers: v%1</translation>
    </message>
    <message>
        <source>Connection to controller is not detected!</source>
        <translation>Keine Verbindung zum Controller erkannt!</translation>
    </message>
</context>
<context>
    <name>Doctor</name>
    <message>
        <source>You are in group %1, but its members may not read and write the device.</source>
        <extracomment>%1 a group&apos;s name</extracomment>
        <translation>Sie sind in der Gruppe %1, aber ihre Mitglieder dürfen das Gerät nicht lesen und beschreiben.</translation>
    </message>
    <message>
        <source>You are in group %1.</source>
        <translation>Sie sind in der Gruppe %1.</translation>
    </message>
    <message>
        <source>You were added to group %1 after this session began; the membership counts from your next login.</source>
        <translation>Sie wurden nach dem Beginn dieser Sitzung zur Gruppe %1 hinzugefügt; die Mitgliedschaft gilt ab der nächsten Anmeldung.</translation>
    </message>
    <message>
        <source>You are not in group %1.</source>
        <translation>Sie sind nicht in der Gruppe %1.</translation>
    </message>
    <message>
        <source>%1 refuses you: owner %2, group %3, mode %4.</source>
        <extracomment>%1 the device, %2 its owner, %3 its group, %4 its mode in octal (0660)</extracomment>
        <translation>%1 verweigert Ihnen den Zugriff: Eigentümer %2, Gruppe %3, Modus %4.</translation>
    </message>
    <message>
        <source>The cable rule %1 is installed (%2).</source>
        <translation>Die Kabelregel %1 ist installiert (%2).</translation>
    </message>
    <message>
        <source>The cable rule %1 is not installed.</source>
        <translation>Die Kabelregel %1 ist nicht installiert.</translation>
    </message>
    <message>
        <source>The device grants you access through the seat&apos;s access entry.</source>
        <translation>Das Gerät gewährt Ihnen Zugriff über den Zugriffseintrag des Arbeitsplatzes.</translation>
    </message>
    <message>
        <source>The device carries no access entry for you (the cable rule gives one to the user at the computer&apos;s own screen).</source>
        <translation>Das Gerät hat keinen Zugriffseintrag für Sie (die Kabelregel gibt ihn dem Benutzer am Bildschirm des Rechners selbst).</translation>
    </message>
    <message>
        <source>%1, then log out and in again.</source>
        <extracomment>%1 a command</extracomment>
        <translation>%1, dann ab- und wieder anmelden.</translation>
    </message>
    <message>
        <source>Something beyond the device&apos;s permissions refuses you (a sandbox or a security module); see sandbox.</source>
        <translation>Etwas jenseits der Rechte des Geräts verweigert Ihnen den Zugriff (eine Sandbox oder ein Sicherheitsmodul); siehe sandbox.</translation>
    </message>
    <message>
        <source>Log out and in again (or restart the computer).</source>
        <translation>Ab- und wieder anmelden (oder den Rechner neu starten).</translation>
    </message>
    <message>
        <source>Use %1 as its owner, %2, or ask them to let you use it.</source>
        <extracomment>%1 the device, %2 its owner</extracomment>
        <translation>Verwenden Sie %1 als sein Eigentümer %2, oder bitten Sie diesen, es Ihnen zu erlauben.</translation>
    </message>
    <message>
        <source>%1 is gone.</source>
        <translation>%1 ist verschwunden.</translation>
    </message>
    <message>
        <source>Plug the cable in again.</source>
        <translation>Stecken Sie das Kabel wieder ein.</translation>
    </message>
    <message>
        <source>The tool holds %1 open for reading and writing.</source>
        <extracomment>%1 the serial device</extracomment>
        <translation>Das Programm hält %1 zum Lesen und Schreiben offen.</translation>
    </message>
    <message>
        <source>%1 opens for reading and writing.</source>
        <translation>%1 lässt sich zum Lesen und Schreiben öffnen.</translation>
    </message>
    <message>
        <source>%1 does not open: %2.</source>
        <extracomment>%1 the serial device, %2 the system&apos;s reason</extracomment>
        <translation>%1 lässt sich nicht öffnen: %2.</translation>
    </message>
    <message>
        <source>Unplug the cable and plug it in again.</source>
        <translation>Ziehen Sie das Kabel ab und stecken Sie es wieder ein.</translation>
    </message>
    <message>
        <source>%1 is a pseudo-terminal: the program at its other end holds it open.</source>
        <translation>%1 ist ein Pseudo-Terminal: Das Programm an seinem anderen Ende hält es offen.</translation>
    </message>
    <message>
        <source>%1 (process %2)</source>
        <extracomment>%1 a program&apos;s name, %2 its process id</extracomment>
        <translation>%1 (Prozess %2)</translation>
    </message>
    <message>
        <source>%1 is held open by %2.</source>
        <extracomment>%1 the serial device, %2 the programs with their process ids</extracomment>
        <translation>%1 wird von %2 offen gehalten.</translation>
    </message>
    <message>
        <source>Close %1, or end it: %2</source>
        <extracomment>%1 the programs, %2 the command that ends them</extracomment>
        <translation>Schließen Sie %1 oder beenden Sie es: %2</translation>
    </message>
    <message>
        <source>Another user&apos;s process holds %1 for itself.</source>
        <translation>Ein Prozess eines anderen Benutzers hält %1 für sich allein.</translation>
    </message>
    <message>
        <source>Find it with %1 and close it.</source>
        <extracomment>%1 a command that names the process</extracomment>
        <translation>Finden Sie ihn mit %1 und schließen Sie ihn.</translation>
    </message>
    <message>
        <source>No other process of yours holds %1 open (the open files of %2 processes of other users cannot be seen).</source>
        <extracomment>%1 the serial device, %2 a number of processes</extracomment>
        <translation>Kein anderer Prozess von Ihnen hält %1 offen (die offenen Dateien von %2 Prozessen anderer Benutzer sind nicht einsehbar).</translation>
    </message>
    <message>
        <source>No other process holds %1 open.</source>
        <translation>Kein anderer Prozess hält %1 offen.</translation>
    </message>
    <message>
        <source>%1: USB %2 (%3), no serial number.</source>
        <extracomment>%1 the serial device, %2 the USB vendor:product, %3 the device&apos;s own name</extracomment>
        <translation>%1: USB %2 (%3), keine Seriennummer.</translation>
    </message>
    <message>
        <source>%1: USB %2 (%3), serial number %4.</source>
        <extracomment>%1 the serial device, %2 the USB vendor:product, %3 the device&apos;s own name, %4 its serial number</extracomment>
        <translation>%1: USB %2 (%3), Seriennummer %4.</translation>
    </message>
    <message>
        <source>No programming cable is plugged in: no USB serial port of a known cable.</source>
        <translation>Kein Programmierkabel eingesteckt: keine serielle USB-Schnittstelle eines bekannten Kabels.</translation>
    </message>
    <message>
        <source>The cable&apos;s USB device %1 is present but has no serial port (see driver).</source>
        <extracomment>%1 the USB device&apos;s place on the bus, such as 1-1.4</extracomment>
        <translation>Das USB-Gerät %1 des Kabels ist vorhanden, hat aber keine serielle Schnittstelle (siehe driver).</translation>
    </message>
    <message>
        <source>%1, then unplug the cable and plug it in again.</source>
        <extracomment>%1 a command</extracomment>
        <translation>%1, dann das Kabel abziehen und wieder einstecken.</translation>
    </message>
    <message>
        <source>No other USB serial port is present.</source>
        <translation>Keine andere serielle USB-Schnittstelle ist vorhanden.</translation>
    </message>
    <message>
        <source>USB serial ports present: %1.</source>
        <translation>Vorhandene serielle USB-Schnittstellen: %1.</translation>
    </message>
    <message>
        <source>Plug the programming cable into a USB port of this computer.</source>
        <translation>Stecken Sie das Programmierkabel in eine USB-Buchse dieses Rechners.</translation>
    </message>
    <message>
        <source>No serial device at %1.</source>
        <extracomment>%1 the device path given with --port or VEXLOR_PORT</extracomment>
        <translation>Kein serielles Gerät unter %1.</translation>
    </message>
    <message>
        <source>Name the cable&apos;s serial device; vexlor-cli ports lists them.</source>
        <translation>Geben Sie das serielle Gerät des Kabels an; vexlor-cli ports listet sie auf.</translation>
    </message>
    <message>
        <source>%1 is a USB serial port of %2 (%3), not of a known programming cable.</source>
        <extracomment>%1 the serial device, %2 its USB vendor:product, %3 the device&apos;s own name</extracomment>
        <translation>%1 ist eine serielle USB-Schnittstelle von %2 (%3), nicht von einem bekannten Programmierkabel.</translation>
    </message>
    <message>
        <source>Name the programming cable&apos;s port, or name none to look for the cable.</source>
        <translation>Geben Sie die Schnittstelle des Programmierkabels an, oder keine, damit nach dem Kabel gesucht wird.</translation>
    </message>
    <message>
        <source>%1 is no USB serial port (a pseudo-terminal or a built-in port).</source>
        <translation>%1 ist keine serielle USB-Schnittstelle (ein Pseudo-Terminal oder eine eingebaute Schnittstelle).</translation>
    </message>
    <message>
        <source>%1 cables are plugged in: %2. The tool uses the last one found, %3.</source>
        <extracomment>%1 how many, %2 their serial devices, %3 the one the tool uses</extracomment>
        <translation>%1 Kabel sind eingesteckt: %2. Das Programm verwendet das zuletzt gefundene, %3.</translation>
    </message>
    <message>
        <source>Unplug the cables you do not use, or name one with --port or VEXLOR_PORT.</source>
        <extracomment>keep --port and VEXLOR_PORT as they are</extracomment>
        <translation>Ziehen Sie die Kabel ab, die Sie nicht verwenden, oder geben Sie eines mit --port oder VEXLOR_PORT an.</translation>
    </message>
    <message>
        <source>A program holds the cable&apos;s USB device %1 directly (usbfs), so the serial driver cannot make a port of it.</source>
        <extracomment>usbfs: keep as it is; %1 the USB device&apos;s place on the bus, such as 1-1.4</extracomment>
        <translation>Ein Programm hält das USB-Gerät %1 des Kabels direkt (usbfs), daher kann der serielle Treiber keine Schnittstelle daraus machen.</translation>
    </message>
    <message>
        <source>Close the other program that uses the cable, then unplug the cable and plug it in again.</source>
        <translation>Schließen Sie das andere Programm, das das Kabel verwendet, dann das Kabel abziehen und wieder einstecken.</translation>
    </message>
    <message>
        <source>No kernel driver made a serial port of the cable&apos;s USB device %1.</source>
        <translation>Kein Kernel-Treiber hat aus dem USB-Gerät %1 des Kabels eine serielle Schnittstelle gemacht.</translation>
    </message>
    <message>
        <source>The kernel made %1, but its device node %2 is missing.</source>
        <extracomment>%1 the kernel&apos;s name of the port (ttyUSB0), %2 its device node</extracomment>
        <translation>Der Kernel hat %1 angelegt, aber sein Geräteknoten %2 fehlt.</translation>
    </message>
    <message>
        <source>%1 drives %2, not %3, the cable&apos;s own driver.</source>
        <extracomment>%1 the driver in use, %2 the port, %3 the driver made for the cable</extracomment>
        <translation>%1 treibt %2, nicht %3, der eigene Treiber des Kabels.</translation>
    </message>
    <message>
        <source>%1 drives %2; its device node is %3.</source>
        <extracomment>%1 the kernel driver, %2 the kernel&apos;s name of the port (ttyUSB0), %3 its device node</extracomment>
        <translation>%1 treibt %2; sein Geräteknoten ist %3.</translation>
    </message>
    <message>
        <source>No cable port to look at.</source>
        <translation>Keine Kabelschnittstelle zum Prüfen.</translation>
    </message>
    <message>
        <source>%1 is no USB serial port.</source>
        <translation>%1 ist keine serielle USB-Schnittstelle.</translation>
    </message>
    <message>
        <source>ModemManager is not running.</source>
        <translation>ModemManager läuft nicht.</translation>
    </message>
    <message>
        <source>ModemManager is running and is told to ignore %1 (%2).</source>
        <extracomment>%1 the USB vendor:product, %2 the rules file that says so</extracomment>
        <translation>ModemManager läuft und soll %1 übergehen (%2).</translation>
    </message>
    <message>
        <source>ModemManager is running and may probe %1 (%2) for a modem, which garbles the controller&apos;s replies.</source>
        <extracomment>%1 the serial device, %2 its USB vendor:product</extracomment>
        <translation>ModemManager läuft und kann %1 (%2) auf ein Modem prüfen, was die Antworten des Controllers verfälscht.</translation>
    </message>
    <message>
        <source>brltty is not installed.</source>
        <translation>brltty ist nicht installiert.</translation>
    </message>
    <message>
        <source>brltty is installed; its udev rules do not claim %1.</source>
        <extracomment>%1 the USB vendor:product</extracomment>
        <translation>brltty ist installiert; seine udev-Regeln beanspruchen %1 nicht.</translation>
    </message>
    <message>
        <source>brltty is installed and its udev rule (%1, line %2) claims %3 devices as braille displays, taking the cable&apos;s port.</source>
        <extracomment>%1 the rules file, %2 a line number, %3 the USB vendor:product</extracomment>
        <translation>brltty ist installiert und seine udev-Regel (%1, Zeile %2) beansprucht %3-Geräte als Braillezeilen und nimmt so die Schnittstelle des Kabels.</translation>
    </message>
    <message>
        <source>The tool is busy with the controller; run the doctor again when it is done.</source>
        <translation>Das Programm ist mit dem Controller beschäftigt; starten Sie die Diagnose erneut, wenn es fertig ist.</translation>
    </message>
    <message>
        <source>The controller answers: software version v%1.</source>
        <extracomment>%1 the controller&apos;s software version such as 1-35, after the letter v</extracomment>
        <translation>Der Controller antwortet: Softwareversion v%1.</translation>
    </message>
    <message>
        <source>The cable answers but the controller does not: is the bike&apos;s battery on and the display connected?</source>
        <translation>Das Kabel antwortet, der Controller aber nicht: Ist der Akku des Rades eingeschaltet und das Display angeschlossen?</translation>
    </message>
    <message>
        <source>Switch the bike&apos;s battery on and connect the display, then run the doctor again.</source>
        <translation>Schalten Sie den Akku des Rades ein und schließen Sie das Display an, dann starten Sie die Diagnose erneut.</translation>
    </message>
    <message>
        <source>Fix what the lines above show, then run the doctor again.</source>
        <translation>Beheben Sie, was die Zeilen darüber zeigen, dann starten Sie die Diagnose erneut.</translation>
    </message>
    <message>
        <source>The tool may not open %1 (see access).</source>
        <translation>Das Programm darf %1 nicht öffnen (siehe access).</translation>
    </message>
    <message>
        <source>Another program is using %1 (see busy).</source>
        <translation>Ein anderes Programm benutzt %1 (siehe busy).</translation>
    </message>
    <message>
        <source>The tool found no port to reach the controller through.</source>
        <translation>Das Programm hat keine Schnittstelle gefunden, über die es den Controller erreicht.</translation>
    </message>
    <message>
        <source>%1 does not open.</source>
        <translation>%1 lässt sich nicht öffnen.</translation>
    </message>
    <message>
        <source>%1 has no latency timer.</source>
        <extracomment>%1 the kernel driver</extracomment>
        <translation>%1 hat keinen Latenz-Timer.</translation>
    </message>
    <message>
        <source>The latency timer is at 1 ms.</source>
        <translation>Der Latenz-Timer steht auf 1 ms.</translation>
    </message>
    <message>
        <source>The latency timer is at %1 ms; the tool asks no other driver than its cable&apos;s for low latency.</source>
        <translation>Der Latenz-Timer steht auf %1 ms; das Programm bittet nur den Treiber seines Kabels um geringe Latenz.</translation>
    </message>
    <message>
        <source>The latency timer is at %1 ms; what it is while the tool holds the port cannot be tried, as the port does not open (see access).</source>
        <translation>Der Latenz-Timer steht auf %1 ms; welchen Wert er hat, während das Programm die Schnittstelle hält, lässt sich nicht prüfen, da sie sich nicht öffnen lässt (siehe access).</translation>
    </message>
    <message>
        <source>The latency timer is at %1 ms, and at 1 ms while the tool holds the port (it asks the driver for low latency).</source>
        <translation>Der Latenz-Timer steht auf %1 ms und auf 1 ms, solange das Programm die Schnittstelle hält (es bittet den Treiber um geringe Latenz).</translation>
    </message>
    <message>
        <source>The latency timer stays at %1 ms while the tool holds the port: every reply comes that much later.</source>
        <translation>Der Latenz-Timer bleibt auf %1 ms, während das Programm die Schnittstelle hält: Jede Antwort kommt um so viel später.</translation>
    </message>
    <message>
        <source>The tool runs in the Flatpak sandbox of %1, which may use every device.</source>
        <extracomment>%1 the Flatpak application&apos;s id</extracomment>
        <translation>Das Programm läuft in der Flatpak-Sandbox von %1, die jedes Gerät verwenden darf.</translation>
    </message>
    <message>
        <source>The tool runs in the Flatpak sandbox of %1, which keeps serial devices out.</source>
        <translation>Das Programm läuft in der Flatpak-Sandbox von %1, die serielle Geräte aussperrt.</translation>
    </message>
    <message>
        <source>The tool runs in the snap %1, which may open %2.</source>
        <extracomment>%1 the snap&apos;s name, %2 the serial device</extracomment>
        <translation>Das Programm läuft im Snap %1, der %2 öffnen darf.</translation>
    </message>
    <message>
        <source>The tool runs in the snap %1, which keeps USB serial devices out unless they are granted to it.</source>
        <translation>Das Programm läuft im Snap %1, der serielle USB-Geräte aussperrt, solange sie ihm nicht freigegeben sind.</translation>
    </message>
    <message>
        <source>The tool runs outside Flatpak and Snap.</source>
        <translation>Das Programm läuft außerhalb von Flatpak und Snap.</translation>
    </message>
    <message>
        <source>No port to reach the controller through.</source>
        <translation>Keine Schnittstelle, über die der Controller erreichbar wäre.</translation>
    </message>
    <message>
        <source>The port does not open for you (see access).</source>
        <translation>Die Schnittstelle lässt sich von Ihnen nicht öffnen (siehe access).</translation>
    </message>
    <message>
        <source>Another process holds the port (see busy).</source>
        <translation>Ein anderer Prozess hält die Schnittstelle (siehe busy).</translation>
    </message>
    <message>
        <source>Not checked on Windows.</source>
        <extracomment>the checks that look at Linux&apos;s devices, drivers and services</extracomment>
        <translation>Unter Windows nicht geprüft.</translation>
    </message>
    <message>
        <source>You may not open %1.</source>
        <extracomment>first line of the box shown when the port does not open for lack of permission; %1 the device</extracomment>
        <translation>Sie dürfen %1 nicht öffnen.</translation>
    </message>
    <message>
        <source>To fix it:</source>
        <extracomment>before the fix in the box shown when the port does not open for lack of permission</extracomment>
        <translation>So beheben Sie es:</translation>
    </message>
    <message>
        <source>Another user&apos;s process holds %1 for itself, so opening it cannot be tried (see busy).</source>
        <translation>Ein Prozess eines anderen Benutzers hält %1 für sich allein, daher lässt sich das Öffnen nicht versuchen (siehe busy).</translation>
    </message>
    <message>
        <source>%1 is held for itself by %2, so opening it cannot be tried (see busy).</source>
        <extracomment>%1 the serial device, %2 the programs with their process ids</extracomment>
        <translation>%2 hält %1 für sich allein, daher lässt sich das Öffnen nicht versuchen (siehe busy).</translation>
    </message>
    <message>
        <source>%1 is not a serial port.</source>
        <extracomment>%1 the path given with --port or VEXLOR_PORT</extracomment>
        <translation>%1 ist keine serielle Schnittstelle.</translation>
    </message>
    <message>
        <source>Name the cable&apos;s port (vexlor-cli ports lists them).</source>
        <extracomment>keep vexlor-cli ports as it is: the command that lists the ports</extracomment>
        <translation>Geben Sie die Schnittstelle des Kabels an (vexlor-cli ports listet sie auf).</translation>
    </message>
    <message>
        <source>Close any other program that may use %1, then run the doctor again.</source>
        <translation>Schließen Sie jedes andere Programm, das %1 benutzen könnte, dann starten Sie die Diagnose erneut.</translation>
    </message>
    <message>
        <source>The tool may not open %1.</source>
        <translation>Das Programm darf %1 nicht öffnen.</translation>
    </message>
    <message>
        <source>Another program is using %1.</source>
        <translation>Ein anderes Programm benutzt %1.</translation>
    </message>
</context>
<context>
    <name>Explanations</name>
    <message>
        <source>Too high: %1</source>
        <extracomment>what a value above the right one does: %1 the effect, &quot;less power for assistance and throttle.&quot;</extracomment>
        <translation>Zu hoch: %1</translation>
    </message>
    <message>
        <source>Too low: %1</source>
        <extracomment>what a value below the right one does: %1 the effect</extracomment>
        <translation>Zu niedrig: %1</translation>
    </message>
    <message>
        <source>what it does inside the controller is not known.</source>
        <extracomment>in place of an effect after &quot;Too high: &quot; or &quot;Too low: &quot;</extracomment>
        <translation>was das im Controller bewirkt, ist nicht bekannt.</translation>
    </message>
    <message>
        <source>What a higher or lower value does inside the controller is not known.</source>
        <translation>Was ein höherer oder niedrigerer Wert im Controller bewirkt, ist nicht bekannt.</translation>
    </message>
    <message>
        <source>Unit: %1.</source>
        <extracomment>%1 the field&apos;s unit: &quot;A&quot;, &quot;km/h&quot;, &quot;ms&quot;</extracomment>
        <translation>Einheit: %1.</translation>
    </message>
    <message>
        <source>Allowed: %1.</source>
        <extracomment>%1 the range the window allows: &quot;at most 30.0 A&quot;, &quot;0.9 V to 3.0 V&quot;, &quot;1 to 9&quot;</extracomment>
        <translation>Zulässig: %1.</translation>
    </message>
    <message>
        <source>The window sets no limit; a write refuses values the controller cannot hold.</source>
        <translation>Das Fenster setzt keine Grenze; das Schreiben weist Werte ab, die der Controller nicht aufnehmen kann.</translation>
    </message>
    <message>
        <source>Choices: %1.</source>
        <extracomment>%1 the options of a radio pair or group, each in quotes: &quot;&quot;Low&quot;, &quot;High&quot;&quot;</extracomment>
        <translation>Auswahl: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>an option&apos;s text within a list of choices: %1 the option, &quot;Low&quot;</extracomment>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>Ticked or clear.</source>
        <extracomment>a tick box&apos;s two states</extracomment>
        <translation>Angehakt oder leer.</translation>
    </message>
    <message>
        <source>Initial value: %1.</source>
        <extracomment>%1 the value the window starts with: &quot;14.0 A&quot;, &quot;ticked&quot;, &quot;Low&quot;</extracomment>
        <translation>Anfangswert: %1.</translation>
    </message>
    <message>
        <source>ticked</source>
        <extracomment>the initial state of a tick box, after &quot;Initial value: &quot;</extracomment>
        <translation>angehakt</translation>
    </message>
    <message>
        <source>clear</source>
        <extracomment>the initial state of a tick box, after &quot;Initial value: &quot;</extracomment>
        <translation>leer</translation>
    </message>
    <message>
        <source>The limit of this assist level, in percent; &quot;Limit speed&quot; and &quot;Limit current&quot; choose what it limits. The levels in use should rise, the top one at 100 %.</source>
        <translation>Die Grenze dieser Unterstützungsstufe in Prozent; „Tempo begrenzen“ und „Strom begrenzen“ wählen, was sie begrenzt. Die genutzten Stufen sollten ansteigen, die oberste auf 100 %.</translation>
    </message>
    <message>
        <source>more assistance at this level.</source>
        <translation>mehr Unterstützung auf dieser Stufe.</translation>
    </message>
    <message>
        <source>less assistance at this level.</source>
        <translation>weniger Unterstützung auf dieser Stufe.</translation>
    </message>
    <message>
        <source>The largest current the controller draws from the battery.</source>
        <translation>Der größte Strom, den der Controller dem Akku entnimmt.</translation>
    </message>
    <message>
        <source>more than the battery&apos;s BMS delivers continuously; keep it at or below that current and not above the max phase current.</source>
        <translation>mehr, als das BMS des Akkus dauerhaft liefert; bleiben Sie bei diesem Strom oder darunter und nicht über dem max. Phasenstrom.</translation>
    </message>
    <message>
        <source>less power for assistance and throttle.</source>
        <translation>weniger Leistung für Unterstützung und Gasgriff.</translation>
    </message>
    <message>
        <source>The battery voltage below which the controller cuts the motor, so that the battery is not drained empty.</source>
        <translation>Die Akkuspannung, unter der der Controller den Motor abschaltet, damit der Akku nicht leergesaugt wird.</translation>
    </message>
    <message>
        <source>assistance stops while the battery is still half full (above about 3.6 V a cell).</source>
        <translation>die Unterstützung endet, während der Akku noch halb voll ist (über etwa 3.6 V je Zelle).</translation>
    </message>
    <message>
        <source>the cells are drained too deep (below about 2.8 V a cell).</source>
        <translation>die Zellen werden zu tief entladen (unter etwa 2.8 V je Zelle).</translation>
    </message>
    <message>
        <source>The controller&apos;s acceleration setting, a position of the track bar.</source>
        <translation>Die Beschleunigungseinstellung des Controllers, eine Stellung des Schiebereglers.</translation>
    </message>
    <message>
        <source>The signal level of the brake lever sensors, &quot;Low&quot; or &quot;High&quot;: choose the one the bike&apos;s brake sensors give.</source>
        <translation>Der Signalpegel der Bremshebelsensoren, „Niedrig“ oder „Hoch“: Wählen Sie den, den die Bremssensoren des Fahrrads liefern.</translation>
    </message>
    <message>
        <source>The speed at which the controller stops assisting, while &quot;Limit max speed&quot; is ticked; with it clear a write sends 900 km/h, which means no limit.</source>
        <translation>Die Geschwindigkeit, bei der der Controller die Unterstützung beendet, solange „Geschwindigkeit begrenzen“ angehakt ist; ohne Haken sendet das Schreiben 900 km/h, also keine Grenze.</translation>
    </message>
    <message>
        <source>the bike may break the road class it is ridden in (Connect &gt; Road Class checks it).</source>
        <translation>das Fahrrad verletzt womöglich die Straßenklasse, in der es fährt (Verbinden &gt; Straßenklasse prüft das).</translation>
    </message>
    <message>
        <source>assistance stops at a lower speed.</source>
        <translation>die Unterstützung endet bei geringerer Geschwindigkeit.</translation>
    </message>
    <message>
        <source>How many magnets pass the speed sensor in one turn of the wheel; the controller reckons the speed from them and the wheel perimeter.</source>
        <translation>Wie viele Magnete bei einer Radumdrehung am Geschwindigkeitssensor vorbeikommen; daraus und aus dem Radumfang berechnet der Controller die Geschwindigkeit.</translation>
    </message>
    <message>
        <source>the speed is reckoned too low, so assistance may go on past the speed limit.</source>
        <translation>die Geschwindigkeit wird zu niedrig berechnet, sodass die Unterstützung über die Höchstgeschwindigkeit hinaus weitergehen kann.</translation>
    </message>
    <message>
        <source>the speed is reckoned too high, so assistance stops early.</source>
        <translation>die Geschwindigkeit wird zu hoch berechnet, sodass die Unterstützung zu früh endet.</translation>
    </message>
    <message>
        <source>The distance the wheel rolls in one turn; the controller reckons the speed from it. The list beside the field fills in common sizes; measuring the wheel is more exact.</source>
        <translation>Die Strecke, die das Rad bei einer Umdrehung abrollt; daraus berechnet der Controller die Geschwindigkeit. Die Liste neben dem Feld trägt gängige Größen ein; das Rad auszumessen ist genauer.</translation>
    </message>
    <message>
        <source>Whether the bike has a pedal speed sensor (PAS) for the controller to use. Clear, the group &quot;Pedal speed sensor functions&quot; is switched off; its values are still written.</source>
        <translation>Ob das Fahrrad einen Tretsensor (PAS) hat, den der Controller nutzen soll. Ohne Haken ist die Gruppe „Tretsensor-Funktionen“ ausgeschaltet; ihre Werte werden trotzdem geschrieben.</translation>
    </message>
    <message>
        <source>The duty cycle of the pedal sensor&apos;s signal, below or above 50 %: choose the one the bike&apos;s sensor gives.</source>
        <translation>Das Tastverhältnis des Tretsensor-Signals, unter oder über 50 %: Wählen Sie das, was der Sensor des Fahrrads liefert.</translation>
    </message>
    <message>
        <source>How many magnets the pedal sensor&apos;s disc carries; it must match the disc.</source>
        <translation>Wie viele Magnete die Scheibe des Tretsensors trägt; der Wert muss zur Scheibe passen.</translation>
    </message>
    <message>
        <source>How many of the pedal sensor&apos;s magnets must pass before assistance starts.</source>
        <translation>Wie viele Magnete des Tretsensors vorbeikommen müssen, bevor die Unterstützung beginnt.</translation>
    </message>
    <message>
        <source>assistance starts after more pedalling.</source>
        <translation>die Unterstützung beginnt erst nach mehr Treten.</translation>
    </message>
    <message>
        <source>assistance starts after less pedalling.</source>
        <translation>die Unterstützung beginnt schon nach weniger Treten.</translation>
    </message>
    <message>
        <source>How long assistance goes on after the pedals stop.</source>
        <translation>Wie lange die Unterstützung weitergeht, nachdem die Pedale stillstehen.</translation>
    </message>
    <message>
        <source>the motor goes on pushing longer after you stop pedalling.</source>
        <translation>der Motor schiebt länger weiter, nachdem Sie aufgehört haben zu treten.</translation>
    </message>
    <message>
        <source>assistance stops sooner after the pedals stop.</source>
        <translation>die Unterstützung endet früher, nachdem die Pedale stillstehen.</translation>
    </message>
    <message>
        <source>The pedal assist sensor (PAS) ratio, a position of the track bar.</source>
        <translation>Das Verhältnis des Tretsensors (PAS), eine Stellung des Schiebereglers.</translation>
    </message>
    <message>
        <source>Whether the bike has a throttle for the controller to use. Clear, the group &quot;Throttle functions&quot; is switched off; its values are still written.</source>
        <translation>Ob das Fahrrad einen Gasgriff hat, den der Controller nutzen soll. Ohne Haken ist die Gruppe „Gasgriff-Funktionen“ ausgeschaltet; ihre Werte werden trotzdem geschrieben.</translation>
    </message>
    <message>
        <source>The largest output the throttle asks for, in percent of the full output.</source>
        <translation>Die größte Leistung, die der Gasgriff anfordert, in Prozent der vollen Leistung.</translation>
    </message>
    <message>
        <source>the throttle gives less power.</source>
        <translation>der Gasgriff gibt weniger Leistung.</translation>
    </message>
    <message>
        <source>Whether the throttle keeps to the limits of the assist levels (&quot;Level 1&quot; to &quot;Level 9&quot;).</source>
        <translation>Ob sich der Gasgriff an die Grenzen der Unterstützungsstufen hält („Stufe 1“ bis „Stufe 9“).</translation>
    </message>
    <message>
        <source>The throttle&apos;s signal voltage at which it starts to act; it must stay below the full voltage.</source>
        <translation>Die Signalspannung des Gasgriffs, bei der er zu wirken beginnt; sie muss unter der Vollgasspannung bleiben.</translation>
    </message>
    <message>
        <source>the throttle starts late in its travel.</source>
        <translation>der Gasgriff setzt erst spät auf seinem Weg ein.</translation>
    </message>
    <message>
        <source>the throttle starts early in its travel.</source>
        <translation>der Gasgriff setzt schon früh auf seinem Weg ein.</translation>
    </message>
    <message>
        <source>The throttle&apos;s signal voltage at which it gives full output.</source>
        <translation>Die Signalspannung des Gasgriffs, bei der er volle Leistung gibt.</translation>
    </message>
    <message>
        <source>above what the throttle gives when fully turned, full output is never reached.</source>
        <translation>über dem, was der Gasgriff voll aufgedreht liefert, wird volle Leistung nie erreicht.</translation>
    </message>
    <message>
        <source>full output comes early in the throttle&apos;s travel.</source>
        <translation>volle Leistung kommt schon früh auf dem Weg des Gasgriffs.</translation>
    </message>
    <message>
        <source>How the throttle works with the pedal sensor: on its own, together with the pedal sensor, or started by it. Some road classes allow a throttle only while pedalling.</source>
        <translation>Wie der Gasgriff mit dem Tretsensor zusammenarbeitet: für sich allein, zusammen mit dem Tretsensor oder von ihm gestartet. Manche Straßenklassen erlauben einen Gasgriff nur beim Treten.</translation>
    </message>
    <message>
        <source>How many assist levels the rider can choose from; only the levels up to this count can be edited.</source>
        <translation>Aus wie vielen Unterstützungsstufen der Fahrer wählen kann; nur die Stufen bis zu dieser Zahl lassen sich bearbeiten.</translation>
    </message>
    <message>
        <source>more levels to step through.</source>
        <translation>mehr Stufen zum Durchschalten.</translation>
    </message>
    <message>
        <source>fewer levels to choose from.</source>
        <translation>weniger Stufen zur Auswahl.</translation>
    </message>
    <message>
        <source>Whether the limits of the assist levels act on the speed.</source>
        <translation>Ob die Grenzen der Unterstützungsstufen auf die Geschwindigkeit wirken.</translation>
    </message>
    <message>
        <source>Whether the limits of the assist levels act on the current.</source>
        <translation>Ob die Grenzen der Unterstützungsstufen auf den Strom wirken.</translation>
    </message>
    <message>
        <source>The limit of the walk-assist mode, which helps while you push the bike, in percent.</source>
        <translation>Die Grenze der Schiebehilfe, die hilft, während Sie das Fahrrad schieben, in Prozent.</translation>
    </message>
    <message>
        <source>more push while walking.</source>
        <translation>mehr Schub beim Schieben.</translation>
    </message>
    <message>
        <source>less push while walking.</source>
        <translation>weniger Schub beim Schieben.</translation>
    </message>
    <message>
        <source>Whether the pedal sensor works together with the throttle.</source>
        <translation>Ob der Tretsensor mit dem Gasgriff zusammenarbeitet.</translation>
    </message>
    <message>
        <source>The motor&apos;s Hall sensors: 120 degree, 60 degree or none (sensorless). It must match the motor; wrong motor data can make the motor run rough or overheat.</source>
        <translation>Die Hallsensoren des Motors: 120 Grad, 60 Grad oder keine (sensorlos). Die Wahl muss zum Motor passen; falsche Motordaten können dazu führen, dass der Motor unruhig läuft oder überhitzt.</translation>
    </message>
    <message>
        <source>Whether the motor has a one-way clutch (freewheel) inside. It must match the motor.</source>
        <translation>Ob der Motor innen einen Freilauf hat. Die Wahl muss zum Motor passen.</translation>
    </message>
    <message>
        <source>The motor&apos;s rated voltage, from its data sheet or label; wrong motor data can make the motor run rough or overheat.</source>
        <translation>Die Nennspannung des Motors, laut Datenblatt oder Typenschild; falsche Motordaten können dazu führen, dass der Motor unruhig läuft oder überhitzt.</translation>
    </message>
    <message>
        <source>The motor&apos;s rated power, from its data sheet or label. Road classes allow a rated power up to their limit (Connect &gt; Road Class checks it).</source>
        <translation>Die Nennleistung des Motors, laut Datenblatt oder Typenschild. Straßenklassen erlauben eine Nennleistung bis zu ihrer Grenze (Verbinden &gt; Straßenklasse prüft das).</translation>
    </message>
    <message>
        <source>The number of magnet pole pairs of the motor, from its data sheet.</source>
        <translation>Die Zahl der Magnet-Polpaare des Motors, laut Datenblatt.</translation>
    </message>
    <message>
        <source>The motor&apos;s speed without load, from its data sheet.</source>
        <translation>Die Drehzahl des Motors ohne Last, laut Datenblatt.</translation>
    </message>
    <message>
        <source>The ratio of the motor&apos;s gear: motor turns per turn of its housing or output, from its data sheet.</source>
        <translation>Die Übersetzung des Motorgetriebes: Motorumdrehungen je Umdrehung des Gehäuses oder Abtriebs, laut Datenblatt.</translation>
    </message>
    <message>
        <source>The electrical resistance of the motor&apos;s stator winding, from its data sheet.</source>
        <translation>Der elektrische Widerstand der Statorwicklung des Motors, laut Datenblatt.</translation>
    </message>
    <message>
        <source>The inductance of the motor&apos;s stator winding, from its data sheet.</source>
        <translation>Die Induktivität der Statorwicklung des Motors, laut Datenblatt.</translation>
    </message>
    <message>
        <source>The largest current the controller drives through the motor&apos;s windings; it is never below the max battery current.</source>
        <translation>Der größte Strom, den der Controller durch die Wicklungen des Motors treibt; er liegt nie unter dem max. Akkustrom.</translation>
    </message>
    <message>
        <source>more than the motor or the controller is made for: they may overheat.</source>
        <translation>mehr, als Motor oder Controller vertragen: Sie können überhitzen.</translation>
    </message>
    <message>
        <source>less pulling power.</source>
        <translation>weniger Zugkraft.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Cannot create file %1</source>
        <extracomment>%1 the file&apos;s path</extracomment>
        <translation>Datei %1 kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <extracomment>%1 the path of config.ini</extracomment>
        <translation>Schreiben in %1 nicht möglich</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <extracomment>a file whose last key has no value line; %1 the number of lines</extracomment>
        <translation>Listenindex außerhalb des gültigen Bereichs (%1)</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <extracomment>%1 the file&apos;s path</extracomment>
        <translation>Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>File %1 is too large to be a configuration file (more than 1 MiB).</source>
        <extracomment>%1 the file&apos;s path</extracomment>
        <translation>Die Datei %1 ist zu groß für eine Konfigurationsdatei (mehr als 1 MiB).</translation>
    </message>
    <message>
        <source>Cannot open file %1: it is not a regular file.</source>
        <extracomment>%1 the path of a folder, a device or the like</extracomment>
        <translation>Datei %1 kann nicht geöffnet werden: Das ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>The setting file to be opened missed one data because of a bug in the old version. Please answer one question now.
Does the motor have 3 hall sensors?</source>
        <extracomment>Yes means the motor has three Hall sensors, No that it has none</extracomment>
        <translation>In der Einstellungsdatei, die geöffnet werden soll, fehlt wegen eines Fehlers der alten Version eine Angabe. Bitte beantworten Sie dazu eine Frage.
Hat der Motor 3 Hallsensoren?</translation>
    </message>
    <message>
        <source>The file %1 contains no settings.</source>
        <extracomment>%1 the file&apos;s path; the file is empty, holds only blank lines or only numbers of no setting</extracomment>
        <translation>Die Datei %1 enthält keine Einstellungen.</translation>
    </message>
    <message>
        <source>The file is marked as UTF-16 text, but it is damaged: it cannot be read as text.</source>
        <extracomment>the file starts with the mark of UTF-16 text (Notepad&apos;s &quot;Unicode&quot;) but is damaged</extracomment>
        <translation>Die Datei ist als UTF-16-Text gekennzeichnet, aber beschädigt: Sie kann nicht als Text gelesen werden.</translation>
    </message>
    <message>
        <source>Cannot create file %1: it is not a regular file.</source>
        <extracomment>%1 the path of a named pipe, a device or the like</extracomment>
        <translation>Datei %1 kann nicht erstellt werden: Das ist keine reguläre Datei.</translation>
    </message>
</context>
<context>
    <name>Limits</name>
    <message>
        <source>These values are outside the limits the window allows:</source>
        <translation>Diese Werte liegen außerhalb der Grenzen, die das Fenster zulässt:</translation>
    </message>
    <message>
        <source>%1: %2 (allowed: %3)</source>
        <extracomment>%1 the field&apos;s caption, %2 its value with its unit, %3 the allowed range (&quot;at most 30.0 A&quot;)</extracomment>
        <translation>%1: %2 (zulässig: %3)</translation>
    </message>
    <message>
        <source>at most %1</source>
        <extracomment>an allowed range: %1 the largest value with its unit, &quot;30.0 A&quot;</extracomment>
        <translation>höchstens %1</translation>
    </message>
    <message>
        <source>at least %1</source>
        <extracomment>an allowed range as a screen reader says it after the field&apos;s unit: %1 the least value, &quot;200&quot;</extracomment>
        <translation>mindestens %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>an allowed range: %1 the least and %2 the largest value with their units, &quot;0.9 V to 3.0 V&quot;</extracomment>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>the start voltage</source>
        <extracomment>the least value of the throttle&apos;s full voltage, in place of a number in &quot;%1 to %2&quot;: &quot;the start voltage to 4.2&quot;</extracomment>
        <translation>Startspannung</translation>
    </message>
    <message>
        <source>%1 or more</source>
        <extracomment>an allowed range: %1 the least value with its unit, &quot;200 ms&quot;</extracomment>
        <translation>%1 oder mehr</translation>
    </message>
    <message>
        <source>from the start voltage, %1, to %2</source>
        <extracomment>the allowed range of the throttle&apos;s full voltage: %1 the start voltage set, %2 the largest value, both with their unit: &quot;from the start voltage, 1.2 V, to 4.2 V&quot;</extracomment>
        <translation>von der Startspannung, %1, bis %2</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>Device Connected</source>
        <extracomment>status strip, 125 pixels wide: the programming cable&apos;s port is open</extracomment>
        <translation>Gerät verbunden</translation>
    </message>
    <message>
        <source>Device Lost</source>
        <extracomment>status strip, 125 pixels wide: the programming cable&apos;s port is gone</extracomment>
        <translation>Gerät getrennt</translation>
    </message>
    <message>
        <source>Controller connection test result</source>
        <translation>Ergebnis des Verbindungstests</translation>
    </message>
    <message>
        <source>Another COM device using the same name is detected,
please remove it first.</source>
        <extracomment>&quot;COM device&quot;: a serial port device</extracomment>
        <translation>Ein weiteres COM-Gerät mit demselben Namen wurde erkannt,
bitte entfernen Sie es zuerst.</translation>
    </message>
    <message>
        <source>You may not open the programming cable&apos;s serial port %1.

%2</source>
        <extracomment>%1 the serial device&apos;s path; %2 the lines that say how to get access</extracomment>
        <translation>Sie haben keine Berechtigung, die serielle Schnittstelle %1 des Programmierkabels zu öffnen.

%2</translation>
    </message>
    <message>
        <source>Programming cable access</source>
        <translation>Zugriff auf das Programmierkabel</translation>
    </message>
    <message>
        <source>Install the cable rule that comes with the package (70-vexlor-cable.rules), then
unplug the cable and plug it in again. The package puts the rule in
/usr/lib/udev/rules.d; for a build from source, install it with
  sudo cp packaging/70-vexlor-cable.rules /etc/udev/rules.d/
  sudo udevadm control --reload
Or join the dialout group, whose members may open serial ports:
  sudo usermod -aG dialout $USER
then log out and in again.</source>
        <extracomment>keep the file names and the command lines as they are</extracomment>
        <translation>Installieren Sie die Kabelregel aus dem Paket (70-vexlor-cable.rules), ziehen Sie dann
das Kabel ab und stecken Sie es wieder ein. Das Paket legt die Regel in
/usr/lib/udev/rules.d ab; haben Sie das Programm selbst gebaut, installieren Sie sie mit
  sudo cp packaging/70-vexlor-cable.rules /etc/udev/rules.d/
  sudo udevadm control --reload
Oder treten Sie der Gruppe dialout bei, deren Mitglieder serielle Schnittstellen öffnen dürfen:
  sudo usermod -aG dialout $USER
und melden Sie sich danach ab und wieder an.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Untitled.vxc</source>
        <extracomment>the window caption&apos;s document name after New, before the first save</extracomment>
        <translation>Unbenannt.vxc</translation>
    </message>
    <message>
        <source>Power parameters</source>
        <translation>Leistungsparameter</translation>
    </message>
    <message>
        <source>Pedal speed sensor functions</source>
        <translation>Tretsensor-Funktionen</translation>
    </message>
    <message>
        <source>Limit max speed</source>
        <translation>Geschwindigkeit begrenzen</translation>
    </message>
    <message>
        <source>Speed limit parameters</source>
        <translation>Geschwindigkeitsbegrenzung</translation>
    </message>
    <message>
        <source>Wheel size</source>
        <translation>Radgröße</translation>
    </message>
    <message>
        <source>Throttle functions</source>
        <translation>Gasgriff-Funktionen</translation>
    </message>
    <message>
        <source>Level limits</source>
        <translation>Stufengrenzen</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <extracomment>the About box&apos;s last credit line</extracomment>
        <translation>Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Language</source>
        <extracomment>Help &gt; Language: the note after choosing a language</extracomment>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The window will show the chosen language the next time you start the program.</source>
        <translation>Das Fenster erscheint beim nächsten Programmstart in der gewählten Sprache.</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Brushless motor parameters</source>
        <translation>Daten des bürstenlosen Motors</translation>
    </message>
    <message>
        <source>Configuration Files (*.vxc)</source>
        <extracomment>the file dialogs&apos; filter; keep &quot;(*.vxc)&quot; as it is</extracomment>
        <translation>Konfigurationsdateien (*.vxc)</translation>
    </message>
    <message>
        <source>Open Configuration Files</source>
        <translation>Konfigurationsdatei öffnen</translation>
    </message>
    <message>
        <source>Save Configuration Files</source>
        <translation>Konfigurationsdatei speichern</translation>
    </message>
    <message>
        <source>New Configuration</source>
        <translation>Neue Konfiguration</translation>
    </message>
    <message>
        <source>Open Configuration</source>
        <translation>Konfiguration öffnen</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Konfiguration speichern</translation>
    </message>
    <message>
        <source>Test Controller Connection</source>
        <translation>Controller-Verbindung testen</translation>
    </message>
    <message>
        <source>Read Controller Configuration</source>
        <translation>Controller-Konfiguration lesen</translation>
    </message>
    <message>
        <source>Write Controller Configuration</source>
        <translation>Controller-Konfiguration schreiben</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Verbinden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>The file was opened, but the list of recent files could not be saved: unable to write to %1.</source>
        <extracomment>%1 the full path of config.ini, which holds the list of recent files</extracomment>
        <translation>Die Datei wurde geöffnet, aber die Liste der zuletzt geöffneten Dateien konnte nicht gespeichert werden: Schreiben in %1 nicht möglich.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>S&amp;prache</translation>
    </message>
    <message>
        <source>Desktop &amp;Language</source>
        <extracomment>Help &gt; Language: whatever language the desktop is set to</extracomment>
        <translation>&amp;Systemsprache</translation>
    </message>
    <message>
        <source>&amp;New Configuration</source>
        <translation>&amp;Neue Konfiguration</translation>
    </message>
    <message>
        <source>&amp;Open Configuration...</source>
        <translation>Konfiguration ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Reopen</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Test Controller Connection</source>
        <translation>Controller-Verbindung &amp;testen</translation>
    </message>
    <message>
        <source>&amp;Read Controller Configuration</source>
        <translation>Controller-Konfiguration &amp;lesen</translation>
    </message>
    <message>
        <source>&amp;Write Controller Configuration</source>
        <translation>Controller-Konfiguration &amp;schreiben</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>Technical &amp;Support</source>
        <translation>Technischer &amp;Support</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>amperes</source>
        <translation>Ampere</translation>
    </message>
    <message>
        <source>volts</source>
        <translation>Volt</translation>
    </message>
    <message>
        <source>kilometres per hour</source>
        <translation>Kilometer pro Stunde</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>milliseconds stop pedaling</source>
        <extracomment>a field&apos;s unit for screen readers: &quot;Stop after [500] ms stop pedaling&quot;</extracomment>
        <translation>Millisekunden ohne Treten</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>watts</source>
        <translation>Watt</translation>
    </message>
    <message>
        <source>revolutions per minute</source>
        <translation>Umdrehungen pro Minute</translation>
    </message>
    <message>
        <source>to 1</source>
        <extracomment>a field&apos;s unit for screen readers: the reduction ratio &quot;[8] :1&quot;, read &quot;8 to 1&quot;</extracomment>
        <translation>zu 1</translation>
    </message>
    <message>
        <source>milliohms</source>
        <translation>Milliohm</translation>
    </message>
    <message>
        <source>millihenries</source>
        <translation>Millihenry</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>a field&apos;s description for screen readers: %1 its unit, %2 its allowed range; &quot;amperes, at most 30.0&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Result</source>
        <extracomment>the status strip&apos;s labels as a screen reader names them</extracomment>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Tätigkeit</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>&amp;Connection Doctor…</source>
        <extracomment>Help menu: the checks of why the programming cable does not work</extracomment>
        <translation>&amp;Verbindungsdiagnose…</translation>
    </message>
    <message>
        <source>Connection Doctor…</source>
        <translation>Verbindungsdiagnose…</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <extracomment>%1 the document&apos;s name as the window caption shows it, &quot;Untitled.vxc&quot; before its first save</extracomment>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>the status strip&apos;s message, such as where a file was saved, as a screen reader names it</extracomment>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>miles per hour, at most %1</source>
        <extracomment>a speed field&apos;s description for screen readers in imperial units: %1 the most the controller holds, &quot;4072.16&quot;</extracomment>
        <translation>Meilen pro Stunde, höchstens %1</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <extracomment>Help menu: the units speeds are shown in, metric or imperial</extracomment>
        <translation>&amp;Einheiten</translation>
    </message>
    <message>
        <source>Bike: %1</source>
        <extracomment>the status strip&apos;s field with the bike&apos;s label (a frame number, a customer); %1 the label</extracomment>
        <translation>Fahrrad: %1</translation>
    </message>
    <message>
        <source>Bike</source>
        <extracomment>the status strip&apos;s field with the bike&apos;s label, as a screen reader names it
----------
the box of Connect &gt; Bike...: its title and the caption of its one field</extracomment>
        <translation>Fahrrad</translation>
    </message>
    <message>
        <source>Label of the bike (frame number, customer); every operation is recorded with it:</source>
        <translation>Bezeichnung des Fahrrads (Rahmennummer, Kunde); jeder Vorgang wird damit erfasst:</translation>
    </message>
    <message>
        <source>Bi&amp;ke…</source>
        <extracomment>Connect menu: the label (frame number, customer) the register records with each operation</extracomment>
        <translation>&amp;Fahrrad…</translation>
    </message>
    <message>
        <source>H&amp;istory…</source>
        <extracomment>Connect menu: the register of every operation, as a table</extracomment>
        <translation>Verl&amp;auf…</translation>
    </message>
    <message>
        <source>What&apos;s &amp;This?</source>
        <extracomment>Help menu: the pointer that shows what the next field clicked does</extracomment>
        <translation>&amp;Direkthilfe</translation>
    </message>
    <message>
        <source>New Bike Set&amp;up…</source>
        <extracomment>File menu: the assistant that proposes values from what is printed on the bike&apos;s parts</extracomment>
        <translation>Neues Fahrrad &amp;einrichten…</translation>
    </message>
</context>
<context>
    <name>MotorIllustration</name>
    <message>
        <source>Rotor</source>
        <translation>Rotor</translation>
    </message>
    <message>
        <source>Magnets N / S</source>
        <extracomment>the rotor&apos;s magnets with their north and south poles</extracomment>
        <translation>Magnete N / S</translation>
    </message>
    <message>
        <source>Stator teeth</source>
        <translation>Statorzähne</translation>
    </message>
    <message>
        <source>Coils</source>
        <translation>Spulen</translation>
    </message>
    <message>
        <source>Bearing</source>
        <translation>Lager</translation>
    </message>
    <message>
        <source>Axle</source>
        <translation>Achse</translation>
    </message>
</context>
<context>
    <name>Parameters</name>
    <message>
        <source>Pedal sensor magnets</source>
        <extracomment>the field before &quot;magnets a circle&quot;, as messages and lists name it</extracomment>
        <translation>Tretsensor-Magnete</translation>
    </message>
    <message>
        <source>PAS levels (1~9):</source>
        <translation>PAS-Stufen (1~9):</translation>
    </message>
    <message>
        <source>%</source>
        <extracomment>unit: percent</extracomment>
        <translation>%</translation>
    </message>
    <message>
        <source>Max battery current: </source>
        <translation>Max. Akkustrom: </translation>
    </message>
    <message>
        <source>A</source>
        <extracomment>unit: ampere</extracomment>
        <translation>A</translation>
    </message>
    <message>
        <source>Low voltage protection: </source>
        <extracomment>the battery voltage below which the controller cuts the motor</extracomment>
        <translation>Unterspannungsschutz: </translation>
    </message>
    <message>
        <source>V</source>
        <extracomment>unit: volt</extracomment>
        <translation>V</translation>
    </message>
    <message>
        <source>Acceleration:</source>
        <translation>Beschleunigung:</translation>
    </message>
    <message>
        <source>Brake voltage:</source>
        <extracomment>the brake lever sensor&apos;s signal level; its two buttons are &quot;Low&quot; and &quot;High&quot;</extracomment>
        <translation>Bremssignal:</translation>
    </message>
    <message>
        <source>Low</source>
        <extracomment>brake signal level</extracomment>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>brake signal level</extracomment>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Speed limit: </source>
        <translation>Tempolimit: </translation>
    </message>
    <message>
        <source>km/h</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>Speedometer magnets: </source>
        <extracomment>how many magnets pass the speed sensor per wheel turn</extracomment>
        <translation>Tachomagnete: </translation>
    </message>
    <message>
        <source>Wheel perimeter: </source>
        <translation>Radumfang: </translation>
    </message>
    <message>
        <source>mm</source>
        <extracomment>unit: millimetre</extracomment>
        <translation>mm</translation>
    </message>
    <message>
        <source>Use pedal speed sensor</source>
        <translation>Tretsensor verwenden</translation>
    </message>
    <message>
        <source>Duty cycle:</source>
        <extracomment>the pedal sensor signal&apos;s duty cycle; its buttons are &quot;&lt; 50%&quot; and &quot;&gt; 50%&quot;</extracomment>
        <translation>Tastgrad:</translation>
    </message>
    <message>
        <source>&lt; 50%</source>
        <translation>&lt; 50%</translation>
    </message>
    <message>
        <source>&gt; 50%</source>
        <translation>&gt; 50%</translation>
    </message>
    <message>
        <source>magnets a circle</source>
        <extracomment>after a field without a caption: the number of magnets on the pedal sensor&apos;s disc</extracomment>
        <translation>Magnete/Umdr.</translation>
    </message>
    <message>
        <source>Start after </source>
        <extracomment>&quot;Start after [2] magnets passed&quot;: assist starts after this many sensor magnets</extracomment>
        <translation>Start nach </translation>
    </message>
    <message>
        <source>magnets passed</source>
        <extracomment>&quot;Start after [2] magnets passed&quot;</extracomment>
        <translation>Magneten</translation>
    </message>
    <message>
        <source>Stop after </source>
        <extracomment>&quot;Stop after [500] ms stop pedaling&quot;: assist stops this long after pedalling stops</extracomment>
        <translation>Ende nach </translation>
    </message>
    <message>
        <source>ms stop pedaling</source>
        <extracomment>&quot;Stop after [500] ms stop pedaling&quot;</extracomment>
        <translation>ms ohne Treten</translation>
    </message>
    <message>
        <source>PAS ratio: </source>
        <extracomment>pedal assist sensor (PAS) ratio, a track bar from 1 to 9</extracomment>
        <translation>PAS-Faktor: </translation>
    </message>
    <message>
        <source>Use throttle</source>
        <translation>Gasgriff verwenden</translation>
    </message>
    <message>
        <source>Max output: </source>
        <extracomment>the throttle&apos;s largest output, in percent</extracomment>
        <translation>Maximal: </translation>
    </message>
    <message>
        <source>Limited by PAS level limits</source>
        <extracomment>the throttle follows the assist level limits</extracomment>
        <translation>Durch PAS-Stufen begrenzt</translation>
    </message>
    <message>
        <source>Start voltage: </source>
        <extracomment>the throttle&apos;s voltage where it starts; the row reads &quot;Start voltage: [1.2] V, Full: [3.4] V&quot;</extracomment>
        <translation>Start bei: </translation>
    </message>
    <message>
        <source>V,</source>
        <extracomment>unit: volt, followed on the same row by &quot;Full: [3.4] V&quot;</extracomment>
        <translation>V,</translation>
    </message>
    <message>
        <source>Full: </source>
        <extracomment>the throttle&apos;s voltage at full twist, after &quot;Start voltage: [1.2] V,&quot;; keep it short</extracomment>
        <translation>Vollgas: </translation>
    </message>
    <message>
        <source>Working style</source>
        <extracomment>how the throttle works with the pedal sensor (a group of three choices)</extracomment>
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>Independently</source>
        <translation>Unabhängig</translation>
    </message>
    <message>
        <source>Together with pedal sensor</source>
        <translation>Zusammen mit Tretsensor</translation>
    </message>
    <message>
        <source>Start by pedal sensor</source>
        <translation>Start durch Tretsensor</translation>
    </message>
    <message>
        <source>Level 1: </source>
        <translation>Stufe 1: </translation>
    </message>
    <message>
        <source>Level 2: </source>
        <translation>Stufe 2: </translation>
    </message>
    <message>
        <source>Level 3: </source>
        <translation>Stufe 3: </translation>
    </message>
    <message>
        <source>Level 4: </source>
        <translation>Stufe 4: </translation>
    </message>
    <message>
        <source>Level 5: </source>
        <translation>Stufe 5: </translation>
    </message>
    <message>
        <source>Level 6: </source>
        <translation>Stufe 6: </translation>
    </message>
    <message>
        <source>Level 7: </source>
        <translation>Stufe 7: </translation>
    </message>
    <message>
        <source>Level 8: </source>
        <translation>Stufe 8: </translation>
    </message>
    <message>
        <source>Level 9: </source>
        <translation>Stufe 9: </translation>
    </message>
    <message>
        <source>Limit speed</source>
        <extracomment>the assist levels limit the speed</extracomment>
        <translation>Tempo begrenzen</translation>
    </message>
    <message>
        <source>Limit current</source>
        <extracomment>the assist levels limit the current</extracomment>
        <translation>Strom begrenzen</translation>
    </message>
    <message>
        <source>Walk assist: </source>
        <translation>Schieben: </translation>
    </message>
    <message>
        <source>Work together with throttle</source>
        <extracomment>the pedal sensor works together with the throttle</extracomment>
        <translation>Zusammen mit Gasgriff</translation>
    </message>
    <message>
        <source>Hall sensor</source>
        <extracomment>the motor&apos;s Hall sensors: 120 degree, 60 degree or none</extracomment>
        <translation>Hallsensoren</translation>
    </message>
    <message>
        <source>120° Sensors</source>
        <translation>120°-Hall</translation>
    </message>
    <message>
        <source>60° Sensors</source>
        <translation>60°-Hall</translation>
    </message>
    <message>
        <source>Sensorless</source>
        <translation>Sensorlos</translation>
    </message>
    <message>
        <source>Rotation direction</source>
        <extracomment>a hub motor with or without a freewheel (one-way clutch) inside</extracomment>
        <translation>Drehrichtung</translation>
    </message>
    <message>
        <source>One way clutch</source>
        <translation>Mit Freilauf</translation>
    </message>
    <message>
        <source>Without clutch</source>
        <translation>Ohne Freilauf</translation>
    </message>
    <message>
        <source>Rated voltage: </source>
        <translation>Nennspannung: </translation>
    </message>
    <message>
        <source>Rated power: </source>
        <translation>Nennleistung: </translation>
    </message>
    <message>
        <source>W</source>
        <extracomment>unit: watt</extracomment>
        <translation>W</translation>
    </message>
    <message>
        <source>No. of pole-pairs: </source>
        <translation>Polpaarzahl: </translation>
    </message>
    <message>
        <source>No-load speed: </source>
        <translation>Leerlaufdrehzahl: </translation>
    </message>
    <message>
        <source>rpm</source>
        <extracomment>unit: revolutions per minute</extracomment>
        <translation>U/min</translation>
    </message>
    <message>
        <source>Reduction ratio: </source>
        <extracomment>the motor&apos;s gear ratio, shown as &quot;[8] :1&quot;</extracomment>
        <translation>Untersetzung: </translation>
    </message>
    <message>
        <source>:1</source>
        <extracomment>after the reduction ratio&apos;s field: &quot;[8] :1&quot;</extracomment>
        <translation>:1</translation>
    </message>
    <message>
        <source>Stator resistance: </source>
        <translation>Statorwiderstand: </translation>
    </message>
    <message>
        <source>mOhm</source>
        <extracomment>unit: milliohm</extracomment>
        <translation>mOhm</translation>
    </message>
    <message>
        <source>Stator inductance: </source>
        <translation>Statorinduktivität: </translation>
    </message>
    <message>
        <source>mH</source>
        <extracomment>unit: millihenry</extracomment>
        <translation>mH</translation>
    </message>
    <message>
        <source>Max phase current:</source>
        <translation>Max. Phasenstrom:</translation>
    </message>
    <message>
        <source>ms</source>
        <extracomment>unit: millisecond, in a limit: &quot;200 ms or more&quot;</extracomment>
        <translation>ms</translation>
    </message>
    <message>
        <source>mph</source>
        <extracomment>unit: miles per hour</extracomment>
        <translation>mph</translation>
    </message>
    <message>
        <source>magnets</source>
        <extracomment>a count of magnets, after a number: &quot;12 magnets&quot;</extracomment>
        <translation>Magnete</translation>
    </message>
</context>
<context>
    <name>Plausibility</name>
    <message>
        <source>%1 to %2 for %3 cells (rated voltage %4)</source>
        <extracomment>%1 the least and %2 the largest cut-off voltage with their unit (&quot;28.0 V&quot;, &quot;36.0 V&quot;), %3 the number of cells in series (&quot;10&quot;), %4 the rated voltage with its unit (&quot;36 V&quot;)</extracomment>
        <translation>%1 bis %2 für %3 Zellen (Nennspannung %4)</translation>
    </message>
    <message>
        <source>at most %1, the value of %2</source>
        <extracomment>%1 a value with its unit (&quot;30 A&quot;), %2 the caption of the field that holds it (&quot;Max phase current&quot;)</extracomment>
        <translation>höchstens %1, der Wert von %2</translation>
    </message>
    <message>
        <source>below %1, the value of %2</source>
        <extracomment>%1 a value with its unit (&quot;3.4 V&quot;), %2 the caption of the field that holds it (&quot;Full&quot;)</extracomment>
        <translation>unter %1, dem Wert von %2</translation>
    </message>
    <message>
        <source>above %1, the value of %2</source>
        <extracomment>%1 a value with its unit (&quot;50 %&quot;), %2 the caption of the field that holds it (&quot;Level 2&quot;)</extracomment>
        <translation>über %1, dem Wert von %2</translation>
    </message>
    <message>
        <source>%1 at the top level in use</source>
        <extracomment>what the last assist level in use should be: %1 &quot;100 %&quot;</extracomment>
        <translation>%1 auf der obersten benutzten Stufe</translation>
    </message>
    <message>
        <source>%1: %2 (plausible: %3)</source>
        <extracomment>one warning: %1 the field&apos;s caption, %2 its value with its unit, %3 what would fit (&quot;at least 1&quot;)</extracomment>
        <translation>%1: %2 (plausibel: %3)</translation>
    </message>
    <message>
        <source>These values hardly fit a bike or each other:</source>
        <extracomment>above the list of warnings in the question before a write and in a check&apos;s report</extracomment>
        <translation>Diese Werte passen kaum zu einem Fahrrad oder zueinander:</translation>
    </message>
    <message>
        <source>Warning on %1</source>
        <extracomment>what a screen reader calls the small warning sign beside a field; %1 the field&apos;s caption</extracomment>
        <translation>Warnung zu %1</translation>
    </message>
</context>
<context>
    <name>Profiles</name>
    <message>
        <source>Pro&amp;files</source>
        <extracomment>File &gt; Profiles: the submenu listing the configurations kept under a name</extracomment>
        <translation>&amp;Profile</translation>
    </message>
    <message>
        <source>Save as Profi&amp;le…</source>
        <translation>Als Profi&amp;l speichern…</translation>
    </message>
    <message>
        <source>No Profiles Yet</source>
        <extracomment>File &gt; Profiles while there is none</extracomment>
        <translation>Noch keine Profile</translation>
    </message>
    <message>
        <source>Save as Profile</source>
        <translation>Als Profil speichern</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>N&amp;ote:</source>
        <translation>N&amp;otiz:</translation>
    </message>
    <message>
        <source>The window&apos;s values are kept under this name, for example for a battery or a bike model; File &gt; Profiles puts them back into the window.</source>
        <extracomment>under the fields of the profile dialog</extracomment>
        <translation>Die Werte des Fensters werden unter diesem Namen aufbewahrt, etwa für einen Akku oder ein Radmodell; Datei &gt; Profile setzt sie wieder ins Fenster.</translation>
    </message>
    <message>
        <source>A profile named &quot;%1&quot; exists already. Replace it?</source>
        <extracomment>%1 the profile&apos;s name</extracomment>
        <translation>Es gibt bereits ein Profil namens „%1“. Ersetzen?</translation>
    </message>
    <message>
        <source>A profile needs a name.</source>
        <translation>Ein Profil braucht einen Namen.</translation>
    </message>
    <message>
        <source>A profile&apos;s name has at most %1 characters.</source>
        <extracomment>%1 the largest number of characters</extracomment>
        <translation>Der Name eines Profils hat höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <source>A profile&apos;s name cannot hold %1 or control characters: &quot;%2&quot;.</source>
        <extracomment>%1 the characters refused, %2 the name given</extracomment>
        <translation>Der Name eines Profils darf weder %1 noch Steuerzeichen enthalten: „%2“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a file on every system: a profile&apos;s name must not begin with a dot or a blank, end with a dot or a blank, or be a device name such as CON or NUL.</source>
        <extracomment>%1 the name given; CON and NUL are names Windows keeps for devices</extracomment>
        <translation>„%1“ kann nicht auf jedem System eine Datei benennen: Der Name eines Profils darf nicht mit einem Punkt oder Leerzeichen beginnen oder enden und kein Gerätename wie CON oder NUL sein.</translation>
    </message>
    <message>
        <source>No profile is named &quot;%1&quot;.</source>
        <extracomment>%1 the name given</extracomment>
        <translation>Es gibt kein Profil namens „%1“.</translation>
    </message>
</context>
<context>
    <name>Register</name>
    <message>
        <source>Not recorded in the register: %1</source>
        <extracomment>%1 why the operation was not recorded (one of the texts below, or the database&apos;s own)</extracomment>
        <translation>Nicht im Register erfasst: %1</translation>
    </message>
    <message>
        <source>this build keeps no register (it was made without Qt SQL).</source>
        <extracomment>the program was built without the database module; Qt SQL is the name of that module</extracomment>
        <translation>dieser Build führt kein Register (er wurde ohne Qt SQL erstellt).</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <extracomment>%1 the register&apos;s path, %2 the database&apos;s reason</extracomment>
        <translation>%1 lässt sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <extracomment>%1 the register&apos;s path, %2 the database&apos;s reason</extracomment>
        <translation>%1 lässt sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <extracomment>%1 the register&apos;s path, %2 the database&apos;s reason</extracomment>
        <translation>%1 lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>%1 was made by a newer version of the tool (schema %2, this one knows %3).</source>
        <extracomment>%1 the register&apos;s path, %2 the schema version in the file, %3 the newest this version knows</extracomment>
        <translation>%1 stammt von einer neueren Version des Programms (Schema %2, diese kennt %3).</translation>
    </message>
    <message>
        <source>%1 names no shop server: give postgresql://USER@HOST[:PORT]/DB.</source>
        <extracomment>%1 what was given; keep postgresql://USER@HOST[:PORT]/DB as it is</extracomment>
        <translation>%1 nennt keinen Werkstattserver: geben Sie postgresql://USER@HOST[:PORT]/DB an.</translation>
    </message>
    <message>
        <source>%1 carries a password, which is never taken from there: give the address without it and put the password in ~/.pgpass or PGPASSWORD.</source>
        <extracomment>%1 the address with the password left out; keep ~/.pgpass and PGPASSWORD as they are</extracomment>
        <translation>%1 enthält ein Passwort, das von dort nie übernommen wird: geben Sie die Adresse ohne Passwort an und legen Sie das Passwort in ~/.pgpass oder PGPASSWORD ab.</translation>
    </message>
    <message>
        <source>the shop server is not available in this build (Qt&apos;s PostgreSQL driver QPSQL is missing).</source>
        <extracomment>QPSQL is the name of Qt&apos;s PostgreSQL driver</extracomment>
        <translation>der Werkstattserver ist in diesem Build nicht verfügbar (der PostgreSQL-Treiber QPSQL von Qt fehlt).</translation>
    </message>
    <message>
        <source>The shop&apos;s register on %1.</source>
        <extracomment>%1 the server&apos;s address</extracomment>
        <translation>Das Register der Werkstatt auf %1.</translation>
    </message>
    <message>
        <source>Only this bench&apos;s records: the shop server cannot be reached. %1</source>
        <extracomment>%1 why the server cannot be reached</extracomment>
        <translation>Nur die Einträge dieses Arbeitsplatzes: der Werkstattserver ist nicht erreichbar. %1</translation>
    </message>
    <message>
        <source>Recorded on this bench; it goes to the shop server once it can be reached: %1</source>
        <extracomment>%1 why the server cannot be reached now (naming it)</extracomment>
        <translation>Am Arbeitsplatz erfasst; der Eintrag geht an den Werkstattserver, sobald er erreichbar ist: %1</translation>
    </message>
</context>
<context>
    <name>RoadCheck</name>
    <message>
        <source>only with pedalling: %1 or %2, or %3 cleared</source>
        <extracomment>%1 and %2 the working styles &quot;Together with pedal sensor&quot; and &quot;Start by pedal sensor&quot;, %3 the check box &quot;Use throttle&quot;</extracomment>
        <translation>nur mit Treten: %1 oder %2, oder %3 aus</translation>
    </message>
    <message>
        <source>%1, so it assists up to %2</source>
        <extracomment>%1 the wheel perimeter with its unit (&quot;2000 mm&quot;), %2 a speed with its unit (&quot;27.4 km/h&quot;)</extracomment>
        <translation>%1, daher unterstützt es bis %2</translation>
    </message>
    <message>
        <source>%1, so it assists at any speed</source>
        <extracomment>%1 the wheel perimeter with its unit, &quot;0 mm&quot;: the controller cannot measure the speed</extracomment>
        <translation>%1, daher unterstützt es bei jeder Geschwindigkeit</translation>
    </message>
    <message>
        <source>at least %1: the tire %2 rolls %3 a turn</source>
        <extracomment>%1 the least wheel perimeter (&quot;2128 mm&quot;), %2 the tire (&quot;57-584&quot;), %3 how far it rolls in one turn of the wheel (&quot;2193 mm&quot;)</extracomment>
        <translation>mindestens %1: der Reifen %2 rollt %3 je Umdrehung</translation>
    </message>
    <message>
        <source>throttle also without pedalling</source>
        <translation>Gasgriff auch ohne Treten</translation>
    </message>
    <message>
        <source>throttle only while pedalling</source>
        <translation>Gasgriff nur beim Treten</translation>
    </message>
    <message>
        <source>Road class: %1</source>
        <extracomment>%1 the road class&apos;s name</extracomment>
        <translation>Straßenklasse: %1</translation>
    </message>
    <message>
        <source>Tire: %1, %2 a turn</source>
        <extracomment>%1 the tire (&quot;57-584&quot;), %2 how far it rolls in one turn of the wheel (&quot;2193 mm&quot;)</extracomment>
        <translation>Reifen: %1, %2 je Umdrehung</translation>
    </message>
    <message>
        <source>These values break the road class %1:</source>
        <extracomment>%1 the road class&apos;s name, &quot;EU / UK pedelec (EN 15194)&quot;</extracomment>
        <translation>Diese Werte verletzen die Straßenklasse %1:</translation>
    </message>
    <message>
        <source>The settings keep to the road class %1.</source>
        <extracomment>%1 the road class&apos;s name</extracomment>
        <translation>Die Einstellungen halten die Straßenklasse %1 ein.</translation>
    </message>
    <message>
        <source>No road class chosen.</source>
        <translation>Keine Straßenklasse gewählt.</translation>
    </message>
    <message>
        <source>No tire given: the wheel perimeter is not checked.</source>
        <extracomment>the tire was not given, so the wheel perimeter is not checked</extracomment>
        <translation>Kein Reifen angegeben: der Radumfang wird nicht geprüft.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no tire size. Give its ETRTO size, width and bead seat diameter in millimetres (57-584), or a common size such as 26x2.1.</source>
        <extracomment>%1 what was given; keep 57-584 and 26x2.1 as they are</extracomment>
        <translation>„%1“ ist keine Reifengröße. Geben Sie die ETRTO-Größe an, Breite und Felgendurchmesser in Millimetern (57-584), oder eine gängige Größe wie 26x2.1.</translation>
    </message>
    <message>
        <source>%1, and there is no speed limit: it assists at any speed</source>
        <extracomment>%1 the wheel perimeter with its unit; &quot;Limit max speed&quot; is cleared, so nothing cuts the motor off</extracomment>
        <translation>%1, und es gibt kein Tempolimit: es unterstützt bei jeder Geschwindigkeit</translation>
    </message>
    <message>
        <source>%1, so the speedometer reads %2 % slow</source>
        <extracomment>%1 the wheel perimeter with its unit (&quot;2074 mm&quot;), %2 how many per cent too slow it shows the speed (&quot;5&quot;)</extracomment>
        <translation>%1, daher zeigt der Tacho %2 % zu langsam an</translation>
    </message>
    <message>
        <source>%1, so the speedometer reads %2 % fast</source>
        <extracomment>%1 the wheel perimeter with its unit (&quot;2400 mm&quot;), %2 how many per cent too fast it shows the speed (&quot;16&quot;)</extracomment>
        <translation>%1, daher zeigt der Tacho %2 % zu schnell an</translation>
    </message>
    <message>
        <source>%1 to %2: the tire %3 rolls %4 a turn</source>
        <extracomment>the perimeters that show the speed true to 3 %: %1 the least (&quot;2128 mm&quot;), %2 the largest (&quot;2258 mm&quot;), %3 the tire (&quot;57-584&quot;), %4 how far it rolls in one turn of the wheel (&quot;2193 mm&quot;)</extracomment>
        <translation>%1 bis %2: der Reifen %3 rollt %4 je Umdrehung</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <extracomment>one note: %1 the field&apos;s caption, %2 its value as a note says it, %3 the perimeters that read true</extracomment>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>Worth knowing, though it does not break the class:</source>
        <extracomment>above the notes of a check, after the line that says whether the class is kept</extracomment>
        <translation>Gut zu wissen, auch wenn es die Klasse nicht verletzt:</translation>
    </message>
</context>
<context>
    <name>RoadClasses</name>
    <message>
        <source>EU / UK pedelec (EN 15194)</source>
        <extracomment>the European and British class of pedal-assist bikes; keep EN 15194</extracomment>
        <translation>EU / UK Pedelec (EN 15194)</translation>
    </message>
    <message>
        <source>US class 1</source>
        <extracomment>US class 1: pedal assist only, up to 20 mph</extracomment>
        <translation>USA Klasse 1</translation>
    </message>
    <message>
        <source>US class 2</source>
        <extracomment>US class 2: throttle allowed, up to 20 mph</extracomment>
        <translation>USA Klasse 2</translation>
    </message>
    <message>
        <source>US class 3</source>
        <extracomment>US class 3: pedal assist only, up to 28 mph</extracomment>
        <translation>USA Klasse 3</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Kanada</translation>
    </message>
    <message>
        <source>Australia pedalec</source>
        <extracomment>&quot;pedalec&quot; is the Australian rules&apos; own word for a pedal-assist bike</extracomment>
        <translation>Australien Pedalec</translation>
    </message>
</context>
<context>
    <name>SafetyDialogs</name>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Window</source>
        <extracomment>column heading: the value the window shows</extracomment>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Controller</source>
        <extracomment>column heading: the value the controller holds</extracomment>
        <translation>Controller</translation>
    </message>
    <message>
        <source>Written</source>
        <extracomment>column heading: the value that was written to the controller</extracomment>
        <translation>Geschrieben</translation>
    </message>
    <message>
        <source>Held by the controller</source>
        <extracomment>column heading: the value the controller holds after the write</extracomment>
        <translation>Im Controller</translation>
    </message>
    <message>
        <source>Compare with Controller</source>
        <translation>Mit Controller vergleichen</translation>
    </message>
    <message>
        <source>These parameters differ between the window and the controller:</source>
        <translation>Diese Parameter unterscheiden sich zwischen Fenster und Controller:</translation>
    </message>
    <message>
        <source>The controller holds the window&apos;s settings.</source>
        <translation>Die Einstellungen im Controller stimmen mit denen im Fenster überein.</translation>
    </message>
    <message>
        <source>&amp;Load Controller&apos;s Values</source>
        <translation>&amp;Controllerwerte laden</translation>
    </message>
    <message>
        <source>&amp;Write Window&apos;s Values</source>
        <translation>&amp;Fensterwerte schreiben</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Choose a backup to load into the window. The controller does not change until you write the settings.</source>
        <translation>Wählen Sie eine Sicherung, die ins Fenster geladen werden soll. Im Controller ändert sich nichts, bis Sie die Einstellungen schreiben.</translation>
    </message>
    <message>
        <source>Taken</source>
        <extracomment>column heading: when the backup was taken</extracomment>
        <translation>Erstellt</translation>
    </message>
    <message>
        <source>Parameters that differ from the window</source>
        <translation>Parameter, die vom Fenster abweichen</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>There are no backups yet. A backup of the controller&apos;s settings is taken before every write.</source>
        <translation>Es gibt noch keine Sicherungen. Vor jedem Schreibvorgang werden die Einstellungen des Controllers gesichert.</translation>
    </message>
    <message>
        <source>Write that followed</source>
        <extracomment>column heading: how the write that followed the backup ended</extracomment>
        <translation>Folgender Schreibvorgang</translation>
    </message>
    <message>
        <source>Note</source>
        <extracomment>column heading: &quot;Taken after an interrupted write&quot;, or nothing</extracomment>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>A backup taken after an interrupted write may hold part of that write&apos;s values. To undo the interrupted write, load the newest backup without that note.</source>
        <translation>Eine Sicherung, die nach einem unterbrochenen Schreibvorgang angelegt wurde, kann einen Teil von dessen Werten enthalten. Um den unterbrochenen Schreibvorgang rückgängig zu machen, laden Sie die neueste Sicherung ohne diesen Hinweis.</translation>
    </message>
    <message>
        <source>Values Outside the Limits</source>
        <translation>Werte außerhalb der Grenzen</translation>
    </message>
    <message>
        <source>Write anyway?</source>
        <translation>Trotzdem schreiben?</translation>
    </message>
    <message>
        <source>&amp;Write Anyway</source>
        <translation>&amp;Trotzdem schreiben</translation>
    </message>
    <message>
        <source>Unreadable</source>
        <extracomment>in the differences column of a backup file that cannot be loaded (empty or damaged)</extracomment>
        <translation>Nicht lesbar</translation>
    </message>
    <message>
        <source>&amp;Compare with Controller…</source>
        <translation>Mit Controller &amp;vergleichen…</translation>
    </message>
    <message>
        <source>Back &amp;Up Before Write</source>
        <translation>Vor dem Schreiben s&amp;ichern</translation>
    </message>
    <message>
        <source>&amp;Verify After Write</source>
        <translation>Nach dem Schreiben &amp;prüfen</translation>
    </message>
    <message>
        <source>Restore &amp;Backup…</source>
        <translation>Sicherung &amp;wiederherstellen…</translation>
    </message>
    <message>
        <source>%1 (no. %2)</source>
        <extracomment>when more than one backup was taken in the same second: %1 the date and time, %2 the backup&apos;s place among them (1 the first); &quot;14.03.26 09:30:01 (no. 2)&quot;</extracomment>
        <translation>%1 (Nr. %2)</translation>
    </message>
    <message>
        <source>Implausible Values</source>
        <extracomment>the title of the question before a write when only implausible values are listed</extracomment>
        <translation>Unplausible Werte</translation>
    </message>
</context>
<context>
    <name>SettingsJson</name>
    <message>
        <source>This is no JSON (at byte %1: %2).</source>
        <extracomment>%1 where the JSON breaks (a byte offset), %2 the parser&apos;s reason (English)</extracomment>
        <translation>Das ist kein JSON (bei Byte %1: %2).</translation>
    </message>
    <message>
        <source>This JSON holds no settings: its &quot;format&quot; is not &quot;vexlor-settings&quot;.</source>
        <extracomment>keep &quot;format&quot; and vexlor-settings as they are: they are written so in the file</extracomment>
        <translation>Dieses JSON enthält keine Einstellungen: Sein &quot;format&quot; ist nicht &quot;vexlor-settings&quot;.</translation>
    </message>
    <message>
        <source>These settings are of version %1; this tool reads version %2 and older.</source>
        <extracomment>%1 the version the file names, %2 the newest this tool reads</extracomment>
        <translation>Diese Einstellungen haben die Version %1; dieses Programm liest Version %2 und ältere.</translation>
    </message>
    <message>
        <source>Unknown member &quot;%1&quot;.</source>
        <extracomment>%1 the member as the file spells it; keep &quot;parameters&quot; and &quot;name&quot; as they are</extracomment>
        <translation>Unbekanntes Element &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;parameters&quot; must be a list of objects, each with a &quot;name&quot; and a &quot;value&quot;.</source>
        <extracomment>keep &quot;parameters&quot;, &quot;name&quot; and &quot;value&quot; as they are: they are written so in the file</extracomment>
        <translation>&quot;parameters&quot; muss eine Liste von Objekten sein, jedes mit &quot;name&quot; und &quot;value&quot;.</translation>
    </message>
    <message>
        <source>Unknown parameter &quot;%1&quot;.</source>
        <extracomment>%1 the parameter&apos;s name as the file spells it</extracomment>
        <translation>Unbekannter Parameter &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 is given twice.</source>
        <extracomment>%1 the parameter&apos;s name</extracomment>
        <translation>%1 ist zweimal angegeben.</translation>
    </message>
    <message>
        <source>%1 is missing.</source>
        <extracomment>%1 the parameter&apos;s name</extracomment>
        <translation>%1 fehlt.</translation>
    </message>
    <message>
        <source>%1: %2 is of the wrong type; expected %3.</source>
        <extracomment>%1 the parameter&apos;s name, %2 the value as the file holds it, %3 what is expected instead</extracomment>
        <translation>%1: %2 hat den falschen Typ; erwartet: %3.</translation>
    </message>
    <message>
        <source>a number</source>
        <extracomment>what a field&apos;s value must be: a number, in quotes or not</extracomment>
        <translation>eine Zahl</translation>
    </message>
    <message>
        <source>true or false</source>
        <extracomment>keep true and false as they are: they are written so in the file</extracomment>
        <translation>true oder false</translation>
    </message>
    <message>
        <source>0 or 1</source>
        <translation>0 oder 1</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>eine ganze Zahl</translation>
    </message>
    <message>
        <source>%1: the unit %2 is not the field&apos;s unit &quot;%3&quot;.</source>
        <extracomment>%1 the parameter&apos;s name, %2 the unit the file names, %3 the field&apos;s unit</extracomment>
        <translation>%1: Die Einheit %2 ist nicht die Einheit des Feldes, &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>%1: %2 holds characters a configuration file cannot keep.</source>
        <extracomment>%1 the parameter&apos;s name, %2 the value; a .vxc file holds 8-bit (Latin-1) text only</extracomment>
        <translation>%1: %2 enthält Zeichen, die eine Konfigurationsdatei nicht aufnehmen kann.</translation>
    </message>
    <message>
        <source>%1: %2 is beyond the field&apos;s limits (allowed: %3).</source>
        <extracomment>%1 the parameter&apos;s name, %2 the value, %3 the allowed range (&quot;at most 30.0 A&quot;)</extracomment>
        <translation>%1: %2 liegt außerhalb der Grenzen des Feldes (erlaubt: %3).</translation>
    </message>
    <message>
        <source>The fingerprint %1 does not belong to these values (they give %2): the file was changed after it was written. Remove the fingerprint to take the changed values.</source>
        <extracomment>%1 the fingerprint in the file, %2 the one of its values</extracomment>
        <translation>Der Fingerabdruck %1 gehört nicht zu diesen Werten (sie ergeben %2): Die Datei wurde geändert, nachdem sie geschrieben wurde. Entfernen Sie den Fingerabdruck, um die geänderten Werte zu übernehmen.</translation>
    </message>
</context>
<context>
    <name>SettingsSheet</name>
    <message>
        <source>Settings Sheet</source>
        <translation>Einstellungsblatt</translation>
    </message>
    <message>
        <source>Document: %1</source>
        <extracomment>%1 the configuration file&apos;s name, &quot;bike.vxc&quot;</extracomment>
        <translation>Dokument: %1</translation>
    </message>
    <message>
        <source>Document: not saved to a file</source>
        <translation>Dokument: nicht in einer Datei gespeichert</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <extracomment>%1 the date in the user&apos;s language</extracomment>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>Made with: %1</source>
        <extracomment>%1 the tool&apos;s name and version, &quot;Vexlor Adjustor 1.35&quot;</extracomment>
        <translation>Erstellt mit: %1</translation>
    </message>
    <message>
        <source>Controller software version: v%1</source>
        <extracomment>%1 the controller&apos;s software version such as 1-35, after the letter v</extracomment>
        <translation>Softwareversion des Controllers: v%1</translation>
    </message>
    <message>
        <source>Fingerprint</source>
        <extracomment>a short mark of the whole configuration, such as 3F2A-91C0, shown above it</extracomment>
        <translation>Fingerabdruck</translation>
    </message>
    <message>
        <source>Assist levels</source>
        <extracomment>the title of a bar chart of the nine assist levels&apos; limits, in percent</extracomment>
        <translation>Unterstützungsstufen</translation>
    </message>
    <message>
        <source>Road class check</source>
        <translation>Prüfung der Straßenklasse</translation>
    </message>
    <message>
        <source>Bike shop: date and signature</source>
        <extracomment>under the line where the bike shop signs</extracomment>
        <translation>Fahrradhändler: Datum und Unterschrift</translation>
    </message>
    <message>
        <source>Customer: date and signature</source>
        <extracomment>under the line where the customer signs</extracomment>
        <translation>Kunde: Datum und Unterschrift</translation>
    </message>
    <message>
        <source>Values: the window&apos;s, not saved to a file</source>
        <extracomment>in place of the document&apos;s name when the values were changed after it was opened or saved</extracomment>
        <translation>Werte: die des Fensters, nicht in einer Datei gespeichert</translation>
    </message>
    <message>
        <source>%1 is not a PDF file, and a settings sheet replaces no other file. Choose another name.</source>
        <extracomment>%1 the path of a file that is not a PDF, such as a configuration</extracomment>
        <translation>%1 ist keine PDF-Datei, und ein Einstellungsblatt ersetzt keine andere Datei. Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>Units: %1</source>
        <extracomment>%1 the units speeds are shown in: &quot;Metric (km/h)&quot; or &quot;Imperial (mph)&quot;</extracomment>
        <translation>Einheiten: %1</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Limit max speed</source>
        <extracomment>the caption of the window&apos;s check box &quot;Limit max speed&quot; in the list of proposed values</extracomment>
        <translation>Geschwindigkeit begrenzen</translation>
    </message>
    <message>
        <source>%1 cells × 3.15 V, rounded up: stops before the cells run too low</source>
        <extracomment>why a low voltage protection: %1 the battery&apos;s cells in series (&quot;13&quot;); keep it short</extracomment>
        <translation>%1 Zellen × 3,15 V, aufgerundet: schaltet ab, bevor die Zellen zu tief entladen sind</translation>
    </message>
    <message>
        <source>as printed on the motor</source>
        <translation>wie auf dem Motor angegeben</translation>
    </message>
    <message>
        <source>the battery&apos;s nominal voltage, %1</source>
        <extracomment>%1 the battery&apos;s nominal voltage with its unit (&quot;48 V&quot;)</extracomment>
        <translation>die Nennspannung des Akkus, %1</translation>
    </message>
    <message>
        <source>as printed on the motor; it does not fit the battery&apos;s %1</source>
        <extracomment>%1 the battery&apos;s nominal voltage (&quot;48 V&quot;): the motor&apos;s rated voltage differs from it</extracomment>
        <translation>wie auf dem Motor angegeben; passt nicht zu den %1 des Akkus</translation>
    </message>
    <message>
        <source>the BMS&apos;s continuous current</source>
        <translation>der Dauerstrom des BMS</translation>
    </message>
    <message>
        <source>the BMS gives %1, the field allows at most %2</source>
        <extracomment>%1 the BMS&apos;s continuous current (&quot;40.0 A&quot;), %2 the most the field allows (&quot;30.0 A&quot;)</extracomment>
        <translation>das BMS liefert %1, das Feld erlaubt höchstens %2</translation>
    </message>
    <message>
        <source>the BMS gives %1, but never more than the max phase current, %2</source>
        <extracomment>%1 the BMS&apos;s continuous current (&quot;25.0 A&quot;), %2 the motor&apos;s max phase current (&quot;20 A&quot;)</extracomment>
        <translation>das BMS liefert %1, aber nie mehr als der maximale Phasenstrom, %2</translation>
    </message>
    <message>
        <source>the limit of %1</source>
        <extracomment>%1 the road class&apos;s name</extracomment>
        <translation>die Grenze von %1</translation>
    </message>
    <message>
        <source>so the controller keeps to the speed limit</source>
        <translation>damit der Controller das Tempolimit einhält</translation>
    </message>
    <message>
        <source>%1 allows a throttle only while pedalling</source>
        <extracomment>%1 the road class&apos;s name</extracomment>
        <translation>%1 erlaubt einen Gasgriff nur beim Treten</translation>
    </message>
    <message>
        <source>%1 allows it</source>
        <extracomment>%1 the road class&apos;s name</extracomment>
        <translation>%1 erlaubt es</translation>
    </message>
    <message>
        <source>the tire %1 rolls %2 a turn</source>
        <extracomment>%1 the tire (&quot;57-584&quot;), %2 how far it rolls in one turn of the wheel (&quot;2193 mm&quot;)</extracomment>
        <translation>der Reifen %1 rollt %2 pro Umdrehung</translation>
    </message>
    <message>
        <source>the levels the rider wants</source>
        <translation>die Stufen, die der Fahrer wünscht</translation>
    </message>
    <message>
        <source>level %1 of %2, rising to 100 % at the top</source>
        <extracomment>%1 the level&apos;s number, %2 how many levels are in use</extracomment>
        <translation>Stufe %1 von %2, steigend bis 100 % in der obersten</translation>
    </message>
    <message>
        <source>as printed on the motor; the motor does not fit %1 (%2)</source>
        <extracomment>%1 the road class&apos;s name, %2 what it allows (&quot;at most 250 W&quot;)</extracomment>
        <translation>wie auf dem Motor angegeben; der Motor passt nicht zu %1 (%2)</translation>
    </message>
    <message>
        <source>as set; it does not fit %1 (%2)</source>
        <extracomment>the motor&apos;s power was not given and the one set does not fit: %1 the class&apos;s name, %2 &quot;at most 250 W&quot;</extracomment>
        <translation>wie eingestellt; passt nicht zu %1 (%2)</translation>
    </message>
    <message>
        <source>0 counts nothing: the initial value</source>
        <translation>0 zählt nichts: der Anfangswert</translation>
    </message>
    <message>
        <source>the start voltage must stay below the full voltage: the initial value</source>
        <translation>die Startspannung muss unter der Vollspannung bleiben: der Anfangswert</translation>
    </message>
</context>
<context>
    <name>SetupWizard</name>
    <message>
        <source>not known</source>
        <extracomment>a motor value the rider has not found printed on the motor</extracomment>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Akku</translation>
    </message>
    <message>
        <source>As printed on the battery and on its BMS.</source>
        <translation>Wie auf dem Akku und seinem BMS angegeben.</translation>
    </message>
    <message>
        <source>other</source>
        <extracomment>the battery&apos;s nominal voltage is none of those listed: its cells are given below</extracomment>
        <translation>andere</translation>
    </message>
    <message>
        <source>Nominal voltage:</source>
        <extracomment>the voltage the battery is sold by: 24, 36, 48 or 52 V</extracomment>
        <translation>Nennspannung:</translation>
    </message>
    <message>
        <source>Cells in series:</source>
        <translation>Zellen in Reihe:</translation>
    </message>
    <message>
        <source>BMS continuous current:</source>
        <extracomment>the current the battery&apos;s management system (BMS) gives without a break</extracomment>
        <translation>Dauerstrom des BMS:</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>As printed on the motor. What is not known stays as it is.</source>
        <translation>Wie auf dem Motor angegeben. Was unbekannt ist, bleibt, wie es ist.</translation>
    </message>
    <message>
        <source>Wheel and road</source>
        <translation>Rad und Straße</translation>
    </message>
    <message>
        <source>The tire as printed on it, the road class the bike keeps to, and the assist levels the rider wants.</source>
        <translation>Der Reifen, wie auf ihm angegeben, die Straßenklasse, die das Fahrrad einhält, und die Unterstützungsstufen, die der Fahrer wünscht.</translation>
    </message>
    <message>
        <source>Proposed values</source>
        <translation>Vorgeschlagene Werte</translation>
    </message>
    <message>
        <source>Apply puts the ticked values into the window. Only Write sends them to the controller.</source>
        <translation>Übernehmen setzt die angehakten Werte ins Fenster. Erst Schreiben sendet sie an den Controller.</translation>
    </message>
    <message>
        <source>Setting</source>
        <extracomment>the columns of the proposed values: the field, its value now, the value proposed, why</extracomment>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>Proposed</source>
        <translation>Vorschlag</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Warum</translation>
    </message>
    <message>
        <source>Not every part fits %1: the rows say which.</source>
        <translation>Nicht jedes Teil passt zu %1: die Zeilen sagen, welches.</translation>
    </message>
    <message>
        <source>New Bike Setup</source>
        <extracomment>the window title of File &gt; New Bike Setup…</extracomment>
        <translation>Neues Fahrrad einrichten</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <extracomment>the last page&apos;s button that puts the ticked values into the window (nothing is sent)</extracomment>
        <translation>Ü&amp;bernehmen</translation>
    </message>
</context>
<context>
    <name>Shop</name>
    <message>
        <source>None</source>
        <extracomment>the check dialog&apos;s choice of no road class</extracomment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Check Road Class</source>
        <translation>Straßenklasse prüfen</translation>
    </message>
    <message>
        <source>&amp;Road class:</source>
        <translation>&amp;Straßenklasse:</translation>
    </message>
    <message>
        <source>&amp;Tire:</source>
        <translation>&amp;Reifen:</translation>
    </message>
    <message>
        <source>Road Class Not Kept</source>
        <translation>Straßenklasse nicht eingehalten</translation>
    </message>
    <message>
        <source>Fingerprint %1</source>
        <extracomment>in the status strip: %1 the fingerprint of the controller&apos;s settings, such as 3F2A-91C0</extracomment>
        <translation>Fingerabdruck %1</translation>
    </message>
    <message>
        <source>Fingerprint of the window&apos;s settings: %1
Fingerprint of the controller&apos;s settings: %2</source>
        <extracomment>in the comparison: %1 the fingerprint of the window&apos;s settings, %2 the controller&apos;s</extracomment>
        <translation>Fingerabdruck der Einstellungen im Fenster: %1
Fingerabdruck der Einstellungen im Controller: %2</translation>
    </message>
    <message>
        <source>Export Settings Sheet</source>
        <translation>Einstellungsblatt exportieren</translation>
    </message>
    <message>
        <source>PDF Documents (*.pdf)</source>
        <extracomment>the file dialog&apos;s filter; keep &quot;(*.pdf)&quot; as it is</extracomment>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>Roa&amp;d Class</source>
        <extracomment>Connect &gt; Road Class: the submenu of legal classes writes are checked against</extracomment>
        <translation>Straßen&amp;klasse</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <extracomment>Connect &gt; Road Class &gt; None: writes are checked against no class</extracomment>
        <translation>&amp;Keine</translation>
    </message>
    <message>
        <source>C&amp;heck Road Class…</source>
        <translation>Straßenklasse p&amp;rüfen…</translation>
    </message>
    <message>
        <source>Ex&amp;port Settings Sheet…</source>
        <translation>Einstellungsblatt e&amp;xportieren…</translation>
    </message>
    <message>
        <source>Fingerprint</source>
        <extracomment>the status strip&apos;s fingerprint label as a screen reader names it</extracomment>
        <translation>Fingerabdruck</translation>
    </message>
    <message>
        <source>The tire&apos;s ETRTO size, width and bead seat diameter in millimetres (57-584), a common size such as 26x2.1, or the size printed on it in inches or French, such as 29x2.6 or 700x38c. Without a tire the wheel perimeter is not checked.</source>
        <extracomment>under the tire field; keep 57-584, 26x2.1, 29x2.6 and 700x38c as they are</extracomment>
        <translation>Die ETRTO-Größe des Reifens, Breite und Felgendurchmesser in Millimetern (57-584), eine gängige Größe wie 26x2.1 oder die aufgedruckte Größe in Zoll oder französisch, etwa 29x2.6 oder 700x38c. Ohne Reifen wird der Radumfang nicht geprüft.</translation>
    </message>
    <message>
        <source>Settings sheet saved to %1</source>
        <extracomment>in the status strip once the sheet is written: %1 the sheet&apos;s full path</extracomment>
        <translation>Einstellungsblatt gespeichert unter %1</translation>
    </message>
    <message>
        <source>No PDF viewer could be started; settings sheet saved to %1</source>
        <extracomment>in the status strip when the sheet is written but no program opens PDF files: %1 its full path</extracomment>
        <translation>Es konnte kein PDF-Betrachter gestartet werden; Einstellungsblatt gespeichert unter %1</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Pedal-assist e-bike drive configuration</source>
        <translation>Einstellung des Pedelec-Antriebs</translation>
    </message>
</context>
<context>
    <name>Transactions</name>
    <message>
        <source>Busy</source>
        <extracomment>status strip, 34 pixels wide: frames are being exchanged with the controller</extracomment>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Idle</source>
        <extracomment>status strip, 34 pixels wide: nothing is being exchanged</extracomment>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Pass</source>
        <extracomment>status strip, 38 pixels wide: the last read or write succeeded</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Fail</source>
        <extracomment>status strip, 38 pixels wide: the last read or write failed</extracomment>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Communication with controller failed!</source>
        <translation>Kommunikation mit dem Controller fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Communication with controller interrupted!</source>
        <translation>Kommunikation mit dem Controller unterbrochen!</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>This error may be caused by controller MCU flash write protection. Please re-program .hex file to the controller with the write option bytes. Read Page 7 of %1</source>
        <extracomment>%1 the programming guide&apos;s file name, ST-LINK_Installation_EN.pdf</extracomment>
        <translation>Dieser Fehler kann durch den Schreibschutz des Flash-Speichers im Mikrocontroller des Controllers verursacht sein. Spielen Sie die .hex-Datei mit den Option-Bytes für den Schreibzugriff neu auf den Controller auf. Lesen Sie Seite 7 von %1</translation>
    </message>
    <message>
        <source>Configuration of the controller was read successfully.</source>
        <translation>Die Konfiguration des Controllers wurde erfolgreich gelesen.</translation>
    </message>
    <message>
        <source>Read controller result</source>
        <translation>Ergebnis des Lesens</translation>
    </message>
    <message>
        <source>Configuration of the controller was written successfully.</source>
        <translation>Die Konfiguration des Controllers wurde erfolgreich geschrieben.</translation>
    </message>
    <message>
        <source>Write controller result</source>
        <translation>Ergebnis des Schreibens</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>Metric (km/h)</source>
        <extracomment>the Units menu item, and the units a settings sheet names: kilometres per hour</extracomment>
        <translation>Metrisch (km/h)</translation>
    </message>
    <message>
        <source>Imperial (mph)</source>
        <extracomment>the Units menu item, and the units a settings sheet names: miles per hour</extracomment>
        <translation>Imperial (mph)</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <extracomment>%1 the text that should have been a number such as 14.5</extracomment>
        <translation>&apos;%1&apos; ist keine gültige Zahl</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <extracomment>%1 the text that should have been a whole number</extracomment>
        <translation>&apos;%1&apos; ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>No item is selected for %1: select one of its %2 items.</source>
        <extracomment>%1 a radio group&apos;s title, %2 how many items it has</extracomment>
        <translation>Für %1 ist nichts ausgewählt: Wählen Sie eine der %2 Möglichkeiten.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is out of range for %2: the controller accepts 0 to less than %3.</source>
        <extracomment>%1 the text typed, %2 the field&apos;s caption, %3 the first value too large</extracomment>
        <translation>&apos;%1&apos; liegt außerhalb des Bereichs für %2: Der Controller akzeptiert 0 bis unter %3.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is out of range for %2: the controller accepts 0 to %3.</source>
        <extracomment>%1 the text typed, %2 the field&apos;s caption, %3 the largest value accepted</extracomment>
        <translation>&apos;%1&apos; liegt außerhalb des Bereichs für %2: Der Controller akzeptiert 0 bis %3.</translation>
    </message>
</context>
<context>
    <name>WriteSafety</name>
    <message>
        <source>The controller&apos;s settings could not be kept as a backup, so nothing was written.

%1</source>
        <extracomment>%1 the file&apos;s error, such as &quot;Cannot create file ...&quot;</extracomment>
        <translation>Die Einstellungen des Controllers konnten nicht gesichert werden, daher wurde nichts geschrieben.

%1</translation>
    </message>
    <message>
        <source>The configuration was written and stored, but reading it back to check it failed:
%1</source>
        <extracomment>%1 the read&apos;s own message, such as &quot;Communication with controller failed!&quot;</extracomment>
        <translation>Die Konfiguration wurde geschrieben und gespeichert, aber das Zurücklesen zur Prüfung ist fehlgeschlagen:
%1</translation>
    </message>
    <message>
        <source>The configuration was written and stored, but the controller holds other values than were written:</source>
        <translation>Die Konfiguration wurde geschrieben und gespeichert, aber der Controller enthält andere Werte als geschrieben:</translation>
    </message>
    <message>
        <source>%1: written %2, holds %3</source>
        <extracomment>%1 the field&apos;s caption, %2 the value written, %3 the value the controller holds</extracomment>
        <translation>%1: geschrieben %2, im Controller %3</translation>
    </message>
    <message>
        <source>Written, stored and checked</source>
        <translation>Geschrieben, gespeichert und geprüft</translation>
    </message>
    <message>
        <source>Written and stored, not checked</source>
        <translation>Geschrieben und gespeichert, nicht geprüft</translation>
    </message>
    <message>
        <source>Written and stored; the controller holds other values</source>
        <translation>Geschrieben und gespeichert; der Controller enthält andere Werte</translation>
    </message>
    <message>
        <source>Written and stored; reading it back failed</source>
        <translation>Geschrieben und gespeichert; Zurücklesen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Interrupted at frame %1 of %2</source>
        <extracomment>%1 the frame that went unanswered (0 to 59), %2 the frames of a write (60)</extracomment>
        <translation>Unterbrochen bei Frame %1 von %2</translation>
    </message>
    <message>
        <source>Sent, but the store failed</source>
        <translation>Gesendet, aber das Speichern ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>Never ended (the program stopped)</source>
        <extracomment>the program stopped (closed, killed, crashed) before the write ended</extracomment>
        <translation>Nie abgeschlossen (das Programm wurde beendet)</translation>
    </message>
    <message>
        <source>Not recorded</source>
        <extracomment>the backup was taken by an older version, which kept no record of the write</extracomment>
        <translation>Nicht aufgezeichnet</translation>
    </message>
    <message>
        <source>Taken after an interrupted write</source>
        <translation>Nach einem unterbrochenen Schreibvorgang angelegt</translation>
    </message>
    <message>
        <source>%1
The controller&apos;s settings could not be read for a backup, so nothing was written and no backup was kept.</source>
        <extracomment>%1 the read&apos;s own message, such as &quot;Communication with controller interrupted!&quot;</extracomment>
        <translation>%1
Die Einstellungen des Controllers konnten für die Sicherung nicht gelesen werden, daher wurde nichts geschrieben und keine Sicherung angelegt.</translation>
    </message>
</context>
<context>
    <name>vexlor::ConnectionDoctorDialog</name>
    <message>
        <source>Passed</source>
        <translation>Bestanden</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Not applicable</source>
        <translation>Nicht zutreffend</translation>
    </message>
    <message>
        <source>Connection Doctor</source>
        <translation>Verbindungsdiagnose</translation>
    </message>
    <message>
        <source>Why the programming cable does or does not work, and what fixes it:</source>
        <translation>Warum das Programmierkabel funktioniert oder nicht, und was Abhilfe schafft:</translation>
    </message>
    <message>
        <source>&amp;Run Again</source>
        <translation>&amp;Erneut prüfen</translation>
    </message>
    <message>
        <source>&amp;Copy Report</source>
        <translation>Bericht &amp;kopieren</translation>
    </message>
    <message>
        <source>Fix: %1</source>
        <extracomment>before the fix of a check that failed or warns; %1 the fix, often a command</extracomment>
        <translation>Abhilfe: %1</translation>
    </message>
    <message>
        <source>Asking the controller…</source>
        <translation>Controller wird abgefragt…</translation>
    </message>
</context>
<context>
    <name>vexlor::HistoryDialog</name>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Vorgang</translation>
    </message>
    <message>
        <source>Bike</source>
        <translation>Fahrrad</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Vorher</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Nachher</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Road class</source>
        <translation>Straßenklasse</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Dokument</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>History</source>
        <extracomment>the title of Connect &gt; History...: the register of every operation</extracomment>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Ab:</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Ab</translation>
    </message>
    <message>
        <source>&amp;Bike:</source>
        <translation>&amp;Fahrrad:</translation>
    </message>
    <message>
        <source>F&amp;ingerprint:</source>
        <translation>F&amp;ingerabdruck:</translation>
    </message>
    <message>
        <source>Open &amp;Document</source>
        <translation>&amp;Dokument öffnen</translation>
    </message>
    <message>
        <source>Open B&amp;ackup</source>
        <translation>Sicherung ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Settings Sheet…</source>
        <translation>&amp;Einstellungsblatt…</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>CSV e&amp;xportieren…</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <extracomment>the file dialog&apos;s filter for the CSV export of the history</extracomment>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Read</source>
        <comment>History: an operation</comment>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Write</source>
        <comment>History: an operation</comment>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Compare</source>
        <comment>History: an operation</comment>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>Backup written back</source>
        <comment>History: an operation</comment>
        <translation>Sicherung zurückgeschrieben</translation>
    </message>
    <message>
        <source>Settings sheet</source>
        <comment>History: an operation</comment>
        <translation>Einstellungsblatt</translation>
    </message>
    <message>
        <source>Done</source>
        <comment>History: how an operation ended</comment>
        <translation>Erledigt</translation>
    </message>
    <message>
        <source>Failed</source>
        <comment>History: how an operation ended</comment>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Values differ</source>
        <comment>History: how a comparison ended</comment>
        <translation>Werte verschieden</translation>
    </message>
    <message>
        <source>Keeps the class</source>
        <comment>History: the road class check</comment>
        <translation>Hält die Klasse ein</translation>
    </message>
    <message>
        <source>Breaks the class</source>
        <comment>History: the road class check</comment>
        <translation>Verletzt die Klasse</translation>
    </message>
</context>
</TS>
