<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en">
<context>
    <name>Cli</name>
    <message>
        <source>Usage: vexlor-cli %1</source>
        <extracomment>%1 the command&apos;s synopsis such as &quot;encode FILE&quot;; keep vexlor-cli as it is</extracomment>
        <translation>Użycie: vexlor-cli %1</translation>
    </message>
    <message>
        <source>Cannot write to the standard output.</source>
        <translation>Nie można zapisać na standardowe wyjście.</translation>
    </message>
    <message>
        <source>%1 lacks the Hall sensor type (a fault of an old version). Open it in the window, answer its question and save it, then try again.</source>
        <extracomment>%1 the file&apos;s path</extracomment>
        <translation>W pliku %1 brakuje typu czujników Halla (błąd starej wersji programu). Należy otworzyć ten plik w oknie programu, odpowiedzieć na pytanie i zapisać plik, a potem spróbować ponownie.</translation>
    </message>
    <message>
        <source>Backup: %1</source>
        <extracomment>%1 the backup file&apos;s path</extracomment>
        <translation>Kopia zapasowa: %1</translation>
    </message>
    <message>
        <source>Read back: the controller holds every value written.</source>
        <translation>Odczyt kontrolny: sterownik przechowuje wszystkie zapisane wartości.</translation>
    </message>
    <message>
        <source>apply FILE over the initial state and print the sixty values a write would send</source>
        <extracomment>FILE is the argument named in the synopsis &quot;encode FILE&quot;: keep it as it is</extracomment>
        <translation>nakłada FILE na stan początkowy i wypisuje sześćdziesiąt wartości, które zostałyby wysłane przy zapisie</translation>
    </message>
    <message>
        <source>list the serial ports, marking the one the tool would use</source>
        <translation>wyświetla porty szeregowe i zaznacza ten, którego użyłby program</translation>
    </message>
    <message>
        <source>test the connection and print the controller&apos;s software version</source>
        <translation>sprawdza połączenie i wypisuje wersję oprogramowania sterownika</translation>
    </message>
    <message>
        <source>read the controller&apos;s configuration into FILE (or stdout) as a .vxc file</source>
        <extracomment>FILE as in the synopsis &quot;read [FILE]&quot;; stdout stays as it is</extracomment>
        <translation>odczytuje konfigurację sterownika do FILE (lub na stdout) jako plik .vxc</translation>
    </message>
    <message>
        <source>apply FILE over the initial state, read the controller and print each parameter it holds otherwise: KEY, CAPTION, FILE VALUE, CONTROLLER VALUE, tab-separated</source>
        <extracomment>FILE as in the synopsis; KEY, CAPTION, FILE VALUE, CONTROLLER VALUE name the columns printed</extracomment>
        <translation>nakłada FILE na stan początkowy, odczytuje sterownik i wypisuje każdy parametr, który ma w sterowniku inną wartość: klucz, etykietę, wartość z pliku i wartość ze sterownika, rozdzielone tabulatorami</translation>
    </message>
    <message>
        <source>Cannot open %1: permission denied.
%2</source>
        <extracomment>%1 the serial device&apos;s path; %2 the lines that say how to get access</extracomment>
        <translation>Nie można otworzyć %1: brak uprawnień.
%2</translation>
    </message>
    <message>
        <source>Cannot open %1: another program is using it.</source>
        <extracomment>%1 the serial device&apos;s path</extracomment>
        <translation>Nie można otworzyć %1: urządzenie jest używane przez inny program.</translation>
    </message>
    <message>
        <source>Cannot open %1: no such device.</source>
        <extracomment>%1 the serial device&apos;s path</extracomment>
        <translation>Nie można otworzyć %1: nie ma takiego urządzenia.</translation>
    </message>
    <message>
        <source>Cannot open %1.</source>
        <extracomment>%1 the serial device&apos;s path</extracomment>
        <translation>Nie można otworzyć %1.</translation>
    </message>
    <message>
        <source>See %1</source>
        <extracomment>%1 the path of the programming guide, ST-LINK_Installation_EN.pdf</extracomment>
        <translation>Zob. %1</translation>
    </message>
    <message>
        <source>No programming cable found (no serial port of its USB bridge). Name the device with --port or VEXLOR_PORT.</source>
        <extracomment>keep --port and VEXLOR_PORT as they are</extracomment>
        <translation>Nie znaleziono kabla programującego (brak portu szeregowego jego mostka USB). Urządzenie można wskazać opcją --port lub zmienną VEXLOR_PORT.</translation>
    </message>
    <message>
        <source>No serial device at %1.</source>
        <extracomment>%1 the device path given with --port or VEXLOR_PORT</extracomment>
        <translation>Brak urządzenia szeregowego %1.</translation>
    </message>
    <message>
        <source>(named by --port or VEXLOR_PORT)</source>
        <translation>(wskazany przez --port lub VEXLOR_PORT)</translation>
    </message>
    <message>
        <source>No programming cable found.</source>
        <translation>Nie znaleziono kabla programującego.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Polecenia:</translation>
    </message>
    <message>
        <source>Backups go to %1 unless --backup-dir names another folder; the newest %2 are kept.</source>
        <extracomment>%1 the backup folder, %2 how many backups are kept; keep --backup-dir as it is</extracomment>
        <translation>Kopie zapasowe trafiają do %1, chyba że --backup-dir wskazuje inny folder; przechowywanych jest %2 najnowszych.</translation>
    </message>
    <message>
        <source>Reads, writes and checks the settings of a Vexlor FOC motor controller.</source>
        <translation>Odczytuje, zapisuje i sprawdza ustawienia sterownika silnika FOC Vexlor.</translation>
    </message>
    <message>
        <source>Use the serial DEVICE instead of looking for the cable.</source>
        <extracomment>DEVICE as in &quot;--port &lt;DEVICE&gt;&quot;: keep it as it is</extracomment>
        <translation>Używa urządzenia szeregowego DEVICE zamiast wyszukiwać kabel.</translation>
    </message>
    <message>
        <source>Treat &quot;Limit max speed&quot; as cleared: the speed limit is sent as 9000.</source>
        <extracomment>&quot;Limit max speed&quot; is the window&apos;s check box of that name</extracomment>
        <translation>Traktuje pole wyboru „Ogranicz prędkość maks.” jako odznaczone: ograniczenie prędkości jest wysyłane jako 9000.</translation>
    </message>
    <message>
        <source>The command to run (see below).</source>
        <translation>Polecenie do wykonania (zob. niżej).</translation>
    </message>
    <message>
        <source>Unknown command &apos;%1&apos;. Run vexlor-cli --help for the list.</source>
        <extracomment>%1 the word given as a command; keep &quot;vexlor-cli --help&quot; as it is</extracomment>
        <translation>Nieznane polecenie „%1”. Listę poleceń wyświetla vexlor-cli --help.</translation>
    </message>
    <message>
        <source>Nothing was written. Give --force to write them all the same.</source>
        <extracomment>keep --force as it is</extracomment>
        <translation>Nic nie zostało zapisane. Aby mimo to je zapisać, należy podać --force.</translation>
    </message>
    <message>
        <source>list the backups taken before writes, newest first: PATH, how the WRITE that followed ended, and a NOTE on one taken after an interrupted write, tab-separated</source>
        <extracomment>PATH, WRITE, NOTE name the columns printed</extracomment>
        <translation>wyświetla kopie zapasowe wykonane przed zapisami, od najnowszej: ścieżkę, wynik zapisu, który po niej nastąpił, i uwagę przy kopii wykonanej po przerwanym zapisie, rozdzielone tabulatorami</translation>
    </message>
    <message>
        <source>print the parameters that two .vxc files set differently, as the controller would receive them (exit 1 when some do)</source>
        <translation>wypisuje parametry, które dwa pliki .vxc ustawiają inaczej, tak jak odebrałby je sterownik (kod wyjścia 1, jeśli są takie różnice)</translation>
    </message>
    <message>
        <source>Exit codes: 0 done, 1 controller or link failure, 2 bad input or usage.
diff exits as diff(1) does: 0 no difference, 1 some differ, 2 bad input or usage.
compare exits 0 when the controller holds the file&apos;s values, 3 when some differ, 1 on a controller or link failure, 2 on bad input or usage.
write exits 1 also when the read-back finds other values than were written (they are printed as compare prints them), and 2 when the backup cannot be kept or, without --force, values are outside the window&apos;s limits (nothing is written).</source>
        <extracomment>diff(1) is the Unix command diff; keep command names (diff, compare, write) and --force as they are</extracomment>
        <translation>Kody wyjścia: 0 wykonano, 1 błąd sterownika lub połączenia, 2 błędne dane wejściowe lub wywołanie.
diff zwraca kody tak jak diff(1): 0 brak różnic, 1 są różnice, 2 błędne dane wejściowe lub wywołanie.
compare zwraca 0, gdy sterownik ma wartości z pliku, 3, gdy niektóre się różnią, 1 przy błędzie sterownika lub połączenia, 2 przy błędnych danych wejściowych lub wywołaniu.
write zwraca 1 także wtedy, gdy odczyt kontrolny wykaże inne wartości niż zapisane (są one wypisywane tak samo jak w compare), oraz 2, gdy nie można zachować kopii zapasowej lub, bez --force, wartości wykraczają poza granice okna (nic nie zostaje zapisane).</translation>
    </message>
    <message>
        <source>check the cable, its driver, access, other programs on the port, ModemManager, brltty, the latency timer, a sandbox and the controller: one line each, STATUS CHECK DETAIL [FIX], tab-separated (exit 1 when a check fails); --json prints them as JSON</source>
        <extracomment>keep the check names as they are; STATUS, CHECK, DETAIL and FIX name the fields printed</extracomment>
        <translation>sprawdza kabel, jego sterownik systemowy, dostęp, inne programy na porcie, ModemManager, brltty, licznik opóźnienia, piaskownicę i sterownik: po jednym wierszu STATUS CHECK DETAIL [FIX], rozdzielone tabulatorami (kod wyjścia 1, gdy któreś sprawdzenie się nie powiedzie); --json wypisuje je jako JSON</translation>
    </message>
    <message>
        <source>list the road classes: ID, NAME, the speed and rated power they allow and whether a throttle may work without pedalling, tab-separated</source>
        <extracomment>ID, NAME name the columns printed</extracomment>
        <translation>wypisz klasy drogowe: ID, NAME, dozwoloną prędkość i moc znamionową oraz czy manetka gazu może działać bez pedałowania, rozdzielone tabulatorami</translation>
    </message>
    <message>
        <source>print the fingerprint of the sixty values a write of FILE sends, or without FILE read the controller and print the fingerprint of what it holds</source>
        <extracomment>FILE as in the synopsis</extracomment>
        <translation>wypisz odcisk sześćdziesięciu wartości, które wysyła zapis FILE, lub bez FILE odczytaj sterownik i wypisz odcisk tego, co zawiera</translation>
    </message>
    <message>
        <source>apply FILE over the initial state and write its settings sheet, a one-page PDF with every parameter, the fingerprint, the road class check and lines to sign, to OUT.pdf</source>
        <extracomment>FILE, OUT.pdf, ID, ETRTO as in the synopsis</extracomment>
        <translation>zastosuj FILE do stanu początkowego i zapisz jego kartę ustawień, jednostronicowy PDF z każdym parametrem, odciskiem, sprawdzeniem klasy drogowej i liniami do podpisu, do OUT.pdf</translation>
    </message>
    <message>
        <source>check exits 0 when the file keeps to the road class, 3 when some value breaks it, 2 on bad input or usage.</source>
        <translation>check kończy się kodem 0, gdy plik spełnia klasę drogową, 3, gdy jakaś wartość ją łamie, 2 przy błędnych danych lub użyciu.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no road class. vexlor-cli classes lists them.</source>
        <extracomment>%1 what was given after --class; keep &quot;vexlor-cli classes&quot; as it is</extracomment>
        <translation>„%1” nie jest klasą drogową. vexlor-cli classes je wypisuje.</translation>
    </message>
    <message>
        <source>The settings sheet would replace %1, the file it is made of. Name another file with -o.</source>
        <extracomment>%1 the configuration file&apos;s path; keep -o as it is</extracomment>
        <translation>Karta ustawień zastąpiłaby %1, plik, z którego powstaje. Podaj inny plik za pomocą -o.</translation>
    </message>
    <message>
        <source>%1 may be given only once.</source>
        <extracomment>%1 the option given more than once, &quot;--class&quot;</extracomment>
        <translation>%1 można podać tylko raz.</translation>
    </message>
    <message>
        <source>apply FILE over the initial state and print each value that looks implausible, and with --class each that breaks the road class ID or is worth a note: STATUS (breaks, warn or note), RULE, CAPTION, VALUE, LIMIT, tab-separated; with the real tire as ETRTO (57-584), a common size (26x2.1) or as printed (29x2.6, 700x38c) the wheel perimeter too (exit 3 when some break the class, with --strict also when some look implausible)</source>
        <extracomment>FILE, ID, ETRTO as in the synopsis; STATUS, RULE, CAPTION, VALUE, LIMIT name the columns printed; keep breaks, warn and note, the words STATUS shows, and --strict</extracomment>
        <translation>zastosuj FILE do stanu początkowego i wypisz każdą wartość, która wygląda na nieprawdopodobną, a z --class każdą łamiącą klasę drogową ID lub wartą uwagi: STATUS (breaks, warn lub note), RULE, CAPTION, VALUE, LIMIT, rozdzielone tabulatorami; z prawdziwą oponą jako ETRTO (57-584), popularny rozmiar (26x2.1) lub jak nadrukowano (29x2.6, 700x38c) także obwód koła (kod 3, gdy jakaś wartość łamie klasę, z --strict także gdy jakaś wygląda na nieprawdopodobną)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; names no units: give --units metric or --units imperial.</source>
        <extracomment>%1 what was given after --units; keep --units, metric and imperial as they are</extracomment>
        <translation>„%1” nie oznacza jednostek: podaj --units metric lub --units imperial.</translation>
    </message>
    <message>
        <source>Print speeds in UNITS, metric (km/h, the default) or imperial (mph), before or after the command; files and the controller keep km/h.</source>
        <extracomment>UNITS as in &quot;--units &lt;UNITS&gt;&quot;; keep UNITS, metric and imperial as they are</extracomment>
        <translation>Wypisuj prędkości w UNITS, metric (km/h, domyślnie) lub imperial (mph), przed poleceniem lub po nim; pliki i sterownik pozostają przy km/h.</translation>
    </message>
    <message>
        <source>apply FILE over the initial state and print its settings as JSON: each parameter by name with its value and unit, and the fingerprint (docs/settings-json.md)</source>
        <extracomment>FILE as in the synopsis; keep JSON as it is</extracomment>
        <translation>zastosować FILE do stanu początkowego i wypisać jego ustawienia jako JSON: każdy parametr z nazwą, wartością i jednostką oraz odcisk (docs/settings-json.md)</translation>
    </message>
    <message>
        <source>turn the settings JSON (- for stdin) into the .vxc file FILE or the profile NAME; refuses unknown names, wrong types and, without --force, values outside the window&apos;s limits, and never writes over a file that is no configuration</source>
        <extracomment>JSON, FILE, NAME, TEXT as in the synopsis; keep --force as it is</extracomment>
        <translation>zamienić JSON z ustawieniami (- dla standardowego wejścia) na plik .vxc FILE lub profil NAME; odrzuca nieznane nazwy, złe typy oraz bez --force wartości poza granicami okna i nigdy nie nadpisuje pliku, który nie jest konfiguracją</translation>
    </message>
    <message>
        <source>list the profiles, the configurations kept under a name: NAME and NOTE, tab-separated; every command taking FILE takes --profile NAME instead</source>
        <extracomment>NAME, NOTE name the columns printed; keep --profile as it is</extracomment>
        <translation>wypisać profile, konfiguracje zachowane pod nazwą: NAME i NOTE, rozdzielone tabulatorami; każde polecenie przyjmujące FILE przyjmuje zamiast tego --profile NAME</translation>
    </message>
    <message>
        <source>%1 is no configuration file: it is left as it is.</source>
        <extracomment>%1 the path given after -o</extracomment>
        <translation>%1 nie jest plikiem konfiguracji: pozostaje bez zmian.</translation>
    </message>
    <message>
        <source>print the register of operations, newest first, one tab-separated line each under a line naming the columns: only bike labels holding LABEL, only from DATE (YYYY-MM-DD, UTC) on; as CSV or JSON</source>
        <extracomment>LABEL, DATE as in the synopsis; keep the option names as they are</extracomment>
        <translation>wypisz rejestr operacji, od najnowszej, po jednym wierszu rozdzielonym tabulatorami pod wierszem z nazwami kolumn: tylko etykiety rowerów zawierające LABEL, tylko od DATE (RRRR-MM-DD, UTC); jako CSV lub JSON</translation>
    </message>
    <message>
        <source>--since wants a date as YYYY-MM-DD, not %1.</source>
        <extracomment>%1 the date given; keep --since and YYYY-MM-DD as they are</extracomment>
        <translation>--since wymaga daty w postaci YYYY-MM-DD, a nie %1.</translation>
    </message>
    <message>
        <source>Record the operation for the bike LABEL (a frame number, a customer); history shows only its records.</source>
        <extracomment>LABEL as in &quot;--bike &lt;LABEL&gt;&quot;: keep it as it is</extracomment>
        <translation>Zapisz operację dla roweru LABEL (numer ramy, klient); history pokazuje tylko jego wpisy.</translation>
    </message>
    <message>
        <source>Parameters that differ: %1</source>
        <extracomment>the register&apos;s message of a comparison; %1 how many parameters the controller holds otherwise</extracomment>
        <translation>Parametry, które się różnią: %1</translation>
    </message>
    <message>
        <source>print what the parameter NAME (MaxBatteryCurrent) does, its unit, the range the window allows and its initial value; without NAME every parameter, one block each</source>
        <extracomment>NAME as in the synopsis: a parameter&apos;s name, MaxBatteryCurrent; keep it as it is</extracomment>
        <translation>wypisuje, co robi parametr NAME (MaxBatteryCurrent), jego jednostkę, zakres dopuszczany przez okno i wartość początkową; bez NAME wszystkie parametry, każdy w osobnym bloku</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no parameter. vexlor-cli explain lists them all.</source>
        <extracomment>%1 what was given as NAME; keep &quot;vexlor-cli explain&quot; as it is</extracomment>
        <translation>„%1” nie jest parametrem. vexlor-cli explain wypisuje je wszystkie.</translation>
    </message>
    <message>
        <source>propose values for a bike&apos;s battery (nominal V or cells as 13s), BMS current, tire, road class ID, motor and assist levels over FILE (or the initial state), write them to OUT.vxc and print CAPTION, NOW, PROPOSED, WHY, tab-separated</source>
        <extracomment>V, A, SIZE, ID, W, N, FILE, OUT.vxc as in the synopsis; 13s, CAPTION, NOW, PROPOSED, WHY name what is given and the columns printed</extracomment>
        <translation>zaproponuj wartości dla akumulatora (nominalne V lub ogniwa jako 13s), prądu BMS, opony, klasy drogowej ID, silnika i poziomów wspomagania roweru na bazie FILE (lub stanu początkowego), zapisz je do OUT.vxc i wypisz CAPTION, NOW, PROPOSED, WHY rozdzielone tabulatorami</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3, not &apos;%4&apos;.</source>
        <extracomment>%1 the option (&quot;--bms&quot;), %2 and %3 its least and largest value, %4 what was given</extracomment>
        <translation>%1 przyjmuje liczbę od %2 do %3, a nie „%4”.</translation>
    </message>
    <message>
        <source>The proposal would replace %1, the file it starts from. Name another file with -o.</source>
        <extracomment>%1 the configuration file&apos;s path; keep -o as it is</extracomment>
        <translation>Propozycja zastąpiłaby %1, plik, od którego wychodzi. Podaj inny plik za pomocą -o.</translation>
    </message>
    <message>
        <source>%1 is no configuration file, so the proposal does not replace it. Name another file with -o.</source>
        <extracomment>%1 the path given with -o; keep -o as it is</extracomment>
        <translation>%1 nie jest plikiem konfiguracji, więc propozycja go nie zastąpi. Podaj inny plik za pomocą -o.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no battery: give its nominal voltage (24, 36, 48 or 52) or its cells in series (13s).</source>
        <extracomment>%1 what was given after --battery; keep 13s as it is</extracomment>
        <translation>„%1” to nie akumulator: podaj jego napięcie nominalne (24, 36, 48 lub 52) albo ogniwa szeregowo (13s).</translation>
    </message>
    <message>
        <source>Keep the records in the shop&apos;s register on the server URL, postgresql://USER@HOST[:PORT]/DB, instead of the one config.ini names; records wait on this computer while the server cannot be reached.</source>
        <extracomment>URL as in &quot;--register &lt;URL&gt;&quot;; keep URL, config.ini and postgresql://USER@HOST[:PORT]/DB as they are</extracomment>
        <translation>Przechowuj wpisy w rejestrze warsztatu na serwerze URL, postgresql://USER@HOST[:PORT]/DB, zamiast na tym, który wskazuje config.ini; dopóki serwer jest nieosiągalny, wpisy czekają na tym komputerze.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <extracomment>%1 the file given with --bike-from, %2 why it cannot be read</extracomment>
        <translation>Nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>%1 holds no bike label.</source>
        <extracomment>%1 the file given with --bike-from</extracomment>
        <translation>%1 nie zawiera żadnej etykiety roweru.</translation>
    </message>
    <message>
        <source>apply FILE over the initial state, keep the controller&apos;s settings as a backup (path on stderr), write FILE&apos;s and store them, read them back to check; values outside the window&apos;s limits are written only with --force; with --each the production line: every controller that comes is written and recorded, labelled from FILE.csv or numbered after --bike, one line each, until Ctrl+C</source>
        <extracomment>FILE, FILE.csv as in the synopsis; stderr, --force, --each and --bike stay as they are</extracomment>
        <translation>nakłada FILE na stan początkowy, zachowuje dotychczasowe ustawienia sterownika jako kopię zapasową (ścieżka na stderr), zapisuje ustawienia z FILE w sterowniku i utrwala je, a potem odczytuje je z powrotem w celu sprawdzenia; wartości spoza granic okna zapisuje tylko z --force; z --each linia produkcyjna: każdy podłączony sterownik jest zapisywany i rejestrowany, z etykietą z FILE.csv lub numerowany po --bike, jeden wiersz na rower, aż do Ctrl+C</translation>
    </message>
    <message>
        <source>write --each exits 0 when no bike failed (also when none came), 1 when some failed.</source>
        <translation>write --each kończy się kodem 0, gdy żaden rower nie zawiódł (także gdy żaden nie przyszedł), 1, gdy któryś zawiódł.</translation>
    </message>
    <message>
        <source>Bike %1: connect its controller (Ctrl+C ends the line).</source>
        <extracomment>%1 the bike&apos;s label; Ctrl+C as keyboards in the language name the keys</extracomment>
        <translation>Rower %1: podłącz jego sterownik (Ctrl+C kończy linię).</translation>
    </message>
    <message>
        <source>Every label of the list has its bike: the line ends.</source>
        <translation>Każda etykieta z listy ma swój rower: linia się kończy.</translation>
    </message>
    <message>
        <source>Bike %1: disconnect its controller.</source>
        <extracomment>%1 the bike&apos;s label</extracomment>
        <translation>Rower %1: odłącz jego sterownik.</translation>
    </message>
    <message>
        <source>The line ends once this bike&apos;s write is over.</source>
        <translation>Linia zakończy się po zapisie tego roweru.</translation>
    </message>
    <message>
        <source>Written: %1, failed: %2</source>
        <extracomment>the production line&apos;s summary; %1 bikes written, %2 bikes that failed</extracomment>
        <translation>Zapisane: %1, nieudane: %2</translation>
    </message>
</context>
<context>
    <name>Comparison</name>
    <message>
        <source>On</source>
        <extracomment>a check box&apos;s state in a list of values: ticked</extracomment>
        <translation>Wł.</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>a check box&apos;s state in a list of values: clear</extracomment>
        <translation>Wył.</translation>
    </message>
</context>
<context>
    <name>ConnectionCheck</name>
    <message>
        <source>Connection to controller is OK!
Controller software version: v%1

Would you like to read the controller&apos;s configuration now?</source>
        <extracomment>%1 the controller&apos;s software version such as 1-35, after the letter v</extracomment>
        <translation>Połączenie ze sterownikiem działa!
Wersja oprogramowania sterownika: v%1

Odczytać teraz konfigurację sterownika?</translation>
    </message>
    <message>
        <source>Connection to controller is OK!
Controller software version: v%1</source>
        <extracomment>%1 the controller&apos;s software version such as 1-35, after the letter v</extracomment>
        <translation>Połączenie ze sterownikiem działa!
Wersja oprogramowania sterownika: v%1</translation>
    </message>
    <message>
        <source>Connection to controller is not detected!</source>
        <translation>Nie wykryto połączenia ze sterownikiem!</translation>
    </message>
</context>
<context>
    <name>Doctor</name>
    <message>
        <source>You are in group %1, but its members may not read and write the device.</source>
        <extracomment>%1 a group&apos;s name</extracomment>
        <translation>Należysz do grupy %1, ale jej członkowie nie mogą czytać ani zapisywać urządzenia.</translation>
    </message>
    <message>
        <source>You are in group %1.</source>
        <translation>Należysz do grupy %1.</translation>
    </message>
    <message>
        <source>You were added to group %1 after this session began; the membership counts from your next login.</source>
        <translation>Dodano cię do grupy %1 po rozpoczęciu tej sesji; członkostwo obowiązuje od następnego logowania.</translation>
    </message>
    <message>
        <source>You are not in group %1.</source>
        <translation>Nie należysz do grupy %1.</translation>
    </message>
    <message>
        <source>%1 refuses you: owner %2, group %3, mode %4.</source>
        <extracomment>%1 the device, %2 its owner, %3 its group, %4 its mode in octal (0660)</extracomment>
        <translation>%1 odmawia dostępu: właściciel %2, grupa %3, tryb %4.</translation>
    </message>
    <message>
        <source>The cable rule %1 is installed (%2).</source>
        <translation>Reguła kabla %1 jest zainstalowana (%2).</translation>
    </message>
    <message>
        <source>The cable rule %1 is not installed.</source>
        <translation>Reguła kabla %1 nie jest zainstalowana.</translation>
    </message>
    <message>
        <source>The device grants you access through the seat&apos;s access entry.</source>
        <translation>Urządzenie daje ci dostęp przez wpis dostępu stanowiska.</translation>
    </message>
    <message>
        <source>The device carries no access entry for you (the cable rule gives one to the user at the computer&apos;s own screen).</source>
        <translation>Urządzenie nie ma dla ciebie wpisu dostępu (reguła kabla nadaje go użytkownikowi przy ekranie samego komputera).</translation>
    </message>
    <message>
        <source>%1, then log out and in again.</source>
        <extracomment>%1 a command</extracomment>
        <translation>%1, a następnie wyloguj się i zaloguj ponownie.</translation>
    </message>
    <message>
        <source>Something beyond the device&apos;s permissions refuses you (a sandbox or a security module); see sandbox.</source>
        <translation>Dostępu odmawia coś poza uprawnieniami urządzenia (piaskownica lub moduł bezpieczeństwa); zobacz sandbox.</translation>
    </message>
    <message>
        <source>Log out and in again (or restart the computer).</source>
        <translation>Wyloguj się i zaloguj ponownie (albo uruchom komputer ponownie).</translation>
    </message>
    <message>
        <source>Use %1 as its owner, %2, or ask them to let you use it.</source>
        <extracomment>%1 the device, %2 its owner</extracomment>
        <translation>Używaj %1 jako jego właściciel, %2, albo poproś go o zgodę.</translation>
    </message>
    <message>
        <source>%1 is gone.</source>
        <translation>%1 zniknął.</translation>
    </message>
    <message>
        <source>Plug the cable in again.</source>
        <translation>Podłącz kabel ponownie.</translation>
    </message>
    <message>
        <source>The tool holds %1 open for reading and writing.</source>
        <extracomment>%1 the serial device</extracomment>
        <translation>Program trzyma %1 otwarty do odczytu i zapisu.</translation>
    </message>
    <message>
        <source>%1 opens for reading and writing.</source>
        <translation>%1 otwiera się do odczytu i zapisu.</translation>
    </message>
    <message>
        <source>%1 does not open: %2.</source>
        <extracomment>%1 the serial device, %2 the system&apos;s reason</extracomment>
        <translation>%1 nie otwiera się: %2.</translation>
    </message>
    <message>
        <source>Unplug the cable and plug it in again.</source>
        <translation>Odłącz kabel i podłącz go ponownie.</translation>
    </message>
    <message>
        <source>%1 is a pseudo-terminal: the program at its other end holds it open.</source>
        <translation>%1 to pseudoterminal: program po jego drugiej stronie trzyma go otwarty.</translation>
    </message>
    <message>
        <source>%1 (process %2)</source>
        <extracomment>%1 a program&apos;s name, %2 its process id</extracomment>
        <translation>%1 (proces %2)</translation>
    </message>
    <message>
        <source>%1 is held open by %2.</source>
        <extracomment>%1 the serial device, %2 the programs with their process ids</extracomment>
        <translation>%1 jest trzymany otwarty przez %2.</translation>
    </message>
    <message>
        <source>Close %1, or end it: %2</source>
        <extracomment>%1 the programs, %2 the command that ends them</extracomment>
        <translation>Zamknij %1 albo zakończ proces: %2</translation>
    </message>
    <message>
        <source>Another user&apos;s process holds %1 for itself.</source>
        <translation>Proces innego użytkownika trzyma %1 na wyłączność.</translation>
    </message>
    <message>
        <source>Find it with %1 and close it.</source>
        <extracomment>%1 a command that names the process</extracomment>
        <translation>Znajdź go poleceniem %1 i zamknij.</translation>
    </message>
    <message>
        <source>No other process of yours holds %1 open (the open files of %2 processes of other users cannot be seen).</source>
        <extracomment>%1 the serial device, %2 a number of processes</extracomment>
        <translation>Żaden inny twój proces nie trzyma %1 otwartego (otwartych plików procesów innych użytkowników nie widać; jest ich %2).</translation>
    </message>
    <message>
        <source>No other process holds %1 open.</source>
        <translation>Żaden inny proces nie trzyma %1 otwartego.</translation>
    </message>
    <message>
        <source>%1: USB %2 (%3), no serial number.</source>
        <extracomment>%1 the serial device, %2 the USB vendor:product, %3 the device&apos;s own name</extracomment>
        <translation>%1: USB %2 (%3), brak numeru seryjnego.</translation>
    </message>
    <message>
        <source>%1: USB %2 (%3), serial number %4.</source>
        <extracomment>%1 the serial device, %2 the USB vendor:product, %3 the device&apos;s own name, %4 its serial number</extracomment>
        <translation>%1: USB %2 (%3), numer seryjny %4.</translation>
    </message>
    <message>
        <source>No programming cable is plugged in: no USB serial port of a known cable.</source>
        <translation>Nie podłączono kabla programującego: brak portu szeregowego USB znanego kabla.</translation>
    </message>
    <message>
        <source>The cable&apos;s USB device %1 is present but has no serial port (see driver).</source>
        <extracomment>%1 the USB device&apos;s place on the bus, such as 1-1.4</extracomment>
        <translation>Urządzenie USB %1 kabla jest obecne, ale nie ma portu szeregowego (zobacz driver).</translation>
    </message>
    <message>
        <source>%1, then unplug the cable and plug it in again.</source>
        <extracomment>%1 a command</extracomment>
        <translation>%1, a następnie odłącz kabel i podłącz go ponownie.</translation>
    </message>
    <message>
        <source>No other USB serial port is present.</source>
        <translation>Nie ma żadnego innego portu szeregowego USB.</translation>
    </message>
    <message>
        <source>USB serial ports present: %1.</source>
        <translation>Obecne porty szeregowe USB: %1.</translation>
    </message>
    <message>
        <source>Plug the programming cable into a USB port of this computer.</source>
        <translation>Podłącz kabel programujący do portu USB tego komputera.</translation>
    </message>
    <message>
        <source>No serial device at %1.</source>
        <extracomment>%1 the device path given with --port or VEXLOR_PORT</extracomment>
        <translation>Brak urządzenia szeregowego pod %1.</translation>
    </message>
    <message>
        <source>Name the cable&apos;s serial device; vexlor-cli ports lists them.</source>
        <translation>Wskaż urządzenie szeregowe kabla; vexlor-cli ports je wyświetla.</translation>
    </message>
    <message>
        <source>%1 is a USB serial port of %2 (%3), not of a known programming cable.</source>
        <extracomment>%1 the serial device, %2 its USB vendor:product, %3 the device&apos;s own name</extracomment>
        <translation>%1 to port szeregowy USB urządzenia %2 (%3), a nie znanego kabla programującego.</translation>
    </message>
    <message>
        <source>Name the programming cable&apos;s port, or name none to look for the cable.</source>
        <translation>Wskaż port kabla programującego albo nie wskazuj żadnego, aby program sam szukał kabla.</translation>
    </message>
    <message>
        <source>%1 is no USB serial port (a pseudo-terminal or a built-in port).</source>
        <translation>%1 nie jest portem szeregowym USB (to pseudoterminal albo wbudowany port).</translation>
    </message>
    <message>
        <source>%1 cables are plugged in: %2. The tool uses the last one found, %3.</source>
        <extracomment>%1 how many, %2 their serial devices, %3 the one the tool uses</extracomment>
        <translation>Podłączone kable: %1 (%2). Program używa ostatniego znalezionego, %3.</translation>
    </message>
    <message>
        <source>Unplug the cables you do not use, or name one with --port or VEXLOR_PORT.</source>
        <extracomment>keep --port and VEXLOR_PORT as they are</extracomment>
        <translation>Odłącz nieużywane kable albo wskaż jeden opcją --port lub zmienną VEXLOR_PORT.</translation>
    </message>
    <message>
        <source>A program holds the cable&apos;s USB device %1 directly (usbfs), so the serial driver cannot make a port of it.</source>
        <extracomment>usbfs: keep as it is; %1 the USB device&apos;s place on the bus, such as 1-1.4</extracomment>
        <translation>Program trzyma urządzenie USB %1 kabla bezpośrednio (usbfs), więc sterownik szeregowy nie może utworzyć z niego portu.</translation>
    </message>
    <message>
        <source>Close the other program that uses the cable, then unplug the cable and plug it in again.</source>
        <translation>Zamknij inny program, który używa kabla, a następnie odłącz kabel i podłącz go ponownie.</translation>
    </message>
    <message>
        <source>No kernel driver made a serial port of the cable&apos;s USB device %1.</source>
        <translation>Żaden sterownik jądra nie utworzył portu szeregowego z urządzenia USB %1 kabla.</translation>
    </message>
    <message>
        <source>The kernel made %1, but its device node %2 is missing.</source>
        <extracomment>%1 the kernel&apos;s name of the port (ttyUSB0), %2 its device node</extracomment>
        <translation>Jądro utworzyło %1, ale brakuje jego pliku urządzenia %2.</translation>
    </message>
    <message>
        <source>%1 drives %2, not %3, the cable&apos;s own driver.</source>
        <extracomment>%1 the driver in use, %2 the port, %3 the driver made for the cable</extracomment>
        <translation>%1 obsługuje %2 zamiast %3, własnego sterownika kabla.</translation>
    </message>
    <message>
        <source>%1 drives %2; its device node is %3.</source>
        <extracomment>%1 the kernel driver, %2 the kernel&apos;s name of the port (ttyUSB0), %3 its device node</extracomment>
        <translation>%1 obsługuje %2; jego plik urządzenia to %3.</translation>
    </message>
    <message>
        <source>No cable port to look at.</source>
        <translation>Brak portu kabla do sprawdzenia.</translation>
    </message>
    <message>
        <source>%1 is no USB serial port.</source>
        <translation>%1 nie jest portem szeregowym USB.</translation>
    </message>
    <message>
        <source>ModemManager is not running.</source>
        <translation>ModemManager nie działa.</translation>
    </message>
    <message>
        <source>ModemManager is running and is told to ignore %1 (%2).</source>
        <extracomment>%1 the USB vendor:product, %2 the rules file that says so</extracomment>
        <translation>ModemManager działa i ma pomijać %1 (%2).</translation>
    </message>
    <message>
        <source>ModemManager is running and may probe %1 (%2) for a modem, which garbles the controller&apos;s replies.</source>
        <extracomment>%1 the serial device, %2 its USB vendor:product</extracomment>
        <translation>ModemManager działa i może sprawdzać %1 (%2) w poszukiwaniu modemu, co zakłóca odpowiedzi sterownika.</translation>
    </message>
    <message>
        <source>brltty is not installed.</source>
        <translation>brltty nie jest zainstalowany.</translation>
    </message>
    <message>
        <source>brltty is installed; its udev rules do not claim %1.</source>
        <extracomment>%1 the USB vendor:product</extracomment>
        <translation>brltty jest zainstalowany; jego reguły udev nie przejmują %1.</translation>
    </message>
    <message>
        <source>brltty is installed and its udev rule (%1, line %2) claims %3 devices as braille displays, taking the cable&apos;s port.</source>
        <extracomment>%1 the rules file, %2 a line number, %3 the USB vendor:product</extracomment>
        <translation>brltty jest zainstalowany, a jego reguła udev (%1, wiersz %2) przejmuje urządzenia %3 jako monitory brajlowskie, zabierając port kabla.</translation>
    </message>
    <message>
        <source>The tool is busy with the controller; run the doctor again when it is done.</source>
        <translation>Program jest zajęty sterownikiem; uruchom diagnostykę ponownie, gdy skończy.</translation>
    </message>
    <message>
        <source>The controller answers: software version v%1.</source>
        <extracomment>%1 the controller&apos;s software version such as 1-35, after the letter v</extracomment>
        <translation>Sterownik odpowiada: wersja oprogramowania v%1.</translation>
    </message>
    <message>
        <source>The cable answers but the controller does not: is the bike&apos;s battery on and the display connected?</source>
        <translation>Kabel odpowiada, ale sterownik nie: czy akumulator roweru jest włączony, a wyświetlacz podłączony?</translation>
    </message>
    <message>
        <source>Switch the bike&apos;s battery on and connect the display, then run the doctor again.</source>
        <translation>Włącz akumulator roweru i podłącz wyświetlacz, a następnie uruchom diagnostykę ponownie.</translation>
    </message>
    <message>
        <source>Fix what the lines above show, then run the doctor again.</source>
        <translation>Usuń to, co pokazują wiersze powyżej, a następnie uruchom diagnostykę ponownie.</translation>
    </message>
    <message>
        <source>The tool may not open %1 (see access).</source>
        <translation>Program nie może otworzyć %1 (zobacz access).</translation>
    </message>
    <message>
        <source>Another program is using %1 (see busy).</source>
        <translation>Inny program używa %1 (zobacz busy).</translation>
    </message>
    <message>
        <source>The tool found no port to reach the controller through.</source>
        <translation>Program nie znalazł portu, przez który mógłby połączyć się ze sterownikiem.</translation>
    </message>
    <message>
        <source>%1 does not open.</source>
        <translation>%1 nie otwiera się.</translation>
    </message>
    <message>
        <source>%1 has no latency timer.</source>
        <extracomment>%1 the kernel driver</extracomment>
        <translation>%1 nie ma licznika opóźnienia.</translation>
    </message>
    <message>
        <source>The latency timer is at 1 ms.</source>
        <translation>Licznik opóźnienia jest ustawiony na 1 ms.</translation>
    </message>
    <message>
        <source>The latency timer is at %1 ms; the tool asks no other driver than its cable&apos;s for low latency.</source>
        <translation>Licznik opóźnienia jest ustawiony na %1 ms; program prosi o małe opóźnienie tylko sterownik swojego kabla.</translation>
    </message>
    <message>
        <source>The latency timer is at %1 ms; what it is while the tool holds the port cannot be tried, as the port does not open (see access).</source>
        <translation>Licznik opóźnienia jest ustawiony na %1 ms; nie można sprawdzić, ile wynosi, gdy program trzyma port, bo port się nie otwiera (zobacz access).</translation>
    </message>
    <message>
        <source>The latency timer is at %1 ms, and at 1 ms while the tool holds the port (it asks the driver for low latency).</source>
        <translation>Licznik opóźnienia jest ustawiony na %1 ms, a na 1 ms, gdy program trzyma port (prosi sterownik o małe opóźnienie).</translation>
    </message>
    <message>
        <source>The latency timer stays at %1 ms while the tool holds the port: every reply comes that much later.</source>
        <translation>Licznik opóźnienia pozostaje na %1 ms, gdy program trzyma port: każda odpowiedź przychodzi o tyle później.</translation>
    </message>
    <message>
        <source>The tool runs in the Flatpak sandbox of %1, which may use every device.</source>
        <extracomment>%1 the Flatpak application&apos;s id</extracomment>
        <translation>Program działa w piaskownicy Flatpak %1, która może używać każdego urządzenia.</translation>
    </message>
    <message>
        <source>The tool runs in the Flatpak sandbox of %1, which keeps serial devices out.</source>
        <translation>Program działa w piaskownicy Flatpak %1, która nie dopuszcza urządzeń szeregowych.</translation>
    </message>
    <message>
        <source>The tool runs in the snap %1, which may open %2.</source>
        <extracomment>%1 the snap&apos;s name, %2 the serial device</extracomment>
        <translation>Program działa w snapie %1, który może otworzyć %2.</translation>
    </message>
    <message>
        <source>The tool runs in the snap %1, which keeps USB serial devices out unless they are granted to it.</source>
        <translation>Program działa w snapie %1, który nie dopuszcza urządzeń szeregowych USB, dopóki nie zostaną mu przyznane.</translation>
    </message>
    <message>
        <source>The tool runs outside Flatpak and Snap.</source>
        <translation>Program działa poza Flatpakiem i Snapem.</translation>
    </message>
    <message>
        <source>No port to reach the controller through.</source>
        <translation>Brak portu, przez który można połączyć się ze sterownikiem.</translation>
    </message>
    <message>
        <source>The port does not open for you (see access).</source>
        <translation>Port nie otwiera się dla ciebie (zobacz access).</translation>
    </message>
    <message>
        <source>Another process holds the port (see busy).</source>
        <translation>Inny proces trzyma port (zobacz busy).</translation>
    </message>
    <message>
        <source>Not checked on Windows.</source>
        <extracomment>the checks that look at Linux&apos;s devices, drivers and services</extracomment>
        <translation>Nie sprawdzane w systemie Windows.</translation>
    </message>
    <message>
        <source>You may not open %1.</source>
        <extracomment>first line of the box shown when the port does not open for lack of permission; %1 the device</extracomment>
        <translation>Nie masz uprawnień do otwarcia %1.</translation>
    </message>
    <message>
        <source>To fix it:</source>
        <extracomment>before the fix in the box shown when the port does not open for lack of permission</extracomment>
        <translation>Jak to naprawić:</translation>
    </message>
    <message>
        <source>Another user&apos;s process holds %1 for itself, so opening it cannot be tried (see busy).</source>
        <translation>Proces innego użytkownika trzyma %1 na wyłączność, więc nie można spróbować go otworzyć (zobacz busy).</translation>
    </message>
    <message>
        <source>%1 is held for itself by %2, so opening it cannot be tried (see busy).</source>
        <extracomment>%1 the serial device, %2 the programs with their process ids</extracomment>
        <translation>%2 trzyma %1 na wyłączność, więc nie można spróbować go otworzyć (zobacz busy).</translation>
    </message>
    <message>
        <source>%1 is not a serial port.</source>
        <extracomment>%1 the path given with --port or VEXLOR_PORT</extracomment>
        <translation>%1 nie jest portem szeregowym.</translation>
    </message>
    <message>
        <source>Name the cable&apos;s port (vexlor-cli ports lists them).</source>
        <extracomment>keep vexlor-cli ports as it is: the command that lists the ports</extracomment>
        <translation>Wskaż port kabla (vexlor-cli ports je wyświetla).</translation>
    </message>
    <message>
        <source>Close any other program that may use %1, then run the doctor again.</source>
        <translation>Zamknij każdy inny program, który może używać %1, a następnie uruchom diagnostykę ponownie.</translation>
    </message>
    <message>
        <source>The tool may not open %1.</source>
        <translation>Program nie może otworzyć %1.</translation>
    </message>
    <message>
        <source>Another program is using %1.</source>
        <translation>Inny program używa %1.</translation>
    </message>
</context>
<context>
    <name>Explanations</name>
    <message>
        <source>Too high: %1</source>
        <extracomment>what a value above the right one does: %1 the effect, &quot;less power for assistance and throttle.&quot;</extracomment>
        <translation>Za wysoko: %1</translation>
    </message>
    <message>
        <source>Too low: %1</source>
        <extracomment>what a value below the right one does: %1 the effect</extracomment>
        <translation>Za nisko: %1</translation>
    </message>
    <message>
        <source>what it does inside the controller is not known.</source>
        <extracomment>in place of an effect after &quot;Too high: &quot; or &quot;Too low: &quot;</extracomment>
        <translation>nie wiadomo, co to zmienia w sterowniku.</translation>
    </message>
    <message>
        <source>What a higher or lower value does inside the controller is not known.</source>
        <translation>Nie wiadomo, co w sterowniku zmienia wyższa lub niższa wartość.</translation>
    </message>
    <message>
        <source>Unit: %1.</source>
        <extracomment>%1 the field&apos;s unit: &quot;A&quot;, &quot;km/h&quot;, &quot;ms&quot;</extracomment>
        <translation>Jednostka: %1.</translation>
    </message>
    <message>
        <source>Allowed: %1.</source>
        <extracomment>%1 the range the window allows: &quot;at most 30.0 A&quot;, &quot;0.9 V to 3.0 V&quot;, &quot;1 to 9&quot;</extracomment>
        <translation>Dozwolone: %1.</translation>
    </message>
    <message>
        <source>The window sets no limit; a write refuses values the controller cannot hold.</source>
        <translation>Okno nie ustala granicy; zapis odrzuca wartości, których sterownik nie może przechować.</translation>
    </message>
    <message>
        <source>Choices: %1.</source>
        <extracomment>%1 the options of a radio pair or group, each in quotes: &quot;&quot;Low&quot;, &quot;High&quot;&quot;</extracomment>
        <translation>Do wyboru: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>an option&apos;s text within a list of choices: %1 the option, &quot;Low&quot;</extracomment>
        <translation>„%1”</translation>
    </message>
    <message>
        <source>Ticked or clear.</source>
        <extracomment>a tick box&apos;s two states</extracomment>
        <translation>Zaznaczone lub puste.</translation>
    </message>
    <message>
        <source>Initial value: %1.</source>
        <extracomment>%1 the value the window starts with: &quot;14.0 A&quot;, &quot;ticked&quot;, &quot;Low&quot;</extracomment>
        <translation>Wartość początkowa: %1.</translation>
    </message>
    <message>
        <source>ticked</source>
        <extracomment>the initial state of a tick box, after &quot;Initial value: &quot;</extracomment>
        <translation>zaznaczone</translation>
    </message>
    <message>
        <source>clear</source>
        <extracomment>the initial state of a tick box, after &quot;Initial value: &quot;</extracomment>
        <translation>puste</translation>
    </message>
    <message>
        <source>The limit of this assist level, in percent; &quot;Limit speed&quot; and &quot;Limit current&quot; choose what it limits. The levels in use should rise, the top one at 100 %.</source>
        <translation>Limit tego poziomu wspomagania w procentach; „Limit prędkości” i „Limit prądu” wybierają, co ogranicza. Używane poziomy powinny rosnąć, najwyższy do 100 %.</translation>
    </message>
    <message>
        <source>more assistance at this level.</source>
        <translation>więcej wspomagania na tym poziomie.</translation>
    </message>
    <message>
        <source>less assistance at this level.</source>
        <translation>mniej wspomagania na tym poziomie.</translation>
    </message>
    <message>
        <source>The largest current the controller draws from the battery.</source>
        <translation>Największy prąd, jaki sterownik pobiera z akumulatora.</translation>
    </message>
    <message>
        <source>more than the battery&apos;s BMS delivers continuously; keep it at or below that current and not above the max phase current.</source>
        <translation>więcej, niż BMS akumulatora daje w sposób ciągły; trzymaj się tego prądu lub poniżej i nie powyżej maks. prądu fazowego.</translation>
    </message>
    <message>
        <source>less power for assistance and throttle.</source>
        <translation>mniej mocy dla wspomagania i manetki gazu.</translation>
    </message>
    <message>
        <source>The battery voltage below which the controller cuts the motor, so that the battery is not drained empty.</source>
        <translation>Napięcie akumulatora, poniżej którego sterownik odcina silnik, aby akumulator nie rozładował się do zera.</translation>
    </message>
    <message>
        <source>assistance stops while the battery is still half full (above about 3.6 V a cell).</source>
        <translation>wspomaganie kończy się, gdy akumulator jest jeszcze w połowie pełny (powyżej ok. 3.6 V na ogniwo).</translation>
    </message>
    <message>
        <source>the cells are drained too deep (below about 2.8 V a cell).</source>
        <translation>ogniwa rozładowują się zbyt głęboko (poniżej ok. 2.8 V na ogniwo).</translation>
    </message>
    <message>
        <source>The controller&apos;s acceleration setting, a position of the track bar.</source>
        <translation>Ustawienie przyspieszenia sterownika, pozycja suwaka.</translation>
    </message>
    <message>
        <source>The signal level of the brake lever sensors, &quot;Low&quot; or &quot;High&quot;: choose the one the bike&apos;s brake sensors give.</source>
        <translation>Poziom sygnału czujników dźwigni hamulca, „Niski” lub „Wysoki”: wybierz ten, który dają czujniki hamulców roweru.</translation>
    </message>
    <message>
        <source>The speed at which the controller stops assisting, while &quot;Limit max speed&quot; is ticked; with it clear a write sends 900 km/h, which means no limit.</source>
        <translation>Prędkość, przy której sterownik przestaje wspomagać, gdy „Ogranicz prędkość maks.” jest zaznaczone; bez zaznaczenia zapis wysyła 900 km/h, czyli brak limitu.</translation>
    </message>
    <message>
        <source>the bike may break the road class it is ridden in (Connect &gt; Road Class checks it).</source>
        <translation>rower może naruszać klasę drogową, w której jeździ (Połączenie &gt; Klasa drogowa to sprawdza).</translation>
    </message>
    <message>
        <source>assistance stops at a lower speed.</source>
        <translation>wspomaganie kończy się przy niższej prędkości.</translation>
    </message>
    <message>
        <source>How many magnets pass the speed sensor in one turn of the wheel; the controller reckons the speed from them and the wheel perimeter.</source>
        <translation>Ile magnesów mija czujnik prędkości podczas jednego obrotu koła; z nich i z obwodu koła sterownik oblicza prędkość.</translation>
    </message>
    <message>
        <source>the speed is reckoned too low, so assistance may go on past the speed limit.</source>
        <translation>prędkość wychodzi za niska, więc wspomaganie może działać powyżej limitu prędkości.</translation>
    </message>
    <message>
        <source>the speed is reckoned too high, so assistance stops early.</source>
        <translation>prędkość wychodzi za wysoka, więc wspomaganie kończy się za wcześnie.</translation>
    </message>
    <message>
        <source>The distance the wheel rolls in one turn; the controller reckons the speed from it. The list beside the field fills in common sizes; measuring the wheel is more exact.</source>
        <translation>Droga, jaką koło pokonuje w jednym obrocie; z niej sterownik oblicza prędkość. Lista obok pola wpisuje typowe rozmiary; zmierzenie koła jest dokładniejsze.</translation>
    </message>
    <message>
        <source>Whether the bike has a pedal speed sensor (PAS) for the controller to use. Clear, the group &quot;Pedal speed sensor functions&quot; is switched off; its values are still written.</source>
        <translation>Czy rower ma czujnik PAS, którego ma używać sterownik. Bez zaznaczenia grupa „Funkcje czujnika PAS” jest wyłączona; jej wartości i tak są zapisywane.</translation>
    </message>
    <message>
        <source>The duty cycle of the pedal sensor&apos;s signal, below or above 50 %: choose the one the bike&apos;s sensor gives.</source>
        <translation>Wypełnienie sygnału czujnika PAS, poniżej lub powyżej 50 %: wybierz to, które daje czujnik roweru.</translation>
    </message>
    <message>
        <source>How many magnets the pedal sensor&apos;s disc carries; it must match the disc.</source>
        <translation>Ile magnesów ma tarcza czujnika PAS; musi zgadzać się z tarczą.</translation>
    </message>
    <message>
        <source>How many of the pedal sensor&apos;s magnets must pass before assistance starts.</source>
        <translation>Ile magnesów czujnika PAS musi minąć, zanim zacznie się wspomaganie.</translation>
    </message>
    <message>
        <source>assistance starts after more pedalling.</source>
        <translation>wspomaganie zaczyna się po dłuższym pedałowaniu.</translation>
    </message>
    <message>
        <source>assistance starts after less pedalling.</source>
        <translation>wspomaganie zaczyna się po krótszym pedałowaniu.</translation>
    </message>
    <message>
        <source>How long assistance goes on after the pedals stop.</source>
        <translation>Jak długo wspomaganie trwa po zatrzymaniu pedałów.</translation>
    </message>
    <message>
        <source>the motor goes on pushing longer after you stop pedalling.</source>
        <translation>silnik dłużej pcha po zakończeniu pedałowania.</translation>
    </message>
    <message>
        <source>assistance stops sooner after the pedals stop.</source>
        <translation>wspomaganie kończy się szybciej po zatrzymaniu pedałów.</translation>
    </message>
    <message>
        <source>The pedal assist sensor (PAS) ratio, a position of the track bar.</source>
        <translation>Współczynnik czujnika wspomagania pedałowania (PAS), pozycja suwaka.</translation>
    </message>
    <message>
        <source>Whether the bike has a throttle for the controller to use. Clear, the group &quot;Throttle functions&quot; is switched off; its values are still written.</source>
        <translation>Czy rower ma manetkę gazu, której ma używać sterownik. Bez zaznaczenia grupa „Funkcje manetki gazu” jest wyłączona; jej wartości i tak są zapisywane.</translation>
    </message>
    <message>
        <source>The largest output the throttle asks for, in percent of the full output.</source>
        <translation>Największa moc, jakiej żąda manetka gazu, w procentach pełnej mocy.</translation>
    </message>
    <message>
        <source>the throttle gives less power.</source>
        <translation>manetka gazu daje mniej mocy.</translation>
    </message>
    <message>
        <source>Whether the throttle keeps to the limits of the assist levels (&quot;Level 1&quot; to &quot;Level 9&quot;).</source>
        <translation>Czy manetka gazu trzyma się limitów poziomów wspomagania („Poziom 1” do „Poziom 9”).</translation>
    </message>
    <message>
        <source>The throttle&apos;s signal voltage at which it starts to act; it must stay below the full voltage.</source>
        <translation>Napięcie sygnału manetki gazu, przy którym zaczyna działać; musi pozostać poniżej napięcia pełnego gazu.</translation>
    </message>
    <message>
        <source>the throttle starts late in its travel.</source>
        <translation>manetka gazu zaczyna działać późno na swoim skoku.</translation>
    </message>
    <message>
        <source>the throttle starts early in its travel.</source>
        <translation>manetka gazu zaczyna działać wcześnie na swoim skoku.</translation>
    </message>
    <message>
        <source>The throttle&apos;s signal voltage at which it gives full output.</source>
        <translation>Napięcie sygnału manetki gazu, przy którym daje pełną moc.</translation>
    </message>
    <message>
        <source>above what the throttle gives when fully turned, full output is never reached.</source>
        <translation>powyżej tego, co daje w pełni odkręcona manetka, pełna moc nigdy nie zostaje osiągnięta.</translation>
    </message>
    <message>
        <source>full output comes early in the throttle&apos;s travel.</source>
        <translation>pełna moc przychodzi wcześnie na skoku manetki gazu.</translation>
    </message>
    <message>
        <source>How the throttle works with the pedal sensor: on its own, together with the pedal sensor, or started by it. Some road classes allow a throttle only while pedalling.</source>
        <translation>Jak manetka gazu współpracuje z czujnikiem PAS: sama, razem z czujnikiem PAS lub uruchamiana przez niego. Niektóre klasy drogowe dopuszczają manetkę tylko podczas pedałowania.</translation>
    </message>
    <message>
        <source>How many assist levels the rider can choose from; only the levels up to this count can be edited.</source>
        <translation>Spośród ilu poziomów wspomagania może wybierać rowerzysta; edytować można tylko poziomy do tej liczby.</translation>
    </message>
    <message>
        <source>more levels to step through.</source>
        <translation>więcej poziomów do przełączania.</translation>
    </message>
    <message>
        <source>fewer levels to choose from.</source>
        <translation>mniej poziomów do wyboru.</translation>
    </message>
    <message>
        <source>Whether the limits of the assist levels act on the speed.</source>
        <translation>Czy limity poziomów wspomagania działają na prędkość.</translation>
    </message>
    <message>
        <source>Whether the limits of the assist levels act on the current.</source>
        <translation>Czy limity poziomów wspomagania działają na prąd.</translation>
    </message>
    <message>
        <source>The limit of the walk-assist mode, which helps while you push the bike, in percent.</source>
        <translation>Limit trybu wspomagania prowadzenia, który pomaga, gdy pchasz rower, w procentach.</translation>
    </message>
    <message>
        <source>more push while walking.</source>
        <translation>więcej pchania podczas prowadzenia.</translation>
    </message>
    <message>
        <source>less push while walking.</source>
        <translation>mniej pchania podczas prowadzenia.</translation>
    </message>
    <message>
        <source>Whether the pedal sensor works together with the throttle.</source>
        <translation>Czy czujnik PAS współpracuje z manetką gazu.</translation>
    </message>
    <message>
        <source>The motor&apos;s Hall sensors: 120 degree, 60 degree or none (sensorless). It must match the motor; wrong motor data can make the motor run rough or overheat.</source>
        <translation>Czujniki Halla silnika: 120 stopni, 60 stopni lub brak (bezczujnikowy). Wybór musi pasować do silnika; błędne dane silnika mogą powodować nierówną pracę lub przegrzanie.</translation>
    </message>
    <message>
        <source>Whether the motor has a one-way clutch (freewheel) inside. It must match the motor.</source>
        <translation>Czy silnik ma w środku sprzęgło jednokierunkowe (wolnobieg). Wybór musi pasować do silnika.</translation>
    </message>
    <message>
        <source>The motor&apos;s rated voltage, from its data sheet or label; wrong motor data can make the motor run rough or overheat.</source>
        <translation>Napięcie znamionowe silnika, z karty katalogowej lub tabliczki; błędne dane silnika mogą powodować nierówną pracę lub przegrzanie.</translation>
    </message>
    <message>
        <source>The motor&apos;s rated power, from its data sheet or label. Road classes allow a rated power up to their limit (Connect &gt; Road Class checks it).</source>
        <translation>Moc znamionowa silnika, z karty katalogowej lub tabliczki. Klasy drogowe dopuszczają moc znamionową do swojej granicy (Połączenie &gt; Klasa drogowa to sprawdza).</translation>
    </message>
    <message>
        <source>The number of magnet pole pairs of the motor, from its data sheet.</source>
        <translation>Liczba par biegunów magnetycznych silnika, z karty katalogowej.</translation>
    </message>
    <message>
        <source>The motor&apos;s speed without load, from its data sheet.</source>
        <translation>Prędkość obrotowa silnika bez obciążenia, z karty katalogowej.</translation>
    </message>
    <message>
        <source>The ratio of the motor&apos;s gear: motor turns per turn of its housing or output, from its data sheet.</source>
        <translation>Przełożenie przekładni silnika: obroty silnika na jeden obrót obudowy lub wyjścia, z karty katalogowej.</translation>
    </message>
    <message>
        <source>The electrical resistance of the motor&apos;s stator winding, from its data sheet.</source>
        <translation>Rezystancja elektryczna uzwojenia stojana silnika, z karty katalogowej.</translation>
    </message>
    <message>
        <source>The inductance of the motor&apos;s stator winding, from its data sheet.</source>
        <translation>Indukcyjność uzwojenia stojana silnika, z karty katalogowej.</translation>
    </message>
    <message>
        <source>The largest current the controller drives through the motor&apos;s windings; it is never below the max battery current.</source>
        <translation>Największy prąd, jaki sterownik przepuszcza przez uzwojenia silnika; nigdy nie jest niższy niż maks. prąd akumulatora.</translation>
    </message>
    <message>
        <source>more than the motor or the controller is made for: they may overheat.</source>
        <translation>więcej, niż wytrzymuje silnik lub sterownik: mogą się przegrzać.</translation>
    </message>
    <message>
        <source>less pulling power.</source>
        <translation>mniejsza siła uciągu.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Cannot create file %1</source>
        <extracomment>%1 the file&apos;s path</extracomment>
        <translation>Nie można utworzyć pliku %1</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <extracomment>%1 the path of config.ini</extracomment>
        <translation>Nie można zapisać pliku %1</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <extracomment>a file whose last key has no value line; %1 the number of lines</extracomment>
        <translation>Indeks listy poza zakresem (%1)</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <extracomment>%1 the file&apos;s path</extracomment>
        <translation>Nie można otworzyć pliku %1</translation>
    </message>
    <message>
        <source>File %1 is too large to be a configuration file (more than 1 MiB).</source>
        <extracomment>%1 the file&apos;s path</extracomment>
        <translation>Plik %1 jest za duży jak na plik konfiguracji (ponad 1 MiB).</translation>
    </message>
    <message>
        <source>Cannot open file %1: it is not a regular file.</source>
        <extracomment>%1 the path of a folder, a device or the like</extracomment>
        <translation>Nie można otworzyć pliku %1: to nie jest zwykły plik.</translation>
    </message>
    <message>
        <source>The setting file to be opened missed one data because of a bug in the old version. Please answer one question now.
Does the motor have 3 hall sensors?</source>
        <extracomment>Yes means the motor has three Hall sensors, No that it has none</extracomment>
        <translation>W otwieranym pliku ustawień brakuje jednej wartości z powodu błędu starej wersji programu. Należy teraz odpowiedzieć na jedno pytanie.
Czy silnik ma 3 czujniki Halla?</translation>
    </message>
    <message>
        <source>The file %1 contains no settings.</source>
        <extracomment>%1 the file&apos;s path; the file is empty, holds only blank lines or only numbers of no setting</extracomment>
        <translation>Plik %1 nie zawiera żadnych ustawień.</translation>
    </message>
    <message>
        <source>The file is marked as UTF-16 text, but it is damaged: it cannot be read as text.</source>
        <extracomment>the file starts with the mark of UTF-16 text (Notepad&apos;s &quot;Unicode&quot;) but is damaged</extracomment>
        <translation>Plik jest oznaczony jako tekst UTF-16, ale jest uszkodzony: nie można go odczytać jako tekstu.</translation>
    </message>
    <message>
        <source>Cannot create file %1: it is not a regular file.</source>
        <extracomment>%1 the path of a named pipe, a device or the like</extracomment>
        <translation>Nie można utworzyć pliku %1: to nie jest zwykły plik.</translation>
    </message>
</context>
<context>
    <name>Limits</name>
    <message>
        <source>These values are outside the limits the window allows:</source>
        <translation>Te wartości wykraczają poza granice dopuszczane przez okno:</translation>
    </message>
    <message>
        <source>%1: %2 (allowed: %3)</source>
        <extracomment>%1 the field&apos;s caption, %2 its value with its unit, %3 the allowed range (&quot;at most 30.0 A&quot;)</extracomment>
        <translation>%1: %2 (dopuszczalne: %3)</translation>
    </message>
    <message>
        <source>at most %1</source>
        <extracomment>an allowed range: %1 the largest value with its unit, &quot;30.0 A&quot;</extracomment>
        <translation>najwyżej %1</translation>
    </message>
    <message>
        <source>at least %1</source>
        <extracomment>an allowed range as a screen reader says it after the field&apos;s unit: %1 the least value, &quot;200&quot;</extracomment>
        <translation>co najmniej %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>an allowed range: %1 the least and %2 the largest value with their units, &quot;0.9 V to 3.0 V&quot;</extracomment>
        <translation>od %1 do %2</translation>
    </message>
    <message>
        <source>the start voltage</source>
        <extracomment>the least value of the throttle&apos;s full voltage, in place of a number in &quot;%1 to %2&quot;: &quot;the start voltage to 4.2&quot;</extracomment>
        <translation>napięcia startowego</translation>
    </message>
    <message>
        <source>%1 or more</source>
        <extracomment>an allowed range: %1 the least value with its unit, &quot;200 ms&quot;</extracomment>
        <translation>%1 lub więcej</translation>
    </message>
    <message>
        <source>from the start voltage, %1, to %2</source>
        <extracomment>the allowed range of the throttle&apos;s full voltage: %1 the start voltage set, %2 the largest value, both with their unit: &quot;from the start voltage, 1.2 V, to 4.2 V&quot;</extracomment>
        <translation>od napięcia startowego, %1, do %2</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>Device Connected</source>
        <extracomment>status strip, 125 pixels wide: the programming cable&apos;s port is open</extracomment>
        <translation>Kabel podłączony</translation>
    </message>
    <message>
        <source>Device Lost</source>
        <extracomment>status strip, 125 pixels wide: the programming cable&apos;s port is gone</extracomment>
        <translation>Kabel odłączony</translation>
    </message>
    <message>
        <source>Controller connection test result</source>
        <translation>Wynik testu połączenia ze sterownikiem</translation>
    </message>
    <message>
        <source>Another COM device using the same name is detected,
please remove it first.</source>
        <extracomment>&quot;COM device&quot;: a serial port device</extracomment>
        <translation>Wykryto inne urządzenie COM o tej samej nazwie,
należy je najpierw odłączyć.</translation>
    </message>
    <message>
        <source>You may not open the programming cable&apos;s serial port %1.

%2</source>
        <extracomment>%1 the serial device&apos;s path; %2 the lines that say how to get access</extracomment>
        <translation>Brak uprawnień do otwarcia portu szeregowego kabla programującego %1.

%2</translation>
    </message>
    <message>
        <source>Programming cable access</source>
        <translation>Dostęp do kabla programującego</translation>
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
        <translation>Należy zainstalować regułę dla kabla dołączoną do pakietu (70-vexlor-cable.rules),
a następnie odłączyć kabel i podłączyć go ponownie. Pakiet umieszcza regułę w
/usr/lib/udev/rules.d; przy kompilacji ze źródeł można ją zainstalować poleceniami
  sudo cp packaging/70-vexlor-cable.rules /etc/udev/rules.d/
  sudo udevadm control --reload
Można też dołączyć do grupy dialout, której członkowie mogą otwierać porty szeregowe:
  sudo usermod -aG dialout $USER
a potem wylogować się i zalogować ponownie.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Untitled.vxc</source>
        <extracomment>the window caption&apos;s document name after New, before the first save</extracomment>
        <translation>Bez nazwy.vxc</translation>
    </message>
    <message>
        <source>Power parameters</source>
        <translation>Parametry zasilania</translation>
    </message>
    <message>
        <source>Pedal speed sensor functions</source>
        <translation>Funkcje czujnika PAS</translation>
    </message>
    <message>
        <source>Limit max speed</source>
        <translation>Ogranicz prędkość maks.</translation>
    </message>
    <message>
        <source>Speed limit parameters</source>
        <translation>Ograniczenie prędkości</translation>
    </message>
    <message>
        <source>Wheel size</source>
        <translation>Rozmiar koła</translation>
    </message>
    <message>
        <source>Throttle functions</source>
        <translation>Funkcje manetki gazu</translation>
    </message>
    <message>
        <source>Level limits</source>
        <translation>Limity poziomów</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <extracomment>the About box&apos;s last credit line</extracomment>
        <translation>Wszelkie prawa zastrzeżone.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Language</source>
        <extracomment>Help &gt; Language: the note after choosing a language</extracomment>
        <translation>Język</translation>
    </message>
    <message>
        <source>The window will show the chosen language the next time you start the program.</source>
        <translation>Wybrany język pojawi się w oknie po następnym uruchomieniu programu.</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Silnik</translation>
    </message>
    <message>
        <source>Brushless motor parameters</source>
        <translation>Parametry silnika bezszczotkowego</translation>
    </message>
    <message>
        <source>Configuration Files (*.vxc)</source>
        <extracomment>the file dialogs&apos; filter; keep &quot;(*.vxc)&quot; as it is</extracomment>
        <translation>Pliki konfiguracji (*.vxc)</translation>
    </message>
    <message>
        <source>Open Configuration Files</source>
        <translation>Otwórz plik konfiguracji</translation>
    </message>
    <message>
        <source>Save Configuration Files</source>
        <translation>Zapisz plik konfiguracji</translation>
    </message>
    <message>
        <source>New Configuration</source>
        <translation>Nowa konfiguracja</translation>
    </message>
    <message>
        <source>Open Configuration</source>
        <translation>Otwórz konfigurację</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Zapisz konfigurację</translation>
    </message>
    <message>
        <source>Test Controller Connection</source>
        <translation>Test połączenia ze sterownikiem</translation>
    </message>
    <message>
        <source>Read Controller Configuration</source>
        <translation>Odczytaj konfigurację sterownika</translation>
    </message>
    <message>
        <source>Write Controller Configuration</source>
        <translation>Zapisz konfigurację w sterowniku</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>P&amp;ołączenie</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>The file was opened, but the list of recent files could not be saved: unable to write to %1.</source>
        <extracomment>%1 the full path of config.ini, which holds the list of recent files</extracomment>
        <translation>Plik został otwarty, ale nie można było zapisać listy ostatnio otwieranych plików: nie można zapisać pliku %1.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <source>Desktop &amp;Language</source>
        <extracomment>Help &gt; Language: whatever language the desktop is set to</extracomment>
        <translation>Język &amp;systemu</translation>
    </message>
    <message>
        <source>&amp;New Configuration</source>
        <translation>&amp;Nowa konfiguracja</translation>
    </message>
    <message>
        <source>&amp;Open Configuration...</source>
        <translation>&amp;Otwórz konfigurację...</translation>
    </message>
    <message>
        <source>&amp;Reopen</source>
        <translation>Otwórz &amp;ponownie</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Zapisz &amp;jako...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;Test Controller Connection</source>
        <translation>&amp;Test połączenia ze sterownikiem</translation>
    </message>
    <message>
        <source>&amp;Read Controller Configuration</source>
        <translation>&amp;Odczytaj konfigurację sterownika</translation>
    </message>
    <message>
        <source>&amp;Write Controller Configuration</source>
        <translation>&amp;Zapisz konfigurację w sterowniku</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Tematy pomocy</translation>
    </message>
    <message>
        <source>Technical &amp;Support</source>
        <translation>&amp;Wsparcie techniczne</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>O p&amp;rogramie...</translation>
    </message>
    <message>
        <source>amperes</source>
        <translation>amperów</translation>
    </message>
    <message>
        <source>volts</source>
        <translation>woltów</translation>
    </message>
    <message>
        <source>kilometres per hour</source>
        <translation>kilometrów na godzinę</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>milimetrów</translation>
    </message>
    <message>
        <source>milliseconds stop pedaling</source>
        <extracomment>a field&apos;s unit for screen readers: &quot;Stop after [500] ms stop pedaling&quot;</extracomment>
        <translation>milisekund postoju</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>procent</translation>
    </message>
    <message>
        <source>watts</source>
        <translation>watów</translation>
    </message>
    <message>
        <source>revolutions per minute</source>
        <translation>obrotów na minutę</translation>
    </message>
    <message>
        <source>to 1</source>
        <extracomment>a field&apos;s unit for screen readers: the reduction ratio &quot;[8] :1&quot;, read &quot;8 to 1&quot;</extracomment>
        <translation>do 1</translation>
    </message>
    <message>
        <source>milliohms</source>
        <translation>miliomów</translation>
    </message>
    <message>
        <source>millihenries</source>
        <translation>milihenrów</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>a field&apos;s description for screen readers: %1 its unit, %2 its allowed range; &quot;amperes, at most 30.0&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Result</source>
        <extracomment>the status strip&apos;s labels as a screen reader names them</extracomment>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Czynność</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Połączenie</translation>
    </message>
    <message>
        <source>&amp;Connection Doctor…</source>
        <extracomment>Help menu: the checks of why the programming cable does not work</extracomment>
        <translation>&amp;Diagnostyka połączenia…</translation>
    </message>
    <message>
        <source>Connection Doctor…</source>
        <translation>Diagnostyka połączenia…</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <extracomment>%1 the document&apos;s name as the window caption shows it, &quot;Untitled.vxc&quot; before its first save</extracomment>
        <translation>Zapisać zmiany w %1?</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>the status strip&apos;s message, such as where a file was saved, as a screen reader names it</extracomment>
        <translation>Komunikat</translation>
    </message>
    <message>
        <source>miles per hour, at most %1</source>
        <extracomment>a speed field&apos;s description for screen readers in imperial units: %1 the most the controller holds, &quot;4072.16&quot;</extracomment>
        <translation>mil na godzinę, najwyżej %1</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <extracomment>Help menu: the units speeds are shown in, metric or imperial</extracomment>
        <translation>J&amp;ednostki</translation>
    </message>
    <message>
        <source>Bike: %1</source>
        <extracomment>the status strip&apos;s field with the bike&apos;s label (a frame number, a customer); %1 the label</extracomment>
        <translation>Rower: %1</translation>
    </message>
    <message>
        <source>Bike</source>
        <extracomment>the status strip&apos;s field with the bike&apos;s label, as a screen reader names it
----------
the box of Connect &gt; Bike...: its title and the caption of its one field</extracomment>
        <translation>Rower</translation>
    </message>
    <message>
        <source>Label of the bike (frame number, customer); every operation is recorded with it:</source>
        <translation>Etykieta roweru (numer ramy, klient); każda operacja jest z nią zapisywana:</translation>
    </message>
    <message>
        <source>Bi&amp;ke…</source>
        <extracomment>Connect menu: the label (frame number, customer) the register records with each operation</extracomment>
        <translation>Row&amp;er…</translation>
    </message>
    <message>
        <source>H&amp;istory…</source>
        <extracomment>Connect menu: the register of every operation, as a table</extracomment>
        <translation>&amp;Historia…</translation>
    </message>
    <message>
        <source>What&apos;s &amp;This?</source>
        <extracomment>Help menu: the pointer that shows what the next field clicked does</extracomment>
        <translation>&amp;Co to jest?</translation>
    </message>
    <message>
        <source>New Bike Set&amp;up…</source>
        <extracomment>File menu: the assistant that proposes values from what is printed on the bike&apos;s parts</extracomment>
        <translation>&amp;Ustaw nowy rower…</translation>
    </message>
</context>
<context>
    <name>MotorIllustration</name>
    <message>
        <source>Rotor</source>
        <translation>Wirnik</translation>
    </message>
    <message>
        <source>Magnets N / S</source>
        <extracomment>the rotor&apos;s magnets with their north and south poles</extracomment>
        <translation>Magnesy N / S</translation>
    </message>
    <message>
        <source>Stator teeth</source>
        <translation>Zęby stojana</translation>
    </message>
    <message>
        <source>Coils</source>
        <translation>Cewki</translation>
    </message>
    <message>
        <source>Bearing</source>
        <translation>Łożysko</translation>
    </message>
    <message>
        <source>Axle</source>
        <translation>Oś</translation>
    </message>
</context>
<context>
    <name>Parameters</name>
    <message>
        <source>Pedal sensor magnets</source>
        <extracomment>the field before &quot;magnets a circle&quot;, as messages and lists name it</extracomment>
        <translation>Magnesy czujnika PAS</translation>
    </message>
    <message>
        <source>PAS levels (1~9):</source>
        <translation>Poziomy PAS (1~9):</translation>
    </message>
    <message>
        <source>%</source>
        <extracomment>unit: percent</extracomment>
        <translation>%</translation>
    </message>
    <message>
        <source>Max battery current: </source>
        <translation>Maks. prąd akum.: </translation>
    </message>
    <message>
        <source>A</source>
        <extracomment>unit: ampere</extracomment>
        <translation>A</translation>
    </message>
    <message>
        <source>Low voltage protection: </source>
        <extracomment>the battery voltage below which the controller cuts the motor</extracomment>
        <translation>Napięcie odcięcia akum.: </translation>
    </message>
    <message>
        <source>V</source>
        <extracomment>unit: volt</extracomment>
        <translation>V</translation>
    </message>
    <message>
        <source>Acceleration:</source>
        <translation>Przyspieszenie:</translation>
    </message>
    <message>
        <source>Brake voltage:</source>
        <extracomment>the brake lever sensor&apos;s signal level; its two buttons are &quot;Low&quot; and &quot;High&quot;</extracomment>
        <translation>Sygnał ham.:</translation>
    </message>
    <message>
        <source>Low</source>
        <extracomment>brake signal level</extracomment>
        <translation>Niski</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>brake signal level</extracomment>
        <translation>Wysoki</translation>
    </message>
    <message>
        <source>Speed limit: </source>
        <translation>Limit prędkości: </translation>
    </message>
    <message>
        <source>km/h</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>Speedometer magnets: </source>
        <extracomment>how many magnets pass the speed sensor per wheel turn</extracomment>
        <translation>Magnesy licznika: </translation>
    </message>
    <message>
        <source>Wheel perimeter: </source>
        <translation>Obwód koła: </translation>
    </message>
    <message>
        <source>mm</source>
        <extracomment>unit: millimetre</extracomment>
        <translation>mm</translation>
    </message>
    <message>
        <source>Use pedal speed sensor</source>
        <translation>Użyj czujnika PAS</translation>
    </message>
    <message>
        <source>Duty cycle:</source>
        <extracomment>the pedal sensor signal&apos;s duty cycle; its buttons are &quot;&lt; 50%&quot; and &quot;&gt; 50%&quot;</extracomment>
        <translation>Wypełnienie:</translation>
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
        <translation>magnesów/obrót</translation>
    </message>
    <message>
        <source>Start after </source>
        <extracomment>&quot;Start after [2] magnets passed&quot;: assist starts after this many sensor magnets</extracomment>
        <translation>Start po </translation>
    </message>
    <message>
        <source>magnets passed</source>
        <extracomment>&quot;Start after [2] magnets passed&quot;</extracomment>
        <translation>magnesach</translation>
    </message>
    <message>
        <source>Stop after </source>
        <extracomment>&quot;Stop after [500] ms stop pedaling&quot;: assist stops this long after pedalling stops</extracomment>
        <translation>Stop po </translation>
    </message>
    <message>
        <source>ms stop pedaling</source>
        <extracomment>&quot;Stop after [500] ms stop pedaling&quot;</extracomment>
        <translation>ms postoju</translation>
    </message>
    <message>
        <source>PAS ratio: </source>
        <extracomment>pedal assist sensor (PAS) ratio, a track bar from 1 to 9</extracomment>
        <translation>Współczynnik PAS: </translation>
    </message>
    <message>
        <source>Use throttle</source>
        <translation>Użyj manetki gazu</translation>
    </message>
    <message>
        <source>Max output: </source>
        <extracomment>the throttle&apos;s largest output, in percent</extracomment>
        <translation>Maks. gaz: </translation>
    </message>
    <message>
        <source>Limited by PAS level limits</source>
        <extracomment>the throttle follows the assist level limits</extracomment>
        <translation>Wg limitów poziomów PAS</translation>
    </message>
    <message>
        <source>Start voltage: </source>
        <extracomment>the throttle&apos;s voltage where it starts; the row reads &quot;Start voltage: [1.2] V, Full: [3.4] V&quot;</extracomment>
        <translation>Start gazu: </translation>
    </message>
    <message>
        <source>V,</source>
        <extracomment>unit: volt, followed on the same row by &quot;Full: [3.4] V&quot;</extracomment>
        <translation>V,</translation>
    </message>
    <message>
        <source>Full: </source>
        <extracomment>the throttle&apos;s voltage at full twist, after &quot;Start voltage: [1.2] V,&quot;; keep it short</extracomment>
        <translation>Pełny: </translation>
    </message>
    <message>
        <source>Working style</source>
        <extracomment>how the throttle works with the pedal sensor (a group of three choices)</extracomment>
        <translation>Tryb pracy</translation>
    </message>
    <message>
        <source>Independently</source>
        <translation>Niezależnie</translation>
    </message>
    <message>
        <source>Together with pedal sensor</source>
        <translation>Razem z czujnikiem PAS</translation>
    </message>
    <message>
        <source>Start by pedal sensor</source>
        <translation>Start od czujnika PAS</translation>
    </message>
    <message>
        <source>Level 1: </source>
        <translation>Poziom 1: </translation>
    </message>
    <message>
        <source>Level 2: </source>
        <translation>Poziom 2: </translation>
    </message>
    <message>
        <source>Level 3: </source>
        <translation>Poziom 3: </translation>
    </message>
    <message>
        <source>Level 4: </source>
        <translation>Poziom 4: </translation>
    </message>
    <message>
        <source>Level 5: </source>
        <translation>Poziom 5: </translation>
    </message>
    <message>
        <source>Level 6: </source>
        <translation>Poziom 6: </translation>
    </message>
    <message>
        <source>Level 7: </source>
        <translation>Poziom 7: </translation>
    </message>
    <message>
        <source>Level 8: </source>
        <translation>Poziom 8: </translation>
    </message>
    <message>
        <source>Level 9: </source>
        <translation>Poziom 9: </translation>
    </message>
    <message>
        <source>Limit speed</source>
        <extracomment>the assist levels limit the speed</extracomment>
        <translation>Limit prędkości</translation>
    </message>
    <message>
        <source>Limit current</source>
        <extracomment>the assist levels limit the current</extracomment>
        <translation>Limit prądu</translation>
    </message>
    <message>
        <source>Walk assist: </source>
        <translation>Prowadz.: </translation>
    </message>
    <message>
        <source>Work together with throttle</source>
        <extracomment>the pedal sensor works together with the throttle</extracomment>
        <translation>Współpraca z manetką gazu</translation>
    </message>
    <message>
        <source>Hall sensor</source>
        <extracomment>the motor&apos;s Hall sensors: 120 degree, 60 degree or none</extracomment>
        <translation>Czujniki Halla</translation>
    </message>
    <message>
        <source>120° Sensors</source>
        <translation>Czujniki 120°</translation>
    </message>
    <message>
        <source>60° Sensors</source>
        <translation>Czujniki 60°</translation>
    </message>
    <message>
        <source>Sensorless</source>
        <translation>Bez czujników</translation>
    </message>
    <message>
        <source>Rotation direction</source>
        <extracomment>a hub motor with or without a freewheel (one-way clutch) inside</extracomment>
        <translation>Kierunek obrotów</translation>
    </message>
    <message>
        <source>One way clutch</source>
        <translation>Z wolnobiegiem</translation>
    </message>
    <message>
        <source>Without clutch</source>
        <translation>Bez wolnobiegu</translation>
    </message>
    <message>
        <source>Rated voltage: </source>
        <translation>Napięcie znamionowe: </translation>
    </message>
    <message>
        <source>Rated power: </source>
        <translation>Moc znamionowa: </translation>
    </message>
    <message>
        <source>W</source>
        <extracomment>unit: watt</extracomment>
        <translation>W</translation>
    </message>
    <message>
        <source>No. of pole-pairs: </source>
        <translation>Liczba par biegunów: </translation>
    </message>
    <message>
        <source>No-load speed: </source>
        <translation>Obroty jałowe: </translation>
    </message>
    <message>
        <source>rpm</source>
        <extracomment>unit: revolutions per minute</extracomment>
        <translation>obr/min</translation>
    </message>
    <message>
        <source>Reduction ratio: </source>
        <extracomment>the motor&apos;s gear ratio, shown as &quot;[8] :1&quot;</extracomment>
        <translation>Przełożenie: </translation>
    </message>
    <message>
        <source>:1</source>
        <extracomment>after the reduction ratio&apos;s field: &quot;[8] :1&quot;</extracomment>
        <translation>:1</translation>
    </message>
    <message>
        <source>Stator resistance: </source>
        <translation>Rezystancja stojana: </translation>
    </message>
    <message>
        <source>mOhm</source>
        <extracomment>unit: milliohm</extracomment>
        <translation>mOhm</translation>
    </message>
    <message>
        <source>Stator inductance: </source>
        <translation>Indukcyjność stojana: </translation>
    </message>
    <message>
        <source>mH</source>
        <extracomment>unit: millihenry</extracomment>
        <translation>mH</translation>
    </message>
    <message>
        <source>Max phase current:</source>
        <translation>Maks. prąd fazowy:</translation>
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
        <translation>magnesów</translation>
    </message>
</context>
<context>
    <name>Plausibility</name>
    <message>
        <source>%1 to %2 for %3 cells (rated voltage %4)</source>
        <extracomment>%1 the least and %2 the largest cut-off voltage with their unit (&quot;28.0 V&quot;, &quot;36.0 V&quot;), %3 the number of cells in series (&quot;10&quot;), %4 the rated voltage with its unit (&quot;36 V&quot;)</extracomment>
        <translation>od %1 do %2 dla %3 ogniw (napięcie znamionowe %4)</translation>
    </message>
    <message>
        <source>at most %1, the value of %2</source>
        <extracomment>%1 a value with its unit (&quot;30 A&quot;), %2 the caption of the field that holds it (&quot;Max phase current&quot;)</extracomment>
        <translation>najwyżej %1, wartość pola %2</translation>
    </message>
    <message>
        <source>below %1, the value of %2</source>
        <extracomment>%1 a value with its unit (&quot;3.4 V&quot;), %2 the caption of the field that holds it (&quot;Full&quot;)</extracomment>
        <translation>poniżej %1, wartości pola %2</translation>
    </message>
    <message>
        <source>above %1, the value of %2</source>
        <extracomment>%1 a value with its unit (&quot;50 %&quot;), %2 the caption of the field that holds it (&quot;Level 2&quot;)</extracomment>
        <translation>powyżej %1, wartości pola %2</translation>
    </message>
    <message>
        <source>%1 at the top level in use</source>
        <extracomment>what the last assist level in use should be: %1 &quot;100 %&quot;</extracomment>
        <translation>%1 na najwyższym używanym poziomie</translation>
    </message>
    <message>
        <source>%1: %2 (plausible: %3)</source>
        <extracomment>one warning: %1 the field&apos;s caption, %2 its value with its unit, %3 what would fit (&quot;at least 1&quot;)</extracomment>
        <translation>%1: %2 (wiarygodne: %3)</translation>
    </message>
    <message>
        <source>These values hardly fit a bike or each other:</source>
        <extracomment>above the list of warnings in the question before a write and in a check&apos;s report</extracomment>
        <translation>Te wartości słabo pasują do roweru lub do siebie nawzajem:</translation>
    </message>
    <message>
        <source>Warning on %1</source>
        <extracomment>what a screen reader calls the small warning sign beside a field; %1 the field&apos;s caption</extracomment>
        <translation>Ostrzeżenie przy polu %1</translation>
    </message>
</context>
<context>
    <name>Profiles</name>
    <message>
        <source>Pro&amp;files</source>
        <extracomment>File &gt; Profiles: the submenu listing the configurations kept under a name</extracomment>
        <translation>Pro&amp;file</translation>
    </message>
    <message>
        <source>Save as Profi&amp;le…</source>
        <translation>Zapisz jako prof&amp;il…</translation>
    </message>
    <message>
        <source>No Profiles Yet</source>
        <extracomment>File &gt; Profiles while there is none</extracomment>
        <translation>Brak profili</translation>
    </message>
    <message>
        <source>Save as Profile</source>
        <translation>Zapisz jako profil</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nazwa:</translation>
    </message>
    <message>
        <source>N&amp;ote:</source>
        <translation>N&amp;otatka:</translation>
    </message>
    <message>
        <source>The window&apos;s values are kept under this name, for example for a battery or a bike model; File &gt; Profiles puts them back into the window.</source>
        <extracomment>under the fields of the profile dialog</extracomment>
        <translation>Wartości okna zostają zachowane pod tą nazwą, na przykład dla akumulatora lub modelu roweru; Plik &gt; Profile wstawia je z powrotem do okna.</translation>
    </message>
    <message>
        <source>A profile named &quot;%1&quot; exists already. Replace it?</source>
        <extracomment>%1 the profile&apos;s name</extracomment>
        <translation>Profil o nazwie „%1” już istnieje. Zastąpić go?</translation>
    </message>
    <message>
        <source>A profile needs a name.</source>
        <translation>Profil potrzebuje nazwy.</translation>
    </message>
    <message>
        <source>A profile&apos;s name has at most %1 characters.</source>
        <extracomment>%1 the largest number of characters</extracomment>
        <translation>Nazwa profilu ma najwyżej %1 znaków.</translation>
    </message>
    <message>
        <source>A profile&apos;s name cannot hold %1 or control characters: &quot;%2&quot;.</source>
        <extracomment>%1 the characters refused, %2 the name given</extracomment>
        <translation>Nazwa profilu nie może zawierać %1 ani znaków sterujących: „%2”.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a file on every system: a profile&apos;s name must not begin with a dot or a blank, end with a dot or a blank, or be a device name such as CON or NUL.</source>
        <extracomment>%1 the name given; CON and NUL are names Windows keeps for devices</extracomment>
        <translation>„%1” nie może być nazwą pliku w każdym systemie: nazwa profilu nie może zaczynać się ani kończyć kropką lub spacją ani być nazwą urządzenia, jak CON lub NUL.</translation>
    </message>
    <message>
        <source>No profile is named &quot;%1&quot;.</source>
        <extracomment>%1 the name given</extracomment>
        <translation>Nie ma profilu o nazwie „%1”.</translation>
    </message>
</context>
<context>
    <name>Register</name>
    <message>
        <source>Not recorded in the register: %1</source>
        <extracomment>%1 why the operation was not recorded (one of the texts below, or the database&apos;s own)</extracomment>
        <translation>Nie zapisano w rejestrze: %1</translation>
    </message>
    <message>
        <source>this build keeps no register (it was made without Qt SQL).</source>
        <extracomment>the program was built without the database module; Qt SQL is the name of that module</extracomment>
        <translation>ta kompilacja nie prowadzi rejestru (zbudowano ją bez Qt SQL).</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <extracomment>%1 the register&apos;s path, %2 the database&apos;s reason</extracomment>
        <translation>Nie można otworzyć %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <extracomment>%1 the register&apos;s path, %2 the database&apos;s reason</extracomment>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <extracomment>%1 the register&apos;s path, %2 the database&apos;s reason</extracomment>
        <translation>Nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>%1 was made by a newer version of the tool (schema %2, this one knows %3).</source>
        <extracomment>%1 the register&apos;s path, %2 the schema version in the file, %3 the newest this version knows</extracomment>
        <translation>%1 utworzyła nowsza wersja narzędzia (schemat %2, ta zna %3).</translation>
    </message>
    <message>
        <source>%1 names no shop server: give postgresql://USER@HOST[:PORT]/DB.</source>
        <extracomment>%1 what was given; keep postgresql://USER@HOST[:PORT]/DB as it is</extracomment>
        <translation>%1 nie wskazuje serwera warsztatu: podaj postgresql://USER@HOST[:PORT]/DB.</translation>
    </message>
    <message>
        <source>%1 carries a password, which is never taken from there: give the address without it and put the password in ~/.pgpass or PGPASSWORD.</source>
        <extracomment>%1 the address with the password left out; keep ~/.pgpass and PGPASSWORD as they are</extracomment>
        <translation>%1 zawiera hasło, które nigdy nie jest stamtąd pobierane: podaj adres bez hasła, a hasło umieść w ~/.pgpass lub PGPASSWORD.</translation>
    </message>
    <message>
        <source>the shop server is not available in this build (Qt&apos;s PostgreSQL driver QPSQL is missing).</source>
        <extracomment>QPSQL is the name of Qt&apos;s PostgreSQL driver</extracomment>
        <translation>serwer warsztatu nie jest dostępny w tej wersji (brak sterownika PostgreSQL Qt, QPSQL).</translation>
    </message>
    <message>
        <source>The shop&apos;s register on %1.</source>
        <extracomment>%1 the server&apos;s address</extracomment>
        <translation>Rejestr warsztatu na %1.</translation>
    </message>
    <message>
        <source>Only this bench&apos;s records: the shop server cannot be reached. %1</source>
        <extracomment>%1 why the server cannot be reached</extracomment>
        <translation>Tylko wpisy tego stanowiska: serwer warsztatu jest nieosiągalny. %1</translation>
    </message>
    <message>
        <source>Recorded on this bench; it goes to the shop server once it can be reached: %1</source>
        <extracomment>%1 why the server cannot be reached now (naming it)</extracomment>
        <translation>Zapisano na tym stanowisku; wpis trafi na serwer warsztatu, gdy tylko będzie osiągalny: %1</translation>
    </message>
</context>
<context>
    <name>RoadCheck</name>
    <message>
        <source>only with pedalling: %1 or %2, or %3 cleared</source>
        <extracomment>%1 and %2 the working styles &quot;Together with pedal sensor&quot; and &quot;Start by pedal sensor&quot;, %3 the check box &quot;Use throttle&quot;</extracomment>
        <translation>tylko z pedałowaniem: %1 lub %2, albo %3 wyłączone</translation>
    </message>
    <message>
        <source>%1, so it assists up to %2</source>
        <extracomment>%1 the wheel perimeter with its unit (&quot;2000 mm&quot;), %2 a speed with its unit (&quot;27.4 km/h&quot;)</extracomment>
        <translation>%1, więc wspomaga do %2</translation>
    </message>
    <message>
        <source>%1, so it assists at any speed</source>
        <extracomment>%1 the wheel perimeter with its unit, &quot;0 mm&quot;: the controller cannot measure the speed</extracomment>
        <translation>%1, więc wspomaga przy każdej prędkości</translation>
    </message>
    <message>
        <source>at least %1: the tire %2 rolls %3 a turn</source>
        <extracomment>%1 the least wheel perimeter (&quot;2128 mm&quot;), %2 the tire (&quot;57-584&quot;), %3 how far it rolls in one turn of the wheel (&quot;2193 mm&quot;)</extracomment>
        <translation>co najmniej %1: opona %2 toczy się %3 na obrót</translation>
    </message>
    <message>
        <source>throttle also without pedalling</source>
        <translation>manetka gazu także bez pedałowania</translation>
    </message>
    <message>
        <source>throttle only while pedalling</source>
        <translation>manetka gazu tylko podczas pedałowania</translation>
    </message>
    <message>
        <source>Road class: %1</source>
        <extracomment>%1 the road class&apos;s name</extracomment>
        <translation>Klasa drogowa: %1</translation>
    </message>
    <message>
        <source>Tire: %1, %2 a turn</source>
        <extracomment>%1 the tire (&quot;57-584&quot;), %2 how far it rolls in one turn of the wheel (&quot;2193 mm&quot;)</extracomment>
        <translation>Opona: %1, %2 na obrót</translation>
    </message>
    <message>
        <source>These values break the road class %1:</source>
        <extracomment>%1 the road class&apos;s name, &quot;EU / UK pedelec (EN 15194)&quot;</extracomment>
        <translation>Te wartości łamią klasę drogową %1:</translation>
    </message>
    <message>
        <source>The settings keep to the road class %1.</source>
        <extracomment>%1 the road class&apos;s name</extracomment>
        <translation>Ustawienia spełniają klasę drogową %1.</translation>
    </message>
    <message>
        <source>No road class chosen.</source>
        <translation>Nie wybrano klasy drogowej.</translation>
    </message>
    <message>
        <source>No tire given: the wheel perimeter is not checked.</source>
        <extracomment>the tire was not given, so the wheel perimeter is not checked</extracomment>
        <translation>Nie podano opony: obwód koła nie jest sprawdzany.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no tire size. Give its ETRTO size, width and bead seat diameter in millimetres (57-584), or a common size such as 26x2.1.</source>
        <extracomment>%1 what was given; keep 57-584 and 26x2.1 as they are</extracomment>
        <translation>„%1” nie jest rozmiarem opony. Podaj rozmiar ETRTO, szerokość i średnicę osadzenia w milimetrach (57-584), albo popularny rozmiar, np. 26x2.1.</translation>
    </message>
    <message>
        <source>%1, and there is no speed limit: it assists at any speed</source>
        <extracomment>%1 the wheel perimeter with its unit; &quot;Limit max speed&quot; is cleared, so nothing cuts the motor off</extracomment>
        <translation>%1, a nie ma ograniczenia prędkości: wspomaga przy każdej prędkości</translation>
    </message>
    <message>
        <source>%1, so the speedometer reads %2 % slow</source>
        <extracomment>%1 the wheel perimeter with its unit (&quot;2074 mm&quot;), %2 how many per cent too slow it shows the speed (&quot;5&quot;)</extracomment>
        <translation>%1, więc licznik pokazuje o %2 % za mało</translation>
    </message>
    <message>
        <source>%1, so the speedometer reads %2 % fast</source>
        <extracomment>%1 the wheel perimeter with its unit (&quot;2400 mm&quot;), %2 how many per cent too fast it shows the speed (&quot;16&quot;)</extracomment>
        <translation>%1, więc licznik pokazuje o %2 % za dużo</translation>
    </message>
    <message>
        <source>%1 to %2: the tire %3 rolls %4 a turn</source>
        <extracomment>the perimeters that show the speed true to 3 %: %1 the least (&quot;2128 mm&quot;), %2 the largest (&quot;2258 mm&quot;), %3 the tire (&quot;57-584&quot;), %4 how far it rolls in one turn of the wheel (&quot;2193 mm&quot;)</extracomment>
        <translation>od %1 do %2: opona %3 toczy się %4 na obrót</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <extracomment>one note: %1 the field&apos;s caption, %2 its value as a note says it, %3 the perimeters that read true</extracomment>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>Worth knowing, though it does not break the class:</source>
        <extracomment>above the notes of a check, after the line that says whether the class is kept</extracomment>
        <translation>Warto wiedzieć, choć to nie łamie klasy:</translation>
    </message>
</context>
<context>
    <name>RoadClasses</name>
    <message>
        <source>EU / UK pedelec (EN 15194)</source>
        <extracomment>the European and British class of pedal-assist bikes; keep EN 15194</extracomment>
        <translation>Rower ze wspomaganiem UE / UK (EN 15194)</translation>
    </message>
    <message>
        <source>US class 1</source>
        <extracomment>US class 1: pedal assist only, up to 20 mph</extracomment>
        <translation>USA klasa 1</translation>
    </message>
    <message>
        <source>US class 2</source>
        <extracomment>US class 2: throttle allowed, up to 20 mph</extracomment>
        <translation>USA klasa 2</translation>
    </message>
    <message>
        <source>US class 3</source>
        <extracomment>US class 3: pedal assist only, up to 28 mph</extracomment>
        <translation>USA klasa 3</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Kanada</translation>
    </message>
    <message>
        <source>Australia pedalec</source>
        <extracomment>&quot;pedalec&quot; is the Australian rules&apos; own word for a pedal-assist bike</extracomment>
        <translation>Australia pedalec</translation>
    </message>
</context>
<context>
    <name>SafetyDialogs</name>
    <message>
        <source>Parameter</source>
        <translation>Parametr</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Jednostka</translation>
    </message>
    <message>
        <source>Window</source>
        <extracomment>column heading: the value the window shows</extracomment>
        <translation>Okno</translation>
    </message>
    <message>
        <source>Controller</source>
        <extracomment>column heading: the value the controller holds</extracomment>
        <translation>Sterownik</translation>
    </message>
    <message>
        <source>Written</source>
        <extracomment>column heading: the value that was written to the controller</extracomment>
        <translation>Zapisana</translation>
    </message>
    <message>
        <source>Held by the controller</source>
        <extracomment>column heading: the value the controller holds after the write</extracomment>
        <translation>W sterowniku</translation>
    </message>
    <message>
        <source>Compare with Controller</source>
        <translation>Porównanie ze sterownikiem</translation>
    </message>
    <message>
        <source>These parameters differ between the window and the controller:</source>
        <translation>Te parametry mają inne wartości w oknie niż w sterowniku:</translation>
    </message>
    <message>
        <source>The controller holds the window&apos;s settings.</source>
        <translation>Ustawienia w sterowniku są takie same jak w oknie.</translation>
    </message>
    <message>
        <source>&amp;Load Controller&apos;s Values</source>
        <translation>&amp;Wczytaj wartości ze sterownika</translation>
    </message>
    <message>
        <source>&amp;Write Window&apos;s Values</source>
        <translation>Za&amp;pisz wartości z okna</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Przywracanie kopii zapasowej</translation>
    </message>
    <message>
        <source>Choose a backup to load into the window. The controller does not change until you write the settings.</source>
        <translation>Należy wybrać kopię zapasową, która zostanie wczytana do okna. Sterownik nie zmieni się, dopóki ustawienia nie zostaną do niego zapisane.</translation>
    </message>
    <message>
        <source>Taken</source>
        <extracomment>column heading: when the backup was taken</extracomment>
        <translation>Wykonana</translation>
    </message>
    <message>
        <source>Parameters that differ from the window</source>
        <translation>Parametry inne niż w oknie</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Wczytaj</translation>
    </message>
    <message>
        <source>There are no backups yet. A backup of the controller&apos;s settings is taken before every write.</source>
        <translation>Nie ma jeszcze kopii zapasowych. Kopia zapasowa ustawień sterownika jest wykonywana przed każdym zapisem.</translation>
    </message>
    <message>
        <source>Write that followed</source>
        <extracomment>column heading: how the write that followed the backup ended</extracomment>
        <translation>Następny zapis</translation>
    </message>
    <message>
        <source>Note</source>
        <extracomment>column heading: &quot;Taken after an interrupted write&quot;, or nothing</extracomment>
        <translation>Uwaga</translation>
    </message>
    <message>
        <source>A backup taken after an interrupted write may hold part of that write&apos;s values. To undo the interrupted write, load the newest backup without that note.</source>
        <translation>Kopia zapasowa wykonana po przerwanym zapisie może zawierać część wartości z tego zapisu. Aby cofnąć przerwany zapis, należy wczytać najnowszą kopię bez tej uwagi.</translation>
    </message>
    <message>
        <source>Values Outside the Limits</source>
        <translation>Wartości poza granicami</translation>
    </message>
    <message>
        <source>Write anyway?</source>
        <translation>Zapisać mimo to?</translation>
    </message>
    <message>
        <source>&amp;Write Anyway</source>
        <translation>&amp;Zapisz mimo to</translation>
    </message>
    <message>
        <source>Unreadable</source>
        <extracomment>in the differences column of a backup file that cannot be loaded (empty or damaged)</extracomment>
        <translation>Nieczytelna</translation>
    </message>
    <message>
        <source>&amp;Compare with Controller…</source>
        <translation>&amp;Porównaj ze sterownikiem…</translation>
    </message>
    <message>
        <source>Back &amp;Up Before Write</source>
        <translation>&amp;Kopia zapasowa przed zapisem</translation>
    </message>
    <message>
        <source>&amp;Verify After Write</source>
        <translation>&amp;Weryfikacja po zapisie</translation>
    </message>
    <message>
        <source>Restore &amp;Backup…</source>
        <translation>P&amp;rzywróć kopię zapasową…</translation>
    </message>
    <message>
        <source>%1 (no. %2)</source>
        <extracomment>when more than one backup was taken in the same second: %1 the date and time, %2 the backup&apos;s place among them (1 the first); &quot;14.03.26 09:30:01 (no. 2)&quot;</extracomment>
        <translation>%1 (nr %2)</translation>
    </message>
    <message>
        <source>Implausible Values</source>
        <extracomment>the title of the question before a write when only implausible values are listed</extracomment>
        <translation>Nieprawdopodobne wartości</translation>
    </message>
</context>
<context>
    <name>SettingsJson</name>
    <message>
        <source>This is no JSON (at byte %1: %2).</source>
        <extracomment>%1 where the JSON breaks (a byte offset), %2 the parser&apos;s reason (English)</extracomment>
        <translation>To nie jest JSON (przy bajcie %1: %2).</translation>
    </message>
    <message>
        <source>This JSON holds no settings: its &quot;format&quot; is not &quot;vexlor-settings&quot;.</source>
        <extracomment>keep &quot;format&quot; and vexlor-settings as they are: they are written so in the file</extracomment>
        <translation>Ten JSON nie zawiera ustawień: jego &quot;format&quot; to nie &quot;vexlor-settings&quot;.</translation>
    </message>
    <message>
        <source>These settings are of version %1; this tool reads version %2 and older.</source>
        <extracomment>%1 the version the file names, %2 the newest this tool reads</extracomment>
        <translation>Te ustawienia mają wersję %1; to narzędzie czyta wersję %2 i starsze.</translation>
    </message>
    <message>
        <source>Unknown member &quot;%1&quot;.</source>
        <extracomment>%1 the member as the file spells it; keep &quot;parameters&quot; and &quot;name&quot; as they are</extracomment>
        <translation>Nieznany element &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;parameters&quot; must be a list of objects, each with a &quot;name&quot; and a &quot;value&quot;.</source>
        <extracomment>keep &quot;parameters&quot;, &quot;name&quot; and &quot;value&quot; as they are: they are written so in the file</extracomment>
        <translation>&quot;parameters&quot; musi być listą obiektów, każdy z &quot;name&quot; i &quot;value&quot;.</translation>
    </message>
    <message>
        <source>Unknown parameter &quot;%1&quot;.</source>
        <extracomment>%1 the parameter&apos;s name as the file spells it</extracomment>
        <translation>Nieznany parametr &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 is given twice.</source>
        <extracomment>%1 the parameter&apos;s name</extracomment>
        <translation>%1 podano dwa razy.</translation>
    </message>
    <message>
        <source>%1 is missing.</source>
        <extracomment>%1 the parameter&apos;s name</extracomment>
        <translation>Brak %1.</translation>
    </message>
    <message>
        <source>%1: %2 is of the wrong type; expected %3.</source>
        <extracomment>%1 the parameter&apos;s name, %2 the value as the file holds it, %3 what is expected instead</extracomment>
        <translation>%1: %2 ma zły typ; oczekiwano: %3.</translation>
    </message>
    <message>
        <source>a number</source>
        <extracomment>what a field&apos;s value must be: a number, in quotes or not</extracomment>
        <translation>liczba</translation>
    </message>
    <message>
        <source>true or false</source>
        <extracomment>keep true and false as they are: they are written so in the file</extracomment>
        <translation>true lub false</translation>
    </message>
    <message>
        <source>0 or 1</source>
        <translation>0 lub 1</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>liczba całkowita</translation>
    </message>
    <message>
        <source>%1: the unit %2 is not the field&apos;s unit &quot;%3&quot;.</source>
        <extracomment>%1 the parameter&apos;s name, %2 the unit the file names, %3 the field&apos;s unit</extracomment>
        <translation>%1: jednostka %2 to nie jednostka pola, &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>%1: %2 holds characters a configuration file cannot keep.</source>
        <extracomment>%1 the parameter&apos;s name, %2 the value; a .vxc file holds 8-bit (Latin-1) text only</extracomment>
        <translation>%1: %2 zawiera znaki, których plik konfiguracji nie może przechować.</translation>
    </message>
    <message>
        <source>%1: %2 is beyond the field&apos;s limits (allowed: %3).</source>
        <extracomment>%1 the parameter&apos;s name, %2 the value, %3 the allowed range (&quot;at most 30.0 A&quot;)</extracomment>
        <translation>%1: %2 jest poza granicami pola (dozwolone: %3).</translation>
    </message>
    <message>
        <source>The fingerprint %1 does not belong to these values (they give %2): the file was changed after it was written. Remove the fingerprint to take the changed values.</source>
        <extracomment>%1 the fingerprint in the file, %2 the one of its values</extracomment>
        <translation>Odcisk %1 nie pasuje do tych wartości (dają %2): plik zmieniono po zapisaniu. Usuń odcisk, aby przyjąć zmienione wartości.</translation>
    </message>
</context>
<context>
    <name>SettingsSheet</name>
    <message>
        <source>Settings Sheet</source>
        <translation>Karta ustawień</translation>
    </message>
    <message>
        <source>Document: %1</source>
        <extracomment>%1 the configuration file&apos;s name, &quot;bike.vxc&quot;</extracomment>
        <translation>Dokument: %1</translation>
    </message>
    <message>
        <source>Document: not saved to a file</source>
        <translation>Dokument: niezapisany w pliku</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <extracomment>%1 the date in the user&apos;s language</extracomment>
        <translation>Data: %1</translation>
    </message>
    <message>
        <source>Made with: %1</source>
        <extracomment>%1 the tool&apos;s name and version, &quot;Vexlor Adjustor 1.35&quot;</extracomment>
        <translation>Utworzono w: %1</translation>
    </message>
    <message>
        <source>Controller software version: v%1</source>
        <extracomment>%1 the controller&apos;s software version such as 1-35, after the letter v</extracomment>
        <translation>Wersja oprogramowania sterownika: v%1</translation>
    </message>
    <message>
        <source>Fingerprint</source>
        <extracomment>a short mark of the whole configuration, such as 3F2A-91C0, shown above it</extracomment>
        <translation>Odcisk</translation>
    </message>
    <message>
        <source>Assist levels</source>
        <extracomment>the title of a bar chart of the nine assist levels&apos; limits, in percent</extracomment>
        <translation>Poziomy wspomagania</translation>
    </message>
    <message>
        <source>Road class check</source>
        <translation>Sprawdzenie klasy drogowej</translation>
    </message>
    <message>
        <source>Bike shop: date and signature</source>
        <extracomment>under the line where the bike shop signs</extracomment>
        <translation>Serwis rowerowy: data i podpis</translation>
    </message>
    <message>
        <source>Customer: date and signature</source>
        <extracomment>under the line where the customer signs</extracomment>
        <translation>Klient: data i podpis</translation>
    </message>
    <message>
        <source>Values: the window&apos;s, not saved to a file</source>
        <extracomment>in place of the document&apos;s name when the values were changed after it was opened or saved</extracomment>
        <translation>Wartości: z okna, niezapisane w pliku</translation>
    </message>
    <message>
        <source>%1 is not a PDF file, and a settings sheet replaces no other file. Choose another name.</source>
        <extracomment>%1 the path of a file that is not a PDF, such as a configuration</extracomment>
        <translation>%1 nie jest plikiem PDF, a karta ustawień nie zastępuje żadnego innego pliku. Wybierz inną nazwę.</translation>
    </message>
    <message>
        <source>Units: %1</source>
        <extracomment>%1 the units speeds are shown in: &quot;Metric (km/h)&quot; or &quot;Imperial (mph)&quot;</extracomment>
        <translation>Jednostki: %1</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Limit max speed</source>
        <extracomment>the caption of the window&apos;s check box &quot;Limit max speed&quot; in the list of proposed values</extracomment>
        <translation>Ogranicz prędkość maks.</translation>
    </message>
    <message>
        <source>%1 cells × 3.15 V, rounded up: stops before the cells run too low</source>
        <extracomment>why a low voltage protection: %1 the battery&apos;s cells in series (&quot;13&quot;); keep it short</extracomment>
        <translation>%1 ogniw × 3,15 V, zaokrąglone w górę: odcina, zanim ogniwa rozładują się zbyt głęboko</translation>
    </message>
    <message>
        <source>as printed on the motor</source>
        <translation>jak podano na silniku</translation>
    </message>
    <message>
        <source>the battery&apos;s nominal voltage, %1</source>
        <extracomment>%1 the battery&apos;s nominal voltage with its unit (&quot;48 V&quot;)</extracomment>
        <translation>napięcie nominalne akumulatora, %1</translation>
    </message>
    <message>
        <source>as printed on the motor; it does not fit the battery&apos;s %1</source>
        <extracomment>%1 the battery&apos;s nominal voltage (&quot;48 V&quot;): the motor&apos;s rated voltage differs from it</extracomment>
        <translation>jak podano na silniku; nie pasuje do %1 akumulatora</translation>
    </message>
    <message>
        <source>the BMS&apos;s continuous current</source>
        <translation>prąd ciągły BMS</translation>
    </message>
    <message>
        <source>the BMS gives %1, the field allows at most %2</source>
        <extracomment>%1 the BMS&apos;s continuous current (&quot;40.0 A&quot;), %2 the most the field allows (&quot;30.0 A&quot;)</extracomment>
        <translation>BMS daje %1, pole pozwala najwyżej na %2</translation>
    </message>
    <message>
        <source>the BMS gives %1, but never more than the max phase current, %2</source>
        <extracomment>%1 the BMS&apos;s continuous current (&quot;25.0 A&quot;), %2 the motor&apos;s max phase current (&quot;20 A&quot;)</extracomment>
        <translation>BMS daje %1, ale nigdy więcej niż maks. prąd fazowy, %2</translation>
    </message>
    <message>
        <source>the limit of %1</source>
        <extracomment>%1 the road class&apos;s name</extracomment>
        <translation>limit klasy %1</translation>
    </message>
    <message>
        <source>so the controller keeps to the speed limit</source>
        <translation>aby sterownik przestrzegał ograniczenia prędkości</translation>
    </message>
    <message>
        <source>%1 allows a throttle only while pedalling</source>
        <extracomment>%1 the road class&apos;s name</extracomment>
        <translation>%1 dopuszcza manetkę tylko podczas pedałowania</translation>
    </message>
    <message>
        <source>%1 allows it</source>
        <extracomment>%1 the road class&apos;s name</extracomment>
        <translation>%1 na to pozwala</translation>
    </message>
    <message>
        <source>the tire %1 rolls %2 a turn</source>
        <extracomment>%1 the tire (&quot;57-584&quot;), %2 how far it rolls in one turn of the wheel (&quot;2193 mm&quot;)</extracomment>
        <translation>opona %1 toczy się %2 na obrót</translation>
    </message>
    <message>
        <source>the levels the rider wants</source>
        <translation>poziomy, których chce rowerzysta</translation>
    </message>
    <message>
        <source>level %1 of %2, rising to 100 % at the top</source>
        <extracomment>%1 the level&apos;s number, %2 how many levels are in use</extracomment>
        <translation>poziom %1 z %2, rosnąco do 100 % na najwyższym</translation>
    </message>
    <message>
        <source>as printed on the motor; the motor does not fit %1 (%2)</source>
        <extracomment>%1 the road class&apos;s name, %2 what it allows (&quot;at most 250 W&quot;)</extracomment>
        <translation>jak podano na silniku; silnik nie pasuje do %1 (%2)</translation>
    </message>
    <message>
        <source>as set; it does not fit %1 (%2)</source>
        <extracomment>the motor&apos;s power was not given and the one set does not fit: %1 the class&apos;s name, %2 &quot;at most 250 W&quot;</extracomment>
        <translation>jak ustawiono; nie pasuje do %1 (%2)</translation>
    </message>
    <message>
        <source>0 counts nothing: the initial value</source>
        <translation>0 niczego nie liczy: wartość początkowa</translation>
    </message>
    <message>
        <source>the start voltage must stay below the full voltage: the initial value</source>
        <translation>napięcie początkowe musi być niższe od pełnego: wartość początkowa</translation>
    </message>
</context>
<context>
    <name>SetupWizard</name>
    <message>
        <source>not known</source>
        <extracomment>a motor value the rider has not found printed on the motor</extracomment>
        <translation>nieznane</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Akumulator</translation>
    </message>
    <message>
        <source>As printed on the battery and on its BMS.</source>
        <translation>Jak podano na akumulatorze i jego BMS.</translation>
    </message>
    <message>
        <source>other</source>
        <extracomment>the battery&apos;s nominal voltage is none of those listed: its cells are given below</extracomment>
        <translation>inne</translation>
    </message>
    <message>
        <source>Nominal voltage:</source>
        <extracomment>the voltage the battery is sold by: 24, 36, 48 or 52 V</extracomment>
        <translation>Napięcie nominalne:</translation>
    </message>
    <message>
        <source>Cells in series:</source>
        <translation>Ogniwa szeregowo:</translation>
    </message>
    <message>
        <source>BMS continuous current:</source>
        <extracomment>the current the battery&apos;s management system (BMS) gives without a break</extracomment>
        <translation>Prąd ciągły BMS:</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Silnik</translation>
    </message>
    <message>
        <source>As printed on the motor. What is not known stays as it is.</source>
        <translation>Jak podano na silniku. To, co nieznane, pozostaje bez zmian.</translation>
    </message>
    <message>
        <source>Wheel and road</source>
        <translation>Koło i droga</translation>
    </message>
    <message>
        <source>The tire as printed on it, the road class the bike keeps to, and the assist levels the rider wants.</source>
        <translation>Opona, jak podano na niej, klasa drogowa, której przestrzega rower, i poziomy wspomagania, których chce rowerzysta.</translation>
    </message>
    <message>
        <source>Proposed values</source>
        <translation>Proponowane wartości</translation>
    </message>
    <message>
        <source>Apply puts the ticked values into the window. Only Write sends them to the controller.</source>
        <translation>Zastosuj wstawia zaznaczone wartości do okna. Dopiero Zapis wysyła je do sterownika.</translation>
    </message>
    <message>
        <source>Setting</source>
        <extracomment>the columns of the proposed values: the field, its value now, the value proposed, why</extracomment>
        <translation>Ustawienie</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Teraz</translation>
    </message>
    <message>
        <source>Proposed</source>
        <translation>Propozycja</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Dlaczego</translation>
    </message>
    <message>
        <source>Not every part fits %1: the rows say which.</source>
        <translation>Nie każda część pasuje do %1: wiersze mówią, która.</translation>
    </message>
    <message>
        <source>New Bike Setup</source>
        <extracomment>the window title of File &gt; New Bike Setup…</extracomment>
        <translation>Ustaw nowy rower</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <extracomment>the last page&apos;s button that puts the ticked values into the window (nothing is sent)</extracomment>
        <translation>Za&amp;stosuj</translation>
    </message>
</context>
<context>
    <name>Shop</name>
    <message>
        <source>None</source>
        <extracomment>the check dialog&apos;s choice of no road class</extracomment>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Check Road Class</source>
        <translation>Sprawdź klasę drogową</translation>
    </message>
    <message>
        <source>&amp;Road class:</source>
        <translation>&amp;Klasa drogowa:</translation>
    </message>
    <message>
        <source>&amp;Tire:</source>
        <translation>&amp;Opona:</translation>
    </message>
    <message>
        <source>Road Class Not Kept</source>
        <translation>Klasa drogowa niespełniona</translation>
    </message>
    <message>
        <source>Fingerprint %1</source>
        <extracomment>in the status strip: %1 the fingerprint of the controller&apos;s settings, such as 3F2A-91C0</extracomment>
        <translation>Odcisk %1</translation>
    </message>
    <message>
        <source>Fingerprint of the window&apos;s settings: %1
Fingerprint of the controller&apos;s settings: %2</source>
        <extracomment>in the comparison: %1 the fingerprint of the window&apos;s settings, %2 the controller&apos;s</extracomment>
        <translation>Odcisk ustawień w oknie: %1
Odcisk ustawień sterownika: %2</translation>
    </message>
    <message>
        <source>Export Settings Sheet</source>
        <translation>Eksportuj kartę ustawień</translation>
    </message>
    <message>
        <source>PDF Documents (*.pdf)</source>
        <extracomment>the file dialog&apos;s filter; keep &quot;(*.pdf)&quot; as it is</extracomment>
        <translation>Dokumenty PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Roa&amp;d Class</source>
        <extracomment>Connect &gt; Road Class: the submenu of legal classes writes are checked against</extracomment>
        <translation>Klasa &amp;drogowa</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <extracomment>Connect &gt; Road Class &gt; None: writes are checked against no class</extracomment>
        <translation>&amp;Brak</translation>
    </message>
    <message>
        <source>C&amp;heck Road Class…</source>
        <translation>Sp&amp;rawdź klasę drogową…</translation>
    </message>
    <message>
        <source>Ex&amp;port Settings Sheet…</source>
        <translation>&amp;Eksportuj kartę ustawień…</translation>
    </message>
    <message>
        <source>Fingerprint</source>
        <extracomment>the status strip&apos;s fingerprint label as a screen reader names it</extracomment>
        <translation>Odcisk</translation>
    </message>
    <message>
        <source>The tire&apos;s ETRTO size, width and bead seat diameter in millimetres (57-584), a common size such as 26x2.1, or the size printed on it in inches or French, such as 29x2.6 or 700x38c. Without a tire the wheel perimeter is not checked.</source>
        <extracomment>under the tire field; keep 57-584, 26x2.1, 29x2.6 and 700x38c as they are</extracomment>
        <translation>Rozmiar ETRTO opony, szerokość i średnica osadzenia w milimetrach (57-584), popularny rozmiar, np. 26x2.1, albo rozmiar nadrukowany w calach lub francuski, np. 29x2.6 lub 700x38c. Bez opony obwód koła nie jest sprawdzany.</translation>
    </message>
    <message>
        <source>Settings sheet saved to %1</source>
        <extracomment>in the status strip once the sheet is written: %1 the sheet&apos;s full path</extracomment>
        <translation>Karta ustawień zapisana w %1</translation>
    </message>
    <message>
        <source>No PDF viewer could be started; settings sheet saved to %1</source>
        <extracomment>in the status strip when the sheet is written but no program opens PDF files: %1 its full path</extracomment>
        <translation>Nie udało się uruchomić przeglądarki PDF; karta ustawień zapisana w %1</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Pedal-assist e-bike drive configuration</source>
        <translation>Konfiguracja napędu e-roweru ze wspomaganiem</translation>
    </message>
</context>
<context>
    <name>Transactions</name>
    <message>
        <source>Busy</source>
        <extracomment>status strip, 34 pixels wide: frames are being exchanged with the controller</extracomment>
        <translation>Praca</translation>
    </message>
    <message>
        <source>Idle</source>
        <extracomment>status strip, 34 pixels wide: nothing is being exchanged</extracomment>
        <translation>Postój</translation>
    </message>
    <message>
        <source>Pass</source>
        <extracomment>status strip, 38 pixels wide: the last read or write succeeded</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Fail</source>
        <extracomment>status strip, 38 pixels wide: the last read or write failed</extracomment>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Communication with controller failed!</source>
        <translation>Komunikacja ze sterownikiem nie powiodła się!</translation>
    </message>
    <message>
        <source>Communication with controller interrupted!</source>
        <translation>Komunikacja ze sterownikiem została przerwana!</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Uwaga</translation>
    </message>
    <message>
        <source>This error may be caused by controller MCU flash write protection. Please re-program .hex file to the controller with the write option bytes. Read Page 7 of %1</source>
        <extracomment>%1 the programming guide&apos;s file name, ST-LINK_Installation_EN.pdf</extracomment>
        <translation>Przyczyną tego błędu może być ochrona przed zapisem pamięci flash mikrokontrolera sterownika. Należy ponownie wgrać do sterownika plik .hex z zapisem bajtów opcji (option bytes). Szczegóły na stronie 7 dokumentu %1</translation>
    </message>
    <message>
        <source>Configuration of the controller was read successfully.</source>
        <translation>Konfiguracja sterownika została pomyślnie odczytana.</translation>
    </message>
    <message>
        <source>Read controller result</source>
        <translation>Wynik odczytu sterownika</translation>
    </message>
    <message>
        <source>Configuration of the controller was written successfully.</source>
        <translation>Konfiguracja została pomyślnie zapisana w sterowniku.</translation>
    </message>
    <message>
        <source>Write controller result</source>
        <translation>Wynik zapisu do sterownika</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>Metric (km/h)</source>
        <extracomment>the Units menu item, and the units a settings sheet names: kilometres per hour</extracomment>
        <translation>Metryczne (km/h)</translation>
    </message>
    <message>
        <source>Imperial (mph)</source>
        <extracomment>the Units menu item, and the units a settings sheet names: miles per hour</extracomment>
        <translation>Imperialne (mph)</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <extracomment>%1 the text that should have been a number such as 14.5</extracomment>
        <translation>„%1” nie jest prawidłową liczbą dziesiętną</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <extracomment>%1 the text that should have been a whole number</extracomment>
        <translation>„%1” nie jest prawidłową liczbą całkowitą</translation>
    </message>
    <message>
        <source>No item is selected for %1: select one of its %2 items.</source>
        <extracomment>%1 a radio group&apos;s title, %2 how many items it has</extracomment>
        <translation>Nie wybrano żadnej opcji w grupie „%1”: należy wybrać jedną z %2 opcji.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is out of range for %2: the controller accepts 0 to less than %3.</source>
        <extracomment>%1 the text typed, %2 the field&apos;s caption, %3 the first value too large</extracomment>
        <translation>Wartość „%1” jest poza zakresem pola „%2”: sterownik przyjmuje wartości od 0 do mniejszych niż %3.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is out of range for %2: the controller accepts 0 to %3.</source>
        <extracomment>%1 the text typed, %2 the field&apos;s caption, %3 the largest value accepted</extracomment>
        <translation>Wartość „%1” jest poza zakresem pola „%2”: sterownik przyjmuje wartości od 0 do %3.</translation>
    </message>
</context>
<context>
    <name>WriteSafety</name>
    <message>
        <source>The controller&apos;s settings could not be kept as a backup, so nothing was written.

%1</source>
        <extracomment>%1 the file&apos;s error, such as &quot;Cannot create file ...&quot;</extracomment>
        <translation>Nie udało się zachować ustawień sterownika jako kopii zapasowej, dlatego nic nie zostało zapisane.

%1</translation>
    </message>
    <message>
        <source>The configuration was written and stored, but reading it back to check it failed:
%1</source>
        <extracomment>%1 the read&apos;s own message, such as &quot;Communication with controller failed!&quot;</extracomment>
        <translation>Konfiguracja została zapisana i utrwalona w sterowniku, ale nie udało się jej odczytać w celu sprawdzenia:
%1</translation>
    </message>
    <message>
        <source>The configuration was written and stored, but the controller holds other values than were written:</source>
        <translation>Konfiguracja została zapisana i utrwalona w sterowniku, ale sterownik ma inne wartości niż zapisane:</translation>
    </message>
    <message>
        <source>%1: written %2, holds %3</source>
        <extracomment>%1 the field&apos;s caption, %2 the value written, %3 the value the controller holds</extracomment>
        <translation>%1: zapisano %2, w sterowniku %3</translation>
    </message>
    <message>
        <source>Written, stored and checked</source>
        <translation>Zapisany, utrwalony i sprawdzony</translation>
    </message>
    <message>
        <source>Written and stored, not checked</source>
        <translation>Zapisany i utrwalony, niesprawdzony</translation>
    </message>
    <message>
        <source>Written and stored; the controller holds other values</source>
        <translation>Zapisany i utrwalony; sterownik ma inne wartości</translation>
    </message>
    <message>
        <source>Written and stored; reading it back failed</source>
        <translation>Zapisany i utrwalony; odczyt kontrolny nie powiódł się</translation>
    </message>
    <message>
        <source>Interrupted at frame %1 of %2</source>
        <extracomment>%1 the frame that went unanswered (0 to 59), %2 the frames of a write (60)</extracomment>
        <translation>Przerwany na ramce %1 z %2</translation>
    </message>
    <message>
        <source>Sent, but the store failed</source>
        <translation>Wysłany, ale utrwalenie nie powiodło się</translation>
    </message>
    <message>
        <source>Never ended (the program stopped)</source>
        <extracomment>the program stopped (closed, killed, crashed) before the write ended</extracomment>
        <translation>Nigdy nie zakończony (program przestał działać)</translation>
    </message>
    <message>
        <source>Not recorded</source>
        <extracomment>the backup was taken by an older version, which kept no record of the write</extracomment>
        <translation>Nie odnotowano</translation>
    </message>
    <message>
        <source>Taken after an interrupted write</source>
        <translation>Wykonana po przerwanym zapisie</translation>
    </message>
    <message>
        <source>%1
The controller&apos;s settings could not be read for a backup, so nothing was written and no backup was kept.</source>
        <extracomment>%1 the read&apos;s own message, such as &quot;Communication with controller interrupted!&quot;</extracomment>
        <translation>%1
Nie udało się odczytać ustawień sterownika do kopii zapasowej, dlatego nic nie zostało zapisane i nie zachowano żadnej kopii.</translation>
    </message>
</context>
<context>
    <name>vexlor::ConnectionDoctorDialog</name>
    <message>
        <source>Passed</source>
        <translation>Zaliczone</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Niezaliczone</translation>
    </message>
    <message>
        <source>Not applicable</source>
        <translation>Nie dotyczy</translation>
    </message>
    <message>
        <source>Connection Doctor</source>
        <translation>Diagnostyka połączenia</translation>
    </message>
    <message>
        <source>Why the programming cable does or does not work, and what fixes it:</source>
        <translation>Dlaczego kabel programujący działa albo nie działa i co to naprawi:</translation>
    </message>
    <message>
        <source>&amp;Run Again</source>
        <translation>&amp;Sprawdź ponownie</translation>
    </message>
    <message>
        <source>&amp;Copy Report</source>
        <translation>&amp;Kopiuj raport</translation>
    </message>
    <message>
        <source>Fix: %1</source>
        <extracomment>before the fix of a check that failed or warns; %1 the fix, often a command</extracomment>
        <translation>Naprawa: %1</translation>
    </message>
    <message>
        <source>Asking the controller…</source>
        <translation>Odpytywanie sterownika…</translation>
    </message>
</context>
<context>
    <name>vexlor::HistoryDialog</name>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operacja</translation>
    </message>
    <message>
        <source>Bike</source>
        <translation>Rower</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Przed</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Po</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Road class</source>
        <translation>Klasa drogowa</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Sprawdzenie</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Komunikat</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Dokument</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Kopia zapasowa</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Sterownik</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Użytkownik</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>History</source>
        <extracomment>the title of Connect &gt; History...: the register of every operation</extracomment>
        <translation>Historia</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Od:</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Od</translation>
    </message>
    <message>
        <source>&amp;Bike:</source>
        <translation>&amp;Rower:</translation>
    </message>
    <message>
        <source>F&amp;ingerprint:</source>
        <translation>&amp;Odcisk:</translation>
    </message>
    <message>
        <source>Open &amp;Document</source>
        <translation>Otwórz &amp;dokument</translation>
    </message>
    <message>
        <source>Open B&amp;ackup</source>
        <translation>Otwórz &amp;kopię</translation>
    </message>
    <message>
        <source>&amp;Settings Sheet…</source>
        <translation>&amp;Karta ustawień…</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>&amp;Eksportuj CSV…</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <extracomment>the file dialog&apos;s filter for the CSV export of the history</extracomment>
        <translation>Eksportuj CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>Read</source>
        <comment>History: an operation</comment>
        <translation>Odczyt</translation>
    </message>
    <message>
        <source>Write</source>
        <comment>History: an operation</comment>
        <translation>Zapis</translation>
    </message>
    <message>
        <source>Compare</source>
        <comment>History: an operation</comment>
        <translation>Porównanie</translation>
    </message>
    <message>
        <source>Backup written back</source>
        <comment>History: an operation</comment>
        <translation>Kopia zapisana z powrotem</translation>
    </message>
    <message>
        <source>Settings sheet</source>
        <comment>History: an operation</comment>
        <translation>Karta ustawień</translation>
    </message>
    <message>
        <source>Done</source>
        <comment>History: how an operation ended</comment>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Failed</source>
        <comment>History: how an operation ended</comment>
        <translation>Nieudane</translation>
    </message>
    <message>
        <source>Values differ</source>
        <comment>History: how a comparison ended</comment>
        <translation>Wartości się różnią</translation>
    </message>
    <message>
        <source>Keeps the class</source>
        <comment>History: the road class check</comment>
        <translation>Spełnia klasę</translation>
    </message>
    <message>
        <source>Breaks the class</source>
        <comment>History: the road class check</comment>
        <translation>Narusza klasę</translation>
    </message>
</context>
</TS>
