<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="en">
<context>
    <name>ValueLimits</name>
    <message>
        <source>%1 is not a number the device can hold</source>
        <translation>%1 — не число, яке може зберігати пристрій</translation>
    </message>
    <message>
        <source>%1 is outside what &quot;%2&quot; allows: %3 to %4 in steps of %5</source>
        <translation>%1 поза межами, які дозволяє «%2»: від %3 до %4 з кроком %5</translation>
    </message>
    <message>
        <source>%1 is none of the options of &quot;%2&quot;: %3</source>
        <translation>%1 не є жодним із варіантів «%2»: %3</translation>
    </message>
</context>
</TS>
