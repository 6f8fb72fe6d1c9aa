<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en">
<context>
    <name>Cli</name>
    <message>
        <source>Usage: vexlor-cli %1</source>
        <extracomment>%1 the command&apos;s synopsis such as &quot;encode FILE&quot;; keep vexlor-cli as it is</extracomment>
        <translation>Gebruik: vexlor-cli %1</translation>
    </message>
    <message>
        <source>Cannot write to the standard output.</source>
        <translation>Kan niet naar de standaarduitvoer schrijven.</translation>
    </message>
    <message>
        <source>%1 lacks the Hall sensor type (a fault of an old version). Open it in the window, answer its question and save it, then try again.</source>
        <extracomment>%1 the file&apos;s path</extracomment>
        <translation>In %1 ontbreekt het type hallsensor (een fout van een oude versie). Open het bestand in het venster, beantwoord de vraag, sla het op en probeer het daarna opnieuw.</translation>
    </message>
    <message>
        <source>Backup: %1</source>
        <extracomment>%1 the backup file&apos;s path</extracomment>
        <translation>Back-up: %1</translation>
    </message>
    <message>
        <source>Read back: the controller holds every value written.</source>
        <translation>Teruggelezen: de controller bevat alle geschreven waarden.</translation>
    </message>
    <message>
        <source>apply FILE over the initial state and print the sixty values a write would send</source>
        <extracomment>FILE is the argument named in the synopsis &quot;encode FILE&quot;: keep it as it is</extracomment>
        <translation>past FILE toe op de beginstand en toont de zestig waarden die een schrijfactie zou versturen</translation>
    </message>
    <message>
        <source>list the serial ports, marking the one the tool would use</source>
        <translation>toont de seriële poorten en markeert de poort die het programma zou gebruiken</translation>
    </message>
    <message>
        <source>test the connection and print the controller&apos;s software version</source>
        <translation>test de verbinding en toont de softwareversie van de controller</translation>
    </message>
    <message>
        <source>read the controller&apos;s configuration into FILE (or stdout) as a .vxc file</source>
        <extracomment>FILE as in the synopsis &quot;read [FILE]&quot;; stdout stays as it is</extracomment>
        <translation>leest de configuratie van de controller uit en schrijft die als .vxc-bestand naar FILE (of stdout)</translation>
    </message>
    <message>
        <source>apply FILE over the initial state, read the controller and print each parameter it holds otherwise: KEY, CAPTION, FILE VALUE, CONTROLLER VALUE, tab-separated</source>
        <extracomment>FILE as in the synopsis; KEY, CAPTION, FILE VALUE, CONTROLLER VALUE name the columns printed</extracomment>
        <translation>past FILE toe op de beginstand, leest de controller uit en toont elke parameter waarvan de controller een andere waarde heeft: KEY, CAPTION, FILE VALUE, CONTROLLER VALUE, gescheiden door tabs</translation>
    </message>
    <message>
        <source>Cannot open %1: permission denied.
%2</source>
        <extracomment>%1 the serial device&apos;s path; %2 the lines that say how to get access</extracomment>
        <translation>Kan %1 niet openen: geen toegang.
%2</translation>
    </message>
    <message>
        <source>Cannot open %1: another program is using it.</source>
        <extracomment>%1 the serial device&apos;s path</extracomment>
        <translation>Kan %1 niet openen: een ander programma gebruikt het.</translation>
    </message>
    <message>
        <source>Cannot open %1: no such device.</source>
        <extracomment>%1 the serial device&apos;s path</extracomment>
        <translation>Kan %1 niet openen: apparaat bestaat niet.</translation>
    </message>
    <message>
        <source>Cannot open %1.</source>
        <extracomment>%1 the serial device&apos;s path</extracomment>
        <translation>Kan %1 niet openen.</translation>
    </message>
    <message>
        <source>See %1</source>
        <extracomment>%1 the path of the programming guide, ST-LINK_Installation_EN.pdf</extracomment>
        <translation>Zie %1</translation>
    </message>
    <message>
        <source>No programming cable found (no serial port of its USB bridge). Name the device with --port or VEXLOR_PORT.</source>
        <extracomment>keep --port and VEXLOR_PORT as they are</extracomment>
        <translation>Geen programmeerkabel gevonden (geen seriële poort van de USB-adapter). Geef het apparaat op met --port of VEXLOR_PORT.</translation>
    </message>
    <message>
        <source>No serial device at %1.</source>
        <extracomment>%1 the device path given with --port or VEXLOR_PORT</extracomment>
        <translation>Geen serieel apparaat op %1.</translation>
    </message>
    <message>
        <source>(named by --port or VEXLOR_PORT)</source>
        <translation>(opgegeven met --port of VEXLOR_PORT)</translation>
    </message>
    <message>
        <source>No programming cable found.</source>
        <translation>Geen programmeerkabel gevonden.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Opdrachten:</translation>
    </message>
    <message>
        <source>Backups go to %1 unless --backup-dir names another folder; the newest %2 are kept.</source>
        <extracomment>%1 the backup folder, %2 how many backups are kept; keep --backup-dir as it is</extracomment>
        <translation>Back-ups komen in %1, tenzij --backup-dir een andere map opgeeft; de nieuwste %2 worden bewaard.</translation>
    </message>
    <message>
        <source>Reads, writes and checks the settings of a Vexlor FOC motor controller.</source>
        <translation>Leest, schrijft en controleert de instellingen van een Vexlor FOC-motorcontroller.</translation>
    </message>
    <message>
        <source>Use the serial DEVICE instead of looking for the cable.</source>
        <extracomment>DEVICE as in &quot;--port &lt;DEVICE&gt;&quot;: keep it as it is</extracomment>
        <translation>Gebruikt het seriële apparaat DEVICE in plaats van naar de kabel te zoeken.</translation>
    </message>
    <message>
        <source>Treat &quot;Limit max speed&quot; as cleared: the speed limit is sent as 9000.</source>
        <extracomment>&quot;Limit max speed&quot; is the window&apos;s check box of that name</extracomment>
        <translation>Behandelt &quot;Max. snelheid begrenzen&quot; als uitgevinkt: als snelheidslimiet wordt 9000 verstuurd.</translation>
    </message>
    <message>
        <source>The command to run (see below).</source>
        <translation>De uit te voeren opdracht (zie hieronder).</translation>
    </message>
    <message>
        <source>Unknown command &apos;%1&apos;. Run vexlor-cli --help for the list.</source>
        <extracomment>%1 the word given as a command; keep &quot;vexlor-cli --help&quot; as it is</extracomment>
        <translation>Onbekende opdracht &apos;%1&apos;. Voer vexlor-cli --help uit voor de lijst.</translation>
    </message>
    <message>
        <source>Nothing was written. Give --force to write them all the same.</source>
        <extracomment>keep --force as it is</extracomment>
        <translation>Er is niets geschreven. Geef --force om ze toch te schrijven.</translation>
    </message>
    <message>
        <source>list the backups taken before writes, newest first: PATH, how the WRITE that followed ended, and a NOTE on one taken after an interrupted write, tab-separated</source>
        <extracomment>PATH, WRITE, NOTE name the columns printed</extracomment>
        <translation>toont de back-ups die vóór het schrijven zijn gemaakt, nieuwste eerst: pad, hoe het schrijven daarna afliep, en een opmerking bij een back-up die na onderbroken schrijven is gemaakt, gescheiden door tabs</translation>
    </message>
    <message>
        <source>print the parameters that two .vxc files set differently, as the controller would receive them (exit 1 when some do)</source>
        <translation>toont de parameters die twee .vxc-bestanden verschillend instellen, zoals de controller ze zou ontvangen (exitcode 1 als er verschillen zijn)</translation>
    </message>
    <message>
        <source>Exit codes: 0 done, 1 controller or link failure, 2 bad input or usage.
diff exits as diff(1) does: 0 no difference, 1 some differ, 2 bad input or usage.
compare exits 0 when the controller holds the file&apos;s values, 3 when some differ, 1 on a controller or link failure, 2 on bad input or usage.
write exits 1 also when the read-back finds other values than were written (they are printed as compare prints them), and 2 when the backup cannot be kept or, without --force, values are outside the window&apos;s limits (nothing is written).</source>
        <extracomment>diff(1) is the Unix command diff; keep command names (diff, compare, write) and --force as they are</extracomment>
        <translation>Exitcodes: 0 gelukt, 1 fout in controller of verbinding, 2 ongeldige invoer of verkeerd gebruik.
diff eindigt zoals diff(1): 0 geen verschil, 1 er zijn verschillen, 2 ongeldige invoer of verkeerd gebruik.
compare eindigt met 0 als de controller de waarden uit het bestand bevat, 3 als er waarden afwijken, 1 bij een fout in controller of verbinding, 2 bij ongeldige invoer of verkeerd gebruik.
write eindigt ook met 1 als het teruglezen andere waarden vindt dan er geschreven zijn (ze worden getoond zoals compare dat doet), en met 2 als de back-up niet gemaakt kan worden of, zonder --force, waarden buiten de grenzen van het venster liggen (er wordt dan niets geschreven).</translation>
    </message>
    <message>
        <source>check the cable, its driver, access, other programs on the port, ModemManager, brltty, the latency timer, a sandbox and the controller: one line each, STATUS CHECK DETAIL [FIX], tab-separated (exit 1 when a check fails); --json prints them as JSON</source>
        <extracomment>keep the check names as they are; STATUS, CHECK, DETAIL and FIX name the fields printed</extracomment>
        <translation>controleert de kabel, het stuurprogramma, de toegang, andere programma&apos;s op de poort, ModemManager, brltty, de latentietimer, een sandbox en de controller: één regel per controle, STATUS CHECK DETAIL [FIX], gescheiden door tabs (afsluitcode 1 als een controle mislukt); --json toont ze als JSON</translation>
    </message>
    <message>
        <source>list the road classes: ID, NAME, the speed and rated power they allow and whether a throttle may work without pedalling, tab-separated</source>
        <extracomment>ID, NAME name the columns printed</extracomment>
        <translation>de wegklassen tonen: ID, NAME, de toegestane snelheid en het nominale vermogen en of een gashendel zonder trappen mag werken, gescheiden door tabs</translation>
    </message>
    <message>
        <source>print the fingerprint of the sixty values a write of FILE sends, or without FILE read the controller and print the fingerprint of what it holds</source>
        <extracomment>FILE as in the synopsis</extracomment>
        <translation>de vingerafdruk tonen van de zestig waarden die schrijven van FILE verstuurt, of zonder FILE de controller lezen en de vingerafdruk tonen van wat hij bevat</translation>
    </message>
    <message>
        <source>apply FILE over the initial state and write its settings sheet, a one-page PDF with every parameter, the fingerprint, the road class check and lines to sign, to OUT.pdf</source>
        <extracomment>FILE, OUT.pdf, ID, ETRTO as in the synopsis</extracomment>
        <translation>FILE over de beginstand toepassen en het instellingenblad, een pdf van één pagina met elke parameter, de vingerafdruk, de controle van de wegklasse en regels om te tekenen, naar OUT.pdf schrijven</translation>
    </message>
    <message>
        <source>check exits 0 when the file keeps to the road class, 3 when some value breaks it, 2 on bad input or usage.</source>
        <translation>check eindigt met 0 als het bestand de wegklasse naleeft, met 3 als een waarde haar overtreedt, met 2 bij foute invoer of verkeerd gebruik.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no road class. vexlor-cli classes lists them.</source>
        <extracomment>%1 what was given after --class; keep &quot;vexlor-cli classes&quot; as it is</extracomment>
        <translation>&apos;%1&apos; is geen wegklasse. vexlor-cli classes toont ze.</translation>
    </message>
    <message>
        <source>The settings sheet would replace %1, the file it is made of. Name another file with -o.</source>
        <extracomment>%1 the configuration file&apos;s path; keep -o as it is</extracomment>
        <translation>Het instellingenblad zou %1 vervangen, het bestand waarvan het gemaakt wordt. Geef met -o een ander bestand op.</translation>
    </message>
    <message>
        <source>%1 may be given only once.</source>
        <extracomment>%1 the option given more than once, &quot;--class&quot;</extracomment>
        <translation>%1 mag maar één keer worden opgegeven.</translation>
    </message>
    <message>
        <source>apply FILE over the initial state and print each value that looks implausible, and with --class each that breaks the road class ID or is worth a note: STATUS (breaks, warn or note), RULE, CAPTION, VALUE, LIMIT, tab-separated; with the real tire as ETRTO (57-584), a common size (26x2.1) or as printed (29x2.6, 700x38c) the wheel perimeter too (exit 3 when some break the class, with --strict also when some look implausible)</source>
        <extracomment>FILE, ID, ETRTO as in the synopsis; STATUS, RULE, CAPTION, VALUE, LIMIT name the columns printed; keep breaks, warn and note, the words STATUS shows, and --strict</extracomment>
        <translation>FILE over de beginstand toepassen en elke waarde tonen die onwaarschijnlijk lijkt, en met --class elke die de wegklasse ID overtreedt of een opmerking waard is: STATUS (breaks, warn of note), RULE, CAPTION, VALUE, LIMIT, gescheiden door tabs; met de echte band als ETRTO (57-584), gangbare maat (26x2.1) of zoals opgedrukt (29x2.6, 700x38c) ook de wielomtrek (afsluitcode 3 als waarden de klasse overtreden, met --strict ook als waarden onwaarschijnlijk lijken)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; names no units: give --units metric or --units imperial.</source>
        <extracomment>%1 what was given after --units; keep --units, metric and imperial as they are</extracomment>
        <translation>&apos;%1&apos; is geen eenheid: geef --units metric of --units imperial.</translation>
    </message>
    <message>
        <source>Print speeds in UNITS, metric (km/h, the default) or imperial (mph), before or after the command; files and the controller keep km/h.</source>
        <extracomment>UNITS as in &quot;--units &lt;UNITS&gt;&quot;; keep UNITS, metric and imperial as they are</extracomment>
        <translation>Snelheden tonen in UNITS, metric (km/h, standaard) of imperial (mph), voor of na de opdracht; bestanden en de controller houden km/h.</translation>
    </message>
    <message>
        <source>apply FILE over the initial state and print its settings as JSON: each parameter by name with its value and unit, and the fingerprint (docs/settings-json.md)</source>
        <extracomment>FILE as in the synopsis; keep JSON as it is</extracomment>
        <translation>FILE over de beginstand toepassen en de instellingen als JSON afdrukken: elke parameter met naam, waarde en eenheid, en de vingerafdruk (docs/settings-json.md)</translation>
    </message>
    <message>
        <source>turn the settings JSON (- for stdin) into the .vxc file FILE or the profile NAME; refuses unknown names, wrong types and, without --force, values outside the window&apos;s limits, and never writes over a file that is no configuration</source>
        <extracomment>JSON, FILE, NAME, TEXT as in the synopsis; keep --force as it is</extracomment>
        <translation>de instellingen-JSON (- voor standaardinvoer) omzetten in het .vxc-bestand FILE of het profiel NAME; weigert onbekende namen, verkeerde typen en, zonder --force, waarden buiten de grenzen van het venster, en schrijft nooit over een bestand dat geen configuratie is</translation>
    </message>
    <message>
        <source>list the profiles, the configurations kept under a name: NAME and NOTE, tab-separated; every command taking FILE takes --profile NAME instead</source>
        <extracomment>NAME, NOTE name the columns printed; keep --profile as it is</extracomment>
        <translation>de profielen opsommen, de configuraties die onder een naam bewaard zijn: NAME en NOTE, gescheiden door tabs; elke opdracht die FILE neemt, neemt in plaats daarvan ook --profile NAME</translation>
    </message>
    <message>
        <source>%1 is no configuration file: it is left as it is.</source>
        <extracomment>%1 the path given after -o</extracomment>
        <translation>%1 is geen configuratiebestand: het blijft zoals het is.</translation>
    </message>
    <message>
        <source>print the register of operations, newest first, one tab-separated line each under a line naming the columns: only bike labels holding LABEL, only from DATE (YYYY-MM-DD, UTC) on; as CSV or JSON</source>
        <extracomment>LABEL, DATE as in the synopsis; keep the option names as they are</extracomment>
        <translation>het register van handelingen tonen, nieuwste eerst, één door tabs gescheiden regel per record onder een regel met de kolomnamen: alleen fietslabels die LABEL bevatten, alleen vanaf DATE (JJJJ-MM-DD, UTC); als CSV of JSON</translation>
    </message>
    <message>
        <source>--since wants a date as YYYY-MM-DD, not %1.</source>
        <extracomment>%1 the date given; keep --since and YYYY-MM-DD as they are</extracomment>
        <translation>--since verwacht een datum als YYYY-MM-DD, niet %1.</translation>
    </message>
    <message>
        <source>Record the operation for the bike LABEL (a frame number, a customer); history shows only its records.</source>
        <extracomment>LABEL as in &quot;--bike &lt;LABEL&gt;&quot;: keep it as it is</extracomment>
        <translation>De handeling vastleggen voor de fiets LABEL (een framenummer, een klant); history toont alleen diens records.</translation>
    </message>
    <message>
        <source>Parameters that differ: %1</source>
        <extracomment>the register&apos;s message of a comparison; %1 how many parameters the controller holds otherwise</extracomment>
        <translation>Afwijkende parameters: %1</translation>
    </message>
    <message>
        <source>print what the parameter NAME (MaxBatteryCurrent) does, its unit, the range the window allows and its initial value; without NAME every parameter, one block each</source>
        <extracomment>NAME as in the synopsis: a parameter&apos;s name, MaxBatteryCurrent; keep it as it is</extracomment>
        <translation>toont wat parameter NAME (MaxBatteryCurrent) doet, de eenheid, het bereik dat het venster toestaat en de beginwaarde; zonder NAME alle parameters, elk een blok</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no parameter. vexlor-cli explain lists them all.</source>
        <extracomment>%1 what was given as NAME; keep &quot;vexlor-cli explain&quot; as it is</extracomment>
        <translation>&apos;%1&apos; is geen parameter. vexlor-cli explain toont ze allemaal.</translation>
    </message>
    <message>
        <source>propose values for a bike&apos;s battery (nominal V or cells as 13s), BMS current, tire, road class ID, motor and assist levels over FILE (or the initial state), write them to OUT.vxc and print CAPTION, NOW, PROPOSED, WHY, tab-separated</source>
        <extracomment>V, A, SIZE, ID, W, N, FILE, OUT.vxc as in the synopsis; 13s, CAPTION, NOW, PROPOSED, WHY name what is given and the columns printed</extracomment>
        <translation>waarden voorstellen voor de accu (nominale V of cellen als 13s), BMS-stroom, band, wegklasse ID, motor en ondersteuningsstanden van een fiets over FILE (of de begintoestand), ze naar OUT.vxc schrijven en CAPTION, NOW, PROPOSED, WHY tabgescheiden tonen</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3, not &apos;%4&apos;.</source>
        <extracomment>%1 the option (&quot;--bms&quot;), %2 and %3 its least and largest value, %4 what was given</extracomment>
        <translation>%1 verwacht een getal van %2 tot %3, niet &apos;%4&apos;.</translation>
    </message>
    <message>
        <source>The proposal would replace %1, the file it starts from. Name another file with -o.</source>
        <extracomment>%1 the configuration file&apos;s path; keep -o as it is</extracomment>
        <translation>Het voorstel zou %1 vervangen, het bestand waarvan het uitgaat. Geef met -o een ander bestand op.</translation>
    </message>
    <message>
        <source>%1 is no configuration file, so the proposal does not replace it. Name another file with -o.</source>
        <extracomment>%1 the path given with -o; keep -o as it is</extracomment>
        <translation>%1 is geen configuratiebestand, dus het voorstel vervangt het niet. Geef met -o een ander bestand op.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no battery: give its nominal voltage (24, 36, 48 or 52) or its cells in series (13s).</source>
        <extracomment>%1 what was given after --battery; keep 13s as it is</extracomment>
        <translation>&apos;%1&apos; is geen accu: geef de nominale spanning (24, 36, 48 of 52) of de cellen in serie (13s).</translation>
    </message>
    <message>
        <source>Keep the records in the shop&apos;s register on the server URL, postgresql://USER@HOST[:PORT]/DB, instead of the one config.ini names; records wait on this computer while the server cannot be reached.</source>
        <extracomment>URL as in &quot;--register &lt;URL&gt;&quot;; keep URL, config.ini and postgresql://USER@HOST[:PORT]/DB as they are</extracomment>
        <translation>De gegevens bijhouden in het register van de werkplaats op de server URL, postgresql://USER@HOST[:PORT]/DB, in plaats van die config.ini noemt; zolang de server niet bereikbaar is, wachten ze op deze computer.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <extracomment>%1 the file given with --bike-from, %2 why it cannot be read</extracomment>
        <translation>Kan %1 niet lezen: %2</translation>
    </message>
    <message>
        <source>%1 holds no bike label.</source>
        <extracomment>%1 the file given with --bike-from</extracomment>
        <translation>%1 bevat geen fietslabel.</translation>
    </message>
    <message>
        <source>apply FILE over the initial state, keep the controller&apos;s settings as a backup (path on stderr), write FILE&apos;s and store them, read them back to check; values outside the window&apos;s limits are written only with --force; with --each the production line: every controller that comes is written and recorded, labelled from FILE.csv or numbered after --bike, one line each, until Ctrl+C</source>
        <extracomment>FILE, FILE.csv as in the synopsis; stderr, --force, --each and --bike stay as they are</extracomment>
        <translation>past FILE toe op de beginstand, bewaart de instellingen van de controller als back-up (pad op stderr), schrijft die van FILE weg en slaat ze op, en leest ze ter controle terug; waarden buiten de grenzen van het venster worden alleen met --force geschreven; met --each de productielijn: elke controller die komt wordt beschreven en vastgelegd, gelabeld uit FILE.csv of genummerd na --bike, één regel per fiets, tot Ctrl+C</translation>
    </message>
    <message>
        <source>write --each exits 0 when no bike failed (also when none came), 1 when some failed.</source>
        <translation>write --each eindigt met 0 als geen fiets mislukte (ook als er geen kwam), met 1 als er een mislukte.</translation>
    </message>
    <message>
        <source>Bike %1: connect its controller (Ctrl+C ends the line).</source>
        <extracomment>%1 the bike&apos;s label; Ctrl+C as keyboards in the language name the keys</extracomment>
        <translation>Fiets %1: sluit de controller aan (Ctrl+C beëindigt de lijn).</translation>
    </message>
    <message>
        <source>Every label of the list has its bike: the line ends.</source>
        <translation>Elk label van de lijst heeft zijn fiets: de lijn eindigt.</translation>
    </message>
    <message>
        <source>Bike %1: disconnect its controller.</source>
        <extracomment>%1 the bike&apos;s label</extracomment>
        <translation>Fiets %1: koppel de controller los.</translation>
    </message>
    <message>
        <source>The line ends once this bike&apos;s write is over.</source>
        <translation>De lijn eindigt zodra het schrijven naar deze fiets klaar is.</translation>
    </message>
    <message>
        <source>Written: %1, failed: %2</source>
        <extracomment>the production line&apos;s summary; %1 bikes written, %2 bikes that failed</extracomment>
        <translation>Geschreven: %1, mislukt: %2</translation>
    </message>
</context>
<context>
    <name>Comparison</name>
    <message>
        <source>On</source>
        <extracomment>a check box&apos;s state in a list of values: ticked</extracomment>
        <translation>Aan</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>a check box&apos;s state in a list of values: clear</extracomment>
        <translation>Uit</translation>
    </message>
</context>
<context>
    <name>ConnectionCheck</name>
    <message>
        <source>Connection to controller is OK!
Controller software version: v%1

Would you like to read the controller&apos;s configuration now?</source>
        <extracomment>%1 the controller&apos;s software version such as 1-35, after the letter v</extracomment>
        <translation>Verbinding met de controller is OK!
Softwareversie controller: v%1

Wilt u de configuratie van de controller nu uitlezen?</translation>
    </message>
    <message>
        <source>Connection to controller is OK!
Controller software version: v%1</source>
        <extracomment>%1 the controller&apos;s software version such as 1-35, after the letter v</extracomment>
        <translation>Verbinding met de controller is OK!
Softwareversie controller: v%1</translation>
    </message>
    <message>
        <source>Connection to controller is not detected!</source>
        <translation>Geen verbinding met de controller gevonden!</translation>
    </message>
</context>
<context>
    <name>Doctor</name>
    <message>
        <source>You are in group %1, but its members may not read and write the device.</source>
        <extracomment>%1 a group&apos;s name</extracomment>
        <translation>U zit in de groep %1, maar de leden daarvan mogen het apparaat niet lezen en beschrijven.</translation>
    </message>
    <message>
        <source>You are in group %1.</source>
        <translation>U zit in de groep %1.</translation>
    </message>
    <message>
        <source>You were added to group %1 after this session began; the membership counts from your next login.</source>
        <translation>U bent na het begin van deze sessie aan de groep %1 toegevoegd; het lidmaatschap telt pas vanaf de volgende aanmelding.</translation>
    </message>
    <message>
        <source>You are not in group %1.</source>
        <translation>U zit niet in de groep %1.</translation>
    </message>
    <message>
        <source>%1 refuses you: owner %2, group %3, mode %4.</source>
        <extracomment>%1 the device, %2 its owner, %3 its group, %4 its mode in octal (0660)</extracomment>
        <translation>%1 weigert u: eigenaar %2, groep %3, modus %4.</translation>
    </message>
    <message>
        <source>The cable rule %1 is installed (%2).</source>
        <translation>De kabelregel %1 is geïnstalleerd (%2).</translation>
    </message>
    <message>
        <source>The cable rule %1 is not installed.</source>
        <translation>De kabelregel %1 is niet geïnstalleerd.</translation>
    </message>
    <message>
        <source>The device grants you access through the seat&apos;s access entry.</source>
        <translation>Het apparaat geeft u toegang via de toegangsregel van de werkplek.</translation>
    </message>
    <message>
        <source>The device carries no access entry for you (the cable rule gives one to the user at the computer&apos;s own screen).</source>
        <translation>Het apparaat heeft geen toegangsregel voor u (de kabelregel geeft die aan de gebruiker achter het scherm van de computer zelf).</translation>
    </message>
    <message>
        <source>%1, then log out and in again.</source>
        <extracomment>%1 a command</extracomment>
        <translation>%1, meld u daarna af en weer aan.</translation>
    </message>
    <message>
        <source>Something beyond the device&apos;s permissions refuses you (a sandbox or a security module); see sandbox.</source>
        <translation>Iets buiten de rechten van het apparaat weigert u (een sandbox of een beveiligingsmodule); zie sandbox.</translation>
    </message>
    <message>
        <source>Log out and in again (or restart the computer).</source>
        <translation>Meld u af en weer aan (of start de computer opnieuw).</translation>
    </message>
    <message>
        <source>Use %1 as its owner, %2, or ask them to let you use it.</source>
        <extracomment>%1 the device, %2 its owner</extracomment>
        <translation>Gebruik %1 als de eigenaar ervan, %2, of vraag die om het u toe te staan.</translation>
    </message>
    <message>
        <source>%1 is gone.</source>
        <translation>%1 is verdwenen.</translation>
    </message>
    <message>
        <source>Plug the cable in again.</source>
        <translation>Sluit de kabel opnieuw aan.</translation>
    </message>
    <message>
        <source>The tool holds %1 open for reading and writing.</source>
        <extracomment>%1 the serial device</extracomment>
        <translation>Het programma houdt %1 open om te lezen en te schrijven.</translation>
    </message>
    <message>
        <source>%1 opens for reading and writing.</source>
        <translation>%1 opent om te lezen en te schrijven.</translation>
    </message>
    <message>
        <source>%1 does not open: %2.</source>
        <extracomment>%1 the serial device, %2 the system&apos;s reason</extracomment>
        <translation>%1 opent niet: %2.</translation>
    </message>
    <message>
        <source>Unplug the cable and plug it in again.</source>
        <translation>Koppel de kabel los en sluit hem opnieuw aan.</translation>
    </message>
    <message>
        <source>%1 is a pseudo-terminal: the program at its other end holds it open.</source>
        <translation>%1 is een pseudoterminal: het programma aan de andere kant houdt hem open.</translation>
    </message>
    <message>
        <source>%1 (process %2)</source>
        <extracomment>%1 a program&apos;s name, %2 its process id</extracomment>
        <translation>%1 (proces %2)</translation>
    </message>
    <message>
        <source>%1 is held open by %2.</source>
        <extracomment>%1 the serial device, %2 the programs with their process ids</extracomment>
        <translation>%1 wordt opengehouden door %2.</translation>
    </message>
    <message>
        <source>Close %1, or end it: %2</source>
        <extracomment>%1 the programs, %2 the command that ends them</extracomment>
        <translation>Sluit %1 of beëindig het: %2</translation>
    </message>
    <message>
        <source>Another user&apos;s process holds %1 for itself.</source>
        <translation>Een proces van een andere gebruiker houdt %1 voor zichzelf.</translation>
    </message>
    <message>
        <source>Find it with %1 and close it.</source>
        <extracomment>%1 a command that names the process</extracomment>
        <translation>Zoek het op met %1 en sluit het.</translation>
    </message>
    <message>
        <source>No other process of yours holds %1 open (the open files of %2 processes of other users cannot be seen).</source>
        <extracomment>%1 the serial device, %2 a number of processes</extracomment>
        <translation>Geen ander proces van u houdt %1 open (de open bestanden van %2 processen van andere gebruikers zijn niet te zien).</translation>
    </message>
    <message>
        <source>No other process holds %1 open.</source>
        <translation>Geen ander proces houdt %1 open.</translation>
    </message>
    <message>
        <source>%1: USB %2 (%3), no serial number.</source>
        <extracomment>%1 the serial device, %2 the USB vendor:product, %3 the device&apos;s own name</extracomment>
        <translation>%1: USB %2 (%3), geen serienummer.</translation>
    </message>
    <message>
        <source>%1: USB %2 (%3), serial number %4.</source>
        <extracomment>%1 the serial device, %2 the USB vendor:product, %3 the device&apos;s own name, %4 its serial number</extracomment>
        <translation>%1: USB %2 (%3), serienummer %4.</translation>
    </message>
    <message>
        <source>No programming cable is plugged in: no USB serial port of a known cable.</source>
        <translation>Er is geen programmeerkabel aangesloten: geen seriële USB-poort van een bekende kabel.</translation>
    </message>
    <message>
        <source>The cable&apos;s USB device %1 is present but has no serial port (see driver).</source>
        <extracomment>%1 the USB device&apos;s place on the bus, such as 1-1.4</extracomment>
        <translation>Het USB-apparaat %1 van de kabel is aanwezig maar heeft geen seriële poort (zie driver).</translation>
    </message>
    <message>
        <source>%1, then unplug the cable and plug it in again.</source>
        <extracomment>%1 a command</extracomment>
        <translation>%1, koppel daarna de kabel los en sluit hem opnieuw aan.</translation>
    </message>
    <message>
        <source>No other USB serial port is present.</source>
        <translation>Er is geen andere seriële USB-poort aanwezig.</translation>
    </message>
    <message>
        <source>USB serial ports present: %1.</source>
        <translation>Aanwezige seriële USB-poorten: %1.</translation>
    </message>
    <message>
        <source>Plug the programming cable into a USB port of this computer.</source>
        <translation>Sluit de programmeerkabel aan op een USB-poort van deze computer.</translation>
    </message>
    <message>
        <source>No serial device at %1.</source>
        <extracomment>%1 the device path given with --port or VEXLOR_PORT</extracomment>
        <translation>Geen serieel apparaat op %1.</translation>
    </message>
    <message>
        <source>Name the cable&apos;s serial device; vexlor-cli ports lists them.</source>
        <translation>Geef het seriële apparaat van de kabel op; vexlor-cli ports toont ze.</translation>
    </message>
    <message>
        <source>%1 is a USB serial port of %2 (%3), not of a known programming cable.</source>
        <extracomment>%1 the serial device, %2 its USB vendor:product, %3 the device&apos;s own name</extracomment>
        <translation>%1 is een seriële USB-poort van %2 (%3), niet van een bekende programmeerkabel.</translation>
    </message>
    <message>
        <source>Name the programming cable&apos;s port, or name none to look for the cable.</source>
        <translation>Geef de poort van de programmeerkabel op, of geen, zodat naar de kabel wordt gezocht.</translation>
    </message>
    <message>
        <source>%1 is no USB serial port (a pseudo-terminal or a built-in port).</source>
        <translation>%1 is geen seriële USB-poort (een pseudoterminal of een ingebouwde poort).</translation>
    </message>
    <message>
        <source>%1 cables are plugged in: %2. The tool uses the last one found, %3.</source>
        <extracomment>%1 how many, %2 their serial devices, %3 the one the tool uses</extracomment>
        <translation>Er zijn %1 kabels aangesloten: %2. Het programma gebruikt de laatst gevonden kabel, %3.</translation>
    </message>
    <message>
        <source>Unplug the cables you do not use, or name one with --port or VEXLOR_PORT.</source>
        <extracomment>keep --port and VEXLOR_PORT as they are</extracomment>
        <translation>Koppel de kabels los die u niet gebruikt, of geef er een op met --port of VEXLOR_PORT.</translation>
    </message>
    <message>
        <source>A program holds the cable&apos;s USB device %1 directly (usbfs), so the serial driver cannot make a port of it.</source>
        <extracomment>usbfs: keep as it is; %1 the USB device&apos;s place on the bus, such as 1-1.4</extracomment>
        <translation>Een programma houdt het USB-apparaat %1 van de kabel rechtstreeks vast (usbfs), dus het seriële stuurprogramma kan er geen poort van maken.</translation>
    </message>
    <message>
        <source>Close the other program that uses the cable, then unplug the cable and plug it in again.</source>
        <translation>Sluit het andere programma dat de kabel gebruikt, koppel daarna de kabel los en sluit hem opnieuw aan.</translation>
    </message>
    <message>
        <source>No kernel driver made a serial port of the cable&apos;s USB device %1.</source>
        <translation>Geen kernelstuurprogramma heeft van het USB-apparaat %1 van de kabel een seriële poort gemaakt.</translation>
    </message>
    <message>
        <source>The kernel made %1, but its device node %2 is missing.</source>
        <extracomment>%1 the kernel&apos;s name of the port (ttyUSB0), %2 its device node</extracomment>
        <translation>De kernel heeft %1 aangemaakt, maar het apparaatbestand %2 ontbreekt.</translation>
    </message>
    <message>
        <source>%1 drives %2, not %3, the cable&apos;s own driver.</source>
        <extracomment>%1 the driver in use, %2 the port, %3 the driver made for the cable</extracomment>
        <translation>%1 stuurt %2 aan, niet %3, het eigen stuurprogramma van de kabel.</translation>
    </message>
    <message>
        <source>%1 drives %2; its device node is %3.</source>
        <extracomment>%1 the kernel driver, %2 the kernel&apos;s name of the port (ttyUSB0), %3 its device node</extracomment>
        <translation>%1 stuurt %2 aan; het apparaatbestand is %3.</translation>
    </message>
    <message>
        <source>No cable port to look at.</source>
        <translation>Geen kabelpoort om te bekijken.</translation>
    </message>
    <message>
        <source>%1 is no USB serial port.</source>
        <translation>%1 is geen seriële USB-poort.</translation>
    </message>
    <message>
        <source>ModemManager is not running.</source>
        <translation>ModemManager draait niet.</translation>
    </message>
    <message>
        <source>ModemManager is running and is told to ignore %1 (%2).</source>
        <extracomment>%1 the USB vendor:product, %2 the rules file that says so</extracomment>
        <translation>ModemManager draait en moet %1 negeren (%2).</translation>
    </message>
    <message>
        <source>ModemManager is running and may probe %1 (%2) for a modem, which garbles the controller&apos;s replies.</source>
        <extracomment>%1 the serial device, %2 its USB vendor:product</extracomment>
        <translation>ModemManager draait en kan %1 (%2) op een modem onderzoeken, wat de antwoorden van de controller verminkt.</translation>
    </message>
    <message>
        <source>brltty is not installed.</source>
        <translation>brltty is niet geïnstalleerd.</translation>
    </message>
    <message>
        <source>brltty is installed; its udev rules do not claim %1.</source>
        <extracomment>%1 the USB vendor:product</extracomment>
        <translation>brltty is geïnstalleerd; de udev-regels ervan eisen %1 niet op.</translation>
    </message>
    <message>
        <source>brltty is installed and its udev rule (%1, line %2) claims %3 devices as braille displays, taking the cable&apos;s port.</source>
        <extracomment>%1 the rules file, %2 a line number, %3 the USB vendor:product</extracomment>
        <translation>brltty is geïnstalleerd en de udev-regel ervan (%1, regel %2) eist %3-apparaten op als brailleleesregels, waardoor het de poort van de kabel inneemt.</translation>
    </message>
    <message>
        <source>The tool is busy with the controller; run the doctor again when it is done.</source>
        <translation>Het programma is bezig met de controller; voer de diagnose opnieuw uit als het klaar is.</translation>
    </message>
    <message>
        <source>The controller answers: software version v%1.</source>
        <extracomment>%1 the controller&apos;s software version such as 1-35, after the letter v</extracomment>
        <translation>De controller antwoordt: softwareversie v%1.</translation>
    </message>
    <message>
        <source>The cable answers but the controller does not: is the bike&apos;s battery on and the display connected?</source>
        <translation>De kabel antwoordt, maar de controller niet: staat de accu van de fiets aan en is het display aangesloten?</translation>
    </message>
    <message>
        <source>Switch the bike&apos;s battery on and connect the display, then run the doctor again.</source>
        <translation>Zet de accu van de fiets aan en sluit het display aan, voer daarna de diagnose opnieuw uit.</translation>
    </message>
    <message>
        <source>Fix what the lines above show, then run the doctor again.</source>
        <translation>Los op wat de regels hierboven tonen, voer daarna de diagnose opnieuw uit.</translation>
    </message>
    <message>
        <source>The tool may not open %1 (see access).</source>
        <translation>Het programma mag %1 niet openen (zie access).</translation>
    </message>
    <message>
        <source>Another program is using %1 (see busy).</source>
        <translation>Een ander programma gebruikt %1 (zie busy).</translation>
    </message>
    <message>
        <source>The tool found no port to reach the controller through.</source>
        <translation>Het programma heeft geen poort gevonden om de controller te bereiken.</translation>
    </message>
    <message>
        <source>%1 does not open.</source>
        <translation>%1 opent niet.</translation>
    </message>
    <message>
        <source>%1 has no latency timer.</source>
        <extracomment>%1 the kernel driver</extracomment>
        <translation>%1 heeft geen latentietimer.</translation>
    </message>
    <message>
        <source>The latency timer is at 1 ms.</source>
        <translation>De latentietimer staat op 1 ms.</translation>
    </message>
    <message>
        <source>The latency timer is at %1 ms; the tool asks no other driver than its cable&apos;s for low latency.</source>
        <translation>De latentietimer staat op %1 ms; het programma vraagt alleen het stuurprogramma van zijn kabel om lage latentie.</translation>
    </message>
    <message>
        <source>The latency timer is at %1 ms; what it is while the tool holds the port cannot be tried, as the port does not open (see access).</source>
        <translation>De latentietimer staat op %1 ms; wat hij is terwijl het programma de poort vasthoudt, kan niet worden geprobeerd, want de poort opent niet (zie access).</translation>
    </message>
    <message>
        <source>The latency timer is at %1 ms, and at 1 ms while the tool holds the port (it asks the driver for low latency).</source>
        <translation>De latentietimer staat op %1 ms, en op 1 ms zolang het programma de poort vasthoudt (het vraagt het stuurprogramma om lage latentie).</translation>
    </message>
    <message>
        <source>The latency timer stays at %1 ms while the tool holds the port: every reply comes that much later.</source>
        <translation>De latentietimer blijft op %1 ms terwijl het programma de poort vasthoudt: elk antwoord komt zoveel later.</translation>
    </message>
    <message>
        <source>The tool runs in the Flatpak sandbox of %1, which may use every device.</source>
        <extracomment>%1 the Flatpak application&apos;s id</extracomment>
        <translation>Het programma draait in de Flatpak-sandbox van %1, die elk apparaat mag gebruiken.</translation>
    </message>
    <message>
        <source>The tool runs in the Flatpak sandbox of %1, which keeps serial devices out.</source>
        <translation>Het programma draait in de Flatpak-sandbox van %1, die seriële apparaten buiten houdt.</translation>
    </message>
    <message>
        <source>The tool runs in the snap %1, which may open %2.</source>
        <extracomment>%1 the snap&apos;s name, %2 the serial device</extracomment>
        <translation>Het programma draait in de snap %1, die %2 mag openen.</translation>
    </message>
    <message>
        <source>The tool runs in the snap %1, which keeps USB serial devices out unless they are granted to it.</source>
        <translation>Het programma draait in de snap %1, die seriële USB-apparaten buiten houdt zolang ze er niet aan zijn toegekend.</translation>
    </message>
    <message>
        <source>The tool runs outside Flatpak and Snap.</source>
        <translation>Het programma draait buiten Flatpak en Snap.</translation>
    </message>
    <message>
        <source>No port to reach the controller through.</source>
        <translation>Geen poort om de controller te bereiken.</translation>
    </message>
    <message>
        <source>The port does not open for you (see access).</source>
        <translation>De poort opent niet voor u (zie access).</translation>
    </message>
    <message>
        <source>Another process holds the port (see busy).</source>
        <translation>Een ander proces houdt de poort vast (zie busy).</translation>
    </message>
    <message>
        <source>Not checked on Windows.</source>
        <extracomment>the checks that look at Linux&apos;s devices, drivers and services</extracomment>
        <translation>Niet gecontroleerd onder Windows.</translation>
    </message>
    <message>
        <source>You may not open %1.</source>
        <extracomment>first line of the box shown when the port does not open for lack of permission; %1 the device</extracomment>
        <translation>U mag %1 niet openen.</translation>
    </message>
    <message>
        <source>To fix it:</source>
        <extracomment>before the fix in the box shown when the port does not open for lack of permission</extracomment>
        <translation>Zo lost u het op:</translation>
    </message>
    <message>
        <source>Another user&apos;s process holds %1 for itself, so opening it cannot be tried (see busy).</source>
        <translation>Een proces van een andere gebruiker houdt %1 voor zichzelf, dus openen kan niet worden geprobeerd (zie busy).</translation>
    </message>
    <message>
        <source>%1 is held for itself by %2, so opening it cannot be tried (see busy).</source>
        <extracomment>%1 the serial device, %2 the programs with their process ids</extracomment>
        <translation>%2 houdt %1 voor zichzelf, dus openen kan niet worden geprobeerd (zie busy).</translation>
    </message>
    <message>
        <source>%1 is not a serial port.</source>
        <extracomment>%1 the path given with --port or VEXLOR_PORT</extracomment>
        <translation>%1 is geen seriële poort.</translation>
    </message>
    <message>
        <source>Name the cable&apos;s port (vexlor-cli ports lists them).</source>
        <extracomment>keep vexlor-cli ports as it is: the command that lists the ports</extracomment>
        <translation>Geef de poort van de kabel op (vexlor-cli ports toont ze).</translation>
    </message>
    <message>
        <source>Close any other program that may use %1, then run the doctor again.</source>
        <translation>Sluit elk ander programma dat %1 kan gebruiken, voer daarna de diagnose opnieuw uit.</translation>
    </message>
    <message>
        <source>The tool may not open %1.</source>
        <translation>Het programma mag %1 niet openen.</translation>
    </message>
    <message>
        <source>Another program is using %1.</source>
        <translation>Een ander programma gebruikt %1.</translation>
    </message>
</context>
<context>
    <name>Explanations</name>
    <message>
        <source>Too high: %1</source>
        <extracomment>what a value above the right one does: %1 the effect, &quot;less power for assistance and throttle.&quot;</extracomment>
        <translation>Te hoog: %1</translation>
    </message>
    <message>
        <source>Too low: %1</source>
        <extracomment>what a value below the right one does: %1 the effect</extracomment>
        <translation>Te laag: %1</translation>
    </message>
    <message>
        <source>what it does inside the controller is not known.</source>
        <extracomment>in place of an effect after &quot;Too high: &quot; or &quot;Too low: &quot;</extracomment>
        <translation>wat dit in de controller doet, is niet bekend.</translation>
    </message>
    <message>
        <source>What a higher or lower value does inside the controller is not known.</source>
        <translation>Wat een hogere of lagere waarde in de controller doet, is niet bekend.</translation>
    </message>
    <message>
        <source>Unit: %1.</source>
        <extracomment>%1 the field&apos;s unit: &quot;A&quot;, &quot;km/h&quot;, &quot;ms&quot;</extracomment>
        <translation>Eenheid: %1.</translation>
    </message>
    <message>
        <source>Allowed: %1.</source>
        <extracomment>%1 the range the window allows: &quot;at most 30.0 A&quot;, &quot;0.9 V to 3.0 V&quot;, &quot;1 to 9&quot;</extracomment>
        <translation>Toegestaan: %1.</translation>
    </message>
    <message>
        <source>The window sets no limit; a write refuses values the controller cannot hold.</source>
        <translation>Het venster stelt geen grens; schrijven weigert waarden die de controller niet kan bevatten.</translation>
    </message>
    <message>
        <source>Choices: %1.</source>
        <extracomment>%1 the options of a radio pair or group, each in quotes: &quot;&quot;Low&quot;, &quot;High&quot;&quot;</extracomment>
        <translation>Keuzes: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>an option&apos;s text within a list of choices: %1 the option, &quot;Low&quot;</extracomment>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>Ticked or clear.</source>
        <extracomment>a tick box&apos;s two states</extracomment>
        <translation>Aangevinkt of leeg.</translation>
    </message>
    <message>
        <source>Initial value: %1.</source>
        <extracomment>%1 the value the window starts with: &quot;14.0 A&quot;, &quot;ticked&quot;, &quot;Low&quot;</extracomment>
        <translation>Beginwaarde: %1.</translation>
    </message>
    <message>
        <source>ticked</source>
        <extracomment>the initial state of a tick box, after &quot;Initial value: &quot;</extracomment>
        <translation>aangevinkt</translation>
    </message>
    <message>
        <source>clear</source>
        <extracomment>the initial state of a tick box, after &quot;Initial value: &quot;</extracomment>
        <translation>leeg</translation>
    </message>
    <message>
        <source>The limit of this assist level, in percent; &quot;Limit speed&quot; and &quot;Limit current&quot; choose what it limits. The levels in use should rise, the top one at 100 %.</source>
        <translation>De grens van dit ondersteuningsniveau, in procent; “Snelheidslimiet” en “Stroomlimiet” kiezen wat hij begrenst. De gebruikte niveaus horen op te lopen, het hoogste op 100 %.</translation>
    </message>
    <message>
        <source>more assistance at this level.</source>
        <translation>meer ondersteuning op dit niveau.</translation>
    </message>
    <message>
        <source>less assistance at this level.</source>
        <translation>minder ondersteuning op dit niveau.</translation>
    </message>
    <message>
        <source>The largest current the controller draws from the battery.</source>
        <translation>De grootste stroom die de controller uit de accu haalt.</translation>
    </message>
    <message>
        <source>more than the battery&apos;s BMS delivers continuously; keep it at or below that current and not above the max phase current.</source>
        <translation>meer dan het BMS van de accu continu levert; blijf op of onder die stroom en niet boven de max. fasestroom.</translation>
    </message>
    <message>
        <source>less power for assistance and throttle.</source>
        <translation>minder vermogen voor ondersteuning en gashendel.</translation>
    </message>
    <message>
        <source>The battery voltage below which the controller cuts the motor, so that the battery is not drained empty.</source>
        <translation>De accuspanning waaronder de controller de motor uitschakelt, zodat de accu niet leeggetrokken wordt.</translation>
    </message>
    <message>
        <source>assistance stops while the battery is still half full (above about 3.6 V a cell).</source>
        <translation>de ondersteuning stopt terwijl de accu nog half vol is (boven ongeveer 3.6 V per cel).</translation>
    </message>
    <message>
        <source>the cells are drained too deep (below about 2.8 V a cell).</source>
        <translation>de cellen worden te diep ontladen (onder ongeveer 2.8 V per cel).</translation>
    </message>
    <message>
        <source>The controller&apos;s acceleration setting, a position of the track bar.</source>
        <translation>De acceleratie-instelling van de controller, een stand van de schuifregelaar.</translation>
    </message>
    <message>
        <source>The signal level of the brake lever sensors, &quot;Low&quot; or &quot;High&quot;: choose the one the bike&apos;s brake sensors give.</source>
        <translation>Het signaalniveau van de remhendelsensoren, “Laag” of “Hoog”: kies het niveau dat de remsensoren van de fiets geven.</translation>
    </message>
    <message>
        <source>The speed at which the controller stops assisting, while &quot;Limit max speed&quot; is ticked; with it clear a write sends 900 km/h, which means no limit.</source>
        <translation>De snelheid waarbij de controller stopt met ondersteunen, zolang “Max. snelheid begrenzen” aangevinkt is; zonder vinkje stuurt schrijven 900 km/h, dus geen grens.</translation>
    </message>
    <message>
        <source>the bike may break the road class it is ridden in (Connect &gt; Road Class checks it).</source>
        <translation>de fiets kan de wegklasse overtreden waarin hij rijdt (Verbinding &gt; Wegklasse controleert dat).</translation>
    </message>
    <message>
        <source>assistance stops at a lower speed.</source>
        <translation>de ondersteuning stopt bij een lagere snelheid.</translation>
    </message>
    <message>
        <source>How many magnets pass the speed sensor in one turn of the wheel; the controller reckons the speed from them and the wheel perimeter.</source>
        <translation>Hoeveel magneten per wielomwenteling langs de snelheidssensor komen; daaruit en uit de wielomtrek berekent de controller de snelheid.</translation>
    </message>
    <message>
        <source>the speed is reckoned too low, so assistance may go on past the speed limit.</source>
        <translation>de snelheid wordt te laag berekend, zodat de ondersteuning voorbij de snelheidsgrens kan doorgaan.</translation>
    </message>
    <message>
        <source>the speed is reckoned too high, so assistance stops early.</source>
        <translation>de snelheid wordt te hoog berekend, zodat de ondersteuning te vroeg stopt.</translation>
    </message>
    <message>
        <source>The distance the wheel rolls in one turn; the controller reckons the speed from it. The list beside the field fills in common sizes; measuring the wheel is more exact.</source>
        <translation>De afstand die het wiel in één omwenteling aflegt; daaruit berekent de controller de snelheid. De lijst naast het veld vult gangbare maten in; het wiel opmeten is nauwkeuriger.</translation>
    </message>
    <message>
        <source>Whether the bike has a pedal speed sensor (PAS) for the controller to use. Clear, the group &quot;Pedal speed sensor functions&quot; is switched off; its values are still written.</source>
        <translation>Of de fiets een trapsensor (PAS) heeft die de controller gebruikt. Zonder vinkje staat de groep “Trapsensorfuncties” uit; de waarden worden toch geschreven.</translation>
    </message>
    <message>
        <source>The duty cycle of the pedal sensor&apos;s signal, below or above 50 %: choose the one the bike&apos;s sensor gives.</source>
        <translation>De duty cycle van het signaal van de trapsensor, onder of boven 50 %: kies wat de sensor van de fiets geeft.</translation>
    </message>
    <message>
        <source>How many magnets the pedal sensor&apos;s disc carries; it must match the disc.</source>
        <translation>Hoeveel magneten de schijf van de trapsensor heeft; het moet bij de schijf passen.</translation>
    </message>
    <message>
        <source>How many of the pedal sensor&apos;s magnets must pass before assistance starts.</source>
        <translation>Hoeveel magneten van de trapsensor voorbij moeten komen voordat de ondersteuning begint.</translation>
    </message>
    <message>
        <source>assistance starts after more pedalling.</source>
        <translation>de ondersteuning begint na meer trappen.</translation>
    </message>
    <message>
        <source>assistance starts after less pedalling.</source>
        <translation>de ondersteuning begint na minder trappen.</translation>
    </message>
    <message>
        <source>How long assistance goes on after the pedals stop.</source>
        <translation>Hoe lang de ondersteuning doorgaat nadat de pedalen stilstaan.</translation>
    </message>
    <message>
        <source>the motor goes on pushing longer after you stop pedalling.</source>
        <translation>de motor blijft langer duwen nadat u stopt met trappen.</translation>
    </message>
    <message>
        <source>assistance stops sooner after the pedals stop.</source>
        <translation>de ondersteuning stopt eerder nadat de pedalen stilstaan.</translation>
    </message>
    <message>
        <source>The pedal assist sensor (PAS) ratio, a position of the track bar.</source>
        <translation>De verhouding van de trapsensor (PAS), een stand van de schuifregelaar.</translation>
    </message>
    <message>
        <source>Whether the bike has a throttle for the controller to use. Clear, the group &quot;Throttle functions&quot; is switched off; its values are still written.</source>
        <translation>Of de fiets een gashendel heeft die de controller gebruikt. Zonder vinkje staat de groep “Gashendelfuncties” uit; de waarden worden toch geschreven.</translation>
    </message>
    <message>
        <source>The largest output the throttle asks for, in percent of the full output.</source>
        <translation>Het grootste vermogen dat de gashendel vraagt, in procent van het volle vermogen.</translation>
    </message>
    <message>
        <source>the throttle gives less power.</source>
        <translation>de gashendel geeft minder vermogen.</translation>
    </message>
    <message>
        <source>Whether the throttle keeps to the limits of the assist levels (&quot;Level 1&quot; to &quot;Level 9&quot;).</source>
        <translation>Of de gashendel zich houdt aan de grenzen van de ondersteuningsniveaus (“Niveau 1” tot “Niveau 9”).</translation>
    </message>
    <message>
        <source>The throttle&apos;s signal voltage at which it starts to act; it must stay below the full voltage.</source>
        <translation>De signaalspanning van de gashendel waarbij hij begint te werken; die moet onder de volgasspanning blijven.</translation>
    </message>
    <message>
        <source>the throttle starts late in its travel.</source>
        <translation>de gashendel begint laat in zijn slag.</translation>
    </message>
    <message>
        <source>the throttle starts early in its travel.</source>
        <translation>de gashendel begint vroeg in zijn slag.</translation>
    </message>
    <message>
        <source>The throttle&apos;s signal voltage at which it gives full output.</source>
        <translation>De signaalspanning van de gashendel waarbij hij vol vermogen geeft.</translation>
    </message>
    <message>
        <source>above what the throttle gives when fully turned, full output is never reached.</source>
        <translation>boven wat de gashendel helemaal opengedraaid geeft, wordt vol vermogen nooit bereikt.</translation>
    </message>
    <message>
        <source>full output comes early in the throttle&apos;s travel.</source>
        <translation>vol vermogen komt al vroeg in de slag van de gashendel.</translation>
    </message>
    <message>
        <source>How the throttle works with the pedal sensor: on its own, together with the pedal sensor, or started by it. Some road classes allow a throttle only while pedalling.</source>
        <translation>Hoe de gashendel samenwerkt met de trapsensor: op zichzelf, samen met de trapsensor of door hem gestart. Sommige wegklassen staan een gashendel alleen toe tijdens het trappen.</translation>
    </message>
    <message>
        <source>How many assist levels the rider can choose from; only the levels up to this count can be edited.</source>
        <translation>Uit hoeveel ondersteuningsniveaus de fietser kan kiezen; alleen de niveaus tot dit aantal zijn te bewerken.</translation>
    </message>
    <message>
        <source>more levels to step through.</source>
        <translation>meer niveaus om door te schakelen.</translation>
    </message>
    <message>
        <source>fewer levels to choose from.</source>
        <translation>minder niveaus om uit te kiezen.</translation>
    </message>
    <message>
        <source>Whether the limits of the assist levels act on the speed.</source>
        <translation>Of de grenzen van de ondersteuningsniveaus op de snelheid werken.</translation>
    </message>
    <message>
        <source>Whether the limits of the assist levels act on the current.</source>
        <translation>Of de grenzen van de ondersteuningsniveaus op de stroom werken.</translation>
    </message>
    <message>
        <source>The limit of the walk-assist mode, which helps while you push the bike, in percent.</source>
        <translation>De grens van de loophulp, die helpt terwijl u de fiets duwt, in procent.</translation>
    </message>
    <message>
        <source>more push while walking.</source>
        <translation>meer duwkracht bij het lopen.</translation>
    </message>
    <message>
        <source>less push while walking.</source>
        <translation>minder duwkracht bij het lopen.</translation>
    </message>
    <message>
        <source>Whether the pedal sensor works together with the throttle.</source>
        <translation>Of de trapsensor samenwerkt met de gashendel.</translation>
    </message>
    <message>
        <source>The motor&apos;s Hall sensors: 120 degree, 60 degree or none (sensorless). It must match the motor; wrong motor data can make the motor run rough or overheat.</source>
        <translation>De hallsensoren van de motor: 120 graden, 60 graden of geen (sensorloos). De keuze moet bij de motor passen; verkeerde motorgegevens kunnen de motor onrustig laten lopen of oververhitten.</translation>
    </message>
    <message>
        <source>Whether the motor has a one-way clutch (freewheel) inside. It must match the motor.</source>
        <translation>Of de motor binnenin een vrijloop heeft. De keuze moet bij de motor passen.</translation>
    </message>
    <message>
        <source>The motor&apos;s rated voltage, from its data sheet or label; wrong motor data can make the motor run rough or overheat.</source>
        <translation>De nominale spanning van de motor, volgens datablad of typeplaatje; verkeerde motorgegevens kunnen de motor onrustig laten lopen of oververhitten.</translation>
    </message>
    <message>
        <source>The motor&apos;s rated power, from its data sheet or label. Road classes allow a rated power up to their limit (Connect &gt; Road Class checks it).</source>
        <translation>Het nominale vermogen van de motor, volgens datablad of typeplaatje. Wegklassen staan een nominaal vermogen toe tot hun grens (Verbinding &gt; Wegklasse controleert dat).</translation>
    </message>
    <message>
        <source>The number of magnet pole pairs of the motor, from its data sheet.</source>
        <translation>Het aantal magneetpoolparen van de motor, volgens datablad.</translation>
    </message>
    <message>
        <source>The motor&apos;s speed without load, from its data sheet.</source>
        <translation>Het toerental van de motor zonder belasting, volgens datablad.</translation>
    </message>
    <message>
        <source>The ratio of the motor&apos;s gear: motor turns per turn of its housing or output, from its data sheet.</source>
        <translation>De overbrenging van de motorvertraging: motoromwentelingen per omwenteling van de behuizing of uitgang, volgens datablad.</translation>
    </message>
    <message>
        <source>The electrical resistance of the motor&apos;s stator winding, from its data sheet.</source>
        <translation>De elektrische weerstand van de statorwikkeling van de motor, volgens datablad.</translation>
    </message>
    <message>
        <source>The inductance of the motor&apos;s stator winding, from its data sheet.</source>
        <translation>De inductantie van de statorwikkeling van de motor, volgens datablad.</translation>
    </message>
    <message>
        <source>The largest current the controller drives through the motor&apos;s windings; it is never below the max battery current.</source>
        <translation>De grootste stroom die de controller door de wikkelingen van de motor stuurt; die ligt nooit onder de max. accustroom.</translation>
    </message>
    <message>
        <source>more than the motor or the controller is made for: they may overheat.</source>
        <translation>meer dan de motor of de controller aankan: ze kunnen oververhitten.</translation>
    </message>
    <message>
        <source>less pulling power.</source>
        <translation>minder trekkracht.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Cannot create file %1</source>
        <extracomment>%1 the file&apos;s path</extracomment>
        <translation>Kan bestand %1 niet aanmaken</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <extracomment>%1 the path of config.ini</extracomment>
        <translation>Kan niet schrijven naar %1</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <extracomment>a file whose last key has no value line; %1 the number of lines</extracomment>
        <translation>Lijstindex buiten bereik (%1)</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <extracomment>%1 the file&apos;s path</extracomment>
        <translation>Kan bestand %1 niet openen</translation>
    </message>
    <message>
        <source>File %1 is too large to be a configuration file (more than 1 MiB).</source>
        <extracomment>%1 the file&apos;s path</extracomment>
        <translation>Bestand %1 is te groot voor een configuratiebestand (meer dan 1 MiB).</translation>
    </message>
    <message>
        <source>Cannot open file %1: it is not a regular file.</source>
        <extracomment>%1 the path of a folder, a device or the like</extracomment>
        <translation>Kan bestand %1 niet openen: het is geen gewoon bestand.</translation>
    </message>
    <message>
        <source>The setting file to be opened missed one data because of a bug in the old version. Please answer one question now.
Does the motor have 3 hall sensors?</source>
        <extracomment>Yes means the motor has three Hall sensors, No that it has none</extracomment>
        <translation>In het instellingenbestand ontbreekt een gegeven door een fout in de oude versie. Beantwoord nu één vraag.
Heeft de motor 3 hallsensoren?</translation>
    </message>
    <message>
        <source>The file %1 contains no settings.</source>
        <extracomment>%1 the file&apos;s path; the file is empty, holds only blank lines or only numbers of no setting</extracomment>
        <translation>Het bestand %1 bevat geen instellingen.</translation>
    </message>
    <message>
        <source>The file is marked as UTF-16 text, but it is damaged: it cannot be read as text.</source>
        <extracomment>the file starts with the mark of UTF-16 text (Notepad&apos;s &quot;Unicode&quot;) but is damaged</extracomment>
        <translation>Het bestand is gemarkeerd als UTF-16-tekst, maar het is beschadigd: het kan niet als tekst worden gelezen.</translation>
    </message>
    <message>
        <source>Cannot create file %1: it is not a regular file.</source>
        <extracomment>%1 the path of a named pipe, a device or the like</extracomment>
        <translation>Kan bestand %1 niet aanmaken: het is geen gewoon bestand.</translation>
    </message>
</context>
<context>
    <name>Limits</name>
    <message>
        <source>These values are outside the limits the window allows:</source>
        <translation>Deze waarden liggen buiten de grenzen die het venster toestaat:</translation>
    </message>
    <message>
        <source>%1: %2 (allowed: %3)</source>
        <extracomment>%1 the field&apos;s caption, %2 its value with its unit, %3 the allowed range (&quot;at most 30.0 A&quot;)</extracomment>
        <translation>%1: %2 (toegestaan: %3)</translation>
    </message>
    <message>
        <source>at most %1</source>
        <extracomment>an allowed range: %1 the largest value with its unit, &quot;30.0 A&quot;</extracomment>
        <translation>hoogstens %1</translation>
    </message>
    <message>
        <source>at least %1</source>
        <extracomment>an allowed range as a screen reader says it after the field&apos;s unit: %1 the least value, &quot;200&quot;</extracomment>
        <translation>minstens %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>an allowed range: %1 the least and %2 the largest value with their units, &quot;0.9 V to 3.0 V&quot;</extracomment>
        <translation>%1 tot %2</translation>
    </message>
    <message>
        <source>the start voltage</source>
        <extracomment>the least value of the throttle&apos;s full voltage, in place of a number in &quot;%1 to %2&quot;: &quot;the start voltage to 4.2&quot;</extracomment>
        <translation>de startspanning</translation>
    </message>
    <message>
        <source>%1 or more</source>
        <extracomment>an allowed range: %1 the least value with its unit, &quot;200 ms&quot;</extracomment>
        <translation>%1 of meer</translation>
    </message>
    <message>
        <source>from the start voltage, %1, to %2</source>
        <extracomment>the allowed range of the throttle&apos;s full voltage: %1 the start voltage set, %2 the largest value, both with their unit: &quot;from the start voltage, 1.2 V, to 4.2 V&quot;</extracomment>
        <translation>van de startspanning, %1, tot %2</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>Device Connected</source>
        <extracomment>status strip, 125 pixels wide: the programming cable&apos;s port is open</extracomment>
        <translation>Kabel verbonden</translation>
    </message>
    <message>
        <source>Device Lost</source>
        <extracomment>status strip, 125 pixels wide: the programming cable&apos;s port is gone</extracomment>
        <translation>Geen kabel</translation>
    </message>
    <message>
        <source>Controller connection test result</source>
        <translation>Resultaat verbindingstest controller</translation>
    </message>
    <message>
        <source>Another COM device using the same name is detected,
please remove it first.</source>
        <extracomment>&quot;COM device&quot;: a serial port device</extracomment>
        <translation>Er is een ander COM-apparaat met dezelfde naam gevonden,
verwijder dat eerst.</translation>
    </message>
    <message>
        <source>You may not open the programming cable&apos;s serial port %1.

%2</source>
        <extracomment>%1 the serial device&apos;s path; %2 the lines that say how to get access</extracomment>
        <translation>U hebt geen toegang tot de seriële poort %1 van de programmeerkabel.

%2</translation>
    </message>
    <message>
        <source>Programming cable access</source>
        <translation>Toegang tot programmeerkabel</translation>
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
        <translation>Installeer de kabelregel die bij het pakket hoort (70-vexlor-cable.rules) en
trek daarna de kabel eruit en steek hem er weer in. Het pakket zet de regel in
/usr/lib/udev/rules.d; bij een zelf gecompileerde versie installeert u hem met
  sudo cp packaging/70-vexlor-cable.rules /etc/udev/rules.d/
  sudo udevadm control --reload
U kunt ook lid worden van de groep dialout, waarvan de leden seriële poorten mogen openen:
  sudo usermod -aG dialout $USER
en daarna af- en weer aanmelden.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Untitled.vxc</source>
        <extracomment>the window caption&apos;s document name after New, before the first save</extracomment>
        <translation>Naamloos.vxc</translation>
    </message>
    <message>
        <source>Power parameters</source>
        <translation>Vermogen</translation>
    </message>
    <message>
        <source>Pedal speed sensor functions</source>
        <translation>Trapsensorfuncties</translation>
    </message>
    <message>
        <source>Limit max speed</source>
        <translation>Max. snelheid begrenzen</translation>
    </message>
    <message>
        <source>Speed limit parameters</source>
        <translation>Snelheidsbegrenzing</translation>
    </message>
    <message>
        <source>Wheel size</source>
        <translation>Wielmaat</translation>
    </message>
    <message>
        <source>Throttle functions</source>
        <translation>Gashendelfuncties</translation>
    </message>
    <message>
        <source>Level limits</source>
        <translation>Niveaulimieten</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <extracomment>the About box&apos;s last credit line</extracomment>
        <translation>Alle rechten voorbehouden.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Language</source>
        <extracomment>Help &gt; Language: the note after choosing a language</extracomment>
        <translation>Taal</translation>
    </message>
    <message>
        <source>The window will show the chosen language the next time you start the program.</source>
        <translation>Het venster verschijnt in de gekozen taal zodra u het programma opnieuw start.</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Brushless motor parameters</source>
        <translation>Parameters borstelloze motor</translation>
    </message>
    <message>
        <source>Configuration Files (*.vxc)</source>
        <extracomment>the file dialogs&apos; filter; keep &quot;(*.vxc)&quot; as it is</extracomment>
        <translation>Configuratiebestanden (*.vxc)</translation>
    </message>
    <message>
        <source>Open Configuration Files</source>
        <translation>Configuratiebestand openen</translation>
    </message>
    <message>
        <source>Save Configuration Files</source>
        <translation>Configuratiebestand opslaan</translation>
    </message>
    <message>
        <source>New Configuration</source>
        <translation>Nieuwe configuratie</translation>
    </message>
    <message>
        <source>Open Configuration</source>
        <translation>Configuratie openen</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Configuratie opslaan</translation>
    </message>
    <message>
        <source>Test Controller Connection</source>
        <translation>Verbinding met controller testen</translation>
    </message>
    <message>
        <source>Read Controller Configuration</source>
        <translation>Configuratie uit controller lezen</translation>
    </message>
    <message>
        <source>Write Controller Configuration</source>
        <translation>Configuratie naar controller schrijven</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Verbinding</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>The file was opened, but the list of recent files could not be saved: unable to write to %1.</source>
        <extracomment>%1 the full path of config.ini, which holds the list of recent files</extracomment>
        <translation>Het bestand is geopend, maar de lijst met recente bestanden kon niet worden opgeslagen: kan niet schrijven naar %1.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Taal</translation>
    </message>
    <message>
        <source>Desktop &amp;Language</source>
        <extracomment>Help &gt; Language: whatever language the desktop is set to</extracomment>
        <translation>&amp;Systeemtaal</translation>
    </message>
    <message>
        <source>&amp;New Configuration</source>
        <translation>&amp;Nieuwe configuratie</translation>
    </message>
    <message>
        <source>&amp;Open Configuration...</source>
        <translation>Configuratie &amp;openen...</translation>
    </message>
    <message>
        <source>&amp;Reopen</source>
        <translation>O&amp;pnieuw openen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Opslaan &amp;als...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;fsluiten</translation>
    </message>
    <message>
        <source>&amp;Test Controller Connection</source>
        <translation>Verbinding met controller &amp;testen</translation>
    </message>
    <message>
        <source>&amp;Read Controller Configuration</source>
        <translation>Configuratie uit controller &amp;lezen</translation>
    </message>
    <message>
        <source>&amp;Write Controller Configuration</source>
        <translation>Configuratie naar controller &amp;schrijven</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Helponderwerpen</translation>
    </message>
    <message>
        <source>Technical &amp;Support</source>
        <translation>Technische &amp;ondersteuning</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>O&amp;ver...</translation>
    </message>
    <message>
        <source>amperes</source>
        <translation>ampère</translation>
    </message>
    <message>
        <source>volts</source>
        <translation>volt</translation>
    </message>
    <message>
        <source>kilometres per hour</source>
        <translation>kilometer per uur</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>millimeter</translation>
    </message>
    <message>
        <source>milliseconds stop pedaling</source>
        <extracomment>a field&apos;s unit for screen readers: &quot;Stop after [500] ms stop pedaling&quot;</extracomment>
        <translation>milliseconden niet trappen</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>procent</translation>
    </message>
    <message>
        <source>watts</source>
        <translation>watt</translation>
    </message>
    <message>
        <source>revolutions per minute</source>
        <translation>omwentelingen per minuut</translation>
    </message>
    <message>
        <source>to 1</source>
        <extracomment>a field&apos;s unit for screen readers: the reduction ratio &quot;[8] :1&quot;, read &quot;8 to 1&quot;</extracomment>
        <translation>op 1</translation>
    </message>
    <message>
        <source>milliohms</source>
        <translation>milliohm</translation>
    </message>
    <message>
        <source>millihenries</source>
        <translation>millihenry</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>a field&apos;s description for screen readers: %1 its unit, %2 its allowed range; &quot;amperes, at most 30.0&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Result</source>
        <extracomment>the status strip&apos;s labels as a screen reader names them</extracomment>
        <translation>Resultaat</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Activiteit</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbinding</translation>
    </message>
    <message>
        <source>&amp;Connection Doctor…</source>
        <extracomment>Help menu: the checks of why the programming cable does not work</extracomment>
        <translation>Verbindings&amp;diagnose…</translation>
    </message>
    <message>
        <source>Connection Doctor…</source>
        <translation>Verbindingsdiagnose…</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <extracomment>%1 the document&apos;s name as the window caption shows it, &quot;Untitled.vxc&quot; before its first save</extracomment>
        <translation>Wijzigingen in %1 opslaan?</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>the status strip&apos;s message, such as where a file was saved, as a screen reader names it</extracomment>
        <translation>Melding</translation>
    </message>
    <message>
        <source>miles per hour, at most %1</source>
        <extracomment>a speed field&apos;s description for screen readers in imperial units: %1 the most the controller holds, &quot;4072.16&quot;</extracomment>
        <translation>mijl per uur, ten hoogste %1</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <extracomment>Help menu: the units speeds are shown in, metric or imperial</extracomment>
        <translation>&amp;Eenheden</translation>
    </message>
    <message>
        <source>Bike: %1</source>
        <extracomment>the status strip&apos;s field with the bike&apos;s label (a frame number, a customer); %1 the label</extracomment>
        <translation>Fiets: %1</translation>
    </message>
    <message>
        <source>Bike</source>
        <extracomment>the status strip&apos;s field with the bike&apos;s label, as a screen reader names it
----------
the box of Connect &gt; Bike...: its title and the caption of its one field</extracomment>
        <translation>Fiets</translation>
    </message>
    <message>
        <source>Label of the bike (frame number, customer); every operation is recorded with it:</source>
        <translation>Label van de fiets (framenummer, klant); elke handeling wordt ermee vastgelegd:</translation>
    </message>
    <message>
        <source>Bi&amp;ke…</source>
        <extracomment>Connect menu: the label (frame number, customer) the register records with each operation</extracomment>
        <translation>&amp;Fiets…</translation>
    </message>
    <message>
        <source>H&amp;istory…</source>
        <extracomment>Connect menu: the register of every operation, as a table</extracomment>
        <translation>&amp;Geschiedenis…</translation>
    </message>
    <message>
        <source>What&apos;s &amp;This?</source>
        <extracomment>Help menu: the pointer that shows what the next field clicked does</extracomment>
        <translation>&amp;Wat is dit?</translation>
    </message>
    <message>
        <source>New Bike Set&amp;up…</source>
        <extracomment>File menu: the assistant that proposes values from what is printed on the bike&apos;s parts</extracomment>
        <translation>Nieuwe fi&amp;ets instellen…</translation>
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
        <translation>Magneten N / S</translation>
    </message>
    <message>
        <source>Stator teeth</source>
        <translation>Statortanden</translation>
    </message>
    <message>
        <source>Coils</source>
        <translation>Spoelen</translation>
    </message>
    <message>
        <source>Bearing</source>
        <translation>Lager</translation>
    </message>
    <message>
        <source>Axle</source>
        <translation>As</translation>
    </message>
</context>
<context>
    <name>Parameters</name>
    <message>
        <source>Pedal sensor magnets</source>
        <extracomment>the field before &quot;magnets a circle&quot;, as messages and lists name it</extracomment>
        <translation>Magneten trapsensor</translation>
    </message>
    <message>
        <source>PAS levels (1~9):</source>
        <translation>PAS-niveaus (1~9):</translation>
    </message>
    <message>
        <source>%</source>
        <extracomment>unit: percent</extracomment>
        <translation>%</translation>
    </message>
    <message>
        <source>Max battery current: </source>
        <translation>Max. accustroom: </translation>
    </message>
    <message>
        <source>A</source>
        <extracomment>unit: ampere</extracomment>
        <translation>A</translation>
    </message>
    <message>
        <source>Low voltage protection: </source>
        <extracomment>the battery voltage below which the controller cuts the motor</extracomment>
        <translation>Uitschakelspanning: </translation>
    </message>
    <message>
        <source>V</source>
        <extracomment>unit: volt</extracomment>
        <translation>V</translation>
    </message>
    <message>
        <source>Acceleration:</source>
        <translation>Acceleratie:</translation>
    </message>
    <message>
        <source>Brake voltage:</source>
        <extracomment>the brake lever sensor&apos;s signal level; its two buttons are &quot;Low&quot; and &quot;High&quot;</extracomment>
        <translation>Remsignaal:</translation>
    </message>
    <message>
        <source>Low</source>
        <extracomment>brake signal level</extracomment>
        <translation>Laag</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>brake signal level</extracomment>
        <translation>Hoog</translation>
    </message>
    <message>
        <source>Speed limit: </source>
        <translation>Max. snelheid: </translation>
    </message>
    <message>
        <source>km/h</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>Speedometer magnets: </source>
        <extracomment>how many magnets pass the speed sensor per wheel turn</extracomment>
        <translation>Magneten op wiel: </translation>
    </message>
    <message>
        <source>Wheel perimeter: </source>
        <translation>Wielomtrek: </translation>
    </message>
    <message>
        <source>mm</source>
        <extracomment>unit: millimetre</extracomment>
        <translation>mm</translation>
    </message>
    <message>
        <source>Use pedal speed sensor</source>
        <translation>Trapsensor gebruiken</translation>
    </message>
    <message>
        <source>Duty cycle:</source>
        <extracomment>the pedal sensor signal&apos;s duty cycle; its buttons are &quot;&lt; 50%&quot; and &quot;&gt; 50%&quot;</extracomment>
        <translation>Duty cycle:</translation>
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
        <translation>magneten op schijf</translation>
    </message>
    <message>
        <source>Start after </source>
        <extracomment>&quot;Start after [2] magnets passed&quot;: assist starts after this many sensor magnets</extracomment>
        <translation>Start na </translation>
    </message>
    <message>
        <source>magnets passed</source>
        <extracomment>&quot;Start after [2] magnets passed&quot;</extracomment>
        <translation>magneten</translation>
    </message>
    <message>
        <source>Stop after </source>
        <extracomment>&quot;Stop after [500] ms stop pedaling&quot;: assist stops this long after pedalling stops</extracomment>
        <translation>Stop na </translation>
    </message>
    <message>
        <source>ms stop pedaling</source>
        <extracomment>&quot;Stop after [500] ms stop pedaling&quot;</extracomment>
        <translation>ms niet trappen</translation>
    </message>
    <message>
        <source>PAS ratio: </source>
        <extracomment>pedal assist sensor (PAS) ratio, a track bar from 1 to 9</extracomment>
        <translation>PAS-verhouding: </translation>
    </message>
    <message>
        <source>Use throttle</source>
        <translation>Gashendel gebruiken</translation>
    </message>
    <message>
        <source>Max output: </source>
        <extracomment>the throttle&apos;s largest output, in percent</extracomment>
        <translation>Max.: </translation>
    </message>
    <message>
        <source>Limited by PAS level limits</source>
        <extracomment>the throttle follows the assist level limits</extracomment>
        <translation>Begrensd door PAS-niveau</translation>
    </message>
    <message>
        <source>Start voltage: </source>
        <extracomment>the throttle&apos;s voltage where it starts; the row reads &quot;Start voltage: [1.2] V, Full: [3.4] V&quot;</extracomment>
        <translation>Start: </translation>
    </message>
    <message>
        <source>V,</source>
        <extracomment>unit: volt, followed on the same row by &quot;Full: [3.4] V&quot;</extracomment>
        <translation>V,</translation>
    </message>
    <message>
        <source>Full: </source>
        <extracomment>the throttle&apos;s voltage at full twist, after &quot;Start voltage: [1.2] V,&quot;; keep it short</extracomment>
        <translation>vol gas: </translation>
    </message>
    <message>
        <source>Working style</source>
        <extracomment>how the throttle works with the pedal sensor (a group of three choices)</extracomment>
        <translation>Werkwijze</translation>
    </message>
    <message>
        <source>Independently</source>
        <translation>Onafhankelijk</translation>
    </message>
    <message>
        <source>Together with pedal sensor</source>
        <translation>Samen met trapsensor</translation>
    </message>
    <message>
        <source>Start by pedal sensor</source>
        <translation>Starten via trapsensor</translation>
    </message>
    <message>
        <source>Level 1: </source>
        <translation>Niveau 1: </translation>
    </message>
    <message>
        <source>Level 2: </source>
        <translation>Niveau 2: </translation>
    </message>
    <message>
        <source>Level 3: </source>
        <translation>Niveau 3: </translation>
    </message>
    <message>
        <source>Level 4: </source>
        <translation>Niveau 4: </translation>
    </message>
    <message>
        <source>Level 5: </source>
        <translation>Niveau 5: </translation>
    </message>
    <message>
        <source>Level 6: </source>
        <translation>Niveau 6: </translation>
    </message>
    <message>
        <source>Level 7: </source>
        <translation>Niveau 7: </translation>
    </message>
    <message>
        <source>Level 8: </source>
        <translation>Niveau 8: </translation>
    </message>
    <message>
        <source>Level 9: </source>
        <translation>Niveau 9: </translation>
    </message>
    <message>
        <source>Limit speed</source>
        <extracomment>the assist levels limit the speed</extracomment>
        <translation>Snelheidslimiet</translation>
    </message>
    <message>
        <source>Limit current</source>
        <extracomment>the assist levels limit the current</extracomment>
        <translation>Stroomlimiet</translation>
    </message>
    <message>
        <source>Walk assist: </source>
        <translation>Loophulp: </translation>
    </message>
    <message>
        <source>Work together with throttle</source>
        <extracomment>the pedal sensor works together with the throttle</extracomment>
        <translation>Samen met gashendel</translation>
    </message>
    <message>
        <source>Hall sensor</source>
        <extracomment>the motor&apos;s Hall sensors: 120 degree, 60 degree or none</extracomment>
        <translation>Hallsensor</translation>
    </message>
    <message>
        <source>120° Sensors</source>
        <translation>120°-sensoren</translation>
    </message>
    <message>
        <source>60° Sensors</source>
        <translation>60°-sensoren</translation>
    </message>
    <message>
        <source>Sensorless</source>
        <translation>Sensorloos</translation>
    </message>
    <message>
        <source>Rotation direction</source>
        <extracomment>a hub motor with or without a freewheel (one-way clutch) inside</extracomment>
        <translation>Vrijloop</translation>
    </message>
    <message>
        <source>One way clutch</source>
        <translation>Met vrijloop</translation>
    </message>
    <message>
        <source>Without clutch</source>
        <translation>Zonder vrijloop</translation>
    </message>
    <message>
        <source>Rated voltage: </source>
        <translation>Nominale spanning: </translation>
    </message>
    <message>
        <source>Rated power: </source>
        <translation>Nominaal vermogen: </translation>
    </message>
    <message>
        <source>W</source>
        <extracomment>unit: watt</extracomment>
        <translation>W</translation>
    </message>
    <message>
        <source>No. of pole-pairs: </source>
        <translation>Aantal poolparen: </translation>
    </message>
    <message>
        <source>No-load speed: </source>
        <translation>Onbelast toerental: </translation>
    </message>
    <message>
        <source>rpm</source>
        <extracomment>unit: revolutions per minute</extracomment>
        <translation>tpm</translation>
    </message>
    <message>
        <source>Reduction ratio: </source>
        <extracomment>the motor&apos;s gear ratio, shown as &quot;[8] :1&quot;</extracomment>
        <translation>Overbrenging: </translation>
    </message>
    <message>
        <source>:1</source>
        <extracomment>after the reduction ratio&apos;s field: &quot;[8] :1&quot;</extracomment>
        <translation>:1</translation>
    </message>
    <message>
        <source>Stator resistance: </source>
        <translation>Statorweerstand: </translation>
    </message>
    <message>
        <source>mOhm</source>
        <extracomment>unit: milliohm</extracomment>
        <translation>mOhm</translation>
    </message>
    <message>
        <source>Stator inductance: </source>
        <translation>Statorinductantie: </translation>
    </message>
    <message>
        <source>mH</source>
        <extracomment>unit: millihenry</extracomment>
        <translation>mH</translation>
    </message>
    <message>
        <source>Max phase current:</source>
        <translation>Max. fasestroom:</translation>
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
        <translation>magneten</translation>
    </message>
</context>
<context>
    <name>Plausibility</name>
    <message>
        <source>%1 to %2 for %3 cells (rated voltage %4)</source>
        <extracomment>%1 the least and %2 the largest cut-off voltage with their unit (&quot;28.0 V&quot;, &quot;36.0 V&quot;), %3 the number of cells in series (&quot;10&quot;), %4 the rated voltage with its unit (&quot;36 V&quot;)</extracomment>
        <translation>%1 tot %2 voor %3 cellen (nominale spanning %4)</translation>
    </message>
    <message>
        <source>at most %1, the value of %2</source>
        <extracomment>%1 a value with its unit (&quot;30 A&quot;), %2 the caption of the field that holds it (&quot;Max phase current&quot;)</extracomment>
        <translation>hoogstens %1, de waarde van %2</translation>
    </message>
    <message>
        <source>below %1, the value of %2</source>
        <extracomment>%1 a value with its unit (&quot;3.4 V&quot;), %2 the caption of the field that holds it (&quot;Full&quot;)</extracomment>
        <translation>onder %1, de waarde van %2</translation>
    </message>
    <message>
        <source>above %1, the value of %2</source>
        <extracomment>%1 a value with its unit (&quot;50 %&quot;), %2 the caption of the field that holds it (&quot;Level 2&quot;)</extracomment>
        <translation>boven %1, de waarde van %2</translation>
    </message>
    <message>
        <source>%1 at the top level in use</source>
        <extracomment>what the last assist level in use should be: %1 &quot;100 %&quot;</extracomment>
        <translation>%1 op het hoogste gebruikte niveau</translation>
    </message>
    <message>
        <source>%1: %2 (plausible: %3)</source>
        <extracomment>one warning: %1 the field&apos;s caption, %2 its value with its unit, %3 what would fit (&quot;at least 1&quot;)</extracomment>
        <translation>%1: %2 (plausibel: %3)</translation>
    </message>
    <message>
        <source>These values hardly fit a bike or each other:</source>
        <extracomment>above the list of warnings in the question before a write and in a check&apos;s report</extracomment>
        <translation>Deze waarden passen nauwelijks bij een fiets of bij elkaar:</translation>
    </message>
    <message>
        <source>Warning on %1</source>
        <extracomment>what a screen reader calls the small warning sign beside a field; %1 the field&apos;s caption</extracomment>
        <translation>Waarschuwing bij %1</translation>
    </message>
</context>
<context>
    <name>Profiles</name>
    <message>
        <source>Pro&amp;files</source>
        <extracomment>File &gt; Profiles: the submenu listing the configurations kept under a name</extracomment>
        <translation>P&amp;rofielen</translation>
    </message>
    <message>
        <source>Save as Profi&amp;le…</source>
        <translation>Opslaan als prof&amp;iel…</translation>
    </message>
    <message>
        <source>No Profiles Yet</source>
        <extracomment>File &gt; Profiles while there is none</extracomment>
        <translation>Nog geen profielen</translation>
    </message>
    <message>
        <source>Save as Profile</source>
        <translation>Opslaan als profiel</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Naam:</translation>
    </message>
    <message>
        <source>N&amp;ote:</source>
        <translation>N&amp;otitie:</translation>
    </message>
    <message>
        <source>The window&apos;s values are kept under this name, for example for a battery or a bike model; File &gt; Profiles puts them back into the window.</source>
        <extracomment>under the fields of the profile dialog</extracomment>
        <translation>De waarden van het venster worden onder deze naam bewaard, bijvoorbeeld voor een accu of een fietsmodel; Bestand &gt; Profielen zet ze terug in het venster.</translation>
    </message>
    <message>
        <source>A profile named &quot;%1&quot; exists already. Replace it?</source>
        <extracomment>%1 the profile&apos;s name</extracomment>
        <translation>Er bestaat al een profiel met de naam &quot;%1&quot;. Vervangen?</translation>
    </message>
    <message>
        <source>A profile needs a name.</source>
        <translation>Een profiel heeft een naam nodig.</translation>
    </message>
    <message>
        <source>A profile&apos;s name has at most %1 characters.</source>
        <extracomment>%1 the largest number of characters</extracomment>
        <translation>De naam van een profiel heeft hoogstens %1 tekens.</translation>
    </message>
    <message>
        <source>A profile&apos;s name cannot hold %1 or control characters: &quot;%2&quot;.</source>
        <extracomment>%1 the characters refused, %2 the name given</extracomment>
        <translation>De naam van een profiel mag geen %1 of stuurtekens bevatten: &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a file on every system: a profile&apos;s name must not begin with a dot or a blank, end with a dot or a blank, or be a device name such as CON or NUL.</source>
        <extracomment>%1 the name given; CON and NUL are names Windows keeps for devices</extracomment>
        <translation>&quot;%1&quot; kan niet op elk systeem een bestand benoemen: de naam van een profiel mag niet met een punt of spatie beginnen of eindigen, en geen apparaatnaam zoals CON of NUL zijn.</translation>
    </message>
    <message>
        <source>No profile is named &quot;%1&quot;.</source>
        <extracomment>%1 the name given</extracomment>
        <translation>Er is geen profiel met de naam &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>Register</name>
    <message>
        <source>Not recorded in the register: %1</source>
        <extracomment>%1 why the operation was not recorded (one of the texts below, or the database&apos;s own)</extracomment>
        <translation>Niet vastgelegd in het register: %1</translation>
    </message>
    <message>
        <source>this build keeps no register (it was made without Qt SQL).</source>
        <extracomment>the program was built without the database module; Qt SQL is the name of that module</extracomment>
        <translation>deze build houdt geen register bij (hij is gemaakt zonder Qt SQL).</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <extracomment>%1 the register&apos;s path, %2 the database&apos;s reason</extracomment>
        <translation>%1 kan niet worden geopend: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <extracomment>%1 the register&apos;s path, %2 the database&apos;s reason</extracomment>
        <translation>%1 kan niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <extracomment>%1 the register&apos;s path, %2 the database&apos;s reason</extracomment>
        <translation>%1 kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>%1 was made by a newer version of the tool (schema %2, this one knows %3).</source>
        <extracomment>%1 the register&apos;s path, %2 the schema version in the file, %3 the newest this version knows</extracomment>
        <translation>%1 is gemaakt door een nieuwere versie van het programma (schema %2, deze kent %3).</translation>
    </message>
    <message>
        <source>%1 names no shop server: give postgresql://USER@HOST[:PORT]/DB.</source>
        <extracomment>%1 what was given; keep postgresql://USER@HOST[:PORT]/DB as it is</extracomment>
        <translation>%1 noemt geen werkplaatsserver: geef postgresql://USER@HOST[:PORT]/DB op.</translation>
    </message>
    <message>
        <source>%1 carries a password, which is never taken from there: give the address without it and put the password in ~/.pgpass or PGPASSWORD.</source>
        <extracomment>%1 the address with the password left out; keep ~/.pgpass and PGPASSWORD as they are</extracomment>
        <translation>%1 bevat een wachtwoord, dat daar nooit vandaan wordt genomen: geef het adres zonder wachtwoord op en zet het wachtwoord in ~/.pgpass of PGPASSWORD.</translation>
    </message>
    <message>
        <source>the shop server is not available in this build (Qt&apos;s PostgreSQL driver QPSQL is missing).</source>
        <extracomment>QPSQL is the name of Qt&apos;s PostgreSQL driver</extracomment>
        <translation>de werkplaatsserver is in deze build niet beschikbaar (het PostgreSQL-stuurprogramma QPSQL van Qt ontbreekt).</translation>
    </message>
    <message>
        <source>The shop&apos;s register on %1.</source>
        <extracomment>%1 the server&apos;s address</extracomment>
        <translation>Het register van de werkplaats op %1.</translation>
    </message>
    <message>
        <source>Only this bench&apos;s records: the shop server cannot be reached. %1</source>
        <extracomment>%1 why the server cannot be reached</extracomment>
        <translation>Alleen de gegevens van deze werkplek: de werkplaatsserver is niet bereikbaar. %1</translation>
    </message>
    <message>
        <source>Recorded on this bench; it goes to the shop server once it can be reached: %1</source>
        <extracomment>%1 why the server cannot be reached now (naming it)</extracomment>
        <translation>Op deze werkplek vastgelegd; het gaat naar de werkplaatsserver zodra die bereikbaar is: %1</translation>
    </message>
</context>
<context>
    <name>RoadCheck</name>
    <message>
        <source>only with pedalling: %1 or %2, or %3 cleared</source>
        <extracomment>%1 and %2 the working styles &quot;Together with pedal sensor&quot; and &quot;Start by pedal sensor&quot;, %3 the check box &quot;Use throttle&quot;</extracomment>
        <translation>alleen met trappen: %1 of %2, of %3 uit</translation>
    </message>
    <message>
        <source>%1, so it assists up to %2</source>
        <extracomment>%1 the wheel perimeter with its unit (&quot;2000 mm&quot;), %2 a speed with its unit (&quot;27.4 km/h&quot;)</extracomment>
        <translation>%1, dus het ondersteunt tot %2</translation>
    </message>
    <message>
        <source>%1, so it assists at any speed</source>
        <extracomment>%1 the wheel perimeter with its unit, &quot;0 mm&quot;: the controller cannot measure the speed</extracomment>
        <translation>%1, dus het ondersteunt bij elke snelheid</translation>
    </message>
    <message>
        <source>at least %1: the tire %2 rolls %3 a turn</source>
        <extracomment>%1 the least wheel perimeter (&quot;2128 mm&quot;), %2 the tire (&quot;57-584&quot;), %3 how far it rolls in one turn of the wheel (&quot;2193 mm&quot;)</extracomment>
        <translation>minstens %1: de band %2 rolt %3 per omwenteling</translation>
    </message>
    <message>
        <source>throttle also without pedalling</source>
        <translation>gashendel ook zonder trappen</translation>
    </message>
    <message>
        <source>throttle only while pedalling</source>
        <translation>gashendel alleen tijdens het trappen</translation>
    </message>
    <message>
        <source>Road class: %1</source>
        <extracomment>%1 the road class&apos;s name</extracomment>
        <translation>Wegklasse: %1</translation>
    </message>
    <message>
        <source>Tire: %1, %2 a turn</source>
        <extracomment>%1 the tire (&quot;57-584&quot;), %2 how far it rolls in one turn of the wheel (&quot;2193 mm&quot;)</extracomment>
        <translation>Band: %1, %2 per omwenteling</translation>
    </message>
    <message>
        <source>These values break the road class %1:</source>
        <extracomment>%1 the road class&apos;s name, &quot;EU / UK pedelec (EN 15194)&quot;</extracomment>
        <translation>Deze waarden overtreden de wegklasse %1:</translation>
    </message>
    <message>
        <source>The settings keep to the road class %1.</source>
        <extracomment>%1 the road class&apos;s name</extracomment>
        <translation>De instellingen houden zich aan de wegklasse %1.</translation>
    </message>
    <message>
        <source>No road class chosen.</source>
        <translation>Geen wegklasse gekozen.</translation>
    </message>
    <message>
        <source>No tire given: the wheel perimeter is not checked.</source>
        <extracomment>the tire was not given, so the wheel perimeter is not checked</extracomment>
        <translation>Geen band opgegeven: de wielomtrek wordt niet gecontroleerd.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no tire size. Give its ETRTO size, width and bead seat diameter in millimetres (57-584), or a common size such as 26x2.1.</source>
        <extracomment>%1 what was given; keep 57-584 and 26x2.1 as they are</extracomment>
        <translation>&apos;%1&apos; is geen bandenmaat. Geef de ETRTO-maat, breedte en hieldiameter in millimeter (57-584), of een gangbare maat zoals 26x2.1.</translation>
    </message>
    <message>
        <source>%1, and there is no speed limit: it assists at any speed</source>
        <extracomment>%1 the wheel perimeter with its unit; &quot;Limit max speed&quot; is cleared, so nothing cuts the motor off</extracomment>
        <translation>%1, en er is geen snelheidslimiet: het ondersteunt bij elke snelheid</translation>
    </message>
    <message>
        <source>%1, so the speedometer reads %2 % slow</source>
        <extracomment>%1 the wheel perimeter with its unit (&quot;2074 mm&quot;), %2 how many per cent too slow it shows the speed (&quot;5&quot;)</extracomment>
        <translation>%1, dus de snelheidsmeter wijst %2 % te laag aan</translation>
    </message>
    <message>
        <source>%1, so the speedometer reads %2 % fast</source>
        <extracomment>%1 the wheel perimeter with its unit (&quot;2400 mm&quot;), %2 how many per cent too fast it shows the speed (&quot;16&quot;)</extracomment>
        <translation>%1, dus de snelheidsmeter wijst %2 % te hoog aan</translation>
    </message>
    <message>
        <source>%1 to %2: the tire %3 rolls %4 a turn</source>
        <extracomment>the perimeters that show the speed true to 3 %: %1 the least (&quot;2128 mm&quot;), %2 the largest (&quot;2258 mm&quot;), %3 the tire (&quot;57-584&quot;), %4 how far it rolls in one turn of the wheel (&quot;2193 mm&quot;)</extracomment>
        <translation>%1 tot %2: de band %3 rolt %4 per omwenteling</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <extracomment>one note: %1 the field&apos;s caption, %2 its value as a note says it, %3 the perimeters that read true</extracomment>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>Worth knowing, though it does not break the class:</source>
        <extracomment>above the notes of a check, after the line that says whether the class is kept</extracomment>
        <translation>Goed om te weten, al overtreedt het de klasse niet:</translation>
    </message>
</context>
<context>
    <name>RoadClasses</name>
    <message>
        <source>EU / UK pedelec (EN 15194)</source>
        <extracomment>the European and British class of pedal-assist bikes; keep EN 15194</extracomment>
        <translation>EU / VK pedelec (EN 15194)</translation>
    </message>
    <message>
        <source>US class 1</source>
        <extracomment>US class 1: pedal assist only, up to 20 mph</extracomment>
        <translation>VS klasse 1</translation>
    </message>
    <message>
        <source>US class 2</source>
        <extracomment>US class 2: throttle allowed, up to 20 mph</extracomment>
        <translation>VS klasse 2</translation>
    </message>
    <message>
        <source>US class 3</source>
        <extracomment>US class 3: pedal assist only, up to 28 mph</extracomment>
        <translation>VS klasse 3</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canada</translation>
    </message>
    <message>
        <source>Australia pedalec</source>
        <extracomment>&quot;pedalec&quot; is the Australian rules&apos; own word for a pedal-assist bike</extracomment>
        <translation>Australië pedalec</translation>
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
        <translation>Eenheid</translation>
    </message>
    <message>
        <source>Window</source>
        <extracomment>column heading: the value the window shows</extracomment>
        <translation>Venster</translation>
    </message>
    <message>
        <source>Controller</source>
        <extracomment>column heading: the value the controller holds</extracomment>
        <translation>Controller</translation>
    </message>
    <message>
        <source>Written</source>
        <extracomment>column heading: the value that was written to the controller</extracomment>
        <translation>Geschreven</translation>
    </message>
    <message>
        <source>Held by the controller</source>
        <extracomment>column heading: the value the controller holds after the write</extracomment>
        <translation>In de controller</translation>
    </message>
    <message>
        <source>Compare with Controller</source>
        <translation>Vergelijken met controller</translation>
    </message>
    <message>
        <source>These parameters differ between the window and the controller:</source>
        <translation>Deze parameters verschillen tussen het venster en de controller:</translation>
    </message>
    <message>
        <source>The controller holds the window&apos;s settings.</source>
        <translation>De controller bevat de instellingen uit het venster.</translation>
    </message>
    <message>
        <source>&amp;Load Controller&apos;s Values</source>
        <translation>&amp;Controllerwaarden laden</translation>
    </message>
    <message>
        <source>&amp;Write Window&apos;s Values</source>
        <translation>&amp;Vensterwaarden schrijven</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Back-up terugzetten</translation>
    </message>
    <message>
        <source>Choose a backup to load into the window. The controller does not change until you write the settings.</source>
        <translation>Kies een back-up om in het venster te laden. De controller verandert pas als u de instellingen wegschrijft.</translation>
    </message>
    <message>
        <source>Taken</source>
        <extracomment>column heading: when the backup was taken</extracomment>
        <translation>Gemaakt op</translation>
    </message>
    <message>
        <source>Parameters that differ from the window</source>
        <translation>Parameters die afwijken van het venster</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>There are no backups yet. A backup of the controller&apos;s settings is taken before every write.</source>
        <translation>Er zijn nog geen back-ups. Vóór elke schrijfactie wordt een back-up van de instellingen van de controller gemaakt.</translation>
    </message>
    <message>
        <source>Write that followed</source>
        <extracomment>column heading: how the write that followed the backup ended</extracomment>
        <translation>Schrijven daarna</translation>
    </message>
    <message>
        <source>Note</source>
        <extracomment>column heading: &quot;Taken after an interrupted write&quot;, or nothing</extracomment>
        <translation>Opmerking</translation>
    </message>
    <message>
        <source>A backup taken after an interrupted write may hold part of that write&apos;s values. To undo the interrupted write, load the newest backup without that note.</source>
        <translation>Een back-up die na onderbroken schrijven is gemaakt, kan een deel van de waarden van dat schrijven bevatten. Laad de nieuwste back-up zonder die opmerking om het onderbroken schrijven ongedaan te maken.</translation>
    </message>
    <message>
        <source>Values Outside the Limits</source>
        <translation>Waarden buiten de grenzen</translation>
    </message>
    <message>
        <source>Write anyway?</source>
        <translation>Toch schrijven?</translation>
    </message>
    <message>
        <source>&amp;Write Anyway</source>
        <translation>&amp;Toch schrijven</translation>
    </message>
    <message>
        <source>Unreadable</source>
        <extracomment>in the differences column of a backup file that cannot be loaded (empty or damaged)</extracomment>
        <translation>Onleesbaar</translation>
    </message>
    <message>
        <source>&amp;Compare with Controller…</source>
        <translation>&amp;Vergelijken met controller…</translation>
    </message>
    <message>
        <source>Back &amp;Up Before Write</source>
        <translation>&amp;Back-up maken vóór schrijven</translation>
    </message>
    <message>
        <source>&amp;Verify After Write</source>
        <translation>&amp;Controleren na schrijven</translation>
    </message>
    <message>
        <source>Restore &amp;Backup…</source>
        <translation>Back-up &amp;terugzetten…</translation>
    </message>
    <message>
        <source>%1 (no. %2)</source>
        <extracomment>when more than one backup was taken in the same second: %1 the date and time, %2 the backup&apos;s place among them (1 the first); &quot;14.03.26 09:30:01 (no. 2)&quot;</extracomment>
        <translation>%1 (nr. %2)</translation>
    </message>
    <message>
        <source>Implausible Values</source>
        <extracomment>the title of the question before a write when only implausible values are listed</extracomment>
        <translation>Onwaarschijnlijke waarden</translation>
    </message>
</context>
<context>
    <name>SettingsJson</name>
    <message>
        <source>This is no JSON (at byte %1: %2).</source>
        <extracomment>%1 where the JSON breaks (a byte offset), %2 the parser&apos;s reason (English)</extracomment>
        <translation>Dit is geen JSON (bij byte %1: %2).</translation>
    </message>
    <message>
        <source>This JSON holds no settings: its &quot;format&quot; is not &quot;vexlor-settings&quot;.</source>
        <extracomment>keep &quot;format&quot; and vexlor-settings as they are: they are written so in the file</extracomment>
        <translation>Deze JSON bevat geen instellingen: het &quot;format&quot; is niet &quot;vexlor-settings&quot;.</translation>
    </message>
    <message>
        <source>These settings are of version %1; this tool reads version %2 and older.</source>
        <extracomment>%1 the version the file names, %2 the newest this tool reads</extracomment>
        <translation>Deze instellingen zijn van versie %1; dit programma leest versie %2 en ouder.</translation>
    </message>
    <message>
        <source>Unknown member &quot;%1&quot;.</source>
        <extracomment>%1 the member as the file spells it; keep &quot;parameters&quot; and &quot;name&quot; as they are</extracomment>
        <translation>Onbekend onderdeel &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;parameters&quot; must be a list of objects, each with a &quot;name&quot; and a &quot;value&quot;.</source>
        <extracomment>keep &quot;parameters&quot;, &quot;name&quot; and &quot;value&quot; as they are: they are written so in the file</extracomment>
        <translation>&quot;parameters&quot; moet een lijst van objecten zijn, elk met &quot;name&quot; en &quot;value&quot;.</translation>
    </message>
    <message>
        <source>Unknown parameter &quot;%1&quot;.</source>
        <extracomment>%1 the parameter&apos;s name as the file spells it</extracomment>
        <translation>Onbekende parameter &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 is given twice.</source>
        <extracomment>%1 the parameter&apos;s name</extracomment>
        <translation>%1 is twee keer gegeven.</translation>
    </message>
    <message>
        <source>%1 is missing.</source>
        <extracomment>%1 the parameter&apos;s name</extracomment>
        <translation>%1 ontbreekt.</translation>
    </message>
    <message>
        <source>%1: %2 is of the wrong type; expected %3.</source>
        <extracomment>%1 the parameter&apos;s name, %2 the value as the file holds it, %3 what is expected instead</extracomment>
        <translation>%1: %2 heeft het verkeerde type; verwacht: %3.</translation>
    </message>
    <message>
        <source>a number</source>
        <extracomment>what a field&apos;s value must be: a number, in quotes or not</extracomment>
        <translation>een getal</translation>
    </message>
    <message>
        <source>true or false</source>
        <extracomment>keep true and false as they are: they are written so in the file</extracomment>
        <translation>true of false</translation>
    </message>
    <message>
        <source>0 or 1</source>
        <translation>0 of 1</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>een geheel getal</translation>
    </message>
    <message>
        <source>%1: the unit %2 is not the field&apos;s unit &quot;%3&quot;.</source>
        <extracomment>%1 the parameter&apos;s name, %2 the unit the file names, %3 the field&apos;s unit</extracomment>
        <translation>%1: de eenheid %2 is niet de eenheid van het veld, &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>%1: %2 holds characters a configuration file cannot keep.</source>
        <extracomment>%1 the parameter&apos;s name, %2 the value; a .vxc file holds 8-bit (Latin-1) text only</extracomment>
        <translation>%1: %2 bevat tekens die een configuratiebestand niet kan bewaren.</translation>
    </message>
    <message>
        <source>%1: %2 is beyond the field&apos;s limits (allowed: %3).</source>
        <extracomment>%1 the parameter&apos;s name, %2 the value, %3 the allowed range (&quot;at most 30.0 A&quot;)</extracomment>
        <translation>%1: %2 ligt buiten de grenzen van het veld (toegestaan: %3).</translation>
    </message>
    <message>
        <source>The fingerprint %1 does not belong to these values (they give %2): the file was changed after it was written. Remove the fingerprint to take the changed values.</source>
        <extracomment>%1 the fingerprint in the file, %2 the one of its values</extracomment>
        <translation>De vingerafdruk %1 hoort niet bij deze waarden (die geven %2): het bestand is gewijzigd nadat het geschreven is. Verwijder de vingerafdruk om de gewijzigde waarden over te nemen.</translation>
    </message>
</context>
<context>
    <name>SettingsSheet</name>
    <message>
        <source>Settings Sheet</source>
        <translation>Instellingenblad</translation>
    </message>
    <message>
        <source>Document: %1</source>
        <extracomment>%1 the configuration file&apos;s name, &quot;bike.vxc&quot;</extracomment>
        <translation>Document: %1</translation>
    </message>
    <message>
        <source>Document: not saved to a file</source>
        <translation>Document: niet in een bestand opgeslagen</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <extracomment>%1 the date in the user&apos;s language</extracomment>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>Made with: %1</source>
        <extracomment>%1 the tool&apos;s name and version, &quot;Vexlor Adjustor 1.35&quot;</extracomment>
        <translation>Gemaakt met: %1</translation>
    </message>
    <message>
        <source>Controller software version: v%1</source>
        <extracomment>%1 the controller&apos;s software version such as 1-35, after the letter v</extracomment>
        <translation>Softwareversie van de controller: v%1</translation>
    </message>
    <message>
        <source>Fingerprint</source>
        <extracomment>a short mark of the whole configuration, such as 3F2A-91C0, shown above it</extracomment>
        <translation>Vingerafdruk</translation>
    </message>
    <message>
        <source>Assist levels</source>
        <extracomment>the title of a bar chart of the nine assist levels&apos; limits, in percent</extracomment>
        <translation>Ondersteuningsniveaus</translation>
    </message>
    <message>
        <source>Road class check</source>
        <translation>Controle van de wegklasse</translation>
    </message>
    <message>
        <source>Bike shop: date and signature</source>
        <extracomment>under the line where the bike shop signs</extracomment>
        <translation>Fietsenwinkel: datum en handtekening</translation>
    </message>
    <message>
        <source>Customer: date and signature</source>
        <extracomment>under the line where the customer signs</extracomment>
        <translation>Klant: datum en handtekening</translation>
    </message>
    <message>
        <source>Values: the window&apos;s, not saved to a file</source>
        <extracomment>in place of the document&apos;s name when the values were changed after it was opened or saved</extracomment>
        <translation>Waarden: die van het venster, niet in een bestand opgeslagen</translation>
    </message>
    <message>
        <source>%1 is not a PDF file, and a settings sheet replaces no other file. Choose another name.</source>
        <extracomment>%1 the path of a file that is not a PDF, such as a configuration</extracomment>
        <translation>%1 is geen PDF-bestand, en een instellingenblad vervangt geen ander bestand. Kies een andere naam.</translation>
    </message>
    <message>
        <source>Units: %1</source>
        <extracomment>%1 the units speeds are shown in: &quot;Metric (km/h)&quot; or &quot;Imperial (mph)&quot;</extracomment>
        <translation>Eenheden: %1</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Limit max speed</source>
        <extracomment>the caption of the window&apos;s check box &quot;Limit max speed&quot; in the list of proposed values</extracomment>
        <translation>Max. snelheid begrenzen</translation>
    </message>
    <message>
        <source>%1 cells × 3.15 V, rounded up: stops before the cells run too low</source>
        <extracomment>why a low voltage protection: %1 the battery&apos;s cells in series (&quot;13&quot;); keep it short</extracomment>
        <translation>%1 cellen × 3,15 V, naar boven afgerond: stopt voordat de cellen te diep ontladen</translation>
    </message>
    <message>
        <source>as printed on the motor</source>
        <translation>zoals op de motor vermeld</translation>
    </message>
    <message>
        <source>the battery&apos;s nominal voltage, %1</source>
        <extracomment>%1 the battery&apos;s nominal voltage with its unit (&quot;48 V&quot;)</extracomment>
        <translation>de nominale spanning van de accu, %1</translation>
    </message>
    <message>
        <source>as printed on the motor; it does not fit the battery&apos;s %1</source>
        <extracomment>%1 the battery&apos;s nominal voltage (&quot;48 V&quot;): the motor&apos;s rated voltage differs from it</extracomment>
        <translation>zoals op de motor vermeld; past niet bij de %1 van de accu</translation>
    </message>
    <message>
        <source>the BMS&apos;s continuous current</source>
        <translation>de continue stroom van het BMS</translation>
    </message>
    <message>
        <source>the BMS gives %1, the field allows at most %2</source>
        <extracomment>%1 the BMS&apos;s continuous current (&quot;40.0 A&quot;), %2 the most the field allows (&quot;30.0 A&quot;)</extracomment>
        <translation>het BMS levert %1, het veld staat hoogstens %2 toe</translation>
    </message>
    <message>
        <source>the BMS gives %1, but never more than the max phase current, %2</source>
        <extracomment>%1 the BMS&apos;s continuous current (&quot;25.0 A&quot;), %2 the motor&apos;s max phase current (&quot;20 A&quot;)</extracomment>
        <translation>het BMS levert %1, maar nooit meer dan de max. fasestroom, %2</translation>
    </message>
    <message>
        <source>the limit of %1</source>
        <extracomment>%1 the road class&apos;s name</extracomment>
        <translation>de limiet van %1</translation>
    </message>
    <message>
        <source>so the controller keeps to the speed limit</source>
        <translation>zodat de controller zich aan de snelheidslimiet houdt</translation>
    </message>
    <message>
        <source>%1 allows a throttle only while pedalling</source>
        <extracomment>%1 the road class&apos;s name</extracomment>
        <translation>%1 staat een gashendel alleen toe tijdens het trappen</translation>
    </message>
    <message>
        <source>%1 allows it</source>
        <extracomment>%1 the road class&apos;s name</extracomment>
        <translation>%1 staat het toe</translation>
    </message>
    <message>
        <source>the tire %1 rolls %2 a turn</source>
        <extracomment>%1 the tire (&quot;57-584&quot;), %2 how far it rolls in one turn of the wheel (&quot;2193 mm&quot;)</extracomment>
        <translation>de band %1 rolt %2 per omwenteling</translation>
    </message>
    <message>
        <source>the levels the rider wants</source>
        <translation>de standen die de rijder wil</translation>
    </message>
    <message>
        <source>level %1 of %2, rising to 100 % at the top</source>
        <extracomment>%1 the level&apos;s number, %2 how many levels are in use</extracomment>
        <translation>stand %1 van %2, oplopend tot 100 % in de hoogste</translation>
    </message>
    <message>
        <source>as printed on the motor; the motor does not fit %1 (%2)</source>
        <extracomment>%1 the road class&apos;s name, %2 what it allows (&quot;at most 250 W&quot;)</extracomment>
        <translation>zoals op de motor vermeld; de motor past niet bij %1 (%2)</translation>
    </message>
    <message>
        <source>as set; it does not fit %1 (%2)</source>
        <extracomment>the motor&apos;s power was not given and the one set does not fit: %1 the class&apos;s name, %2 &quot;at most 250 W&quot;</extracomment>
        <translation>zoals ingesteld; past niet bij %1 (%2)</translation>
    </message>
    <message>
        <source>0 counts nothing: the initial value</source>
        <translation>0 telt niets: de beginwaarde</translation>
    </message>
    <message>
        <source>the start voltage must stay below the full voltage: the initial value</source>
        <translation>de startspanning moet onder de volle spanning blijven: de beginwaarde</translation>
    </message>
</context>
<context>
    <name>SetupWizard</name>
    <message>
        <source>not known</source>
        <extracomment>a motor value the rider has not found printed on the motor</extracomment>
        <translation>onbekend</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Accu</translation>
    </message>
    <message>
        <source>As printed on the battery and on its BMS.</source>
        <translation>Zoals vermeld op de accu en op het BMS.</translation>
    </message>
    <message>
        <source>other</source>
        <extracomment>the battery&apos;s nominal voltage is none of those listed: its cells are given below</extracomment>
        <translation>andere</translation>
    </message>
    <message>
        <source>Nominal voltage:</source>
        <extracomment>the voltage the battery is sold by: 24, 36, 48 or 52 V</extracomment>
        <translation>Nominale spanning:</translation>
    </message>
    <message>
        <source>Cells in series:</source>
        <translation>Cellen in serie:</translation>
    </message>
    <message>
        <source>BMS continuous current:</source>
        <extracomment>the current the battery&apos;s management system (BMS) gives without a break</extracomment>
        <translation>Continue stroom BMS:</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>As printed on the motor. What is not known stays as it is.</source>
        <translation>Zoals op de motor vermeld. Wat onbekend is, blijft zoals het is.</translation>
    </message>
    <message>
        <source>Wheel and road</source>
        <translation>Wiel en weg</translation>
    </message>
    <message>
        <source>The tire as printed on it, the road class the bike keeps to, and the assist levels the rider wants.</source>
        <translation>De band zoals erop vermeld, de wegklasse waaraan de fiets zich houdt en de ondersteuningsstanden die de rijder wil.</translation>
    </message>
    <message>
        <source>Proposed values</source>
        <translation>Voorgestelde waarden</translation>
    </message>
    <message>
        <source>Apply puts the ticked values into the window. Only Write sends them to the controller.</source>
        <translation>Toepassen zet de aangevinkte waarden in het venster. Pas Schrijven verstuurt ze naar de controller.</translation>
    </message>
    <message>
        <source>Setting</source>
        <extracomment>the columns of the proposed values: the field, its value now, the value proposed, why</extracomment>
        <translation>Instelling</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Nu</translation>
    </message>
    <message>
        <source>Proposed</source>
        <translation>Voorstel</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Waarom</translation>
    </message>
    <message>
        <source>Not every part fits %1: the rows say which.</source>
        <translation>Niet elk onderdeel past bij %1: de regels zeggen welk.</translation>
    </message>
    <message>
        <source>New Bike Setup</source>
        <extracomment>the window title of File &gt; New Bike Setup…</extracomment>
        <translation>Nieuwe fiets instellen</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <extracomment>the last page&apos;s button that puts the ticked values into the window (nothing is sent)</extracomment>
        <translation>Toe&amp;passen</translation>
    </message>
</context>
<context>
    <name>Shop</name>
    <message>
        <source>None</source>
        <extracomment>the check dialog&apos;s choice of no road class</extracomment>
        <translation>Geen</translation>
    </message>
    <message>
        <source>Check Road Class</source>
        <translation>Wegklasse controleren</translation>
    </message>
    <message>
        <source>&amp;Road class:</source>
        <translation>&amp;Wegklasse:</translation>
    </message>
    <message>
        <source>&amp;Tire:</source>
        <translation>&amp;Band:</translation>
    </message>
    <message>
        <source>Road Class Not Kept</source>
        <translation>Wegklasse niet nageleefd</translation>
    </message>
    <message>
        <source>Fingerprint %1</source>
        <extracomment>in the status strip: %1 the fingerprint of the controller&apos;s settings, such as 3F2A-91C0</extracomment>
        <translation>Vingerafdruk %1</translation>
    </message>
    <message>
        <source>Fingerprint of the window&apos;s settings: %1
Fingerprint of the controller&apos;s settings: %2</source>
        <extracomment>in the comparison: %1 the fingerprint of the window&apos;s settings, %2 the controller&apos;s</extracomment>
        <translation>Vingerafdruk van de instellingen in het venster: %1
Vingerafdruk van de instellingen in de controller: %2</translation>
    </message>
    <message>
        <source>Export Settings Sheet</source>
        <translation>Instellingenblad exporteren</translation>
    </message>
    <message>
        <source>PDF Documents (*.pdf)</source>
        <extracomment>the file dialog&apos;s filter; keep &quot;(*.pdf)&quot; as it is</extracomment>
        <translation>PDF-documenten (*.pdf)</translation>
    </message>
    <message>
        <source>Roa&amp;d Class</source>
        <extracomment>Connect &gt; Road Class: the submenu of legal classes writes are checked against</extracomment>
        <translation>&amp;Wegklasse</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <extracomment>Connect &gt; Road Class &gt; None: writes are checked against no class</extracomment>
        <translation>&amp;Geen</translation>
    </message>
    <message>
        <source>C&amp;heck Road Class…</source>
        <translation>Wegklasse contr&amp;oleren…</translation>
    </message>
    <message>
        <source>Ex&amp;port Settings Sheet…</source>
        <translation>Instellingenblad e&amp;xporteren…</translation>
    </message>
    <message>
        <source>Fingerprint</source>
        <extracomment>the status strip&apos;s fingerprint label as a screen reader names it</extracomment>
        <translation>Vingerafdruk</translation>
    </message>
    <message>
        <source>The tire&apos;s ETRTO size, width and bead seat diameter in millimetres (57-584), a common size such as 26x2.1, or the size printed on it in inches or French, such as 29x2.6 or 700x38c. Without a tire the wheel perimeter is not checked.</source>
        <extracomment>under the tire field; keep 57-584, 26x2.1, 29x2.6 and 700x38c as they are</extracomment>
        <translation>De ETRTO-maat van de band, breedte en hieldiameter in millimeter (57-584), een gangbare maat zoals 26x2.1, of de opgedrukte maat in inch of Frans, zoals 29x2.6 of 700x38c. Zonder band wordt de wielomtrek niet gecontroleerd.</translation>
    </message>
    <message>
        <source>Settings sheet saved to %1</source>
        <extracomment>in the status strip once the sheet is written: %1 the sheet&apos;s full path</extracomment>
        <translation>Instellingenblad opgeslagen als %1</translation>
    </message>
    <message>
        <source>No PDF viewer could be started; settings sheet saved to %1</source>
        <extracomment>in the status strip when the sheet is written but no program opens PDF files: %1 its full path</extracomment>
        <translation>Er kon geen PDF-viewer worden gestart; instellingenblad opgeslagen als %1</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Pedal-assist e-bike drive configuration</source>
        <translation>Configuratie van de e-bike-aandrijving met trapondersteuning</translation>
    </message>
</context>
<context>
    <name>Transactions</name>
    <message>
        <source>Busy</source>
        <extracomment>status strip, 34 pixels wide: frames are being exchanged with the controller</extracomment>
        <translation>Bezig</translation>
    </message>
    <message>
        <source>Idle</source>
        <extracomment>status strip, 34 pixels wide: nothing is being exchanged</extracomment>
        <translation>Rust</translation>
    </message>
    <message>
        <source>Pass</source>
        <extracomment>status strip, 38 pixels wide: the last read or write succeeded</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Fail</source>
        <extracomment>status strip, 38 pixels wide: the last read or write failed</extracomment>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Communication with controller failed!</source>
        <translation>Communicatie met de controller mislukt!</translation>
    </message>
    <message>
        <source>Communication with controller interrupted!</source>
        <translation>Communicatie met de controller onderbroken!</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Let op</translation>
    </message>
    <message>
        <source>This error may be caused by controller MCU flash write protection. Please re-program .hex file to the controller with the write option bytes. Read Page 7 of %1</source>
        <extracomment>%1 the programming guide&apos;s file name, ST-LINK_Installation_EN.pdf</extracomment>
        <translation>Deze fout kan worden veroorzaakt door de schrijfbeveiliging van het flashgeheugen van de microcontroller in de controller. Programmeer het .hex-bestand opnieuw in de controller en schrijf daarbij ook de option bytes. Lees pagina 7 van %1</translation>
    </message>
    <message>
        <source>Configuration of the controller was read successfully.</source>
        <translation>De configuratie van de controller is uitgelezen.</translation>
    </message>
    <message>
        <source>Read controller result</source>
        <translation>Resultaat uitlezen controller</translation>
    </message>
    <message>
        <source>Configuration of the controller was written successfully.</source>
        <translation>De configuratie is naar de controller geschreven.</translation>
    </message>
    <message>
        <source>Write controller result</source>
        <translation>Resultaat schrijven controller</translation>
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
        <translation>Imperiaal (mph)</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <extracomment>%1 the text that should have been a number such as 14.5</extracomment>
        <translation>&apos;%1&apos; is geen geldig decimaal getal</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <extracomment>%1 the text that should have been a whole number</extracomment>
        <translation>&apos;%1&apos; is geen geldig geheel getal</translation>
    </message>
    <message>
        <source>No item is selected for %1: select one of its %2 items.</source>
        <extracomment>%1 a radio group&apos;s title, %2 how many items it has</extracomment>
        <translation>Er is niets gekozen bij %1: kies een van de %2 opties.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is out of range for %2: the controller accepts 0 to less than %3.</source>
        <extracomment>%1 the text typed, %2 the field&apos;s caption, %3 the first value too large</extracomment>
        <translation>&apos;%1&apos; valt buiten het bereik van %2: de controller accepteert 0 tot (niet tot en met) %3.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is out of range for %2: the controller accepts 0 to %3.</source>
        <extracomment>%1 the text typed, %2 the field&apos;s caption, %3 the largest value accepted</extracomment>
        <translation>&apos;%1&apos; valt buiten het bereik van %2: de controller accepteert 0 tot en met %3.</translation>
    </message>
</context>
<context>
    <name>WriteSafety</name>
    <message>
        <source>The controller&apos;s settings could not be kept as a backup, so nothing was written.

%1</source>
        <extracomment>%1 the file&apos;s error, such as &quot;Cannot create file ...&quot;</extracomment>
        <translation>Er kon geen back-up van de instellingen van de controller worden gemaakt, dus er is niets geschreven.

%1</translation>
    </message>
    <message>
        <source>The configuration was written and stored, but reading it back to check it failed:
%1</source>
        <extracomment>%1 the read&apos;s own message, such as &quot;Communication with controller failed!&quot;</extracomment>
        <translation>De configuratie is geschreven en opgeslagen, maar het teruglezen ter controle is mislukt:
%1</translation>
    </message>
    <message>
        <source>The configuration was written and stored, but the controller holds other values than were written:</source>
        <translation>De configuratie is geschreven en opgeslagen, maar de controller bevat andere waarden dan er geschreven zijn:</translation>
    </message>
    <message>
        <source>%1: written %2, holds %3</source>
        <extracomment>%1 the field&apos;s caption, %2 the value written, %3 the value the controller holds</extracomment>
        <translation>%1: geschreven %2, in controller %3</translation>
    </message>
    <message>
        <source>Written, stored and checked</source>
        <translation>Geschreven, opgeslagen en gecontroleerd</translation>
    </message>
    <message>
        <source>Written and stored, not checked</source>
        <translation>Geschreven en opgeslagen, niet gecontroleerd</translation>
    </message>
    <message>
        <source>Written and stored; the controller holds other values</source>
        <translation>Geschreven en opgeslagen; de controller bevat andere waarden</translation>
    </message>
    <message>
        <source>Written and stored; reading it back failed</source>
        <translation>Geschreven en opgeslagen; teruglezen mislukt</translation>
    </message>
    <message>
        <source>Interrupted at frame %1 of %2</source>
        <extracomment>%1 the frame that went unanswered (0 to 59), %2 the frames of a write (60)</extracomment>
        <translation>Onderbroken bij frame %1 van %2</translation>
    </message>
    <message>
        <source>Sent, but the store failed</source>
        <translation>Verzonden, maar het opslaan is mislukt</translation>
    </message>
    <message>
        <source>Never ended (the program stopped)</source>
        <extracomment>the program stopped (closed, killed, crashed) before the write ended</extracomment>
        <translation>Nooit afgerond (het programma stopte)</translation>
    </message>
    <message>
        <source>Not recorded</source>
        <extracomment>the backup was taken by an older version, which kept no record of the write</extracomment>
        <translation>Niet vastgelegd</translation>
    </message>
    <message>
        <source>Taken after an interrupted write</source>
        <translation>Gemaakt na onderbroken schrijven</translation>
    </message>
    <message>
        <source>%1
The controller&apos;s settings could not be read for a backup, so nothing was written and no backup was kept.</source>
        <extracomment>%1 the read&apos;s own message, such as &quot;Communication with controller interrupted!&quot;</extracomment>
        <translation>%1
De instellingen van de controller konden niet worden gelezen voor een back-up, dus er is niets geschreven en geen back-up bewaard.</translation>
    </message>
</context>
<context>
    <name>vexlor::ConnectionDoctorDialog</name>
    <message>
        <source>Passed</source>
        <translation>Geslaagd</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Mislukt</translation>
    </message>
    <message>
        <source>Not applicable</source>
        <translation>Niet van toepassing</translation>
    </message>
    <message>
        <source>Connection Doctor</source>
        <translation>Verbindingsdiagnose</translation>
    </message>
    <message>
        <source>Why the programming cable does or does not work, and what fixes it:</source>
        <translation>Waarom de programmeerkabel wel of niet werkt, en wat het verhelpt:</translation>
    </message>
    <message>
        <source>&amp;Run Again</source>
        <translation>&amp;Opnieuw controleren</translation>
    </message>
    <message>
        <source>&amp;Copy Report</source>
        <translation>Rapport &amp;kopiëren</translation>
    </message>
    <message>
        <source>Fix: %1</source>
        <extracomment>before the fix of a check that failed or warns; %1 the fix, often a command</extracomment>
        <translation>Oplossing: %1</translation>
    </message>
    <message>
        <source>Asking the controller…</source>
        <translation>Controller wordt gevraagd…</translation>
    </message>
</context>
<context>
    <name>vexlor::HistoryDialog</name>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Handeling</translation>
    </message>
    <message>
        <source>Bike</source>
        <translation>Fiets</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Voor</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Na</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Uitkomst</translation>
    </message>
    <message>
        <source>Road class</source>
        <translation>Wegklasse</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Controle</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Melding</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Document</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Back-up</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Poort</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Gebruiker</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versie</translation>
    </message>
    <message>
        <source>History</source>
        <extracomment>the title of Connect &gt; History...: the register of every operation</extracomment>
        <translation>Geschiedenis</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Vanaf:</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Vanaf</translation>
    </message>
    <message>
        <source>&amp;Bike:</source>
        <translation>&amp;Fiets:</translation>
    </message>
    <message>
        <source>F&amp;ingerprint:</source>
        <translation>V&amp;ingerafdruk:</translation>
    </message>
    <message>
        <source>Open &amp;Document</source>
        <translation>&amp;Document openen</translation>
    </message>
    <message>
        <source>Open B&amp;ackup</source>
        <translation>&amp;Back-up openen</translation>
    </message>
    <message>
        <source>&amp;Settings Sheet…</source>
        <translation>&amp;Instellingenblad…</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>CSV &amp;exporteren…</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <extracomment>the file dialog&apos;s filter for the CSV export of the history</extracomment>
        <translation>CSV exporteren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-bestanden (*.csv)</translation>
    </message>
    <message>
        <source>Read</source>
        <comment>History: an operation</comment>
        <translation>Lezen</translation>
    </message>
    <message>
        <source>Write</source>
        <comment>History: an operation</comment>
        <translation>Schrijven</translation>
    </message>
    <message>
        <source>Compare</source>
        <comment>History: an operation</comment>
        <translation>Vergelijken</translation>
    </message>
    <message>
        <source>Backup written back</source>
        <comment>History: an operation</comment>
        <translation>Back-up teruggeschreven</translation>
    </message>
    <message>
        <source>Settings sheet</source>
        <comment>History: an operation</comment>
        <translation>Instellingenblad</translation>
    </message>
    <message>
        <source>Done</source>
        <comment>History: how an operation ended</comment>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>Failed</source>
        <comment>History: how an operation ended</comment>
        <translation>Mislukt</translation>
    </message>
    <message>
        <source>Values differ</source>
        <comment>History: how a comparison ended</comment>
        <translation>Waarden verschillen</translation>
    </message>
    <message>
        <source>Keeps the class</source>
        <comment>History: the road class check</comment>
        <translation>Houdt zich aan de klasse</translation>
    </message>
    <message>
        <source>Breaks the class</source>
        <comment>History: the road class check</comment>
        <translation>Overschrijdt de klasse</translation>
    </message>
</context>
</TS>
