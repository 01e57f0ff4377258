<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>DeviceProtocol</name>
    <message>
        <source>This firmware has no file seek: the transfer cannot be resumed</source>
        <translation>Ця прошивка не вміє переходити в межах файлу: передачу неможливо продовжити</translation>
    </message>
    <message>
        <source>File transfer failed</source>
        <translation>Передача файлу не вдалася</translation>
    </message>
    <message>
        <source>The device file is at byte %1, not at %2: the transfer cannot go on.</source>
        <translation>Файл на пристрої стоїть на байті %1, а не на %2: передачу неможливо продовжити.</translation>
    </message>
    <message>
        <source>File error</source>
        <translation>Помилка файлу</translation>
    </message>
    <message>
        <source>%1: error %2 (%3)</source>
        <translation>%1: помилка %2 (%3)</translation>
    </message>
    <message>
        <source>Upload failed</source>
        <translation>Вивантаження не вдалося</translation>
    </message>
    <message>
        <source>Upload &apos;%1&apos;, %2 bytes</source>
        <translation>Вивантаження &apos;%1&apos;, %2 байт</translation>
    </message>
    <message>
        <source>Upload of &apos;%1&apos; starts again</source>
        <translation>Вивантаження &apos;%1&apos; починається знову</translation>
    </message>
    <message>
        <source>&apos;%1&apos; on the device has %2 bytes, the local file has %3. The old file is kept.</source>
        <translation>&apos;%1&apos; на пристрої має %2 байт, локальний файл — %3. Старий файл збережено.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was not found on the device after the upload. The old file is kept.</source>
        <translation>Після вивантаження &apos;%1&apos; не знайдено на пристрої. Старий файл збережено.</translation>
    </message>
    <message>
        <source>The file is uploaded but could not be renamed. It stays on the device as &apos;%1&apos;.</source>
        <translation>Файл вивантажено, але перейменувати його не вдалося. Він лишається на пристрої як &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Check of &apos;%1&apos; on the device failed after the upload.</source>
        <translation>Перевірка &apos;%1&apos; на пристрої після вивантаження не вдалася.</translation>
    </message>
    <message>
        <source>Upload interrupted at %1 bytes, waiting for the device ...</source>
        <translation>Вивантаження перервано на %1 байтах, чекаємо на пристрій ...</translation>
    </message>
    <message>
        <source>The device wrote %1 of %2 bytes at byte %3.</source>
        <translation>Пристрій записав %1 з %2 байт на байті %3.</translation>
    </message>
    <message>
        <source>The file is gone from the device</source>
        <translation>Файлу більше немає на пристрої</translation>
    </message>
    <message>
        <source>The last %1 bytes of the device file (before byte %2) differ from the local file.</source>
        <translation>Останні %1 байт файлу на пристрої (до байта %2) відрізняються від локального файлу.</translation>
    </message>
    <message>
        <source>The device file has %1 bytes, %2 were sent.</source>
        <translation>Файл на пристрої має %1 байт, надіслано %2.</translation>
    </message>
    <message>
        <source>The device holds %1 bytes, the last %2 match: the upload goes on</source>
        <translation>Пристрій має %1 байт, останні %2 збігаються: вивантаження триває</translation>
    </message>
    <message>
        <source>Upload: the file on the device does not match</source>
        <translation>Вивантаження: файл на пристрої не збігається</translation>
    </message>
    <message>
        <source>Send the file again from the start? (No: cancel the upload.)</source>
        <translation>Надіслати файл знову з початку? (Ні: скасувати вивантаження.)</translation>
    </message>
    <message>
        <source>Upload cancelled after the check of the device file</source>
        <translation>Вивантаження скасовано після перевірки файлу на пристрої</translation>
    </message>
    <message>
        <source>Download &apos;%1&apos;, %2 bytes</source>
        <translation>Завантаження &apos;%1&apos;, %2 байт</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Завантаження не вдалося</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has %2 bytes on the device, the downloaded file has %3.</source>
        <translation>&apos;%1&apos; має %2 байт на пристрої, завантажений файл — %3.</translation>
    </message>
    <message>
        <source>Cannot write the local file</source>
        <translation>Не вдається записати локальний файл</translation>
    </message>
    <message>
        <source>The link to the device failed while reading the file</source>
        <translation>Зв&apos;язок із пристроєм обірвався під час читання файлу</translation>
    </message>
    <message>
        <source>Download starts again</source>
        <translation>Завантаження починається знову</translation>
    </message>
    <message>
        <source>Download interrupted at %1 bytes, waiting for the device ...</source>
        <translation>Завантаження перервано на %1 байтах, чекаємо на пристрій ...</translation>
    </message>
    <message>
        <source>The file is gone from the device.</source>
        <translation>Файлу більше немає на пристрої.</translation>
    </message>
    <message>
        <source>The device file has %1 bytes, %2 were received.</source>
        <translation>Файл на пристрої має %1 байт, отримано %2.</translation>
    </message>
    <message>
        <source>The last %1 bytes received (before byte %2) differ from the device file.</source>
        <translation>Останні %1 отриманих байт (до байта %2) відрізняються від файлу на пристрої.</translation>
    </message>
    <message>
        <source>The last %1 bytes match: the download goes on from %2 bytes</source>
        <translation>Останні %1 байт збігаються: завантаження триває з %2 байт</translation>
    </message>
    <message>
        <source>Download: the file does not match</source>
        <translation>Завантаження: файл не збігається</translation>
    </message>
    <message>
        <source>Download the file again from the start? (No: cancel the download.)</source>
        <translation>Завантажити файл знову з початку? (Ні: скасувати завантаження.)</translation>
    </message>
    <message>
        <source>Download cancelled after the check of the file</source>
        <translation>Завантаження скасовано після перевірки файлу</translation>
    </message>
    <message>
        <source>Device is back: PIN %1 is sent again</source>
        <translation>Пристрій повернувся: PIN %1 надіслано знову</translation>
    </message>
    <message>
        <source>File transfer stopped</source>
        <translation>Передачу файлу зупинено</translation>
    </message>
    <message>
        <source>The device is back, but PIN %1 was not accepted (answer %2). The transfer is stopped: enter the PIN and start it again.</source>
        <translation>Пристрій повернувся, але PIN %1 не прийнято (відповідь %2). Передачу зупинено: введіть PIN і почніть її знову.</translation>
    </message>
    <message>
        <source>Device is back: send PIN 1 to continue the transfer</source>
        <translation>Пристрій повернувся: надішліть PIN 1, щоб продовжити передачу</translation>
    </message>
    <message>
        <source>Device is back: send PIN 2 to continue the transfer (system files)</source>
        <translation>Пристрій повернувся: надішліть PIN 2, щоб продовжити передачу (системні файли)</translation>
    </message>
    <message>
        <source>The partial file &apos;%1&apos; may be left on the device</source>
        <translation>Неповний файл &apos;%1&apos; міг залишитися на пристрої</translation>
    </message>

    <message>
        <source>The device stored the last piece more than once: the upload starts again</source>
        <translation>Пристрій записав останню частину більше одного разу: вивантаження починається знову</translation>
    </message>

    <message>
        <source>The link to the device was lost, waiting for the device ...</source>
        <translation>Зв&apos;язок із пристроєм втрачено, чекаємо на пристрій ...</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not replace the local file %2 (%3).</source>
        <translation>&apos;%1&apos; не вдалося записати замість локального файлу %2 (%3).</translation>
    </message>

    <message>
        <source>The device sends more than the %1 bytes listed for &apos;%2&apos;. The download is stopped.</source>
        <translation>Пристрій надсилає більше, ніж %1 байт, зазначених у списку для &apos;%2&apos;. Завантаження зупинено.</translation>
    </message>
</context>
</TS>
