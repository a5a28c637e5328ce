<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>PictureListCommand</name>
    <message numerus="yes">
        <source>Add %n Picture(s)</source>
        <translation>
            <numerusform>Add Picture</numerusform>
            <numerusform>Add %n Pictures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n Picture(s)</source>
        <translation>
            <numerusform>Remove Picture</numerusform>
            <numerusform>Remove %n Pictures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n Picture(s)</source>
        <translation>
            <numerusform>Move Picture</numerusform>
            <numerusform>Move %n Pictures</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pw::Leafreel_for_macAppDelegate</name>
    <message numerus="yes">
        <source>%n picture(s) in the list</source>
        <translation>
            <numerusform>%n picture in the list</numerusform>
            <numerusform>%n pictures in the list</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The book has %n page(s).</source>
        <translation>
            <numerusform>The book has %n page.</numerusform>
            <numerusform>The book has %n pages.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The book has %n page(s). These files of the list are not pictures that can be read and were left out:
%1</source>
        <translation>
            <numerusform>The book has %n page. These files of the list are not pictures that can be read and were left out:
%1</numerusform>
            <numerusform>The book has %n pages. These files of the list are not pictures that can be read and were left out:
%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Locate %n Picture(s)</source>
        <translation>
            <numerusform>Locate Picture</numerusform>
            <numerusform>Locate %n Pictures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n missing picture(s) found again.</source>
        <translation>
            <numerusform>%n missing picture found again.</numerusform>
            <numerusform>%n missing pictures found again.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pw::OutputWindowDelegate</name>
    <message numerus="yes">
        <source>
… and %n more</source>
        <translation>
            <numerusform>
… and %n more</numerusform>
            <numerusform>
… and %n more</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pw::ProjectSession</name>
    <message numerus="yes">
        <source>  … and %n more</source>
        <translation>
            <numerusform>  … and %n more</numerusform>
            <numerusform>  … and %n more</numerusform>
        </translation>
    </message>
</context>
</TS>
