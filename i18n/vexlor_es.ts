<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>Cli</name>
    <message>
        <source>Usage: vexlor-cli %1</source>
        <extracomment>%1 the command&apos;s synopsis such as &quot;encode FILE&quot;; keep vexlor-cli as it is</extracomment>
        <translation>Uso: vexlor-cli %1</translation>
    </message>
    <message>
        <source>Cannot write to the standard output.</source>
        <translation>No se puede escribir en la salida estándar.</translation>
    </message>
    <message>
        <source>%1 lacks the Hall sensor type (a fault of an old version). Open it in the window, answer its question and save it, then try again.</source>
        <extracomment>%1 the file&apos;s path</extracomment>
        <translation>En %1 falta el tipo de sensor Hall (un fallo de una versión antigua). Abra el archivo en la ventana, responda a la pregunta, guárdelo y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Backup: %1</source>
        <extracomment>%1 the backup file&apos;s path</extracomment>
        <translation>Copia de seguridad: %1</translation>
    </message>
    <message>
        <source>Read back: the controller holds every value written.</source>
        <translation>Relectura: el controlador contiene todos los valores escritos.</translation>
    </message>
    <message>
        <source>apply FILE over the initial state and print the sixty values a write would send</source>
        <extracomment>FILE is the argument named in the synopsis &quot;encode FILE&quot;: keep it as it is</extracomment>
        <translation>aplica FILE sobre el estado inicial y muestra los sesenta valores que enviaría una escritura</translation>
    </message>
    <message>
        <source>list the serial ports, marking the one the tool would use</source>
        <translation>lista los puertos serie y marca el que usaría la herramienta</translation>
    </message>
    <message>
        <source>test the connection and print the controller&apos;s software version</source>
        <translation>prueba la conexión y muestra la versión de software del controlador</translation>
    </message>
    <message>
        <source>read the controller&apos;s configuration into FILE (or stdout) as a .vxc file</source>
        <extracomment>FILE as in the synopsis &quot;read [FILE]&quot;; stdout stays as it is</extracomment>
        <translation>lee la configuración del controlador y la guarda en FILE (o la envía a stdout) como archivo .vxc</translation>
    </message>
    <message>
        <source>apply FILE over the initial state, read the controller and print each parameter it holds otherwise: KEY, CAPTION, FILE VALUE, CONTROLLER VALUE, tab-separated</source>
        <extracomment>FILE as in the synopsis; KEY, CAPTION, FILE VALUE, CONTROLLER VALUE name the columns printed</extracomment>
        <translation>aplica FILE sobre el estado inicial, lee el controlador y muestra cada parámetro que tiene un valor distinto: CLAVE, ETIQUETA, VALOR DEL ARCHIVO, VALOR DEL CONTROLADOR, separados por tabuladores</translation>
    </message>
    <message>
        <source>Cannot open %1: permission denied.
%2</source>
        <extracomment>%1 the serial device&apos;s path; %2 the lines that say how to get access</extracomment>
        <translation>No se puede abrir %1: permiso denegado.
%2</translation>
    </message>
    <message>
        <source>Cannot open %1: another program is using it.</source>
        <extracomment>%1 the serial device&apos;s path</extracomment>
        <translation>No se puede abrir %1: otro programa lo está usando.</translation>
    </message>
    <message>
        <source>Cannot open %1: no such device.</source>
        <extracomment>%1 the serial device&apos;s path</extracomment>
        <translation>No se puede abrir %1: el dispositivo no existe.</translation>
    </message>
    <message>
        <source>Cannot open %1.</source>
        <extracomment>%1 the serial device&apos;s path</extracomment>
        <translation>No se puede abrir %1.</translation>
    </message>
    <message>
        <source>See %1</source>
        <extracomment>%1 the path of the programming guide, ST-LINK_Installation_EN.pdf</extracomment>
        <translation>Consulte %1</translation>
    </message>
    <message>
        <source>No programming cable found (no serial port of its USB bridge). Name the device with --port or VEXLOR_PORT.</source>
        <extracomment>keep --port and VEXLOR_PORT as they are</extracomment>
        <translation>No se ha encontrado el cable de programación (no hay ningún puerto serie de su adaptador USB). Indique el dispositivo con --port o VEXLOR_PORT.</translation>
    </message>
    <message>
        <source>No serial device at %1.</source>
        <extracomment>%1 the device path given with --port or VEXLOR_PORT</extracomment>
        <translation>No hay ningún dispositivo serie en %1.</translation>
    </message>
    <message>
        <source>(named by --port or VEXLOR_PORT)</source>
        <translation>(indicado con --port o VEXLOR_PORT)</translation>
    </message>
    <message>
        <source>No programming cable found.</source>
        <translation>No se ha encontrado el cable de programación.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Comandos:</translation>
    </message>
    <message>
        <source>Backups go to %1 unless --backup-dir names another folder; the newest %2 are kept.</source>
        <extracomment>%1 the backup folder, %2 how many backups are kept; keep --backup-dir as it is</extracomment>
        <translation>Las copias de seguridad se guardan en %1, salvo que --backup-dir indique otra carpeta; se conservan las %2 más recientes.</translation>
    </message>
    <message>
        <source>Reads, writes and checks the settings of a Vexlor FOC motor controller.</source>
        <translation>Lee, escribe y comprueba los ajustes de un controlador de motor FOC Vexlor.</translation>
    </message>
    <message>
        <source>Use the serial DEVICE instead of looking for the cable.</source>
        <extracomment>DEVICE as in &quot;--port &lt;DEVICE&gt;&quot;: keep it as it is</extracomment>
        <translation>Usa el dispositivo serie DEVICE en lugar de buscar el cable.</translation>
    </message>
    <message>
        <source>Treat &quot;Limit max speed&quot; as cleared: the speed limit is sent as 9000.</source>
        <extracomment>&quot;Limit max speed&quot; is the window&apos;s check box of that name</extracomment>
        <translation>Trata «Limitar velocidad máx.» como desmarcada: el límite de velocidad se envía como 9000.</translation>
    </message>
    <message>
        <source>The command to run (see below).</source>
        <translation>El comando que se ejecutará (véase más abajo).</translation>
    </message>
    <message>
        <source>Unknown command &apos;%1&apos;. Run vexlor-cli --help for the list.</source>
        <extracomment>%1 the word given as a command; keep &quot;vexlor-cli --help&quot; as it is</extracomment>
        <translation>Comando desconocido «%1». Ejecute vexlor-cli --help para ver la lista.</translation>
    </message>
    <message>
        <source>Nothing was written. Give --force to write them all the same.</source>
        <extracomment>keep --force as it is</extracomment>
        <translation>No se ha escrito nada. Use --force para escribirlos de todos modos.</translation>
    </message>
    <message>
        <source>list the backups taken before writes, newest first: PATH, how the WRITE that followed ended, and a NOTE on one taken after an interrupted write, tab-separated</source>
        <extracomment>PATH, WRITE, NOTE name the columns printed</extracomment>
        <translation>lista las copias de seguridad hechas antes de cada escritura, de la más reciente a la más antigua: ruta, cómo terminó la escritura que siguió y una nota en la hecha tras una escritura interrumpida, separados por tabuladores</translation>
    </message>
    <message>
        <source>print the parameters that two .vxc files set differently, as the controller would receive them (exit 1 when some do)</source>
        <translation>muestra los parámetros que dos archivos .vxc ajustan de forma distinta, tal como los recibiría el controlador (termina con 1 si alguno difiere)</translation>
    </message>
    <message>
        <source>Exit codes: 0 done, 1 controller or link failure, 2 bad input or usage.
diff exits as diff(1) does: 0 no difference, 1 some differ, 2 bad input or usage.
compare exits 0 when the controller holds the file&apos;s values, 3 when some differ, 1 on a controller or link failure, 2 on bad input or usage.
write exits 1 also when the read-back finds other values than were written (they are printed as compare prints them), and 2 when the backup cannot be kept or, without --force, values are outside the window&apos;s limits (nothing is written).</source>
        <extracomment>diff(1) is the Unix command diff; keep command names (diff, compare, write) and --force as they are</extracomment>
        <translation>Códigos de salida: 0 correcto, 1 fallo del controlador o de la conexión, 2 datos de entrada o uso incorrectos.
diff termina como diff(1): 0 sin diferencias, 1 hay diferencias, 2 datos de entrada o uso incorrectos.
compare termina con 0 si el controlador tiene los valores del archivo, 3 si alguno difiere, 1 si falla el controlador o la conexión, 2 si los datos de entrada o el uso son incorrectos.
write termina con 1 también cuando la relectura encuentra valores distintos de los escritos (se muestran como los muestra compare), y con 2 cuando no se puede guardar la copia de seguridad o, sin --force, hay valores fuera de los límites de la ventana (no se escribe nada).</translation>
    </message>
    <message>
        <source>check the cable, its driver, access, other programs on the port, ModemManager, brltty, the latency timer, a sandbox and the controller: one line each, STATUS CHECK DETAIL [FIX], tab-separated (exit 1 when a check fails); --json prints them as JSON</source>
        <extracomment>keep the check names as they are; STATUS, CHECK, DETAIL and FIX name the fields printed</extracomment>
        <translation>comprueba el cable, su controlador del sistema, el acceso, otros programas en el puerto, ModemManager, brltty, el temporizador de latencia, un entorno aislado y el controlador: una línea por comprobación, STATUS CHECK DETAIL [FIX], separados por tabuladores (código de salida 1 si falla alguna); --json las muestra como JSON</translation>
    </message>
    <message>
        <source>list the road classes: ID, NAME, the speed and rated power they allow and whether a throttle may work without pedalling, tab-separated</source>
        <extracomment>ID, NAME name the columns printed</extracomment>
        <translation>listar las clases de circulación: ID, NAME, la velocidad y la potencia nominal permitidas y si un acelerador puede actuar sin pedalear, separados por tabuladores</translation>
    </message>
    <message>
        <source>print the fingerprint of the sixty values a write of FILE sends, or without FILE read the controller and print the fingerprint of what it holds</source>
        <extracomment>FILE as in the synopsis</extracomment>
        <translation>imprimir la huella de los sesenta valores que envía una escritura de FILE, o sin FILE leer el controlador e imprimir la huella de lo que contiene</translation>
    </message>
    <message>
        <source>apply FILE over the initial state and write its settings sheet, a one-page PDF with every parameter, the fingerprint, the road class check and lines to sign, to OUT.pdf</source>
        <extracomment>FILE, OUT.pdf, ID, ETRTO as in the synopsis</extracomment>
        <translation>aplicar FILE sobre el estado inicial y escribir su hoja de ajustes, un PDF de una página con cada parámetro, la huella, la comprobación de la clase de circulación y líneas para firmar, en OUT.pdf</translation>
    </message>
    <message>
        <source>check exits 0 when the file keeps to the road class, 3 when some value breaks it, 2 on bad input or usage.</source>
        <translation>check termina con 0 si el archivo cumple la clase de circulación, con 3 si algún valor la incumple, con 2 ante una entrada o un uso incorrectos.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no road class. vexlor-cli classes lists them.</source>
        <extracomment>%1 what was given after --class; keep &quot;vexlor-cli classes&quot; as it is</extracomment>
        <translation>«%1» no es una clase de circulación. vexlor-cli classes las lista.</translation>
    </message>
    <message>
        <source>The settings sheet would replace %1, the file it is made of. Name another file with -o.</source>
        <extracomment>%1 the configuration file&apos;s path; keep -o as it is</extracomment>
        <translation>La hoja de ajustes reemplazaría %1, el archivo del que se hace. Indique otro archivo con -o.</translation>
    </message>
    <message>
        <source>%1 may be given only once.</source>
        <extracomment>%1 the option given more than once, &quot;--class&quot;</extracomment>
        <translation>%1 solo puede indicarse una vez.</translation>
    </message>
    <message>
        <source>apply FILE over the initial state and print each value that looks implausible, and with --class each that breaks the road class ID or is worth a note: STATUS (breaks, warn or note), RULE, CAPTION, VALUE, LIMIT, tab-separated; with the real tire as ETRTO (57-584), a common size (26x2.1) or as printed (29x2.6, 700x38c) the wheel perimeter too (exit 3 when some break the class, with --strict also when some look implausible)</source>
        <extracomment>FILE, ID, ETRTO as in the synopsis; STATUS, RULE, CAPTION, VALUE, LIMIT name the columns printed; keep breaks, warn and note, the words STATUS shows, and --strict</extracomment>
        <translation>aplicar FILE sobre el estado inicial e imprimir cada valor que parece inverosímil y, con --class, cada uno que incumple la clase de circulación ID o merece una nota: STATUS (breaks, warn o note), RULE, CAPTION, VALUE, LIMIT, separados por tabuladores; con el neumático real en ETRTO (57-584), medida común (26x2.1) o tal como va impresa (29x2.6, 700x38c), también la circunferencia de la rueda (código 3 si algún valor incumple la clase y, con --strict, también si alguno parece inverosímil)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; names no units: give --units metric or --units imperial.</source>
        <extracomment>%1 what was given after --units; keep --units, metric and imperial as they are</extracomment>
        <translation>&apos;%1&apos; no es ningún sistema de unidades: indique --units metric o --units imperial.</translation>
    </message>
    <message>
        <source>Print speeds in UNITS, metric (km/h, the default) or imperial (mph), before or after the command; files and the controller keep km/h.</source>
        <extracomment>UNITS as in &quot;--units &lt;UNITS&gt;&quot;; keep UNITS, metric and imperial as they are</extracomment>
        <translation>Mostrar las velocidades en UNITS, metric (km/h, por defecto) o imperial (mph), antes o después del comando; los archivos y el controlador siguen en km/h.</translation>
    </message>
    <message>
        <source>apply FILE over the initial state and print its settings as JSON: each parameter by name with its value and unit, and the fingerprint (docs/settings-json.md)</source>
        <extracomment>FILE as in the synopsis; keep JSON as it is</extracomment>
        <translation>aplicar FILE sobre el estado inicial e imprimir sus ajustes como JSON: cada parámetro por su nombre con su valor y unidad, y la huella (docs/settings-json.md)</translation>
    </message>
    <message>
        <source>turn the settings JSON (- for stdin) into the .vxc file FILE or the profile NAME; refuses unknown names, wrong types and, without --force, values outside the window&apos;s limits, and never writes over a file that is no configuration</source>
        <extracomment>JSON, FILE, NAME, TEXT as in the synopsis; keep --force as it is</extracomment>
        <translation>convertir el JSON de ajustes (- para la entrada estándar) en el archivo .vxc FILE o el perfil NAME; rechaza nombres desconocidos, tipos erróneos y, sin --force, valores fuera de los límites de la ventana, y nunca sobrescribe un archivo que no sea una configuración</translation>
    </message>
    <message>
        <source>list the profiles, the configurations kept under a name: NAME and NOTE, tab-separated; every command taking FILE takes --profile NAME instead</source>
        <extracomment>NAME, NOTE name the columns printed; keep --profile as it is</extracomment>
        <translation>listar los perfiles, las configuraciones guardadas con un nombre: NAME y NOTE, separados por tabuladores; todo comando que acepta FILE acepta en su lugar --profile NAME</translation>
    </message>
    <message>
        <source>%1 is no configuration file: it is left as it is.</source>
        <extracomment>%1 the path given after -o</extracomment>
        <translation>%1 no es un archivo de configuración: se deja como está.</translation>
    </message>
    <message>
        <source>print the register of operations, newest first, one tab-separated line each under a line naming the columns: only bike labels holding LABEL, only from DATE (YYYY-MM-DD, UTC) on; as CSV or JSON</source>
        <extracomment>LABEL, DATE as in the synopsis; keep the option names as they are</extracomment>
        <translation>mostrar el registro de operaciones, lo más reciente primero, una línea separada por tabuladores por registro bajo una línea con los nombres de las columnas: solo etiquetas de bicicleta que contengan LABEL, solo desde DATE (AAAA-MM-DD, UTC); como CSV o JSON</translation>
    </message>
    <message>
        <source>--since wants a date as YYYY-MM-DD, not %1.</source>
        <extracomment>%1 the date given; keep --since and YYYY-MM-DD as they are</extracomment>
        <translation>--since espera una fecha como YYYY-MM-DD, no %1.</translation>
    </message>
    <message>
        <source>Record the operation for the bike LABEL (a frame number, a customer); history shows only its records.</source>
        <extracomment>LABEL as in &quot;--bike &lt;LABEL&gt;&quot;: keep it as it is</extracomment>
        <translation>Registrar la operación para la bicicleta LABEL (un número de cuadro, un cliente); history muestra solo sus registros.</translation>
    </message>
    <message>
        <source>Parameters that differ: %1</source>
        <extracomment>the register&apos;s message of a comparison; %1 how many parameters the controller holds otherwise</extracomment>
        <translation>Parámetros que difieren: %1</translation>
    </message>
    <message>
        <source>print what the parameter NAME (MaxBatteryCurrent) does, its unit, the range the window allows and its initial value; without NAME every parameter, one block each</source>
        <extracomment>NAME as in the synopsis: a parameter&apos;s name, MaxBatteryCurrent; keep it as it is</extracomment>
        <translation>muestra qué hace el parámetro NAME (MaxBatteryCurrent), su unidad, el rango que admite la ventana y su valor inicial; sin NAME todos los parámetros, un bloque cada uno</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no parameter. vexlor-cli explain lists them all.</source>
        <extracomment>%1 what was given as NAME; keep &quot;vexlor-cli explain&quot; as it is</extracomment>
        <translation>«%1» no es un parámetro. vexlor-cli explain los muestra todos.</translation>
    </message>
    <message>
        <source>propose values for a bike&apos;s battery (nominal V or cells as 13s), BMS current, tire, road class ID, motor and assist levels over FILE (or the initial state), write them to OUT.vxc and print CAPTION, NOW, PROPOSED, WHY, tab-separated</source>
        <extracomment>V, A, SIZE, ID, W, N, FILE, OUT.vxc as in the synopsis; 13s, CAPTION, NOW, PROPOSED, WHY name what is given and the columns printed</extracomment>
        <translation>proponer valores para la batería (V nominal o celdas como 13s), la corriente del BMS, el neumático, la clase de vía ID, el motor y los niveles de asistencia de una bicicleta sobre FILE (o el estado inicial), escribirlos en OUT.vxc e imprimir CAPTION, NOW, PROPOSED, WHY separados por tabuladores</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3, not &apos;%4&apos;.</source>
        <extracomment>%1 the option (&quot;--bms&quot;), %2 and %3 its least and largest value, %4 what was given</extracomment>
        <translation>%1 espera un número de %2 a %3, no «%4».</translation>
    </message>
    <message>
        <source>The proposal would replace %1, the file it starts from. Name another file with -o.</source>
        <extracomment>%1 the configuration file&apos;s path; keep -o as it is</extracomment>
        <translation>La propuesta reemplazaría %1, el archivo del que parte. Indique otro archivo con -o.</translation>
    </message>
    <message>
        <source>%1 is no configuration file, so the proposal does not replace it. Name another file with -o.</source>
        <extracomment>%1 the path given with -o; keep -o as it is</extracomment>
        <translation>%1 no es un archivo de configuración, así que la propuesta no lo reemplaza. Indique otro archivo con -o.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no battery: give its nominal voltage (24, 36, 48 or 52) or its cells in series (13s).</source>
        <extracomment>%1 what was given after --battery; keep 13s as it is</extracomment>
        <translation>«%1» no es una batería: indique su tensión nominal (24, 36, 48 o 52) o sus celdas en serie (13s).</translation>
    </message>
    <message>
        <source>Keep the records in the shop&apos;s register on the server URL, postgresql://USER@HOST[:PORT]/DB, instead of the one config.ini names; records wait on this computer while the server cannot be reached.</source>
        <extracomment>URL as in &quot;--register &lt;URL&gt;&quot;; keep URL, config.ini and postgresql://USER@HOST[:PORT]/DB as they are</extracomment>
        <translation>Guardar los registros en el registro del taller en el servidor URL, postgresql://USER@HOST[:PORT]/DB, en lugar del que indica config.ini; los registros esperan en este equipo mientras no se pueda alcanzar el servidor.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <extracomment>%1 the file given with --bike-from, %2 why it cannot be read</extracomment>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1 holds no bike label.</source>
        <extracomment>%1 the file given with --bike-from</extracomment>
        <translation>%1 no contiene ninguna etiqueta de bicicleta.</translation>
    </message>
    <message>
        <source>apply FILE over the initial state, keep the controller&apos;s settings as a backup (path on stderr), write FILE&apos;s and store them, read them back to check; values outside the window&apos;s limits are written only with --force; with --each the production line: every controller that comes is written and recorded, labelled from FILE.csv or numbered after --bike, one line each, until Ctrl+C</source>
        <extracomment>FILE, FILE.csv as in the synopsis; stderr, --force, --each and --bike stay as they are</extracomment>
        <translation>aplica FILE sobre el estado inicial, guarda los ajustes del controlador como copia de seguridad (ruta en stderr), escribe los de FILE y los memoriza, y los vuelve a leer para comprobarlos; los valores fuera de los límites de la ventana solo se escriben con --force; con --each, la línea de producción: cada controlador que llega se escribe y se registra, con la etiqueta de FILE.csv o numerado tras --bike, una línea por bicicleta, hasta Ctrl+C</translation>
    </message>
    <message>
        <source>write --each exits 0 when no bike failed (also when none came), 1 when some failed.</source>
        <translation>write --each termina con 0 si ninguna bicicleta falló (también si no llegó ninguna), con 1 si alguna falló.</translation>
    </message>
    <message>
        <source>Bike %1: connect its controller (Ctrl+C ends the line).</source>
        <extracomment>%1 the bike&apos;s label; Ctrl+C as keyboards in the language name the keys</extracomment>
        <translation>Bicicleta %1: conecte su controlador (Ctrl+C termina la línea).</translation>
    </message>
    <message>
        <source>Every label of the list has its bike: the line ends.</source>
        <translation>Cada etiqueta de la lista tiene su bicicleta: la línea termina.</translation>
    </message>
    <message>
        <source>Bike %1: disconnect its controller.</source>
        <extracomment>%1 the bike&apos;s label</extracomment>
        <translation>Bicicleta %1: desconecte su controlador.</translation>
    </message>
    <message>
        <source>The line ends once this bike&apos;s write is over.</source>
        <translation>La línea termina en cuanto acabe la escritura de esta bicicleta.</translation>
    </message>
    <message>
        <source>Written: %1, failed: %2</source>
        <extracomment>the production line&apos;s summary; %1 bikes written, %2 bikes that failed</extracomment>
        <translation>Escritas: %1, fallidas: %2</translation>
    </message>
</context>
<context>
    <name>Comparison</name>
    <message>
        <source>On</source>
        <extracomment>a check box&apos;s state in a list of values: ticked</extracomment>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>a check box&apos;s state in a list of values: clear</extracomment>
        <translation>Desactivado</translation>
    </message>
</context>
<context>
    <name>ConnectionCheck</name>
    <message>
        <source>Connection to controller is OK!
Controller software version: v%1

Would you like to read the controller&apos;s configuration now?</source>
        <extracomment>%1 the controller&apos;s software version such as 1-35, after the letter v</extracomment>
        <translation>¡La conexión con el controlador es correcta!
Versión de software del controlador: v%1

¿Desea leer ahora la configuración del controlador?</translation>
    </message>
    <message>
        <source>Connection to controller is OK!
Controller software version: v%1</source>
        <extracomment>%1 the controller&apos;s software version such as 1-35, after the letter v</extracomment>
        <translation>¡La conexión con el controlador es correcta!
Versión de software del controlador: v%1</translation>
    </message>
    <message>
        <source>Connection to controller is not detected!</source>
        <translation>¡No se detecta la conexión con el controlador!</translation>
    </message>
</context>
<context>
    <name>Doctor</name>
    <message>
        <source>You are in group %1, but its members may not read and write the device.</source>
        <extracomment>%1 a group&apos;s name</extracomment>
        <translation>Está en el grupo %1, pero sus miembros no pueden leer ni escribir en el dispositivo.</translation>
    </message>
    <message>
        <source>You are in group %1.</source>
        <translation>Está en el grupo %1.</translation>
    </message>
    <message>
        <source>You were added to group %1 after this session began; the membership counts from your next login.</source>
        <translation>Se le añadió al grupo %1 después de iniciar esta sesión; la pertenencia cuenta a partir del próximo inicio de sesión.</translation>
    </message>
    <message>
        <source>You are not in group %1.</source>
        <translation>No está en el grupo %1.</translation>
    </message>
    <message>
        <source>%1 refuses you: owner %2, group %3, mode %4.</source>
        <extracomment>%1 the device, %2 its owner, %3 its group, %4 its mode in octal (0660)</extracomment>
        <translation>%1 le deniega el acceso: propietario %2, grupo %3, modo %4.</translation>
    </message>
    <message>
        <source>The cable rule %1 is installed (%2).</source>
        <translation>La regla del cable %1 está instalada (%2).</translation>
    </message>
    <message>
        <source>The cable rule %1 is not installed.</source>
        <translation>La regla del cable %1 no está instalada.</translation>
    </message>
    <message>
        <source>The device grants you access through the seat&apos;s access entry.</source>
        <translation>El dispositivo le da acceso mediante la entrada de acceso del puesto.</translation>
    </message>
    <message>
        <source>The device carries no access entry for you (the cable rule gives one to the user at the computer&apos;s own screen).</source>
        <translation>El dispositivo no tiene ninguna entrada de acceso para usted (la regla del cable da una al usuario sentado ante la pantalla del propio ordenador).</translation>
    </message>
    <message>
        <source>%1, then log out and in again.</source>
        <extracomment>%1 a command</extracomment>
        <translation>%1, y después cierre la sesión y vuelva a iniciarla.</translation>
    </message>
    <message>
        <source>Something beyond the device&apos;s permissions refuses you (a sandbox or a security module); see sandbox.</source>
        <translation>Algo ajeno a los permisos del dispositivo le deniega el acceso (un entorno aislado o un módulo de seguridad); vea sandbox.</translation>
    </message>
    <message>
        <source>Log out and in again (or restart the computer).</source>
        <translation>Cierre la sesión y vuelva a iniciarla (o reinicie el ordenador).</translation>
    </message>
    <message>
        <source>Use %1 as its owner, %2, or ask them to let you use it.</source>
        <extracomment>%1 the device, %2 its owner</extracomment>
        <translation>Use %1 como su propietario, %2, o pídale que le deje usarlo.</translation>
    </message>
    <message>
        <source>%1 is gone.</source>
        <translation>%1 ha desaparecido.</translation>
    </message>
    <message>
        <source>Plug the cable in again.</source>
        <translation>Vuelva a conectar el cable.</translation>
    </message>
    <message>
        <source>The tool holds %1 open for reading and writing.</source>
        <extracomment>%1 the serial device</extracomment>
        <translation>La herramienta mantiene %1 abierto para lectura y escritura.</translation>
    </message>
    <message>
        <source>%1 opens for reading and writing.</source>
        <translation>%1 se abre para lectura y escritura.</translation>
    </message>
    <message>
        <source>%1 does not open: %2.</source>
        <extracomment>%1 the serial device, %2 the system&apos;s reason</extracomment>
        <translation>%1 no se abre: %2.</translation>
    </message>
    <message>
        <source>Unplug the cable and plug it in again.</source>
        <translation>Desconecte el cable y vuelva a conectarlo.</translation>
    </message>
    <message>
        <source>%1 is a pseudo-terminal: the program at its other end holds it open.</source>
        <translation>%1 es un pseudoterminal: el programa del otro extremo lo mantiene abierto.</translation>
    </message>
    <message>
        <source>%1 (process %2)</source>
        <extracomment>%1 a program&apos;s name, %2 its process id</extracomment>
        <translation>%1 (proceso %2)</translation>
    </message>
    <message>
        <source>%1 is held open by %2.</source>
        <extracomment>%1 the serial device, %2 the programs with their process ids</extracomment>
        <translation>%1 lo mantiene abierto %2.</translation>
    </message>
    <message>
        <source>Close %1, or end it: %2</source>
        <extracomment>%1 the programs, %2 the command that ends them</extracomment>
        <translation>Cierre %1 o termínelo: %2</translation>
    </message>
    <message>
        <source>Another user&apos;s process holds %1 for itself.</source>
        <translation>Un proceso de otro usuario retiene %1 en exclusiva.</translation>
    </message>
    <message>
        <source>Find it with %1 and close it.</source>
        <extracomment>%1 a command that names the process</extracomment>
        <translation>Encuéntrelo con %1 y ciérrelo.</translation>
    </message>
    <message>
        <source>No other process of yours holds %1 open (the open files of %2 processes of other users cannot be seen).</source>
        <extracomment>%1 the serial device, %2 a number of processes</extracomment>
        <translation>Ningún otro proceso suyo mantiene %1 abierto (no se pueden ver los archivos abiertos de %2 procesos de otros usuarios).</translation>
    </message>
    <message>
        <source>No other process holds %1 open.</source>
        <translation>Ningún otro proceso mantiene %1 abierto.</translation>
    </message>
    <message>
        <source>%1: USB %2 (%3), no serial number.</source>
        <extracomment>%1 the serial device, %2 the USB vendor:product, %3 the device&apos;s own name</extracomment>
        <translation>%1: USB %2 (%3), sin número de serie.</translation>
    </message>
    <message>
        <source>%1: USB %2 (%3), serial number %4.</source>
        <extracomment>%1 the serial device, %2 the USB vendor:product, %3 the device&apos;s own name, %4 its serial number</extracomment>
        <translation>%1: USB %2 (%3), número de serie %4.</translation>
    </message>
    <message>
        <source>No programming cable is plugged in: no USB serial port of a known cable.</source>
        <translation>No hay ningún cable de programación conectado: ningún puerto serie USB de un cable conocido.</translation>
    </message>
    <message>
        <source>The cable&apos;s USB device %1 is present but has no serial port (see driver).</source>
        <extracomment>%1 the USB device&apos;s place on the bus, such as 1-1.4</extracomment>
        <translation>El dispositivo USB %1 del cable está presente pero no tiene puerto serie (vea driver).</translation>
    </message>
    <message>
        <source>%1, then unplug the cable and plug it in again.</source>
        <extracomment>%1 a command</extracomment>
        <translation>%1, y después desconecte el cable y vuelva a conectarlo.</translation>
    </message>
    <message>
        <source>No other USB serial port is present.</source>
        <translation>No hay ningún otro puerto serie USB.</translation>
    </message>
    <message>
        <source>USB serial ports present: %1.</source>
        <translation>Puertos serie USB presentes: %1.</translation>
    </message>
    <message>
        <source>Plug the programming cable into a USB port of this computer.</source>
        <translation>Conecte el cable de programación a un puerto USB de este ordenador.</translation>
    </message>
    <message>
        <source>No serial device at %1.</source>
        <extracomment>%1 the device path given with --port or VEXLOR_PORT</extracomment>
        <translation>No hay ningún dispositivo serie en %1.</translation>
    </message>
    <message>
        <source>Name the cable&apos;s serial device; vexlor-cli ports lists them.</source>
        <translation>Indique el dispositivo serie del cable; vexlor-cli ports los lista.</translation>
    </message>
    <message>
        <source>%1 is a USB serial port of %2 (%3), not of a known programming cable.</source>
        <extracomment>%1 the serial device, %2 its USB vendor:product, %3 the device&apos;s own name</extracomment>
        <translation>%1 es un puerto serie USB de %2 (%3), no de un cable de programación conocido.</translation>
    </message>
    <message>
        <source>Name the programming cable&apos;s port, or name none to look for the cable.</source>
        <translation>Indique el puerto del cable de programación, o ninguno para que se busque el cable.</translation>
    </message>
    <message>
        <source>%1 is no USB serial port (a pseudo-terminal or a built-in port).</source>
        <translation>%1 no es un puerto serie USB (un pseudoterminal o un puerto integrado).</translation>
    </message>
    <message>
        <source>%1 cables are plugged in: %2. The tool uses the last one found, %3.</source>
        <extracomment>%1 how many, %2 their serial devices, %3 the one the tool uses</extracomment>
        <translation>Hay %1 cables conectados: %2. La herramienta usa el último encontrado, %3.</translation>
    </message>
    <message>
        <source>Unplug the cables you do not use, or name one with --port or VEXLOR_PORT.</source>
        <extracomment>keep --port and VEXLOR_PORT as they are</extracomment>
        <translation>Desconecte los cables que no use, o indique uno con --port o VEXLOR_PORT.</translation>
    </message>
    <message>
        <source>A program holds the cable&apos;s USB device %1 directly (usbfs), so the serial driver cannot make a port of it.</source>
        <extracomment>usbfs: keep as it is; %1 the USB device&apos;s place on the bus, such as 1-1.4</extracomment>
        <translation>Un programa retiene directamente el dispositivo USB %1 del cable (usbfs), así que el controlador serie no puede crear un puerto.</translation>
    </message>
    <message>
        <source>Close the other program that uses the cable, then unplug the cable and plug it in again.</source>
        <translation>Cierre el otro programa que usa el cable, y después desconecte el cable y vuelva a conectarlo.</translation>
    </message>
    <message>
        <source>No kernel driver made a serial port of the cable&apos;s USB device %1.</source>
        <translation>Ningún controlador del núcleo ha creado un puerto serie del dispositivo USB %1 del cable.</translation>
    </message>
    <message>
        <source>The kernel made %1, but its device node %2 is missing.</source>
        <extracomment>%1 the kernel&apos;s name of the port (ttyUSB0), %2 its device node</extracomment>
        <translation>El núcleo ha creado %1, pero falta su nodo de dispositivo %2.</translation>
    </message>
    <message>
        <source>%1 drives %2, not %3, the cable&apos;s own driver.</source>
        <extracomment>%1 the driver in use, %2 the port, %3 the driver made for the cable</extracomment>
        <translation>%1 gestiona %2, y no %3, el controlador propio del cable.</translation>
    </message>
    <message>
        <source>%1 drives %2; its device node is %3.</source>
        <extracomment>%1 the kernel driver, %2 the kernel&apos;s name of the port (ttyUSB0), %3 its device node</extracomment>
        <translation>%1 gestiona %2; su nodo de dispositivo es %3.</translation>
    </message>
    <message>
        <source>No cable port to look at.</source>
        <translation>No hay ningún puerto de cable que examinar.</translation>
    </message>
    <message>
        <source>%1 is no USB serial port.</source>
        <translation>%1 no es un puerto serie USB.</translation>
    </message>
    <message>
        <source>ModemManager is not running.</source>
        <translation>ModemManager no está en ejecución.</translation>
    </message>
    <message>
        <source>ModemManager is running and is told to ignore %1 (%2).</source>
        <extracomment>%1 the USB vendor:product, %2 the rules file that says so</extracomment>
        <translation>ModemManager está en ejecución y tiene orden de ignorar %1 (%2).</translation>
    </message>
    <message>
        <source>ModemManager is running and may probe %1 (%2) for a modem, which garbles the controller&apos;s replies.</source>
        <extracomment>%1 the serial device, %2 its USB vendor:product</extracomment>
        <translation>ModemManager está en ejecución y puede sondear %1 (%2) en busca de un módem, lo que altera las respuestas del controlador.</translation>
    </message>
    <message>
        <source>brltty is not installed.</source>
        <translation>brltty no está instalado.</translation>
    </message>
    <message>
        <source>brltty is installed; its udev rules do not claim %1.</source>
        <extracomment>%1 the USB vendor:product</extracomment>
        <translation>brltty está instalado; sus reglas de udev no reclaman %1.</translation>
    </message>
    <message>
        <source>brltty is installed and its udev rule (%1, line %2) claims %3 devices as braille displays, taking the cable&apos;s port.</source>
        <extracomment>%1 the rules file, %2 a line number, %3 the USB vendor:product</extracomment>
        <translation>brltty está instalado y su regla de udev (%1, línea %2) reclama los dispositivos %3 como líneas braille, quedándose con el puerto del cable.</translation>
    </message>
    <message>
        <source>The tool is busy with the controller; run the doctor again when it is done.</source>
        <translation>La herramienta está ocupada con el controlador; vuelva a ejecutar el diagnóstico cuando termine.</translation>
    </message>
    <message>
        <source>The controller answers: software version v%1.</source>
        <extracomment>%1 the controller&apos;s software version such as 1-35, after the letter v</extracomment>
        <translation>El controlador responde: versión del software v%1.</translation>
    </message>
    <message>
        <source>The cable answers but the controller does not: is the bike&apos;s battery on and the display connected?</source>
        <translation>El cable responde pero el controlador no: ¿está encendida la batería de la bicicleta y conectada la pantalla?</translation>
    </message>
    <message>
        <source>Switch the bike&apos;s battery on and connect the display, then run the doctor again.</source>
        <translation>Encienda la batería de la bicicleta y conecte la pantalla, y después vuelva a ejecutar el diagnóstico.</translation>
    </message>
    <message>
        <source>Fix what the lines above show, then run the doctor again.</source>
        <translation>Corrija lo que muestran las líneas de arriba, y después vuelva a ejecutar el diagnóstico.</translation>
    </message>
    <message>
        <source>The tool may not open %1 (see access).</source>
        <translation>La herramienta no tiene permiso para abrir %1 (vea access).</translation>
    </message>
    <message>
        <source>Another program is using %1 (see busy).</source>
        <translation>Otro programa está usando %1 (vea busy).</translation>
    </message>
    <message>
        <source>The tool found no port to reach the controller through.</source>
        <translation>La herramienta no ha encontrado ningún puerto por el que llegar al controlador.</translation>
    </message>
    <message>
        <source>%1 does not open.</source>
        <translation>%1 no se abre.</translation>
    </message>
    <message>
        <source>%1 has no latency timer.</source>
        <extracomment>%1 the kernel driver</extracomment>
        <translation>%1 no tiene temporizador de latencia.</translation>
    </message>
    <message>
        <source>The latency timer is at 1 ms.</source>
        <translation>El temporizador de latencia está en 1 ms.</translation>
    </message>
    <message>
        <source>The latency timer is at %1 ms; the tool asks no other driver than its cable&apos;s for low latency.</source>
        <translation>El temporizador de latencia está en %1 ms; la herramienta solo pide baja latencia al controlador de su cable.</translation>
    </message>
    <message>
        <source>The latency timer is at %1 ms; what it is while the tool holds the port cannot be tried, as the port does not open (see access).</source>
        <translation>El temporizador de latencia está en %1 ms; no se puede probar cuánto vale mientras la herramienta tiene el puerto, porque el puerto no se abre (vea access).</translation>
    </message>
    <message>
        <source>The latency timer is at %1 ms, and at 1 ms while the tool holds the port (it asks the driver for low latency).</source>
        <translation>El temporizador de latencia está en %1 ms, y en 1 ms mientras la herramienta tiene el puerto (pide baja latencia al controlador).</translation>
    </message>
    <message>
        <source>The latency timer stays at %1 ms while the tool holds the port: every reply comes that much later.</source>
        <translation>El temporizador de latencia sigue en %1 ms mientras la herramienta tiene el puerto: cada respuesta llega ese tiempo más tarde.</translation>
    </message>
    <message>
        <source>The tool runs in the Flatpak sandbox of %1, which may use every device.</source>
        <extracomment>%1 the Flatpak application&apos;s id</extracomment>
        <translation>La herramienta se ejecuta en el entorno aislado Flatpak de %1, que puede usar todos los dispositivos.</translation>
    </message>
    <message>
        <source>The tool runs in the Flatpak sandbox of %1, which keeps serial devices out.</source>
        <translation>La herramienta se ejecuta en el entorno aislado Flatpak de %1, que deja fuera los dispositivos serie.</translation>
    </message>
    <message>
        <source>The tool runs in the snap %1, which may open %2.</source>
        <extracomment>%1 the snap&apos;s name, %2 the serial device</extracomment>
        <translation>La herramienta se ejecuta en el snap %1, que puede abrir %2.</translation>
    </message>
    <message>
        <source>The tool runs in the snap %1, which keeps USB serial devices out unless they are granted to it.</source>
        <translation>La herramienta se ejecuta en el snap %1, que deja fuera los dispositivos serie USB mientras no se le concedan.</translation>
    </message>
    <message>
        <source>The tool runs outside Flatpak and Snap.</source>
        <translation>La herramienta se ejecuta fuera de Flatpak y Snap.</translation>
    </message>
    <message>
        <source>No port to reach the controller through.</source>
        <translation>No hay ningún puerto por el que llegar al controlador.</translation>
    </message>
    <message>
        <source>The port does not open for you (see access).</source>
        <translation>El puerto no se abre para usted (vea access).</translation>
    </message>
    <message>
        <source>Another process holds the port (see busy).</source>
        <translation>Otro proceso retiene el puerto (vea busy).</translation>
    </message>
    <message>
        <source>Not checked on Windows.</source>
        <extracomment>the checks that look at Linux&apos;s devices, drivers and services</extracomment>
        <translation>No se comprueba en Windows.</translation>
    </message>
    <message>
        <source>You may not open %1.</source>
        <extracomment>first line of the box shown when the port does not open for lack of permission; %1 the device</extracomment>
        <translation>No tiene permiso para abrir %1.</translation>
    </message>
    <message>
        <source>To fix it:</source>
        <extracomment>before the fix in the box shown when the port does not open for lack of permission</extracomment>
        <translation>Para corregirlo:</translation>
    </message>
    <message>
        <source>Another user&apos;s process holds %1 for itself, so opening it cannot be tried (see busy).</source>
        <translation>Un proceso de otro usuario retiene %1 en exclusiva, así que no se puede probar a abrirlo (vea busy).</translation>
    </message>
    <message>
        <source>%1 is held for itself by %2, so opening it cannot be tried (see busy).</source>
        <extracomment>%1 the serial device, %2 the programs with their process ids</extracomment>
        <translation>%2 retiene %1 en exclusiva, así que no se puede probar a abrirlo (vea busy).</translation>
    </message>
    <message>
        <source>%1 is not a serial port.</source>
        <extracomment>%1 the path given with --port or VEXLOR_PORT</extracomment>
        <translation>%1 no es un puerto serie.</translation>
    </message>
    <message>
        <source>Name the cable&apos;s port (vexlor-cli ports lists them).</source>
        <extracomment>keep vexlor-cli ports as it is: the command that lists the ports</extracomment>
        <translation>Indique el puerto del cable (vexlor-cli ports los lista).</translation>
    </message>
    <message>
        <source>Close any other program that may use %1, then run the doctor again.</source>
        <translation>Cierre cualquier otro programa que pueda usar %1, y después vuelva a ejecutar el diagnóstico.</translation>
    </message>
    <message>
        <source>The tool may not open %1.</source>
        <translation>La herramienta no tiene permiso para abrir %1.</translation>
    </message>
    <message>
        <source>Another program is using %1.</source>
        <translation>Otro programa está usando %1.</translation>
    </message>
</context>
<context>
    <name>Explanations</name>
    <message>
        <source>Too high: %1</source>
        <extracomment>what a value above the right one does: %1 the effect, &quot;less power for assistance and throttle.&quot;</extracomment>
        <translation>Demasiado alto: %1</translation>
    </message>
    <message>
        <source>Too low: %1</source>
        <extracomment>what a value below the right one does: %1 the effect</extracomment>
        <translation>Demasiado bajo: %1</translation>
    </message>
    <message>
        <source>what it does inside the controller is not known.</source>
        <extracomment>in place of an effect after &quot;Too high: &quot; or &quot;Too low: &quot;</extracomment>
        <translation>no se sabe qué hace dentro del controlador.</translation>
    </message>
    <message>
        <source>What a higher or lower value does inside the controller is not known.</source>
        <translation>No se sabe qué hace dentro del controlador un valor más alto o más bajo.</translation>
    </message>
    <message>
        <source>Unit: %1.</source>
        <extracomment>%1 the field&apos;s unit: &quot;A&quot;, &quot;km/h&quot;, &quot;ms&quot;</extracomment>
        <translation>Unidad: %1.</translation>
    </message>
    <message>
        <source>Allowed: %1.</source>
        <extracomment>%1 the range the window allows: &quot;at most 30.0 A&quot;, &quot;0.9 V to 3.0 V&quot;, &quot;1 to 9&quot;</extracomment>
        <translation>Admitido: %1.</translation>
    </message>
    <message>
        <source>The window sets no limit; a write refuses values the controller cannot hold.</source>
        <translation>La ventana no fija ningún límite; la escritura rechaza los valores que el controlador no puede guardar.</translation>
    </message>
    <message>
        <source>Choices: %1.</source>
        <extracomment>%1 the options of a radio pair or group, each in quotes: &quot;&quot;Low&quot;, &quot;High&quot;&quot;</extracomment>
        <translation>Opciones: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>an option&apos;s text within a list of choices: %1 the option, &quot;Low&quot;</extracomment>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>Ticked or clear.</source>
        <extracomment>a tick box&apos;s two states</extracomment>
        <translation>Marcada o sin marcar.</translation>
    </message>
    <message>
        <source>Initial value: %1.</source>
        <extracomment>%1 the value the window starts with: &quot;14.0 A&quot;, &quot;ticked&quot;, &quot;Low&quot;</extracomment>
        <translation>Valor inicial: %1.</translation>
    </message>
    <message>
        <source>ticked</source>
        <extracomment>the initial state of a tick box, after &quot;Initial value: &quot;</extracomment>
        <translation>marcada</translation>
    </message>
    <message>
        <source>clear</source>
        <extracomment>the initial state of a tick box, after &quot;Initial value: &quot;</extracomment>
        <translation>sin marcar</translation>
    </message>
    <message>
        <source>The limit of this assist level, in percent; &quot;Limit speed&quot; and &quot;Limit current&quot; choose what it limits. The levels in use should rise, the top one at 100 %.</source>
        <translation>El límite de este nivel de asistencia, en por ciento; «Limitar velocidad» y «Limitar corriente» eligen qué limita. Los niveles en uso deberían subir, el más alto al 100 %.</translation>
    </message>
    <message>
        <source>more assistance at this level.</source>
        <translation>más asistencia en este nivel.</translation>
    </message>
    <message>
        <source>less assistance at this level.</source>
        <translation>menos asistencia en este nivel.</translation>
    </message>
    <message>
        <source>The largest current the controller draws from the battery.</source>
        <translation>La mayor corriente que el controlador toma de la batería.</translation>
    </message>
    <message>
        <source>more than the battery&apos;s BMS delivers continuously; keep it at or below that current and not above the max phase current.</source>
        <translation>más de lo que el BMS de la batería entrega de forma continua; manténgala en esa corriente o por debajo, y no por encima de la corriente de fase máx.</translation>
    </message>
    <message>
        <source>less power for assistance and throttle.</source>
        <translation>menos potencia para la asistencia y el acelerador.</translation>
    </message>
    <message>
        <source>The battery voltage below which the controller cuts the motor, so that the battery is not drained empty.</source>
        <translation>La tensión de batería por debajo de la cual el controlador corta el motor, para que la batería no se vacíe del todo.</translation>
    </message>
    <message>
        <source>assistance stops while the battery is still half full (above about 3.6 V a cell).</source>
        <translation>la asistencia se detiene con la batería aún medio llena (por encima de unos 3.6 V por celda).</translation>
    </message>
    <message>
        <source>the cells are drained too deep (below about 2.8 V a cell).</source>
        <translation>las celdas se descargan demasiado (por debajo de unos 2.8 V por celda).</translation>
    </message>
    <message>
        <source>The controller&apos;s acceleration setting, a position of the track bar.</source>
        <translation>El ajuste de aceleración del controlador, una posición del control deslizante.</translation>
    </message>
    <message>
        <source>The signal level of the brake lever sensors, &quot;Low&quot; or &quot;High&quot;: choose the one the bike&apos;s brake sensors give.</source>
        <translation>El nivel de señal de los sensores de las manetas de freno, «Baja» o «Alta»: elija el que dan los sensores de freno de la bicicleta.</translation>
    </message>
    <message>
        <source>The speed at which the controller stops assisting, while &quot;Limit max speed&quot; is ticked; with it clear a write sends 900 km/h, which means no limit.</source>
        <translation>La velocidad a la que el controlador deja de asistir, mientras «Limitar velocidad máx.» está marcada; sin marcar, la escritura envía 900 km/h, es decir, sin límite.</translation>
    </message>
    <message>
        <source>the bike may break the road class it is ridden in (Connect &gt; Road Class checks it).</source>
        <translation>la bicicleta puede incumplir la clase de circulación en la que circula (Conexión &gt; Clase de circulación lo comprueba).</translation>
    </message>
    <message>
        <source>assistance stops at a lower speed.</source>
        <translation>la asistencia se detiene a menor velocidad.</translation>
    </message>
    <message>
        <source>How many magnets pass the speed sensor in one turn of the wheel; the controller reckons the speed from them and the wheel perimeter.</source>
        <translation>Cuántos imanes pasan por el sensor de velocidad en una vuelta de la rueda; con ellos y el perímetro de la rueda el controlador calcula la velocidad.</translation>
    </message>
    <message>
        <source>the speed is reckoned too low, so assistance may go on past the speed limit.</source>
        <translation>la velocidad se calcula demasiado baja, así que la asistencia puede seguir por encima del límite de velocidad.</translation>
    </message>
    <message>
        <source>the speed is reckoned too high, so assistance stops early.</source>
        <translation>la velocidad se calcula demasiado alta, así que la asistencia se detiene antes de tiempo.</translation>
    </message>
    <message>
        <source>The distance the wheel rolls in one turn; the controller reckons the speed from it. The list beside the field fills in common sizes; measuring the wheel is more exact.</source>
        <translation>La distancia que recorre la rueda en una vuelta; con ella el controlador calcula la velocidad. La lista junto al campo rellena los tamaños habituales; medir la rueda es más exacto.</translation>
    </message>
    <message>
        <source>Whether the bike has a pedal speed sensor (PAS) for the controller to use. Clear, the group &quot;Pedal speed sensor functions&quot; is switched off; its values are still written.</source>
        <translation>Si la bicicleta tiene un sensor de pedaleo (PAS) que use el controlador. Sin marcar, el grupo «Sensor de pedaleo (PAS)» queda desactivado; sus valores se escriben igualmente.</translation>
    </message>
    <message>
        <source>The duty cycle of the pedal sensor&apos;s signal, below or above 50 %: choose the one the bike&apos;s sensor gives.</source>
        <translation>El ciclo de trabajo de la señal del sensor de pedaleo, por debajo o por encima del 50 %: elija el que da el sensor de la bicicleta.</translation>
    </message>
    <message>
        <source>How many magnets the pedal sensor&apos;s disc carries; it must match the disc.</source>
        <translation>Cuántos imanes lleva el disco del sensor de pedaleo; debe coincidir con el disco.</translation>
    </message>
    <message>
        <source>How many of the pedal sensor&apos;s magnets must pass before assistance starts.</source>
        <translation>Cuántos imanes del sensor de pedaleo deben pasar antes de que empiece la asistencia.</translation>
    </message>
    <message>
        <source>assistance starts after more pedalling.</source>
        <translation>la asistencia empieza tras más pedaleo.</translation>
    </message>
    <message>
        <source>assistance starts after less pedalling.</source>
        <translation>la asistencia empieza tras menos pedaleo.</translation>
    </message>
    <message>
        <source>How long assistance goes on after the pedals stop.</source>
        <translation>Cuánto tiempo sigue la asistencia después de que paran los pedales.</translation>
    </message>
    <message>
        <source>the motor goes on pushing longer after you stop pedalling.</source>
        <translation>el motor sigue empujando más tiempo después de dejar de pedalear.</translation>
    </message>
    <message>
        <source>assistance stops sooner after the pedals stop.</source>
        <translation>la asistencia se detiene antes después de que paran los pedales.</translation>
    </message>
    <message>
        <source>The pedal assist sensor (PAS) ratio, a position of the track bar.</source>
        <translation>La relación del sensor de asistencia al pedaleo (PAS), una posición del control deslizante.</translation>
    </message>
    <message>
        <source>Whether the bike has a throttle for the controller to use. Clear, the group &quot;Throttle functions&quot; is switched off; its values are still written.</source>
        <translation>Si la bicicleta tiene un acelerador que use el controlador. Sin marcar, el grupo «Acelerador» queda desactivado; sus valores se escriben igualmente.</translation>
    </message>
    <message>
        <source>The largest output the throttle asks for, in percent of the full output.</source>
        <translation>La mayor potencia que pide el acelerador, en por ciento de la potencia completa.</translation>
    </message>
    <message>
        <source>the throttle gives less power.</source>
        <translation>el acelerador da menos potencia.</translation>
    </message>
    <message>
        <source>Whether the throttle keeps to the limits of the assist levels (&quot;Level 1&quot; to &quot;Level 9&quot;).</source>
        <translation>Si el acelerador respeta los límites de los niveles de asistencia («Nivel 1» a «Nivel 9»).</translation>
    </message>
    <message>
        <source>The throttle&apos;s signal voltage at which it starts to act; it must stay below the full voltage.</source>
        <translation>La tensión de señal del acelerador a la que empieza a actuar; debe quedar por debajo de la tensión a fondo.</translation>
    </message>
    <message>
        <source>the throttle starts late in its travel.</source>
        <translation>el acelerador empieza tarde en su recorrido.</translation>
    </message>
    <message>
        <source>the throttle starts early in its travel.</source>
        <translation>el acelerador empieza pronto en su recorrido.</translation>
    </message>
    <message>
        <source>The throttle&apos;s signal voltage at which it gives full output.</source>
        <translation>La tensión de señal del acelerador a la que da la potencia completa.</translation>
    </message>
    <message>
        <source>above what the throttle gives when fully turned, full output is never reached.</source>
        <translation>por encima de lo que da el acelerador a fondo, nunca se alcanza la potencia completa.</translation>
    </message>
    <message>
        <source>full output comes early in the throttle&apos;s travel.</source>
        <translation>la potencia completa llega pronto en el recorrido del acelerador.</translation>
    </message>
    <message>
        <source>How the throttle works with the pedal sensor: on its own, together with the pedal sensor, or started by it. Some road classes allow a throttle only while pedalling.</source>
        <translation>Cómo trabaja el acelerador con el sensor de pedaleo: por sí solo, junto con el sensor de pedaleo o arrancado por él. Algunas clases de circulación admiten un acelerador solo mientras se pedalea.</translation>
    </message>
    <message>
        <source>How many assist levels the rider can choose from; only the levels up to this count can be edited.</source>
        <translation>Entre cuántos niveles de asistencia puede elegir el ciclista; solo se pueden editar los niveles hasta este número.</translation>
    </message>
    <message>
        <source>more levels to step through.</source>
        <translation>más niveles que recorrer.</translation>
    </message>
    <message>
        <source>fewer levels to choose from.</source>
        <translation>menos niveles entre los que elegir.</translation>
    </message>
    <message>
        <source>Whether the limits of the assist levels act on the speed.</source>
        <translation>Si los límites de los niveles de asistencia actúan sobre la velocidad.</translation>
    </message>
    <message>
        <source>Whether the limits of the assist levels act on the current.</source>
        <translation>Si los límites de los niveles de asistencia actúan sobre la corriente.</translation>
    </message>
    <message>
        <source>The limit of the walk-assist mode, which helps while you push the bike, in percent.</source>
        <translation>El límite del modo de asistencia al caminar, que ayuda mientras empuja la bicicleta, en por ciento.</translation>
    </message>
    <message>
        <source>more push while walking.</source>
        <translation>más empuje al caminar.</translation>
    </message>
    <message>
        <source>less push while walking.</source>
        <translation>menos empuje al caminar.</translation>
    </message>
    <message>
        <source>Whether the pedal sensor works together with the throttle.</source>
        <translation>Si el sensor de pedaleo trabaja junto con el acelerador.</translation>
    </message>
    <message>
        <source>The motor&apos;s Hall sensors: 120 degree, 60 degree or none (sensorless). It must match the motor; wrong motor data can make the motor run rough or overheat.</source>
        <translation>Los sensores Hall del motor: 120 grados, 60 grados o ninguno (sin sensores). Debe coincidir con el motor; datos de motor erróneos pueden hacer que el motor funcione irregular o se sobrecaliente.</translation>
    </message>
    <message>
        <source>Whether the motor has a one-way clutch (freewheel) inside. It must match the motor.</source>
        <translation>Si el motor tiene un embrague unidireccional (rueda libre) en su interior. Debe coincidir con el motor.</translation>
    </message>
    <message>
        <source>The motor&apos;s rated voltage, from its data sheet or label; wrong motor data can make the motor run rough or overheat.</source>
        <translation>La tensión nominal del motor, según su hoja de datos o su placa; datos de motor erróneos pueden hacer que el motor funcione irregular o se sobrecaliente.</translation>
    </message>
    <message>
        <source>The motor&apos;s rated power, from its data sheet or label. Road classes allow a rated power up to their limit (Connect &gt; Road Class checks it).</source>
        <translation>La potencia nominal del motor, según su hoja de datos o su placa. Las clases de circulación admiten una potencia nominal hasta su límite (Conexión &gt; Clase de circulación lo comprueba).</translation>
    </message>
    <message>
        <source>The number of magnet pole pairs of the motor, from its data sheet.</source>
        <translation>El número de pares de polos magnéticos del motor, según su hoja de datos.</translation>
    </message>
    <message>
        <source>The motor&apos;s speed without load, from its data sheet.</source>
        <translation>La velocidad del motor sin carga, según su hoja de datos.</translation>
    </message>
    <message>
        <source>The ratio of the motor&apos;s gear: motor turns per turn of its housing or output, from its data sheet.</source>
        <translation>La relación del reductor del motor: vueltas del motor por vuelta de su carcasa o salida, según su hoja de datos.</translation>
    </message>
    <message>
        <source>The electrical resistance of the motor&apos;s stator winding, from its data sheet.</source>
        <translation>La resistencia eléctrica del devanado del estátor del motor, según su hoja de datos.</translation>
    </message>
    <message>
        <source>The inductance of the motor&apos;s stator winding, from its data sheet.</source>
        <translation>La inductancia del devanado del estátor del motor, según su hoja de datos.</translation>
    </message>
    <message>
        <source>The largest current the controller drives through the motor&apos;s windings; it is never below the max battery current.</source>
        <translation>La mayor corriente que el controlador hace pasar por los devanados del motor; nunca es menor que la corriente de batería máx.</translation>
    </message>
    <message>
        <source>more than the motor or the controller is made for: they may overheat.</source>
        <translation>más de lo que admiten el motor o el controlador: pueden sobrecalentarse.</translation>
    </message>
    <message>
        <source>less pulling power.</source>
        <translation>menos fuerza de tracción.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Cannot create file %1</source>
        <extracomment>%1 the file&apos;s path</extracomment>
        <translation>No se puede crear el archivo %1</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <extracomment>%1 the path of config.ini</extracomment>
        <translation>No se puede escribir en %1</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <extracomment>a file whose last key has no value line; %1 the number of lines</extracomment>
        <translation>Índice de lista fuera de rango (%1)</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <extracomment>%1 the file&apos;s path</extracomment>
        <translation>No se puede abrir el archivo %1</translation>
    </message>
    <message>
        <source>File %1 is too large to be a configuration file (more than 1 MiB).</source>
        <extracomment>%1 the file&apos;s path</extracomment>
        <translation>El archivo %1 es demasiado grande para ser un archivo de configuración (más de 1 MiB).</translation>
    </message>
    <message>
        <source>Cannot open file %1: it is not a regular file.</source>
        <extracomment>%1 the path of a folder, a device or the like</extracomment>
        <translation>No se puede abrir el archivo %1: no es un archivo normal.</translation>
    </message>
    <message>
        <source>The setting file to be opened missed one data because of a bug in the old version. Please answer one question now.
Does the motor have 3 hall sensors?</source>
        <extracomment>Yes means the motor has three Hall sensors, No that it has none</extracomment>
        <translation>Al archivo de configuración que se va a abrir le falta un dato por un fallo de la versión antigua. Responda ahora a una pregunta.
¿Tiene el motor 3 sensores Hall?</translation>
    </message>
    <message>
        <source>The file %1 contains no settings.</source>
        <extracomment>%1 the file&apos;s path; the file is empty, holds only blank lines or only numbers of no setting</extracomment>
        <translation>El archivo %1 no contiene ningún ajuste.</translation>
    </message>
    <message>
        <source>The file is marked as UTF-16 text, but it is damaged: it cannot be read as text.</source>
        <extracomment>the file starts with the mark of UTF-16 text (Notepad&apos;s &quot;Unicode&quot;) but is damaged</extracomment>
        <translation>El archivo está marcado como texto UTF-16, pero está dañado: no se puede leer como texto.</translation>
    </message>
    <message>
        <source>Cannot create file %1: it is not a regular file.</source>
        <extracomment>%1 the path of a named pipe, a device or the like</extracomment>
        <translation>No se puede crear el archivo %1: no es un archivo normal.</translation>
    </message>
</context>
<context>
    <name>Limits</name>
    <message>
        <source>These values are outside the limits the window allows:</source>
        <translation>Estos valores están fuera de los límites que admite la ventana:</translation>
    </message>
    <message>
        <source>%1: %2 (allowed: %3)</source>
        <extracomment>%1 the field&apos;s caption, %2 its value with its unit, %3 the allowed range (&quot;at most 30.0 A&quot;)</extracomment>
        <translation>%1: %2 (admitido: %3)</translation>
    </message>
    <message>
        <source>at most %1</source>
        <extracomment>an allowed range: %1 the largest value with its unit, &quot;30.0 A&quot;</extracomment>
        <translation>como máximo %1</translation>
    </message>
    <message>
        <source>at least %1</source>
        <extracomment>an allowed range as a screen reader says it after the field&apos;s unit: %1 the least value, &quot;200&quot;</extracomment>
        <translation>como mínimo %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>an allowed range: %1 the least and %2 the largest value with their units, &quot;0.9 V to 3.0 V&quot;</extracomment>
        <translation>de %1 a %2</translation>
    </message>
    <message>
        <source>the start voltage</source>
        <extracomment>the least value of the throttle&apos;s full voltage, in place of a number in &quot;%1 to %2&quot;: &quot;the start voltage to 4.2&quot;</extracomment>
        <translation>la tensión mínima</translation>
    </message>
    <message>
        <source>%1 or more</source>
        <extracomment>an allowed range: %1 the least value with its unit, &quot;200 ms&quot;</extracomment>
        <translation>%1 o más</translation>
    </message>
    <message>
        <source>from the start voltage, %1, to %2</source>
        <extracomment>the allowed range of the throttle&apos;s full voltage: %1 the start voltage set, %2 the largest value, both with their unit: &quot;from the start voltage, 1.2 V, to 4.2 V&quot;</extracomment>
        <translation>de la tensión mínima, %1, a %2</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>Device Connected</source>
        <extracomment>status strip, 125 pixels wide: the programming cable&apos;s port is open</extracomment>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>Device Lost</source>
        <extracomment>status strip, 125 pixels wide: the programming cable&apos;s port is gone</extracomment>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Controller connection test result</source>
        <translation>Resultado de la prueba de conexión con el controlador</translation>
    </message>
    <message>
        <source>Another COM device using the same name is detected,
please remove it first.</source>
        <extracomment>&quot;COM device&quot;: a serial port device</extracomment>
        <translation>Se ha detectado otro dispositivo COM con el mismo nombre;
retírelo primero.</translation>
    </message>
    <message>
        <source>You may not open the programming cable&apos;s serial port %1.

%2</source>
        <extracomment>%1 the serial device&apos;s path; %2 the lines that say how to get access</extracomment>
        <translation>No tiene permiso para abrir el puerto serie %1 del cable de programación.

%2</translation>
    </message>
    <message>
        <source>Programming cable access</source>
        <translation>Acceso al cable de programación</translation>
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
        <translation>Instale la regla del cable que viene con el paquete (70-vexlor-cable.rules) y después
desconecte el cable y vuelva a conectarlo. El paquete coloca la regla en
/usr/lib/udev/rules.d; si ha compilado el programa desde el código fuente, instálela con
  sudo cp packaging/70-vexlor-cable.rules /etc/udev/rules.d/
  sudo udevadm control --reload
O únase al grupo dialout, cuyos miembros pueden abrir puertos serie:
  sudo usermod -aG dialout $USER
y después cierre la sesión y vuelva a iniciarla.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Untitled.vxc</source>
        <extracomment>the window caption&apos;s document name after New, before the first save</extracomment>
        <translation>Sin título.vxc</translation>
    </message>
    <message>
        <source>Power parameters</source>
        <translation>Parámetros de potencia</translation>
    </message>
    <message>
        <source>Pedal speed sensor functions</source>
        <translation>Sensor de pedaleo (PAS)</translation>
    </message>
    <message>
        <source>Limit max speed</source>
        <translation>Limitar velocidad máx.</translation>
    </message>
    <message>
        <source>Speed limit parameters</source>
        <translation>Límite de velocidad</translation>
    </message>
    <message>
        <source>Wheel size</source>
        <translation>Tamaño de rueda</translation>
    </message>
    <message>
        <source>Throttle functions</source>
        <translation>Acelerador</translation>
    </message>
    <message>
        <source>Level limits</source>
        <translation>Límites por nivel</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <extracomment>the About box&apos;s last credit line</extracomment>
        <translation>Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Language</source>
        <extracomment>Help &gt; Language: the note after choosing a language</extracomment>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The window will show the chosen language the next time you start the program.</source>
        <translation>La ventana mostrará el idioma elegido la próxima vez que inicie el programa.</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Brushless motor parameters</source>
        <translation>Motor sin escobillas</translation>
    </message>
    <message>
        <source>Configuration Files (*.vxc)</source>
        <extracomment>the file dialogs&apos; filter; keep &quot;(*.vxc)&quot; as it is</extracomment>
        <translation>Archivos de configuración (*.vxc)</translation>
    </message>
    <message>
        <source>Open Configuration Files</source>
        <translation>Abrir archivo de configuración</translation>
    </message>
    <message>
        <source>Save Configuration Files</source>
        <translation>Guardar archivo de configuración</translation>
    </message>
    <message>
        <source>New Configuration</source>
        <translation>Nueva configuración</translation>
    </message>
    <message>
        <source>Open Configuration</source>
        <translation>Abrir configuración</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Guardar configuración</translation>
    </message>
    <message>
        <source>Test Controller Connection</source>
        <translation>Probar la conexión con el controlador</translation>
    </message>
    <message>
        <source>Read Controller Configuration</source>
        <translation>Leer la configuración del controlador</translation>
    </message>
    <message>
        <source>Write Controller Configuration</source>
        <translation>Escribir la configuración en el controlador</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Conexión</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>The file was opened, but the list of recent files could not be saved: unable to write to %1.</source>
        <extracomment>%1 the full path of config.ini, which holds the list of recent files</extracomment>
        <translation>El archivo se ha abierto, pero no se ha podido guardar la lista de archivos recientes: no se puede escribir en %1.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>Desktop &amp;Language</source>
        <extracomment>Help &gt; Language: whatever language the desktop is set to</extracomment>
        <translation>Idioma del es&amp;critorio</translation>
    </message>
    <message>
        <source>&amp;New Configuration</source>
        <translation>&amp;Nueva configuración</translation>
    </message>
    <message>
        <source>&amp;Open Configuration...</source>
        <translation>&amp;Abrir configuración...</translation>
    </message>
    <message>
        <source>&amp;Reopen</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar c&amp;omo...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Test Controller Connection</source>
        <translation>&amp;Probar la conexión con el controlador</translation>
    </message>
    <message>
        <source>&amp;Read Controller Configuration</source>
        <translation>&amp;Leer la configuración del controlador</translation>
    </message>
    <message>
        <source>&amp;Write Controller Configuration</source>
        <translation>&amp;Escribir la configuración en el controlador</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Temas de ayuda</translation>
    </message>
    <message>
        <source>Technical &amp;Support</source>
        <translation>A&amp;sistencia técnica</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Acerca &amp;de...</translation>
    </message>
    <message>
        <source>amperes</source>
        <translation>amperios</translation>
    </message>
    <message>
        <source>volts</source>
        <translation>voltios</translation>
    </message>
    <message>
        <source>kilometres per hour</source>
        <translation>kilómetros por hora</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>milímetros</translation>
    </message>
    <message>
        <source>milliseconds stop pedaling</source>
        <extracomment>a field&apos;s unit for screen readers: &quot;Stop after [500] ms stop pedaling&quot;</extracomment>
        <translation>milisegundos sin pedalear</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>por ciento</translation>
    </message>
    <message>
        <source>watts</source>
        <translation>vatios</translation>
    </message>
    <message>
        <source>revolutions per minute</source>
        <translation>revoluciones por minuto</translation>
    </message>
    <message>
        <source>to 1</source>
        <extracomment>a field&apos;s unit for screen readers: the reduction ratio &quot;[8] :1&quot;, read &quot;8 to 1&quot;</extracomment>
        <translation>a 1</translation>
    </message>
    <message>
        <source>milliohms</source>
        <translation>miliohmios</translation>
    </message>
    <message>
        <source>millihenries</source>
        <translation>milihenrios</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>a field&apos;s description for screen readers: %1 its unit, %2 its allowed range; &quot;amperes, at most 30.0&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Result</source>
        <extracomment>the status strip&apos;s labels as a screen reader names them</extracomment>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Actividad</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>&amp;Connection Doctor…</source>
        <extracomment>Help menu: the checks of why the programming cable does not work</extracomment>
        <translation>Diagnóstico de &amp;conexión…</translation>
    </message>
    <message>
        <source>Connection Doctor…</source>
        <translation>Diagnóstico de conexión…</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <extracomment>%1 the document&apos;s name as the window caption shows it, &quot;Untitled.vxc&quot; before its first save</extracomment>
        <translation>¿Guardar los cambios en %1?</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>the status strip&apos;s message, such as where a file was saved, as a screen reader names it</extracomment>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>miles per hour, at most %1</source>
        <extracomment>a speed field&apos;s description for screen readers in imperial units: %1 the most the controller holds, &quot;4072.16&quot;</extracomment>
        <translation>millas por hora, como máximo %1</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <extracomment>Help menu: the units speeds are shown in, metric or imperial</extracomment>
        <translation>&amp;Unidades</translation>
    </message>
    <message>
        <source>Bike: %1</source>
        <extracomment>the status strip&apos;s field with the bike&apos;s label (a frame number, a customer); %1 the label</extracomment>
        <translation>Bicicleta: %1</translation>
    </message>
    <message>
        <source>Bike</source>
        <extracomment>the status strip&apos;s field with the bike&apos;s label, as a screen reader names it
----------
the box of Connect &gt; Bike...: its title and the caption of its one field</extracomment>
        <translation>Bicicleta</translation>
    </message>
    <message>
        <source>Label of the bike (frame number, customer); every operation is recorded with it:</source>
        <translation>Etiqueta de la bicicleta (número de cuadro, cliente); cada operación se registra con ella:</translation>
    </message>
    <message>
        <source>Bi&amp;ke…</source>
        <extracomment>Connect menu: the label (frame number, customer) the register records with each operation</extracomment>
        <translation>Bicicle&amp;ta…</translation>
    </message>
    <message>
        <source>H&amp;istory…</source>
        <extracomment>Connect menu: the register of every operation, as a table</extracomment>
        <translation>&amp;Historial…</translation>
    </message>
    <message>
        <source>What&apos;s &amp;This?</source>
        <extracomment>Help menu: the pointer that shows what the next field clicked does</extracomment>
        <translation>¿&amp;Qué es esto?</translation>
    </message>
    <message>
        <source>New Bike Set&amp;up…</source>
        <extracomment>File menu: the assistant that proposes values from what is printed on the bike&apos;s parts</extracomment>
        <translation>Configurar &amp;bicicleta nueva…</translation>
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
        <translation>Imanes N / S</translation>
    </message>
    <message>
        <source>Stator teeth</source>
        <translation>Dientes del estátor</translation>
    </message>
    <message>
        <source>Coils</source>
        <translation>Bobinas</translation>
    </message>
    <message>
        <source>Bearing</source>
        <translation>Rodamiento</translation>
    </message>
    <message>
        <source>Axle</source>
        <translation>Eje</translation>
    </message>
</context>
<context>
    <name>Parameters</name>
    <message>
        <source>Pedal sensor magnets</source>
        <extracomment>the field before &quot;magnets a circle&quot;, as messages and lists name it</extracomment>
        <translation>Imanes del sensor de pedaleo</translation>
    </message>
    <message>
        <source>PAS levels (1~9):</source>
        <translation>Niveles PAS (1~9):</translation>
    </message>
    <message>
        <source>%</source>
        <extracomment>unit: percent</extracomment>
        <translation>%</translation>
    </message>
    <message>
        <source>Max battery current: </source>
        <translation>Corr. máx. batería: </translation>
    </message>
    <message>
        <source>A</source>
        <extracomment>unit: ampere</extracomment>
        <translation>A</translation>
    </message>
    <message>
        <source>Low voltage protection: </source>
        <extracomment>the battery voltage below which the controller cuts the motor</extracomment>
        <translation>Corte por baja tensión: </translation>
    </message>
    <message>
        <source>V</source>
        <extracomment>unit: volt</extracomment>
        <translation>V</translation>
    </message>
    <message>
        <source>Acceleration:</source>
        <translation>Aceleración:</translation>
    </message>
    <message>
        <source>Brake voltage:</source>
        <extracomment>the brake lever sensor&apos;s signal level; its two buttons are &quot;Low&quot; and &quot;High&quot;</extracomment>
        <translation>Señal de freno:</translation>
    </message>
    <message>
        <source>Low</source>
        <extracomment>brake signal level</extracomment>
        <translation>Baja</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>brake signal level</extracomment>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Speed limit: </source>
        <translation>Velocidad máx.: </translation>
    </message>
    <message>
        <source>km/h</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>Speedometer magnets: </source>
        <extracomment>how many magnets pass the speed sensor per wheel turn</extracomment>
        <translation>Imanes del velocímetro: </translation>
    </message>
    <message>
        <source>Wheel perimeter: </source>
        <translation>Circunf. rueda: </translation>
    </message>
    <message>
        <source>mm</source>
        <extracomment>unit: millimetre</extracomment>
        <translation>mm</translation>
    </message>
    <message>
        <source>Use pedal speed sensor</source>
        <translation>Usar sensor de pedaleo</translation>
    </message>
    <message>
        <source>Duty cycle:</source>
        <extracomment>the pedal sensor signal&apos;s duty cycle; its buttons are &quot;&lt; 50%&quot; and &quot;&gt; 50%&quot;</extracomment>
        <translation>Ciclo útil:</translation>
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
        <translation>imanes/vuelta</translation>
    </message>
    <message>
        <source>Start after </source>
        <extracomment>&quot;Start after [2] magnets passed&quot;: assist starts after this many sensor magnets</extracomment>
        <translation>Activar tras </translation>
    </message>
    <message>
        <source>magnets passed</source>
        <extracomment>&quot;Start after [2] magnets passed&quot;</extracomment>
        <translation>imanes</translation>
    </message>
    <message>
        <source>Stop after </source>
        <extracomment>&quot;Stop after [500] ms stop pedaling&quot;: assist stops this long after pedalling stops</extracomment>
        <translation>Parar tras </translation>
    </message>
    <message>
        <source>ms stop pedaling</source>
        <extracomment>&quot;Stop after [500] ms stop pedaling&quot;</extracomment>
        <translation>ms sin pedalear</translation>
    </message>
    <message>
        <source>PAS ratio: </source>
        <extracomment>pedal assist sensor (PAS) ratio, a track bar from 1 to 9</extracomment>
        <translation>Relación PAS: </translation>
    </message>
    <message>
        <source>Use throttle</source>
        <translation>Usar acelerador</translation>
    </message>
    <message>
        <source>Max output: </source>
        <extracomment>the throttle&apos;s largest output, in percent</extracomment>
        <translation>Salida máx.: </translation>
    </message>
    <message>
        <source>Limited by PAS level limits</source>
        <extracomment>the throttle follows the assist level limits</extracomment>
        <translation>Limitado por nivel PAS</translation>
    </message>
    <message>
        <source>Start voltage: </source>
        <extracomment>the throttle&apos;s voltage where it starts; the row reads &quot;Start voltage: [1.2] V, Full: [3.4] V&quot;</extracomment>
        <translation>Tens. mín.: </translation>
    </message>
    <message>
        <source>V,</source>
        <extracomment>unit: volt, followed on the same row by &quot;Full: [3.4] V&quot;</extracomment>
        <translation>V,</translation>
    </message>
    <message>
        <source>Full: </source>
        <extracomment>the throttle&apos;s voltage at full twist, after &quot;Start voltage: [1.2] V,&quot;; keep it short</extracomment>
        <translation>Máx: </translation>
    </message>
    <message>
        <source>Working style</source>
        <extracomment>how the throttle works with the pedal sensor (a group of three choices)</extracomment>
        <translation>Funcionamiento</translation>
    </message>
    <message>
        <source>Independently</source>
        <translation>Independiente</translation>
    </message>
    <message>
        <source>Together with pedal sensor</source>
        <translation>Con el sensor de pedaleo</translation>
    </message>
    <message>
        <source>Start by pedal sensor</source>
        <translation>Arranque al pedalear</translation>
    </message>
    <message>
        <source>Level 1: </source>
        <translation>Nivel 1: </translation>
    </message>
    <message>
        <source>Level 2: </source>
        <translation>Nivel 2: </translation>
    </message>
    <message>
        <source>Level 3: </source>
        <translation>Nivel 3: </translation>
    </message>
    <message>
        <source>Level 4: </source>
        <translation>Nivel 4: </translation>
    </message>
    <message>
        <source>Level 5: </source>
        <translation>Nivel 5: </translation>
    </message>
    <message>
        <source>Level 6: </source>
        <translation>Nivel 6: </translation>
    </message>
    <message>
        <source>Level 7: </source>
        <translation>Nivel 7: </translation>
    </message>
    <message>
        <source>Level 8: </source>
        <translation>Nivel 8: </translation>
    </message>
    <message>
        <source>Level 9: </source>
        <translation>Nivel 9: </translation>
    </message>
    <message>
        <source>Limit speed</source>
        <extracomment>the assist levels limit the speed</extracomment>
        <translation>Limitar velocidad</translation>
    </message>
    <message>
        <source>Limit current</source>
        <extracomment>the assist levels limit the current</extracomment>
        <translation>Limitar corriente</translation>
    </message>
    <message>
        <source>Walk assist: </source>
        <translation>Caminar: </translation>
    </message>
    <message>
        <source>Work together with throttle</source>
        <extracomment>the pedal sensor works together with the throttle</extracomment>
        <translation>Junto con el acelerador</translation>
    </message>
    <message>
        <source>Hall sensor</source>
        <extracomment>the motor&apos;s Hall sensors: 120 degree, 60 degree or none</extracomment>
        <translation>Sensor Hall</translation>
    </message>
    <message>
        <source>120° Sensors</source>
        <translation>Sensores 120°</translation>
    </message>
    <message>
        <source>60° Sensors</source>
        <translation>Sensores 60°</translation>
    </message>
    <message>
        <source>Sensorless</source>
        <translation>Sin sensores</translation>
    </message>
    <message>
        <source>Rotation direction</source>
        <extracomment>a hub motor with or without a freewheel (one-way clutch) inside</extracomment>
        <translation>Sentido de giro</translation>
    </message>
    <message>
        <source>One way clutch</source>
        <translation>Con rueda libre</translation>
    </message>
    <message>
        <source>Without clutch</source>
        <translation>Sin rueda libre</translation>
    </message>
    <message>
        <source>Rated voltage: </source>
        <translation>Tensión nominal: </translation>
    </message>
    <message>
        <source>Rated power: </source>
        <translation>Potencia nominal: </translation>
    </message>
    <message>
        <source>W</source>
        <extracomment>unit: watt</extracomment>
        <translation>W</translation>
    </message>
    <message>
        <source>No. of pole-pairs: </source>
        <translation>Pares de polos: </translation>
    </message>
    <message>
        <source>No-load speed: </source>
        <translation>Velocidad en vacío: </translation>
    </message>
    <message>
        <source>rpm</source>
        <extracomment>unit: revolutions per minute</extracomment>
        <translation>rpm</translation>
    </message>
    <message>
        <source>Reduction ratio: </source>
        <extracomment>the motor&apos;s gear ratio, shown as &quot;[8] :1&quot;</extracomment>
        <translation>Relación de reducción: </translation>
    </message>
    <message>
        <source>:1</source>
        <extracomment>after the reduction ratio&apos;s field: &quot;[8] :1&quot;</extracomment>
        <translation>:1</translation>
    </message>
    <message>
        <source>Stator resistance: </source>
        <translation>Resistencia del estátor: </translation>
    </message>
    <message>
        <source>mOhm</source>
        <extracomment>unit: milliohm</extracomment>
        <translation>mOhm</translation>
    </message>
    <message>
        <source>Stator inductance: </source>
        <translation>Inductancia del estátor: </translation>
    </message>
    <message>
        <source>mH</source>
        <extracomment>unit: millihenry</extracomment>
        <translation>mH</translation>
    </message>
    <message>
        <source>Max phase current:</source>
        <translation>Corriente máx. de fase:</translation>
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
        <translation>imanes</translation>
    </message>
</context>
<context>
    <name>Plausibility</name>
    <message>
        <source>%1 to %2 for %3 cells (rated voltage %4)</source>
        <extracomment>%1 the least and %2 the largest cut-off voltage with their unit (&quot;28.0 V&quot;, &quot;36.0 V&quot;), %3 the number of cells in series (&quot;10&quot;), %4 the rated voltage with its unit (&quot;36 V&quot;)</extracomment>
        <translation>%1 a %2 para %3 celdas (tensión nominal %4)</translation>
    </message>
    <message>
        <source>at most %1, the value of %2</source>
        <extracomment>%1 a value with its unit (&quot;30 A&quot;), %2 the caption of the field that holds it (&quot;Max phase current&quot;)</extracomment>
        <translation>como máximo %1, el valor de %2</translation>
    </message>
    <message>
        <source>below %1, the value of %2</source>
        <extracomment>%1 a value with its unit (&quot;3.4 V&quot;), %2 the caption of the field that holds it (&quot;Full&quot;)</extracomment>
        <translation>por debajo de %1, el valor de %2</translation>
    </message>
    <message>
        <source>above %1, the value of %2</source>
        <extracomment>%1 a value with its unit (&quot;50 %&quot;), %2 the caption of the field that holds it (&quot;Level 2&quot;)</extracomment>
        <translation>por encima de %1, el valor de %2</translation>
    </message>
    <message>
        <source>%1 at the top level in use</source>
        <extracomment>what the last assist level in use should be: %1 &quot;100 %&quot;</extracomment>
        <translation>%1 en el nivel más alto en uso</translation>
    </message>
    <message>
        <source>%1: %2 (plausible: %3)</source>
        <extracomment>one warning: %1 the field&apos;s caption, %2 its value with its unit, %3 what would fit (&quot;at least 1&quot;)</extracomment>
        <translation>%1: %2 (plausible: %3)</translation>
    </message>
    <message>
        <source>These values hardly fit a bike or each other:</source>
        <extracomment>above the list of warnings in the question before a write and in a check&apos;s report</extracomment>
        <translation>Estos valores apenas encajan con una bicicleta o entre sí:</translation>
    </message>
    <message>
        <source>Warning on %1</source>
        <extracomment>what a screen reader calls the small warning sign beside a field; %1 the field&apos;s caption</extracomment>
        <translation>Aviso sobre %1</translation>
    </message>
</context>
<context>
    <name>Profiles</name>
    <message>
        <source>Pro&amp;files</source>
        <extracomment>File &gt; Profiles: the submenu listing the configurations kept under a name</extracomment>
        <translation>&amp;Perfiles</translation>
    </message>
    <message>
        <source>Save as Profi&amp;le…</source>
        <translation>Guardar como p&amp;erfil…</translation>
    </message>
    <message>
        <source>No Profiles Yet</source>
        <extracomment>File &gt; Profiles while there is none</extracomment>
        <translation>Aún no hay perfiles</translation>
    </message>
    <message>
        <source>Save as Profile</source>
        <translation>Guardar como perfil</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>N&amp;ote:</source>
        <translation>N&amp;ota:</translation>
    </message>
    <message>
        <source>The window&apos;s values are kept under this name, for example for a battery or a bike model; File &gt; Profiles puts them back into the window.</source>
        <extracomment>under the fields of the profile dialog</extracomment>
        <translation>Los valores de la ventana se guardan con este nombre, por ejemplo para una batería o un modelo de bicicleta; Archivo &gt; Perfiles los devuelve a la ventana.</translation>
    </message>
    <message>
        <source>A profile named &quot;%1&quot; exists already. Replace it?</source>
        <extracomment>%1 the profile&apos;s name</extracomment>
        <translation>Ya existe un perfil llamado «%1». ¿Reemplazarlo?</translation>
    </message>
    <message>
        <source>A profile needs a name.</source>
        <translation>Un perfil necesita un nombre.</translation>
    </message>
    <message>
        <source>A profile&apos;s name has at most %1 characters.</source>
        <extracomment>%1 the largest number of characters</extracomment>
        <translation>El nombre de un perfil tiene como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>A profile&apos;s name cannot hold %1 or control characters: &quot;%2&quot;.</source>
        <extracomment>%1 the characters refused, %2 the name given</extracomment>
        <translation>El nombre de un perfil no puede contener %1 ni caracteres de control: «%2».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a file on every system: a profile&apos;s name must not begin with a dot or a blank, end with a dot or a blank, or be a device name such as CON or NUL.</source>
        <extracomment>%1 the name given; CON and NUL are names Windows keeps for devices</extracomment>
        <translation>«%1» no puede nombrar un archivo en todos los sistemas: el nombre de un perfil no debe empezar ni terminar con un punto o un espacio, ni ser un nombre de dispositivo como CON o NUL.</translation>
    </message>
    <message>
        <source>No profile is named &quot;%1&quot;.</source>
        <extracomment>%1 the name given</extracomment>
        <translation>No hay ningún perfil llamado «%1».</translation>
    </message>
</context>
<context>
    <name>Register</name>
    <message>
        <source>Not recorded in the register: %1</source>
        <extracomment>%1 why the operation was not recorded (one of the texts below, or the database&apos;s own)</extracomment>
        <translation>No registrado en el registro: %1</translation>
    </message>
    <message>
        <source>this build keeps no register (it was made without Qt SQL).</source>
        <extracomment>the program was built without the database module; Qt SQL is the name of that module</extracomment>
        <translation>esta compilación no lleva registro (se hizo sin Qt SQL).</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <extracomment>%1 the register&apos;s path, %2 the database&apos;s reason</extracomment>
        <translation>No se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <extracomment>%1 the register&apos;s path, %2 the database&apos;s reason</extracomment>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <extracomment>%1 the register&apos;s path, %2 the database&apos;s reason</extracomment>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1 was made by a newer version of the tool (schema %2, this one knows %3).</source>
        <extracomment>%1 the register&apos;s path, %2 the schema version in the file, %3 the newest this version knows</extracomment>
        <translation>%1 fue creado por una versión más reciente de la herramienta (esquema %2, esta conoce %3).</translation>
    </message>
    <message>
        <source>%1 names no shop server: give postgresql://USER@HOST[:PORT]/DB.</source>
        <extracomment>%1 what was given; keep postgresql://USER@HOST[:PORT]/DB as it is</extracomment>
        <translation>%1 no indica ningún servidor del taller: indique postgresql://USER@HOST[:PORT]/DB.</translation>
    </message>
    <message>
        <source>%1 carries a password, which is never taken from there: give the address without it and put the password in ~/.pgpass or PGPASSWORD.</source>
        <extracomment>%1 the address with the password left out; keep ~/.pgpass and PGPASSWORD as they are</extracomment>
        <translation>%1 contiene una contraseña, que nunca se toma de ahí: indique la dirección sin ella y ponga la contraseña en ~/.pgpass o PGPASSWORD.</translation>
    </message>
    <message>
        <source>the shop server is not available in this build (Qt&apos;s PostgreSQL driver QPSQL is missing).</source>
        <extracomment>QPSQL is the name of Qt&apos;s PostgreSQL driver</extracomment>
        <translation>el servidor del taller no está disponible en esta compilación (falta el controlador PostgreSQL de Qt, QPSQL).</translation>
    </message>
    <message>
        <source>The shop&apos;s register on %1.</source>
        <extracomment>%1 the server&apos;s address</extracomment>
        <translation>El registro del taller en %1.</translation>
    </message>
    <message>
        <source>Only this bench&apos;s records: the shop server cannot be reached. %1</source>
        <extracomment>%1 why the server cannot be reached</extracomment>
        <translation>Solo los registros de este puesto: no se puede alcanzar el servidor del taller. %1</translation>
    </message>
    <message>
        <source>Recorded on this bench; it goes to the shop server once it can be reached: %1</source>
        <extracomment>%1 why the server cannot be reached now (naming it)</extracomment>
        <translation>Registrado en este puesto; irá al servidor del taller en cuanto se pueda alcanzar: %1</translation>
    </message>
</context>
<context>
    <name>RoadCheck</name>
    <message>
        <source>only with pedalling: %1 or %2, or %3 cleared</source>
        <extracomment>%1 and %2 the working styles &quot;Together with pedal sensor&quot; and &quot;Start by pedal sensor&quot;, %3 the check box &quot;Use throttle&quot;</extracomment>
        <translation>solo pedaleando: %1 o %2, o %3 desmarcado</translation>
    </message>
    <message>
        <source>%1, so it assists up to %2</source>
        <extracomment>%1 the wheel perimeter with its unit (&quot;2000 mm&quot;), %2 a speed with its unit (&quot;27.4 km/h&quot;)</extracomment>
        <translation>%1, así que asiste hasta %2</translation>
    </message>
    <message>
        <source>%1, so it assists at any speed</source>
        <extracomment>%1 the wheel perimeter with its unit, &quot;0 mm&quot;: the controller cannot measure the speed</extracomment>
        <translation>%1, así que asiste a cualquier velocidad</translation>
    </message>
    <message>
        <source>at least %1: the tire %2 rolls %3 a turn</source>
        <extracomment>%1 the least wheel perimeter (&quot;2128 mm&quot;), %2 the tire (&quot;57-584&quot;), %3 how far it rolls in one turn of the wheel (&quot;2193 mm&quot;)</extracomment>
        <translation>como mínimo %1: el neumático %2 rueda %3 por vuelta</translation>
    </message>
    <message>
        <source>throttle also without pedalling</source>
        <translation>acelerador también sin pedalear</translation>
    </message>
    <message>
        <source>throttle only while pedalling</source>
        <translation>acelerador solo al pedalear</translation>
    </message>
    <message>
        <source>Road class: %1</source>
        <extracomment>%1 the road class&apos;s name</extracomment>
        <translation>Clase de circulación: %1</translation>
    </message>
    <message>
        <source>Tire: %1, %2 a turn</source>
        <extracomment>%1 the tire (&quot;57-584&quot;), %2 how far it rolls in one turn of the wheel (&quot;2193 mm&quot;)</extracomment>
        <translation>Neumático: %1, %2 por vuelta</translation>
    </message>
    <message>
        <source>These values break the road class %1:</source>
        <extracomment>%1 the road class&apos;s name, &quot;EU / UK pedelec (EN 15194)&quot;</extracomment>
        <translation>Estos valores incumplen la clase de circulación %1:</translation>
    </message>
    <message>
        <source>The settings keep to the road class %1.</source>
        <extracomment>%1 the road class&apos;s name</extracomment>
        <translation>Los ajustes cumplen la clase de circulación %1.</translation>
    </message>
    <message>
        <source>No road class chosen.</source>
        <translation>Ninguna clase de circulación elegida.</translation>
    </message>
    <message>
        <source>No tire given: the wheel perimeter is not checked.</source>
        <extracomment>the tire was not given, so the wheel perimeter is not checked</extracomment>
        <translation>No se indicó neumático: no se comprueba la circunferencia de la rueda.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no tire size. Give its ETRTO size, width and bead seat diameter in millimetres (57-584), or a common size such as 26x2.1.</source>
        <extracomment>%1 what was given; keep 57-584 and 26x2.1 as they are</extracomment>
        <translation>«%1» no es una medida de neumático. Indique su medida ETRTO, ancho y diámetro de asiento del talón en milímetros (57-584), o una medida común como 26x2.1.</translation>
    </message>
    <message>
        <source>%1, and there is no speed limit: it assists at any speed</source>
        <extracomment>%1 the wheel perimeter with its unit; &quot;Limit max speed&quot; is cleared, so nothing cuts the motor off</extracomment>
        <translation>%1, y no hay límite de velocidad: asiste a cualquier velocidad</translation>
    </message>
    <message>
        <source>%1, so the speedometer reads %2 % slow</source>
        <extracomment>%1 the wheel perimeter with its unit (&quot;2074 mm&quot;), %2 how many per cent too slow it shows the speed (&quot;5&quot;)</extracomment>
        <translation>%1, así que el velocímetro marca un %2 % de menos</translation>
    </message>
    <message>
        <source>%1, so the speedometer reads %2 % fast</source>
        <extracomment>%1 the wheel perimeter with its unit (&quot;2400 mm&quot;), %2 how many per cent too fast it shows the speed (&quot;16&quot;)</extracomment>
        <translation>%1, así que el velocímetro marca un %2 % de más</translation>
    </message>
    <message>
        <source>%1 to %2: the tire %3 rolls %4 a turn</source>
        <extracomment>the perimeters that show the speed true to 3 %: %1 the least (&quot;2128 mm&quot;), %2 the largest (&quot;2258 mm&quot;), %3 the tire (&quot;57-584&quot;), %4 how far it rolls in one turn of the wheel (&quot;2193 mm&quot;)</extracomment>
        <translation>%1 a %2: el neumático %3 rueda %4 por vuelta</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <extracomment>one note: %1 the field&apos;s caption, %2 its value as a note says it, %3 the perimeters that read true</extracomment>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>Worth knowing, though it does not break the class:</source>
        <extracomment>above the notes of a check, after the line that says whether the class is kept</extracomment>
        <translation>Conviene saberlo, aunque no incumple la clase:</translation>
    </message>
</context>
<context>
    <name>RoadClasses</name>
    <message>
        <source>EU / UK pedelec (EN 15194)</source>
        <extracomment>the European and British class of pedal-assist bikes; keep EN 15194</extracomment>
        <translation>EPAC UE / R. U. (EN 15194)</translation>
    </message>
    <message>
        <source>US class 1</source>
        <extracomment>US class 1: pedal assist only, up to 20 mph</extracomment>
        <translation>EE. UU. clase 1</translation>
    </message>
    <message>
        <source>US class 2</source>
        <extracomment>US class 2: throttle allowed, up to 20 mph</extracomment>
        <translation>EE. UU. clase 2</translation>
    </message>
    <message>
        <source>US class 3</source>
        <extracomment>US class 3: pedal assist only, up to 28 mph</extracomment>
        <translation>EE. UU. clase 3</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canadá</translation>
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
        <translation>Parámetro</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Window</source>
        <extracomment>column heading: the value the window shows</extracomment>
        <translation>Ventana</translation>
    </message>
    <message>
        <source>Controller</source>
        <extracomment>column heading: the value the controller holds</extracomment>
        <translation>Controlador</translation>
    </message>
    <message>
        <source>Written</source>
        <extracomment>column heading: the value that was written to the controller</extracomment>
        <translation>Escrito</translation>
    </message>
    <message>
        <source>Held by the controller</source>
        <extracomment>column heading: the value the controller holds after the write</extracomment>
        <translation>En el controlador</translation>
    </message>
    <message>
        <source>Compare with Controller</source>
        <translation>Comparar con el controlador</translation>
    </message>
    <message>
        <source>These parameters differ between the window and the controller:</source>
        <translation>Estos parámetros son distintos en la ventana y en el controlador:</translation>
    </message>
    <message>
        <source>The controller holds the window&apos;s settings.</source>
        <translation>El controlador tiene los mismos ajustes que la ventana.</translation>
    </message>
    <message>
        <source>&amp;Load Controller&apos;s Values</source>
        <translation>Cargar &amp;valores del controlador</translation>
    </message>
    <message>
        <source>&amp;Write Window&apos;s Values</source>
        <translation>&amp;Escribir valores de la ventana</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Restaurar copia de seguridad</translation>
    </message>
    <message>
        <source>Choose a backup to load into the window. The controller does not change until you write the settings.</source>
        <translation>Elija una copia de seguridad para cargarla en la ventana. El controlador no cambia hasta que escriba los ajustes.</translation>
    </message>
    <message>
        <source>Taken</source>
        <extracomment>column heading: when the backup was taken</extracomment>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Parameters that differ from the window</source>
        <translation>Parámetros distintos de los de la ventana</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Cargar</translation>
    </message>
    <message>
        <source>There are no backups yet. A backup of the controller&apos;s settings is taken before every write.</source>
        <translation>Todavía no hay copias de seguridad. Antes de cada escritura se hace una copia de seguridad de los ajustes del controlador.</translation>
    </message>
    <message>
        <source>Write that followed</source>
        <extracomment>column heading: how the write that followed the backup ended</extracomment>
        <translation>Escritura siguiente</translation>
    </message>
    <message>
        <source>Note</source>
        <extracomment>column heading: &quot;Taken after an interrupted write&quot;, or nothing</extracomment>
        <translation>Nota</translation>
    </message>
    <message>
        <source>A backup taken after an interrupted write may hold part of that write&apos;s values. To undo the interrupted write, load the newest backup without that note.</source>
        <translation>Una copia de seguridad hecha tras una escritura interrumpida puede contener parte de los valores de esa escritura. Para deshacer la escritura interrumpida, cargue la copia más reciente sin esa nota.</translation>
    </message>
    <message>
        <source>Values Outside the Limits</source>
        <translation>Valores fuera de los límites</translation>
    </message>
    <message>
        <source>Write anyway?</source>
        <translation>¿Escribir de todos modos?</translation>
    </message>
    <message>
        <source>&amp;Write Anyway</source>
        <translation>&amp;Escribir de todos modos</translation>
    </message>
    <message>
        <source>Unreadable</source>
        <extracomment>in the differences column of a backup file that cannot be loaded (empty or damaged)</extracomment>
        <translation>Ilegible</translation>
    </message>
    <message>
        <source>&amp;Compare with Controller…</source>
        <translation>&amp;Comparar con el controlador…</translation>
    </message>
    <message>
        <source>Back &amp;Up Before Write</source>
        <translation>Copia &amp;antes de escribir</translation>
    </message>
    <message>
        <source>&amp;Verify After Write</source>
        <translation>&amp;Verificar tras escribir</translation>
    </message>
    <message>
        <source>Restore &amp;Backup…</source>
        <translation>Restaurar &amp;copia…</translation>
    </message>
    <message>
        <source>%1 (no. %2)</source>
        <extracomment>when more than one backup was taken in the same second: %1 the date and time, %2 the backup&apos;s place among them (1 the first); &quot;14.03.26 09:30:01 (no. 2)&quot;</extracomment>
        <translation>%1 (n.º %2)</translation>
    </message>
    <message>
        <source>Implausible Values</source>
        <extracomment>the title of the question before a write when only implausible values are listed</extracomment>
        <translation>Valores inverosímiles</translation>
    </message>
</context>
<context>
    <name>SettingsJson</name>
    <message>
        <source>This is no JSON (at byte %1: %2).</source>
        <extracomment>%1 where the JSON breaks (a byte offset), %2 the parser&apos;s reason (English)</extracomment>
        <translation>Esto no es JSON (en el byte %1: %2).</translation>
    </message>
    <message>
        <source>This JSON holds no settings: its &quot;format&quot; is not &quot;vexlor-settings&quot;.</source>
        <extracomment>keep &quot;format&quot; and vexlor-settings as they are: they are written so in the file</extracomment>
        <translation>Este JSON no contiene ajustes: su &quot;format&quot; no es &quot;vexlor-settings&quot;.</translation>
    </message>
    <message>
        <source>These settings are of version %1; this tool reads version %2 and older.</source>
        <extracomment>%1 the version the file names, %2 the newest this tool reads</extracomment>
        <translation>Estos ajustes son de la versión %1; esta herramienta lee la versión %2 y anteriores.</translation>
    </message>
    <message>
        <source>Unknown member &quot;%1&quot;.</source>
        <extracomment>%1 the member as the file spells it; keep &quot;parameters&quot; and &quot;name&quot; as they are</extracomment>
        <translation>Miembro desconocido &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;parameters&quot; must be a list of objects, each with a &quot;name&quot; and a &quot;value&quot;.</source>
        <extracomment>keep &quot;parameters&quot;, &quot;name&quot; and &quot;value&quot; as they are: they are written so in the file</extracomment>
        <translation>&quot;parameters&quot; debe ser una lista de objetos, cada uno con &quot;name&quot; y &quot;value&quot;.</translation>
    </message>
    <message>
        <source>Unknown parameter &quot;%1&quot;.</source>
        <extracomment>%1 the parameter&apos;s name as the file spells it</extracomment>
        <translation>Parámetro desconocido &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 is given twice.</source>
        <extracomment>%1 the parameter&apos;s name</extracomment>
        <translation>%1 aparece dos veces.</translation>
    </message>
    <message>
        <source>%1 is missing.</source>
        <extracomment>%1 the parameter&apos;s name</extracomment>
        <translation>Falta %1.</translation>
    </message>
    <message>
        <source>%1: %2 is of the wrong type; expected %3.</source>
        <extracomment>%1 the parameter&apos;s name, %2 the value as the file holds it, %3 what is expected instead</extracomment>
        <translation>%1: %2 es de un tipo erróneo; se esperaba %3.</translation>
    </message>
    <message>
        <source>a number</source>
        <extracomment>what a field&apos;s value must be: a number, in quotes or not</extracomment>
        <translation>un número</translation>
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
        <translation>un número entero</translation>
    </message>
    <message>
        <source>%1: the unit %2 is not the field&apos;s unit &quot;%3&quot;.</source>
        <extracomment>%1 the parameter&apos;s name, %2 the unit the file names, %3 the field&apos;s unit</extracomment>
        <translation>%1: la unidad %2 no es la unidad del campo, &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>%1: %2 holds characters a configuration file cannot keep.</source>
        <extracomment>%1 the parameter&apos;s name, %2 the value; a .vxc file holds 8-bit (Latin-1) text only</extracomment>
        <translation>%1: %2 contiene caracteres que un archivo de configuración no puede guardar.</translation>
    </message>
    <message>
        <source>%1: %2 is beyond the field&apos;s limits (allowed: %3).</source>
        <extracomment>%1 the parameter&apos;s name, %2 the value, %3 the allowed range (&quot;at most 30.0 A&quot;)</extracomment>
        <translation>%1: %2 está fuera de los límites del campo (permitido: %3).</translation>
    </message>
    <message>
        <source>The fingerprint %1 does not belong to these values (they give %2): the file was changed after it was written. Remove the fingerprint to take the changed values.</source>
        <extracomment>%1 the fingerprint in the file, %2 the one of its values</extracomment>
        <translation>La huella %1 no corresponde a estos valores (dan %2): el archivo se modificó después de escribirse. Quite la huella para tomar los valores modificados.</translation>
    </message>
</context>
<context>
    <name>SettingsSheet</name>
    <message>
        <source>Settings Sheet</source>
        <translation>Hoja de ajustes</translation>
    </message>
    <message>
        <source>Document: %1</source>
        <extracomment>%1 the configuration file&apos;s name, &quot;bike.vxc&quot;</extracomment>
        <translation>Documento: %1</translation>
    </message>
    <message>
        <source>Document: not saved to a file</source>
        <translation>Documento: no guardado en un archivo</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <extracomment>%1 the date in the user&apos;s language</extracomment>
        <translation>Fecha: %1</translation>
    </message>
    <message>
        <source>Made with: %1</source>
        <extracomment>%1 the tool&apos;s name and version, &quot;Vexlor Adjustor 1.35&quot;</extracomment>
        <translation>Hecho con: %1</translation>
    </message>
    <message>
        <source>Controller software version: v%1</source>
        <extracomment>%1 the controller&apos;s software version such as 1-35, after the letter v</extracomment>
        <translation>Versión de software del controlador: v%1</translation>
    </message>
    <message>
        <source>Fingerprint</source>
        <extracomment>a short mark of the whole configuration, such as 3F2A-91C0, shown above it</extracomment>
        <translation>Huella</translation>
    </message>
    <message>
        <source>Assist levels</source>
        <extracomment>the title of a bar chart of the nine assist levels&apos; limits, in percent</extracomment>
        <translation>Niveles de asistencia</translation>
    </message>
    <message>
        <source>Road class check</source>
        <translation>Comprobación de la clase de circulación</translation>
    </message>
    <message>
        <source>Bike shop: date and signature</source>
        <extracomment>under the line where the bike shop signs</extracomment>
        <translation>Taller de bicicletas: fecha y firma</translation>
    </message>
    <message>
        <source>Customer: date and signature</source>
        <extracomment>under the line where the customer signs</extracomment>
        <translation>Cliente: fecha y firma</translation>
    </message>
    <message>
        <source>Values: the window&apos;s, not saved to a file</source>
        <extracomment>in place of the document&apos;s name when the values were changed after it was opened or saved</extracomment>
        <translation>Valores: los de la ventana, no guardados en un archivo</translation>
    </message>
    <message>
        <source>%1 is not a PDF file, and a settings sheet replaces no other file. Choose another name.</source>
        <extracomment>%1 the path of a file that is not a PDF, such as a configuration</extracomment>
        <translation>%1 no es un archivo PDF, y una hoja de ajustes no reemplaza ningún otro archivo. Elija otro nombre.</translation>
    </message>
    <message>
        <source>Units: %1</source>
        <extracomment>%1 the units speeds are shown in: &quot;Metric (km/h)&quot; or &quot;Imperial (mph)&quot;</extracomment>
        <translation>Unidades: %1</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Limit max speed</source>
        <extracomment>the caption of the window&apos;s check box &quot;Limit max speed&quot; in the list of proposed values</extracomment>
        <translation>Limitar velocidad máx.</translation>
    </message>
    <message>
        <source>%1 cells × 3.15 V, rounded up: stops before the cells run too low</source>
        <extracomment>why a low voltage protection: %1 the battery&apos;s cells in series (&quot;13&quot;); keep it short</extracomment>
        <translation>%1 celdas × 3,15 V, redondeado hacia arriba: corta antes de que las celdas se descarguen demasiado</translation>
    </message>
    <message>
        <source>as printed on the motor</source>
        <translation>como figura en el motor</translation>
    </message>
    <message>
        <source>the battery&apos;s nominal voltage, %1</source>
        <extracomment>%1 the battery&apos;s nominal voltage with its unit (&quot;48 V&quot;)</extracomment>
        <translation>la tensión nominal de la batería, %1</translation>
    </message>
    <message>
        <source>as printed on the motor; it does not fit the battery&apos;s %1</source>
        <extracomment>%1 the battery&apos;s nominal voltage (&quot;48 V&quot;): the motor&apos;s rated voltage differs from it</extracomment>
        <translation>como figura en el motor; no corresponde a los %1 de la batería</translation>
    </message>
    <message>
        <source>the BMS&apos;s continuous current</source>
        <translation>la corriente continua del BMS</translation>
    </message>
    <message>
        <source>the BMS gives %1, the field allows at most %2</source>
        <extracomment>%1 the BMS&apos;s continuous current (&quot;40.0 A&quot;), %2 the most the field allows (&quot;30.0 A&quot;)</extracomment>
        <translation>el BMS da %1, el campo permite como máximo %2</translation>
    </message>
    <message>
        <source>the BMS gives %1, but never more than the max phase current, %2</source>
        <extracomment>%1 the BMS&apos;s continuous current (&quot;25.0 A&quot;), %2 the motor&apos;s max phase current (&quot;20 A&quot;)</extracomment>
        <translation>el BMS da %1, pero nunca más que la corriente de fase máx., %2</translation>
    </message>
    <message>
        <source>the limit of %1</source>
        <extracomment>%1 the road class&apos;s name</extracomment>
        <translation>el límite de %1</translation>
    </message>
    <message>
        <source>so the controller keeps to the speed limit</source>
        <translation>para que el controlador respete el límite de velocidad</translation>
    </message>
    <message>
        <source>%1 allows a throttle only while pedalling</source>
        <extracomment>%1 the road class&apos;s name</extracomment>
        <translation>%1 solo permite el acelerador mientras se pedalea</translation>
    </message>
    <message>
        <source>%1 allows it</source>
        <extracomment>%1 the road class&apos;s name</extracomment>
        <translation>%1 lo permite</translation>
    </message>
    <message>
        <source>the tire %1 rolls %2 a turn</source>
        <extracomment>%1 the tire (&quot;57-584&quot;), %2 how far it rolls in one turn of the wheel (&quot;2193 mm&quot;)</extracomment>
        <translation>el neumático %1 recorre %2 por vuelta</translation>
    </message>
    <message>
        <source>the levels the rider wants</source>
        <translation>los niveles que quiere el ciclista</translation>
    </message>
    <message>
        <source>level %1 of %2, rising to 100 % at the top</source>
        <extracomment>%1 the level&apos;s number, %2 how many levels are in use</extracomment>
        <translation>nivel %1 de %2, subiendo hasta el 100 % en el más alto</translation>
    </message>
    <message>
        <source>as printed on the motor; the motor does not fit %1 (%2)</source>
        <extracomment>%1 the road class&apos;s name, %2 what it allows (&quot;at most 250 W&quot;)</extracomment>
        <translation>como figura en el motor; el motor no cumple %1 (%2)</translation>
    </message>
    <message>
        <source>as set; it does not fit %1 (%2)</source>
        <extracomment>the motor&apos;s power was not given and the one set does not fit: %1 the class&apos;s name, %2 &quot;at most 250 W&quot;</extracomment>
        <translation>como está; no cumple %1 (%2)</translation>
    </message>
    <message>
        <source>0 counts nothing: the initial value</source>
        <translation>0 no cuenta nada: el valor inicial</translation>
    </message>
    <message>
        <source>the start voltage must stay below the full voltage: the initial value</source>
        <translation>la tensión de inicio debe quedar por debajo de la tensión máxima: el valor inicial</translation>
    </message>
</context>
<context>
    <name>SetupWizard</name>
    <message>
        <source>not known</source>
        <extracomment>a motor value the rider has not found printed on the motor</extracomment>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batería</translation>
    </message>
    <message>
        <source>As printed on the battery and on its BMS.</source>
        <translation>Como figura en la batería y en su BMS.</translation>
    </message>
    <message>
        <source>other</source>
        <extracomment>the battery&apos;s nominal voltage is none of those listed: its cells are given below</extracomment>
        <translation>otra</translation>
    </message>
    <message>
        <source>Nominal voltage:</source>
        <extracomment>the voltage the battery is sold by: 24, 36, 48 or 52 V</extracomment>
        <translation>Tensión nominal:</translation>
    </message>
    <message>
        <source>Cells in series:</source>
        <translation>Celdas en serie:</translation>
    </message>
    <message>
        <source>BMS continuous current:</source>
        <extracomment>the current the battery&apos;s management system (BMS) gives without a break</extracomment>
        <translation>Corriente continua del BMS:</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>As printed on the motor. What is not known stays as it is.</source>
        <translation>Como figura en el motor. Lo desconocido queda como está.</translation>
    </message>
    <message>
        <source>Wheel and road</source>
        <translation>Rueda y vía</translation>
    </message>
    <message>
        <source>The tire as printed on it, the road class the bike keeps to, and the assist levels the rider wants.</source>
        <translation>El neumático como figura en él, la clase de vía que cumple la bicicleta y los niveles de asistencia que quiere el ciclista.</translation>
    </message>
    <message>
        <source>Proposed values</source>
        <translation>Valores propuestos</translation>
    </message>
    <message>
        <source>Apply puts the ticked values into the window. Only Write sends them to the controller.</source>
        <translation>Aplicar pone los valores marcados en la ventana. Solo Escribir los envía al controlador.</translation>
    </message>
    <message>
        <source>Setting</source>
        <extracomment>the columns of the proposed values: the field, its value now, the value proposed, why</extracomment>
        <translation>Ajuste</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>Proposed</source>
        <translation>Propuesto</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Por qué</translation>
    </message>
    <message>
        <source>Not every part fits %1: the rows say which.</source>
        <translation>No todas las piezas cumplen %1: las filas dicen cuáles.</translation>
    </message>
    <message>
        <source>New Bike Setup</source>
        <extracomment>the window title of File &gt; New Bike Setup…</extracomment>
        <translation>Configurar bicicleta nueva</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <extracomment>the last page&apos;s button that puts the ticked values into the window (nothing is sent)</extracomment>
        <translation>A&amp;plicar</translation>
    </message>
</context>
<context>
    <name>Shop</name>
    <message>
        <source>None</source>
        <extracomment>the check dialog&apos;s choice of no road class</extracomment>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Check Road Class</source>
        <translation>Comprobar la clase de circulación</translation>
    </message>
    <message>
        <source>&amp;Road class:</source>
        <translation>&amp;Clase de circulación:</translation>
    </message>
    <message>
        <source>&amp;Tire:</source>
        <translation>&amp;Neumático:</translation>
    </message>
    <message>
        <source>Road Class Not Kept</source>
        <translation>Clase de circulación no respetada</translation>
    </message>
    <message>
        <source>Fingerprint %1</source>
        <extracomment>in the status strip: %1 the fingerprint of the controller&apos;s settings, such as 3F2A-91C0</extracomment>
        <translation>Huella %1</translation>
    </message>
    <message>
        <source>Fingerprint of the window&apos;s settings: %1
Fingerprint of the controller&apos;s settings: %2</source>
        <extracomment>in the comparison: %1 the fingerprint of the window&apos;s settings, %2 the controller&apos;s</extracomment>
        <translation>Huella de los ajustes de la ventana: %1
Huella de los ajustes del controlador: %2</translation>
    </message>
    <message>
        <source>Export Settings Sheet</source>
        <translation>Exportar hoja de ajustes</translation>
    </message>
    <message>
        <source>PDF Documents (*.pdf)</source>
        <extracomment>the file dialog&apos;s filter; keep &quot;(*.pdf)&quot; as it is</extracomment>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Roa&amp;d Class</source>
        <extracomment>Connect &gt; Road Class: the submenu of legal classes writes are checked against</extracomment>
        <translation>Clase de c&amp;irculación</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <extracomment>Connect &gt; Road Class &gt; None: writes are checked against no class</extracomment>
        <translation>&amp;Ninguna</translation>
    </message>
    <message>
        <source>C&amp;heck Road Class…</source>
        <translation>Compro&amp;bar la clase de circulación…</translation>
    </message>
    <message>
        <source>Ex&amp;port Settings Sheet…</source>
        <translation>E&amp;xportar hoja de ajustes…</translation>
    </message>
    <message>
        <source>Fingerprint</source>
        <extracomment>the status strip&apos;s fingerprint label as a screen reader names it</extracomment>
        <translation>Huella</translation>
    </message>
    <message>
        <source>The tire&apos;s ETRTO size, width and bead seat diameter in millimetres (57-584), a common size such as 26x2.1, or the size printed on it in inches or French, such as 29x2.6 or 700x38c. Without a tire the wheel perimeter is not checked.</source>
        <extracomment>under the tire field; keep 57-584, 26x2.1, 29x2.6 and 700x38c as they are</extracomment>
        <translation>La medida ETRTO del neumático, ancho y diámetro de asiento del talón en milímetros (57-584), una medida común como 26x2.1 o la medida impresa en pulgadas o francesa, como 29x2.6 o 700x38c. Sin neumático no se comprueba la circunferencia de la rueda.</translation>
    </message>
    <message>
        <source>Settings sheet saved to %1</source>
        <extracomment>in the status strip once the sheet is written: %1 the sheet&apos;s full path</extracomment>
        <translation>Hoja de ajustes guardada en %1</translation>
    </message>
    <message>
        <source>No PDF viewer could be started; settings sheet saved to %1</source>
        <extracomment>in the status strip when the sheet is written but no program opens PDF files: %1 its full path</extracomment>
        <translation>No se pudo iniciar ningún visor de PDF; hoja de ajustes guardada en %1</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Pedal-assist e-bike drive configuration</source>
        <translation>Configuración del motor de bicicletas eléctricas de pedaleo asistido</translation>
    </message>
</context>
<context>
    <name>Transactions</name>
    <message>
        <source>Busy</source>
        <extracomment>status strip, 34 pixels wide: frames are being exchanged with the controller</extracomment>
        <translation>Ocup.</translation>
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
        <translation>Fallo</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Communication with controller failed!</source>
        <translation>¡Ha fallado la comunicación con el controlador!</translation>
    </message>
    <message>
        <source>Communication with controller interrupted!</source>
        <translation>¡Se ha interrumpido la comunicación con el controlador!</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>This error may be caused by controller MCU flash write protection. Please re-program .hex file to the controller with the write option bytes. Read Page 7 of %1</source>
        <extracomment>%1 the programming guide&apos;s file name, ST-LINK_Installation_EN.pdf</extracomment>
        <translation>Este error puede deberse a la protección contra escritura de la memoria flash del microcontrolador del controlador. Vuelva a programar el archivo .hex en el controlador escribiendo también los option bytes. Lea la página 7 de %1</translation>
    </message>
    <message>
        <source>Configuration of the controller was read successfully.</source>
        <translation>La configuración del controlador se ha leído correctamente.</translation>
    </message>
    <message>
        <source>Read controller result</source>
        <translation>Resultado de la lectura del controlador</translation>
    </message>
    <message>
        <source>Configuration of the controller was written successfully.</source>
        <translation>La configuración se ha escrito correctamente en el controlador.</translation>
    </message>
    <message>
        <source>Write controller result</source>
        <translation>Resultado de la escritura en el controlador</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>Metric (km/h)</source>
        <extracomment>the Units menu item, and the units a settings sheet names: kilometres per hour</extracomment>
        <translation>Métrico (km/h)</translation>
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
        <translation>«%1» no es un número decimal válido</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <extracomment>%1 the text that should have been a whole number</extracomment>
        <translation>«%1» no es un número entero válido</translation>
    </message>
    <message>
        <source>No item is selected for %1: select one of its %2 items.</source>
        <extracomment>%1 a radio group&apos;s title, %2 how many items it has</extracomment>
        <translation>No hay ninguna opción seleccionada en %1: seleccione una de sus %2 opciones.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is out of range for %2: the controller accepts 0 to less than %3.</source>
        <extracomment>%1 the text typed, %2 the field&apos;s caption, %3 the first value too large</extracomment>
        <translation>«%1» está fuera de rango para %2: el controlador acepta valores desde 0 hasta menos de %3.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is out of range for %2: the controller accepts 0 to %3.</source>
        <extracomment>%1 the text typed, %2 the field&apos;s caption, %3 the largest value accepted</extracomment>
        <translation>«%1» está fuera de rango para %2: el controlador acepta valores de 0 a %3.</translation>
    </message>
</context>
<context>
    <name>WriteSafety</name>
    <message>
        <source>The controller&apos;s settings could not be kept as a backup, so nothing was written.

%1</source>
        <extracomment>%1 the file&apos;s error, such as &quot;Cannot create file ...&quot;</extracomment>
        <translation>No se ha podido guardar una copia de seguridad de los ajustes del controlador, así que no se ha escrito nada.

%1</translation>
    </message>
    <message>
        <source>The configuration was written and stored, but reading it back to check it failed:
%1</source>
        <extracomment>%1 the read&apos;s own message, such as &quot;Communication with controller failed!&quot;</extracomment>
        <translation>La configuración se ha escrito y memorizado, pero ha fallado la relectura para comprobarla:
%1</translation>
    </message>
    <message>
        <source>The configuration was written and stored, but the controller holds other values than were written:</source>
        <translation>La configuración se ha escrito y memorizado, pero el controlador tiene valores distintos de los escritos:</translation>
    </message>
    <message>
        <source>%1: written %2, holds %3</source>
        <extracomment>%1 the field&apos;s caption, %2 the value written, %3 the value the controller holds</extracomment>
        <translation>%1: escrito %2, en el controlador %3</translation>
    </message>
    <message>
        <source>Written, stored and checked</source>
        <translation>Escrita, memorizada y comprobada</translation>
    </message>
    <message>
        <source>Written and stored, not checked</source>
        <translation>Escrita y memorizada, sin comprobar</translation>
    </message>
    <message>
        <source>Written and stored; the controller holds other values</source>
        <translation>Escrita y memorizada; el controlador tiene otros valores</translation>
    </message>
    <message>
        <source>Written and stored; reading it back failed</source>
        <translation>Escrita y memorizada; falló la relectura</translation>
    </message>
    <message>
        <source>Interrupted at frame %1 of %2</source>
        <extracomment>%1 the frame that went unanswered (0 to 59), %2 the frames of a write (60)</extracomment>
        <translation>Interrumpida en la trama %1 de %2</translation>
    </message>
    <message>
        <source>Sent, but the store failed</source>
        <translation>Enviada, pero falló la memorización</translation>
    </message>
    <message>
        <source>Never ended (the program stopped)</source>
        <extracomment>the program stopped (closed, killed, crashed) before the write ended</extracomment>
        <translation>No terminó nunca (el programa se detuvo)</translation>
    </message>
    <message>
        <source>Not recorded</source>
        <extracomment>the backup was taken by an older version, which kept no record of the write</extracomment>
        <translation>No registrado</translation>
    </message>
    <message>
        <source>Taken after an interrupted write</source>
        <translation>Hecha tras una escritura interrumpida</translation>
    </message>
    <message>
        <source>%1
The controller&apos;s settings could not be read for a backup, so nothing was written and no backup was kept.</source>
        <extracomment>%1 the read&apos;s own message, such as &quot;Communication with controller interrupted!&quot;</extracomment>
        <translation>%1
No se han podido leer los ajustes del controlador para la copia de seguridad, así que no se ha escrito nada ni se ha guardado ninguna copia.</translation>
    </message>
</context>
<context>
    <name>vexlor::ConnectionDoctorDialog</name>
    <message>
        <source>Passed</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fallido</translation>
    </message>
    <message>
        <source>Not applicable</source>
        <translation>No aplicable</translation>
    </message>
    <message>
        <source>Connection Doctor</source>
        <translation>Diagnóstico de conexión</translation>
    </message>
    <message>
        <source>Why the programming cable does or does not work, and what fixes it:</source>
        <translation>Por qué funciona o no el cable de programación, y qué lo arregla:</translation>
    </message>
    <message>
        <source>&amp;Run Again</source>
        <translation>&amp;Volver a comprobar</translation>
    </message>
    <message>
        <source>&amp;Copy Report</source>
        <translation>&amp;Copiar informe</translation>
    </message>
    <message>
        <source>Fix: %1</source>
        <extracomment>before the fix of a check that failed or warns; %1 the fix, often a command</extracomment>
        <translation>Solución: %1</translation>
    </message>
    <message>
        <source>Asking the controller…</source>
        <translation>Consultando al controlador…</translation>
    </message>
</context>
<context>
    <name>vexlor::HistoryDialog</name>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operación</translation>
    </message>
    <message>
        <source>Bike</source>
        <translation>Bicicleta</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Después</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Road class</source>
        <translation>Clase de circulación</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Comprobación</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Documento</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Copia de seguridad</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Controlador</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Cable</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>History</source>
        <extracomment>the title of Connect &gt; History...: the register of every operation</extracomment>
        <translation>Historial</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>&amp;Bike:</source>
        <translation>&amp;Bicicleta:</translation>
    </message>
    <message>
        <source>F&amp;ingerprint:</source>
        <translation>&amp;Huella:</translation>
    </message>
    <message>
        <source>Open &amp;Document</source>
        <translation>Abrir &amp;documento</translation>
    </message>
    <message>
        <source>Open B&amp;ackup</source>
        <translation>Abrir &amp;copia</translation>
    </message>
    <message>
        <source>&amp;Settings Sheet…</source>
        <translation>&amp;Hoja de ajustes…</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>&amp;Exportar CSV…</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <extracomment>the file dialog&apos;s filter for the CSV export of the history</extracomment>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Read</source>
        <comment>History: an operation</comment>
        <translation>Lectura</translation>
    </message>
    <message>
        <source>Write</source>
        <comment>History: an operation</comment>
        <translation>Escritura</translation>
    </message>
    <message>
        <source>Compare</source>
        <comment>History: an operation</comment>
        <translation>Comparación</translation>
    </message>
    <message>
        <source>Backup written back</source>
        <comment>History: an operation</comment>
        <translation>Copia reescrita</translation>
    </message>
    <message>
        <source>Settings sheet</source>
        <comment>History: an operation</comment>
        <translation>Hoja de ajustes</translation>
    </message>
    <message>
        <source>Done</source>
        <comment>History: how an operation ended</comment>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Failed</source>
        <comment>History: how an operation ended</comment>
        <translation>Fallido</translation>
    </message>
    <message>
        <source>Values differ</source>
        <comment>History: how a comparison ended</comment>
        <translation>Valores distintos</translation>
    </message>
    <message>
        <source>Keeps the class</source>
        <comment>History: the road class check</comment>
        <translation>Cumple la clase</translation>
    </message>
    <message>
        <source>Breaks the class</source>
        <comment>History: the road class check</comment>
        <translation>Incumple la clase</translation>
    </message>
</context>
</TS>
