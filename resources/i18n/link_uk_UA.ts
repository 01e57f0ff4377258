<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>UsbLink</name>
    <message>
        <source>No controller %1 is connected.</source>
        <translation>Контролер %1 не під&apos;єднано.</translation>
    </message>
    <message>
        <source>Several controllers are connected: %1. Choose one.</source>
        <translation>Під&apos;єднано кілька контролерів: %1. Виберіть один.</translation>
    </message>
    <message>
        <source>An older version of the program (process %1) is using the USB devices. Close it first: older versions must not run alongside this one.</source>
        <translation>USB-пристрої використовує старіша версія програми (процес %1). Спершу закрийте її: старіші версії не можна запускати поруч із цією.</translation>
    </message>
    <message>
        <source>The USB device is used by another copy of the program (process %1). Close it first.</source>
        <translation>USB-пристрій використовує інша копія програми (процес %1). Спершу закрийте її.</translation>
    </message>
    <message>
        <source>The device was found but this user may not open it. Install the udev rule for 0483:5750 (see the README) and plug the device in again.</source>
        <translation>Пристрій знайдено, але цей користувач не має права його відкрити. Встановіть правило udev для 0483:5750 (див. README) і під&apos;єднайте пристрій знову.</translation>
    </message>
</context>
</TS>
