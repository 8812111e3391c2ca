<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="cs_CZ">
<context>
    <name>TrendWindow</name>
    <message numerus="yes">
        <source>… a dalších %n</source>
        <translation>
            <numerusform>… a %n další</numerusform>
            <numerusform>… a %n další</numerusform>
            <numerusform>… a dalších %n</numerusform>
        </translation>
    </message>
</context>
</TS>
