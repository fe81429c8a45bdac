<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>Application</name>
    <message>
        <source>DADAD_EN.dll</source>
        <translation>DADAD_KO.dll</translation>
    </message>
</context>
<context>
    <name>KestrelPreferences</name>
    <message>
        <source>locale</source>
        <translation>ko-kr</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Kestrel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes(&amp;Y)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No(&amp;N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
