<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>DeviceProtocol</name>
    <message>
        <source>&apos;%1&apos; could not replace the local file %2 (%3).</source>
        <translation>&apos;%1&apos; не вдалося записати замість локального файлу %2 (%3).</translation>
    </message>
    <message>
        <source>The device sends more than the %1 bytes listed for &apos;%2&apos;. The download is stopped.</source>
        <translation>Пристрій надсилає більше, ніж %1 байт, зазначених у списку для &apos;%2&apos;. Завантаження зупинено.</translation>
    </message>
</context>
<context>
    <name>FilesPage</name>
    <message>
        <source>&apos;%1&apos; is in the folder already and is not downloaded</source>
        <translation>&apos;%1&apos; вже є в теці й не завантажується</translation>
    </message>
    <message>
        <source>Files exist</source>
        <translation>Файли вже існують</translation>
    </message>
    <message>
        <source>These files are in %1 already:
%2
Replace them, keep both (the download gets a numbered name) or skip them?</source>
        <translation>Ці файли вже є в %1:
%2
Замінити їх, зберегти обидва (завантажений файл отримає назву з номером) чи пропустити їх?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Замінити</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Зберегти обидва</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Пропустити</translation>
    </message>
</context>
</TS>
