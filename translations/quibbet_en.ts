<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CategoryTabs</name>
    <message numerus="yes">
        <source>Category gone: %n notes in Default</source>
        <translation>
            <numerusform>Category gone: %n note in Default</numerusform>
            <numerusform>Category gone: %n notes in Default</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ConflictMerge</name>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n note</numerusform>
            <numerusform>%n notes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n categories</source>
        <translation>
            <numerusform>%n category</numerusform>
            <numerusform>%n categories</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reminders</source>
        <translation>
            <numerusform>%n reminder</numerusform>
            <numerusform>%n reminders</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NotesBackups</name>
    <message numerus="yes">
        <source> (%Ln notes)</source>
        <translation>
            <numerusform> (%Ln note)</numerusform>
            <numerusform> (%Ln notes)</numerusform>
        </translation>
    </message>
</context>
</TS>
