<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>FilesPage</name>
    <message>
        <source>A system file &apos;%1&apos; exists, choose another name</source>
        <translation>Системний файл &apos;%1&apos; існує, виберіть іншу назву</translation>
    </message>
    <message>
        <source>A system file &apos;%1&apos; exists, it cannot be replaced</source>
        <translation>Системний файл &apos;%1&apos; існує, його не можна замінити</translation>
    </message>
    <message>
        <source>Cannot open local file %1</source>
        <translation>Не вдається відкрити локальний файл %1</translation>
    </message>
    <message>
        <source>Cannot open local file %1, old file not changed</source>
        <translation>Не вдається відкрити локальний файл %1, старий файл не змінено</translation>
    </message>
    <message>
        <source>Delete file</source>
        <translation>Видалення файлу</translation>
    </message>
    <message>
        <source>Delete files</source>
        <translation>Видалення файлів</translation>
    </message>
    <message>
        <source>Delete selected files</source>
        <translation>Видалити вибрані файли</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Download all files</source>
        <translation>Завантажити всі файли</translation>
    </message>
    <message>
        <source>Download selected files</source>
        <translation>Завантажити вибрані файли</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Завантажити</translation>
    </message>
    <message>
        <source>Enter a new name for %1</source>
        <translation>Введіть нову назву для %1</translation>
    </message>
    <message>
        <source>File &apos;%1&apos; already exists on the device. Replace it?</source>
        <translation>Файл &apos;%1&apos; вже є на пристрої. Замінити його?</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Файл існує</translation>
    </message>
    <message>
        <source>File name is not valid</source>
        <translation>Неприпустима назва файлу</translation>
    </message>
    <message>
        <source>Name must be 1-%1 characters, Latin-1 only.
New name for &apos;%2&apos;:</source>
        <translation>Назва має містити 1-%1 символів, лише Latin-1.
Нова назва для &apos;%2&apos;:</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Нова назва:</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Перейменувати</translation>
    </message>
    <message>
        <source>Replace content</source>
        <translation>Замінити вміст</translation>
    </message>
    <message>
        <source>Select a file for %1</source>
        <translation>Виберіть файл для %1</translation>
    </message>
    <message>
        <source>Select a file to upload</source>
        <translation>Виберіть файл для вивантаження</translation>
    </message>
    <message>
        <source>The device file &apos;%1&apos; is saved as &apos;%2&apos;</source>
        <translation>Файл пристрою &apos;%1&apos; збережено як &apos;%2&apos;</translation>
    </message>
    <message>
        <source>The files will be deleted, continue?
%1</source>
        <translation>Файли буде видалено, продовжити?
%1</translation>
    </message>
    <message>
        <source>Upload new file</source>
        <translation>Вивантажити новий файл</translation>
    </message>
    <message>
        <source>Uploaded %1 to the device as &apos;%2&apos; (%3 bytes)</source>
        <translation>%1 вивантажено в пристрій як &apos;%2&apos; (%3 байт)</translation>
    </message>

    <message>
        <source>Downloaded &apos;%1&apos; (%2 bytes) to %3</source>
        <translation>&apos;%1&apos; (%2 байт) завантажено в %3</translation>
    </message>

    <message>
        <source>Deleted &apos;%1&apos; from the device</source>
        <translation>&apos;%1&apos; видалено з пристрою</translation>
    </message>

    <message>
        <source>Renamed &apos;%1&apos; to &apos;%2&apos; on the device</source>
        <translation>&apos;%1&apos; перейменовано на &apos;%2&apos; на пристрої</translation>
    </message>
    <message>
        <source>Not enough space on the device: need %1, free %2</source>
        <translation>Недостатньо місця на пристрої: потрібно %1, вільно %2</translation>
    </message>

    <message>
        <source>%1 bytes</source>
        <translation>%1 байт</translation>
    </message>
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
<context>
    <name>TransferDialog</name>
    <message>
        <source>%1 (file %2 of %3)</source>
        <translation>%1 (файл %2 з %3)</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 КБ</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 МБ</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>залишилось %1</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 хв %2 с</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 з %2</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/с</translation>
    </message>
    <message>
        <source>Abort requested</source>
        <translation>Запитано переривання</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Перервати</translation>
    </message>
    <message>
        <source>All files: %1 of %2 (file %3 of %4)</source>
        <translation>Усі файли: %1 з %2 (файл %3 з %4)</translation>
    </message>
    <message>
        <source>Checking the file on the device ...</source>
        <translation>Перевірка файлу на пристрої ...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>File transfer</source>
        <translation>Передача файлів</translation>
    </message>
    <message>
        <source>PIN %1 has %2 characters</source>
        <translation>PIN %1 має %2 символи</translation>
    </message>
    <message>
        <source>PIN %1 is sent, waiting for the device ...</source>
        <translation>PIN %1 надіслано, очікування пристрою ...</translation>
    </message>
    <message>
        <source>PIN %1</source>
        <translation>PIN %1</translation>
    </message>
    <message>
        <source>PIN 1 is accepted: enter PIN 2 to go on, the system files need it (%1)</source>
        <translation>PIN 1 прийнято: введіть PIN 2, щоб продовжити, він потрібен для системних файлів (%1)</translation>
    </message>
    <message>
        <source>Send PIN %1</source>
        <translation>Надіслати PIN %1</translation>
    </message>
    <message>
        <source>The device is back: enter PIN 1 to go on (%1)</source>
        <translation>Пристрій повернувся: введіть PIN 1, щоб продовжити (%1)</translation>
    </message>
    <message>
        <source>The device is lost, waiting for it ... %1 (attempt %2)</source>
        <translation>Зв&apos;язок із пристроєм втрачено, очікування ... %1 (спроба %2)</translation>
    </message>
    <message>
        <source>The transfer goes on at %1 bytes</source>
        <translation>Передача продовжується з %1 байтів</translation>
    </message>
    <message>
        <source>Transfer complete (resumes: %1)</source>
        <translation>Передачу завершено (відновлень: %1)</translation>
    </message>
    <message>
        <source>Transfer ended (%1), %2</source>
        <translation>Передачу закінчено (%1), %2</translation>
    </message>
    <message>
        <source>Transferring</source>
        <translation>Передача</translation>
    </message>
    <message>
        <source>elapsed %1</source>
        <translation>минуло %1</translation>
    </message>
    <message>
        <source>resumes: %1</source>
        <translation>відновлень: %1</translation>
    </message>
    <message>
        <source>Transfer failed: %1</source>
        <translation>Передача не вдалася: %1</translation>
    </message>
</context>
</TS>
