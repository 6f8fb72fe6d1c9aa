<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>Cli</name>
    <message>
        <source>Usage: vexlor-cli %1</source>
        <extracomment>%1 the command&apos;s synopsis such as &quot;encode FILE&quot;; keep vexlor-cli as it is</extracomment>
        <translation>Uso: vexlor-cli %1</translation>
    </message>
    <message>
        <source>Cannot write to the standard output.</source>
        <translation>Impossibile scrivere sullo standard output.</translation>
    </message>
    <message>
        <source>%1 lacks the Hall sensor type (a fault of an old version). Open it in the window, answer its question and save it, then try again.</source>
        <extracomment>%1 the file&apos;s path</extracomment>
        <translation>In %1 manca il tipo di sensore Hall (un difetto di una versione precedente). Aprire il file nella finestra, rispondere alla domanda, salvarlo e riprovare.</translation>
    </message>
    <message>
        <source>Backup: %1</source>
        <extracomment>%1 the backup file&apos;s path</extracomment>
        <translation>Backup: %1</translation>
    </message>
    <message>
        <source>Read back: the controller holds every value written.</source>
        <translation>Rilettura: la centralina contiene tutti i valori scritti.</translation>
    </message>
    <message>
        <source>apply FILE over the initial state and print the sixty values a write would send</source>
        <extracomment>FILE is the argument named in the synopsis &quot;encode FILE&quot;: keep it as it is</extracomment>
        <translation>applica FILE allo stato iniziale e mostra i sessanta valori che una scrittura invierebbe</translation>
    </message>
    <message>
        <source>list the serial ports, marking the one the tool would use</source>
        <translation>elenca le porte seriali, indicando quella che verrebbe usata</translation>
    </message>
    <message>
        <source>test the connection and print the controller&apos;s software version</source>
        <translation>verifica la connessione e mostra la versione software della centralina</translation>
    </message>
    <message>
        <source>read the controller&apos;s configuration into FILE (or stdout) as a .vxc file</source>
        <extracomment>FILE as in the synopsis &quot;read [FILE]&quot;; stdout stays as it is</extracomment>
        <translation>legge la configurazione della centralina e la salva in FILE (o su stdout) come file .vxc</translation>
    </message>
    <message>
        <source>apply FILE over the initial state, read the controller and print each parameter it holds otherwise: KEY, CAPTION, FILE VALUE, CONTROLLER VALUE, tab-separated</source>
        <extracomment>FILE as in the synopsis; KEY, CAPTION, FILE VALUE, CONTROLLER VALUE name the columns printed</extracomment>
        <translation>applica FILE allo stato iniziale, legge la centralina e mostra ogni parametro che ha un valore diverso: CHIAVE, ETICHETTA, VALORE NEL FILE, VALORE NELLA CENTRALINA, separati da tabulazioni</translation>
    </message>
    <message>
        <source>Cannot open %1: permission denied.
%2</source>
        <extracomment>%1 the serial device&apos;s path; %2 the lines that say how to get access</extracomment>
        <translation>Impossibile aprire %1: permesso negato.
%2</translation>
    </message>
    <message>
        <source>Cannot open %1: another program is using it.</source>
        <extracomment>%1 the serial device&apos;s path</extracomment>
        <translation>Impossibile aprire %1: è in uso da parte di un altro programma.</translation>
    </message>
    <message>
        <source>Cannot open %1: no such device.</source>
        <extracomment>%1 the serial device&apos;s path</extracomment>
        <translation>Impossibile aprire %1: il dispositivo non esiste.</translation>
    </message>
    <message>
        <source>Cannot open %1.</source>
        <extracomment>%1 the serial device&apos;s path</extracomment>
        <translation>Impossibile aprire %1.</translation>
    </message>
    <message>
        <source>See %1</source>
        <extracomment>%1 the path of the programming guide, ST-LINK_Installation_EN.pdf</extracomment>
        <translation>Vedere %1</translation>
    </message>
    <message>
        <source>No programming cable found (no serial port of its USB bridge). Name the device with --port or VEXLOR_PORT.</source>
        <extracomment>keep --port and VEXLOR_PORT as they are</extracomment>
        <translation>Nessun cavo di programmazione trovato (nessuna porta seriale del suo adattatore USB). Indicare il dispositivo con --port o VEXLOR_PORT.</translation>
    </message>
    <message>
        <source>No serial device at %1.</source>
        <extracomment>%1 the device path given with --port or VEXLOR_PORT</extracomment>
        <translation>Nessun dispositivo seriale in %1.</translation>
    </message>
    <message>
        <source>(named by --port or VEXLOR_PORT)</source>
        <translation>(indicato con --port o VEXLOR_PORT)</translation>
    </message>
    <message>
        <source>No programming cable found.</source>
        <translation>Nessun cavo di programmazione trovato.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Comandi:</translation>
    </message>
    <message>
        <source>Backups go to %1 unless --backup-dir names another folder; the newest %2 are kept.</source>
        <extracomment>%1 the backup folder, %2 how many backups are kept; keep --backup-dir as it is</extracomment>
        <translation>I backup vengono salvati in %1, a meno che --backup-dir indichi un&apos;altra cartella; vengono conservati i %2 più recenti.</translation>
    </message>
    <message>
        <source>Reads, writes and checks the settings of a Vexlor FOC motor controller.</source>
        <translation>Legge, scrive e verifica le impostazioni di una centralina motore FOC Vexlor.</translation>
    </message>
    <message>
        <source>Use the serial DEVICE instead of looking for the cable.</source>
        <extracomment>DEVICE as in &quot;--port &lt;DEVICE&gt;&quot;: keep it as it is</extracomment>
        <translation>Usa il dispositivo seriale DEVICE invece di cercare il cavo.</translation>
    </message>
    <message>
        <source>Treat &quot;Limit max speed&quot; as cleared: the speed limit is sent as 9000.</source>
        <extracomment>&quot;Limit max speed&quot; is the window&apos;s check box of that name</extracomment>
        <translation>Considera «Limita velocità max» come disattivata: il limite di velocità viene inviato come 9000.</translation>
    </message>
    <message>
        <source>The command to run (see below).</source>
        <translation>Il comando da eseguire (vedere sotto).</translation>
    </message>
    <message>
        <source>Unknown command &apos;%1&apos;. Run vexlor-cli --help for the list.</source>
        <extracomment>%1 the word given as a command; keep &quot;vexlor-cli --help&quot; as it is</extracomment>
        <translation>Comando sconosciuto «%1». Eseguire vexlor-cli --help per l&apos;elenco.</translation>
    </message>
    <message>
        <source>Nothing was written. Give --force to write them all the same.</source>
        <extracomment>keep --force as it is</extracomment>
        <translation>Non è stato scritto nulla. Usare --force per scriverli comunque.</translation>
    </message>
    <message>
        <source>list the backups taken before writes, newest first: PATH, how the WRITE that followed ended, and a NOTE on one taken after an interrupted write, tab-separated</source>
        <extracomment>PATH, WRITE, NOTE name the columns printed</extracomment>
        <translation>elenca i backup eseguiti prima delle scritture, dal più recente: percorso, esito della scrittura successiva e una nota su quello eseguito dopo una scrittura interrotta, separati da tabulazioni</translation>
    </message>
    <message>
        <source>print the parameters that two .vxc files set differently, as the controller would receive them (exit 1 when some do)</source>
        <translation>mostra i parametri che due file .vxc impostano in modo diverso, così come li riceverebbe la centralina (esce con 1 se ce ne sono)</translation>
    </message>
    <message>
        <source>Exit codes: 0 done, 1 controller or link failure, 2 bad input or usage.
diff exits as diff(1) does: 0 no difference, 1 some differ, 2 bad input or usage.
compare exits 0 when the controller holds the file&apos;s values, 3 when some differ, 1 on a controller or link failure, 2 on bad input or usage.
write exits 1 also when the read-back finds other values than were written (they are printed as compare prints them), and 2 when the backup cannot be kept or, without --force, values are outside the window&apos;s limits (nothing is written).</source>
        <extracomment>diff(1) is the Unix command diff; keep command names (diff, compare, write) and --force as they are</extracomment>
        <translation>Codici di uscita: 0 completato, 1 errore della centralina o del collegamento, 2 dati in ingresso o uso non validi.
diff esce come diff(1): 0 nessuna differenza, 1 alcuni valori differiscono, 2 dati in ingresso o uso non validi.
compare esce con 0 se la centralina contiene i valori del file, 3 se alcuni differiscono, 1 in caso di errore della centralina o del collegamento, 2 con dati in ingresso o uso non validi.
write esce con 1 anche quando la rilettura trova valori diversi da quelli scritti (vengono mostrati come li mostra compare), e con 2 quando non è possibile salvare il backup o, senza --force, ci sono valori fuori dai limiti della finestra (non viene scritto nulla).</translation>
    </message>
    <message>
        <source>check the cable, its driver, access, other programs on the port, ModemManager, brltty, the latency timer, a sandbox and the controller: one line each, STATUS CHECK DETAIL [FIX], tab-separated (exit 1 when a check fails); --json prints them as JSON</source>
        <extracomment>keep the check names as they are; STATUS, CHECK, DETAIL and FIX name the fields printed</extracomment>
        <translation>controlla il cavo, il suo driver, l&apos;accesso, altri programmi sulla porta, ModemManager, brltty, il timer di latenza, una sandbox e la centralina: una riga per controllo, STATUS CHECK DETAIL [FIX], separati da tabulazioni (codice di uscita 1 se un controllo fallisce); --json li stampa in JSON</translation>
    </message>
    <message>
        <source>list the road classes: ID, NAME, the speed and rated power they allow and whether a throttle may work without pedalling, tab-separated</source>
        <extracomment>ID, NAME name the columns printed</extracomment>
        <translation>elencare le classi stradali: ID, NAME, la velocità e la potenza nominale ammesse e se un acceleratore può agire senza pedalare, separati da tabulazioni</translation>
    </message>
    <message>
        <source>print the fingerprint of the sixty values a write of FILE sends, or without FILE read the controller and print the fingerprint of what it holds</source>
        <extracomment>FILE as in the synopsis</extracomment>
        <translation>stampare l&apos;impronta dei sessanta valori che una scrittura di FILE invia, o senza FILE leggere la centralina e stampare l&apos;impronta di ciò che contiene</translation>
    </message>
    <message>
        <source>apply FILE over the initial state and write its settings sheet, a one-page PDF with every parameter, the fingerprint, the road class check and lines to sign, to OUT.pdf</source>
        <extracomment>FILE, OUT.pdf, ID, ETRTO as in the synopsis</extracomment>
        <translation>applicare FILE allo stato iniziale e scriverne la scheda delle impostazioni, un PDF di una pagina con ogni parametro, l&apos;impronta, la verifica della classe stradale e le righe per firmare, in OUT.pdf</translation>
    </message>
    <message>
        <source>check exits 0 when the file keeps to the road class, 3 when some value breaks it, 2 on bad input or usage.</source>
        <translation>check termina con 0 se il file rispetta la classe stradale, con 3 se qualche valore la viola, con 2 in caso di input o uso errato.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no road class. vexlor-cli classes lists them.</source>
        <extracomment>%1 what was given after --class; keep &quot;vexlor-cli classes&quot; as it is</extracomment>
        <translation>&apos;%1&apos; non è una classe stradale. vexlor-cli classes le elenca.</translation>
    </message>
    <message>
        <source>The settings sheet would replace %1, the file it is made of. Name another file with -o.</source>
        <extracomment>%1 the configuration file&apos;s path; keep -o as it is</extracomment>
        <translation>La scheda impostazioni sostituirebbe %1, il file da cui è creata. Indicare un altro file con -o.</translation>
    </message>
    <message>
        <source>%1 may be given only once.</source>
        <extracomment>%1 the option given more than once, &quot;--class&quot;</extracomment>
        <translation>%1 può essere indicato una sola volta.</translation>
    </message>
    <message>
        <source>apply FILE over the initial state and print each value that looks implausible, and with --class each that breaks the road class ID or is worth a note: STATUS (breaks, warn or note), RULE, CAPTION, VALUE, LIMIT, tab-separated; with the real tire as ETRTO (57-584), a common size (26x2.1) or as printed (29x2.6, 700x38c) the wheel perimeter too (exit 3 when some break the class, with --strict also when some look implausible)</source>
        <extracomment>FILE, ID, ETRTO as in the synopsis; STATUS, RULE, CAPTION, VALUE, LIMIT name the columns printed; keep breaks, warn and note, the words STATUS shows, and --strict</extracomment>
        <translation>applicare FILE allo stato iniziale e stampare ogni valore che sembra non plausibile e, con --class, ogni valore che viola la classe stradale ID o merita una nota: STATUS (breaks, warn o note), RULE, CAPTION, VALUE, LIMIT, separati da tabulazioni; con lo pneumatico reale come ETRTO (57-584), misura comune (26x2.1) o come stampata (29x2.6, 700x38c) anche la circonferenza della ruota (codice 3 se qualche valore viola la classe, con --strict anche se qualche valore sembra non plausibile)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; names no units: give --units metric or --units imperial.</source>
        <extracomment>%1 what was given after --units; keep --units, metric and imperial as they are</extracomment>
        <translation>&apos;%1&apos; non indica alcuna unità: indicare --units metric o --units imperial.</translation>
    </message>
    <message>
        <source>Print speeds in UNITS, metric (km/h, the default) or imperial (mph), before or after the command; files and the controller keep km/h.</source>
        <extracomment>UNITS as in &quot;--units &lt;UNITS&gt;&quot;; keep UNITS, metric and imperial as they are</extracomment>
        <translation>Mostrare le velocità in UNITS, metric (km/h, predefinito) o imperial (mph), prima o dopo il comando; i file e il controller restano in km/h.</translation>
    </message>
    <message>
        <source>apply FILE over the initial state and print its settings as JSON: each parameter by name with its value and unit, and the fingerprint (docs/settings-json.md)</source>
        <extracomment>FILE as in the synopsis; keep JSON as it is</extracomment>
        <translation>applicare FILE sullo stato iniziale e stampare le sue impostazioni come JSON: ogni parametro per nome con valore e unità, e l&apos;impronta (docs/settings-json.md)</translation>
    </message>
    <message>
        <source>turn the settings JSON (- for stdin) into the .vxc file FILE or the profile NAME; refuses unknown names, wrong types and, without --force, values outside the window&apos;s limits, and never writes over a file that is no configuration</source>
        <extracomment>JSON, FILE, NAME, TEXT as in the synopsis; keep --force as it is</extracomment>
        <translation>convertire il JSON delle impostazioni (- per lo standard input) nel file .vxc FILE o nel profilo NAME; rifiuta nomi sconosciuti, tipi errati e, senza --force, valori fuori dai limiti della finestra, e non sovrascrive mai un file che non è una configurazione</translation>
    </message>
    <message>
        <source>list the profiles, the configurations kept under a name: NAME and NOTE, tab-separated; every command taking FILE takes --profile NAME instead</source>
        <extracomment>NAME, NOTE name the columns printed; keep --profile as it is</extracomment>
        <translation>elencare i profili, le configurazioni conservate con un nome: NAME e NOTE, separati da tabulazioni; ogni comando che accetta FILE accetta invece --profile NAME</translation>
    </message>
    <message>
        <source>%1 is no configuration file: it is left as it is.</source>
        <extracomment>%1 the path given after -o</extracomment>
        <translation>%1 non è un file di configurazione: resta com&apos;è.</translation>
    </message>
    <message>
        <source>print the register of operations, newest first, one tab-separated line each under a line naming the columns: only bike labels holding LABEL, only from DATE (YYYY-MM-DD, UTC) on; as CSV or JSON</source>
        <extracomment>LABEL, DATE as in the synopsis; keep the option names as they are</extracomment>
        <translation>stampa il registro delle operazioni, dalla più recente, una riga separata da tabulazioni ciascuna sotto una riga con i nomi delle colonne: solo etichette di bici che contengono LABEL, solo da DATE (AAAA-MM-GG, UTC) in poi; come CSV o JSON</translation>
    </message>
    <message>
        <source>--since wants a date as YYYY-MM-DD, not %1.</source>
        <extracomment>%1 the date given; keep --since and YYYY-MM-DD as they are</extracomment>
        <translation>--since richiede una data come YYYY-MM-DD, non %1.</translation>
    </message>
    <message>
        <source>Record the operation for the bike LABEL (a frame number, a customer); history shows only its records.</source>
        <extracomment>LABEL as in &quot;--bike &lt;LABEL&gt;&quot;: keep it as it is</extracomment>
        <translation>Registra l&apos;operazione per la bici LABEL (un numero di telaio, un cliente); history mostra solo le sue registrazioni.</translation>
    </message>
    <message>
        <source>Parameters that differ: %1</source>
        <extracomment>the register&apos;s message of a comparison; %1 how many parameters the controller holds otherwise</extracomment>
        <translation>Parametri diversi: %1</translation>
    </message>
    <message>
        <source>print what the parameter NAME (MaxBatteryCurrent) does, its unit, the range the window allows and its initial value; without NAME every parameter, one block each</source>
        <extracomment>NAME as in the synopsis: a parameter&apos;s name, MaxBatteryCurrent; keep it as it is</extracomment>
        <translation>mostra cosa fa il parametro NAME (MaxBatteryCurrent), la sua unità, l&apos;intervallo ammesso dalla finestra e il valore iniziale; senza NAME tutti i parametri, un blocco ciascuno</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no parameter. vexlor-cli explain lists them all.</source>
        <extracomment>%1 what was given as NAME; keep &quot;vexlor-cli explain&quot; as it is</extracomment>
        <translation>«%1» non è un parametro. vexlor-cli explain li elenca tutti.</translation>
    </message>
    <message>
        <source>propose values for a bike&apos;s battery (nominal V or cells as 13s), BMS current, tire, road class ID, motor and assist levels over FILE (or the initial state), write them to OUT.vxc and print CAPTION, NOW, PROPOSED, WHY, tab-separated</source>
        <extracomment>V, A, SIZE, ID, W, N, FILE, OUT.vxc as in the synopsis; 13s, CAPTION, NOW, PROPOSED, WHY name what is given and the columns printed</extracomment>
        <translation>proporre valori per batteria (V nominale o celle come 13s), corrente del BMS, pneumatico, classe stradale ID, motore e livelli di assistenza di una bici su FILE (o lo stato iniziale), scriverli in OUT.vxc e stampare CAPTION, NOW, PROPOSED, WHY separati da tabulazioni</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3, not &apos;%4&apos;.</source>
        <extracomment>%1 the option (&quot;--bms&quot;), %2 and %3 its least and largest value, %4 what was given</extracomment>
        <translation>%1 vuole un numero da %2 a %3, non «%4».</translation>
    </message>
    <message>
        <source>The proposal would replace %1, the file it starts from. Name another file with -o.</source>
        <extracomment>%1 the configuration file&apos;s path; keep -o as it is</extracomment>
        <translation>La proposta sostituirebbe %1, il file da cui parte. Indicare un altro file con -o.</translation>
    </message>
    <message>
        <source>%1 is no configuration file, so the proposal does not replace it. Name another file with -o.</source>
        <extracomment>%1 the path given with -o; keep -o as it is</extracomment>
        <translation>%1 non è un file di configurazione, quindi la proposta non lo sostituisce. Indicare un altro file con -o.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no battery: give its nominal voltage (24, 36, 48 or 52) or its cells in series (13s).</source>
        <extracomment>%1 what was given after --battery; keep 13s as it is</extracomment>
        <translation>«%1» non è una batteria: indicare la tensione nominale (24, 36, 48 o 52) o le celle in serie (13s).</translation>
    </message>
    <message>
        <source>Keep the records in the shop&apos;s register on the server URL, postgresql://USER@HOST[:PORT]/DB, instead of the one config.ini names; records wait on this computer while the server cannot be reached.</source>
        <extracomment>URL as in &quot;--register &lt;URL&gt;&quot;; keep URL, config.ini and postgresql://USER@HOST[:PORT]/DB as they are</extracomment>
        <translation>Tenere le registrazioni nel registro dell&apos;officina sul server URL, postgresql://USER@HOST[:PORT]/DB, invece di quello indicato in config.ini; le registrazioni attendono su questo computer finché il server non è raggiungibile.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <extracomment>%1 the file given with --bike-from, %2 why it cannot be read</extracomment>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>%1 holds no bike label.</source>
        <extracomment>%1 the file given with --bike-from</extracomment>
        <translation>%1 non contiene alcuna etichetta di bici.</translation>
    </message>
    <message>
        <source>apply FILE over the initial state, keep the controller&apos;s settings as a backup (path on stderr), write FILE&apos;s and store them, read them back to check; values outside the window&apos;s limits are written only with --force; with --each the production line: every controller that comes is written and recorded, labelled from FILE.csv or numbered after --bike, one line each, until Ctrl+C</source>
        <extracomment>FILE, FILE.csv as in the synopsis; stderr, --force, --each and --bike stay as they are</extracomment>
        <translation>applica FILE allo stato iniziale, salva un backup delle impostazioni della centralina (percorso su stderr), scrive e memorizza quelle di FILE, poi le rilegge per verificarle; i valori fuori dai limiti della finestra vengono scritti solo con --force; con --each la linea di produzione: ogni centralina che arriva viene scritta e registrata, con l&apos;etichetta da FILE.csv o numerata dopo --bike, una riga per bici, fino a Ctrl+C</translation>
    </message>
    <message>
        <source>write --each exits 0 when no bike failed (also when none came), 1 when some failed.</source>
        <translation>write --each termina con 0 se nessuna bici è fallita (anche se non ne è arrivata nessuna), con 1 se qualcuna è fallita.</translation>
    </message>
    <message>
        <source>Bike %1: connect its controller (Ctrl+C ends the line).</source>
        <extracomment>%1 the bike&apos;s label; Ctrl+C as keyboards in the language name the keys</extracomment>
        <translation>Bici %1: collegare la sua centralina (Ctrl+C termina la linea).</translation>
    </message>
    <message>
        <source>Every label of the list has its bike: the line ends.</source>
        <translation>Ogni etichetta dell&apos;elenco ha la sua bici: la linea termina.</translation>
    </message>
    <message>
        <source>Bike %1: disconnect its controller.</source>
        <extracomment>%1 the bike&apos;s label</extracomment>
        <translation>Bici %1: scollegare la sua centralina.</translation>
    </message>
    <message>
        <source>The line ends once this bike&apos;s write is over.</source>
        <translation>La linea termina appena finita la scrittura di questa bici.</translation>
    </message>
    <message>
        <source>Written: %1, failed: %2</source>
        <extracomment>the production line&apos;s summary; %1 bikes written, %2 bikes that failed</extracomment>
        <translation>Scritte: %1, non riuscite: %2</translation>
    </message>
</context>
<context>
    <name>Comparison</name>
    <message>
        <source>On</source>
        <extracomment>a check box&apos;s state in a list of values: ticked</extracomment>
        <translation>Attivato</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>a check box&apos;s state in a list of values: clear</extracomment>
        <translation>Disattivato</translation>
    </message>
</context>
<context>
    <name>ConnectionCheck</name>
    <message>
        <source>Connection to controller is OK!
Controller software version: v%1

Would you like to read the controller&apos;s configuration now?</source>
        <extracomment>%1 the controller&apos;s software version such as 1-35, after the letter v</extracomment>
        <translation>Connessione alla centralina riuscita!
Versione software della centralina: v%1

Leggere ora la configurazione della centralina?</translation>
    </message>
    <message>
        <source>Connection to controller is OK!
Controller software version: v%1</source>
        <extracomment>%1 the controller&apos;s software version such as 1-35, after the letter v</extracomment>
        <translation>Connessione alla centralina riuscita!
Versione software della centralina: v%1</translation>
    </message>
    <message>
        <source>Connection to controller is not detected!</source>
        <translation>Nessuna connessione alla centralina rilevata!</translation>
    </message>
</context>
<context>
    <name>Doctor</name>
    <message>
        <source>You are in group %1, but its members may not read and write the device.</source>
        <extracomment>%1 a group&apos;s name</extracomment>
        <translation>Si fa parte del gruppo %1, ma i suoi membri non possono leggere e scrivere il dispositivo.</translation>
    </message>
    <message>
        <source>You are in group %1.</source>
        <translation>Si fa parte del gruppo %1.</translation>
    </message>
    <message>
        <source>You were added to group %1 after this session began; the membership counts from your next login.</source>
        <translation>Si è stati aggiunti al gruppo %1 dopo l&apos;inizio di questa sessione; l&apos;appartenenza vale dal prossimo accesso.</translation>
    </message>
    <message>
        <source>You are not in group %1.</source>
        <translation>Non si fa parte del gruppo %1.</translation>
    </message>
    <message>
        <source>%1 refuses you: owner %2, group %3, mode %4.</source>
        <extracomment>%1 the device, %2 its owner, %3 its group, %4 its mode in octal (0660)</extracomment>
        <translation>%1 nega l&apos;accesso: proprietario %2, gruppo %3, modalità %4.</translation>
    </message>
    <message>
        <source>The cable rule %1 is installed (%2).</source>
        <translation>La regola del cavo %1 è installata (%2).</translation>
    </message>
    <message>
        <source>The cable rule %1 is not installed.</source>
        <translation>La regola del cavo %1 non è installata.</translation>
    </message>
    <message>
        <source>The device grants you access through the seat&apos;s access entry.</source>
        <translation>Il dispositivo concede l&apos;accesso tramite la voce di accesso della postazione.</translation>
    </message>
    <message>
        <source>The device carries no access entry for you (the cable rule gives one to the user at the computer&apos;s own screen).</source>
        <translation>Il dispositivo non ha alcuna voce di accesso per l&apos;utente (la regola del cavo ne dà una all&apos;utente davanti allo schermo del computer stesso).</translation>
    </message>
    <message>
        <source>%1, then log out and in again.</source>
        <extracomment>%1 a command</extracomment>
        <translation>%1, poi uscire e accedere di nuovo.</translation>
    </message>
    <message>
        <source>Something beyond the device&apos;s permissions refuses you (a sandbox or a security module); see sandbox.</source>
        <translation>Qualcosa oltre ai permessi del dispositivo nega l&apos;accesso (una sandbox o un modulo di sicurezza); vedere sandbox.</translation>
    </message>
    <message>
        <source>Log out and in again (or restart the computer).</source>
        <translation>Uscire e accedere di nuovo (o riavviare il computer).</translation>
    </message>
    <message>
        <source>Use %1 as its owner, %2, or ask them to let you use it.</source>
        <extracomment>%1 the device, %2 its owner</extracomment>
        <translation>Usare %1 come il suo proprietario, %2, o chiedergli di consentirne l&apos;uso.</translation>
    </message>
    <message>
        <source>%1 is gone.</source>
        <translation>%1 è scomparso.</translation>
    </message>
    <message>
        <source>Plug the cable in again.</source>
        <translation>Ricollegare il cavo.</translation>
    </message>
    <message>
        <source>The tool holds %1 open for reading and writing.</source>
        <extracomment>%1 the serial device</extracomment>
        <translation>Il programma tiene %1 aperto in lettura e scrittura.</translation>
    </message>
    <message>
        <source>%1 opens for reading and writing.</source>
        <translation>%1 si apre in lettura e scrittura.</translation>
    </message>
    <message>
        <source>%1 does not open: %2.</source>
        <extracomment>%1 the serial device, %2 the system&apos;s reason</extracomment>
        <translation>%1 non si apre: %2.</translation>
    </message>
    <message>
        <source>Unplug the cable and plug it in again.</source>
        <translation>Scollegare il cavo e ricollegarlo.</translation>
    </message>
    <message>
        <source>%1 is a pseudo-terminal: the program at its other end holds it open.</source>
        <translation>%1 è uno pseudo-terminale: il programma all&apos;altro capo lo tiene aperto.</translation>
    </message>
    <message>
        <source>%1 (process %2)</source>
        <extracomment>%1 a program&apos;s name, %2 its process id</extracomment>
        <translation>%1 (processo %2)</translation>
    </message>
    <message>
        <source>%1 is held open by %2.</source>
        <extracomment>%1 the serial device, %2 the programs with their process ids</extracomment>
        <translation>%1 è tenuto aperto da %2.</translation>
    </message>
    <message>
        <source>Close %1, or end it: %2</source>
        <extracomment>%1 the programs, %2 the command that ends them</extracomment>
        <translation>Chiudere %1 o terminarlo: %2</translation>
    </message>
    <message>
        <source>Another user&apos;s process holds %1 for itself.</source>
        <translation>Un processo di un altro utente tiene %1 per sé.</translation>
    </message>
    <message>
        <source>Find it with %1 and close it.</source>
        <extracomment>%1 a command that names the process</extracomment>
        <translation>Trovarlo con %1 e chiuderlo.</translation>
    </message>
    <message>
        <source>No other process of yours holds %1 open (the open files of %2 processes of other users cannot be seen).</source>
        <extracomment>%1 the serial device, %2 a number of processes</extracomment>
        <translation>Nessun altro processo dell&apos;utente tiene %1 aperto (i file aperti di %2 processi di altri utenti non sono visibili).</translation>
    </message>
    <message>
        <source>No other process holds %1 open.</source>
        <translation>Nessun altro processo tiene %1 aperto.</translation>
    </message>
    <message>
        <source>%1: USB %2 (%3), no serial number.</source>
        <extracomment>%1 the serial device, %2 the USB vendor:product, %3 the device&apos;s own name</extracomment>
        <translation>%1: USB %2 (%3), senza numero di serie.</translation>
    </message>
    <message>
        <source>%1: USB %2 (%3), serial number %4.</source>
        <extracomment>%1 the serial device, %2 the USB vendor:product, %3 the device&apos;s own name, %4 its serial number</extracomment>
        <translation>%1: USB %2 (%3), numero di serie %4.</translation>
    </message>
    <message>
        <source>No programming cable is plugged in: no USB serial port of a known cable.</source>
        <translation>Nessun cavo di programmazione collegato: nessuna porta seriale USB di un cavo noto.</translation>
    </message>
    <message>
        <source>The cable&apos;s USB device %1 is present but has no serial port (see driver).</source>
        <extracomment>%1 the USB device&apos;s place on the bus, such as 1-1.4</extracomment>
        <translation>Il dispositivo USB %1 del cavo è presente ma non ha una porta seriale (vedere driver).</translation>
    </message>
    <message>
        <source>%1, then unplug the cable and plug it in again.</source>
        <extracomment>%1 a command</extracomment>
        <translation>%1, poi scollegare il cavo e ricollegarlo.</translation>
    </message>
    <message>
        <source>No other USB serial port is present.</source>
        <translation>Non è presente nessun&apos;altra porta seriale USB.</translation>
    </message>
    <message>
        <source>USB serial ports present: %1.</source>
        <translation>Porte seriali USB presenti: %1.</translation>
    </message>
    <message>
        <source>Plug the programming cable into a USB port of this computer.</source>
        <translation>Collegare il cavo di programmazione a una porta USB di questo computer.</translation>
    </message>
    <message>
        <source>No serial device at %1.</source>
        <extracomment>%1 the device path given with --port or VEXLOR_PORT</extracomment>
        <translation>Nessun dispositivo seriale in %1.</translation>
    </message>
    <message>
        <source>Name the cable&apos;s serial device; vexlor-cli ports lists them.</source>
        <translation>Indicare il dispositivo seriale del cavo; vexlor-cli ports li elenca.</translation>
    </message>
    <message>
        <source>%1 is a USB serial port of %2 (%3), not of a known programming cable.</source>
        <extracomment>%1 the serial device, %2 its USB vendor:product, %3 the device&apos;s own name</extracomment>
        <translation>%1 è una porta seriale USB di %2 (%3), non di un cavo di programmazione noto.</translation>
    </message>
    <message>
        <source>Name the programming cable&apos;s port, or name none to look for the cable.</source>
        <translation>Indicare la porta del cavo di programmazione, o nessuna per cercare il cavo.</translation>
    </message>
    <message>
        <source>%1 is no USB serial port (a pseudo-terminal or a built-in port).</source>
        <translation>%1 non è una porta seriale USB (uno pseudo-terminale o una porta integrata).</translation>
    </message>
    <message>
        <source>%1 cables are plugged in: %2. The tool uses the last one found, %3.</source>
        <extracomment>%1 how many, %2 their serial devices, %3 the one the tool uses</extracomment>
        <translation>Sono collegati %1 cavi: %2. Il programma usa l&apos;ultimo trovato, %3.</translation>
    </message>
    <message>
        <source>Unplug the cables you do not use, or name one with --port or VEXLOR_PORT.</source>
        <extracomment>keep --port and VEXLOR_PORT as they are</extracomment>
        <translation>Scollegare i cavi non usati, o indicarne uno con --port o VEXLOR_PORT.</translation>
    </message>
    <message>
        <source>A program holds the cable&apos;s USB device %1 directly (usbfs), so the serial driver cannot make a port of it.</source>
        <extracomment>usbfs: keep as it is; %1 the USB device&apos;s place on the bus, such as 1-1.4</extracomment>
        <translation>Un programma tiene direttamente il dispositivo USB %1 del cavo (usbfs), quindi il driver seriale non può crearne una porta.</translation>
    </message>
    <message>
        <source>Close the other program that uses the cable, then unplug the cable and plug it in again.</source>
        <translation>Chiudere l&apos;altro programma che usa il cavo, poi scollegare il cavo e ricollegarlo.</translation>
    </message>
    <message>
        <source>No kernel driver made a serial port of the cable&apos;s USB device %1.</source>
        <translation>Nessun driver del kernel ha creato una porta seriale dal dispositivo USB %1 del cavo.</translation>
    </message>
    <message>
        <source>The kernel made %1, but its device node %2 is missing.</source>
        <extracomment>%1 the kernel&apos;s name of the port (ttyUSB0), %2 its device node</extracomment>
        <translation>Il kernel ha creato %1, ma il suo nodo di dispositivo %2 manca.</translation>
    </message>
    <message>
        <source>%1 drives %2, not %3, the cable&apos;s own driver.</source>
        <extracomment>%1 the driver in use, %2 the port, %3 the driver made for the cable</extracomment>
        <translation>%1 gestisce %2, non %3, il driver proprio del cavo.</translation>
    </message>
    <message>
        <source>%1 drives %2; its device node is %3.</source>
        <extracomment>%1 the kernel driver, %2 the kernel&apos;s name of the port (ttyUSB0), %3 its device node</extracomment>
        <translation>%1 gestisce %2; il suo nodo di dispositivo è %3.</translation>
    </message>
    <message>
        <source>No cable port to look at.</source>
        <translation>Nessuna porta del cavo da esaminare.</translation>
    </message>
    <message>
        <source>%1 is no USB serial port.</source>
        <translation>%1 non è una porta seriale USB.</translation>
    </message>
    <message>
        <source>ModemManager is not running.</source>
        <translation>ModemManager non è in esecuzione.</translation>
    </message>
    <message>
        <source>ModemManager is running and is told to ignore %1 (%2).</source>
        <extracomment>%1 the USB vendor:product, %2 the rules file that says so</extracomment>
        <translation>ModemManager è in esecuzione ed è istruito a ignorare %1 (%2).</translation>
    </message>
    <message>
        <source>ModemManager is running and may probe %1 (%2) for a modem, which garbles the controller&apos;s replies.</source>
        <extracomment>%1 the serial device, %2 its USB vendor:product</extracomment>
        <translation>ModemManager è in esecuzione e può sondare %1 (%2) in cerca di un modem, il che altera le risposte della centralina.</translation>
    </message>
    <message>
        <source>brltty is not installed.</source>
        <translation>brltty non è installato.</translation>
    </message>
    <message>
        <source>brltty is installed; its udev rules do not claim %1.</source>
        <extracomment>%1 the USB vendor:product</extracomment>
        <translation>brltty è installato; le sue regole udev non rivendicano %1.</translation>
    </message>
    <message>
        <source>brltty is installed and its udev rule (%1, line %2) claims %3 devices as braille displays, taking the cable&apos;s port.</source>
        <extracomment>%1 the rules file, %2 a line number, %3 the USB vendor:product</extracomment>
        <translation>brltty è installato e la sua regola udev (%1, riga %2) rivendica i dispositivi %3 come display braille, prendendo la porta del cavo.</translation>
    </message>
    <message>
        <source>The tool is busy with the controller; run the doctor again when it is done.</source>
        <translation>Il programma è occupato con la centralina; eseguire di nuovo la diagnosi quando ha finito.</translation>
    </message>
    <message>
        <source>The controller answers: software version v%1.</source>
        <extracomment>%1 the controller&apos;s software version such as 1-35, after the letter v</extracomment>
        <translation>La centralina risponde: versione software v%1.</translation>
    </message>
    <message>
        <source>The cable answers but the controller does not: is the bike&apos;s battery on and the display connected?</source>
        <translation>Il cavo risponde ma la centralina no: la batteria della bici è accesa e il display è collegato?</translation>
    </message>
    <message>
        <source>Switch the bike&apos;s battery on and connect the display, then run the doctor again.</source>
        <translation>Accendere la batteria della bici e collegare il display, poi eseguire di nuovo la diagnosi.</translation>
    </message>
    <message>
        <source>Fix what the lines above show, then run the doctor again.</source>
        <translation>Correggere ciò che mostrano le righe sopra, poi eseguire di nuovo la diagnosi.</translation>
    </message>
    <message>
        <source>The tool may not open %1 (see access).</source>
        <translation>Il programma non può aprire %1 (vedere access).</translation>
    </message>
    <message>
        <source>Another program is using %1 (see busy).</source>
        <translation>Un altro programma sta usando %1 (vedere busy).</translation>
    </message>
    <message>
        <source>The tool found no port to reach the controller through.</source>
        <translation>Il programma non ha trovato nessuna porta attraverso cui raggiungere la centralina.</translation>
    </message>
    <message>
        <source>%1 does not open.</source>
        <translation>%1 non si apre.</translation>
    </message>
    <message>
        <source>%1 has no latency timer.</source>
        <extracomment>%1 the kernel driver</extracomment>
        <translation>%1 non ha un timer di latenza.</translation>
    </message>
    <message>
        <source>The latency timer is at 1 ms.</source>
        <translation>Il timer di latenza è a 1 ms.</translation>
    </message>
    <message>
        <source>The latency timer is at %1 ms; the tool asks no other driver than its cable&apos;s for low latency.</source>
        <translation>Il timer di latenza è a %1 ms; il programma chiede la bassa latenza solo al driver del proprio cavo.</translation>
    </message>
    <message>
        <source>The latency timer is at %1 ms; what it is while the tool holds the port cannot be tried, as the port does not open (see access).</source>
        <translation>Il timer di latenza è a %1 ms; il suo valore mentre il programma tiene la porta non si può provare, perché la porta non si apre (vedere access).</translation>
    </message>
    <message>
        <source>The latency timer is at %1 ms, and at 1 ms while the tool holds the port (it asks the driver for low latency).</source>
        <translation>Il timer di latenza è a %1 ms, e a 1 ms mentre il programma tiene la porta (chiede la bassa latenza al driver).</translation>
    </message>
    <message>
        <source>The latency timer stays at %1 ms while the tool holds the port: every reply comes that much later.</source>
        <translation>Il timer di latenza resta a %1 ms mentre il programma tiene la porta: ogni risposta arriva altrettanto più tardi.</translation>
    </message>
    <message>
        <source>The tool runs in the Flatpak sandbox of %1, which may use every device.</source>
        <extracomment>%1 the Flatpak application&apos;s id</extracomment>
        <translation>Il programma è eseguito nella sandbox Flatpak di %1, che può usare ogni dispositivo.</translation>
    </message>
    <message>
        <source>The tool runs in the Flatpak sandbox of %1, which keeps serial devices out.</source>
        <translation>Il programma è eseguito nella sandbox Flatpak di %1, che esclude i dispositivi seriali.</translation>
    </message>
    <message>
        <source>The tool runs in the snap %1, which may open %2.</source>
        <extracomment>%1 the snap&apos;s name, %2 the serial device</extracomment>
        <translation>Il programma è eseguito nello snap %1, che può aprire %2.</translation>
    </message>
    <message>
        <source>The tool runs in the snap %1, which keeps USB serial devices out unless they are granted to it.</source>
        <translation>Il programma è eseguito nello snap %1, che esclude i dispositivi seriali USB finché non gli vengono concessi.</translation>
    </message>
    <message>
        <source>The tool runs outside Flatpak and Snap.</source>
        <translation>Il programma è eseguito fuori da Flatpak e Snap.</translation>
    </message>
    <message>
        <source>No port to reach the controller through.</source>
        <translation>Nessuna porta attraverso cui raggiungere la centralina.</translation>
    </message>
    <message>
        <source>The port does not open for you (see access).</source>
        <translation>La porta non si apre per l&apos;utente (vedere access).</translation>
    </message>
    <message>
        <source>Another process holds the port (see busy).</source>
        <translation>Un altro processo tiene la porta (vedere busy).</translation>
    </message>
    <message>
        <source>Not checked on Windows.</source>
        <extracomment>the checks that look at Linux&apos;s devices, drivers and services</extracomment>
        <translation>Non verificato su Windows.</translation>
    </message>
    <message>
        <source>You may not open %1.</source>
        <extracomment>first line of the box shown when the port does not open for lack of permission; %1 the device</extracomment>
        <translation>Non si ha il permesso di aprire %1.</translation>
    </message>
    <message>
        <source>To fix it:</source>
        <extracomment>before the fix in the box shown when the port does not open for lack of permission</extracomment>
        <translation>Per correggerlo:</translation>
    </message>
    <message>
        <source>Another user&apos;s process holds %1 for itself, so opening it cannot be tried (see busy).</source>
        <translation>Un processo di un altro utente tiene %1 per sé, quindi l&apos;apertura non può essere provata (vedere busy).</translation>
    </message>
    <message>
        <source>%1 is held for itself by %2, so opening it cannot be tried (see busy).</source>
        <extracomment>%1 the serial device, %2 the programs with their process ids</extracomment>
        <translation>%2 tiene %1 per sé, quindi l&apos;apertura non può essere provata (vedere busy).</translation>
    </message>
    <message>
        <source>%1 is not a serial port.</source>
        <extracomment>%1 the path given with --port or VEXLOR_PORT</extracomment>
        <translation>%1 non è una porta seriale.</translation>
    </message>
    <message>
        <source>Name the cable&apos;s port (vexlor-cli ports lists them).</source>
        <extracomment>keep vexlor-cli ports as it is: the command that lists the ports</extracomment>
        <translation>Indicare la porta del cavo (vexlor-cli ports le elenca).</translation>
    </message>
    <message>
        <source>Close any other program that may use %1, then run the doctor again.</source>
        <translation>Chiudere ogni altro programma che possa usare %1, poi eseguire di nuovo la diagnosi.</translation>
    </message>
    <message>
        <source>The tool may not open %1.</source>
        <translation>Il programma non può aprire %1.</translation>
    </message>
    <message>
        <source>Another program is using %1.</source>
        <translation>Un altro programma sta usando %1.</translation>
    </message>
</context>
<context>
    <name>Explanations</name>
    <message>
        <source>Too high: %1</source>
        <extracomment>what a value above the right one does: %1 the effect, &quot;less power for assistance and throttle.&quot;</extracomment>
        <translation>Troppo alto: %1</translation>
    </message>
    <message>
        <source>Too low: %1</source>
        <extracomment>what a value below the right one does: %1 the effect</extracomment>
        <translation>Troppo basso: %1</translation>
    </message>
    <message>
        <source>what it does inside the controller is not known.</source>
        <extracomment>in place of an effect after &quot;Too high: &quot; or &quot;Too low: &quot;</extracomment>
        <translation>non è noto cosa fa all&apos;interno del controller.</translation>
    </message>
    <message>
        <source>What a higher or lower value does inside the controller is not known.</source>
        <translation>Non è noto cosa fa all&apos;interno del controller un valore più alto o più basso.</translation>
    </message>
    <message>
        <source>Unit: %1.</source>
        <extracomment>%1 the field&apos;s unit: &quot;A&quot;, &quot;km/h&quot;, &quot;ms&quot;</extracomment>
        <translation>Unità: %1.</translation>
    </message>
    <message>
        <source>Allowed: %1.</source>
        <extracomment>%1 the range the window allows: &quot;at most 30.0 A&quot;, &quot;0.9 V to 3.0 V&quot;, &quot;1 to 9&quot;</extracomment>
        <translation>Ammesso: %1.</translation>
    </message>
    <message>
        <source>The window sets no limit; a write refuses values the controller cannot hold.</source>
        <translation>La finestra non pone limiti; la scrittura rifiuta i valori che il controller non può contenere.</translation>
    </message>
    <message>
        <source>Choices: %1.</source>
        <extracomment>%1 the options of a radio pair or group, each in quotes: &quot;&quot;Low&quot;, &quot;High&quot;&quot;</extracomment>
        <translation>Scelte: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>an option&apos;s text within a list of choices: %1 the option, &quot;Low&quot;</extracomment>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>Ticked or clear.</source>
        <extracomment>a tick box&apos;s two states</extracomment>
        <translation>Spuntata o vuota.</translation>
    </message>
    <message>
        <source>Initial value: %1.</source>
        <extracomment>%1 the value the window starts with: &quot;14.0 A&quot;, &quot;ticked&quot;, &quot;Low&quot;</extracomment>
        <translation>Valore iniziale: %1.</translation>
    </message>
    <message>
        <source>ticked</source>
        <extracomment>the initial state of a tick box, after &quot;Initial value: &quot;</extracomment>
        <translation>spuntata</translation>
    </message>
    <message>
        <source>clear</source>
        <extracomment>the initial state of a tick box, after &quot;Initial value: &quot;</extracomment>
        <translation>vuota</translation>
    </message>
    <message>
        <source>The limit of this assist level, in percent; &quot;Limit speed&quot; and &quot;Limit current&quot; choose what it limits. The levels in use should rise, the top one at 100 %.</source>
        <translation>Il limite di questo livello di assistenza, in percento; «Limita velocità» e «Limita corrente» scelgono cosa limita. I livelli in uso dovrebbero salire, il più alto al 100 %.</translation>
    </message>
    <message>
        <source>more assistance at this level.</source>
        <translation>più assistenza a questo livello.</translation>
    </message>
    <message>
        <source>less assistance at this level.</source>
        <translation>meno assistenza a questo livello.</translation>
    </message>
    <message>
        <source>The largest current the controller draws from the battery.</source>
        <translation>La corrente più alta che il controller preleva dalla batteria.</translation>
    </message>
    <message>
        <source>more than the battery&apos;s BMS delivers continuously; keep it at or below that current and not above the max phase current.</source>
        <translation>più di quanto il BMS della batteria eroga in continuo; restate a quella corrente o sotto, e non sopra la corrente di fase max.</translation>
    </message>
    <message>
        <source>less power for assistance and throttle.</source>
        <translation>meno potenza per assistenza e acceleratore.</translation>
    </message>
    <message>
        <source>The battery voltage below which the controller cuts the motor, so that the battery is not drained empty.</source>
        <translation>La tensione della batteria sotto la quale il controller spegne il motore, perché la batteria non si scarichi del tutto.</translation>
    </message>
    <message>
        <source>assistance stops while the battery is still half full (above about 3.6 V a cell).</source>
        <translation>l&apos;assistenza si ferma con la batteria ancora a metà (sopra circa 3.6 V per cella).</translation>
    </message>
    <message>
        <source>the cells are drained too deep (below about 2.8 V a cell).</source>
        <translation>le celle si scaricano troppo (sotto circa 2.8 V per cella).</translation>
    </message>
    <message>
        <source>The controller&apos;s acceleration setting, a position of the track bar.</source>
        <translation>L&apos;impostazione di accelerazione del controller, una posizione del cursore.</translation>
    </message>
    <message>
        <source>The signal level of the brake lever sensors, &quot;Low&quot; or &quot;High&quot;: choose the one the bike&apos;s brake sensors give.</source>
        <translation>Il livello del segnale dei sensori delle leve del freno, «Basso» o «Alto»: scegliete quello che danno i sensori dei freni della bici.</translation>
    </message>
    <message>
        <source>The speed at which the controller stops assisting, while &quot;Limit max speed&quot; is ticked; with it clear a write sends 900 km/h, which means no limit.</source>
        <translation>La velocità alla quale il controller smette di assistere, finché «Limita velocità max» è spuntata; senza spunta la scrittura invia 900 km/h, cioè nessun limite.</translation>
    </message>
    <message>
        <source>the bike may break the road class it is ridden in (Connect &gt; Road Class checks it).</source>
        <translation>la bici può violare la classe stradale in cui circola (Connessione &gt; Classe stradale lo verifica).</translation>
    </message>
    <message>
        <source>assistance stops at a lower speed.</source>
        <translation>l&apos;assistenza si ferma a una velocità più bassa.</translation>
    </message>
    <message>
        <source>How many magnets pass the speed sensor in one turn of the wheel; the controller reckons the speed from them and the wheel perimeter.</source>
        <translation>Quanti magneti passano davanti al sensore di velocità a ogni giro di ruota; da questi e dalla circonferenza della ruota il controller calcola la velocità.</translation>
    </message>
    <message>
        <source>the speed is reckoned too low, so assistance may go on past the speed limit.</source>
        <translation>la velocità risulta troppo bassa, quindi l&apos;assistenza può continuare oltre il limite di velocità.</translation>
    </message>
    <message>
        <source>the speed is reckoned too high, so assistance stops early.</source>
        <translation>la velocità risulta troppo alta, quindi l&apos;assistenza si ferma troppo presto.</translation>
    </message>
    <message>
        <source>The distance the wheel rolls in one turn; the controller reckons the speed from it. The list beside the field fills in common sizes; measuring the wheel is more exact.</source>
        <translation>La distanza che la ruota percorre in un giro; da essa il controller calcola la velocità. L&apos;elenco accanto al campo inserisce le misure comuni; misurare la ruota è più preciso.</translation>
    </message>
    <message>
        <source>Whether the bike has a pedal speed sensor (PAS) for the controller to use. Clear, the group &quot;Pedal speed sensor functions&quot; is switched off; its values are still written.</source>
        <translation>Se la bici ha un sensore di pedalata (PAS) che il controller deve usare. Senza spunta il gruppo «Sensore di pedalata» è disattivato; i suoi valori vengono scritti comunque.</translation>
    </message>
    <message>
        <source>The duty cycle of the pedal sensor&apos;s signal, below or above 50 %: choose the one the bike&apos;s sensor gives.</source>
        <translation>Il duty cycle del segnale del sensore di pedalata, sotto o sopra il 50 %: scegliete quello che dà il sensore della bici.</translation>
    </message>
    <message>
        <source>How many magnets the pedal sensor&apos;s disc carries; it must match the disc.</source>
        <translation>Quanti magneti ha il disco del sensore di pedalata; deve corrispondere al disco.</translation>
    </message>
    <message>
        <source>How many of the pedal sensor&apos;s magnets must pass before assistance starts.</source>
        <translation>Quanti magneti del sensore di pedalata devono passare prima che parta l&apos;assistenza.</translation>
    </message>
    <message>
        <source>assistance starts after more pedalling.</source>
        <translation>l&apos;assistenza parte dopo più pedalate.</translation>
    </message>
    <message>
        <source>assistance starts after less pedalling.</source>
        <translation>l&apos;assistenza parte dopo meno pedalate.</translation>
    </message>
    <message>
        <source>How long assistance goes on after the pedals stop.</source>
        <translation>Per quanto tempo l&apos;assistenza continua dopo che i pedali si fermano.</translation>
    </message>
    <message>
        <source>the motor goes on pushing longer after you stop pedalling.</source>
        <translation>il motore continua a spingere più a lungo dopo che smettete di pedalare.</translation>
    </message>
    <message>
        <source>assistance stops sooner after the pedals stop.</source>
        <translation>l&apos;assistenza si ferma prima dopo che i pedali si fermano.</translation>
    </message>
    <message>
        <source>The pedal assist sensor (PAS) ratio, a position of the track bar.</source>
        <translation>Il rapporto del sensore di pedalata assistita (PAS), una posizione del cursore.</translation>
    </message>
    <message>
        <source>Whether the bike has a throttle for the controller to use. Clear, the group &quot;Throttle functions&quot; is switched off; its values are still written.</source>
        <translation>Se la bici ha un acceleratore che il controller deve usare. Senza spunta il gruppo «Acceleratore» è disattivato; i suoi valori vengono scritti comunque.</translation>
    </message>
    <message>
        <source>The largest output the throttle asks for, in percent of the full output.</source>
        <translation>La potenza massima che l&apos;acceleratore richiede, in percento della potenza piena.</translation>
    </message>
    <message>
        <source>the throttle gives less power.</source>
        <translation>l&apos;acceleratore dà meno potenza.</translation>
    </message>
    <message>
        <source>Whether the throttle keeps to the limits of the assist levels (&quot;Level 1&quot; to &quot;Level 9&quot;).</source>
        <translation>Se l&apos;acceleratore rispetta i limiti dei livelli di assistenza («Livello 1» a «Livello 9»).</translation>
    </message>
    <message>
        <source>The throttle&apos;s signal voltage at which it starts to act; it must stay below the full voltage.</source>
        <translation>La tensione del segnale dell&apos;acceleratore alla quale inizia ad agire; deve restare sotto la tensione a pieno gas.</translation>
    </message>
    <message>
        <source>the throttle starts late in its travel.</source>
        <translation>l&apos;acceleratore inizia tardi nella sua corsa.</translation>
    </message>
    <message>
        <source>the throttle starts early in its travel.</source>
        <translation>l&apos;acceleratore inizia presto nella sua corsa.</translation>
    </message>
    <message>
        <source>The throttle&apos;s signal voltage at which it gives full output.</source>
        <translation>La tensione del segnale dell&apos;acceleratore alla quale dà la piena potenza.</translation>
    </message>
    <message>
        <source>above what the throttle gives when fully turned, full output is never reached.</source>
        <translation>oltre quanto l&apos;acceleratore dà a fondo corsa, la piena potenza non viene mai raggiunta.</translation>
    </message>
    <message>
        <source>full output comes early in the throttle&apos;s travel.</source>
        <translation>la piena potenza arriva presto nella corsa dell&apos;acceleratore.</translation>
    </message>
    <message>
        <source>How the throttle works with the pedal sensor: on its own, together with the pedal sensor, or started by it. Some road classes allow a throttle only while pedalling.</source>
        <translation>Come l&apos;acceleratore lavora con il sensore di pedalata: da solo, insieme al sensore di pedalata o avviato da esso. Alcune classi stradali ammettono un acceleratore solo pedalando.</translation>
    </message>
    <message>
        <source>How many assist levels the rider can choose from; only the levels up to this count can be edited.</source>
        <translation>Tra quanti livelli di assistenza può scegliere il ciclista; solo i livelli fino a questo numero sono modificabili.</translation>
    </message>
    <message>
        <source>more levels to step through.</source>
        <translation>più livelli da scorrere.</translation>
    </message>
    <message>
        <source>fewer levels to choose from.</source>
        <translation>meno livelli tra cui scegliere.</translation>
    </message>
    <message>
        <source>Whether the limits of the assist levels act on the speed.</source>
        <translation>Se i limiti dei livelli di assistenza agiscono sulla velocità.</translation>
    </message>
    <message>
        <source>Whether the limits of the assist levels act on the current.</source>
        <translation>Se i limiti dei livelli di assistenza agiscono sulla corrente.</translation>
    </message>
    <message>
        <source>The limit of the walk-assist mode, which helps while you push the bike, in percent.</source>
        <translation>Il limite della modalità di assistenza alla camminata, che aiuta mentre spingete la bici, in percento.</translation>
    </message>
    <message>
        <source>more push while walking.</source>
        <translation>più spinta camminando.</translation>
    </message>
    <message>
        <source>less push while walking.</source>
        <translation>meno spinta camminando.</translation>
    </message>
    <message>
        <source>Whether the pedal sensor works together with the throttle.</source>
        <translation>Se il sensore di pedalata lavora insieme all&apos;acceleratore.</translation>
    </message>
    <message>
        <source>The motor&apos;s Hall sensors: 120 degree, 60 degree or none (sensorless). It must match the motor; wrong motor data can make the motor run rough or overheat.</source>
        <translation>I sensori di Hall del motore: 120 gradi, 60 gradi o nessuno (sensorless). Deve corrispondere al motore; dati del motore errati possono farlo girare in modo irregolare o surriscaldare.</translation>
    </message>
    <message>
        <source>Whether the motor has a one-way clutch (freewheel) inside. It must match the motor.</source>
        <translation>Se il motore ha una ruota libera all&apos;interno. Deve corrispondere al motore.</translation>
    </message>
    <message>
        <source>The motor&apos;s rated voltage, from its data sheet or label; wrong motor data can make the motor run rough or overheat.</source>
        <translation>La tensione nominale del motore, dalla scheda tecnica o dalla targhetta; dati del motore errati possono farlo girare in modo irregolare o surriscaldare.</translation>
    </message>
    <message>
        <source>The motor&apos;s rated power, from its data sheet or label. Road classes allow a rated power up to their limit (Connect &gt; Road Class checks it).</source>
        <translation>La potenza nominale del motore, dalla scheda tecnica o dalla targhetta. Le classi stradali ammettono una potenza nominale fino al loro limite (Connessione &gt; Classe stradale lo verifica).</translation>
    </message>
    <message>
        <source>The number of magnet pole pairs of the motor, from its data sheet.</source>
        <translation>Il numero di coppie polari magnetiche del motore, dalla scheda tecnica.</translation>
    </message>
    <message>
        <source>The motor&apos;s speed without load, from its data sheet.</source>
        <translation>La velocità del motore a vuoto, dalla scheda tecnica.</translation>
    </message>
    <message>
        <source>The ratio of the motor&apos;s gear: motor turns per turn of its housing or output, from its data sheet.</source>
        <translation>Il rapporto del riduttore del motore: giri del motore per giro della carcassa o dell&apos;uscita, dalla scheda tecnica.</translation>
    </message>
    <message>
        <source>The electrical resistance of the motor&apos;s stator winding, from its data sheet.</source>
        <translation>La resistenza elettrica dell&apos;avvolgimento dello statore del motore, dalla scheda tecnica.</translation>
    </message>
    <message>
        <source>The inductance of the motor&apos;s stator winding, from its data sheet.</source>
        <translation>L&apos;induttanza dell&apos;avvolgimento dello statore del motore, dalla scheda tecnica.</translation>
    </message>
    <message>
        <source>The largest current the controller drives through the motor&apos;s windings; it is never below the max battery current.</source>
        <translation>La corrente più alta che il controller fa passare negli avvolgimenti del motore; non è mai inferiore alla corrente di batteria max.</translation>
    </message>
    <message>
        <source>more than the motor or the controller is made for: they may overheat.</source>
        <translation>più di quanto il motore o il controller sopportano: possono surriscaldarsi.</translation>
    </message>
    <message>
        <source>less pulling power.</source>
        <translation>meno forza di trazione.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Cannot create file %1</source>
        <extracomment>%1 the file&apos;s path</extracomment>
        <translation>Impossibile creare il file %1</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <extracomment>%1 the path of config.ini</extracomment>
        <translation>Impossibile scrivere su %1</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <extracomment>a file whose last key has no value line; %1 the number of lines</extracomment>
        <translation>Indice di lista fuori dai limiti (%1)</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <extracomment>%1 the file&apos;s path</extracomment>
        <translation>Impossibile aprire il file %1</translation>
    </message>
    <message>
        <source>File %1 is too large to be a configuration file (more than 1 MiB).</source>
        <extracomment>%1 the file&apos;s path</extracomment>
        <translation>Il file %1 è troppo grande per essere un file di configurazione (più di 1 MiB).</translation>
    </message>
    <message>
        <source>Cannot open file %1: it is not a regular file.</source>
        <extracomment>%1 the path of a folder, a device or the like</extracomment>
        <translation>Impossibile aprire il file %1: non è un file normale.</translation>
    </message>
    <message>
        <source>The setting file to be opened missed one data because of a bug in the old version. Please answer one question now.
Does the motor have 3 hall sensors?</source>
        <extracomment>Yes means the motor has three Hall sensors, No that it has none</extracomment>
        <translation>Al file di configurazione da aprire manca un dato a causa di un difetto della versione precedente. Rispondere ora a una domanda.
Il motore ha 3 sensori Hall?</translation>
    </message>
    <message>
        <source>The file %1 contains no settings.</source>
        <extracomment>%1 the file&apos;s path; the file is empty, holds only blank lines or only numbers of no setting</extracomment>
        <translation>Il file %1 non contiene alcuna impostazione.</translation>
    </message>
    <message>
        <source>The file is marked as UTF-16 text, but it is damaged: it cannot be read as text.</source>
        <extracomment>the file starts with the mark of UTF-16 text (Notepad&apos;s &quot;Unicode&quot;) but is damaged</extracomment>
        <translation>Il file è contrassegnato come testo UTF-16, ma è danneggiato: non può essere letto come testo.</translation>
    </message>
    <message>
        <source>Cannot create file %1: it is not a regular file.</source>
        <extracomment>%1 the path of a named pipe, a device or the like</extracomment>
        <translation>Impossibile creare il file %1: non è un file normale.</translation>
    </message>
</context>
<context>
    <name>Limits</name>
    <message>
        <source>These values are outside the limits the window allows:</source>
        <translation>Questi valori sono fuori dai limiti ammessi dalla finestra:</translation>
    </message>
    <message>
        <source>%1: %2 (allowed: %3)</source>
        <extracomment>%1 the field&apos;s caption, %2 its value with its unit, %3 the allowed range (&quot;at most 30.0 A&quot;)</extracomment>
        <translation>%1: %2 (ammesso: %3)</translation>
    </message>
    <message>
        <source>at most %1</source>
        <extracomment>an allowed range: %1 the largest value with its unit, &quot;30.0 A&quot;</extracomment>
        <translation>al massimo %1</translation>
    </message>
    <message>
        <source>at least %1</source>
        <extracomment>an allowed range as a screen reader says it after the field&apos;s unit: %1 the least value, &quot;200&quot;</extracomment>
        <translation>almeno %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>an allowed range: %1 the least and %2 the largest value with their units, &quot;0.9 V to 3.0 V&quot;</extracomment>
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <source>the start voltage</source>
        <extracomment>the least value of the throttle&apos;s full voltage, in place of a number in &quot;%1 to %2&quot;: &quot;the start voltage to 4.2&quot;</extracomment>
        <translation>tensione di inizio</translation>
    </message>
    <message>
        <source>%1 or more</source>
        <extracomment>an allowed range: %1 the least value with its unit, &quot;200 ms&quot;</extracomment>
        <translation>%1 o più</translation>
    </message>
    <message>
        <source>from the start voltage, %1, to %2</source>
        <extracomment>the allowed range of the throttle&apos;s full voltage: %1 the start voltage set, %2 the largest value, both with their unit: &quot;from the start voltage, 1.2 V, to 4.2 V&quot;</extracomment>
        <translation>dalla tensione di inizio, %1, a %2</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>Device Connected</source>
        <extracomment>status strip, 125 pixels wide: the programming cable&apos;s port is open</extracomment>
        <translation>Connesso</translation>
    </message>
    <message>
        <source>Device Lost</source>
        <extracomment>status strip, 125 pixels wide: the programming cable&apos;s port is gone</extracomment>
        <translation>Disconnesso</translation>
    </message>
    <message>
        <source>Controller connection test result</source>
        <translation>Esito del test di connessione alla centralina</translation>
    </message>
    <message>
        <source>Another COM device using the same name is detected,
please remove it first.</source>
        <extracomment>&quot;COM device&quot;: a serial port device</extracomment>
        <translation>È stato rilevato un altro dispositivo COM con lo stesso nome,
rimuoverlo prima di continuare.</translation>
    </message>
    <message>
        <source>You may not open the programming cable&apos;s serial port %1.

%2</source>
        <extracomment>%1 the serial device&apos;s path; %2 the lines that say how to get access</extracomment>
        <translation>Non si dispone dei permessi per aprire la porta seriale %1 del cavo di programmazione.

%2</translation>
    </message>
    <message>
        <source>Programming cable access</source>
        <translation>Accesso al cavo di programmazione</translation>
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
        <translation>Installare la regola per il cavo fornita con il pacchetto (70-vexlor-cable.rules), poi
scollegare il cavo e ricollegarlo. Il pacchetto installa la regola in
/usr/lib/udev/rules.d; se il programma è compilato dai sorgenti, installarla con
  sudo cp packaging/70-vexlor-cable.rules /etc/udev/rules.d/
  sudo udevadm control --reload
Oppure entrare nel gruppo dialout, i cui membri possono aprire le porte seriali:
  sudo usermod -aG dialout $USER
poi uscire dalla sessione e rientrare.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Untitled.vxc</source>
        <extracomment>the window caption&apos;s document name after New, before the first save</extracomment>
        <translation>Senza titolo.vxc</translation>
    </message>
    <message>
        <source>Power parameters</source>
        <translation>Parametri di potenza</translation>
    </message>
    <message>
        <source>Pedal speed sensor functions</source>
        <translation>Sensore di pedalata</translation>
    </message>
    <message>
        <source>Limit max speed</source>
        <translation>Limita velocità max</translation>
    </message>
    <message>
        <source>Speed limit parameters</source>
        <translation>Limite di velocità</translation>
    </message>
    <message>
        <source>Wheel size</source>
        <translation>Misura ruota</translation>
    </message>
    <message>
        <source>Throttle functions</source>
        <translation>Acceleratore</translation>
    </message>
    <message>
        <source>Level limits</source>
        <translation>Limiti per livello</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <extracomment>the About box&apos;s last credit line</extracomment>
        <translation>Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Language</source>
        <extracomment>Help &gt; Language: the note after choosing a language</extracomment>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>The window will show the chosen language the next time you start the program.</source>
        <translation>La finestra mostrerà la lingua scelta al prossimo avvio del programma.</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motore</translation>
    </message>
    <message>
        <source>Brushless motor parameters</source>
        <translation>Parametri motore brushless</translation>
    </message>
    <message>
        <source>Configuration Files (*.vxc)</source>
        <extracomment>the file dialogs&apos; filter; keep &quot;(*.vxc)&quot; as it is</extracomment>
        <translation>File di configurazione (*.vxc)</translation>
    </message>
    <message>
        <source>Open Configuration Files</source>
        <translation>Apri file di configurazione</translation>
    </message>
    <message>
        <source>Save Configuration Files</source>
        <translation>Salva file di configurazione</translation>
    </message>
    <message>
        <source>New Configuration</source>
        <translation>Nuova configurazione</translation>
    </message>
    <message>
        <source>Open Configuration</source>
        <translation>Apri configurazione</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Salva configurazione</translation>
    </message>
    <message>
        <source>Test Controller Connection</source>
        <translation>Verifica connessione alla centralina</translation>
    </message>
    <message>
        <source>Read Controller Configuration</source>
        <translation>Leggi configurazione dalla centralina</translation>
    </message>
    <message>
        <source>Write Controller Configuration</source>
        <translation>Scrivi configurazione nella centralina</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Connessione</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>The file was opened, but the list of recent files could not be saved: unable to write to %1.</source>
        <extracomment>%1 the full path of config.ini, which holds the list of recent files</extracomment>
        <translation>Il file è stato aperto, ma non è stato possibile salvare l&apos;elenco dei file recenti: impossibile scrivere su %1.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>Desktop &amp;Language</source>
        <extracomment>Help &gt; Language: whatever language the desktop is set to</extracomment>
        <translation>&amp;Lingua del desktop</translation>
    </message>
    <message>
        <source>&amp;New Configuration</source>
        <translation>&amp;Nuova configurazione</translation>
    </message>
    <message>
        <source>&amp;Open Configuration...</source>
        <translation>&amp;Apri configurazione...</translation>
    </message>
    <message>
        <source>&amp;Reopen</source>
        <translation>Apri &amp;recenti</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salva c&amp;on nome...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Test Controller Connection</source>
        <translation>&amp;Verifica connessione alla centralina</translation>
    </message>
    <message>
        <source>&amp;Read Controller Configuration</source>
        <translation>&amp;Leggi configurazione dalla centralina</translation>
    </message>
    <message>
        <source>&amp;Write Controller Configuration</source>
        <translation>&amp;Scrivi configurazione nella centralina</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Argomenti della guida</translation>
    </message>
    <message>
        <source>Technical &amp;Support</source>
        <translation>Assistenza &amp;tecnica</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Informazioni...</translation>
    </message>
    <message>
        <source>amperes</source>
        <translation>ampere</translation>
    </message>
    <message>
        <source>volts</source>
        <translation>volt</translation>
    </message>
    <message>
        <source>kilometres per hour</source>
        <translation>chilometri orari</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>millimetri</translation>
    </message>
    <message>
        <source>milliseconds stop pedaling</source>
        <extracomment>a field&apos;s unit for screen readers: &quot;Stop after [500] ms stop pedaling&quot;</extracomment>
        <translation>millisecondi di sosta</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>per cento</translation>
    </message>
    <message>
        <source>watts</source>
        <translation>watt</translation>
    </message>
    <message>
        <source>revolutions per minute</source>
        <translation>giri al minuto</translation>
    </message>
    <message>
        <source>to 1</source>
        <extracomment>a field&apos;s unit for screen readers: the reduction ratio &quot;[8] :1&quot;, read &quot;8 to 1&quot;</extracomment>
        <translation>a 1</translation>
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
        <translation>Risultato</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Attività</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connessione</translation>
    </message>
    <message>
        <source>&amp;Connection Doctor…</source>
        <extracomment>Help menu: the checks of why the programming cable does not work</extracomment>
        <translation>&amp;Diagnosi della connessione…</translation>
    </message>
    <message>
        <source>Connection Doctor…</source>
        <translation>Diagnosi della connessione…</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <extracomment>%1 the document&apos;s name as the window caption shows it, &quot;Untitled.vxc&quot; before its first save</extracomment>
        <translation>Salvare le modifiche a %1?</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>the status strip&apos;s message, such as where a file was saved, as a screen reader names it</extracomment>
        <translation>Messaggio</translation>
    </message>
    <message>
        <source>miles per hour, at most %1</source>
        <extracomment>a speed field&apos;s description for screen readers in imperial units: %1 the most the controller holds, &quot;4072.16&quot;</extracomment>
        <translation>miglia orarie, al massimo %1</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <extracomment>Help menu: the units speeds are shown in, metric or imperial</extracomment>
        <translation>&amp;Unità</translation>
    </message>
    <message>
        <source>Bike: %1</source>
        <extracomment>the status strip&apos;s field with the bike&apos;s label (a frame number, a customer); %1 the label</extracomment>
        <translation>Bici: %1</translation>
    </message>
    <message>
        <source>Bike</source>
        <extracomment>the status strip&apos;s field with the bike&apos;s label, as a screen reader names it
----------
the box of Connect &gt; Bike...: its title and the caption of its one field</extracomment>
        <translation>Bici</translation>
    </message>
    <message>
        <source>Label of the bike (frame number, customer); every operation is recorded with it:</source>
        <translation>Etichetta della bici (numero di telaio, cliente); ogni operazione viene registrata con essa:</translation>
    </message>
    <message>
        <source>Bi&amp;ke…</source>
        <extracomment>Connect menu: the label (frame number, customer) the register records with each operation</extracomment>
        <translation>B&amp;ici…</translation>
    </message>
    <message>
        <source>H&amp;istory…</source>
        <extracomment>Connect menu: the register of every operation, as a table</extracomment>
        <translation>Cronolo&amp;gia…</translation>
    </message>
    <message>
        <source>What&apos;s &amp;This?</source>
        <extracomment>Help menu: the pointer that shows what the next field clicked does</extracomment>
        <translation>&amp;Che cos&apos;è?</translation>
    </message>
    <message>
        <source>New Bike Set&amp;up…</source>
        <extracomment>File menu: the assistant that proposes values from what is printed on the bike&apos;s parts</extracomment>
        <translation>&amp;Configura nuova bici…</translation>
    </message>
</context>
<context>
    <name>MotorIllustration</name>
    <message>
        <source>Rotor</source>
        <translation>Rotore</translation>
    </message>
    <message>
        <source>Magnets N / S</source>
        <extracomment>the rotor&apos;s magnets with their north and south poles</extracomment>
        <translation>Magneti N / S</translation>
    </message>
    <message>
        <source>Stator teeth</source>
        <translation>Denti dello statore</translation>
    </message>
    <message>
        <source>Coils</source>
        <translation>Bobine</translation>
    </message>
    <message>
        <source>Bearing</source>
        <translation>Cuscinetto</translation>
    </message>
    <message>
        <source>Axle</source>
        <translation>Asse</translation>
    </message>
</context>
<context>
    <name>Parameters</name>
    <message>
        <source>Pedal sensor magnets</source>
        <extracomment>the field before &quot;magnets a circle&quot;, as messages and lists name it</extracomment>
        <translation>Magneti del sensore di pedalata</translation>
    </message>
    <message>
        <source>PAS levels (1~9):</source>
        <translation>Livelli PAS (1~9):</translation>
    </message>
    <message>
        <source>%</source>
        <extracomment>unit: percent</extracomment>
        <translation>%</translation>
    </message>
    <message>
        <source>Max battery current: </source>
        <translation>Corrente max batt.: </translation>
    </message>
    <message>
        <source>A</source>
        <extracomment>unit: ampere</extracomment>
        <translation>A</translation>
    </message>
    <message>
        <source>Low voltage protection: </source>
        <extracomment>the battery voltage below which the controller cuts the motor</extracomment>
        <translation>Tensione minima: </translation>
    </message>
    <message>
        <source>V</source>
        <extracomment>unit: volt</extracomment>
        <translation>V</translation>
    </message>
    <message>
        <source>Acceleration:</source>
        <translation>Accelerazione:</translation>
    </message>
    <message>
        <source>Brake voltage:</source>
        <extracomment>the brake lever sensor&apos;s signal level; its two buttons are &quot;Low&quot; and &quot;High&quot;</extracomment>
        <translation>Segnale freno:</translation>
    </message>
    <message>
        <source>Low</source>
        <extracomment>brake signal level</extracomment>
        <translation>Basso</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>brake signal level</extracomment>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Speed limit: </source>
        <translation>Velocità max: </translation>
    </message>
    <message>
        <source>km/h</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>Speedometer magnets: </source>
        <extracomment>how many magnets pass the speed sensor per wheel turn</extracomment>
        <translation>Magneti del tachimetro: </translation>
    </message>
    <message>
        <source>Wheel perimeter: </source>
        <translation>Circonf. ruota: </translation>
    </message>
    <message>
        <source>mm</source>
        <extracomment>unit: millimetre</extracomment>
        <translation>mm</translation>
    </message>
    <message>
        <source>Use pedal speed sensor</source>
        <translation>Usa sensore di pedalata</translation>
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
        <translation>magneti per giro</translation>
    </message>
    <message>
        <source>Start after </source>
        <extracomment>&quot;Start after [2] magnets passed&quot;: assist starts after this many sensor magnets</extracomment>
        <translation>Avvio dopo </translation>
    </message>
    <message>
        <source>magnets passed</source>
        <extracomment>&quot;Start after [2] magnets passed&quot;</extracomment>
        <translation>magneti rilevati</translation>
    </message>
    <message>
        <source>Stop after </source>
        <extracomment>&quot;Stop after [500] ms stop pedaling&quot;: assist stops this long after pedalling stops</extracomment>
        <translation>Stop dopo </translation>
    </message>
    <message>
        <source>ms stop pedaling</source>
        <extracomment>&quot;Stop after [500] ms stop pedaling&quot;</extracomment>
        <translation>ms di sosta</translation>
    </message>
    <message>
        <source>PAS ratio: </source>
        <extracomment>pedal assist sensor (PAS) ratio, a track bar from 1 to 9</extracomment>
        <translation>Rapporto PAS: </translation>
    </message>
    <message>
        <source>Use throttle</source>
        <translation>Usa acceleratore</translation>
    </message>
    <message>
        <source>Max output: </source>
        <extracomment>the throttle&apos;s largest output, in percent</extracomment>
        <translation>Uscita max: </translation>
    </message>
    <message>
        <source>Limited by PAS level limits</source>
        <extracomment>the throttle follows the assist level limits</extracomment>
        <translation>Limitato dai livelli PAS</translation>
    </message>
    <message>
        <source>Start voltage: </source>
        <extracomment>the throttle&apos;s voltage where it starts; the row reads &quot;Start voltage: [1.2] V, Full: [3.4] V&quot;</extracomment>
        <translation>Inizio: </translation>
    </message>
    <message>
        <source>V,</source>
        <extracomment>unit: volt, followed on the same row by &quot;Full: [3.4] V&quot;</extracomment>
        <translation>V,</translation>
    </message>
    <message>
        <source>Full: </source>
        <extracomment>the throttle&apos;s voltage at full twist, after &quot;Start voltage: [1.2] V,&quot;; keep it short</extracomment>
        <translation>Max: </translation>
    </message>
    <message>
        <source>Working style</source>
        <extracomment>how the throttle works with the pedal sensor (a group of three choices)</extracomment>
        <translation>Funzionamento</translation>
    </message>
    <message>
        <source>Independently</source>
        <translation>Indipendente</translation>
    </message>
    <message>
        <source>Together with pedal sensor</source>
        <translation>Con il sensore di pedalata</translation>
    </message>
    <message>
        <source>Start by pedal sensor</source>
        <translation>Avvio con la pedalata</translation>
    </message>
    <message>
        <source>Level 1: </source>
        <translation>Livello 1: </translation>
    </message>
    <message>
        <source>Level 2: </source>
        <translation>Livello 2: </translation>
    </message>
    <message>
        <source>Level 3: </source>
        <translation>Livello 3: </translation>
    </message>
    <message>
        <source>Level 4: </source>
        <translation>Livello 4: </translation>
    </message>
    <message>
        <source>Level 5: </source>
        <translation>Livello 5: </translation>
    </message>
    <message>
        <source>Level 6: </source>
        <translation>Livello 6: </translation>
    </message>
    <message>
        <source>Level 7: </source>
        <translation>Livello 7: </translation>
    </message>
    <message>
        <source>Level 8: </source>
        <translation>Livello 8: </translation>
    </message>
    <message>
        <source>Level 9: </source>
        <translation>Livello 9: </translation>
    </message>
    <message>
        <source>Limit speed</source>
        <extracomment>the assist levels limit the speed</extracomment>
        <translation>Limita velocità</translation>
    </message>
    <message>
        <source>Limit current</source>
        <extracomment>the assist levels limit the current</extracomment>
        <translation>Limita corrente</translation>
    </message>
    <message>
        <source>Walk assist: </source>
        <translation>Spinta: </translation>
    </message>
    <message>
        <source>Work together with throttle</source>
        <extracomment>the pedal sensor works together with the throttle</extracomment>
        <translation>Insieme all&apos;acceleratore</translation>
    </message>
    <message>
        <source>Hall sensor</source>
        <extracomment>the motor&apos;s Hall sensors: 120 degree, 60 degree or none</extracomment>
        <translation>Sensore Hall</translation>
    </message>
    <message>
        <source>120° Sensors</source>
        <translation>Sensori 120°</translation>
    </message>
    <message>
        <source>60° Sensors</source>
        <translation>Sensori 60°</translation>
    </message>
    <message>
        <source>Sensorless</source>
        <translation>Senza sensori</translation>
    </message>
    <message>
        <source>Rotation direction</source>
        <extracomment>a hub motor with or without a freewheel (one-way clutch) inside</extracomment>
        <translation>Senso di rotazione</translation>
    </message>
    <message>
        <source>One way clutch</source>
        <translation>Ruota libera</translation>
    </message>
    <message>
        <source>Without clutch</source>
        <translation>Presa diretta</translation>
    </message>
    <message>
        <source>Rated voltage: </source>
        <translation>Tensione nominale: </translation>
    </message>
    <message>
        <source>Rated power: </source>
        <translation>Potenza nominale: </translation>
    </message>
    <message>
        <source>W</source>
        <extracomment>unit: watt</extracomment>
        <translation>W</translation>
    </message>
    <message>
        <source>No. of pole-pairs: </source>
        <translation>N. coppie polari: </translation>
    </message>
    <message>
        <source>No-load speed: </source>
        <translation>Velocità a vuoto: </translation>
    </message>
    <message>
        <source>rpm</source>
        <extracomment>unit: revolutions per minute</extracomment>
        <translation>giri/min</translation>
    </message>
    <message>
        <source>Reduction ratio: </source>
        <extracomment>the motor&apos;s gear ratio, shown as &quot;[8] :1&quot;</extracomment>
        <translation>Rapporto di riduzione: </translation>
    </message>
    <message>
        <source>:1</source>
        <extracomment>after the reduction ratio&apos;s field: &quot;[8] :1&quot;</extracomment>
        <translation>:1</translation>
    </message>
    <message>
        <source>Stator resistance: </source>
        <translation>Resistenza statore: </translation>
    </message>
    <message>
        <source>mOhm</source>
        <extracomment>unit: milliohm</extracomment>
        <translation>mOhm</translation>
    </message>
    <message>
        <source>Stator inductance: </source>
        <translation>Induttanza statore: </translation>
    </message>
    <message>
        <source>mH</source>
        <extracomment>unit: millihenry</extracomment>
        <translation>mH</translation>
    </message>
    <message>
        <source>Max phase current:</source>
        <translation>Corrente max di fase:</translation>
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
        <translation>magneti</translation>
    </message>
</context>
<context>
    <name>Plausibility</name>
    <message>
        <source>%1 to %2 for %3 cells (rated voltage %4)</source>
        <extracomment>%1 the least and %2 the largest cut-off voltage with their unit (&quot;28.0 V&quot;, &quot;36.0 V&quot;), %3 the number of cells in series (&quot;10&quot;), %4 the rated voltage with its unit (&quot;36 V&quot;)</extracomment>
        <translation>da %1 a %2 per %3 celle (tensione nominale %4)</translation>
    </message>
    <message>
        <source>at most %1, the value of %2</source>
        <extracomment>%1 a value with its unit (&quot;30 A&quot;), %2 the caption of the field that holds it (&quot;Max phase current&quot;)</extracomment>
        <translation>al massimo %1, il valore di %2</translation>
    </message>
    <message>
        <source>below %1, the value of %2</source>
        <extracomment>%1 a value with its unit (&quot;3.4 V&quot;), %2 the caption of the field that holds it (&quot;Full&quot;)</extracomment>
        <translation>sotto %1, il valore di %2</translation>
    </message>
    <message>
        <source>above %1, the value of %2</source>
        <extracomment>%1 a value with its unit (&quot;50 %&quot;), %2 the caption of the field that holds it (&quot;Level 2&quot;)</extracomment>
        <translation>sopra %1, il valore di %2</translation>
    </message>
    <message>
        <source>%1 at the top level in use</source>
        <extracomment>what the last assist level in use should be: %1 &quot;100 %&quot;</extracomment>
        <translation>%1 al livello più alto in uso</translation>
    </message>
    <message>
        <source>%1: %2 (plausible: %3)</source>
        <extracomment>one warning: %1 the field&apos;s caption, %2 its value with its unit, %3 what would fit (&quot;at least 1&quot;)</extracomment>
        <translation>%1: %2 (plausibile: %3)</translation>
    </message>
    <message>
        <source>These values hardly fit a bike or each other:</source>
        <extracomment>above the list of warnings in the question before a write and in a check&apos;s report</extracomment>
        <translation>Questi valori si adattano poco a una bici o tra loro:</translation>
    </message>
    <message>
        <source>Warning on %1</source>
        <extracomment>what a screen reader calls the small warning sign beside a field; %1 the field&apos;s caption</extracomment>
        <translation>Avviso su %1</translation>
    </message>
</context>
<context>
    <name>Profiles</name>
    <message>
        <source>Pro&amp;files</source>
        <extracomment>File &gt; Profiles: the submenu listing the configurations kept under a name</extracomment>
        <translation>Pro&amp;fili</translation>
    </message>
    <message>
        <source>Save as Profi&amp;le…</source>
        <translation>Sa&amp;lva come profilo…</translation>
    </message>
    <message>
        <source>No Profiles Yet</source>
        <extracomment>File &gt; Profiles while there is none</extracomment>
        <translation>Ancora nessun profilo</translation>
    </message>
    <message>
        <source>Save as Profile</source>
        <translation>Salva come profilo</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>N&amp;ote:</source>
        <translation>N&amp;ota:</translation>
    </message>
    <message>
        <source>The window&apos;s values are kept under this name, for example for a battery or a bike model; File &gt; Profiles puts them back into the window.</source>
        <extracomment>under the fields of the profile dialog</extracomment>
        <translation>I valori della finestra vengono conservati con questo nome, per esempio per una batteria o un modello di bici; File &gt; Profili li rimette nella finestra.</translation>
    </message>
    <message>
        <source>A profile named &quot;%1&quot; exists already. Replace it?</source>
        <extracomment>%1 the profile&apos;s name</extracomment>
        <translation>Esiste già un profilo chiamato «%1». Sostituirlo?</translation>
    </message>
    <message>
        <source>A profile needs a name.</source>
        <translation>Un profilo ha bisogno di un nome.</translation>
    </message>
    <message>
        <source>A profile&apos;s name has at most %1 characters.</source>
        <extracomment>%1 the largest number of characters</extracomment>
        <translation>Il nome di un profilo ha al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>A profile&apos;s name cannot hold %1 or control characters: &quot;%2&quot;.</source>
        <extracomment>%1 the characters refused, %2 the name given</extracomment>
        <translation>Il nome di un profilo non può contenere %1 né caratteri di controllo: «%2».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a file on every system: a profile&apos;s name must not begin with a dot or a blank, end with a dot or a blank, or be a device name such as CON or NUL.</source>
        <extracomment>%1 the name given; CON and NUL are names Windows keeps for devices</extracomment>
        <translation>«%1» non può nominare un file su ogni sistema: il nome di un profilo non deve iniziare né finire con un punto o uno spazio, né essere un nome di dispositivo come CON o NUL.</translation>
    </message>
    <message>
        <source>No profile is named &quot;%1&quot;.</source>
        <extracomment>%1 the name given</extracomment>
        <translation>Nessun profilo si chiama «%1».</translation>
    </message>
</context>
<context>
    <name>Register</name>
    <message>
        <source>Not recorded in the register: %1</source>
        <extracomment>%1 why the operation was not recorded (one of the texts below, or the database&apos;s own)</extracomment>
        <translation>Non registrato nel registro: %1</translation>
    </message>
    <message>
        <source>this build keeps no register (it was made without Qt SQL).</source>
        <extracomment>the program was built without the database module; Qt SQL is the name of that module</extracomment>
        <translation>questa build non tiene un registro (è stata creata senza Qt SQL).</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <extracomment>%1 the register&apos;s path, %2 the database&apos;s reason</extracomment>
        <translation>Impossibile aprire %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <extracomment>%1 the register&apos;s path, %2 the database&apos;s reason</extracomment>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <extracomment>%1 the register&apos;s path, %2 the database&apos;s reason</extracomment>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>%1 was made by a newer version of the tool (schema %2, this one knows %3).</source>
        <extracomment>%1 the register&apos;s path, %2 the schema version in the file, %3 the newest this version knows</extracomment>
        <translation>%1 è stato creato da una versione più recente dello strumento (schema %2, questa conosce %3).</translation>
    </message>
    <message>
        <source>%1 names no shop server: give postgresql://USER@HOST[:PORT]/DB.</source>
        <extracomment>%1 what was given; keep postgresql://USER@HOST[:PORT]/DB as it is</extracomment>
        <translation>%1 non indica alcun server dell&apos;officina: indicare postgresql://USER@HOST[:PORT]/DB.</translation>
    </message>
    <message>
        <source>%1 carries a password, which is never taken from there: give the address without it and put the password in ~/.pgpass or PGPASSWORD.</source>
        <extracomment>%1 the address with the password left out; keep ~/.pgpass and PGPASSWORD as they are</extracomment>
        <translation>%1 contiene una password, che non viene mai presa da lì: indicare l&apos;indirizzo senza password e mettere la password in ~/.pgpass o PGPASSWORD.</translation>
    </message>
    <message>
        <source>the shop server is not available in this build (Qt&apos;s PostgreSQL driver QPSQL is missing).</source>
        <extracomment>QPSQL is the name of Qt&apos;s PostgreSQL driver</extracomment>
        <translation>il server dell&apos;officina non è disponibile in questa versione (manca il driver PostgreSQL di Qt, QPSQL).</translation>
    </message>
    <message>
        <source>The shop&apos;s register on %1.</source>
        <extracomment>%1 the server&apos;s address</extracomment>
        <translation>Il registro dell&apos;officina su %1.</translation>
    </message>
    <message>
        <source>Only this bench&apos;s records: the shop server cannot be reached. %1</source>
        <extracomment>%1 why the server cannot be reached</extracomment>
        <translation>Solo le registrazioni di questa postazione: il server dell&apos;officina non è raggiungibile. %1</translation>
    </message>
    <message>
        <source>Recorded on this bench; it goes to the shop server once it can be reached: %1</source>
        <extracomment>%1 why the server cannot be reached now (naming it)</extracomment>
        <translation>Registrato su questa postazione; andrà al server dell&apos;officina appena sarà raggiungibile: %1</translation>
    </message>
</context>
<context>
    <name>RoadCheck</name>
    <message>
        <source>only with pedalling: %1 or %2, or %3 cleared</source>
        <extracomment>%1 and %2 the working styles &quot;Together with pedal sensor&quot; and &quot;Start by pedal sensor&quot;, %3 the check box &quot;Use throttle&quot;</extracomment>
        <translation>solo pedalando: %1 o %2, oppure %3 disattivato</translation>
    </message>
    <message>
        <source>%1, so it assists up to %2</source>
        <extracomment>%1 the wheel perimeter with its unit (&quot;2000 mm&quot;), %2 a speed with its unit (&quot;27.4 km/h&quot;)</extracomment>
        <translation>%1, quindi assiste fino a %2</translation>
    </message>
    <message>
        <source>%1, so it assists at any speed</source>
        <extracomment>%1 the wheel perimeter with its unit, &quot;0 mm&quot;: the controller cannot measure the speed</extracomment>
        <translation>%1, quindi assiste a qualsiasi velocità</translation>
    </message>
    <message>
        <source>at least %1: the tire %2 rolls %3 a turn</source>
        <extracomment>%1 the least wheel perimeter (&quot;2128 mm&quot;), %2 the tire (&quot;57-584&quot;), %3 how far it rolls in one turn of the wheel (&quot;2193 mm&quot;)</extracomment>
        <translation>almeno %1: lo pneumatico %2 percorre %3 per giro</translation>
    </message>
    <message>
        <source>throttle also without pedalling</source>
        <translation>acceleratore anche senza pedalare</translation>
    </message>
    <message>
        <source>throttle only while pedalling</source>
        <translation>acceleratore solo pedalando</translation>
    </message>
    <message>
        <source>Road class: %1</source>
        <extracomment>%1 the road class&apos;s name</extracomment>
        <translation>Classe stradale: %1</translation>
    </message>
    <message>
        <source>Tire: %1, %2 a turn</source>
        <extracomment>%1 the tire (&quot;57-584&quot;), %2 how far it rolls in one turn of the wheel (&quot;2193 mm&quot;)</extracomment>
        <translation>Pneumatico: %1, %2 per giro</translation>
    </message>
    <message>
        <source>These values break the road class %1:</source>
        <extracomment>%1 the road class&apos;s name, &quot;EU / UK pedelec (EN 15194)&quot;</extracomment>
        <translation>Questi valori violano la classe stradale %1:</translation>
    </message>
    <message>
        <source>The settings keep to the road class %1.</source>
        <extracomment>%1 the road class&apos;s name</extracomment>
        <translation>Le impostazioni rispettano la classe stradale %1.</translation>
    </message>
    <message>
        <source>No road class chosen.</source>
        <translation>Nessuna classe stradale scelta.</translation>
    </message>
    <message>
        <source>No tire given: the wheel perimeter is not checked.</source>
        <extracomment>the tire was not given, so the wheel perimeter is not checked</extracomment>
        <translation>Nessuno pneumatico indicato: la circonferenza della ruota non viene verificata.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no tire size. Give its ETRTO size, width and bead seat diameter in millimetres (57-584), or a common size such as 26x2.1.</source>
        <extracomment>%1 what was given; keep 57-584 and 26x2.1 as they are</extracomment>
        <translation>&apos;%1&apos; non è una misura di pneumatico. Indicare la misura ETRTO, larghezza e diametro di calettamento in millimetri (57-584), o una misura comune come 26x2.1.</translation>
    </message>
    <message>
        <source>%1, and there is no speed limit: it assists at any speed</source>
        <extracomment>%1 the wheel perimeter with its unit; &quot;Limit max speed&quot; is cleared, so nothing cuts the motor off</extracomment>
        <translation>%1, e non c&apos;è limite di velocità: assiste a qualsiasi velocità</translation>
    </message>
    <message>
        <source>%1, so the speedometer reads %2 % slow</source>
        <extracomment>%1 the wheel perimeter with its unit (&quot;2074 mm&quot;), %2 how many per cent too slow it shows the speed (&quot;5&quot;)</extracomment>
        <translation>%1, quindi il tachimetro segna il %2 % in meno</translation>
    </message>
    <message>
        <source>%1, so the speedometer reads %2 % fast</source>
        <extracomment>%1 the wheel perimeter with its unit (&quot;2400 mm&quot;), %2 how many per cent too fast it shows the speed (&quot;16&quot;)</extracomment>
        <translation>%1, quindi il tachimetro segna il %2 % in più</translation>
    </message>
    <message>
        <source>%1 to %2: the tire %3 rolls %4 a turn</source>
        <extracomment>the perimeters that show the speed true to 3 %: %1 the least (&quot;2128 mm&quot;), %2 the largest (&quot;2258 mm&quot;), %3 the tire (&quot;57-584&quot;), %4 how far it rolls in one turn of the wheel (&quot;2193 mm&quot;)</extracomment>
        <translation>da %1 a %2: lo pneumatico %3 percorre %4 per giro</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <extracomment>one note: %1 the field&apos;s caption, %2 its value as a note says it, %3 the perimeters that read true</extracomment>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>Worth knowing, though it does not break the class:</source>
        <extracomment>above the notes of a check, after the line that says whether the class is kept</extracomment>
        <translation>Da sapere, anche se non viola la classe:</translation>
    </message>
</context>
<context>
    <name>RoadClasses</name>
    <message>
        <source>EU / UK pedelec (EN 15194)</source>
        <extracomment>the European and British class of pedal-assist bikes; keep EN 15194</extracomment>
        <translation>EPAC UE / Regno Unito (EN 15194)</translation>
    </message>
    <message>
        <source>US class 1</source>
        <extracomment>US class 1: pedal assist only, up to 20 mph</extracomment>
        <translation>USA classe 1</translation>
    </message>
    <message>
        <source>US class 2</source>
        <extracomment>US class 2: throttle allowed, up to 20 mph</extracomment>
        <translation>USA classe 2</translation>
    </message>
    <message>
        <source>US class 3</source>
        <extracomment>US class 3: pedal assist only, up to 28 mph</extracomment>
        <translation>USA classe 3</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canada</translation>
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
        <translation>Parametro</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Window</source>
        <extracomment>column heading: the value the window shows</extracomment>
        <translation>Finestra</translation>
    </message>
    <message>
        <source>Controller</source>
        <extracomment>column heading: the value the controller holds</extracomment>
        <translation>Centralina</translation>
    </message>
    <message>
        <source>Written</source>
        <extracomment>column heading: the value that was written to the controller</extracomment>
        <translation>Scritto</translation>
    </message>
    <message>
        <source>Held by the controller</source>
        <extracomment>column heading: the value the controller holds after the write</extracomment>
        <translation>Nella centralina</translation>
    </message>
    <message>
        <source>Compare with Controller</source>
        <translation>Confronta con la centralina</translation>
    </message>
    <message>
        <source>These parameters differ between the window and the controller:</source>
        <translation>Questi parametri sono diversi tra la finestra e la centralina:</translation>
    </message>
    <message>
        <source>The controller holds the window&apos;s settings.</source>
        <translation>La centralina ha le stesse impostazioni della finestra.</translation>
    </message>
    <message>
        <source>&amp;Load Controller&apos;s Values</source>
        <translation>Carica &amp;valori della centralina</translation>
    </message>
    <message>
        <source>&amp;Write Window&apos;s Values</source>
        <translation>&amp;Scrivi valori della finestra</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Ripristina backup</translation>
    </message>
    <message>
        <source>Choose a backup to load into the window. The controller does not change until you write the settings.</source>
        <translation>Scegliere un backup da caricare nella finestra. La centralina non cambia finché non si scrivono le impostazioni.</translation>
    </message>
    <message>
        <source>Taken</source>
        <extracomment>column heading: when the backup was taken</extracomment>
        <translation>Data</translation>
    </message>
    <message>
        <source>Parameters that differ from the window</source>
        <translation>Parametri diversi da quelli della finestra</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Carica</translation>
    </message>
    <message>
        <source>There are no backups yet. A backup of the controller&apos;s settings is taken before every write.</source>
        <translation>Non ci sono ancora backup. Prima di ogni scrittura viene eseguito un backup delle impostazioni della centralina.</translation>
    </message>
    <message>
        <source>Write that followed</source>
        <extracomment>column heading: how the write that followed the backup ended</extracomment>
        <translation>Scrittura successiva</translation>
    </message>
    <message>
        <source>Note</source>
        <extracomment>column heading: &quot;Taken after an interrupted write&quot;, or nothing</extracomment>
        <translation>Nota</translation>
    </message>
    <message>
        <source>A backup taken after an interrupted write may hold part of that write&apos;s values. To undo the interrupted write, load the newest backup without that note.</source>
        <translation>Un backup eseguito dopo una scrittura interrotta può contenere parte dei valori di quella scrittura. Per annullare la scrittura interrotta, caricare il backup più recente senza quella nota.</translation>
    </message>
    <message>
        <source>Values Outside the Limits</source>
        <translation>Valori fuori dai limiti</translation>
    </message>
    <message>
        <source>Write anyway?</source>
        <translation>Scrivere comunque?</translation>
    </message>
    <message>
        <source>&amp;Write Anyway</source>
        <translation>&amp;Scrivi comunque</translation>
    </message>
    <message>
        <source>Unreadable</source>
        <extracomment>in the differences column of a backup file that cannot be loaded (empty or damaged)</extracomment>
        <translation>Illeggibile</translation>
    </message>
    <message>
        <source>&amp;Compare with Controller…</source>
        <translation>&amp;Confronta con la centralina…</translation>
    </message>
    <message>
        <source>Back &amp;Up Before Write</source>
        <translation>&amp;Backup prima di scrivere</translation>
    </message>
    <message>
        <source>&amp;Verify After Write</source>
        <translation>Verifica &amp;dopo la scrittura</translation>
    </message>
    <message>
        <source>Restore &amp;Backup…</source>
        <translation>Ripristina &amp;backup…</translation>
    </message>
    <message>
        <source>%1 (no. %2)</source>
        <extracomment>when more than one backup was taken in the same second: %1 the date and time, %2 the backup&apos;s place among them (1 the first); &quot;14.03.26 09:30:01 (no. 2)&quot;</extracomment>
        <translation>%1 (n. %2)</translation>
    </message>
    <message>
        <source>Implausible Values</source>
        <extracomment>the title of the question before a write when only implausible values are listed</extracomment>
        <translation>Valori non plausibili</translation>
    </message>
</context>
<context>
    <name>SettingsJson</name>
    <message>
        <source>This is no JSON (at byte %1: %2).</source>
        <extracomment>%1 where the JSON breaks (a byte offset), %2 the parser&apos;s reason (English)</extracomment>
        <translation>Questo non è JSON (al byte %1: %2).</translation>
    </message>
    <message>
        <source>This JSON holds no settings: its &quot;format&quot; is not &quot;vexlor-settings&quot;.</source>
        <extracomment>keep &quot;format&quot; and vexlor-settings as they are: they are written so in the file</extracomment>
        <translation>Questo JSON non contiene impostazioni: il suo &quot;format&quot; non è &quot;vexlor-settings&quot;.</translation>
    </message>
    <message>
        <source>These settings are of version %1; this tool reads version %2 and older.</source>
        <extracomment>%1 the version the file names, %2 the newest this tool reads</extracomment>
        <translation>Queste impostazioni sono della versione %1; questo programma legge la versione %2 e precedenti.</translation>
    </message>
    <message>
        <source>Unknown member &quot;%1&quot;.</source>
        <extracomment>%1 the member as the file spells it; keep &quot;parameters&quot; and &quot;name&quot; as they are</extracomment>
        <translation>Membro sconosciuto &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;parameters&quot; must be a list of objects, each with a &quot;name&quot; and a &quot;value&quot;.</source>
        <extracomment>keep &quot;parameters&quot;, &quot;name&quot; and &quot;value&quot; as they are: they are written so in the file</extracomment>
        <translation>&quot;parameters&quot; deve essere un elenco di oggetti, ciascuno con &quot;name&quot; e &quot;value&quot;.</translation>
    </message>
    <message>
        <source>Unknown parameter &quot;%1&quot;.</source>
        <extracomment>%1 the parameter&apos;s name as the file spells it</extracomment>
        <translation>Parametro sconosciuto &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 is given twice.</source>
        <extracomment>%1 the parameter&apos;s name</extracomment>
        <translation>%1 è indicato due volte.</translation>
    </message>
    <message>
        <source>%1 is missing.</source>
        <extracomment>%1 the parameter&apos;s name</extracomment>
        <translation>Manca %1.</translation>
    </message>
    <message>
        <source>%1: %2 is of the wrong type; expected %3.</source>
        <extracomment>%1 the parameter&apos;s name, %2 the value as the file holds it, %3 what is expected instead</extracomment>
        <translation>%1: %2 è di un tipo errato; atteso %3.</translation>
    </message>
    <message>
        <source>a number</source>
        <extracomment>what a field&apos;s value must be: a number, in quotes or not</extracomment>
        <translation>un numero</translation>
    </message>
    <message>
        <source>true or false</source>
        <extracomment>keep true and false as they are: they are written so in the file</extracomment>
        <translation>true o false</translation>
    </message>
    <message>
        <source>0 or 1</source>
        <translation>0 o 1</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>un numero intero</translation>
    </message>
    <message>
        <source>%1: the unit %2 is not the field&apos;s unit &quot;%3&quot;.</source>
        <extracomment>%1 the parameter&apos;s name, %2 the unit the file names, %3 the field&apos;s unit</extracomment>
        <translation>%1: l&apos;unità %2 non è quella del campo, &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>%1: %2 holds characters a configuration file cannot keep.</source>
        <extracomment>%1 the parameter&apos;s name, %2 the value; a .vxc file holds 8-bit (Latin-1) text only</extracomment>
        <translation>%1: %2 contiene caratteri che un file di configurazione non può conservare.</translation>
    </message>
    <message>
        <source>%1: %2 is beyond the field&apos;s limits (allowed: %3).</source>
        <extracomment>%1 the parameter&apos;s name, %2 the value, %3 the allowed range (&quot;at most 30.0 A&quot;)</extracomment>
        <translation>%1: %2 è fuori dai limiti del campo (consentito: %3).</translation>
    </message>
    <message>
        <source>The fingerprint %1 does not belong to these values (they give %2): the file was changed after it was written. Remove the fingerprint to take the changed values.</source>
        <extracomment>%1 the fingerprint in the file, %2 the one of its values</extracomment>
        <translation>L&apos;impronta %1 non appartiene a questi valori (danno %2): il file è stato modificato dopo essere stato scritto. Togliere l&apos;impronta per prendere i valori modificati.</translation>
    </message>
</context>
<context>
    <name>SettingsSheet</name>
    <message>
        <source>Settings Sheet</source>
        <translation>Scheda impostazioni</translation>
    </message>
    <message>
        <source>Document: %1</source>
        <extracomment>%1 the configuration file&apos;s name, &quot;bike.vxc&quot;</extracomment>
        <translation>Documento: %1</translation>
    </message>
    <message>
        <source>Document: not saved to a file</source>
        <translation>Documento: non salvato in un file</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <extracomment>%1 the date in the user&apos;s language</extracomment>
        <translation>Data: %1</translation>
    </message>
    <message>
        <source>Made with: %1</source>
        <extracomment>%1 the tool&apos;s name and version, &quot;Vexlor Adjustor 1.35&quot;</extracomment>
        <translation>Creato con: %1</translation>
    </message>
    <message>
        <source>Controller software version: v%1</source>
        <extracomment>%1 the controller&apos;s software version such as 1-35, after the letter v</extracomment>
        <translation>Versione software della centralina: v%1</translation>
    </message>
    <message>
        <source>Fingerprint</source>
        <extracomment>a short mark of the whole configuration, such as 3F2A-91C0, shown above it</extracomment>
        <translation>Impronta</translation>
    </message>
    <message>
        <source>Assist levels</source>
        <extracomment>the title of a bar chart of the nine assist levels&apos; limits, in percent</extracomment>
        <translation>Livelli di assistenza</translation>
    </message>
    <message>
        <source>Road class check</source>
        <translation>Verifica della classe stradale</translation>
    </message>
    <message>
        <source>Bike shop: date and signature</source>
        <extracomment>under the line where the bike shop signs</extracomment>
        <translation>Negozio di bici: data e firma</translation>
    </message>
    <message>
        <source>Customer: date and signature</source>
        <extracomment>under the line where the customer signs</extracomment>
        <translation>Cliente: data e firma</translation>
    </message>
    <message>
        <source>Values: the window&apos;s, not saved to a file</source>
        <extracomment>in place of the document&apos;s name when the values were changed after it was opened or saved</extracomment>
        <translation>Valori: quelli della finestra, non salvati in un file</translation>
    </message>
    <message>
        <source>%1 is not a PDF file, and a settings sheet replaces no other file. Choose another name.</source>
        <extracomment>%1 the path of a file that is not a PDF, such as a configuration</extracomment>
        <translation>%1 non è un file PDF, e una scheda impostazioni non sostituisce nessun altro file. Scegliere un altro nome.</translation>
    </message>
    <message>
        <source>Units: %1</source>
        <extracomment>%1 the units speeds are shown in: &quot;Metric (km/h)&quot; or &quot;Imperial (mph)&quot;</extracomment>
        <translation>Unità: %1</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Limit max speed</source>
        <extracomment>the caption of the window&apos;s check box &quot;Limit max speed&quot; in the list of proposed values</extracomment>
        <translation>Limita velocità max</translation>
    </message>
    <message>
        <source>%1 cells × 3.15 V, rounded up: stops before the cells run too low</source>
        <extracomment>why a low voltage protection: %1 the battery&apos;s cells in series (&quot;13&quot;); keep it short</extracomment>
        <translation>%1 celle × 3,15 V, arrotondato per eccesso: interrompe prima che le celle si scarichino troppo</translation>
    </message>
    <message>
        <source>as printed on the motor</source>
        <translation>come indicato sul motore</translation>
    </message>
    <message>
        <source>the battery&apos;s nominal voltage, %1</source>
        <extracomment>%1 the battery&apos;s nominal voltage with its unit (&quot;48 V&quot;)</extracomment>
        <translation>la tensione nominale della batteria, %1</translation>
    </message>
    <message>
        <source>as printed on the motor; it does not fit the battery&apos;s %1</source>
        <extracomment>%1 the battery&apos;s nominal voltage (&quot;48 V&quot;): the motor&apos;s rated voltage differs from it</extracomment>
        <translation>come indicato sul motore; non corrisponde ai %1 della batteria</translation>
    </message>
    <message>
        <source>the BMS&apos;s continuous current</source>
        <translation>la corrente continua del BMS</translation>
    </message>
    <message>
        <source>the BMS gives %1, the field allows at most %2</source>
        <extracomment>%1 the BMS&apos;s continuous current (&quot;40.0 A&quot;), %2 the most the field allows (&quot;30.0 A&quot;)</extracomment>
        <translation>il BMS fornisce %1, il campo consente al massimo %2</translation>
    </message>
    <message>
        <source>the BMS gives %1, but never more than the max phase current, %2</source>
        <extracomment>%1 the BMS&apos;s continuous current (&quot;25.0 A&quot;), %2 the motor&apos;s max phase current (&quot;20 A&quot;)</extracomment>
        <translation>il BMS fornisce %1, ma mai più della corrente di fase max, %2</translation>
    </message>
    <message>
        <source>the limit of %1</source>
        <extracomment>%1 the road class&apos;s name</extracomment>
        <translation>il limite di %1</translation>
    </message>
    <message>
        <source>so the controller keeps to the speed limit</source>
        <translation>perché il controller rispetti il limite di velocità</translation>
    </message>
    <message>
        <source>%1 allows a throttle only while pedalling</source>
        <extracomment>%1 the road class&apos;s name</extracomment>
        <translation>%1 consente l&apos;acceleratore solo pedalando</translation>
    </message>
    <message>
        <source>%1 allows it</source>
        <extracomment>%1 the road class&apos;s name</extracomment>
        <translation>%1 lo consente</translation>
    </message>
    <message>
        <source>the tire %1 rolls %2 a turn</source>
        <extracomment>%1 the tire (&quot;57-584&quot;), %2 how far it rolls in one turn of the wheel (&quot;2193 mm&quot;)</extracomment>
        <translation>lo pneumatico %1 percorre %2 a giro</translation>
    </message>
    <message>
        <source>the levels the rider wants</source>
        <translation>i livelli che vuole il ciclista</translation>
    </message>
    <message>
        <source>level %1 of %2, rising to 100 % at the top</source>
        <extracomment>%1 the level&apos;s number, %2 how many levels are in use</extracomment>
        <translation>livello %1 di %2, crescente fino al 100 % nel più alto</translation>
    </message>
    <message>
        <source>as printed on the motor; the motor does not fit %1 (%2)</source>
        <extracomment>%1 the road class&apos;s name, %2 what it allows (&quot;at most 250 W&quot;)</extracomment>
        <translation>come indicato sul motore; il motore non rientra in %1 (%2)</translation>
    </message>
    <message>
        <source>as set; it does not fit %1 (%2)</source>
        <extracomment>the motor&apos;s power was not given and the one set does not fit: %1 the class&apos;s name, %2 &quot;at most 250 W&quot;</extracomment>
        <translation>come impostato; non rientra in %1 (%2)</translation>
    </message>
    <message>
        <source>0 counts nothing: the initial value</source>
        <translation>0 non conta nulla: il valore iniziale</translation>
    </message>
    <message>
        <source>the start voltage must stay below the full voltage: the initial value</source>
        <translation>la tensione di avvio deve restare sotto la tensione massima: il valore iniziale</translation>
    </message>
</context>
<context>
    <name>SetupWizard</name>
    <message>
        <source>not known</source>
        <extracomment>a motor value the rider has not found printed on the motor</extracomment>
        <translation>sconosciuto</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batteria</translation>
    </message>
    <message>
        <source>As printed on the battery and on its BMS.</source>
        <translation>Come indicato sulla batteria e sul suo BMS.</translation>
    </message>
    <message>
        <source>other</source>
        <extracomment>the battery&apos;s nominal voltage is none of those listed: its cells are given below</extracomment>
        <translation>altra</translation>
    </message>
    <message>
        <source>Nominal voltage:</source>
        <extracomment>the voltage the battery is sold by: 24, 36, 48 or 52 V</extracomment>
        <translation>Tensione nominale:</translation>
    </message>
    <message>
        <source>Cells in series:</source>
        <translation>Celle in serie:</translation>
    </message>
    <message>
        <source>BMS continuous current:</source>
        <extracomment>the current the battery&apos;s management system (BMS) gives without a break</extracomment>
        <translation>Corrente continua del BMS:</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motore</translation>
    </message>
    <message>
        <source>As printed on the motor. What is not known stays as it is.</source>
        <translation>Come indicato sul motore. Ciò che non è noto resta com&apos;è.</translation>
    </message>
    <message>
        <source>Wheel and road</source>
        <translation>Ruota e strada</translation>
    </message>
    <message>
        <source>The tire as printed on it, the road class the bike keeps to, and the assist levels the rider wants.</source>
        <translation>Lo pneumatico come indicato su di esso, la classe stradale che la bici rispetta e i livelli di assistenza che vuole il ciclista.</translation>
    </message>
    <message>
        <source>Proposed values</source>
        <translation>Valori proposti</translation>
    </message>
    <message>
        <source>Apply puts the ticked values into the window. Only Write sends them to the controller.</source>
        <translation>Applica inserisce i valori spuntati nella finestra. Solo Scrivi li invia al controller.</translation>
    </message>
    <message>
        <source>Setting</source>
        <extracomment>the columns of the proposed values: the field, its value now, the value proposed, why</extracomment>
        <translation>Impostazione</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Proposed</source>
        <translation>Proposto</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Perché</translation>
    </message>
    <message>
        <source>Not every part fits %1: the rows say which.</source>
        <translation>Non tutti i componenti rientrano in %1: le righe dicono quali.</translation>
    </message>
    <message>
        <source>New Bike Setup</source>
        <extracomment>the window title of File &gt; New Bike Setup…</extracomment>
        <translation>Configura nuova bici</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <extracomment>the last page&apos;s button that puts the ticked values into the window (nothing is sent)</extracomment>
        <translation>&amp;Applica</translation>
    </message>
</context>
<context>
    <name>Shop</name>
    <message>
        <source>None</source>
        <extracomment>the check dialog&apos;s choice of no road class</extracomment>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Check Road Class</source>
        <translation>Verifica classe stradale</translation>
    </message>
    <message>
        <source>&amp;Road class:</source>
        <translation>&amp;Classe stradale:</translation>
    </message>
    <message>
        <source>&amp;Tire:</source>
        <translation>&amp;Pneumatico:</translation>
    </message>
    <message>
        <source>Road Class Not Kept</source>
        <translation>Classe stradale non rispettata</translation>
    </message>
    <message>
        <source>Fingerprint %1</source>
        <extracomment>in the status strip: %1 the fingerprint of the controller&apos;s settings, such as 3F2A-91C0</extracomment>
        <translation>Impronta %1</translation>
    </message>
    <message>
        <source>Fingerprint of the window&apos;s settings: %1
Fingerprint of the controller&apos;s settings: %2</source>
        <extracomment>in the comparison: %1 the fingerprint of the window&apos;s settings, %2 the controller&apos;s</extracomment>
        <translation>Impronta delle impostazioni della finestra: %1
Impronta delle impostazioni della centralina: %2</translation>
    </message>
    <message>
        <source>Export Settings Sheet</source>
        <translation>Esporta scheda impostazioni</translation>
    </message>
    <message>
        <source>PDF Documents (*.pdf)</source>
        <extracomment>the file dialog&apos;s filter; keep &quot;(*.pdf)&quot; as it is</extracomment>
        <translation>Documenti PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Roa&amp;d Class</source>
        <extracomment>Connect &gt; Road Class: the submenu of legal classes writes are checked against</extracomment>
        <translation>Classe s&amp;tradale</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <extracomment>Connect &gt; Road Class &gt; None: writes are checked against no class</extracomment>
        <translation>&amp;Nessuna</translation>
    </message>
    <message>
        <source>C&amp;heck Road Class…</source>
        <translation>Veri&amp;fica classe stradale…</translation>
    </message>
    <message>
        <source>Ex&amp;port Settings Sheet…</source>
        <translation>Es&amp;porta scheda impostazioni…</translation>
    </message>
    <message>
        <source>Fingerprint</source>
        <extracomment>the status strip&apos;s fingerprint label as a screen reader names it</extracomment>
        <translation>Impronta</translation>
    </message>
    <message>
        <source>The tire&apos;s ETRTO size, width and bead seat diameter in millimetres (57-584), a common size such as 26x2.1, or the size printed on it in inches or French, such as 29x2.6 or 700x38c. Without a tire the wheel perimeter is not checked.</source>
        <extracomment>under the tire field; keep 57-584, 26x2.1, 29x2.6 and 700x38c as they are</extracomment>
        <translation>La misura ETRTO dello pneumatico, larghezza e diametro di calettamento in millimetri (57-584), una misura comune come 26x2.1 o la misura stampata in pollici o francese, come 29x2.6 o 700x38c. Senza pneumatico la circonferenza della ruota non viene verificata.</translation>
    </message>
    <message>
        <source>Settings sheet saved to %1</source>
        <extracomment>in the status strip once the sheet is written: %1 the sheet&apos;s full path</extracomment>
        <translation>Scheda impostazioni salvata in %1</translation>
    </message>
    <message>
        <source>No PDF viewer could be started; settings sheet saved to %1</source>
        <extracomment>in the status strip when the sheet is written but no program opens PDF files: %1 its full path</extracomment>
        <translation>Non è stato possibile avviare un visualizzatore PDF; scheda impostazioni salvata in %1</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Pedal-assist e-bike drive configuration</source>
        <translation>Configurazione del motore per e-bike a pedalata assistita</translation>
    </message>
</context>
<context>
    <name>Transactions</name>
    <message>
        <source>Busy</source>
        <extracomment>status strip, 34 pixels wide: frames are being exchanged with the controller</extracomment>
        <translation>Attivo</translation>
    </message>
    <message>
        <source>Idle</source>
        <extracomment>status strip, 34 pixels wide: nothing is being exchanged</extracomment>
        <translation>Inatt.</translation>
    </message>
    <message>
        <source>Pass</source>
        <extracomment>status strip, 38 pixels wide: the last read or write succeeded</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Fail</source>
        <extracomment>status strip, 38 pixels wide: the last read or write failed</extracomment>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Communication with controller failed!</source>
        <translation>Comunicazione con la centralina non riuscita!</translation>
    </message>
    <message>
        <source>Communication with controller interrupted!</source>
        <translation>Comunicazione con la centralina interrotta!</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>This error may be caused by controller MCU flash write protection. Please re-program .hex file to the controller with the write option bytes. Read Page 7 of %1</source>
        <extracomment>%1 the programming guide&apos;s file name, ST-LINK_Installation_EN.pdf</extracomment>
        <translation>Questo errore può essere causato dalla protezione in scrittura della memoria flash del microcontrollore della centralina. Riprogrammare il file .hex nella centralina scrivendo anche gli option byte. Leggere pagina 7 di %1</translation>
    </message>
    <message>
        <source>Configuration of the controller was read successfully.</source>
        <translation>Configurazione della centralina letta correttamente.</translation>
    </message>
    <message>
        <source>Read controller result</source>
        <translation>Esito lettura centralina</translation>
    </message>
    <message>
        <source>Configuration of the controller was written successfully.</source>
        <translation>Configurazione scritta correttamente nella centralina.</translation>
    </message>
    <message>
        <source>Write controller result</source>
        <translation>Esito scrittura centralina</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>Metric (km/h)</source>
        <extracomment>the Units menu item, and the units a settings sheet names: kilometres per hour</extracomment>
        <translation>Metrico (km/h)</translation>
    </message>
    <message>
        <source>Imperial (mph)</source>
        <extracomment>the Units menu item, and the units a settings sheet names: miles per hour</extracomment>
        <translation>Imperiale (mph)</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <extracomment>%1 the text that should have been a number such as 14.5</extracomment>
        <translation>«%1» non è un numero decimale valido</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <extracomment>%1 the text that should have been a whole number</extracomment>
        <translation>«%1» non è un numero intero valido</translation>
    </message>
    <message>
        <source>No item is selected for %1: select one of its %2 items.</source>
        <extracomment>%1 a radio group&apos;s title, %2 how many items it has</extracomment>
        <translation>Nessuna opzione selezionata per %1: selezionare una delle sue %2 opzioni.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is out of range for %2: the controller accepts 0 to less than %3.</source>
        <extracomment>%1 the text typed, %2 the field&apos;s caption, %3 the first value too large</extracomment>
        <translation>«%1» è fuori intervallo per %2: la centralina accetta valori da 0 a meno di %3.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is out of range for %2: the controller accepts 0 to %3.</source>
        <extracomment>%1 the text typed, %2 the field&apos;s caption, %3 the largest value accepted</extracomment>
        <translation>«%1» è fuori intervallo per %2: la centralina accetta valori da 0 a %3.</translation>
    </message>
</context>
<context>
    <name>WriteSafety</name>
    <message>
        <source>The controller&apos;s settings could not be kept as a backup, so nothing was written.

%1</source>
        <extracomment>%1 the file&apos;s error, such as &quot;Cannot create file ...&quot;</extracomment>
        <translation>Non è stato possibile salvare un backup delle impostazioni della centralina, quindi non è stato scritto nulla.

%1</translation>
    </message>
    <message>
        <source>The configuration was written and stored, but reading it back to check it failed:
%1</source>
        <extracomment>%1 the read&apos;s own message, such as &quot;Communication with controller failed!&quot;</extracomment>
        <translation>La configurazione è stata scritta e memorizzata, ma la rilettura di verifica non è riuscita:
%1</translation>
    </message>
    <message>
        <source>The configuration was written and stored, but the controller holds other values than were written:</source>
        <translation>La configurazione è stata scritta e memorizzata, ma la centralina contiene valori diversi da quelli scritti:</translation>
    </message>
    <message>
        <source>%1: written %2, holds %3</source>
        <extracomment>%1 the field&apos;s caption, %2 the value written, %3 the value the controller holds</extracomment>
        <translation>%1: scritto %2, nella centralina %3</translation>
    </message>
    <message>
        <source>Written, stored and checked</source>
        <translation>Scritta, memorizzata e verificata</translation>
    </message>
    <message>
        <source>Written and stored, not checked</source>
        <translation>Scritta e memorizzata, non verificata</translation>
    </message>
    <message>
        <source>Written and stored; the controller holds other values</source>
        <translation>Scritta e memorizzata; la centralina contiene altri valori</translation>
    </message>
    <message>
        <source>Written and stored; reading it back failed</source>
        <translation>Scritta e memorizzata; rilettura non riuscita</translation>
    </message>
    <message>
        <source>Interrupted at frame %1 of %2</source>
        <extracomment>%1 the frame that went unanswered (0 to 59), %2 the frames of a write (60)</extracomment>
        <translation>Interrotta alla trama %1 di %2</translation>
    </message>
    <message>
        <source>Sent, but the store failed</source>
        <translation>Inviata, ma la memorizzazione non è riuscita</translation>
    </message>
    <message>
        <source>Never ended (the program stopped)</source>
        <extracomment>the program stopped (closed, killed, crashed) before the write ended</extracomment>
        <translation>Mai conclusa (il programma si è fermato)</translation>
    </message>
    <message>
        <source>Not recorded</source>
        <extracomment>the backup was taken by an older version, which kept no record of the write</extracomment>
        <translation>Non registrato</translation>
    </message>
    <message>
        <source>Taken after an interrupted write</source>
        <translation>Eseguito dopo una scrittura interrotta</translation>
    </message>
    <message>
        <source>%1
The controller&apos;s settings could not be read for a backup, so nothing was written and no backup was kept.</source>
        <extracomment>%1 the read&apos;s own message, such as &quot;Communication with controller interrupted!&quot;</extracomment>
        <translation>%1
Non è stato possibile leggere le impostazioni della centralina per il backup, quindi non è stato scritto nulla e non è stato conservato alcun backup.</translation>
    </message>
</context>
<context>
    <name>vexlor::ConnectionDoctorDialog</name>
    <message>
        <source>Passed</source>
        <translation>Superato</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Non superato</translation>
    </message>
    <message>
        <source>Not applicable</source>
        <translation>Non applicabile</translation>
    </message>
    <message>
        <source>Connection Doctor</source>
        <translation>Diagnosi della connessione</translation>
    </message>
    <message>
        <source>Why the programming cable does or does not work, and what fixes it:</source>
        <translation>Perché il cavo di programmazione funziona o no, e cosa lo risolve:</translation>
    </message>
    <message>
        <source>&amp;Run Again</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>&amp;Copy Report</source>
        <translation>&amp;Copia rapporto</translation>
    </message>
    <message>
        <source>Fix: %1</source>
        <extracomment>before the fix of a check that failed or warns; %1 the fix, often a command</extracomment>
        <translation>Rimedio: %1</translation>
    </message>
    <message>
        <source>Asking the controller…</source>
        <translation>Interrogazione della centralina…</translation>
    </message>
</context>
<context>
    <name>vexlor::HistoryDialog</name>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operazione</translation>
    </message>
    <message>
        <source>Bike</source>
        <translation>Bici</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Prima</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Dopo</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Esito</translation>
    </message>
    <message>
        <source>Road class</source>
        <translation>Classe stradale</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Documento</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Centralina</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Cavo</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utente</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>History</source>
        <extracomment>the title of Connect &gt; History...: the register of every operation</extracomment>
        <translation>Cronologia</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Dal:</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Dal</translation>
    </message>
    <message>
        <source>&amp;Bike:</source>
        <translation>&amp;Bici:</translation>
    </message>
    <message>
        <source>F&amp;ingerprint:</source>
        <translation>&amp;Impronta:</translation>
    </message>
    <message>
        <source>Open &amp;Document</source>
        <translation>Apri d&amp;ocumento</translation>
    </message>
    <message>
        <source>Open B&amp;ackup</source>
        <translation>Apri b&amp;ackup</translation>
    </message>
    <message>
        <source>&amp;Settings Sheet…</source>
        <translation>&amp;Scheda impostazioni…</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>&amp;Esporta CSV…</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <extracomment>the file dialog&apos;s filter for the CSV export of the history</extracomment>
        <translation>Esporta CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>Read</source>
        <comment>History: an operation</comment>
        <translation>Lettura</translation>
    </message>
    <message>
        <source>Write</source>
        <comment>History: an operation</comment>
        <translation>Scrittura</translation>
    </message>
    <message>
        <source>Compare</source>
        <comment>History: an operation</comment>
        <translation>Confronto</translation>
    </message>
    <message>
        <source>Backup written back</source>
        <comment>History: an operation</comment>
        <translation>Backup riscritto</translation>
    </message>
    <message>
        <source>Settings sheet</source>
        <comment>History: an operation</comment>
        <translation>Scheda impostazioni</translation>
    </message>
    <message>
        <source>Done</source>
        <comment>History: how an operation ended</comment>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Failed</source>
        <comment>History: how an operation ended</comment>
        <translation>Non riuscito</translation>
    </message>
    <message>
        <source>Values differ</source>
        <comment>History: how a comparison ended</comment>
        <translation>Valori diversi</translation>
    </message>
    <message>
        <source>Keeps the class</source>
        <comment>History: the road class check</comment>
        <translation>Rispetta la classe</translation>
    </message>
    <message>
        <source>Breaks the class</source>
        <comment>History: the road class check</comment>
        <translation>Viola la classe</translation>
    </message>
</context>
</TS>
