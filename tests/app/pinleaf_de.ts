<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- A few texts in German, for widget_translations: enough to show that they are translated. -->
<TS version="2.1" language="de">
<context>
    <name>frmMain</name>
    <message>
        <source>Perform Save</source>
        <translation>Jetzt speichern</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
</context>
<context>
    <name>ColorScheme</name>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
</context>
</TS>
