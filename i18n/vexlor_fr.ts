<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>Cli</name>
    <message>
        <source>Usage: vexlor-cli %1</source>
        <extracomment>%1 the command&apos;s synopsis such as &quot;encode FILE&quot;; keep vexlor-cli as it is</extracomment>
        <translation>Utilisation&#x202f;: vexlor-cli %1</translation>
    </message>
    <message>
        <source>Cannot write to the standard output.</source>
        <translation>Impossible d&apos;écrire sur la sortie standard.</translation>
    </message>
    <message>
        <source>%1 lacks the Hall sensor type (a fault of an old version). Open it in the window, answer its question and save it, then try again.</source>
        <extracomment>%1 the file&apos;s path</extracomment>
        <translation>Le type de capteurs Hall manque dans %1 (un défaut d&apos;une ancienne version). Ouvrez ce fichier dans la fenêtre du programme, répondez à la question posée et enregistrez-le, puis réessayez.</translation>
    </message>
    <message>
        <source>Backup: %1</source>
        <extracomment>%1 the backup file&apos;s path</extracomment>
        <translation>Sauvegarde&#x202f;: %1</translation>
    </message>
    <message>
        <source>Read back: the controller holds every value written.</source>
        <translation>Relecture&#x202f;: le contrôleur contient bien toutes les valeurs écrites.</translation>
    </message>
    <message>
        <source>apply FILE over the initial state and print the sixty values a write would send</source>
        <extracomment>FILE is the argument named in the synopsis &quot;encode FILE&quot;: keep it as it is</extracomment>
        <translation>applique FILE à l&apos;état initial et affiche les soixante valeurs qu&apos;une écriture enverrait</translation>
    </message>
    <message>
        <source>list the serial ports, marking the one the tool would use</source>
        <translation>liste les ports série et signale celui que l&apos;outil utiliserait</translation>
    </message>
    <message>
        <source>test the connection and print the controller&apos;s software version</source>
        <translation>teste la connexion et affiche la version logicielle du contrôleur</translation>
    </message>
    <message>
        <source>read the controller&apos;s configuration into FILE (or stdout) as a .vxc file</source>
        <extracomment>FILE as in the synopsis &quot;read [FILE]&quot;; stdout stays as it is</extracomment>
        <translation>lit la configuration du contrôleur et l&apos;enregistre dans FILE (ou sur stdout) sous forme de fichier .vxc</translation>
    </message>
    <message>
        <source>apply FILE over the initial state, read the controller and print each parameter it holds otherwise: KEY, CAPTION, FILE VALUE, CONTROLLER VALUE, tab-separated</source>
        <extracomment>FILE as in the synopsis; KEY, CAPTION, FILE VALUE, CONTROLLER VALUE name the columns printed</extracomment>
        <translation>applique FILE à l&apos;état initial, lit le contrôleur et affiche chaque paramètre dont la valeur y est différente&#x202f;: KEY, CAPTION, FILE VALUE, CONTROLLER VALUE, séparés par des tabulations</translation>
    </message>
    <message>
        <source>Cannot open %1: permission denied.
%2</source>
        <extracomment>%1 the serial device&apos;s path; %2 the lines that say how to get access</extracomment>
        <translation>Impossible d&apos;ouvrir %1&#x202f;: accès refusé.
%2</translation>
    </message>
    <message>
        <source>Cannot open %1: another program is using it.</source>
        <extracomment>%1 the serial device&apos;s path</extracomment>
        <translation>Impossible d&apos;ouvrir %1&#x202f;: un autre programme l&apos;utilise.</translation>
    </message>
    <message>
        <source>Cannot open %1: no such device.</source>
        <extracomment>%1 the serial device&apos;s path</extracomment>
        <translation>Impossible d&apos;ouvrir %1&#x202f;: périphérique introuvable.</translation>
    </message>
    <message>
        <source>Cannot open %1.</source>
        <extracomment>%1 the serial device&apos;s path</extracomment>
        <translation>Impossible d&apos;ouvrir %1.</translation>
    </message>
    <message>
        <source>See %1</source>
        <extracomment>%1 the path of the programming guide, ST-LINK_Installation_EN.pdf</extracomment>
        <translation>Voir %1</translation>
    </message>
    <message>
        <source>No programming cable found (no serial port of its USB bridge). Name the device with --port or VEXLOR_PORT.</source>
        <extracomment>keep --port and VEXLOR_PORT as they are</extracomment>
        <translation>Aucun câble de programmation trouvé (aucun port série de son adaptateur USB). Indiquez le périphérique avec --port ou VEXLOR_PORT.</translation>
    </message>
    <message>
        <source>No serial device at %1.</source>
        <extracomment>%1 the device path given with --port or VEXLOR_PORT</extracomment>
        <translation>Aucun périphérique série sur %1.</translation>
    </message>
    <message>
        <source>(named by --port or VEXLOR_PORT)</source>
        <translation>(indiqué par --port ou VEXLOR_PORT)</translation>
    </message>
    <message>
        <source>No programming cable found.</source>
        <translation>Aucun câble de programmation trouvé.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Commandes&#x202f;:</translation>
    </message>
    <message>
        <source>Backups go to %1 unless --backup-dir names another folder; the newest %2 are kept.</source>
        <extracomment>%1 the backup folder, %2 how many backups are kept; keep --backup-dir as it is</extracomment>
        <translation>Les sauvegardes sont rangées dans %1, sauf si --backup-dir indique un autre dossier&#x202f;; les %2 plus récentes sont conservées.</translation>
    </message>
    <message>
        <source>Reads, writes and checks the settings of a Vexlor FOC motor controller.</source>
        <translation>Lit, écrit et vérifie les réglages d&apos;un contrôleur moteur FOC Vexlor.</translation>
    </message>
    <message>
        <source>Use the serial DEVICE instead of looking for the cable.</source>
        <extracomment>DEVICE as in &quot;--port &lt;DEVICE&gt;&quot;: keep it as it is</extracomment>
        <translation>Utilise le périphérique série DEVICE au lieu de rechercher le câble.</translation>
    </message>
    <message>
        <source>Treat &quot;Limit max speed&quot; as cleared: the speed limit is sent as 9000.</source>
        <extracomment>&quot;Limit max speed&quot; is the window&apos;s check box of that name</extracomment>
        <translation>Considère «&#x202f;Limiter la vitesse max.&#x202f;» comme décoché&#x202f;: la limite de vitesse est envoyée avec la valeur 9000.</translation>
    </message>
    <message>
        <source>The command to run (see below).</source>
        <translation>La commande à exécuter (voir ci-dessous).</translation>
    </message>
    <message>
        <source>Unknown command &apos;%1&apos;. Run vexlor-cli --help for the list.</source>
        <extracomment>%1 the word given as a command; keep &quot;vexlor-cli --help&quot; as it is</extracomment>
        <translation>Commande inconnue «&#x202f;%1&#x202f;». Lancez vexlor-cli --help pour en voir la liste.</translation>
    </message>
    <message>
        <source>Nothing was written. Give --force to write them all the same.</source>
        <extracomment>keep --force as it is</extracomment>
        <translation>Rien n&apos;a été écrit. Ajoutez --force pour les écrire quand même.</translation>
    </message>
    <message>
        <source>list the backups taken before writes, newest first: PATH, how the WRITE that followed ended, and a NOTE on one taken after an interrupted write, tab-separated</source>
        <extracomment>PATH, WRITE, NOTE name the columns printed</extracomment>
        <translation>liste les sauvegardes faites avant les écritures, la plus récente en premier&#x202f;: chemin, issue de l&apos;écriture qui a suivi, et une remarque pour celle faite après une écriture interrompue, séparés par des tabulations</translation>
    </message>
    <message>
        <source>print the parameters that two .vxc files set differently, as the controller would receive them (exit 1 when some do)</source>
        <translation>affiche les paramètres que deux fichiers .vxc règlent différemment, tels que le contrôleur les recevrait (code de sortie 1 s&apos;il y en a)</translation>
    </message>
    <message>
        <source>Exit codes: 0 done, 1 controller or link failure, 2 bad input or usage.
diff exits as diff(1) does: 0 no difference, 1 some differ, 2 bad input or usage.
compare exits 0 when the controller holds the file&apos;s values, 3 when some differ, 1 on a controller or link failure, 2 on bad input or usage.
write exits 1 also when the read-back finds other values than were written (they are printed as compare prints them), and 2 when the backup cannot be kept or, without --force, values are outside the window&apos;s limits (nothing is written).</source>
        <extracomment>diff(1) is the Unix command diff; keep command names (diff, compare, write) and --force as they are</extracomment>
        <translation>Codes de sortie&#x202f;: 0 terminé, 1 erreur du contrôleur ou de la liaison, 2 entrée ou utilisation incorrecte.
diff se termine comme diff(1)&#x202f;: 0 aucune différence, 1 des valeurs diffèrent, 2 entrée ou utilisation incorrecte.
compare renvoie 0 si le contrôleur contient les valeurs du fichier, 3 si certaines diffèrent, 1 en cas d&apos;erreur du contrôleur ou de la liaison, 2 en cas d&apos;entrée ou d&apos;utilisation incorrecte.
write renvoie aussi 1 si la relecture trouve d&apos;autres valeurs que celles écrites (elles sont affichées comme le fait compare), et 2 si la sauvegarde n&apos;a pas pu être faite ou, sans --force, si des valeurs sont hors des limites de la fenêtre (rien n&apos;est alors écrit).</translation>
    </message>
    <message>
        <source>check the cable, its driver, access, other programs on the port, ModemManager, brltty, the latency timer, a sandbox and the controller: one line each, STATUS CHECK DETAIL [FIX], tab-separated (exit 1 when a check fails); --json prints them as JSON</source>
        <extracomment>keep the check names as they are; STATUS, CHECK, DETAIL and FIX name the fields printed</extracomment>
        <translation>vérifie le câble, son pilote, l&apos;accès, les autres programmes sur le port, ModemManager, brltty, le délai de latence, un bac à sable et le contrôleur&#x202f;: une ligne chacun, STATUS CHECK DETAIL [FIX], séparés par des tabulations (code de sortie 1 si une vérification échoue)&#x202f;; --json les affiche en JSON</translation>
    </message>
    <message>
        <source>list the road classes: ID, NAME, the speed and rated power they allow and whether a throttle may work without pedalling, tab-separated</source>
        <extracomment>ID, NAME name the columns printed</extracomment>
        <translation>lister les classes routières&#x202f;: ID, NAME, la vitesse et la puissance nominale permises et si un accélérateur peut agir sans pédaler, séparés par des tabulations</translation>
    </message>
    <message>
        <source>print the fingerprint of the sixty values a write of FILE sends, or without FILE read the controller and print the fingerprint of what it holds</source>
        <extracomment>FILE as in the synopsis</extracomment>
        <translation>afficher l&apos;empreinte des soixante valeurs qu&apos;envoie une écriture de FILE, ou sans FILE lire le contrôleur et afficher l&apos;empreinte de ce qu&apos;il contient</translation>
    </message>
    <message>
        <source>apply FILE over the initial state and write its settings sheet, a one-page PDF with every parameter, the fingerprint, the road class check and lines to sign, to OUT.pdf</source>
        <extracomment>FILE, OUT.pdf, ID, ETRTO as in the synopsis</extracomment>
        <translation>appliquer FILE sur l&apos;état initial et écrire sa fiche de réglages, un PDF d&apos;une page avec chaque paramètre, l&apos;empreinte, la vérification de la classe routière et des lignes à signer, dans OUT.pdf</translation>
    </message>
    <message>
        <source>check exits 0 when the file keeps to the road class, 3 when some value breaks it, 2 on bad input or usage.</source>
        <translation>check se termine par 0 si le fichier respecte la classe routière, par 3 si une valeur l&apos;enfreint, par 2 en cas d&apos;entrée ou d&apos;usage incorrect.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no road class. vexlor-cli classes lists them.</source>
        <extracomment>%1 what was given after --class; keep &quot;vexlor-cli classes&quot; as it is</extracomment>
        <translation>«&#x202f;%1&#x202f;» n&apos;est pas une classe routière. vexlor-cli classes les liste.</translation>
    </message>
    <message>
        <source>The settings sheet would replace %1, the file it is made of. Name another file with -o.</source>
        <extracomment>%1 the configuration file&apos;s path; keep -o as it is</extracomment>
        <translation>La fiche de réglages remplacerait %1, le fichier dont elle est tirée. Indiquez un autre fichier avec -o.</translation>
    </message>
    <message>
        <source>%1 may be given only once.</source>
        <extracomment>%1 the option given more than once, &quot;--class&quot;</extracomment>
        <translation>%1 ne peut être donné qu&apos;une fois.</translation>
    </message>
    <message>
        <source>apply FILE over the initial state and print each value that looks implausible, and with --class each that breaks the road class ID or is worth a note: STATUS (breaks, warn or note), RULE, CAPTION, VALUE, LIMIT, tab-separated; with the real tire as ETRTO (57-584), a common size (26x2.1) or as printed (29x2.6, 700x38c) the wheel perimeter too (exit 3 when some break the class, with --strict also when some look implausible)</source>
        <extracomment>FILE, ID, ETRTO as in the synopsis; STATUS, RULE, CAPTION, VALUE, LIMIT name the columns printed; keep breaks, warn and note, the words STATUS shows, and --strict</extracomment>
        <translation>appliquer FILE sur l&apos;état initial et afficher chaque valeur qui semble invraisemblable et, avec --class, chaque valeur qui enfreint la classe routière ID ou mérite une remarque&#x202f;: STATUS (breaks, warn ou note), RULE, CAPTION, VALUE, LIMIT, séparés par des tabulations&#x202f;; avec le pneu réel en ETRTO (57-584), en taille courante (26x2.1) ou telle qu&apos;imprimée (29x2.6, 700x38c), la circonférence de roue aussi (code 3 si des valeurs enfreignent la classe, avec --strict aussi si certaines semblent invraisemblables)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; names no units: give --units metric or --units imperial.</source>
        <extracomment>%1 what was given after --units; keep --units, metric and imperial as they are</extracomment>
        <translation>« %1 » ne désigne aucune unité : indiquez --units metric ou --units imperial.</translation>
    </message>
    <message>
        <source>Print speeds in UNITS, metric (km/h, the default) or imperial (mph), before or after the command; files and the controller keep km/h.</source>
        <extracomment>UNITS as in &quot;--units &lt;UNITS&gt;&quot;; keep UNITS, metric and imperial as they are</extracomment>
        <translation>Afficher les vitesses en UNITS, metric (km/h, par défaut) ou imperial (mph), avant ou après la commande ; les fichiers et le contrôleur restent en km/h.</translation>
    </message>
    <message>
        <source>apply FILE over the initial state and print its settings as JSON: each parameter by name with its value and unit, and the fingerprint (docs/settings-json.md)</source>
        <extracomment>FILE as in the synopsis; keep JSON as it is</extracomment>
        <translation>appliquer FILE sur l&apos;état initial et afficher ses réglages en JSON : chaque paramètre par son nom avec sa valeur et son unité, et l&apos;empreinte (docs/settings-json.md)</translation>
    </message>
    <message>
        <source>turn the settings JSON (- for stdin) into the .vxc file FILE or the profile NAME; refuses unknown names, wrong types and, without --force, values outside the window&apos;s limits, and never writes over a file that is no configuration</source>
        <extracomment>JSON, FILE, NAME, TEXT as in the synopsis; keep --force as it is</extracomment>
        <translation>convertir le JSON de réglages (- pour l&apos;entrée standard) en fichier .vxc FILE ou en profil NAME ; refuse les noms inconnus, les types erronés et, sans --force, les valeurs hors des limites de la fenêtre, et n&apos;écrase jamais un fichier qui n&apos;est pas une configuration</translation>
    </message>
    <message>
        <source>list the profiles, the configurations kept under a name: NAME and NOTE, tab-separated; every command taking FILE takes --profile NAME instead</source>
        <extracomment>NAME, NOTE name the columns printed; keep --profile as it is</extracomment>
        <translation>lister les profils, les configurations gardées sous un nom : NAME et NOTE, séparés par des tabulations ; toute commande qui prend FILE prend aussi --profile NAME à la place</translation>
    </message>
    <message>
        <source>%1 is no configuration file: it is left as it is.</source>
        <extracomment>%1 the path given after -o</extracomment>
        <translation>%1 n&apos;est pas un fichier de configuration : il reste tel quel.</translation>
    </message>
    <message>
        <source>print the register of operations, newest first, one tab-separated line each under a line naming the columns: only bike labels holding LABEL, only from DATE (YYYY-MM-DD, UTC) on; as CSV or JSON</source>
        <extracomment>LABEL, DATE as in the synopsis; keep the option names as they are</extracomment>
        <translation>afficher le registre des opérations, la plus récente d&apos;abord, une ligne séparée par des tabulations chacune sous une ligne nommant les colonnes : seulement les étiquettes de vélo contenant LABEL, seulement à partir de DATE (AAAA-MM-JJ, UTC) ; en CSV ou JSON</translation>
    </message>
    <message>
        <source>--since wants a date as YYYY-MM-DD, not %1.</source>
        <extracomment>%1 the date given; keep --since and YYYY-MM-DD as they are</extracomment>
        <translation>--since attend une date au format YYYY-MM-DD, pas %1.</translation>
    </message>
    <message>
        <source>Record the operation for the bike LABEL (a frame number, a customer); history shows only its records.</source>
        <extracomment>LABEL as in &quot;--bike &lt;LABEL&gt;&quot;: keep it as it is</extracomment>
        <translation>Enregistrer l&apos;opération pour le vélo LABEL (un numéro de cadre, un client) ; history n&apos;affiche que ses enregistrements.</translation>
    </message>
    <message>
        <source>Parameters that differ: %1</source>
        <extracomment>the register&apos;s message of a comparison; %1 how many parameters the controller holds otherwise</extracomment>
        <translation>Paramètres différents : %1</translation>
    </message>
    <message>
        <source>print what the parameter NAME (MaxBatteryCurrent) does, its unit, the range the window allows and its initial value; without NAME every parameter, one block each</source>
        <extracomment>NAME as in the synopsis: a parameter&apos;s name, MaxBatteryCurrent; keep it as it is</extracomment>
        <translation>affiche ce que fait le paramètre NAME (MaxBatteryCurrent), son unité, la plage que la fenêtre admet et sa valeur initiale ; sans NAME tous les paramètres, un bloc chacun</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no parameter. vexlor-cli explain lists them all.</source>
        <extracomment>%1 what was given as NAME; keep &quot;vexlor-cli explain&quot; as it is</extracomment>
        <translation>« %1 » n&apos;est pas un paramètre. vexlor-cli explain les liste tous.</translation>
    </message>
    <message>
        <source>propose values for a bike&apos;s battery (nominal V or cells as 13s), BMS current, tire, road class ID, motor and assist levels over FILE (or the initial state), write them to OUT.vxc and print CAPTION, NOW, PROPOSED, WHY, tab-separated</source>
        <extracomment>V, A, SIZE, ID, W, N, FILE, OUT.vxc as in the synopsis; 13s, CAPTION, NOW, PROPOSED, WHY name what is given and the columns printed</extracomment>
        <translation>proposer des valeurs pour la batterie (V nominale ou cellules comme 13s), le courant du BMS, le pneu, la classe routière ID, le moteur et les niveaux d&apos;assistance d&apos;un vélo sur FILE (ou l&apos;état initial), les écrire dans OUT.vxc et afficher CAPTION, NOW, PROPOSED, WHY, séparés par des tabulations</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3, not &apos;%4&apos;.</source>
        <extracomment>%1 the option (&quot;--bms&quot;), %2 and %3 its least and largest value, %4 what was given</extracomment>
        <translation>%1 attend un nombre de %2 à %3, pas «&#x202f;%4&#x202f;».</translation>
    </message>
    <message>
        <source>The proposal would replace %1, the file it starts from. Name another file with -o.</source>
        <extracomment>%1 the configuration file&apos;s path; keep -o as it is</extracomment>
        <translation>La proposition remplacerait %1, le fichier dont elle part. Indiquez un autre fichier avec -o.</translation>
    </message>
    <message>
        <source>%1 is no configuration file, so the proposal does not replace it. Name another file with -o.</source>
        <extracomment>%1 the path given with -o; keep -o as it is</extracomment>
        <translation>%1 n&apos;est pas un fichier de configuration, la proposition ne le remplace donc pas. Indiquez un autre fichier avec -o.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no battery: give its nominal voltage (24, 36, 48 or 52) or its cells in series (13s).</source>
        <extracomment>%1 what was given after --battery; keep 13s as it is</extracomment>
        <translation>«&#x202f;%1&#x202f;» n&apos;est pas une batterie&#x202f;: indiquez sa tension nominale (24, 36, 48 ou 52) ou ses cellules en série (13s).</translation>
    </message>
    <message>
        <source>Keep the records in the shop&apos;s register on the server URL, postgresql://USER@HOST[:PORT]/DB, instead of the one config.ini names; records wait on this computer while the server cannot be reached.</source>
        <extracomment>URL as in &quot;--register &lt;URL&gt;&quot;; keep URL, config.ini and postgresql://USER@HOST[:PORT]/DB as they are</extracomment>
        <translation>Tenir les enregistrements dans le registre de l&apos;atelier sur le serveur URL, postgresql://USER@HOST[:PORT]/DB, au lieu de celui que nomme config.ini ; ils attendent sur cet ordinateur tant que le serveur est injoignable.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <extracomment>%1 the file given with --bike-from, %2 why it cannot be read</extracomment>
        <translation>Impossible de lire %1&#x202f;: %2</translation>
    </message>
    <message>
        <source>%1 holds no bike label.</source>
        <extracomment>%1 the file given with --bike-from</extracomment>
        <translation>%1 ne contient aucune étiquette de vélo.</translation>
    </message>
    <message>
        <source>apply FILE over the initial state, keep the controller&apos;s settings as a backup (path on stderr), write FILE&apos;s and store them, read them back to check; values outside the window&apos;s limits are written only with --force; with --each the production line: every controller that comes is written and recorded, labelled from FILE.csv or numbered after --bike, one line each, until Ctrl+C</source>
        <extracomment>FILE, FILE.csv as in the synopsis; stderr, --force, --each and --bike stay as they are</extracomment>
        <translation>applique FILE à l&apos;état initial, sauvegarde les réglages du contrôleur (chemin affiché sur stderr), écrit ceux de FILE et les mémorise, puis les relit pour vérifier&#x202f;; des valeurs hors des limites de la fenêtre ne sont écrites qu&apos;avec --force ; avec --each, la ligne de production : chaque contrôleur qui arrive est écrit et enregistré, étiqueté d&apos;après FILE.csv ou numéroté après --bike, une ligne par vélo, jusqu&apos;à Ctrl+C</translation>
    </message>
    <message>
        <source>write --each exits 0 when no bike failed (also when none came), 1 when some failed.</source>
        <translation>write --each se termine par 0 si aucun vélo n&apos;a échoué (même si aucun n&apos;est venu), par 1 si l&apos;un a échoué.</translation>
    </message>
    <message>
        <source>Bike %1: connect its controller (Ctrl+C ends the line).</source>
        <extracomment>%1 the bike&apos;s label; Ctrl+C as keyboards in the language name the keys</extracomment>
        <translation>Vélo %1&#x202f;: branchez son contrôleur (Ctrl+C arrête la ligne).</translation>
    </message>
    <message>
        <source>Every label of the list has its bike: the line ends.</source>
        <translation>Chaque étiquette de la liste a son vélo&#x202f;: la ligne s&apos;arrête.</translation>
    </message>
    <message>
        <source>Bike %1: disconnect its controller.</source>
        <extracomment>%1 the bike&apos;s label</extracomment>
        <translation>Vélo %1&#x202f;: débranchez son contrôleur.</translation>
    </message>
    <message>
        <source>The line ends once this bike&apos;s write is over.</source>
        <translation>La ligne s&apos;arrêtera dès que l&apos;écriture de ce vélo sera terminée.</translation>
    </message>
    <message>
        <source>Written: %1, failed: %2</source>
        <extracomment>the production line&apos;s summary; %1 bikes written, %2 bikes that failed</extracomment>
        <translation>Écrits&#x202f;: %1, en échec&#x202f;: %2</translation>
    </message>
</context>
<context>
    <name>Comparison</name>
    <message>
        <source>On</source>
        <extracomment>a check box&apos;s state in a list of values: ticked</extracomment>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>a check box&apos;s state in a list of values: clear</extracomment>
        <translation>Désactivé</translation>
    </message>
</context>
<context>
    <name>ConnectionCheck</name>
    <message>
        <source>Connection to controller is OK!
Controller software version: v%1

Would you like to read the controller&apos;s configuration now?</source>
        <extracomment>%1 the controller&apos;s software version such as 1-35, after the letter v</extracomment>
        <translation>La connexion au contrôleur fonctionne&#x202f;!
Version logicielle du contrôleur&#x202f;: v%1

Voulez-vous lire la configuration du contrôleur maintenant&#x202f;?</translation>
    </message>
    <message>
        <source>Connection to controller is OK!
Controller software version: v%1</source>
        <extracomment>%1 the controller&apos;s software version such as 1-35, after the letter v</extracomment>
        <translation>La connexion au contrôleur fonctionne&#x202f;!
Version logicielle du contrôleur&#x202f;: v%1</translation>
    </message>
    <message>
        <source>Connection to controller is not detected!</source>
        <translation>Aucune connexion au contrôleur détectée&#x202f;!</translation>
    </message>
</context>
<context>
    <name>Doctor</name>
    <message>
        <source>You are in group %1, but its members may not read and write the device.</source>
        <extracomment>%1 a group&apos;s name</extracomment>
        <translation>Vous êtes dans le groupe %1, mais ses membres ne peuvent ni lire ni écrire sur le périphérique.</translation>
    </message>
    <message>
        <source>You are in group %1.</source>
        <translation>Vous êtes dans le groupe %1.</translation>
    </message>
    <message>
        <source>You were added to group %1 after this session began; the membership counts from your next login.</source>
        <translation>Vous avez été ajouté au groupe %1 après le début de cette session&#x202f;; l&apos;appartenance ne compte qu&apos;à partir de la prochaine connexion.</translation>
    </message>
    <message>
        <source>You are not in group %1.</source>
        <translation>Vous n&apos;êtes pas dans le groupe %1.</translation>
    </message>
    <message>
        <source>%1 refuses you: owner %2, group %3, mode %4.</source>
        <extracomment>%1 the device, %2 its owner, %3 its group, %4 its mode in octal (0660)</extracomment>
        <translation>%1 vous refuse l&apos;accès&#x202f;: propriétaire %2, groupe %3, mode %4.</translation>
    </message>
    <message>
        <source>The cable rule %1 is installed (%2).</source>
        <translation>La règle du câble %1 est installée (%2).</translation>
    </message>
    <message>
        <source>The cable rule %1 is not installed.</source>
        <translation>La règle du câble %1 n&apos;est pas installée.</translation>
    </message>
    <message>
        <source>The device grants you access through the seat&apos;s access entry.</source>
        <translation>Le périphérique vous donne accès par l&apos;entrée d&apos;accès du poste.</translation>
    </message>
    <message>
        <source>The device carries no access entry for you (the cable rule gives one to the user at the computer&apos;s own screen).</source>
        <translation>Le périphérique n&apos;a aucune entrée d&apos;accès pour vous (la règle du câble en donne une à l&apos;utilisateur assis devant l&apos;écran de l&apos;ordinateur).</translation>
    </message>
    <message>
        <source>%1, then log out and in again.</source>
        <extracomment>%1 a command</extracomment>
        <translation>%1, puis déconnectez-vous et reconnectez-vous.</translation>
    </message>
    <message>
        <source>Something beyond the device&apos;s permissions refuses you (a sandbox or a security module); see sandbox.</source>
        <translation>Quelque chose au-delà des droits du périphérique vous refuse l&apos;accès (un bac à sable ou un module de sécurité)&#x202f;; voir sandbox.</translation>
    </message>
    <message>
        <source>Log out and in again (or restart the computer).</source>
        <translation>Déconnectez-vous et reconnectez-vous (ou redémarrez l&apos;ordinateur).</translation>
    </message>
    <message>
        <source>Use %1 as its owner, %2, or ask them to let you use it.</source>
        <extracomment>%1 the device, %2 its owner</extracomment>
        <translation>Utilisez %1 en tant que son propriétaire, %2, ou demandez-lui de vous le permettre.</translation>
    </message>
    <message>
        <source>%1 is gone.</source>
        <translation>%1 a disparu.</translation>
    </message>
    <message>
        <source>Plug the cable in again.</source>
        <translation>Rebranchez le câble.</translation>
    </message>
    <message>
        <source>The tool holds %1 open for reading and writing.</source>
        <extracomment>%1 the serial device</extracomment>
        <translation>L&apos;outil tient %1 ouvert en lecture et en écriture.</translation>
    </message>
    <message>
        <source>%1 opens for reading and writing.</source>
        <translation>%1 s&apos;ouvre en lecture et en écriture.</translation>
    </message>
    <message>
        <source>%1 does not open: %2.</source>
        <extracomment>%1 the serial device, %2 the system&apos;s reason</extracomment>
        <translation>%1 ne s&apos;ouvre pas&#x202f;: %2.</translation>
    </message>
    <message>
        <source>Unplug the cable and plug it in again.</source>
        <translation>Débranchez le câble et rebranchez-le.</translation>
    </message>
    <message>
        <source>%1 is a pseudo-terminal: the program at its other end holds it open.</source>
        <translation>%1 est un pseudo-terminal&#x202f;: le programme à son autre bout le tient ouvert.</translation>
    </message>
    <message>
        <source>%1 (process %2)</source>
        <extracomment>%1 a program&apos;s name, %2 its process id</extracomment>
        <translation>%1 (processus %2)</translation>
    </message>
    <message>
        <source>%1 is held open by %2.</source>
        <extracomment>%1 the serial device, %2 the programs with their process ids</extracomment>
        <translation>%1 est tenu ouvert par %2.</translation>
    </message>
    <message>
        <source>Close %1, or end it: %2</source>
        <extracomment>%1 the programs, %2 the command that ends them</extracomment>
        <translation>Fermez %1 ou arrêtez-le&#x202f;: %2</translation>
    </message>
    <message>
        <source>Another user&apos;s process holds %1 for itself.</source>
        <translation>Un processus d&apos;un autre utilisateur garde %1 pour lui seul.</translation>
    </message>
    <message>
        <source>Find it with %1 and close it.</source>
        <extracomment>%1 a command that names the process</extracomment>
        <translation>Trouvez-le avec %1 et fermez-le.</translation>
    </message>
    <message>
        <source>No other process of yours holds %1 open (the open files of %2 processes of other users cannot be seen).</source>
        <extracomment>%1 the serial device, %2 a number of processes</extracomment>
        <translation>Aucun autre de vos processus ne tient %1 ouvert (les fichiers ouverts de %2 processus d&apos;autres utilisateurs ne sont pas visibles).</translation>
    </message>
    <message>
        <source>No other process holds %1 open.</source>
        <translation>Aucun autre processus ne tient %1 ouvert.</translation>
    </message>
    <message>
        <source>%1: USB %2 (%3), no serial number.</source>
        <extracomment>%1 the serial device, %2 the USB vendor:product, %3 the device&apos;s own name</extracomment>
        <translation>%1&#x202f;: USB %2 (%3), sans numéro de série.</translation>
    </message>
    <message>
        <source>%1: USB %2 (%3), serial number %4.</source>
        <extracomment>%1 the serial device, %2 the USB vendor:product, %3 the device&apos;s own name, %4 its serial number</extracomment>
        <translation>%1&#x202f;: USB %2 (%3), numéro de série %4.</translation>
    </message>
    <message>
        <source>No programming cable is plugged in: no USB serial port of a known cable.</source>
        <translation>Aucun câble de programmation n&apos;est branché&#x202f;: aucun port série USB d&apos;un câble connu.</translation>
    </message>
    <message>
        <source>The cable&apos;s USB device %1 is present but has no serial port (see driver).</source>
        <extracomment>%1 the USB device&apos;s place on the bus, such as 1-1.4</extracomment>
        <translation>Le périphérique USB %1 du câble est présent mais n&apos;a pas de port série (voir driver).</translation>
    </message>
    <message>
        <source>%1, then unplug the cable and plug it in again.</source>
        <extracomment>%1 a command</extracomment>
        <translation>%1, puis débranchez le câble et rebranchez-le.</translation>
    </message>
    <message>
        <source>No other USB serial port is present.</source>
        <translation>Aucun autre port série USB n&apos;est présent.</translation>
    </message>
    <message>
        <source>USB serial ports present: %1.</source>
        <translation>Ports série USB présents&#x202f;: %1.</translation>
    </message>
    <message>
        <source>Plug the programming cable into a USB port of this computer.</source>
        <translation>Branchez le câble de programmation sur un port USB de cet ordinateur.</translation>
    </message>
    <message>
        <source>No serial device at %1.</source>
        <extracomment>%1 the device path given with --port or VEXLOR_PORT</extracomment>
        <translation>Aucun périphérique série à %1.</translation>
    </message>
    <message>
        <source>Name the cable&apos;s serial device; vexlor-cli ports lists them.</source>
        <translation>Indiquez le périphérique série du câble&#x202f;; vexlor-cli ports les liste.</translation>
    </message>
    <message>
        <source>%1 is a USB serial port of %2 (%3), not of a known programming cable.</source>
        <extracomment>%1 the serial device, %2 its USB vendor:product, %3 the device&apos;s own name</extracomment>
        <translation>%1 est un port série USB de %2 (%3), pas d&apos;un câble de programmation connu.</translation>
    </message>
    <message>
        <source>Name the programming cable&apos;s port, or name none to look for the cable.</source>
        <translation>Indiquez le port du câble de programmation, ou aucun pour que le câble soit recherché.</translation>
    </message>
    <message>
        <source>%1 is no USB serial port (a pseudo-terminal or a built-in port).</source>
        <translation>%1 n&apos;est pas un port série USB (un pseudo-terminal ou un port intégré).</translation>
    </message>
    <message>
        <source>%1 cables are plugged in: %2. The tool uses the last one found, %3.</source>
        <extracomment>%1 how many, %2 their serial devices, %3 the one the tool uses</extracomment>
        <translation>%1 câbles sont branchés&#x202f;: %2. L&apos;outil utilise le dernier trouvé, %3.</translation>
    </message>
    <message>
        <source>Unplug the cables you do not use, or name one with --port or VEXLOR_PORT.</source>
        <extracomment>keep --port and VEXLOR_PORT as they are</extracomment>
        <translation>Débranchez les câbles que vous n&apos;utilisez pas, ou indiquez-en un avec --port ou VEXLOR_PORT.</translation>
    </message>
    <message>
        <source>A program holds the cable&apos;s USB device %1 directly (usbfs), so the serial driver cannot make a port of it.</source>
        <extracomment>usbfs: keep as it is; %1 the USB device&apos;s place on the bus, such as 1-1.4</extracomment>
        <translation>Un programme tient directement le périphérique USB %1 du câble (usbfs), le pilote série ne peut donc pas en faire un port.</translation>
    </message>
    <message>
        <source>Close the other program that uses the cable, then unplug the cable and plug it in again.</source>
        <translation>Fermez l&apos;autre programme qui utilise le câble, puis débranchez le câble et rebranchez-le.</translation>
    </message>
    <message>
        <source>No kernel driver made a serial port of the cable&apos;s USB device %1.</source>
        <translation>Aucun pilote du noyau n&apos;a fait un port série du périphérique USB %1 du câble.</translation>
    </message>
    <message>
        <source>The kernel made %1, but its device node %2 is missing.</source>
        <extracomment>%1 the kernel&apos;s name of the port (ttyUSB0), %2 its device node</extracomment>
        <translation>Le noyau a créé %1, mais son nœud de périphérique %2 manque.</translation>
    </message>
    <message>
        <source>%1 drives %2, not %3, the cable&apos;s own driver.</source>
        <extracomment>%1 the driver in use, %2 the port, %3 the driver made for the cable</extracomment>
        <translation>%1 pilote %2, et non %3, le pilote propre au câble.</translation>
    </message>
    <message>
        <source>%1 drives %2; its device node is %3.</source>
        <extracomment>%1 the kernel driver, %2 the kernel&apos;s name of the port (ttyUSB0), %3 its device node</extracomment>
        <translation>%1 pilote %2&#x202f;; son nœud de périphérique est %3.</translation>
    </message>
    <message>
        <source>No cable port to look at.</source>
        <translation>Aucun port de câble à examiner.</translation>
    </message>
    <message>
        <source>%1 is no USB serial port.</source>
        <translation>%1 n&apos;est pas un port série USB.</translation>
    </message>
    <message>
        <source>ModemManager is not running.</source>
        <translation>ModemManager ne tourne pas.</translation>
    </message>
    <message>
        <source>ModemManager is running and is told to ignore %1 (%2).</source>
        <extracomment>%1 the USB vendor:product, %2 the rules file that says so</extracomment>
        <translation>ModemManager tourne et a pour consigne d&apos;ignorer %1 (%2).</translation>
    </message>
    <message>
        <source>ModemManager is running and may probe %1 (%2) for a modem, which garbles the controller&apos;s replies.</source>
        <extracomment>%1 the serial device, %2 its USB vendor:product</extracomment>
        <translation>ModemManager tourne et peut sonder %1 (%2) à la recherche d&apos;un modem, ce qui brouille les réponses du contrôleur.</translation>
    </message>
    <message>
        <source>brltty is not installed.</source>
        <translation>brltty n&apos;est pas installé.</translation>
    </message>
    <message>
        <source>brltty is installed; its udev rules do not claim %1.</source>
        <extracomment>%1 the USB vendor:product</extracomment>
        <translation>brltty est installé&#x202f;; ses règles udev ne réclament pas %1.</translation>
    </message>
    <message>
        <source>brltty is installed and its udev rule (%1, line %2) claims %3 devices as braille displays, taking the cable&apos;s port.</source>
        <extracomment>%1 the rules file, %2 a line number, %3 the USB vendor:product</extracomment>
        <translation>brltty est installé et sa règle udev (%1, ligne %2) réclame les périphériques %3 comme afficheurs braille, prenant ainsi le port du câble.</translation>
    </message>
    <message>
        <source>The tool is busy with the controller; run the doctor again when it is done.</source>
        <translation>L&apos;outil est occupé avec le contrôleur&#x202f;; relancez le diagnostic quand il aura fini.</translation>
    </message>
    <message>
        <source>The controller answers: software version v%1.</source>
        <extracomment>%1 the controller&apos;s software version such as 1-35, after the letter v</extracomment>
        <translation>Le contrôleur répond&#x202f;: version du logiciel v%1.</translation>
    </message>
    <message>
        <source>The cable answers but the controller does not: is the bike&apos;s battery on and the display connected?</source>
        <translation>Le câble répond mais pas le contrôleur&#x202f;: la batterie du vélo est-elle allumée et l&apos;écran branché&#x202f;?</translation>
    </message>
    <message>
        <source>Switch the bike&apos;s battery on and connect the display, then run the doctor again.</source>
        <translation>Allumez la batterie du vélo et branchez l&apos;écran, puis relancez le diagnostic.</translation>
    </message>
    <message>
        <source>Fix what the lines above show, then run the doctor again.</source>
        <translation>Corrigez ce que montrent les lignes ci-dessus, puis relancez le diagnostic.</translation>
    </message>
    <message>
        <source>The tool may not open %1 (see access).</source>
        <translation>L&apos;outil n&apos;a pas le droit d&apos;ouvrir %1 (voir access).</translation>
    </message>
    <message>
        <source>Another program is using %1 (see busy).</source>
        <translation>Un autre programme utilise %1 (voir busy).</translation>
    </message>
    <message>
        <source>The tool found no port to reach the controller through.</source>
        <translation>L&apos;outil n&apos;a trouvé aucun port par lequel joindre le contrôleur.</translation>
    </message>
    <message>
        <source>%1 does not open.</source>
        <translation>%1 ne s&apos;ouvre pas.</translation>
    </message>
    <message>
        <source>%1 has no latency timer.</source>
        <extracomment>%1 the kernel driver</extracomment>
        <translation>%1 n&apos;a pas de délai de latence.</translation>
    </message>
    <message>
        <source>The latency timer is at 1 ms.</source>
        <translation>Le délai de latence est de 1 ms.</translation>
    </message>
    <message>
        <source>The latency timer is at %1 ms; the tool asks no other driver than its cable&apos;s for low latency.</source>
        <translation>Le délai de latence est de %1 ms&#x202f;; l&apos;outil ne demande une faible latence qu&apos;au pilote de son câble.</translation>
    </message>
    <message>
        <source>The latency timer is at %1 ms; what it is while the tool holds the port cannot be tried, as the port does not open (see access).</source>
        <translation>Le délai de latence est de %1 ms&#x202f;; sa valeur pendant que l&apos;outil tient le port ne peut pas être essayée, car le port ne s&apos;ouvre pas (voir access).</translation>
    </message>
    <message>
        <source>The latency timer is at %1 ms, and at 1 ms while the tool holds the port (it asks the driver for low latency).</source>
        <translation>Le délai de latence est de %1 ms, et de 1 ms pendant que l&apos;outil tient le port (il demande une faible latence au pilote).</translation>
    </message>
    <message>
        <source>The latency timer stays at %1 ms while the tool holds the port: every reply comes that much later.</source>
        <translation>Le délai de latence reste de %1 ms pendant que l&apos;outil tient le port&#x202f;: chaque réponse arrive d&apos;autant plus tard.</translation>
    </message>
    <message>
        <source>The tool runs in the Flatpak sandbox of %1, which may use every device.</source>
        <extracomment>%1 the Flatpak application&apos;s id</extracomment>
        <translation>L&apos;outil tourne dans le bac à sable Flatpak de %1, qui peut utiliser tous les périphériques.</translation>
    </message>
    <message>
        <source>The tool runs in the Flatpak sandbox of %1, which keeps serial devices out.</source>
        <translation>L&apos;outil tourne dans le bac à sable Flatpak de %1, qui tient les périphériques série à l&apos;écart.</translation>
    </message>
    <message>
        <source>The tool runs in the snap %1, which may open %2.</source>
        <extracomment>%1 the snap&apos;s name, %2 the serial device</extracomment>
        <translation>L&apos;outil tourne dans le snap %1, qui peut ouvrir %2.</translation>
    </message>
    <message>
        <source>The tool runs in the snap %1, which keeps USB serial devices out unless they are granted to it.</source>
        <translation>L&apos;outil tourne dans le snap %1, qui tient les périphériques série USB à l&apos;écart tant qu&apos;ils ne lui sont pas accordés.</translation>
    </message>
    <message>
        <source>The tool runs outside Flatpak and Snap.</source>
        <translation>L&apos;outil tourne hors de Flatpak et de Snap.</translation>
    </message>
    <message>
        <source>No port to reach the controller through.</source>
        <translation>Aucun port par lequel joindre le contrôleur.</translation>
    </message>
    <message>
        <source>The port does not open for you (see access).</source>
        <translation>Le port ne s&apos;ouvre pas pour vous (voir access).</translation>
    </message>
    <message>
        <source>Another process holds the port (see busy).</source>
        <translation>Un autre processus tient le port (voir busy).</translation>
    </message>
    <message>
        <source>Not checked on Windows.</source>
        <extracomment>the checks that look at Linux&apos;s devices, drivers and services</extracomment>
        <translation>Non vérifié sous Windows.</translation>
    </message>
    <message>
        <source>You may not open %1.</source>
        <extracomment>first line of the box shown when the port does not open for lack of permission; %1 the device</extracomment>
        <translation>Vous n&apos;avez pas le droit d&apos;ouvrir %1.</translation>
    </message>
    <message>
        <source>To fix it:</source>
        <extracomment>before the fix in the box shown when the port does not open for lack of permission</extracomment>
        <translation>Pour y remédier&#x202f;:</translation>
    </message>
    <message>
        <source>Another user&apos;s process holds %1 for itself, so opening it cannot be tried (see busy).</source>
        <translation>Un processus d&apos;un autre utilisateur garde %1 pour lui seul, l&apos;ouverture ne peut donc pas être essayée (voir busy).</translation>
    </message>
    <message>
        <source>%1 is held for itself by %2, so opening it cannot be tried (see busy).</source>
        <extracomment>%1 the serial device, %2 the programs with their process ids</extracomment>
        <translation>%2 garde %1 pour lui seul, l&apos;ouverture ne peut donc pas être essayée (voir busy).</translation>
    </message>
    <message>
        <source>%1 is not a serial port.</source>
        <extracomment>%1 the path given with --port or VEXLOR_PORT</extracomment>
        <translation>%1 n&apos;est pas un port série.</translation>
    </message>
    <message>
        <source>Name the cable&apos;s port (vexlor-cli ports lists them).</source>
        <extracomment>keep vexlor-cli ports as it is: the command that lists the ports</extracomment>
        <translation>Indiquez le port du câble (vexlor-cli ports les liste).</translation>
    </message>
    <message>
        <source>Close any other program that may use %1, then run the doctor again.</source>
        <translation>Fermez tout autre programme qui pourrait utiliser %1, puis relancez le diagnostic.</translation>
    </message>
    <message>
        <source>The tool may not open %1.</source>
        <translation>L&apos;outil n&apos;a pas le droit d&apos;ouvrir %1.</translation>
    </message>
    <message>
        <source>Another program is using %1.</source>
        <translation>Un autre programme utilise %1.</translation>
    </message>
</context>
<context>
    <name>Explanations</name>
    <message>
        <source>Too high: %1</source>
        <extracomment>what a value above the right one does: %1 the effect, &quot;less power for assistance and throttle.&quot;</extracomment>
        <translation>Trop haut : %1</translation>
    </message>
    <message>
        <source>Too low: %1</source>
        <extracomment>what a value below the right one does: %1 the effect</extracomment>
        <translation>Trop bas : %1</translation>
    </message>
    <message>
        <source>what it does inside the controller is not known.</source>
        <extracomment>in place of an effect after &quot;Too high: &quot; or &quot;Too low: &quot;</extracomment>
        <translation>son effet dans le contrôleur n&apos;est pas connu.</translation>
    </message>
    <message>
        <source>What a higher or lower value does inside the controller is not known.</source>
        <translation>L&apos;effet d&apos;une valeur plus haute ou plus basse dans le contrôleur n&apos;est pas connu.</translation>
    </message>
    <message>
        <source>Unit: %1.</source>
        <extracomment>%1 the field&apos;s unit: &quot;A&quot;, &quot;km/h&quot;, &quot;ms&quot;</extracomment>
        <translation>Unité : %1.</translation>
    </message>
    <message>
        <source>Allowed: %1.</source>
        <extracomment>%1 the range the window allows: &quot;at most 30.0 A&quot;, &quot;0.9 V to 3.0 V&quot;, &quot;1 to 9&quot;</extracomment>
        <translation>Admis : %1.</translation>
    </message>
    <message>
        <source>The window sets no limit; a write refuses values the controller cannot hold.</source>
        <translation>La fenêtre ne fixe aucune limite ; l&apos;écriture refuse les valeurs que le contrôleur ne peut pas contenir.</translation>
    </message>
    <message>
        <source>Choices: %1.</source>
        <extracomment>%1 the options of a radio pair or group, each in quotes: &quot;&quot;Low&quot;, &quot;High&quot;&quot;</extracomment>
        <translation>Choix : %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>an option&apos;s text within a list of choices: %1 the option, &quot;Low&quot;</extracomment>
        <translation>« %1 »</translation>
    </message>
    <message>
        <source>Ticked or clear.</source>
        <extracomment>a tick box&apos;s two states</extracomment>
        <translation>Cochée ou non.</translation>
    </message>
    <message>
        <source>Initial value: %1.</source>
        <extracomment>%1 the value the window starts with: &quot;14.0 A&quot;, &quot;ticked&quot;, &quot;Low&quot;</extracomment>
        <translation>Valeur initiale : %1.</translation>
    </message>
    <message>
        <source>ticked</source>
        <extracomment>the initial state of a tick box, after &quot;Initial value: &quot;</extracomment>
        <translation>cochée</translation>
    </message>
    <message>
        <source>clear</source>
        <extracomment>the initial state of a tick box, after &quot;Initial value: &quot;</extracomment>
        <translation>non cochée</translation>
    </message>
    <message>
        <source>The limit of this assist level, in percent; &quot;Limit speed&quot; and &quot;Limit current&quot; choose what it limits. The levels in use should rise, the top one at 100 %.</source>
        <translation>La limite de ce niveau d&apos;assistance, en pour cent ; « Limiter la vitesse » et « Limiter le courant » choisissent ce qu&apos;elle limite. Les niveaux utilisés devraient monter, le plus haut à 100 %.</translation>
    </message>
    <message>
        <source>more assistance at this level.</source>
        <translation>plus d&apos;assistance à ce niveau.</translation>
    </message>
    <message>
        <source>less assistance at this level.</source>
        <translation>moins d&apos;assistance à ce niveau.</translation>
    </message>
    <message>
        <source>The largest current the controller draws from the battery.</source>
        <translation>Le plus fort courant que le contrôleur tire de la batterie.</translation>
    </message>
    <message>
        <source>more than the battery&apos;s BMS delivers continuously; keep it at or below that current and not above the max phase current.</source>
        <translation>plus que le BMS de la batterie ne fournit en continu ; restez à ce courant ou en dessous, et pas au-dessus du courant de phase max.</translation>
    </message>
    <message>
        <source>less power for assistance and throttle.</source>
        <translation>moins de puissance pour l&apos;assistance et l&apos;accélérateur.</translation>
    </message>
    <message>
        <source>The battery voltage below which the controller cuts the motor, so that the battery is not drained empty.</source>
        <translation>La tension de batterie sous laquelle le contrôleur coupe le moteur, pour que la batterie ne soit pas vidée.</translation>
    </message>
    <message>
        <source>assistance stops while the battery is still half full (above about 3.6 V a cell).</source>
        <translation>l&apos;assistance s&apos;arrête alors que la batterie est encore à moitié pleine (au-dessus d&apos;environ 3.6 V par cellule).</translation>
    </message>
    <message>
        <source>the cells are drained too deep (below about 2.8 V a cell).</source>
        <translation>les cellules sont déchargées trop profondément (sous environ 2.8 V par cellule).</translation>
    </message>
    <message>
        <source>The controller&apos;s acceleration setting, a position of the track bar.</source>
        <translation>Le réglage d&apos;accélération du contrôleur, une position du curseur.</translation>
    </message>
    <message>
        <source>The signal level of the brake lever sensors, &quot;Low&quot; or &quot;High&quot;: choose the one the bike&apos;s brake sensors give.</source>
        <translation>Le niveau du signal des capteurs de levier de frein, « Bas » ou « Haut » : choisissez celui que donnent les capteurs de frein du vélo.</translation>
    </message>
    <message>
        <source>The speed at which the controller stops assisting, while &quot;Limit max speed&quot; is ticked; with it clear a write sends 900 km/h, which means no limit.</source>
        <translation>La vitesse à laquelle le contrôleur cesse d&apos;assister, tant que « Limiter la vitesse max. » est cochée ; sinon l&apos;écriture envoie 900 km/h, soit aucune limite.</translation>
    </message>
    <message>
        <source>the bike may break the road class it is ridden in (Connect &gt; Road Class checks it).</source>
        <translation>le vélo peut enfreindre la classe routière où il roule (Connexion &gt; Classe routière le vérifie).</translation>
    </message>
    <message>
        <source>assistance stops at a lower speed.</source>
        <translation>l&apos;assistance s&apos;arrête à une vitesse plus basse.</translation>
    </message>
    <message>
        <source>How many magnets pass the speed sensor in one turn of the wheel; the controller reckons the speed from them and the wheel perimeter.</source>
        <translation>Le nombre d&apos;aimants qui passent devant le capteur de vitesse à chaque tour de roue ; le contrôleur en déduit la vitesse avec le périmètre de la roue.</translation>
    </message>
    <message>
        <source>the speed is reckoned too low, so assistance may go on past the speed limit.</source>
        <translation>la vitesse est calculée trop basse, l&apos;assistance peut donc continuer au-delà de la limite de vitesse.</translation>
    </message>
    <message>
        <source>the speed is reckoned too high, so assistance stops early.</source>
        <translation>la vitesse est calculée trop haute, l&apos;assistance s&apos;arrête donc trop tôt.</translation>
    </message>
    <message>
        <source>The distance the wheel rolls in one turn; the controller reckons the speed from it. The list beside the field fills in common sizes; measuring the wheel is more exact.</source>
        <translation>La distance que la roue parcourt en un tour ; le contrôleur en déduit la vitesse. La liste à côté du champ remplit les tailles courantes ; mesurer la roue est plus exact.</translation>
    </message>
    <message>
        <source>Whether the bike has a pedal speed sensor (PAS) for the controller to use. Clear, the group &quot;Pedal speed sensor functions&quot; is switched off; its values are still written.</source>
        <translation>Si le vélo a un capteur de pédalage (PAS) que le contrôleur doit utiliser. Décochée, le groupe « Fonctions du capteur PAS » est désactivé ; ses valeurs sont quand même écrites.</translation>
    </message>
    <message>
        <source>The duty cycle of the pedal sensor&apos;s signal, below or above 50 %: choose the one the bike&apos;s sensor gives.</source>
        <translation>Le rapport cyclique du signal du capteur de pédalage, sous ou au-dessus de 50 % : choisissez celui que donne le capteur du vélo.</translation>
    </message>
    <message>
        <source>How many magnets the pedal sensor&apos;s disc carries; it must match the disc.</source>
        <translation>Le nombre d&apos;aimants du disque du capteur de pédalage ; il doit correspondre au disque.</translation>
    </message>
    <message>
        <source>How many of the pedal sensor&apos;s magnets must pass before assistance starts.</source>
        <translation>Le nombre d&apos;aimants du capteur de pédalage qui doivent passer avant que l&apos;assistance démarre.</translation>
    </message>
    <message>
        <source>assistance starts after more pedalling.</source>
        <translation>l&apos;assistance démarre après plus de pédalage.</translation>
    </message>
    <message>
        <source>assistance starts after less pedalling.</source>
        <translation>l&apos;assistance démarre après moins de pédalage.</translation>
    </message>
    <message>
        <source>How long assistance goes on after the pedals stop.</source>
        <translation>Combien de temps l&apos;assistance continue après l&apos;arrêt des pédales.</translation>
    </message>
    <message>
        <source>the motor goes on pushing longer after you stop pedalling.</source>
        <translation>le moteur continue de pousser plus longtemps après l&apos;arrêt du pédalage.</translation>
    </message>
    <message>
        <source>assistance stops sooner after the pedals stop.</source>
        <translation>l&apos;assistance s&apos;arrête plus tôt après l&apos;arrêt des pédales.</translation>
    </message>
    <message>
        <source>The pedal assist sensor (PAS) ratio, a position of the track bar.</source>
        <translation>Le rapport du capteur d&apos;assistance au pédalage (PAS), une position du curseur.</translation>
    </message>
    <message>
        <source>Whether the bike has a throttle for the controller to use. Clear, the group &quot;Throttle functions&quot; is switched off; its values are still written.</source>
        <translation>Si le vélo a un accélérateur que le contrôleur doit utiliser. Décochée, le groupe « Fonctions de l&apos;accélérateur » est désactivé ; ses valeurs sont quand même écrites.</translation>
    </message>
    <message>
        <source>The largest output the throttle asks for, in percent of the full output.</source>
        <translation>La plus forte puissance que l&apos;accélérateur demande, en pour cent de la pleine puissance.</translation>
    </message>
    <message>
        <source>the throttle gives less power.</source>
        <translation>l&apos;accélérateur donne moins de puissance.</translation>
    </message>
    <message>
        <source>Whether the throttle keeps to the limits of the assist levels (&quot;Level 1&quot; to &quot;Level 9&quot;).</source>
        <translation>Si l&apos;accélérateur respecte les limites des niveaux d&apos;assistance (« Niveau 1 » à « Niveau 9 »).</translation>
    </message>
    <message>
        <source>The throttle&apos;s signal voltage at which it starts to act; it must stay below the full voltage.</source>
        <translation>La tension de signal de l&apos;accélérateur à laquelle il commence à agir ; elle doit rester sous la tension de plein gaz.</translation>
    </message>
    <message>
        <source>the throttle starts late in its travel.</source>
        <translation>l&apos;accélérateur agit tard dans sa course.</translation>
    </message>
    <message>
        <source>the throttle starts early in its travel.</source>
        <translation>l&apos;accélérateur agit tôt dans sa course.</translation>
    </message>
    <message>
        <source>The throttle&apos;s signal voltage at which it gives full output.</source>
        <translation>La tension de signal de l&apos;accélérateur à laquelle il donne la pleine puissance.</translation>
    </message>
    <message>
        <source>above what the throttle gives when fully turned, full output is never reached.</source>
        <translation>au-delà de ce que l&apos;accélérateur donne à fond, la pleine puissance n&apos;est jamais atteinte.</translation>
    </message>
    <message>
        <source>full output comes early in the throttle&apos;s travel.</source>
        <translation>la pleine puissance arrive tôt dans la course de l&apos;accélérateur.</translation>
    </message>
    <message>
        <source>How the throttle works with the pedal sensor: on its own, together with the pedal sensor, or started by it. Some road classes allow a throttle only while pedalling.</source>
        <translation>Comment l&apos;accélérateur travaille avec le capteur de pédalage : seul, avec le capteur de pédalage ou démarré par lui. Certaines classes routières n&apos;admettent un accélérateur qu&apos;en pédalant.</translation>
    </message>
    <message>
        <source>How many assist levels the rider can choose from; only the levels up to this count can be edited.</source>
        <translation>Le nombre de niveaux d&apos;assistance parmi lesquels le cycliste choisit ; seuls les niveaux jusqu&apos;à ce nombre sont modifiables.</translation>
    </message>
    <message>
        <source>more levels to step through.</source>
        <translation>plus de niveaux à parcourir.</translation>
    </message>
    <message>
        <source>fewer levels to choose from.</source>
        <translation>moins de niveaux au choix.</translation>
    </message>
    <message>
        <source>Whether the limits of the assist levels act on the speed.</source>
        <translation>Si les limites des niveaux d&apos;assistance agissent sur la vitesse.</translation>
    </message>
    <message>
        <source>Whether the limits of the assist levels act on the current.</source>
        <translation>Si les limites des niveaux d&apos;assistance agissent sur le courant.</translation>
    </message>
    <message>
        <source>The limit of the walk-assist mode, which helps while you push the bike, in percent.</source>
        <translation>La limite du mode d&apos;aide à la marche, qui aide quand vous poussez le vélo, en pour cent.</translation>
    </message>
    <message>
        <source>more push while walking.</source>
        <translation>plus de poussée en marchant.</translation>
    </message>
    <message>
        <source>less push while walking.</source>
        <translation>moins de poussée en marchant.</translation>
    </message>
    <message>
        <source>Whether the pedal sensor works together with the throttle.</source>
        <translation>Si le capteur de pédalage travaille avec l&apos;accélérateur.</translation>
    </message>
    <message>
        <source>The motor&apos;s Hall sensors: 120 degree, 60 degree or none (sensorless). It must match the motor; wrong motor data can make the motor run rough or overheat.</source>
        <translation>Les capteurs à effet Hall du moteur : 120 degrés, 60 degrés ou aucun (sans capteur). Le choix doit correspondre au moteur ; de mauvaises données moteur peuvent le faire tourner irrégulièrement ou surchauffer.</translation>
    </message>
    <message>
        <source>Whether the motor has a one-way clutch (freewheel) inside. It must match the motor.</source>
        <translation>Si le moteur a une roue libre à l&apos;intérieur. Le choix doit correspondre au moteur.</translation>
    </message>
    <message>
        <source>The motor&apos;s rated voltage, from its data sheet or label; wrong motor data can make the motor run rough or overheat.</source>
        <translation>La tension nominale du moteur, d&apos;après sa fiche technique ou sa plaque ; de mauvaises données moteur peuvent le faire tourner irrégulièrement ou surchauffer.</translation>
    </message>
    <message>
        <source>The motor&apos;s rated power, from its data sheet or label. Road classes allow a rated power up to their limit (Connect &gt; Road Class checks it).</source>
        <translation>La puissance nominale du moteur, d&apos;après sa fiche technique ou sa plaque. Les classes routières admettent une puissance nominale jusqu&apos;à leur limite (Connexion &gt; Classe routière le vérifie).</translation>
    </message>
    <message>
        <source>The number of magnet pole pairs of the motor, from its data sheet.</source>
        <translation>Le nombre de paires de pôles magnétiques du moteur, d&apos;après sa fiche technique.</translation>
    </message>
    <message>
        <source>The motor&apos;s speed without load, from its data sheet.</source>
        <translation>La vitesse de rotation du moteur à vide, d&apos;après sa fiche technique.</translation>
    </message>
    <message>
        <source>The ratio of the motor&apos;s gear: motor turns per turn of its housing or output, from its data sheet.</source>
        <translation>Le rapport du réducteur du moteur : tours du moteur par tour de son carter ou de sa sortie, d&apos;après sa fiche technique.</translation>
    </message>
    <message>
        <source>The electrical resistance of the motor&apos;s stator winding, from its data sheet.</source>
        <translation>La résistance électrique de l&apos;enroulement du stator du moteur, d&apos;après sa fiche technique.</translation>
    </message>
    <message>
        <source>The inductance of the motor&apos;s stator winding, from its data sheet.</source>
        <translation>L&apos;inductance de l&apos;enroulement du stator du moteur, d&apos;après sa fiche technique.</translation>
    </message>
    <message>
        <source>The largest current the controller drives through the motor&apos;s windings; it is never below the max battery current.</source>
        <translation>Le plus fort courant que le contrôleur fait passer dans les enroulements du moteur ; il n&apos;est jamais inférieur au courant de batterie max.</translation>
    </message>
    <message>
        <source>more than the motor or the controller is made for: they may overheat.</source>
        <translation>plus que ce pour quoi le moteur ou le contrôleur sont faits : ils peuvent surchauffer.</translation>
    </message>
    <message>
        <source>less pulling power.</source>
        <translation>moins de force de traction.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Cannot create file %1</source>
        <extracomment>%1 the file&apos;s path</extracomment>
        <translation>Impossible de créer le fichier %1</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <extracomment>%1 the path of config.ini</extracomment>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <extracomment>a file whose last key has no value line; %1 the number of lines</extracomment>
        <translation>Indice de liste hors limites (%1)</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <extracomment>%1 the file&apos;s path</extracomment>
        <translation>Impossible d&apos;ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>File %1 is too large to be a configuration file (more than 1 MiB).</source>
        <extracomment>%1 the file&apos;s path</extracomment>
        <translation>Le fichier %1 est trop volumineux pour être un fichier de configuration (plus de 1 Mio).</translation>
    </message>
    <message>
        <source>Cannot open file %1: it is not a regular file.</source>
        <extracomment>%1 the path of a folder, a device or the like</extracomment>
        <translation>Impossible d&apos;ouvrir le fichier %1&#x202f;: ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The setting file to be opened missed one data because of a bug in the old version. Please answer one question now.
Does the motor have 3 hall sensors?</source>
        <extracomment>Yes means the motor has three Hall sensors, No that it has none</extracomment>
        <translation>Il manque une donnée dans ce fichier de réglages, à cause d&apos;un bug de l&apos;ancienne version. Merci de répondre à une question.
Le moteur a-t-il 3 capteurs Hall&#x202f;?</translation>
    </message>
    <message>
        <source>The file %1 contains no settings.</source>
        <extracomment>%1 the file&apos;s path; the file is empty, holds only blank lines or only numbers of no setting</extracomment>
        <translation>Le fichier %1 ne contient aucun réglage.</translation>
    </message>
    <message>
        <source>The file is marked as UTF-16 text, but it is damaged: it cannot be read as text.</source>
        <extracomment>the file starts with the mark of UTF-16 text (Notepad&apos;s &quot;Unicode&quot;) but is damaged</extracomment>
        <translation>Le fichier est marqué comme texte UTF-16, mais il est endommagé&#x202f;: il ne peut pas être lu comme texte.</translation>
    </message>
    <message>
        <source>Cannot create file %1: it is not a regular file.</source>
        <extracomment>%1 the path of a named pipe, a device or the like</extracomment>
        <translation>Impossible de créer le fichier %1&#x202f;: ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
</context>
<context>
    <name>Limits</name>
    <message>
        <source>These values are outside the limits the window allows:</source>
        <translation>Ces valeurs sont hors des limites admises par la fenêtre&#x202f;:</translation>
    </message>
    <message>
        <source>%1: %2 (allowed: %3)</source>
        <extracomment>%1 the field&apos;s caption, %2 its value with its unit, %3 the allowed range (&quot;at most 30.0 A&quot;)</extracomment>
        <translation>%1&#x202f;: %2 (admis&#x202f;: %3)</translation>
    </message>
    <message>
        <source>at most %1</source>
        <extracomment>an allowed range: %1 the largest value with its unit, &quot;30.0 A&quot;</extracomment>
        <translation>au plus %1</translation>
    </message>
    <message>
        <source>at least %1</source>
        <extracomment>an allowed range as a screen reader says it after the field&apos;s unit: %1 the least value, &quot;200&quot;</extracomment>
        <translation>au moins %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>an allowed range: %1 the least and %2 the largest value with their units, &quot;0.9 V to 3.0 V&quot;</extracomment>
        <translation>de %1 à %2</translation>
    </message>
    <message>
        <source>the start voltage</source>
        <extracomment>the least value of the throttle&apos;s full voltage, in place of a number in &quot;%1 to %2&quot;: &quot;the start voltage to 4.2&quot;</extracomment>
        <translation>la tension de début</translation>
    </message>
    <message>
        <source>%1 or more</source>
        <extracomment>an allowed range: %1 the least value with its unit, &quot;200 ms&quot;</extracomment>
        <translation>%1 ou plus</translation>
    </message>
    <message>
        <source>from the start voltage, %1, to %2</source>
        <extracomment>the allowed range of the throttle&apos;s full voltage: %1 the start voltage set, %2 the largest value, both with their unit: &quot;from the start voltage, 1.2 V, to 4.2 V&quot;</extracomment>
        <translation>de la tension de début, %1, à %2</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>Device Connected</source>
        <extracomment>status strip, 125 pixels wide: the programming cable&apos;s port is open</extracomment>
        <translation>Câble connecté</translation>
    </message>
    <message>
        <source>Device Lost</source>
        <extracomment>status strip, 125 pixels wide: the programming cable&apos;s port is gone</extracomment>
        <translation>Câble déconnecté</translation>
    </message>
    <message>
        <source>Controller connection test result</source>
        <translation>Résultat du test de connexion au contrôleur</translation>
    </message>
    <message>
        <source>Another COM device using the same name is detected,
please remove it first.</source>
        <extracomment>&quot;COM device&quot;: a serial port device</extracomment>
        <translation>Un autre périphérique COM portant le même nom a été détecté,
veuillez d&apos;abord le retirer.</translation>
    </message>
    <message>
        <source>You may not open the programming cable&apos;s serial port %1.

%2</source>
        <extracomment>%1 the serial device&apos;s path; %2 the lines that say how to get access</extracomment>
        <translation>Vous n&apos;avez pas le droit d&apos;ouvrir le port série %1 du câble de programmation.

%2</translation>
    </message>
    <message>
        <source>Programming cable access</source>
        <translation>Accès au câble de programmation</translation>
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
        <translation>Installez la règle du câble fournie avec le paquet (70-vexlor-cable.rules), puis
débranchez le câble et rebranchez-le. Le paquet place la règle dans
/usr/lib/udev/rules.d&#x202f;; si vous avez compilé depuis les sources, installez-la avec
  sudo cp packaging/70-vexlor-cable.rules /etc/udev/rules.d/
  sudo udevadm control --reload
Ou rejoignez le groupe dialout, dont les membres peuvent ouvrir les ports série&#x202f;:
  sudo usermod -aG dialout $USER
puis fermez votre session et rouvrez-la.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Untitled.vxc</source>
        <extracomment>the window caption&apos;s document name after New, before the first save</extracomment>
        <translation>Sans titre.vxc</translation>
    </message>
    <message>
        <source>Power parameters</source>
        <translation>Paramètres de puissance</translation>
    </message>
    <message>
        <source>Pedal speed sensor functions</source>
        <translation>Fonctions du capteur PAS</translation>
    </message>
    <message>
        <source>Limit max speed</source>
        <translation>Limiter la vitesse max.</translation>
    </message>
    <message>
        <source>Speed limit parameters</source>
        <translation>Limitation de vitesse</translation>
    </message>
    <message>
        <source>Wheel size</source>
        <translation>Taille de roue</translation>
    </message>
    <message>
        <source>Throttle functions</source>
        <translation>Fonctions de l&apos;accélérateur</translation>
    </message>
    <message>
        <source>Level limits</source>
        <translation>Limites par niveau</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <extracomment>the About box&apos;s last credit line</extracomment>
        <translation>Tous droits réservés.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Language</source>
        <extracomment>Help &gt; Language: the note after choosing a language</extracomment>
        <translation>Langue</translation>
    </message>
    <message>
        <source>The window will show the chosen language the next time you start the program.</source>
        <translation>La fenêtre s&apos;affichera dans la langue choisie au prochain démarrage du programme.</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Moteur</translation>
    </message>
    <message>
        <source>Brushless motor parameters</source>
        <translation>Paramètres du moteur brushless</translation>
    </message>
    <message>
        <source>Configuration Files (*.vxc)</source>
        <extracomment>the file dialogs&apos; filter; keep &quot;(*.vxc)&quot; as it is</extracomment>
        <translation>Fichiers de configuration (*.vxc)</translation>
    </message>
    <message>
        <source>Open Configuration Files</source>
        <translation>Ouvrir un fichier de configuration</translation>
    </message>
    <message>
        <source>Save Configuration Files</source>
        <translation>Enregistrer le fichier de configuration</translation>
    </message>
    <message>
        <source>New Configuration</source>
        <translation>Nouvelle configuration</translation>
    </message>
    <message>
        <source>Open Configuration</source>
        <translation>Ouvrir une configuration</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Enregistrer la configuration</translation>
    </message>
    <message>
        <source>Test Controller Connection</source>
        <translation>Tester la connexion au contrôleur</translation>
    </message>
    <message>
        <source>Read Controller Configuration</source>
        <translation>Lire la configuration du contrôleur</translation>
    </message>
    <message>
        <source>Write Controller Configuration</source>
        <translation>Écrire la configuration dans le contrôleur</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Connexion</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>The file was opened, but the list of recent files could not be saved: unable to write to %1.</source>
        <extracomment>%1 the full path of config.ini, which holds the list of recent files</extracomment>
        <translation>Le fichier a été ouvert, mais la liste des fichiers récents n&apos;a pas pu être enregistrée&#x202f;: impossible d&apos;écrire dans %1.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>Desktop &amp;Language</source>
        <extracomment>Help &gt; Language: whatever language the desktop is set to</extracomment>
        <translation>Langue du &amp;système</translation>
    </message>
    <message>
        <source>&amp;New Configuration</source>
        <translation>&amp;Nouvelle configuration</translation>
    </message>
    <message>
        <source>&amp;Open Configuration...</source>
        <translation>&amp;Ouvrir une configuration...</translation>
    </message>
    <message>
        <source>&amp;Reopen</source>
        <translation>&amp;Rouvrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer so&amp;us...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Test Controller Connection</source>
        <translation>&amp;Tester la connexion au contrôleur</translation>
    </message>
    <message>
        <source>&amp;Read Controller Configuration</source>
        <translation>&amp;Lire la configuration du contrôleur</translation>
    </message>
    <message>
        <source>&amp;Write Controller Configuration</source>
        <translation>&amp;Écrire la configuration dans le contrôleur</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>Technical &amp;Support</source>
        <translation>Assistance &amp;technique</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>amperes</source>
        <translation>ampères</translation>
    </message>
    <message>
        <source>volts</source>
        <translation>volts</translation>
    </message>
    <message>
        <source>kilometres per hour</source>
        <translation>kilomètres par heure</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>millimètres</translation>
    </message>
    <message>
        <source>milliseconds stop pedaling</source>
        <extracomment>a field&apos;s unit for screen readers: &quot;Stop after [500] ms stop pedaling&quot;</extracomment>
        <translation>millisecondes sans pédaler</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>pour cent</translation>
    </message>
    <message>
        <source>watts</source>
        <translation>watts</translation>
    </message>
    <message>
        <source>revolutions per minute</source>
        <translation>tours par minute</translation>
    </message>
    <message>
        <source>to 1</source>
        <extracomment>a field&apos;s unit for screen readers: the reduction ratio &quot;[8] :1&quot;, read &quot;8 to 1&quot;</extracomment>
        <translation>pour 1</translation>
    </message>
    <message>
        <source>milliohms</source>
        <translation>milliohms</translation>
    </message>
    <message>
        <source>millihenries</source>
        <translation>millihenrys</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>a field&apos;s description for screen readers: %1 its unit, %2 its allowed range; &quot;amperes, at most 30.0&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Result</source>
        <extracomment>the status strip&apos;s labels as a screen reader names them</extracomment>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Activité</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>&amp;Connection Doctor…</source>
        <extracomment>Help menu: the checks of why the programming cable does not work</extracomment>
        <translation>&amp;Diagnostic de connexion…</translation>
    </message>
    <message>
        <source>Connection Doctor…</source>
        <translation>Diagnostic de connexion…</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <extracomment>%1 the document&apos;s name as the window caption shows it, &quot;Untitled.vxc&quot; before its first save</extracomment>
        <translation>Enregistrer les modifications de %1&#x202f;?</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>the status strip&apos;s message, such as where a file was saved, as a screen reader names it</extracomment>
        <translation>Message</translation>
    </message>
    <message>
        <source>miles per hour, at most %1</source>
        <extracomment>a speed field&apos;s description for screen readers in imperial units: %1 the most the controller holds, &quot;4072.16&quot;</extracomment>
        <translation>miles par heure, au plus %1</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <extracomment>Help menu: the units speeds are shown in, metric or imperial</extracomment>
        <translation>&amp;Unités</translation>
    </message>
    <message>
        <source>Bike: %1</source>
        <extracomment>the status strip&apos;s field with the bike&apos;s label (a frame number, a customer); %1 the label</extracomment>
        <translation>Vélo : %1</translation>
    </message>
    <message>
        <source>Bike</source>
        <extracomment>the status strip&apos;s field with the bike&apos;s label, as a screen reader names it
----------
the box of Connect &gt; Bike...: its title and the caption of its one field</extracomment>
        <translation>Vélo</translation>
    </message>
    <message>
        <source>Label of the bike (frame number, customer); every operation is recorded with it:</source>
        <translation>Étiquette du vélo (numéro de cadre, client) ; chaque opération est enregistrée avec elle :</translation>
    </message>
    <message>
        <source>Bi&amp;ke…</source>
        <extracomment>Connect menu: the label (frame number, customer) the register records with each operation</extracomment>
        <translation>Vél&amp;o…</translation>
    </message>
    <message>
        <source>H&amp;istory…</source>
        <extracomment>Connect menu: the register of every operation, as a table</extracomment>
        <translation>&amp;Historique…</translation>
    </message>
    <message>
        <source>What&apos;s &amp;This?</source>
        <extracomment>Help menu: the pointer that shows what the next field clicked does</extracomment>
        <translation>&amp;Qu&apos;est-ce que c&apos;est ?</translation>
    </message>
    <message>
        <source>New Bike Set&amp;up…</source>
        <extracomment>File menu: the assistant that proposes values from what is printed on the bike&apos;s parts</extracomment>
        <translation>Configurer un nouveau &amp;vélo…</translation>
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
        <translation>Aimants N / S</translation>
    </message>
    <message>
        <source>Stator teeth</source>
        <translation>Dents du stator</translation>
    </message>
    <message>
        <source>Coils</source>
        <translation>Bobinages</translation>
    </message>
    <message>
        <source>Bearing</source>
        <translation>Roulement</translation>
    </message>
    <message>
        <source>Axle</source>
        <translation>Axe</translation>
    </message>
</context>
<context>
    <name>Parameters</name>
    <message>
        <source>Pedal sensor magnets</source>
        <extracomment>the field before &quot;magnets a circle&quot;, as messages and lists name it</extracomment>
        <translation>Aimants du capteur de pédalage</translation>
    </message>
    <message>
        <source>PAS levels (1~9):</source>
        <translation>Niveaux PAS (1~9)&#x202f;:</translation>
    </message>
    <message>
        <source>%</source>
        <extracomment>unit: percent</extracomment>
        <translation>%</translation>
    </message>
    <message>
        <source>Max battery current: </source>
        <translation>Courant batterie max.&#x202f;: </translation>
    </message>
    <message>
        <source>A</source>
        <extracomment>unit: ampere</extracomment>
        <translation>A</translation>
    </message>
    <message>
        <source>Low voltage protection: </source>
        <extracomment>the battery voltage below which the controller cuts the motor</extracomment>
        <translation>Coupure basse tension&#x202f;: </translation>
    </message>
    <message>
        <source>V</source>
        <extracomment>unit: volt</extracomment>
        <translation>V</translation>
    </message>
    <message>
        <source>Acceleration:</source>
        <translation>Accélération&#x202f;:</translation>
    </message>
    <message>
        <source>Brake voltage:</source>
        <extracomment>the brake lever sensor&apos;s signal level; its two buttons are &quot;Low&quot; and &quot;High&quot;</extracomment>
        <translation>Signal de frein&#x202f;:</translation>
    </message>
    <message>
        <source>Low</source>
        <extracomment>brake signal level</extracomment>
        <translation>Bas</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>brake signal level</extracomment>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Speed limit: </source>
        <translation>Vitesse max.&#x202f;: </translation>
    </message>
    <message>
        <source>km/h</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>Speedometer magnets: </source>
        <extracomment>how many magnets pass the speed sensor per wheel turn</extracomment>
        <translation>Aimants de roue&#x202f;: </translation>
    </message>
    <message>
        <source>Wheel perimeter: </source>
        <translation>Circonférence de roue&#x202f;: </translation>
    </message>
    <message>
        <source>mm</source>
        <extracomment>unit: millimetre</extracomment>
        <translation>mm</translation>
    </message>
    <message>
        <source>Use pedal speed sensor</source>
        <translation>Utiliser le capteur de pédalage</translation>
    </message>
    <message>
        <source>Duty cycle:</source>
        <extracomment>the pedal sensor signal&apos;s duty cycle; its buttons are &quot;&lt; 50%&quot; and &quot;&gt; 50%&quot;</extracomment>
        <translation>Rapp. cycl.&#x202f;:</translation>
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
        <translation>aimants par tour</translation>
    </message>
    <message>
        <source>Start after </source>
        <extracomment>&quot;Start after [2] magnets passed&quot;: assist starts after this many sensor magnets</extracomment>
        <translation>Départ&#x202f;: </translation>
    </message>
    <message>
        <source>magnets passed</source>
        <extracomment>&quot;Start after [2] magnets passed&quot;</extracomment>
        <translation>aimants</translation>
    </message>
    <message>
        <source>Stop after </source>
        <extracomment>&quot;Stop after [500] ms stop pedaling&quot;: assist stops this long after pedalling stops</extracomment>
        <translation>Arrêt&#x202f;: </translation>
    </message>
    <message>
        <source>ms stop pedaling</source>
        <extracomment>&quot;Stop after [500] ms stop pedaling&quot;</extracomment>
        <translation>ms sans pédaler</translation>
    </message>
    <message>
        <source>PAS ratio: </source>
        <extracomment>pedal assist sensor (PAS) ratio, a track bar from 1 to 9</extracomment>
        <translation>Rapport PAS&#x202f;: </translation>
    </message>
    <message>
        <source>Use throttle</source>
        <translation>Utiliser l&apos;accélérateur</translation>
    </message>
    <message>
        <source>Max output: </source>
        <extracomment>the throttle&apos;s largest output, in percent</extracomment>
        <translation>Max.&#x202f;: </translation>
    </message>
    <message>
        <source>Limited by PAS level limits</source>
        <extracomment>the throttle follows the assist level limits</extracomment>
        <translation>Bridé selon le niveau PAS</translation>
    </message>
    <message>
        <source>Start voltage: </source>
        <extracomment>the throttle&apos;s voltage where it starts; the row reads &quot;Start voltage: [1.2] V, Full: [3.4] V&quot;</extracomment>
        <translation>Début&#x202f;: </translation>
    </message>
    <message>
        <source>V,</source>
        <extracomment>unit: volt, followed on the same row by &quot;Full: [3.4] V&quot;</extracomment>
        <translation>V,</translation>
    </message>
    <message>
        <source>Full: </source>
        <extracomment>the throttle&apos;s voltage at full twist, after &quot;Start voltage: [1.2] V,&quot;; keep it short</extracomment>
        <translation>fin&#x202f;: </translation>
    </message>
    <message>
        <source>Working style</source>
        <extracomment>how the throttle works with the pedal sensor (a group of three choices)</extracomment>
        <translation>Mode de fonctionnement</translation>
    </message>
    <message>
        <source>Independently</source>
        <translation>Indépendant</translation>
    </message>
    <message>
        <source>Together with pedal sensor</source>
        <translation>Avec le capteur de pédalage</translation>
    </message>
    <message>
        <source>Start by pedal sensor</source>
        <translation>Démarrage par le pédalage</translation>
    </message>
    <message>
        <source>Level 1: </source>
        <translation>Niveau 1&#x202f;: </translation>
    </message>
    <message>
        <source>Level 2: </source>
        <translation>Niveau 2&#x202f;: </translation>
    </message>
    <message>
        <source>Level 3: </source>
        <translation>Niveau 3&#x202f;: </translation>
    </message>
    <message>
        <source>Level 4: </source>
        <translation>Niveau 4&#x202f;: </translation>
    </message>
    <message>
        <source>Level 5: </source>
        <translation>Niveau 5&#x202f;: </translation>
    </message>
    <message>
        <source>Level 6: </source>
        <translation>Niveau 6&#x202f;: </translation>
    </message>
    <message>
        <source>Level 7: </source>
        <translation>Niveau 7&#x202f;: </translation>
    </message>
    <message>
        <source>Level 8: </source>
        <translation>Niveau 8&#x202f;: </translation>
    </message>
    <message>
        <source>Level 9: </source>
        <translation>Niveau 9&#x202f;: </translation>
    </message>
    <message>
        <source>Limit speed</source>
        <extracomment>the assist levels limit the speed</extracomment>
        <translation>Limiter la vitesse</translation>
    </message>
    <message>
        <source>Limit current</source>
        <extracomment>the assist levels limit the current</extracomment>
        <translation>Limiter le courant</translation>
    </message>
    <message>
        <source>Walk assist: </source>
        <translation>Aide piéton&#x202f;: </translation>
    </message>
    <message>
        <source>Work together with throttle</source>
        <extracomment>the pedal sensor works together with the throttle</extracomment>
        <translation>Fonctionne avec l&apos;accélérateur</translation>
    </message>
    <message>
        <source>Hall sensor</source>
        <extracomment>the motor&apos;s Hall sensors: 120 degree, 60 degree or none</extracomment>
        <translation>Capteurs Hall</translation>
    </message>
    <message>
        <source>120° Sensors</source>
        <translation>Hall 120°</translation>
    </message>
    <message>
        <source>60° Sensors</source>
        <translation>Hall 60°</translation>
    </message>
    <message>
        <source>Sensorless</source>
        <translation>Sans capteurs</translation>
    </message>
    <message>
        <source>Rotation direction</source>
        <extracomment>a hub motor with or without a freewheel (one-way clutch) inside</extracomment>
        <translation>Roue libre</translation>
    </message>
    <message>
        <source>One way clutch</source>
        <translation>Avec roue libre</translation>
    </message>
    <message>
        <source>Without clutch</source>
        <translation>Sans roue libre</translation>
    </message>
    <message>
        <source>Rated voltage: </source>
        <translation>Tension nominale&#x202f;: </translation>
    </message>
    <message>
        <source>Rated power: </source>
        <translation>Puissance nominale&#x202f;: </translation>
    </message>
    <message>
        <source>W</source>
        <extracomment>unit: watt</extracomment>
        <translation>W</translation>
    </message>
    <message>
        <source>No. of pole-pairs: </source>
        <translation>Paires de pôles&#x202f;: </translation>
    </message>
    <message>
        <source>No-load speed: </source>
        <translation>Vitesse à vide&#x202f;: </translation>
    </message>
    <message>
        <source>rpm</source>
        <extracomment>unit: revolutions per minute</extracomment>
        <translation>tr/min</translation>
    </message>
    <message>
        <source>Reduction ratio: </source>
        <extracomment>the motor&apos;s gear ratio, shown as &quot;[8] :1&quot;</extracomment>
        <translation>Rapport de réduction&#x202f;: </translation>
    </message>
    <message>
        <source>:1</source>
        <extracomment>after the reduction ratio&apos;s field: &quot;[8] :1&quot;</extracomment>
        <translation>:1</translation>
    </message>
    <message>
        <source>Stator resistance: </source>
        <translation>Résistance du stator&#x202f;: </translation>
    </message>
    <message>
        <source>mOhm</source>
        <extracomment>unit: milliohm</extracomment>
        <translation>mOhm</translation>
    </message>
    <message>
        <source>Stator inductance: </source>
        <translation>Inductance du stator&#x202f;: </translation>
    </message>
    <message>
        <source>mH</source>
        <extracomment>unit: millihenry</extracomment>
        <translation>mH</translation>
    </message>
    <message>
        <source>Max phase current:</source>
        <translation>Courant de phase max.&#x202f;:</translation>
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
        <translation>aimants</translation>
    </message>
</context>
<context>
    <name>Plausibility</name>
    <message>
        <source>%1 to %2 for %3 cells (rated voltage %4)</source>
        <extracomment>%1 the least and %2 the largest cut-off voltage with their unit (&quot;28.0 V&quot;, &quot;36.0 V&quot;), %3 the number of cells in series (&quot;10&quot;), %4 the rated voltage with its unit (&quot;36 V&quot;)</extracomment>
        <translation>%1 à %2 pour %3 cellules (tension nominale %4)</translation>
    </message>
    <message>
        <source>at most %1, the value of %2</source>
        <extracomment>%1 a value with its unit (&quot;30 A&quot;), %2 the caption of the field that holds it (&quot;Max phase current&quot;)</extracomment>
        <translation>au plus %1, la valeur de %2</translation>
    </message>
    <message>
        <source>below %1, the value of %2</source>
        <extracomment>%1 a value with its unit (&quot;3.4 V&quot;), %2 the caption of the field that holds it (&quot;Full&quot;)</extracomment>
        <translation>en dessous de %1, la valeur de %2</translation>
    </message>
    <message>
        <source>above %1, the value of %2</source>
        <extracomment>%1 a value with its unit (&quot;50 %&quot;), %2 the caption of the field that holds it (&quot;Level 2&quot;)</extracomment>
        <translation>au-dessus de %1, la valeur de %2</translation>
    </message>
    <message>
        <source>%1 at the top level in use</source>
        <extracomment>what the last assist level in use should be: %1 &quot;100 %&quot;</extracomment>
        <translation>%1 au niveau le plus haut utilisé</translation>
    </message>
    <message>
        <source>%1: %2 (plausible: %3)</source>
        <extracomment>one warning: %1 the field&apos;s caption, %2 its value with its unit, %3 what would fit (&quot;at least 1&quot;)</extracomment>
        <translation>%1&#x202f;: %2 (plausible&#x202f;: %3)</translation>
    </message>
    <message>
        <source>These values hardly fit a bike or each other:</source>
        <extracomment>above the list of warnings in the question before a write and in a check&apos;s report</extracomment>
        <translation>Ces valeurs conviennent mal à un vélo ou entre elles&#x202f;:</translation>
    </message>
    <message>
        <source>Warning on %1</source>
        <extracomment>what a screen reader calls the small warning sign beside a field; %1 the field&apos;s caption</extracomment>
        <translation>Avertissement sur %1</translation>
    </message>
</context>
<context>
    <name>Profiles</name>
    <message>
        <source>Pro&amp;files</source>
        <extracomment>File &gt; Profiles: the submenu listing the configurations kept under a name</extracomment>
        <translation>&amp;Profils</translation>
    </message>
    <message>
        <source>Save as Profi&amp;le…</source>
        <translation>Enregistrer comme pro&amp;fil…</translation>
    </message>
    <message>
        <source>No Profiles Yet</source>
        <extracomment>File &gt; Profiles while there is none</extracomment>
        <translation>Aucun profil pour l&apos;instant</translation>
    </message>
    <message>
        <source>Save as Profile</source>
        <translation>Enregistrer comme profil</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>N&amp;ote:</source>
        <translation>N&amp;ote :</translation>
    </message>
    <message>
        <source>The window&apos;s values are kept under this name, for example for a battery or a bike model; File &gt; Profiles puts them back into the window.</source>
        <extracomment>under the fields of the profile dialog</extracomment>
        <translation>Les valeurs de la fenêtre sont gardées sous ce nom, par exemple pour une batterie ou un modèle de vélo ; Fichier &gt; Profils les remet dans la fenêtre.</translation>
    </message>
    <message>
        <source>A profile named &quot;%1&quot; exists already. Replace it?</source>
        <extracomment>%1 the profile&apos;s name</extracomment>
        <translation>Un profil nommé « %1 » existe déjà. Le remplacer ?</translation>
    </message>
    <message>
        <source>A profile needs a name.</source>
        <translation>Un profil a besoin d&apos;un nom.</translation>
    </message>
    <message>
        <source>A profile&apos;s name has at most %1 characters.</source>
        <extracomment>%1 the largest number of characters</extracomment>
        <translation>Le nom d&apos;un profil a au plus %1 caractères.</translation>
    </message>
    <message>
        <source>A profile&apos;s name cannot hold %1 or control characters: &quot;%2&quot;.</source>
        <extracomment>%1 the characters refused, %2 the name given</extracomment>
        <translation>Le nom d&apos;un profil ne peut contenir ni %1 ni caractères de contrôle : « %2 ».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a file on every system: a profile&apos;s name must not begin with a dot or a blank, end with a dot or a blank, or be a device name such as CON or NUL.</source>
        <extracomment>%1 the name given; CON and NUL are names Windows keeps for devices</extracomment>
        <translation>« %1 » ne peut pas nommer un fichier sur tous les systèmes : le nom d&apos;un profil ne doit ni commencer ni finir par un point ou une espace, ni être un nom de périphérique comme CON ou NUL.</translation>
    </message>
    <message>
        <source>No profile is named &quot;%1&quot;.</source>
        <extracomment>%1 the name given</extracomment>
        <translation>Aucun profil ne s&apos;appelle « %1 ».</translation>
    </message>
</context>
<context>
    <name>Register</name>
    <message>
        <source>Not recorded in the register: %1</source>
        <extracomment>%1 why the operation was not recorded (one of the texts below, or the database&apos;s own)</extracomment>
        <translation>Non enregistré dans le registre : %1</translation>
    </message>
    <message>
        <source>this build keeps no register (it was made without Qt SQL).</source>
        <extracomment>the program was built without the database module; Qt SQL is the name of that module</extracomment>
        <translation>cette version ne tient pas de registre (elle a été construite sans Qt SQL).</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <extracomment>%1 the register&apos;s path, %2 the database&apos;s reason</extracomment>
        <translation>%1 ne peut pas être ouvert : %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <extracomment>%1 the register&apos;s path, %2 the database&apos;s reason</extracomment>
        <translation>%1 ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <extracomment>%1 the register&apos;s path, %2 the database&apos;s reason</extracomment>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>%1 was made by a newer version of the tool (schema %2, this one knows %3).</source>
        <extracomment>%1 the register&apos;s path, %2 the schema version in the file, %3 the newest this version knows</extracomment>
        <translation>%1 a été créé par une version plus récente de l&apos;outil (schéma %2, celle-ci connaît %3).</translation>
    </message>
    <message>
        <source>%1 names no shop server: give postgresql://USER@HOST[:PORT]/DB.</source>
        <extracomment>%1 what was given; keep postgresql://USER@HOST[:PORT]/DB as it is</extracomment>
        <translation>%1 ne désigne aucun serveur d&apos;atelier : indiquez postgresql://USER@HOST[:PORT]/DB.</translation>
    </message>
    <message>
        <source>%1 carries a password, which is never taken from there: give the address without it and put the password in ~/.pgpass or PGPASSWORD.</source>
        <extracomment>%1 the address with the password left out; keep ~/.pgpass and PGPASSWORD as they are</extracomment>
        <translation>%1 contient un mot de passe, qui n&apos;est jamais pris à cet endroit : indiquez l&apos;adresse sans lui et placez le mot de passe dans ~/.pgpass ou PGPASSWORD.</translation>
    </message>
    <message>
        <source>the shop server is not available in this build (Qt&apos;s PostgreSQL driver QPSQL is missing).</source>
        <extracomment>QPSQL is the name of Qt&apos;s PostgreSQL driver</extracomment>
        <translation>le serveur d&apos;atelier n&apos;est pas disponible dans cette version (le pilote PostgreSQL de Qt, QPSQL, est absent).</translation>
    </message>
    <message>
        <source>The shop&apos;s register on %1.</source>
        <extracomment>%1 the server&apos;s address</extracomment>
        <translation>Le registre de l&apos;atelier sur %1.</translation>
    </message>
    <message>
        <source>Only this bench&apos;s records: the shop server cannot be reached. %1</source>
        <extracomment>%1 why the server cannot be reached</extracomment>
        <translation>Seuls les enregistrements de ce poste : le serveur d&apos;atelier est injoignable. %1</translation>
    </message>
    <message>
        <source>Recorded on this bench; it goes to the shop server once it can be reached: %1</source>
        <extracomment>%1 why the server cannot be reached now (naming it)</extracomment>
        <translation>Enregistré sur ce poste ; l&apos;enregistrement ira au serveur d&apos;atelier dès qu&apos;il sera joignable : %1</translation>
    </message>
</context>
<context>
    <name>RoadCheck</name>
    <message>
        <source>only with pedalling: %1 or %2, or %3 cleared</source>
        <extracomment>%1 and %2 the working styles &quot;Together with pedal sensor&quot; and &quot;Start by pedal sensor&quot;, %3 the check box &quot;Use throttle&quot;</extracomment>
        <translation>seulement en pédalant&#x202f;: %1 ou %2, ou %3 décoché</translation>
    </message>
    <message>
        <source>%1, so it assists up to %2</source>
        <extracomment>%1 the wheel perimeter with its unit (&quot;2000 mm&quot;), %2 a speed with its unit (&quot;27.4 km/h&quot;)</extracomment>
        <translation>%1, donc l&apos;assistance va jusqu&apos;à %2</translation>
    </message>
    <message>
        <source>%1, so it assists at any speed</source>
        <extracomment>%1 the wheel perimeter with its unit, &quot;0 mm&quot;: the controller cannot measure the speed</extracomment>
        <translation>%1, donc l&apos;assistance agit à toute vitesse</translation>
    </message>
    <message>
        <source>at least %1: the tire %2 rolls %3 a turn</source>
        <extracomment>%1 the least wheel perimeter (&quot;2128 mm&quot;), %2 the tire (&quot;57-584&quot;), %3 how far it rolls in one turn of the wheel (&quot;2193 mm&quot;)</extracomment>
        <translation>au moins %1&#x202f;: le pneu %2 roule %3 par tour</translation>
    </message>
    <message>
        <source>throttle also without pedalling</source>
        <translation>accélérateur aussi sans pédaler</translation>
    </message>
    <message>
        <source>throttle only while pedalling</source>
        <translation>accélérateur seulement en pédalant</translation>
    </message>
    <message>
        <source>Road class: %1</source>
        <extracomment>%1 the road class&apos;s name</extracomment>
        <translation>Classe routière&#x202f;: %1</translation>
    </message>
    <message>
        <source>Tire: %1, %2 a turn</source>
        <extracomment>%1 the tire (&quot;57-584&quot;), %2 how far it rolls in one turn of the wheel (&quot;2193 mm&quot;)</extracomment>
        <translation>Pneu&#x202f;: %1, %2 par tour</translation>
    </message>
    <message>
        <source>These values break the road class %1:</source>
        <extracomment>%1 the road class&apos;s name, &quot;EU / UK pedelec (EN 15194)&quot;</extracomment>
        <translation>Ces valeurs enfreignent la classe routière %1&#x202f;:</translation>
    </message>
    <message>
        <source>The settings keep to the road class %1.</source>
        <extracomment>%1 the road class&apos;s name</extracomment>
        <translation>Les réglages respectent la classe routière %1.</translation>
    </message>
    <message>
        <source>No road class chosen.</source>
        <translation>Aucune classe routière choisie.</translation>
    </message>
    <message>
        <source>No tire given: the wheel perimeter is not checked.</source>
        <extracomment>the tire was not given, so the wheel perimeter is not checked</extracomment>
        <translation>Aucun pneu indiqué&#x202f;: la circonférence de roue n&apos;est pas vérifiée.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no tire size. Give its ETRTO size, width and bead seat diameter in millimetres (57-584), or a common size such as 26x2.1.</source>
        <extracomment>%1 what was given; keep 57-584 and 26x2.1 as they are</extracomment>
        <translation>«&#x202f;%1&#x202f;» n&apos;est pas une taille de pneu. Indiquez sa taille ETRTO, largeur et diamètre de talon en millimètres (57-584), ou une taille courante comme 26x2.1.</translation>
    </message>
    <message>
        <source>%1, and there is no speed limit: it assists at any speed</source>
        <extracomment>%1 the wheel perimeter with its unit; &quot;Limit max speed&quot; is cleared, so nothing cuts the motor off</extracomment>
        <translation>%1, et il n&apos;y a pas de limite de vitesse&#x202f;: l&apos;assistance agit à toute vitesse</translation>
    </message>
    <message>
        <source>%1, so the speedometer reads %2 % slow</source>
        <extracomment>%1 the wheel perimeter with its unit (&quot;2074 mm&quot;), %2 how many per cent too slow it shows the speed (&quot;5&quot;)</extracomment>
        <translation>%1, donc le compteur affiche %2&#x202f;% de moins</translation>
    </message>
    <message>
        <source>%1, so the speedometer reads %2 % fast</source>
        <extracomment>%1 the wheel perimeter with its unit (&quot;2400 mm&quot;), %2 how many per cent too fast it shows the speed (&quot;16&quot;)</extracomment>
        <translation>%1, donc le compteur affiche %2&#x202f;% de plus</translation>
    </message>
    <message>
        <source>%1 to %2: the tire %3 rolls %4 a turn</source>
        <extracomment>the perimeters that show the speed true to 3 %: %1 the least (&quot;2128 mm&quot;), %2 the largest (&quot;2258 mm&quot;), %3 the tire (&quot;57-584&quot;), %4 how far it rolls in one turn of the wheel (&quot;2193 mm&quot;)</extracomment>
        <translation>%1 à %2&#x202f;: le pneu %3 roule %4 par tour</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <extracomment>one note: %1 the field&apos;s caption, %2 its value as a note says it, %3 the perimeters that read true</extracomment>
        <translation>%1&#x202f;: %2 (%3)</translation>
    </message>
    <message>
        <source>Worth knowing, though it does not break the class:</source>
        <extracomment>above the notes of a check, after the line that says whether the class is kept</extracomment>
        <translation>Bon à savoir, même si cela n&apos;enfreint pas la classe&#x202f;:</translation>
    </message>
</context>
<context>
    <name>RoadClasses</name>
    <message>
        <source>EU / UK pedelec (EN 15194)</source>
        <extracomment>the European and British class of pedal-assist bikes; keep EN 15194</extracomment>
        <translation>VAE UE / R.-U. (EN 15194)</translation>
    </message>
    <message>
        <source>US class 1</source>
        <extracomment>US class 1: pedal assist only, up to 20 mph</extracomment>
        <translation>États-Unis classe 1</translation>
    </message>
    <message>
        <source>US class 2</source>
        <extracomment>US class 2: throttle allowed, up to 20 mph</extracomment>
        <translation>États-Unis classe 2</translation>
    </message>
    <message>
        <source>US class 3</source>
        <extracomment>US class 3: pedal assist only, up to 28 mph</extracomment>
        <translation>États-Unis classe 3</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canada</translation>
    </message>
    <message>
        <source>Australia pedalec</source>
        <extracomment>&quot;pedalec&quot; is the Australian rules&apos; own word for a pedal-assist bike</extracomment>
        <translation>Australie pedalec</translation>
    </message>
</context>
<context>
    <name>SafetyDialogs</name>
    <message>
        <source>Parameter</source>
        <translation>Paramètre</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Window</source>
        <extracomment>column heading: the value the window shows</extracomment>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <source>Controller</source>
        <extracomment>column heading: the value the controller holds</extracomment>
        <translation>Contrôleur</translation>
    </message>
    <message>
        <source>Written</source>
        <extracomment>column heading: the value that was written to the controller</extracomment>
        <translation>Écrit</translation>
    </message>
    <message>
        <source>Held by the controller</source>
        <extracomment>column heading: the value the controller holds after the write</extracomment>
        <translation>Lu dans le contrôleur</translation>
    </message>
    <message>
        <source>Compare with Controller</source>
        <translation>Comparer avec le contrôleur</translation>
    </message>
    <message>
        <source>These parameters differ between the window and the controller:</source>
        <translation>Ces paramètres diffèrent entre la fenêtre et le contrôleur&#x202f;:</translation>
    </message>
    <message>
        <source>The controller holds the window&apos;s settings.</source>
        <translation>Le contrôleur contient déjà les réglages de la fenêtre.</translation>
    </message>
    <message>
        <source>&amp;Load Controller&apos;s Values</source>
        <translation>&amp;Charger les valeurs du contrôleur</translation>
    </message>
    <message>
        <source>&amp;Write Window&apos;s Values</source>
        <translation>Écrire les &amp;valeurs de la fenêtre</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Restaurer une sauvegarde</translation>
    </message>
    <message>
        <source>Choose a backup to load into the window. The controller does not change until you write the settings.</source>
        <translation>Choisissez une sauvegarde à charger dans la fenêtre. Le contrôleur reste inchangé tant que vous n&apos;y écrivez pas les réglages.</translation>
    </message>
    <message>
        <source>Taken</source>
        <extracomment>column heading: when the backup was taken</extracomment>
        <translation>Créée le</translation>
    </message>
    <message>
        <source>Parameters that differ from the window</source>
        <translation>Paramètres différents de la fenêtre</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Charger</translation>
    </message>
    <message>
        <source>There are no backups yet. A backup of the controller&apos;s settings is taken before every write.</source>
        <translation>Aucune sauvegarde pour l&apos;instant. Une sauvegarde des réglages du contrôleur est faite avant chaque écriture.</translation>
    </message>
    <message>
        <source>Write that followed</source>
        <extracomment>column heading: how the write that followed the backup ended</extracomment>
        <translation>Écriture qui a suivi</translation>
    </message>
    <message>
        <source>Note</source>
        <extracomment>column heading: &quot;Taken after an interrupted write&quot;, or nothing</extracomment>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>A backup taken after an interrupted write may hold part of that write&apos;s values. To undo the interrupted write, load the newest backup without that note.</source>
        <translation>Une sauvegarde faite après une écriture interrompue peut contenir une partie des valeurs de cette écriture. Pour annuler l&apos;écriture interrompue, chargez la sauvegarde la plus récente sans cette remarque.</translation>
    </message>
    <message>
        <source>Values Outside the Limits</source>
        <translation>Valeurs hors limites</translation>
    </message>
    <message>
        <source>Write anyway?</source>
        <translation>Écrire quand même&#x202f;?</translation>
    </message>
    <message>
        <source>&amp;Write Anyway</source>
        <translation>É&amp;crire quand même</translation>
    </message>
    <message>
        <source>Unreadable</source>
        <extracomment>in the differences column of a backup file that cannot be loaded (empty or damaged)</extracomment>
        <translation>Illisible</translation>
    </message>
    <message>
        <source>&amp;Compare with Controller…</source>
        <translation>&amp;Comparer avec le contrôleur…</translation>
    </message>
    <message>
        <source>Back &amp;Up Before Write</source>
        <translation>&amp;Sauvegarder avant l&apos;écriture</translation>
    </message>
    <message>
        <source>&amp;Verify After Write</source>
        <translation>&amp;Vérifier après l&apos;écriture</translation>
    </message>
    <message>
        <source>Restore &amp;Backup…</source>
        <translation>Restaurer une s&amp;auvegarde…</translation>
    </message>
    <message>
        <source>%1 (no. %2)</source>
        <extracomment>when more than one backup was taken in the same second: %1 the date and time, %2 the backup&apos;s place among them (1 the first); &quot;14.03.26 09:30:01 (no. 2)&quot;</extracomment>
        <translation>%1 (n° %2)</translation>
    </message>
    <message>
        <source>Implausible Values</source>
        <extracomment>the title of the question before a write when only implausible values are listed</extracomment>
        <translation>Valeurs invraisemblables</translation>
    </message>
</context>
<context>
    <name>SettingsJson</name>
    <message>
        <source>This is no JSON (at byte %1: %2).</source>
        <extracomment>%1 where the JSON breaks (a byte offset), %2 the parser&apos;s reason (English)</extracomment>
        <translation>Ce n&apos;est pas du JSON (à l&apos;octet %1 : %2).</translation>
    </message>
    <message>
        <source>This JSON holds no settings: its &quot;format&quot; is not &quot;vexlor-settings&quot;.</source>
        <extracomment>keep &quot;format&quot; and vexlor-settings as they are: they are written so in the file</extracomment>
        <translation>Ce JSON ne contient pas de réglages : son &quot;format&quot; n&apos;est pas &quot;vexlor-settings&quot;.</translation>
    </message>
    <message>
        <source>These settings are of version %1; this tool reads version %2 and older.</source>
        <extracomment>%1 the version the file names, %2 the newest this tool reads</extracomment>
        <translation>Ces réglages sont de la version %1 ; cet outil lit la version %2 et les précédentes.</translation>
    </message>
    <message>
        <source>Unknown member &quot;%1&quot;.</source>
        <extracomment>%1 the member as the file spells it; keep &quot;parameters&quot; and &quot;name&quot; as they are</extracomment>
        <translation>Membre inconnu &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;parameters&quot; must be a list of objects, each with a &quot;name&quot; and a &quot;value&quot;.</source>
        <extracomment>keep &quot;parameters&quot;, &quot;name&quot; and &quot;value&quot; as they are: they are written so in the file</extracomment>
        <translation>&quot;parameters&quot; doit être une liste d&apos;objets, chacun avec &quot;name&quot; et &quot;value&quot;.</translation>
    </message>
    <message>
        <source>Unknown parameter &quot;%1&quot;.</source>
        <extracomment>%1 the parameter&apos;s name as the file spells it</extracomment>
        <translation>Paramètre inconnu &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 is given twice.</source>
        <extracomment>%1 the parameter&apos;s name</extracomment>
        <translation>%1 est donné deux fois.</translation>
    </message>
    <message>
        <source>%1 is missing.</source>
        <extracomment>%1 the parameter&apos;s name</extracomment>
        <translation>%1 manque.</translation>
    </message>
    <message>
        <source>%1: %2 is of the wrong type; expected %3.</source>
        <extracomment>%1 the parameter&apos;s name, %2 the value as the file holds it, %3 what is expected instead</extracomment>
        <translation>%1 : %2 est d&apos;un type erroné ; attendu : %3.</translation>
    </message>
    <message>
        <source>a number</source>
        <extracomment>what a field&apos;s value must be: a number, in quotes or not</extracomment>
        <translation>un nombre</translation>
    </message>
    <message>
        <source>true or false</source>
        <extracomment>keep true and false as they are: they are written so in the file</extracomment>
        <translation>true ou false</translation>
    </message>
    <message>
        <source>0 or 1</source>
        <translation>0 ou 1</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>un nombre entier</translation>
    </message>
    <message>
        <source>%1: the unit %2 is not the field&apos;s unit &quot;%3&quot;.</source>
        <extracomment>%1 the parameter&apos;s name, %2 the unit the file names, %3 the field&apos;s unit</extracomment>
        <translation>%1 : l&apos;unité %2 n&apos;est pas celle du champ, &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>%1: %2 holds characters a configuration file cannot keep.</source>
        <extracomment>%1 the parameter&apos;s name, %2 the value; a .vxc file holds 8-bit (Latin-1) text only</extracomment>
        <translation>%1 : %2 contient des caractères qu&apos;un fichier de configuration ne peut pas garder.</translation>
    </message>
    <message>
        <source>%1: %2 is beyond the field&apos;s limits (allowed: %3).</source>
        <extracomment>%1 the parameter&apos;s name, %2 the value, %3 the allowed range (&quot;at most 30.0 A&quot;)</extracomment>
        <translation>%1 : %2 est hors des limites du champ (autorisé : %3).</translation>
    </message>
    <message>
        <source>The fingerprint %1 does not belong to these values (they give %2): the file was changed after it was written. Remove the fingerprint to take the changed values.</source>
        <extracomment>%1 the fingerprint in the file, %2 the one of its values</extracomment>
        <translation>L&apos;empreinte %1 ne correspond pas à ces valeurs (elles donnent %2) : le fichier a été modifié après avoir été écrit. Retirez l&apos;empreinte pour prendre les valeurs modifiées.</translation>
    </message>
</context>
<context>
    <name>SettingsSheet</name>
    <message>
        <source>Settings Sheet</source>
        <translation>Fiche de réglages</translation>
    </message>
    <message>
        <source>Document: %1</source>
        <extracomment>%1 the configuration file&apos;s name, &quot;bike.vxc&quot;</extracomment>
        <translation>Document&#x202f;: %1</translation>
    </message>
    <message>
        <source>Document: not saved to a file</source>
        <translation>Document&#x202f;: non enregistré dans un fichier</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <extracomment>%1 the date in the user&apos;s language</extracomment>
        <translation>Date&#x202f;: %1</translation>
    </message>
    <message>
        <source>Made with: %1</source>
        <extracomment>%1 the tool&apos;s name and version, &quot;Vexlor Adjustor 1.35&quot;</extracomment>
        <translation>Réalisé avec&#x202f;: %1</translation>
    </message>
    <message>
        <source>Controller software version: v%1</source>
        <extracomment>%1 the controller&apos;s software version such as 1-35, after the letter v</extracomment>
        <translation>Version logicielle du contrôleur&#x202f;: v%1</translation>
    </message>
    <message>
        <source>Fingerprint</source>
        <extracomment>a short mark of the whole configuration, such as 3F2A-91C0, shown above it</extracomment>
        <translation>Empreinte</translation>
    </message>
    <message>
        <source>Assist levels</source>
        <extracomment>the title of a bar chart of the nine assist levels&apos; limits, in percent</extracomment>
        <translation>Niveaux d&apos;assistance</translation>
    </message>
    <message>
        <source>Road class check</source>
        <translation>Vérification de la classe routière</translation>
    </message>
    <message>
        <source>Bike shop: date and signature</source>
        <extracomment>under the line where the bike shop signs</extracomment>
        <translation>Vélociste&#x202f;: date et signature</translation>
    </message>
    <message>
        <source>Customer: date and signature</source>
        <extracomment>under the line where the customer signs</extracomment>
        <translation>Client&#x202f;: date et signature</translation>
    </message>
    <message>
        <source>Values: the window&apos;s, not saved to a file</source>
        <extracomment>in place of the document&apos;s name when the values were changed after it was opened or saved</extracomment>
        <translation>Valeurs&#x202f;: celles de la fenêtre, non enregistrées dans un fichier</translation>
    </message>
    <message>
        <source>%1 is not a PDF file, and a settings sheet replaces no other file. Choose another name.</source>
        <extracomment>%1 the path of a file that is not a PDF, such as a configuration</extracomment>
        <translation>%1 n&apos;est pas un fichier PDF, et une fiche de réglages ne remplace aucun autre fichier. Choisissez un autre nom.</translation>
    </message>
    <message>
        <source>Units: %1</source>
        <extracomment>%1 the units speeds are shown in: &quot;Metric (km/h)&quot; or &quot;Imperial (mph)&quot;</extracomment>
        <translation>Unités : %1</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Limit max speed</source>
        <extracomment>the caption of the window&apos;s check box &quot;Limit max speed&quot; in the list of proposed values</extracomment>
        <translation>Limiter la vitesse max.</translation>
    </message>
    <message>
        <source>%1 cells × 3.15 V, rounded up: stops before the cells run too low</source>
        <extracomment>why a low voltage protection: %1 the battery&apos;s cells in series (&quot;13&quot;); keep it short</extracomment>
        <translation>%1 cellules × 3,15 V, arrondi au-dessus&#x202f;: coupe avant que les cellules ne se vident trop</translation>
    </message>
    <message>
        <source>as printed on the motor</source>
        <translation>tel qu&apos;indiqué sur le moteur</translation>
    </message>
    <message>
        <source>the battery&apos;s nominal voltage, %1</source>
        <extracomment>%1 the battery&apos;s nominal voltage with its unit (&quot;48 V&quot;)</extracomment>
        <translation>la tension nominale de la batterie, %1</translation>
    </message>
    <message>
        <source>as printed on the motor; it does not fit the battery&apos;s %1</source>
        <extracomment>%1 the battery&apos;s nominal voltage (&quot;48 V&quot;): the motor&apos;s rated voltage differs from it</extracomment>
        <translation>tel qu&apos;indiqué sur le moteur ; ne correspond pas aux %1 de la batterie</translation>
    </message>
    <message>
        <source>the BMS&apos;s continuous current</source>
        <translation>le courant continu du BMS</translation>
    </message>
    <message>
        <source>the BMS gives %1, the field allows at most %2</source>
        <extracomment>%1 the BMS&apos;s continuous current (&quot;40.0 A&quot;), %2 the most the field allows (&quot;30.0 A&quot;)</extracomment>
        <translation>le BMS fournit %1, le champ autorise au plus %2</translation>
    </message>
    <message>
        <source>the BMS gives %1, but never more than the max phase current, %2</source>
        <extracomment>%1 the BMS&apos;s continuous current (&quot;25.0 A&quot;), %2 the motor&apos;s max phase current (&quot;20 A&quot;)</extracomment>
        <translation>le BMS fournit %1, mais jamais plus que le courant de phase max., %2</translation>
    </message>
    <message>
        <source>the limit of %1</source>
        <extracomment>%1 the road class&apos;s name</extracomment>
        <translation>la limite de %1</translation>
    </message>
    <message>
        <source>so the controller keeps to the speed limit</source>
        <translation>pour que le contrôleur respecte la limite de vitesse</translation>
    </message>
    <message>
        <source>%1 allows a throttle only while pedalling</source>
        <extracomment>%1 the road class&apos;s name</extracomment>
        <translation>%1 n&apos;autorise l&apos;accélérateur qu&apos;en pédalant</translation>
    </message>
    <message>
        <source>%1 allows it</source>
        <extracomment>%1 the road class&apos;s name</extracomment>
        <translation>%1 l&apos;autorise</translation>
    </message>
    <message>
        <source>the tire %1 rolls %2 a turn</source>
        <extracomment>%1 the tire (&quot;57-584&quot;), %2 how far it rolls in one turn of the wheel (&quot;2193 mm&quot;)</extracomment>
        <translation>le pneu %1 parcourt %2 par tour</translation>
    </message>
    <message>
        <source>the levels the rider wants</source>
        <translation>les niveaux que veut le cycliste</translation>
    </message>
    <message>
        <source>level %1 of %2, rising to 100 % at the top</source>
        <extracomment>%1 the level&apos;s number, %2 how many levels are in use</extracomment>
        <translation>niveau %1 sur %2, montant jusqu&apos;à 100 % au plus haut</translation>
    </message>
    <message>
        <source>as printed on the motor; the motor does not fit %1 (%2)</source>
        <extracomment>%1 the road class&apos;s name, %2 what it allows (&quot;at most 250 W&quot;)</extracomment>
        <translation>tel qu&apos;indiqué sur le moteur ; le moteur ne convient pas à %1 (%2)</translation>
    </message>
    <message>
        <source>as set; it does not fit %1 (%2)</source>
        <extracomment>the motor&apos;s power was not given and the one set does not fit: %1 the class&apos;s name, %2 &quot;at most 250 W&quot;</extracomment>
        <translation>tel que réglé ; ne convient pas à %1 (%2)</translation>
    </message>
    <message>
        <source>0 counts nothing: the initial value</source>
        <translation>0 ne compte rien&#x202f;: la valeur initiale</translation>
    </message>
    <message>
        <source>the start voltage must stay below the full voltage: the initial value</source>
        <translation>la tension de départ doit rester sous la tension maximale&#x202f;: la valeur initiale</translation>
    </message>
</context>
<context>
    <name>SetupWizard</name>
    <message>
        <source>not known</source>
        <extracomment>a motor value the rider has not found printed on the motor</extracomment>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batterie</translation>
    </message>
    <message>
        <source>As printed on the battery and on its BMS.</source>
        <translation>Tel qu&apos;indiqué sur la batterie et sur son BMS.</translation>
    </message>
    <message>
        <source>other</source>
        <extracomment>the battery&apos;s nominal voltage is none of those listed: its cells are given below</extracomment>
        <translation>autre</translation>
    </message>
    <message>
        <source>Nominal voltage:</source>
        <extracomment>the voltage the battery is sold by: 24, 36, 48 or 52 V</extracomment>
        <translation>Tension nominale&#x202f;:</translation>
    </message>
    <message>
        <source>Cells in series:</source>
        <translation>Cellules en série&#x202f;:</translation>
    </message>
    <message>
        <source>BMS continuous current:</source>
        <extracomment>the current the battery&apos;s management system (BMS) gives without a break</extracomment>
        <translation>Courant continu du BMS&#x202f;:</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Moteur</translation>
    </message>
    <message>
        <source>As printed on the motor. What is not known stays as it is.</source>
        <translation>Tel qu&apos;indiqué sur le moteur. Ce qui est inconnu reste tel quel.</translation>
    </message>
    <message>
        <source>Wheel and road</source>
        <translation>Roue et route</translation>
    </message>
    <message>
        <source>The tire as printed on it, the road class the bike keeps to, and the assist levels the rider wants.</source>
        <translation>Le pneu tel qu&apos;indiqué dessus, la classe routière que respecte le vélo et les niveaux d&apos;assistance que veut le cycliste.</translation>
    </message>
    <message>
        <source>Proposed values</source>
        <translation>Valeurs proposées</translation>
    </message>
    <message>
        <source>Apply puts the ticked values into the window. Only Write sends them to the controller.</source>
        <translation>Appliquer place les valeurs cochées dans la fenêtre. Seule l&apos;écriture les envoie au contrôleur.</translation>
    </message>
    <message>
        <source>Setting</source>
        <extracomment>the columns of the proposed values: the field, its value now, the value proposed, why</extracomment>
        <translation>Réglage</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Actuel</translation>
    </message>
    <message>
        <source>Proposed</source>
        <translation>Proposé</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Pourquoi</translation>
    </message>
    <message>
        <source>Not every part fits %1: the rows say which.</source>
        <translation>Toutes les pièces ne conviennent pas à %1&#x202f;: les lignes disent lesquelles.</translation>
    </message>
    <message>
        <source>New Bike Setup</source>
        <extracomment>the window title of File &gt; New Bike Setup…</extracomment>
        <translation>Configurer un nouveau vélo</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <extracomment>the last page&apos;s button that puts the ticked values into the window (nothing is sent)</extracomment>
        <translation>&amp;Appliquer</translation>
    </message>
</context>
<context>
    <name>Shop</name>
    <message>
        <source>None</source>
        <extracomment>the check dialog&apos;s choice of no road class</extracomment>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Check Road Class</source>
        <translation>Vérifier la classe routière</translation>
    </message>
    <message>
        <source>&amp;Road class:</source>
        <translation>&amp;Classe routière&#x202f;:</translation>
    </message>
    <message>
        <source>&amp;Tire:</source>
        <translation>&amp;Pneu&#x202f;:</translation>
    </message>
    <message>
        <source>Road Class Not Kept</source>
        <translation>Classe routière non respectée</translation>
    </message>
    <message>
        <source>Fingerprint %1</source>
        <extracomment>in the status strip: %1 the fingerprint of the controller&apos;s settings, such as 3F2A-91C0</extracomment>
        <translation>Empreinte %1</translation>
    </message>
    <message>
        <source>Fingerprint of the window&apos;s settings: %1
Fingerprint of the controller&apos;s settings: %2</source>
        <extracomment>in the comparison: %1 the fingerprint of the window&apos;s settings, %2 the controller&apos;s</extracomment>
        <translation>Empreinte des réglages de la fenêtre&#x202f;: %1
Empreinte des réglages du contrôleur&#x202f;: %2</translation>
    </message>
    <message>
        <source>Export Settings Sheet</source>
        <translation>Exporter la fiche de réglages</translation>
    </message>
    <message>
        <source>PDF Documents (*.pdf)</source>
        <extracomment>the file dialog&apos;s filter; keep &quot;(*.pdf)&quot; as it is</extracomment>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Roa&amp;d Class</source>
        <extracomment>Connect &gt; Road Class: the submenu of legal classes writes are checked against</extracomment>
        <translation>Classe &amp;routière</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <extracomment>Connect &gt; Road Class &gt; None: writes are checked against no class</extracomment>
        <translation>&amp;Aucune</translation>
    </message>
    <message>
        <source>C&amp;heck Road Class…</source>
        <translation>Vér&amp;ifier la classe routière…</translation>
    </message>
    <message>
        <source>Ex&amp;port Settings Sheet…</source>
        <translation>E&amp;xporter la fiche de réglages…</translation>
    </message>
    <message>
        <source>Fingerprint</source>
        <extracomment>the status strip&apos;s fingerprint label as a screen reader names it</extracomment>
        <translation>Empreinte</translation>
    </message>
    <message>
        <source>The tire&apos;s ETRTO size, width and bead seat diameter in millimetres (57-584), a common size such as 26x2.1, or the size printed on it in inches or French, such as 29x2.6 or 700x38c. Without a tire the wheel perimeter is not checked.</source>
        <extracomment>under the tire field; keep 57-584, 26x2.1, 29x2.6 and 700x38c as they are</extracomment>
        <translation>La taille ETRTO du pneu, largeur et diamètre de talon en millimètres (57-584), une taille courante comme 26x2.1, ou la taille imprimée en pouces ou française, comme 29x2.6 ou 700x38c. Sans pneu, la circonférence de roue n&apos;est pas vérifiée.</translation>
    </message>
    <message>
        <source>Settings sheet saved to %1</source>
        <extracomment>in the status strip once the sheet is written: %1 the sheet&apos;s full path</extracomment>
        <translation>Fiche de réglages enregistrée sous %1</translation>
    </message>
    <message>
        <source>No PDF viewer could be started; settings sheet saved to %1</source>
        <extracomment>in the status strip when the sheet is written but no program opens PDF files: %1 its full path</extracomment>
        <translation>Aucun lecteur PDF n&apos;a pu être lancé&#x202f;; fiche de réglages enregistrée sous %1</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Pedal-assist e-bike drive configuration</source>
        <translation>Configuration de motorisation pour VAE</translation>
    </message>
</context>
<context>
    <name>Transactions</name>
    <message>
        <source>Busy</source>
        <extracomment>status strip, 34 pixels wide: frames are being exchanged with the controller</extracomment>
        <translation>Actif</translation>
    </message>
    <message>
        <source>Idle</source>
        <extracomment>status strip, 34 pixels wide: nothing is being exchanged</extracomment>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Pass</source>
        <extracomment>status strip, 38 pixels wide: the last read or write succeeded</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Fail</source>
        <extracomment>status strip, 38 pixels wide: the last read or write failed</extracomment>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Communication with controller failed!</source>
        <translation>La communication avec le contrôleur a échoué&#x202f;!</translation>
    </message>
    <message>
        <source>Communication with controller interrupted!</source>
        <translation>La communication avec le contrôleur a été interrompue&#x202f;!</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>This error may be caused by controller MCU flash write protection. Please re-program .hex file to the controller with the write option bytes. Read Page 7 of %1</source>
        <extracomment>%1 the programming guide&apos;s file name, ST-LINK_Installation_EN.pdf</extracomment>
        <translation>Cette erreur peut venir de la protection en écriture de la mémoire flash du microcontrôleur du contrôleur. Veuillez reprogrammer le fichier .hex dans le contrôleur en écrivant aussi les octets d&apos;option (option bytes). Voir la page 7 de %1</translation>
    </message>
    <message>
        <source>Configuration of the controller was read successfully.</source>
        <translation>La configuration du contrôleur a bien été lue.</translation>
    </message>
    <message>
        <source>Read controller result</source>
        <translation>Résultat de la lecture du contrôleur</translation>
    </message>
    <message>
        <source>Configuration of the controller was written successfully.</source>
        <translation>La configuration du contrôleur a bien été écrite.</translation>
    </message>
    <message>
        <source>Write controller result</source>
        <translation>Résultat de l&apos;écriture du contrôleur</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>Metric (km/h)</source>
        <extracomment>the Units menu item, and the units a settings sheet names: kilometres per hour</extracomment>
        <translation>Métrique (km/h)</translation>
    </message>
    <message>
        <source>Imperial (mph)</source>
        <extracomment>the Units menu item, and the units a settings sheet names: miles per hour</extracomment>
        <translation>Impérial (mph)</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <extracomment>%1 the text that should have been a number such as 14.5</extracomment>
        <translation>«&#x202f;%1&#x202f;» n&apos;est pas un nombre décimal valide</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <extracomment>%1 the text that should have been a whole number</extracomment>
        <translation>«&#x202f;%1&#x202f;» n&apos;est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>No item is selected for %1: select one of its %2 items.</source>
        <extracomment>%1 a radio group&apos;s title, %2 how many items it has</extracomment>
        <translation>Aucune option choisie pour %1&#x202f;: choisissez l&apos;une de ses %2 options.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is out of range for %2: the controller accepts 0 to less than %3.</source>
        <extracomment>%1 the text typed, %2 the field&apos;s caption, %3 the first value too large</extracomment>
        <translation>«&#x202f;%1&#x202f;» est hors plage pour %2&#x202f;: le contrôleur accepte de 0 à moins de %3.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is out of range for %2: the controller accepts 0 to %3.</source>
        <extracomment>%1 the text typed, %2 the field&apos;s caption, %3 the largest value accepted</extracomment>
        <translation>«&#x202f;%1&#x202f;» est hors plage pour %2&#x202f;: le contrôleur accepte de 0 à %3.</translation>
    </message>
</context>
<context>
    <name>WriteSafety</name>
    <message>
        <source>The controller&apos;s settings could not be kept as a backup, so nothing was written.

%1</source>
        <extracomment>%1 the file&apos;s error, such as &quot;Cannot create file ...&quot;</extracomment>
        <translation>Les réglages du contrôleur n&apos;ont pas pu être sauvegardés, donc rien n&apos;a été écrit.

%1</translation>
    </message>
    <message>
        <source>The configuration was written and stored, but reading it back to check it failed:
%1</source>
        <extracomment>%1 the read&apos;s own message, such as &quot;Communication with controller failed!&quot;</extracomment>
        <translation>La configuration a été écrite et mémorisée, mais la relecture de contrôle a échoué&#x202f;:
%1</translation>
    </message>
    <message>
        <source>The configuration was written and stored, but the controller holds other values than were written:</source>
        <translation>La configuration a été écrite et mémorisée, mais le contrôleur contient d&apos;autres valeurs que celles écrites&#x202f;:</translation>
    </message>
    <message>
        <source>%1: written %2, holds %3</source>
        <extracomment>%1 the field&apos;s caption, %2 the value written, %3 the value the controller holds</extracomment>
        <translation>%1&#x202f;: écrit %2, lu %3</translation>
    </message>
    <message>
        <source>Written, stored and checked</source>
        <translation>Écrite, mémorisée et vérifiée</translation>
    </message>
    <message>
        <source>Written and stored, not checked</source>
        <translation>Écrite et mémorisée, non vérifiée</translation>
    </message>
    <message>
        <source>Written and stored; the controller holds other values</source>
        <translation>Écrite et mémorisée&#x202f;; le contrôleur contient d&apos;autres valeurs</translation>
    </message>
    <message>
        <source>Written and stored; reading it back failed</source>
        <translation>Écrite et mémorisée&#x202f;; la relecture a échoué</translation>
    </message>
    <message>
        <source>Interrupted at frame %1 of %2</source>
        <extracomment>%1 the frame that went unanswered (0 to 59), %2 the frames of a write (60)</extracomment>
        <translation>Interrompue à la trame %1 sur %2</translation>
    </message>
    <message>
        <source>Sent, but the store failed</source>
        <translation>Envoyée, mais la mémorisation a échoué</translation>
    </message>
    <message>
        <source>Never ended (the program stopped)</source>
        <extracomment>the program stopped (closed, killed, crashed) before the write ended</extracomment>
        <translation>Jamais terminée (le programme s&apos;est arrêté)</translation>
    </message>
    <message>
        <source>Not recorded</source>
        <extracomment>the backup was taken by an older version, which kept no record of the write</extracomment>
        <translation>Non enregistré</translation>
    </message>
    <message>
        <source>Taken after an interrupted write</source>
        <translation>Faite après une écriture interrompue</translation>
    </message>
    <message>
        <source>%1
The controller&apos;s settings could not be read for a backup, so nothing was written and no backup was kept.</source>
        <extracomment>%1 the read&apos;s own message, such as &quot;Communication with controller interrupted!&quot;</extracomment>
        <translation>%1
Les réglages du contrôleur n&apos;ont pas pu être lus pour la sauvegarde, donc rien n&apos;a été écrit et aucune sauvegarde n&apos;a été conservée.</translation>
    </message>
</context>
<context>
    <name>vexlor::ConnectionDoctorDialog</name>
    <message>
        <source>Passed</source>
        <translation>Réussi</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Not applicable</source>
        <translation>Sans objet</translation>
    </message>
    <message>
        <source>Connection Doctor</source>
        <translation>Diagnostic de connexion</translation>
    </message>
    <message>
        <source>Why the programming cable does or does not work, and what fixes it:</source>
        <translation>Pourquoi le câble de programmation fonctionne ou non, et ce qui y remédie&#x202f;:</translation>
    </message>
    <message>
        <source>&amp;Run Again</source>
        <translation>&amp;Relancer</translation>
    </message>
    <message>
        <source>&amp;Copy Report</source>
        <translation>&amp;Copier le rapport</translation>
    </message>
    <message>
        <source>Fix: %1</source>
        <extracomment>before the fix of a check that failed or warns; %1 the fix, often a command</extracomment>
        <translation>Correctif&#x202f;: %1</translation>
    </message>
    <message>
        <source>Asking the controller…</source>
        <translation>Interrogation du contrôleur…</translation>
    </message>
</context>
<context>
    <name>vexlor::HistoryDialog</name>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source>Bike</source>
        <translation>Vélo</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Après</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Road class</source>
        <translation>Classe routière</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Contrôle</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Document</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Contrôleur</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Câble</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Machine</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>History</source>
        <extracomment>the title of Connect &gt; History...: the register of every operation</extracomment>
        <translation>Historique</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Depuis :</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Depuis</translation>
    </message>
    <message>
        <source>&amp;Bike:</source>
        <translation>&amp;Vélo :</translation>
    </message>
    <message>
        <source>F&amp;ingerprint:</source>
        <translation>&amp;Empreinte :</translation>
    </message>
    <message>
        <source>Open &amp;Document</source>
        <translation>Ouvrir le d&amp;ocument</translation>
    </message>
    <message>
        <source>Open B&amp;ackup</source>
        <translation>Ouvrir la s&amp;auvegarde</translation>
    </message>
    <message>
        <source>&amp;Settings Sheet…</source>
        <translation>&amp;Fiche de réglages…</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>E&amp;xporter en CSV…</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <extracomment>the file dialog&apos;s filter for the CSV export of the history</extracomment>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Read</source>
        <comment>History: an operation</comment>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Write</source>
        <comment>History: an operation</comment>
        <translation>Écriture</translation>
    </message>
    <message>
        <source>Compare</source>
        <comment>History: an operation</comment>
        <translation>Comparaison</translation>
    </message>
    <message>
        <source>Backup written back</source>
        <comment>History: an operation</comment>
        <translation>Sauvegarde réécrite</translation>
    </message>
    <message>
        <source>Settings sheet</source>
        <comment>History: an operation</comment>
        <translation>Fiche de réglages</translation>
    </message>
    <message>
        <source>Done</source>
        <comment>History: how an operation ended</comment>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Failed</source>
        <comment>History: how an operation ended</comment>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Values differ</source>
        <comment>History: how a comparison ended</comment>
        <translation>Valeurs différentes</translation>
    </message>
    <message>
        <source>Keeps the class</source>
        <comment>History: the road class check</comment>
        <translation>Respecte la classe</translation>
    </message>
    <message>
        <source>Breaks the class</source>
        <comment>History: the road class check</comment>
        <translation>Enfreint la classe</translation>
    </message>
</context>
</TS>
