<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="cs_CZ">
<context>
    <name>AppError</name>
    <message>
        <source>%1 (soubor patří jinému uživateli nebo skupině)</source>
        <translation>%1 (the file belongs to another user or group)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>vypíše tuto nápovědu</source>
        <translation>print this help</translation>
    </message>
    <message>
        <source>vypíše verzi programu</source>
        <translation>print the program&apos;s version</translation>
    </message>
    <message>
        <source>složka</source>
        <translation>folder</translation>
    </message>
    <message>
        <source>pracuje v této složce; chybějící datové soubory do ní zkopíruje</source>
        <translation>work in this folder; copy the missing data files into it</translation>
    </message>
    <message>
        <source>totéž ve složce uživatele ~/.local/share/zunov (přesněji $XDG_DATA_HOME/zunov)</source>
        <translation>the same in the user&apos;s folder ~/.local/share/zunov (more precisely $XDG_DATA_HOME/zunov)</translation>
    </message>
    <message>
        <source>cesta</source>
        <translation>path</translation>
    </message>
    <message>
        <source>pro tento běh otevře toto sériové zařízení</source>
        <translation>open this serial device for this run</translation>
    </message>
    <message>
        <source>vypíše nalezené sériové porty</source>
        <translation>list the serial ports found</translation>
    </message>
    <message>
        <source>soubor</source>
        <translation>file</translation>
    </message>
    <message>
        <source>od spuštění zaznamenává měření do souboru CSV</source>
        <translation>record measurements to a CSV file from the start</translation>
    </message>
    <message>
        <source>jazyk oken pro tento běh (cs česky, en anglicky)</source>
        <translation>language of the windows for this run (cs Czech, en English)</translation>
    </message>
    <message>
        <source>Nečekaný argument: %1</source>
        <translation>Unexpected argument: %1</translation>
    </message>
    <message>
        <source>Neznámý jazyk „%1“; zvolte cs nebo en.</source>
        <translation>Unknown language &quot;%1&quot;; choose cs or en.</translation>
    </message>
    <message>
        <source>Volby --workdir a --user-workdir nelze použít spolu.</source>
        <translation>The options --workdir and --user-workdir cannot be used together.</translation>
    </message>
    <message>
        <source>Volba --workdir potřebuje složku.</source>
        <translation>The option --workdir needs a folder.</translation>
    </message>
    <message>
        <source>Použití: zunov [volby]
Obsluha měřicího přístroje na sériovém portu.

Volby:
</source>
        <translation>Usage: zunov [options]
Controls a measuring instrument on a serial port.

Options:
</translation>
    </message>
    <message>
        <source>Volba %1 potřebuje hodnotu.</source>
        <translation>The option %1 needs a value.</translation>
    </message>
    <message>
        <source>Volba %1 nemá hodnotu.</source>
        <translation>The option %1 takes no value.</translation>
    </message>
    <message>
        <source>Neznámá volba: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>Chybné argumenty: %1</source>
        <translation>Wrong arguments: %1</translation>
    </message>
    <message>
        <source>záznam pokračuje v novém souboru po dosažení velikosti (bajty, přípona K, M nebo G, např. 100M) nebo o půlnoci; soubory mají v názvu pořadové číslo nebo datum</source>
        <translation>the recording goes on in a new file when the size is reached (bytes, suffix K, M or G, e.g. 100M) or at midnight; the files carry a sequence number or the date in their names</translation>
    </message>
    <message>
        <source>Neplatná hodnota --log-rotate „%1“; zadejte velikost jako 20K nebo 100M, nebo daily.</source>
        <translation>Invalid value of --log-rotate “%1”; give a size such as 20K or 100M, or daily.</translation>
    </message>
    <message>
        <source>Volba --log-rotate potřebuje --log.</source>
        <translation>The option --log-rotate needs --log.</translation>
    </message>
    <message>
        <source>VELIKOST|daily</source>
        <translation>SIZE|daily</translation>
    </message>
</context>
<context>
    <name>DeviceStatus</name>
    <message>
        <source>Stav: otevřeno</source>
        <translation>State: open</translation>
    </message>
    <message>
        <source>Stav: zařízení zmizelo, zkouším ho znovu otevřít</source>
        <translation>State: the device disappeared, trying to open it again</translation>
    </message>
    <message>
        <source>Stav: nelze otevřít, %1</source>
        <translation>State: cannot open, %1</translation>
    </message>
    <message>
        <source>Zařízení: %1 → %2</source>
        <translation>Device: %1 → %2</translation>
    </message>
    <message>
        <source>Zařízení: %1</source>
        <translation>Device: %1</translation>
    </message>
    <message>
        <source>Emulátor přístroje (zunov-sim)</source>
        <translation>Instrument emulator (zunov-sim)</translation>
    </message>
    <message>
        <source>%1 (emulátor)</source>
        <translation>%1 (emulator)</translation>
    </message>
</context>
<context>
    <name>ErrorCause</name>
    <message>
        <source>na disku není místo</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>vyčerpaná kvóta disku</source>
        <translation>disk quota exceeded</translation>
    </message>
    <message>
        <source>soubor je příliš velký</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>chybí oprávnění</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>operace není povolena</source>
        <translation>operation not permitted</translation>
    </message>
    <message>
        <source>systém souborů je jen pro čtení</source>
        <translation>the file system is read-only</translation>
    </message>
    <message>
        <source>soubor nebo složka neexistuje</source>
        <translation>no such file or folder</translation>
    </message>
    <message>
        <source>část cesty není složka</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>je to složka</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>zařízení je používáno</source>
        <translation>the device is busy</translation>
    </message>
    <message>
        <source>chyba vstupu/výstupu</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>zařízení není připojeno</source>
        <translation>the device is not connected</translation>
    </message>
    <message>
        <source>čtenář výstupu skončil</source>
        <translation>the reader of the output has ended</translation>
    </message>
    <message>
        <source>program má otevřeno příliš mnoho souborů</source>
        <translation>the program has too many files open</translation>
    </message>
</context>
<context>
    <name>GraphPictures</name>
    <message>
        <source>Kopírovat</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Obrázky PNG (*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>Obrázky SVG (*.svg)</source>
        <translation>SVG images (*.svg)</translation>
    </message>
    <message>
        <source>Uložit obrázek SVG</source>
        <translation>Save SVG image</translation>
    </message>
    <message>
        <source>Obrázek nelze uložit do souboru %1.</source>
        <translation>The picture cannot be saved to the file %1.</translation>
    </message>
</context>
<context>
    <name>Handshake</name>
    <message>
        <source>Test prvního bajtu</source>
        <translation>Testing the first byte</translation>
    </message>
    <message>
        <source>První bajt neprošel!! </source>
        <translation>The first byte failed!! </translation>
    </message>
    <message>
        <source>Test druhého bajtu</source>
        <translation>Testing the second byte</translation>
    </message>
    <message>
        <source>Druhý bajt neprošel!! </source>
        <translation>The second byte failed!! </translation>
    </message>
    <message>
        <source>Test třetího bajtu</source>
        <translation>Testing the third byte</translation>
    </message>
    <message>
        <source>Třetí bajt neprošel!! </source>
        <translation>The third byte failed!! </translation>
    </message>
    <message>
        <source>Test čtvrtého bajtu</source>
        <translation>Testing the fourth byte</translation>
    </message>
    <message>
        <source>Čtvrtý bajt neprošel!! </source>
        <translation>The fourth byte failed!! </translation>
    </message>
    <message>
        <source>ZUNOV je ONLINE</source>
        <translation>ZUNOV is ONLINE</translation>
    </message>
    <message>
        <source>Klik na připojit</source>
        <translation>Click Connect</translation>
    </message>
</context>
<context>
    <name>LimitSettings</name>
    <message>
        <source>%1: hystereze ani trvání nesmí být záporné.</source>
        <translation>%1: neither the hysteresis nor the duration may be negative.</translation>
    </message>
    <message>
        <source>%1: dolní mez je nad horní mezí.</source>
        <translation>%1: the lower limit is above the upper limit.</translation>
    </message>
    <message>
        <source>%1: hystereze je větší než polovina rozpětí mezí, překročení by nikdy neskončilo.</source>
        <translation>%1: the hysteresis is larger than half the span between the limits; a violation would never end.</translation>
    </message>
    <message>
        <source>Doba před záznamem ani po něm nesmí být záporná.</source>
        <translation>Neither the time before the recording nor the time after it may be negative.</translation>
    </message>
    <message>
        <source>Zvolte soubor pro záznam při překročení mezí.</source>
        <translation>Choose a file for the recording on a limit violation.</translation>
    </message>
</context>
<context>
    <name>LimitsWindow</name>
    <message>
        <source>ZUNOV - Meze</source>
        <translation>ZUNOV - Limits</translation>
    </message>
    <message>
        <source>U1 [V]</source>
        <translation>U1 [V]</translation>
    </message>
    <message>
        <source>U2 [V]</source>
        <translation>U2 [V]</translation>
    </message>
    <message>
        <source>R [Ohm]</source>
        <translation>R [Ohm]</translation>
    </message>
    <message>
        <source>f [Hz]</source>
        <translation>f [Hz]</translation>
    </message>
    <message>
        <source>I [A]</source>
        <translation>I [A]</translation>
    </message>
    <message>
        <source>Dolní mez</source>
        <translation>Lower limit</translation>
    </message>
    <message>
        <source>Horní mez</source>
        <translation>Upper limit</translation>
    </message>
    <message>
        <source>Hystereze</source>
        <translation>Hysteresis</translation>
    </message>
    <message>
        <source>Min. trvání [ms]</source>
        <translation>Min. duration [ms]</translation>
    </message>
    <message>
        <source>&amp;Pípnout při překročení</source>
        <translation>&amp;Beep when a limit is exceeded</translation>
    </message>
    <message>
        <source>Při překročení spustit &amp;záznam</source>
        <translation>Start &amp;recording when a limit is exceeded</translation>
    </message>
    <message>
        <source>Zapsat před překročením:</source>
        <translation>Record before exceeding:</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Zastavit po návratu za:</source>
        <translation>Stop when back within limits for:</translation>
    </message>
    <message>
        <source>Soubor:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>…</source>
        <translation>…</translation>
    </message>
    <message>
        <source>P&amp;oužít</source>
        <translation>&amp;Apply</translation>
    </message>
    <message>
        <source>&amp;Zavřít</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>%1 u veličiny %2 není číslo: „%3“.</source>
        <translation>%1 of %2 is not a number: “%3”.</translation>
    </message>
    <message>
        <source>Soubor záznamu při překročení</source>
        <translation>Recording file for limit violations</translation>
    </message>
    <message>
        <source>Soubory CSV (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>zunov: chybí grafický displej (proměnná DISPLAY není nastavena)
</source>
        <translation>zunov: no graphical display (the DISPLAY variable is not set)
</translation>
    </message>
</context>
<context>
    <name>OpenFailure</name>
    <message>
        <source>port používá jiný program</source>
        <translation>another program is using the port</translation>
    </message>
    <message>
        <source>port už používá jiný spuštěný ZUNOV (PID %1)</source>
        <translation>another running ZUNOV is already using the port (PID %1)</translation>
    </message>
    <message>
        <source>port používá program %1 (PID %2)</source>
        <translation>the program %1 is using the port (PID %2)</translation>
    </message>
    <message>
        <source>Je převodník připojený? Zkontrolujte kabel, nebo v okně Nastavení zvolte jiné zařízení.</source>
        <translation>Is the adapter connected? Check the cable, or choose another device in the Settings window.</translation>
    </message>
    <message>
        <source>Přidejte uživatele do skupiny dialout (sudo usermod -aG dialout $USER) a znovu se přihlaste.</source>
        <translation>Add the user to the dialout group (sudo usermod -aG dialout $USER) and log in again.</translation>
    </message>
    <message>
        <source>Ukončete ho, nebo v okně Nastavení zvolte jiný port.</source>
        <translation>Close it, or choose another port in the Settings window.</translation>
    </message>
    <message>
        <source>Ukončete ho a zkuste to znovu.</source>
        <translation>Close it and try again.</translation>
    </message>
    <message>
        <source>V okně Nastavení zvolte sériový port, například /dev/ttyUSB0.</source>
        <translation>Choose a serial port in the Settings window, for example /dev/ttyUSB0.</translation>
    </message>
    <message>
        <source>Zkontrolujte zařízení a zkuste to znovu.</source>
        <translation>Check the device and try again.</translation>
    </message>
    <message>
        <source>zařízení neexistuje</source>
        <translation>the device does not exist</translation>
    </message>
    <message>
        <source>chybí oprávnění ke čtení a zápisu</source>
        <translation>no permission to read and write</translation>
    </message>
    <message>
        <source>není to sériové zařízení</source>
        <translation>it is not a serial device</translation>
    </message>
    <message>
        <source>Zařízení %1 nelze otevřít: %2.
%3</source>
        <translation>Cannot open the device %1: %2.
%3</translation>
    </message>
    <message>
        <source>Je převodník připojený? Zkontrolujte kabel, nebo zvolte jiné zařízení volbou --device &lt;cesta&gt; či --port &lt;číslo&gt;.</source>
        <translation>Is the adapter connected? Check the cable, or choose another device with --device &lt;path&gt; or --port &lt;number&gt;.</translation>
    </message>
    <message>
        <source>Ukončete ho, nebo zvolte jiný port volbou --device &lt;cesta&gt; či --port &lt;číslo&gt;.</source>
        <translation>Close it, or choose another port with --device &lt;path&gt; or --port &lt;number&gt;.</translation>
    </message>
    <message>
        <source>Zvolte sériový port volbou --device &lt;cesta&gt; (například /dev/ttyUSB0) či --port &lt;číslo&gt;.</source>
        <translation>Choose a serial port with --device &lt;path&gt; (for example /dev/ttyUSB0) or --port &lt;number&gt;.</translation>
    </message>
</context>
<context>
    <name>PortList</name>
    <message>
        <source>Nenalezen žádný sériový port.
</source>
        <translation>No serial port found.
</translation>
    </message>
    <message>
        <source>%1 → %2 (odkaz v pracovní složce)</source>
        <translation>%1 → %2 (link in the working folder)</translation>
    </message>
    <message>
        <source>%1 → %2 (odkaz v pracovní složce, cíl neexistuje)</source>
        <translation>%1 → %2 (link in the working folder, its target does not exist)</translation>
    </message>
    <message>
        <source>%1 (soubor v pracovní složce, není to odkaz na zařízení)</source>
        <translation>%1 (file in the working folder, not a link to a device)</translation>
    </message>
</context>
<context>
    <name>RecordingReader</name>
    <message>
        <source>chybný počet polí</source>
        <translation>wrong number of fields</translation>
    </message>
    <message>
        <source>chybný čas</source>
        <translation>bad time</translation>
    </message>
    <message>
        <source>neznámá veličina</source>
        <translation>unknown quantity</translation>
    </message>
    <message>
        <source>chybná hodnota</source>
        <translation>bad value</translation>
    </message>
    <message>
        <source>chybná jednotka</source>
        <translation>bad unit</translation>
    </message>
    <message>
        <source>chybné surové bajty</source>
        <translation>bad raw bytes</translation>
    </message>
    <message>
        <source>neukončené uvozovky</source>
        <translation>unterminated quotes</translation>
    </message>
    <message>
        <source>neúplný řádek</source>
        <translation>incomplete row</translation>
    </message>
    <message>
        <source>soubor není záznam ZUNOV (chybí hlavička)</source>
        <translation>the file is not a ZUNOV recording (the header is missing)</translation>
    </message>
</context>
<context>
    <name>ReplyInterpreter</name>
    <message>
        <source>Příjem</source>
        <translation>Receiving</translation>
    </message>
    <message>
        <source>Příjem U1 a U2</source>
        <translation>Receiving U1 and U2</translation>
    </message>
    <message>
        <source>Příjem R</source>
        <translation>Receiving R</translation>
    </message>
    <message>
        <source>Příjem frekvence</source>
        <translation>Receiving frequency</translation>
    </message>
    <message>
        <source>Příjem proudu</source>
        <translation>Receiving current</translation>
    </message>
</context>
<context>
    <name>RotationDialog</name>
    <message>
        <source>Rozdělení záznamu</source>
        <translation>Splitting the recording</translation>
    </message>
    <message>
        <source>Nový soubor:</source>
        <translation>New file:</translation>
    </message>
    <message>
        <source>Velikost souboru:</source>
        <translation>File size:</translation>
    </message>
    <message>
        <source>nikdy, jeden soubor</source>
        <translation>never, one file</translation>
    </message>
    <message>
        <source>po dosažení velikosti</source>
        <translation>when the size is reached</translation>
    </message>
    <message>
        <source>každý den o půlnoci</source>
        <translation>every day at midnight</translation>
    </message>
    <message>
        <source>v bajtech, s příponou K, M nebo G, např. 100M</source>
        <translation>in bytes, with a suffix K, M or G, e.g. 100M</translation>
    </message>
</context>
<context>
    <name>StartFolder</name>
    <message>
        <source>Pracovní složku %1 nelze vytvořit ani otevřít.</source>
        <translation>The working folder %1 can be neither created nor opened.</translation>
    </message>
    <message>
        <source>Datové soubory programu nebyly nalezeny ve složce %1.</source>
        <translation>The program&apos;s data files were not found in the folder %1.</translation>
    </message>
    <message>
        <source>Do pracovní složky %1 nelze zkopírovat: %2.</source>
        <translation>Cannot copy into the working folder %1: %2.</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>ZUNOV - Statistika</source>
        <translation>ZUNOV - Statistics</translation>
    </message>
    <message>
        <source>U1</source>
        <translation>U1</translation>
    </message>
    <message>
        <source>U2</source>
        <translation>U2</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>f</source>
        <translation>f</translation>
    </message>
    <message>
        <source>I</source>
        <translation>I</translation>
    </message>
    <message>
        <source>Počet</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Průměr</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>Směr. odchylka</source>
        <translation>Std. deviation</translation>
    </message>
    <message>
        <source>Čas minima</source>
        <translation>Time of minimum</translation>
    </message>
    <message>
        <source>Čas maxima</source>
        <translation>Time of maximum</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>HOLD</source>
        <translation>HOLD</translation>
    </message>
    <message>
        <source>REL</source>
        <translation>REL</translation>
    </message>
    <message>
        <source>&amp;Vynulovat</source>
        <translation>&amp;Reset</translation>
    </message>
</context>
<context>
    <name>SweepWindow</name>
    <message>
        <source>ZUNOV - Rozmítání</source>
        <translation>ZUNOV - Sweep</translation>
    </message>
    <message>
        <source>Nastavení</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>&amp;Tvar:</source>
        <translation>&amp;Waveform:</translation>
    </message>
    <message>
        <source>&amp;Od hodnoty:</source>
        <translation>&amp;From value:</translation>
    </message>
    <message>
        <source>&amp;Do hodnoty:</source>
        <translation>&amp;To value:</translation>
    </message>
    <message>
        <source>&amp;Kroků:</source>
        <translation>St&amp;eps:</translation>
    </message>
    <message>
        <source>&amp;Logaritmicky</source>
        <translation>&amp;Logarithmic</translation>
    </message>
    <message>
        <source>&amp;Ustálení:</source>
        <translation>Settl&amp;ing:</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>&amp;Dotazů v kroku:</source>
        <translation>Polls pe&amp;r step:</translation>
    </message>
    <message>
        <source>&amp;Perioda dotazů:</source>
        <translation>&amp;Poll period:</translation>
    </message>
    <message>
        <source>Zobrazit</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>U1</source>
        <translation>U1</translation>
    </message>
    <message>
        <source>U2</source>
        <translation>U2</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>f</source>
        <translation>f</translation>
    </message>
    <message>
        <source>I</source>
        <translation>I</translation>
    </message>
    <message>
        <source>U2/U1 v d&amp;B</source>
        <translation>U2/U1 in d&amp;B</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>St&amp;op</translation>
    </message>
    <message>
        <source>&amp;Pokračovat</source>
        <translation>&amp;Continue</translation>
    </message>
    <message>
        <source>&amp;Uložit</source>
        <translation>Sa&amp;ve</translation>
    </message>
    <message>
        <source>%v / %m</source>
        <translation>%v / %m</translation>
    </message>
    <message>
        <source>Soubory CSV (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Soubor %1 se nepodařilo uložit.</source>
        <translation>The file %1 could not be saved.</translation>
    </message>
    <message>
        <source>Přístroj neodpovídá. Rozmítání je přerušeno: zkontrolujte přístroj a zvolte Pokračovat, nebo Stop. Změřené kroky zůstávají.</source>
        <translation>The instrument is not answering. The sweep is interrupted: check the instrument and choose Continue, or Stop. The measured steps are kept.</translation>
    </message>
    <message>
        <source>Přístroj se odpojil. Rozmítání je přerušeno: připojte ho a zvolte Pokračovat, nebo Stop. Změřené kroky zůstávají.</source>
        <translation>The instrument was disconnected. The sweep is interrupted: connect it again and choose Continue, or Stop. The measured steps are kept.</translation>
    </message>
    <message>
        <source>Logaritmické rozmístění kroků potřebuje obě hodnoty aspoň 1.</source>
        <translation>Logarithmic step spacing needs both values to be at least 1.</translation>
    </message>
    <message>
        <source>Hodnota frekvence</source>
        <translation>Frequency value</translation>
    </message>
    <message>
        <source>Obrázek &amp;PNG…</source>
        <translation>&amp;PNG image…</translation>
    </message>
    <message>
        <source>Obrázek &amp;SVG…</source>
        <translation>&amp;SVG image…</translation>
    </message>
    <message>
        <source>&amp;Data CSV…</source>
        <translation>CSV &amp;data…</translation>
    </message>
    <message>
        <source>Hotovo; změřené kroky: %1.</source>
        <translation>Done; steps measured: %1.</translation>
    </message>
    <message>
        <source>Zastaveno; změřené kroky: %1 z %2.</source>
        <translation>Stopped; steps measured: %1 of %2.</translation>
    </message>
    <message>
        <source>zbývá %1</source>
        <translation>%1 left</translation>
    </message>
    <message>
        <source>Uložit obrázek PNG</source>
        <translation>Save PNG image</translation>
    </message>
    <message>
        <source>Uložit data CSV</source>
        <translation>Save CSV data</translation>
    </message>
</context>
<context>
    <name>TGraff</name>
    <message>
        <source>ZUNOV - Graf</source>
        <translation>ZUNOV - Graph</translation>
    </message>
    <message>
        <source>QLabel#Label1 { font: bold 19px &quot;Arial&quot;; color: red; }
QLabel#Label2 { font: bold 19px &quot;Arial&quot;; color: blue; }</source>
        <translation>QLabel#Label1 { font: bold 19px &quot;Arial&quot;; color: red; }
QLabel#Label2 { font: bold 19px &quot;Arial&quot;; color: blue; }</translation>
    </message>
    <message>
        <source>U1</source>
        <translation>U1</translation>
    </message>
    <message>
        <source>U2</source>
        <translation>U2</translation>
    </message>
</context>
<context>
    <name>TNast</name>
    <message>
        <source>Nastavení</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>* { font: 11px &quot;MS Sans Serif&quot;; }
QLabel, QPushButton { font: bold 13px &quot;Comic Sans MS&quot;; }</source>
        <translation>* { font: 11px &quot;MS Sans Serif&quot;; }
QLabel, QPushButton { font: bold 13px &quot;Comic Sans MS&quot;; }</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>(0-9)</source>
        <translation>(0-9)</translation>
    </message>
    <message>
        <source>Perioda čtení dat:</source>
        <translation>Data read period:</translation>
    </message>
    <message>
        <source>[ms] (1-99999) typ:1000</source>
        <translation>[ms] (1-99999) typ. 1000</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Ulož</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>TSER</source>
        <translation>TSER</translation>
    </message>
    <message>
        <source>Zařízení:</source>
        <translation>Device:</translation>
    </message>
    <message>
        <source>Nové nastavení se projeví až po restarování programu. Proram bude nyní ukončen!! </source>
        <translation>The new settings take effect only after the program is restarted. The program will now close.</translation>
    </message>
    <message>
        <source>podle čísla portu</source>
        <translation>by port number</translation>
    </message>
</context>
<context>
    <name>TPripoj</name>
    <message>
        <source>ZUNOV - Připojit</source>
        <translation>ZUNOV - Connect</translation>
    </message>
    <message>
        <source>* { font: 11px &quot;MS Sans Serif&quot;; }
QLabel#Label1 { font: bold 13px &quot;Comic Sans MS&quot;; }</source>
        <translation>* { font: 11px &quot;MS Sans Serif&quot;; }
QLabel#Label1 { font: bold 13px &quot;Comic Sans MS&quot;; }</translation>
    </message>
    <message>
        <source>Odesílám:</source>
        <translation>Sending:</translation>
    </message>
    <message>
        <source>Přijimám:</source>
        <translation>Receiving:</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
</context>
<context>
    <name>TT_ZUNOV</name>
    <message>
        <source>ZUNOV</source>
        <translation>ZUNOV</translation>
    </message>
    <message>
        <source>* { font: 11px &quot;MS Sans Serif&quot;; }
QGroupBox { font: bold 16px &quot;Comic Sans MS&quot;; color: #008000; }
QGroupBox#GroupBox1, QGroupBox#GroupBox2 { font: bold 16px &quot;Arial&quot;; }
QLabel, QCheckBox, QRadioButton, QPushButton { font: bold 13px &quot;Comic Sans MS&quot;; color: black; }
QLabel#Label1, QLabel#Label { font: 48px &quot;Arial&quot;; color: navy; }
QLabel#RXX, QLabel#RXXX { color: #008000; }
QLabel#Label12, QLabel#Label11 { color: navy; }
QLabel#Label1:disabled, QLabel#Label:disabled, QLabel#RXX:disabled, QLabel#RXXX:disabled,
QLabel#Label12:disabled, QLabel#Label11:disabled { color: gray; }
QLabel#cass1 { font: 16px &quot;MS Sans Serif&quot;; }
QListWidget { font: 11px &quot;MS Sans Serif&quot;; }
QListWidget::item { height: 16px; }
QStatusBar QLabel { font: 11px &quot;MS Sans Serif&quot;; }</source>
        <translation>* { font: 11px &quot;MS Sans Serif&quot;; }
QGroupBox { font: bold 16px &quot;Comic Sans MS&quot;; color: #008000; }
QGroupBox#GroupBox1, QGroupBox#GroupBox2 { font: bold 16px &quot;Arial&quot;; }
QLabel, QCheckBox, QRadioButton, QPushButton { font: bold 13px &quot;Comic Sans MS&quot;; color: black; }
QLabel#Label1, QLabel#Label { font: 48px &quot;Arial&quot;; color: navy; }
QLabel#RXX, QLabel#RXXX { color: #008000; }
QLabel#Label12, QLabel#Label11 { color: navy; }
QLabel#Label1:disabled, QLabel#Label:disabled, QLabel#RXX:disabled, QLabel#RXXX:disabled,
QLabel#Label12:disabled, QLabel#Label11:disabled { color: gray; }
QLabel#cass1 { font: 16px &quot;MS Sans Serif&quot;; }
QListWidget { font: 11px &quot;MS Sans Serif&quot;; }
QListWidget::item { height: 16px; }
QStatusBar QLabel { font: 11px &quot;MS Sans Serif&quot;; }</translation>
    </message>
    <message>
        <source>Měření napětí</source>
        <translation>Voltage measurement</translation>
    </message>
    <message>
        <source>U1</source>
        <translation>U1</translation>
    </message>
    <message>
        <source>U2</source>
        <translation>U2</translation>
    </message>
    <message>
        <source>Graf</source>
        <translation>Plot</translation>
    </message>
    <message>
        <source>Odpor</source>
        <translation>Resistance</translation>
    </message>
    <message>
        <source>Hodnota:</source>
        <translation>Value:</translation>
    </message>
    <message>
        <source>000</source>
        <translation>000</translation>
    </message>
    <message>
        <source>00 ohm</source>
        <translation>00 ohm</translation>
    </message>
    <message>
        <source>Řád:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>E12</source>
        <translation>E12</translation>
    </message>
    <message>
        <source>E24</source>
        <translation>E24</translation>
    </message>
    <message>
        <source>E48</source>
        <translation>E48</translation>
    </message>
    <message>
        <source>Frekvence</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Proud</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>Generátor funkcí</source>
        <translation>Function generator</translation>
    </message>
    <message>
        <source>Sinus</source>
        <translation>Sine</translation>
    </message>
    <message>
        <source>Sinus 1/2</source>
        <translation>Half sine</translation>
    </message>
    <message>
        <source>Obdélník</source>
        <translation>Square</translation>
    </message>
    <message>
        <source>Pila</source>
        <translation>Sawtooth</translation>
    </message>
    <message>
        <source>Trojúhelník</source>
        <translation>Triangle</translation>
    </message>
    <message>
        <source>Frekvence:</source>
        <translation>Frequency:</translation>
    </message>
    <message>
        <source>5-50Hz</source>
        <translation>5-50Hz</translation>
    </message>
    <message>
        <source>Odeslat data / START</source>
        <translation>Send data / START</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Záznam</source>
        <translation>&amp;Recording</translation>
    </message>
    <message>
        <source>&amp;Analýza</source>
        <translation>&amp;Analysis</translation>
    </message>
    <message>
        <source>&amp;Připojit</source>
        <translation>&amp;Connect</translation>
    </message>
    <message>
        <source>&amp;Konec</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;Nastavení</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source> &amp;Nápověda</source>
        <translation> &amp;Help</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;O programu</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>&amp;Spustit záznam…</source>
        <translation>&amp;Start recording…</translation>
    </message>
    <message>
        <source>&amp;Zastavit záznam</source>
        <translation>S&amp;top recording</translation>
    </message>
    <message>
        <source>Uložit graf &amp;proudu…</source>
        <translation>Save &amp;current graph…</translation>
    </message>
    <message>
        <source>&amp;Statistika…</source>
        <translation>&amp;Statistics…</translation>
    </message>
    <message>
        <source>&amp;Průběh…</source>
        <translation>&amp;Trend…</translation>
    </message>
    <message>
        <source>&amp;Meze…</source>
        <translation>&amp;Limits…</translation>
    </message>
    <message>
        <source>&amp;Rozmítání…</source>
        <translation>S&amp;weep…</translation>
    </message>
    <message>
        <source>Uložit grafy &amp;U1 a U2…</source>
        <translation>Save &amp;U1 and U2 graphs…</translation>
    </message>
    <message>
        <source>Žádná komunikace</source>
        <translation>No communication</translation>
    </message>
    <message>
        <source>Stav:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Akce:</source>
        <translation>Action:</translation>
    </message>
    <message>
        <source>%1 v1 na COM%2 </source>
        <translation>%1 v1 on COM%2 </translation>
    </message>
    <message>
        <source>Odelímám data pro generátor</source>
        <translation>Sending to generator</translation>
    </message>
    <message>
        <source>%1 pod dolní mezí</source>
        <translation>%1 below the lower limit</translation>
    </message>
    <message>
        <source>%1 nad horní mezí</source>
        <translation>%1 above the upper limit</translation>
    </message>
    <message>
        <source>Žádná odpověď</source>
        <translation>No reply</translation>
    </message>
    <message>
        <source>● ZÁZNAM</source>
        <translation>● REC</translation>
    </message>
    <message>
        <source>Soubory CSV (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Záznam nelze spustit: soubor %1 nelze otevřít.</source>
        <translation>Cannot start recording: the file %1 cannot be opened.</translation>
    </message>
    <message>
        <source>Záznam byl zastaven: do souboru %1 se nepodařilo zapsat.</source>
        <translation>Recording stopped: the file %1 could not be written to.</translation>
    </message>
</context>
<context>
    <name>TfrmOProgramu</name>
    <message>
        <source>O programu</source>
        <translation>About</translation>
    </message>
    <message>
        <source>* { font: 11px &quot;MS Sans Serif&quot;; }
QLabel#Label1 { font: bold 19px &quot;Comic Sans MS&quot;; color: navy; }
QLabel#Label2 { font: bold 15px &quot;Comic Sans MS&quot;; color: maroon; }
QLabel#Label3 { font: bold 13px &quot;Comic Sans MS&quot;; color: black; }
QLabel#Label5, QLabel#Label6 { font: 17px &quot;Comic Sans MS&quot;; color: palette(window-text); }
QLineEdit { font: bold 13px &quot;Comic Sans MS&quot;; color: maroon; background: palette(button); }
QPushButton { font: bold 13px &quot;Comic Sans MS&quot;; }</source>
        <translation>* { font: 11px &quot;MS Sans Serif&quot;; }
QLabel#Label1 { font: bold 19px &quot;Comic Sans MS&quot;; color: navy; }
QLabel#Label2 { font: bold 15px &quot;Comic Sans MS&quot;; color: maroon; }
QLabel#Label3 { font: bold 13px &quot;Comic Sans MS&quot;; color: black; }
QLabel#Label5, QLabel#Label6 { font: 17px &quot;Comic Sans MS&quot;; color: palette(window-text); }
QLineEdit { font: bold 13px &quot;Comic Sans MS&quot;; color: maroon; background: palette(button); }
QPushButton { font: bold 13px &quot;Comic Sans MS&quot;; }</translation>
    </message>
    <message>
        <source>ZUNOV</source>
        <translation>ZUNOV</translation>
    </message>
    <message>
        <source>v1</source>
        <translation>v1</translation>
    </message>
    <message>
        <source>Vývojový tým ZUNOV</source>
        <translation>ZUNOV development team</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>info@zunov.example</source>
        <translation>info@zunov.example</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>https://zunov.example</source>
        <translation>https://zunov.example</translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>Tnapoved</name>
    <message>
        <source>Nápověda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>* { font: 11px &quot;MS Sans Serif&quot;; }
QPushButton { font: bold 13px &quot;Comic Sans MS&quot;; }</source>
        <translation>* { font: 11px &quot;MS Sans Serif&quot;; }
QPushButton { font: bold 13px &quot;Comic Sans MS&quot;; }</translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Memo1</source>
        <translation>Memo1</translation>
    </message>
    <message>
        <source>HELP.dat</source>
        <translation>HELP_en.dat</translation>
    </message>
</context>
<context>
    <name>TrendWindow</name>
    <message>
        <source>ZUNOV - Průběh</source>
        <translation>ZUNOV - Trend</translation>
    </message>
    <message>
        <source>&amp;Celý průběh</source>
        <translation>Show &amp;all</translation>
    </message>
    <message>
        <source>&amp;Pozastavit</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Kurzory</source>
        <translation>&amp;Cursors</translation>
    </message>
    <message>
        <source>Pevná osa &amp;Y</source>
        <translation>Fixed &amp;Y axis</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>max</source>
        <translation>max</translation>
    </message>
    <message>
        <source>&amp;Uložit</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Otevřít záznam…</source>
        <translation>&amp;Open recording…</translation>
    </message>
    <message>
        <source>Zpět na &amp;měření</source>
        <translation>Back to &amp;measurement</translation>
    </message>
    <message>
        <source>Měření</source>
        <translation>Measurement</translation>
    </message>
    <message>
        <source>Čas</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Obrázek &amp;PNG…</source>
        <translation>&amp;PNG image…</translation>
    </message>
    <message>
        <source>Obrázek &amp;SVG…</source>
        <translation>&amp;SVG image…</translation>
    </message>
    <message>
        <source>&amp;Data CSV…</source>
        <translation>CSV &amp;data…</translation>
    </message>
    <message>
        <source>A: %1   B: %2   Δt = %3 s</source>
        <translation>A: %1   B: %2   Δt = %3 s</translation>
    </message>
    <message>
        <source>A: %1   B: %2   Δt = %3 s   Δ = %4</source>
        <translation>A: %1   B: %2   Δt = %3 s   Δ = %4</translation>
    </message>
    <message>
        <source>A: %1   B: %2   Δt = %3 s   Δ = %4   strmost = %5/s</source>
        <translation>A: %1   B: %2   Δt = %3 s   Δ = %4   slope = %5/s</translation>
    </message>
    <message>
        <source>Soubory CSV (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Soubor %1 se nepodařilo uložit.</source>
        <translation>The file %1 could not be saved.</translation>
    </message>
    <message>
        <source>Soubor %1 nelze přečíst.</source>
        <translation>The file %1 cannot be read.</translation>
    </message>
    <message>
        <source>Soubor %1 neobsahuje žádné měření.</source>
        <translation>The file %1 contains no measurements.</translation>
    </message>
    <message>
        <source>Některé řádky souboru %1 nelze přečíst a byly vynechány:</source>
        <translation>Some lines of the file %1 cannot be read and were skipped:</translation>
    </message>
    <message>
        <source>řádek %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>Záznam: %1</source>
        <translation>Recording: %1</translation>
    </message>
    <message>
        <source>Uložit obrázek PNG</source>
        <translation>Save PNG image</translation>
    </message>
    <message>
        <source>Uložit data CSV</source>
        <translation>Save CSV data</translation>
    </message>
    <message>
        <source>Otevřít záznam</source>
        <translation>Open recording</translation>
    </message>
    <message numerus="yes">
        <source>… a dalších %n</source>
        <translation>
            <numerusform>… and %n more</numerusform>
            <numerusform>… and %n more</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Waveform</name>
    <message>
        <source>Sinus</source>
        <translation>Sine</translation>
    </message>
    <message>
        <source>Sinus 1/2</source>
        <translation>Half sine</translation>
    </message>
    <message>
        <source>Obdélník</source>
        <translation>Square</translation>
    </message>
    <message>
        <source>Pila</source>
        <translation>Sawtooth</translation>
    </message>
    <message>
        <source>Trojúhelník</source>
        <translation>Triangle</translation>
    </message>
</context>
</TS>
