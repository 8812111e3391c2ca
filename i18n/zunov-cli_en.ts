<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="cs_CZ">
<context>
    <name>CliCommandLine</name>
    <message>
        <source>vypíše nalezené sériové porty (jako zunov --list-ports)</source>
        <translation>list the serial ports found (like zunov --list-ports)</translation>
    </message>
    <message>
        <source>čtyřbajtový test spojení s přístrojem</source>
        <translation>four-byte test of the link to the instrument</translation>
    </message>
    <message>
        <source>měří a vypisuje každou celou odpověď přístroje</source>
        <translation>measure and print every complete reply of the instrument</translation>
    </message>
    <message>
        <source>pošle přístroji nastavení generátoru funkcí</source>
        <translation>send a function generator setting to the instrument</translation>
    </message>
    <message>
        <source>rozmítá generátor a po krocích měří odezvu</source>
        <translation>sweep the generator and measure the response step by step</translation>
    </message>
    <message>
        <source>vypíše nápovědu</source>
        <translation>print the help</translation>
    </message>
    <message>
        <source>vypíše verzi programu</source>
        <translation>print the program&apos;s version</translation>
    </message>
    <message>
        <source>jazyk nápovědy a hlášení: cs česky, en anglicky; bez ní anglicky, když LC_ALL, LC_MESSAGES nebo LANG volí angličtinu, jinak česky</source>
        <translation>language of the help and messages: cs Czech, en English; without it, English when LC_ALL, LC_MESSAGES or LANG chooses English, else Czech</translation>
    </message>
    <message>
        <source>cesta</source>
        <translation>path</translation>
    </message>
    <message>
        <source>otevře toto sériové zařízení</source>
        <translation>open this serial device</translation>
    </message>
    <message>
        <source>číslo</source>
        <translation>number</translation>
    </message>
    <message>
        <source>otevře port COM&lt;číslo&gt;: položku COM&lt;číslo&gt; v aktuální složce, jinak /dev/ttyS&lt;číslo-1&gt;</source>
        <translation>open port COM&lt;number&gt;: the COM&lt;number&gt; entry in the current folder, else /dev/ttyS&lt;number-1&gt;</translation>
    </message>
    <message>
        <source>skončí po N dotazech; bez ní měří do Ctrl+C</source>
        <translation>stop after N polls; without it, measure until Ctrl+C</translation>
    </message>
    <message>
        <source>perioda dotazů; bez ní TSER ze ZUNOV.INI, jinak 1000 ms</source>
        <translation>poll period; without it, TSER from ZUNOV.INI, else 1000 ms</translation>
    </message>
    <message>
        <source>tvar výstupu, výchozí csv</source>
        <translation>output format, csv by default</translation>
    </message>
    <message>
        <source>na konci vypíše na chybový výstup statistiku každé veličiny (řádky STAT; s --format json i poslední řádek výstupu)</source>
        <translation>at the end, print the statistics of each quantity to standard error (STAT lines; with --format json also as the last line of the output)</translation>
    </message>
    <message>
        <source>Q=DOLNÍ:HORNÍ</source>
        <translation>Q=LOW:HIGH</translation>
    </message>
    <message>
        <source>meze veličiny U1, U2, R, f nebo I v základní jednotce (V, Ohm, Hz, A), kterákoli může chybět; hodnota mimo meze dá návratový kód 4; lze opakovat</source>
        <translation>limits of the quantity U1, U2, R, f or I in its base unit (V, Ohm, Hz, A), either may be left out; a reading outside them gives exit status 4; may be repeated</translation>
    </message>
    <message>
        <source>tvar</source>
        <translation>shape</translation>
    </message>
    <message>
        <source>sinus, sinus2, obdelnik, pila nebo trojuhelnik</source>
        <translation>sinus, sinus2, obdelnik, pila or trojuhelnik</translation>
    </message>
    <message>
        <source>hodnota frekvence, jako posuvník v okně programu</source>
        <translation>frequency value, as on the slider in the program&apos;s window</translation>
    </message>
    <message>
        <source>sinus (výchozí), sinus2, obdelnik, pila nebo trojuhelnik</source>
        <translation>sinus (default), sinus2, obdelnik, pila or trojuhelnik</translation>
    </message>
    <message>
        <source>první hodnota frekvence, výchozí 0</source>
        <translation>first frequency value, 0 by default</translation>
    </message>
    <message>
        <source>poslední hodnota frekvence, výchozí 255</source>
        <translation>last frequency value, 255 by default</translation>
    </message>
    <message>
        <source>počet kroků, výchozí 32; hodnoty, které se po zaokrouhlení opakují, se nastaví jen jednou</source>
        <translation>number of steps, 32 by default; values that repeat after rounding are set only once</translation>
    </message>
    <message>
        <source>kroky rozmístí logaritmicky (obě krajní hodnoty aspoň 1)</source>
        <translation>space the steps logarithmically (both end values at least 1)</translation>
    </message>
    <message>
        <source>čekání po nastavení generátoru, výchozí 200 ms</source>
        <translation>wait after setting the generator, 200 ms by default</translation>
    </message>
    <message>
        <source>počet dotazů v každém kroku, výchozí 5</source>
        <translation>polls in each step, 5 by default</translation>
    </message>
    <message>
        <source>perioda dotazů v kroku; bez ní TSER ze ZUNOV.INI, jinak 1000 ms</source>
        <translation>poll period within a step; without it, TSER from ZUNOV.INI, else 1000 ms</translation>
    </message>
    <message>
        <source>tvar výstupu, výchozí csv; řádek za každý dokončený krok</source>
        <translation>output format, csv by default; one row per completed step</translation>
    </message>
    <message>
        <source>Neznámý jazyk „%1“; zvolte cs nebo en.</source>
        <translation>Unknown language &quot;%1&quot;; choose cs or en.</translation>
    </message>
    <message>
        <source>Volby --device a --port nelze použít spolu.</source>
        <translation>The options --device and --port cannot be used together.</translation>
    </message>
    <message>
        <source>Volba --device potřebuje cestu k zařízení.</source>
        <translation>The option --device needs the path of a device.</translation>
    </message>
    <message>
        <source>Neznámý tvar výstupu „%1“; zvolte csv, json nebo text.</source>
        <translation>Unknown output format &quot;%1&quot;; choose csv, json or text.</translation>
    </message>
    <message>
        <source>Neznámý tvar „%1“; zvolte sinus, sinus2, obdelnik, pila nebo trojuhelnik.</source>
        <translation>Unknown waveform &quot;%1&quot;; choose sinus, sinus2, obdelnik, pila or trojuhelnik.</translation>
    </message>
    <message>
        <source>Logaritmické rozmístění kroků potřebuje --from i --to aspoň 1.</source>
        <translation>Logarithmic step spacing needs both --from and --to at least 1.</translation>
    </message>
    <message>
        <source>Neznámý tvar výstupu „%1“; zvolte csv nebo json.</source>
        <translation>Unknown output format &quot;%1&quot;; choose csv or json.</translation>
    </message>
    <message>
        <source>Příkaz generator potřebuje volbu --%1.</source>
        <translation>The generator command needs the option --%1.</translation>
    </message>
    <message>
        <source>Mez „%1“ neplatí; zadejte ji jako U1=1.5:2.5, R=:1000 nebo I=0.1: (veličina U1, U2, R, f nebo I, dolní mez nejvýš horní).</source>
        <translation>Invalid limit &quot;%1&quot;; give it as U1=1.5:2.5, R=:1000 or I=0.1: (quantity U1, U2, R, f or I, the lower bound at most the upper).</translation>
    </message>
    <message>
        <source>Hodnota „%1“ volby --%2 není celé číslo od %3 do %4.</source>
        <translation>The value &quot;%1&quot; of the option --%2 is not a whole number from %3 to %4.</translation>
    </message>
    <message>
        <source>Chybí příkaz: ports, test, measure, generator nebo sweep.</source>
        <translation>Missing command: ports, test, measure, generator or sweep.</translation>
    </message>
    <message>
        <source>Neznámý příkaz: %1</source>
        <translation>Unknown command: %1</translation>
    </message>
    <message>
        <source>Nečekaný argument: %1</source>
        <translation>Unexpected argument: %1</translation>
    </message>
    <message>
        <source>Použití: %1 %2 [volby]
%3.

Volby:
</source>
        <translation>Usage: %1 %2 [options]
%3.

Options:
</translation>
    </message>
    <message>
        <source>Použití: %1 &lt;příkaz&gt; [volby]
Měří a ovládá přístroj ZUNOV z příkazové řádky, bez oken.

Příkazy:
</source>
        <translation>Usage: %1 &lt;command&gt; [options]
Measures with and controls the ZUNOV instrument from the command line, without windows.

Commands:
</translation>
    </message>
    <message>
        <source>
Volby:
</source>
        <translation>
Options:
</translation>
    </message>
    <message>
        <source>
Zařízení volí --device nebo --port, jinak ZUNOV.INI aktuální složky (klíče Port a Zarizeni).
Nápověda k příkazu: %1 &lt;příkaz&gt; --help
Návratový kód: 0 v pořádku, 1 přístroj neodpověděl správně nebo výstup nelze zapsat, 2 chybné volby, 3 zařízení nelze otevřít, 4 hodnota mimo meze (measure --limit).
</source>
        <translation>
The device is chosen by --device or --port, else by ZUNOV.INI in the current folder (keys Port and Zarizeni).
Help on a command: %1 &lt;command&gt; --help
Exit status: 0 success, 1 the instrument did not answer correctly or the output could not be written, 2 invalid options, 3 the device cannot be opened, 4 a reading outside its limits (measure --limit).
</translation>
    </message>
    <message>
        <source>soubor</source>
        <translation>file</translation>
    </message>
    <message>
        <source>řádky CSV zapisuje i do souboru, s popisem běhu v souboru .json vedle něj</source>
        <translation>also writes the CSV rows to the file, with a description of the run in a .json file beside it</translation>
    </message>
    <message>
        <source>záznam --log pokračuje v novém souboru po dosažení velikosti (bajty, přípona K, M nebo G, např. 100M) nebo o půlnoci</source>
        <translation>the --log recording goes on in a new file when the size is reached (bytes, suffix K, M or G, e.g. 100M) or at midnight</translation>
    </message>
    <message>
        <source>Volba --log potřebuje soubor.</source>
        <translation>The option --log needs a file.</translation>
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
    <name>CliText</name>
    <message>
        <source>%1 (nápověda: %2)</source>
        <translation>%1 (help: %2)</translation>
    </message>
    <message>
        <source>Neúplná odpověď přístroje: %1 ze 4 bajtů.</source>
        <translation>Incomplete reply from the instrument: %1 of 4 bytes.</translation>
    </message>
    <message>
        <source>Odpověď přístroje bez měřené hodnoty: %1</source>
        <translation>Reply from the instrument without a reading: %1</translation>
    </message>
    <message>
        <source>Přístroj neodpověděl.</source>
        <translation>The instrument did not answer.</translation>
    </message>
    <message>
        <source>Výstup nelze zapsat: %1.</source>
        <translation>Cannot write the output: %1.</translation>
    </message>
    <message>
        <source>Přístroj se odpojil</source>
        <translation>The instrument was disconnected</translation>
    </message>
    <message>
        <source>Přístroj přestal odpovídat</source>
        <translation>The instrument stopped answering</translation>
    </message>
    <message>
        <source>%1; rozmítání skončilo po %2 kroku z %3.</source>
        <translation>%1; the sweep ended after %2 step of %3.</translation>
    </message>
    <message>
        <source>%1; rozmítání skončilo po %2 krocích z %3.</source>
        <translation>%1; the sweep ended after %2 steps of %3.</translation>
    </message>
    <message>
        <source>nic</source>
        <translation>nothing</translation>
    </message>
    <message>
        <source>%1: odesláno %2, přijato %3
</source>
        <translation>%1: sent %2, received %3
</translation>
    </message>
    <message>
        <source>Odesláno: %1
</source>
        <translation>Sent: %1
</translation>
    </message>
    <message>
        <source>Přijato: %1
</source>
        <translation>Received: %1
</translation>
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
    <name>CommandLine</name>
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
        <translation>the disk quota is used up</translation>
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
        <translation>the device is in use</translation>
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
        <translation>the reader of the output has gone</translation>
    </message>
    <message>
        <source>program má otevřeno příliš mnoho souborů</source>
        <translation>the program has too many files open</translation>
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
</TS>
