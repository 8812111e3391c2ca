<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="cs_CZ">
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
        <translation>Series:</translation>
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
</context>
</TS>
