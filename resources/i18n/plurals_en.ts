<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CliSession</name>
    <message numerus="yes">
        <source>No device found within %n second(s).</source>
        <translation>
            <numerusform>No device found within %n second.</numerusform>
            <numerusform>No device found within %n seconds.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The PIN was refused; the device is locked for %n second(s).</source>
        <translation>
            <numerusform>The PIN was refused; the device is locked for %n second.</numerusform>
            <numerusform>The PIN was refused; the device is locked for %n seconds.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The device did not answer for %n variable(s) while loading: %1.</source>
        <translation>
            <numerusform>The device did not answer for %n variable while loading: %1.</numerusform>
            <numerusform>The device did not answer for %n variables while loading: %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message numerus="yes">
        <source>Uploaded %1 as &apos;%2&apos; (%n byte(s))</source>
        <translation>
            <numerusform>Uploaded %1 as &apos;%2&apos; (%n byte)</numerusform>
            <numerusform>Uploaded %1 as &apos;%2&apos; (%n bytes)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Downloaded &apos;%1&apos; to %2 (%n byte(s))</source>
        <translation>
            <numerusform>Downloaded &apos;%1&apos; to %2 (%n byte)</numerusform>
            <numerusform>Downloaded &apos;%1&apos; to %2 (%n bytes)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FlashSave</name>
    <message numerus="yes">
        <source>The device did not finish the save within %n second(s).</source>
        <translation>
            <numerusform>The device did not finish the save within %n second.</numerusform>
            <numerusform>The device did not finish the save within %n seconds.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LineJob</name>
    <message numerus="yes">
        <source>Writing %n value(s)…</source>
        <translation>
            <numerusform>Writing %n value…</numerusform>
            <numerusform>Writing %n values…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The controller did not take %n value(s): %1</source>
        <translation>
            <numerusform>The controller did not take %n value: %1</numerusform>
            <numerusform>The controller did not take %n values: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Read back, the controller does not hold the file&apos;s value of %n variable(s): %1</source>
        <translation>
            <numerusform>Read back, the controller does not hold the file&apos;s value of %n variable: %1</numerusform>
            <numerusform>Read back, the controller does not hold the file&apos;s value of %n variables: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsSnapshot</name>
    <message numerus="yes">
        <source>the value %1 does not fit in the %n byte(s) the device holds</source>
        <translation>
            <numerusform>the value %1 does not fit in the %n byte the device holds</numerusform>
            <numerusform>the value %1 does not fit in the %n bytes the device holds</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SnapshotActions</name>
    <message numerus="yes">
        <source>The device did not answer for %n variable(s) while loading: %1. The file would lack them. Save the settings anyway?</source>
        <translation>
            <numerusform>The device did not answer for %n variable while loading: %1. The file would lack them. Save the settings anyway?</numerusform>
            <numerusform>The device did not answer for %n variables while loading: %1. The file would lack them. Save the settings anyway?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SnapshotCommands</name>
    <message numerus="yes">
        <source>Settings of %n variable(s) saved to %1</source>
        <translation>
            <numerusform>Settings of %n variable saved to %1</numerusform>
            <numerusform>Settings of %n variables saved to %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The settings are identical; %n read-only value(s) differ</source>
        <translation>
            <numerusform>The settings are identical; %n read-only value differs</numerusform>
            <numerusform>The settings are identical; %n read-only values differ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n difference(s)</source>
        <translation>
            <numerusform>%n difference</numerusform>
            <numerusform>%n differences</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Write %n value(s) to the device?</source>
        <translation>
            <numerusform>Write %n value to the device?</numerusform>
            <numerusform>Write %n values to the device?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n setting(s) of the file were skipped</source>
        <translation>
            <numerusform>%n setting of the file was skipped</numerusform>
            <numerusform>%n settings of the file were skipped</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SnapshotCompareDialog</name>
    <message numerus="yes">
        <source>%n difference(s)</source>
        <translation>
            <numerusform>%n difference</numerusform>
            <numerusform>%n differences</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n difference(s) shown</source>
        <translation>
            <numerusform>%1 of %n difference shown</numerusform>
            <numerusform>%1 of %n differences shown</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Write %n value(s) to the device?</source>
        <translation>
            <numerusform>Write %n value to the device?</numerusform>
            <numerusform>Write %n values to the device?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n setting(s) written.</source>
        <translation>
            <numerusform>%n setting written.</numerusform>
            <numerusform>%n settings written.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n read-only value(s) the device measures or reports differ; no file sets them, so they are not counted or written:</source>
        <translation>
            <numerusform>%n read-only value the device measures or reports differs; no file sets it, so it is not counted or written:</numerusform>
            <numerusform>%n read-only values the device measures or reports differ; no file sets them, so they are not counted or written:</numerusform>
        </translation>
    </message>
</context>
</TS>
