<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>The quota of destination shared folder has reached the system limit. Please change the quota limit on the server or contact the system administrator.</source>
        <translation>Квота целевой общей папки достигла системного предела. Измените квоту на сервере или обратитесь к системному администратору.</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Изменено</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>Забыли пароль?</translation>
    </message>
    <message>
        <source>Field cannot exceed %1 numbers.</source>
        <translation>Поле не может содержать более %1 цифр.</translation>
    </message>
    <message>
        <source>Show or hide the password</source>
        <translation>Показать или скрыть пароль</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Пропустить</translation>
    </message>
    <message>
        <source>Verifying files...</source>
        <translation>Проверка файлов...</translation>
    </message>
    <message>
        <source>Dismiss notification</source>
        <translation>Закрыть уведомление</translation>
    </message>
    <message>
        <source>Take Snapshot</source>
        <translation>Создать снимок</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Подробности</translation>
    </message>
    <message>
        <source>Upload queue</source>
        <translation>Очередь отправки</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Sync Task</source>
        <translation>Задача синхронизации</translation>
    </message>
    <message>
        <source>Starting services</source>
        <translation>Запуск служб</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation>Все равно продолжить</translation>
    </message>
    <message>
        <source>%1 was not synced because it matches a filter rule.</source>
        <translation>Файл %1 не синхронизирован, так как соответствует правилу фильтра.</translation>
    </message>
    <message>
        <source>Resume All</source>
        <translation>Возобновить все</translation>
    </message>
    <message>
        <source>Local network only</source>
        <translation>Только локальная сеть</translation>
    </message>
    <message>
        <source>A relay connection can be slower than a direct connection.</source>
        <translation>Подключение через ретрансляцию может быть медленнее прямого подключения.</translation>
    </message>
    <message>
        <source>Encryption key</source>
        <translation>Ключ шифрования</translation>
    </message>
    <message>
        <source>Back up only when I start it manually</source>
        <translation>Копировать только при запуске вручную</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Server: %1</source>
        <translation>Сервер: %1</translation>
    </message>
    <message>
        <source>Can view</source>
        <translation>Может просматривать</translation>
    </message>
    <message>
        <source>[ProductName] setup was interrupted. Your system has not been modified. To install this program at a later time, please run the installation again.</source>
        <translation>Установка [ProductName] была прервана. Система не была изменена. Чтобы установить программу позже, запустите установку еще раз.</translation>
    </message>
    <message>
        <source>Connect to a server</source>
        <translation>Подключение к серверу</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Proxy server requires a password</source>
        <translation>Прокси-сервер требует пароль</translation>
    </message>
    <message>
        <source>Field cannot exceed %1 characters.</source>
        <translation>Поле не может содержать более %1 символов.</translation>
    </message>
    <message>
        <source>I &amp;accept the terms in the License Agreement</source>
        <translation>Я &amp;принимаю условия лицензионного соглашения</translation>
    </message>
    <message>
        <source>Only the checked folders are synced to this computer.</source>
        <translation>На этот компьютер синхронизируются только отмеченные папки.</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>Ошибка резервного копирования.</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation>Выполняется обновление...</translation>
    </message>
    <message>
        <source>Pause syncing on metered connections</source>
        <translation>Приостанавливать синхронизацию при лимитных подключениях</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Начать</translation>
    </message>
    <message>
        <source>Restore this version? The current version will be saved as a previous version.</source>
        <translation>Восстановить эту версию? Текущая версия будет сохранена как предыдущая.</translation>
    </message>
    <message>
        <source>Updating %1...</source>
        <translation>Обновление %1...</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Folders on a network drive cannot be synced.</source>
        <translation>Папки на сетевом диске нельзя синхронизировать.</translation>
    </message>
    <message>
        <source>Restore Down</source>
        <translation>Свернуть в окно</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Список</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Искать серверы в локальной сети</translation>
    </message>
    <message>
        <source>There are no previous versions of this file.</source>
        <translation>У этого файла нет предыдущих версий.</translation>
    </message>
    <message>
        <source>Backup cancelled</source>
        <translation>Резервное копирование отменено</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>Больше не показывать</translation>
    </message>
    <message>
        <source>Enter the encryption key to open this shared folder.</source>
        <translation>Введите ключ шифрования, чтобы открыть эту общую папку.</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Имена файлов</translation>
    </message>
    <message>
        <source>Do not sync files larger than</source>
        <translation>Не синхронизировать файлы размером более</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Разница</translation>
    </message>
    <message>
        <source>Restore Files</source>
        <translation>Восстановление файлов</translation>
    </message>
    <message>
        <source>Files deleted on this computer are moved to the recycle bin of the shared folder on the server.</source>
        <translation>Файлы, удаленные на этом компьютере, перемещаются в корзину общей папки на сервере.</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>&amp;Установить</translation>
    </message>
    <message>
        <source>%1 files were skipped because they were in use.</source>
        <translation>Пропущено используемых файлов: %1.</translation>
    </message>
    <message>
        <source>The drive uses the FAT file system, which does not support files larger than 4 GB. Files over this size will not be synced.</source>
        <translation>Диск использует файловую систему FAT, которая не поддерживает файлы размером более 4 ГБ. Такие файлы не будут синхронизироваться.</translation>
    </message>
    <message>
        <source>%1 files were deleted on the server.</source>
        <translation>На сервере удалено файлов: %1.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Конфиденциальность</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>Connected through the relay service</source>
        <translation>Подключено через службу ретрансляции</translation>
    </message>
    <message>
        <source>Connecting through the relay service...</source>
        <translation>Подключение через службу ретрансляции...</translation>
    </message>
    <message>
        <source>Install [ProductName] to:</source>
        <translation>Установить [ProductName] в:</translation>
    </message>
    <message>
        <source>Email Notifications</source>
        <translation>Уведомления по электронной почте</translation>
    </message>
    <message>
        <source>Battery is low. Syncing has been paused.</source>
        <translation>Низкий заряд батареи. Синхронизация приостановлена.</translation>
    </message>
    <message>
        <source>Client ID</source>
        <translation>Идентификатор клиента</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>A task with this name already exists.</source>
        <translation>Задача с таким именем уже существует.</translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely</source>
        <translation>Мастер установки [ProductName] преждевременно завершил работу</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Этот компьютер</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Connection status</source>
        <translation>Состояние подключения</translation>
    </message>
    <message>
        <source>The sync service could not be started.</source>
        <translation>Не удалось запустить службу синхронизации.</translation>
    </message>
    <message>
        <source>Rolling back action:</source>
        <translation>Откат действия:</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Подключение к %1...</translation>
    </message>
    <message>
        <source>Domain user</source>
        <translation>Пользователь домена</translation>
    </message>
    <message>
        <source>Hide Details</source>
        <translation>Скрыть подробности</translation>
    </message>
    <message>
        <source>About Quenmark Zelto Client</source>
        <translation>О программе Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Все файлы синхронизированы</translation>
    </message>
    <message>
        <source>Notify me about conflicts</source>
        <translation>Уведомлять о конфликтах</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client</source>
        <translation>Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Remove saved account</source>
        <translation>Удалить сохраненную учетную запись</translation>
    </message>
    <message>
        <source>Restore to</source>
        <translation>Восстановить в</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Обновить</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Имя компьютера</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>The path of the folder is too long.</source>
        <translation>Слишком длинный путь к папке.</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Напомнить позже</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>ТБ</translation>
    </message>
    <message>
        <source>This account has expired. Contact your system administrator.</source>
        <translation>Срок действия этой учетной записи истек. Обратитесь к системному администратору.</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Шифрование</translation>
    </message>
    <message>
        <source>Clear Cache</source>
        <translation>Очистить кэш</translation>
    </message>
    <message>
        <source>Release Notes</source>
        <translation>Заметки о выпуске</translation>
    </message>
    <message>
        <source>The installation failed. Please reinstall Quenmark Zelto Client.</source>
        <translation>Ошибка установки. Переустановите Quenmark Zelto Client.</translation>
    </message>
    <message>
        <source>No access</source>
        <translation>Нет доступа</translation>
    </message>
    <message>
        <source>Local path</source>
        <translation>Локальный путь</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Save Report...</source>
        <translation>Сохранить отчет...</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Сервер</translation>
    </message>
    <message>
        <source>Connect with HTTPS (recommended)</source>
        <translation>Подключаться по HTTPS (рекомендуется)</translation>
    </message>
    <message>
        <source>Unable to install the update.</source>
        <translation>Не удается установить обновление.</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <source>The Setup Wizard will update the installed [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>Мастер установки обновит установленный на компьютере [ProductName]. Нажмите кнопку «Далее», чтобы продолжить, или «Отмена», чтобы выйти из мастера установки.</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>Конфликт</translation>
    </message>
    <message>
        <source>Folder on server</source>
        <translation>Папка на сервере</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>Search file names</source>
        <translation>Поиск по имени файла</translation>
    </message>
    <message>
        <source>Restart File Manager</source>
        <translation>Перезапустить файловый менеджер</translation>
    </message>
    <message>
        <source>Verify Backup</source>
        <translation>Проверка резервной копии</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Новое имя</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <source>Download speed</source>
        <translation>Скорость загрузки</translation>
    </message>
    <message>
        <source>Issued by</source>
        <translation>Кем выдан</translation>
    </message>
    <message>
        <source>Click Remove to remove [ProductName] from your computer. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Нажмите кнопку «Удалить», чтобы удалить [ProductName] с компьютера. Нажмите «Назад», чтобы просмотреть или изменить параметры установки. Нажмите «Отмена», чтобы выйти из мастера.</translation>
    </message>
    <message>
        <source>Show all server files on this computer and download them only when you open them, saving local disk space.</source>
        <translation>Показывает на этом компьютере все файлы сервера и загружает их только при открытии, экономя место на локальном диске.</translation>
    </message>
    <message>
        <source>Destination folder on server</source>
        <translation>Папка назначения на сервере</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Нет подключения</translation>
    </message>
    <message>
        <source>There is not enough free space on the server.</source>
        <translation>Недостаточно свободного места на сервере.</translation>
    </message>
    <message>
        <source>You need administrator privileges to install [ProductName]. Sign in as an administrator and run the setup again.</source>
        <translation>Для установки [ProductName] требуются права администратора. Войдите в систему как администратор и запустите установку снова.</translation>
    </message>
    <message>
        <source>A test email has been sent.</source>
        <translation>Тестовое письмо отправлено.</translation>
    </message>
    <message>
        <source>Enter a name for the task.</source>
        <translation>Введите имя задачи.</translation>
    </message>
    <message>
        <source>Syncing %1 of %2 files</source>
        <translation>Синхронизация файлов: %1 из %2</translation>
    </message>
    <message>
        <source>Add Rule</source>
        <translation>Добавить правило</translation>
    </message>
    <message>
        <source>Password field</source>
        <translation>Поле пароля</translation>
    </message>
    <message>
        <source>File Conflict</source>
        <translation>Конфликт файлов</translation>
    </message>
    <message>
        <source>Moving your settings to the new version...</source>
        <translation>Перенос настроек в новую версию...</translation>
    </message>
    <message>
        <source>Folders on a removable drive cannot be synced.</source>
        <translation>Папки на съемном диске нельзя синхронизировать.</translation>
    </message>
    <message>
        <source>Backup Task</source>
        <translation>Задача резервного копирования</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Открыть папку журналов</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Отменено</translation>
    </message>
    <message>
        <source>Compress data during transfer</source>
        <translation>Сжимать данные при передаче</translation>
    </message>
    <message>
        <source>Backups run automatically at the times you choose. A running backup is not interrupted when its time slot ends.</source>
        <translation>Резервное копирование выполняется автоматически в выбранное время. Выполняющееся копирование не прерывается по окончании временного интервала.</translation>
    </message>
    <message>
        <source>Export Settings...</source>
        <translation>Экспорт настроек...</translation>
    </message>
    <message>
        <source>A conflict was found in %1. Both versions have been kept.</source>
        <translation>Обнаружен конфликт в %1. Сохранены обе версии.</translation>
    </message>
    <message>
        <source>Start Quenmark Zelto Client when I sign in</source>
        <translation>Запускать Quenmark Zelto Client при входе в систему</translation>
    </message>
    <message>
        <source>Copying new files</source>
        <translation>Копирование новых файлов</translation>
    </message>
    <message>
        <source>Contact your system administrator.</source>
        <translation>Обратитесь к системному администратору.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Create Sharing Link</source>
        <translation>Создать ссылку для общего доступа</translation>
    </message>
    <message>
        <source>The sync service stopped unexpectedly.</source>
        <translation>Служба синхронизации неожиданно остановилась.</translation>
    </message>
    <message>
        <source>The background service is running.</source>
        <translation>Фоновая служба запущена.</translation>
    </message>
    <message>
        <source>Folders you uncheck will be removed from this computer but stay on the server.</source>
        <translation>Папки, с которых снята отметка, будут удалены с этого компьютера, но останутся на сервере.</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Расположение</translation>
    </message>
    <message>
        <source>Always trust this certificate</source>
        <translation>Всегда доверять этому сертификату</translation>
    </message>
    <message>
        <source>Files are synced into this folder. You can pick an empty folder or a folder that already holds files.</source>
        <translation>Файлы синхронизируются в эту папку. Можно выбрать пустую папку или папку, в которой уже есть файлы.</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Никогда</translation>
    </message>
    <message>
        <source>The task has been removed.</source>
        <translation>Задача удалена.</translation>
    </message>
    <message>
        <source>Local folder path field</source>
        <translation>Поле пути к локальной папке</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client %1 is available. You have version %2.</source>
        <translation>Доступен Quenmark Zelto Client %1. У вас установлена версия %2.</translation>
    </message>
    <message>
        <source>Original location</source>
        <translation>Исходное расположение</translation>
    </message>
    <message>
        <source>Space needed: %1</source>
        <translation>Требуется места: %1</translation>
    </message>
    <message>
        <source>Every hour</source>
        <translation>Каждый час</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Убрать</translation>
    </message>
    <message>
        <source>Modified by</source>
        <translation>Кем изменено</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>байт</translation>
    </message>
    <message>
        <source>%1 was added.</source>
        <translation>Добавлен файл %1.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>Drag files here to upload them.</source>
        <translation>Перетащите файлы сюда, чтобы отправить их.</translation>
    </message>
    <message>
        <source>Smart retention</source>
        <translation>Интеллектуальное хранение</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Время начала</translation>
    </message>
    <message>
        <source>Your password has expired. Change it on the server, then sign in again.</source>
        <translation>Срок действия пароля истек. Смените пароль на сервере и войдите снова.</translation>
    </message>
    <message>
        <source>The proxy server requires authentication.</source>
        <translation>Прокси-сервер требует проверки подлинности.</translation>
    </message>
    <message>
        <source>Prefer IPv6</source>
        <translation>Предпочитать IPv6</translation>
    </message>
    <message>
        <source>Select Folders...</source>
        <translation>Выбрать папки...</translation>
    </message>
    <message>
        <source>The logs have been saved to %1.</source>
        <translation>Журналы сохранены в %1.</translation>
    </message>
    <message>
        <source>Connected through the local network</source>
        <translation>Подключено через локальную сеть</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>A new version of Quenmark Zelto Client is available.</source>
        <translation>Доступна новая версия Quenmark Zelto Client.</translation>
    </message>
    <message>
        <source>No recent changes</source>
        <translation>Нет последних изменений</translation>
    </message>
    <message>
        <source>Syncing is paused</source>
        <translation>Синхронизация приостановлена</translation>
    </message>
    <message>
        <source>Keep Files</source>
        <translation>Сохранить файлы</translation>
    </message>
    <message>
        <source>Manage Tasks</source>
        <translation>Управление задачами</translation>
    </message>
    <message>
        <source>Free Up Space</source>
        <translation>Освободить место</translation>
    </message>
    <message>
        <source>Desktop shortcut</source>
        <translation>Ярлык на рабочем столе</translation>
    </message>
    <message>
        <source>[ProductName] cannot be installed on this version of the operating system.</source>
        <translation>[ProductName] невозможно установить в этой версии операционной системы.</translation>
    </message>
    <message>
        <source>No entries match your search.</source>
        <translation>Нет записей, соответствующих запросу.</translation>
    </message>
    <message>
        <source>Show tips at startup</source>
        <translation>Показывать советы при запуске</translation>
    </message>
    <message>
        <source>Last backup failed %1</source>
        <translation>Последнее резервное копирование не удалось: %1</translation>
    </message>
    <message>
        <source>You must restart your system for the configuration changes made to [ProductName] to take effect. Click Yes to restart now or No if you plan to restart later.</source>
        <translation>Чтобы изменения конфигурации [ProductName] вступили в силу, необходимо перезагрузить систему. Нажмите «Да», чтобы перезагрузить сейчас, или «Нет», если вы перезагрузите систему позже.</translation>
    </message>
    <message>
        <source>&amp;Close the applications and attempt to restart them.</source>
        <translation>&amp;Закрыть приложения и попытаться перезапустить их.</translation>
    </message>
    <message>
        <source>An unknown error occurred. Please try again later.</source>
        <translation>Произошла неизвестная ошибка. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>Tell us what went wrong or what you would like to see improved.</source>
        <translation>Расскажите, что пошло не так или что нам стоит улучшить.</translation>
    </message>
    <message>
        <source>Default port</source>
        <translation>Порт по умолчанию</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>Создать папку</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>Эта папка пуста.</translation>
    </message>
    <message>
        <source>Copied to the clipboard</source>
        <translation>Скопировано в буфер обмена</translation>
    </message>
    <message>
        <source>Change, repair, or remove installation</source>
        <translation>Изменение, исправление или удаление установки</translation>
    </message>
    <message>
        <source>Unable to open the local database.</source>
        <translation>Не удается открыть локальную базу данных.</translation>
    </message>
    <message>
        <source>Back Up This Folder</source>
        <translation>Создать резервную копию этой папки</translation>
    </message>
    <message>
        <source>Add Account...</source>
        <translation>Добавить учетную запись...</translation>
    </message>
    <message>
        <source>Do this for all conflicts</source>
        <translation>Применить ко всем конфликтам</translation>
    </message>
    <message>
        <source>View Issues</source>
        <translation>Просмотреть проблемы</translation>
    </message>
    <message>
        <source>The highlighted volumes do not have enough disk space available for the currently selected features. You can remove some files from the highlighted volumes, or cancel the installation.</source>
        <translation>На выделенных томах недостаточно места для выбранных компонентов. Можно удалить часть файлов с выделенных томов или отменить установку.</translation>
    </message>
    <message>
        <source>Fine-tune what is synced. You can change these options later in Settings.</source>
        <translation>Уточните, что синхронизировать. Эти параметры можно изменить позже в настройках.</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Устройства</translation>
    </message>
    <message>
        <source>Do you want to sign out? All sync tasks of this account will stop.</source>
        <translation>Выйти из учетной записи? Все задачи синхронизации этой учетной записи будут остановлены.</translation>
    </message>
    <message>
        <source>Notify me when others change shared files</source>
        <translation>Уведомлять, когда другие пользователи изменяют общие файлы</translation>
    </message>
    <message>
        <source>Click Next to install to the default folder or click Change to choose another.</source>
        <translation>Нажмите кнопку «Далее», чтобы установить в папку по умолчанию, или «Изменить», чтобы выбрать другую.</translation>
    </message>
    <message>
        <source>Previous Versions</source>
        <translation>Предыдущие версии</translation>
    </message>
    <message>
        <source>I lost my authentication device</source>
        <translation>Я потерял устройство для проверки подлинности</translation>
    </message>
    <message>
        <source>Enter the address of the server you want to sync with.</source>
        <translation>Введите адрес сервера, с которым нужно выполнять синхронизацию.</translation>
    </message>
    <message>
        <source>Check file consistency after sync</source>
        <translation>Проверять целостность файлов после синхронизации</translation>
    </message>
    <message>
        <source>The identity of the server has changed. If you did not expect this, someone may be intercepting your connection.</source>
        <translation>Удостоверение сервера изменилось. Если вы этого не ожидали, возможно, кто-то перехватывает ваше подключение.</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Очистить журнал</translation>
    </message>
    <message>
        <source>Quit Quenmark Zelto Client</source>
        <translation>Выход из Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Server folder path field</source>
        <translation>Поле пути к папке на сервере</translation>
    </message>
    <message>
        <source>Remove Folder</source>
        <translation>Удалить папку</translation>
    </message>
    <message>
        <source>Opened %1 times</source>
        <translation>Открыта раз: %1</translation>
    </message>
    <message>
        <source>%1 files backed up, %2 skipped</source>
        <translation>Скопировано файлов: %1, пропущено: %2</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Прокси-сервер</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Резервное копирование...</translation>
    </message>
    <message>
        <source>Do you want to disconnect this computer from %1?</source>
        <translation>Отключить этот компьютер от %1?</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Показать</translation>
    </message>
    <message>
        <source>Show the sync folder in the file manager sidebar</source>
        <translation>Показывать папку синхронизации на боковой панели файлового менеджера</translation>
    </message>
    <message>
        <source>Run Diagnostics</source>
        <translation>Запустить диагностику</translation>
    </message>
    <message>
        <source>Notify me about errors</source>
        <translation>Уведомлять об ошибках</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>&amp;Изменить...</translation>
    </message>
    <message>
        <source>Separate extensions with commas, for example tmp, bak</source>
        <translation>Разделяйте расширения запятыми, например: tmp, bak</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Бездействует</translation>
    </message>
    <message>
        <source>Scanning files on the server...</source>
        <translation>Проверка файлов на сервере...</translation>
    </message>
    <message>
        <source>Keep history for %1 days</source>
        <translation>Хранить журнал (дней): %1</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Чтение</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Вернуться</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>Не удалось выполнить операцию.</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Обзор...</translation>
    </message>
    <message>
        <source>Restart Now</source>
        <translation>Перезапустить сейчас</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Unable to connect through the proxy server.</source>
        <translation>Не удается подключиться через прокси-сервер.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Загрузка %1</translation>
    </message>
    <message>
        <source>Delete Files</source>
        <translation>Удалить файлы</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Вс</translation>
    </message>
    <message>
        <source>Access from your IP address has been denied by the server. Contact the system administrator.</source>
        <translation>Сервер запретил доступ с вашего IP-адреса. Обратитесь к системному администратору.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Import Settings...</source>
        <translation>Импорт настроек...</translation>
    </message>
    <message>
        <source>There is not enough memory to complete the operation.</source>
        <translation>Недостаточно памяти для завершения операции.</translation>
    </message>
    <message>
        <source>Unable to load the settings. Default settings will be used.</source>
        <translation>Не удается загрузить настройки. Будут использованы настройки по умолчанию.</translation>
    </message>
    <message>
        <source>The server is busy. Please try again later.</source>
        <translation>Сервер занят. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Пропускная способность</translation>
    </message>
    <message>
        <source>Low disk space</source>
        <translation>Мало места на диске</translation>
    </message>
    <message>
        <source>Verifying backup...</source>
        <translation>Проверка резервной копии...</translation>
    </message>
    <message>
        <source>Running diagnostics...</source>
        <translation>Выполняется диагностика...</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Обзор...</translation>
    </message>
    <message>
        <source>Skip existing files</source>
        <translation>Пропускать существующие файлы</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Files already in it will be merged with the files on the server.</source>
        <translation>Выбранная папка не пуста. Находящиеся в ней файлы будут объединены с файлами на сервере.</translation>
    </message>
    <message>
        <source>SOCKS5</source>
        <translation>SOCKS5</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Your IP address has been blocked for %1 minutes.</source>
        <translation>Слишком много неудачных попыток входа. Ваш IP-адрес заблокирован на %1 мин.</translation>
    </message>
    <message>
        <source>Limit to</source>
        <translation>Ограничить до</translation>
    </message>
    <message>
        <source>Show a pop-up message</source>
        <translation>Показывать всплывающее сообщение</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Отключено</translation>
    </message>
    <message>
        <source>Two-step verification</source>
        <translation>Двухэтапная проверка</translation>
    </message>
    <message>
        <source>Ready to repair [ProductName]</source>
        <translation>Все готово к исправлению [ProductName]</translation>
    </message>
    <message>
        <source>The source folder %1 could not be found. Connect the drive or remove the folder from the backup.</source>
        <translation>Исходная папка %1 не найдена. Подключите диск или удалите папку из резервного копирования.</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>The end time must be later than the start time.</source>
        <translation>Время окончания должно быть позже времени начала.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Доступно</translation>
    </message>
    <message>
        <source>Enable debug logging</source>
        <translation>Включить отладочное журналирование</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics to help improve the product</source>
        <translation>Отправлять анонимную статистику использования для улучшения продукта</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Очистить поиск</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Показать пароль</translation>
    </message>
    <message>
        <source>The link was created.</source>
        <translation>Ссылка создана.</translation>
    </message>
    <message>
        <source>This server has no shared folder you can access. Ask the administrator for permission.</source>
        <translation>На этом сервере нет доступных вам общих папок. Запросите разрешение у администратора.</translation>
    </message>
    <message>
        <source>The background service is not running.</source>
        <translation>Фоновая служба не запущена.</translation>
    </message>
    <message>
        <source>Restore files as they were on</source>
        <translation>Восстановить файлы в состоянии на</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Возобновить</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs [ProductName].</source>
        <translation>Подождите, пока мастер установки устанавливает [ProductName].</translation>
    </message>
    <message>
        <source>Syncing is paused on a metered connection.</source>
        <translation>Синхронизация приостановлена при лимитном подключении.</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>This rule already exists.</source>
        <translation>Такое правило уже существует.</translation>
    </message>
    <message>
        <source>List of recent file changes</source>
        <translation>Список последних изменений файлов</translation>
    </message>
    <message>
        <source>Team Folders</source>
        <translation>Командные папки</translation>
    </message>
    <message>
        <source>Remove the selected task</source>
        <translation>Удалить выбранную задачу</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>Текущий пароль</translation>
    </message>
    <message>
        <source>Same as the system</source>
        <translation>Как в системе</translation>
    </message>
    <message>
        <source>Review the settings below, then click Done to start syncing.</source>
        <translation>Проверьте параметры ниже и нажмите кнопку «Готово», чтобы начать синхронизацию.</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Диагностика</translation>
    </message>
    <message>
        <source>Unable to read %1.</source>
        <translation>Не удается прочитать %1.</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>Синхронизация завершена</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Учетная запись</translation>
    </message>
    <message>
        <source>Start minimized to the notification area</source>
        <translation>Запускать свернутым в область уведомлений</translation>
    </message>
    <message>
        <source>This wizard helps you connect this computer to your server and choose which folders to keep in sync.</source>
        <translation>Этот мастер поможет подключить компьютер к серверу и выбрать папки для синхронизации.</translation>
    </message>
    <message>
        <source>You are using the latest version.</source>
        <translation>Вы используете последнюю версию.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached.</source>
        <translation>Достигнута квота хранилища на сервере.</translation>
    </message>
    <message>
        <source>Show Toolbar</source>
        <translation>Показать панель инструментов</translation>
    </message>
    <message>
        <source>%1 changes are waiting to be synced.</source>
        <translation>Изменений, ожидающих синхронизации: %1.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Приостановить</translation>
    </message>
    <message>
        <source>Do you want to remove Quenmark Zelto Client and all of its components?</source>
        <translation>Удалить Quenmark Zelto Client и все его компоненты?</translation>
    </message>
    <message>
        <source>I accept the terms of the license agreement</source>
        <translation>Я принимаю условия лицензионного соглашения</translation>
    </message>
    <message>
        <source>System folders cannot be synced. Choose another folder.</source>
        <translation>Системные папки нельзя синхронизировать. Выберите другую папку.</translation>
    </message>
    <message>
        <source>Launch at startup</source>
        <translation>Запускать при загрузке системы</translation>
    </message>
    <message>
        <source>Two-step verification is required for this account.</source>
        <translation>Для этой учетной записи требуется двухэтапная проверка.</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>Rebuild Database</source>
        <translation>Восстановить базу данных</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Вход</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Суббота</translation>
    </message>
    <message>
        <source>The connection to the server timed out.</source>
        <translation>Истекло время ожидания подключения к серверу.</translation>
    </message>
    <message>
        <source>Internet access</source>
        <translation>Доступ через Интернет</translation>
    </message>
    <message>
        <source>Show Quenmark Zelto Client items in the file manager context menu</source>
        <translation>Показывать пункты Quenmark Zelto Client в контекстном меню файлового менеджера</translation>
    </message>
    <message>
        <source>&amp;Repair</source>
        <translation>&amp;Исправить</translation>
    </message>
    <message>
        <source>Select the files and folders to restore.</source>
        <translation>Выберите файлы и папки для восстановления.</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Кэш</translation>
    </message>
    <message>
        <source>%1 is a reserved name and cannot be used.</source>
        <translation>%1 является зарезервированным именем и не может использоваться.</translation>
    </message>
    <message>
        <source>%1 was updated.</source>
        <translation>Обновлен файл %1.</translation>
    </message>
    <message>
        <source>SMTP server</source>
        <translation>SMTP-сервер</translation>
    </message>
    <message>
        <source>No file has been synced yet.</source>
        <translation>Ни один файл еще не синхронизирован.</translation>
    </message>
    <message>
        <source>Open Web Portal</source>
        <translation>Открыть веб-портал</translation>
    </message>
    <message>
        <source>Background service</source>
        <translation>Фоновая служба</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>View Certificate</source>
        <translation>Просмотреть сертификат</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>мин</translation>
    </message>
    <message>
        <source>Not synced</source>
        <translation>Не синхронизировано</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Справка в Интернете</translation>
    </message>
    <message>
        <source>The server name could not be resolved.</source>
        <translation>Не удалось разрешить имя сервера.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>The link could not be copied.</source>
        <translation>Не удалось скопировать ссылку.</translation>
    </message>
    <message>
        <source>Run a missed backup when the computer starts</source>
        <translation>Выполнять пропущенное копирование при запуске компьютера</translation>
    </message>
    <message>
        <source>Every %1 hours</source>
        <translation>Каждые %1 ч</translation>
    </message>
    <message>
        <source>Out of Disk Space</source>
        <translation>Недостаточно места на диске</translation>
    </message>
    <message>
        <source>The link has been copied to the clipboard.</source>
        <translation>Ссылка скопирована в буфер обмена.</translation>
    </message>
    <message>
        <source>Open settings</source>
        <translation>Открыть настройки</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel [ProductName] installation?</source>
        <translation>Отменить установку [ProductName]?</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Enter a port number between 1 and 65535.</source>
        <translation>Введите номер порта от 1 до 65535.</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Фильтры</translation>
    </message>
    <message>
        <source>Disk Size</source>
        <translation>Размер диска</translation>
    </message>
    <message>
        <source>This version of the file is no longer available.</source>
        <translation>Эта версия файла больше недоступна.</translation>
    </message>
    <message>
        <source>Hide Window</source>
        <translation>Скрыть окно</translation>
    </message>
    <message>
        <source>Remove Rule</source>
        <translation>Удалить правило</translation>
    </message>
    <message>
        <source>Your session has expired. Please sign in again.</source>
        <translation>Сеанс истек. Войдите снова.</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Домен</translation>
    </message>
    <message>
        <source>Symbolic links are not synced.</source>
        <translation>Символические ссылки не синхронизируются.</translation>
    </message>
    <message>
        <source>Create Backup Task</source>
        <translation>Создать задачу резервного копирования</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Overwrite existing files</source>
        <translation>Перезаписывать существующие файлы</translation>
    </message>
    <message>
        <source>Unpacking %1...</source>
        <translation>Распаковка %1...</translation>
    </message>
    <message>
        <source>Keep the files in a folder on this computer and a folder on the server identical. Changes on either side are applied to the other.</source>
        <translation>Поддерживает одинаковое содержимое папки на этом компьютере и папки на сервере. Изменения с одной стороны применяются к другой.</translation>
    </message>
    <message>
        <source>Select the type of task you want to create. You can add more tasks later.</source>
        <translation>Выберите тип создаваемой задачи. Другие задачи можно добавить позже.</translation>
    </message>
    <message>
        <source>Rename Task</source>
        <translation>Переименовать задачу</translation>
    </message>
    <message>
        <source>Change Password...</source>
        <translation>Изменить пароль...</translation>
    </message>
    <message>
        <source>Syncing is paused to save battery power.</source>
        <translation>Синхронизация приостановлена для экономии заряда батареи.</translation>
    </message>
    <message>
        <source>The Setup Wizard will install [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>Мастер установки установит [ProductName] на ваш компьютер. Нажмите кнопку «Далее», чтобы продолжить, или «Отмена», чтобы выйти из мастера установки.</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Разрешения</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Показать в папке</translation>
    </message>
    <message>
        <source>Keep file versions</source>
        <translation>Хранить версии файлов</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>The connection to the server was lost. Syncing will resume when the connection is restored.</source>
        <translation>Соединение с сервером потеряно. Синхронизация возобновится после восстановления соединения.</translation>
    </message>
    <message>
        <source>The shared folder is encrypted and has not been mounted on the server.</source>
        <translation>Общая папка зашифрована и не подключена на сервере.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client - %1</source>
        <translation>Quenmark Zelto Client - %1</translation>
    </message>
    <message>
        <source>The version of the server is too old. Update the server to version %1 or later.</source>
        <translation>Версия сервера устарела. Обновите сервер до версии %1 или более поздней.</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Добавить папку...</translation>
    </message>
    <message>
        <source>Restored</source>
        <translation>Восстановлено</translation>
    </message>
    <message>
        <source>Reconnecting in %1 seconds...</source>
        <translation>Повторное подключение через %1 с...</translation>
    </message>
    <message>
        <source>Unable to connect through the proxy server %1.</source>
        <translation>Не удается подключиться через прокси-сервер %1.</translation>
    </message>
    <message>
        <source>Protect with a password</source>
        <translation>Защитить паролем</translation>
    </message>
    <message>
        <source>Enter a rate between 1 and 1048576 KB/s.</source>
        <translation>Введите скорость от 1 до 1048576 КБ/с.</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Обновление программы</translation>
    </message>
    <message>
        <source>Please wait while the installer finishes determining your disk space requirements.</source>
        <translation>Подождите, пока программа установки определит требуемое место на диске.</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Пн</translation>
    </message>
    <message>
        <source>The rule %1 is not valid.</source>
        <translation>Правило %1 недопустимо.</translation>
    </message>
    <message>
        <source>Deleted files can be restored from the recycle bin of the shared folder.</source>
        <translation>Удаленные файлы можно восстановить из корзины общей папки.</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Без ограничений</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>%1 is initializing...</source>
        <translation>%1 инициализируется...</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client main window</source>
        <translation>Главное окно Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Переименовать</translation>
    </message>
    <message>
        <source>Unable to write %1.</source>
        <translation>Не удается записать %1.</translation>
    </message>
    <message>
        <source>Log level</source>
        <translation>Уровень ведения журнала</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>days</source>
        <translation>дн.</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Отправка</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Гость</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>ГБ</translation>
    </message>
    <message>
        <source>Pause All</source>
        <translation>Приостановить все</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Ежемесячно</translation>
    </message>
    <message>
        <source>Prevent the computer from sleeping while syncing</source>
        <translation>Не переводить компьютер в спящий режим во время синхронизации</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Адрес сервера</translation>
    </message>
    <message>
        <source>Browse to the destination folder</source>
        <translation>Перейдите к папке назначения</translation>
    </message>
    <message>
        <source>Do you want to clear the history? This does not affect your files.</source>
        <translation>Очистить журнал? Это не затронет ваши файлы.</translation>
    </message>
    <message>
        <source>Remove old data</source>
        <translation>Удалить старые данные</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Запомнить меня</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Еженедельно</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>В очереди</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Обновить сейчас</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Четверг</translation>
    </message>
    <message>
        <source>The selected file does not contain valid settings.</source>
        <translation>Выбранный файл не содержит допустимых настроек.</translation>
    </message>
    <message>
        <source>The password is too weak.</source>
        <translation>Пароль слишком простой.</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Выбор папки</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard repairs [ProductName].</source>
        <translation>Подождите, пока мастер установки исправляет [ProductName].</translation>
    </message>
    <message>
        <source>For example: tmp, log, iso</source>
        <translation>Например: tmp, log, iso</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Выйти из учетной записи</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Не удалось установить защищенное соединение с сервером.</translation>
    </message>
    <message>
        <source>Pause the selected task</source>
        <translation>Приостановить выбранную задачу</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>Операционная система</translation>
    </message>
    <message>
        <source>Do you want to remove the task %1? The files in the folders will not be deleted.</source>
        <translation>Удалить задачу %1? Файлы в папках не будут удалены.</translation>
    </message>
    <message>
        <source>[ProductName] Setup</source>
        <translation>Установка [ProductName]</translation>
    </message>
    <message>
        <source>This account has been disabled. Contact your system administrator.</source>
        <translation>Эта учетная запись отключена. Обратитесь к системному администратору.</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Сегодня</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>Адрес электронной почты</translation>
    </message>
    <message>
        <source>The verification code is incorrect or has expired.</source>
        <translation>Код подтверждения неверен или устарел.</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>Журналы</translation>
    </message>
    <message>
        <source>List of sync and backup tasks</source>
        <translation>Список задач синхронизации и резервного копирования</translation>
    </message>
    <message>
        <source>Keep up to %1 versions of each file</source>
        <translation>Хранить до %1 версий каждого файла</translation>
    </message>
    <message>
        <source>%1 will be synced with %2.</source>
        <translation>%1 будет синхронизироваться с %2.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выбрать все</translation>
    </message>
    <message>
        <source>Syncing %1</source>
        <translation>Синхронизация %1</translation>
    </message>
    <message>
        <source>Free space</source>
        <translation>Свободно</translation>
    </message>
    <message>
        <source>Your feedback could not be sent. Please try again later.</source>
        <translation>Не удалось отправить отзыв. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>File manager integration</source>
        <translation>Интеграция с файловым менеджером</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Новый пароль</translation>
    </message>
    <message>
        <source>Sign In with SSO</source>
        <translation>Войти с помощью единого входа</translation>
    </message>
    <message>
        <source>My Files</source>
        <translation>Мои файлы</translation>
    </message>
    <message>
        <source>Sync new folders automatically</source>
        <translation>Автоматически синхронизировать новые папки</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <source>Enter the 6-digit code from your authenticator app.</source>
        <translation>Введите 6-значный код из приложения для проверки подлинности.</translation>
    </message>
    <message>
        <source>Right-click a file for more options.</source>
        <translation>Щелкните файл правой кнопкой мыши, чтобы увидеть другие команды.</translation>
    </message>
    <message>
        <source>Server version</source>
        <translation>Версия сервера</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client was removed from your computer.</source>
        <translation>Quenmark Zelto Client удален с компьютера.</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Имя папки</translation>
    </message>
    <message>
        <source>You have no tasks yet. Click Create Task to sync or back up a folder.</source>
        <translation>Задач пока нет. Нажмите «Создать задачу», чтобы синхронизировать папку или создать ее резервную копию.</translation>
    </message>
    <message>
        <source>Indexing files...</source>
        <translation>Индексирование файлов...</translation>
    </message>
    <message>
        <source>Verification code field</source>
        <translation>Поле кода подтверждения</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Диск заполнен</translation>
    </message>
    <message>
        <source>Backup started</source>
        <translation>Резервное копирование начато</translation>
    </message>
    <message>
        <source>The sync folder %1 was moved or deleted. Syncing has stopped for this task.</source>
        <translation>Папка синхронизации %1 перемещена или удалена. Синхронизация этой задачи остановлена.</translation>
    </message>
    <message>
        <source>The file was damaged during transfer and will be downloaded again.</source>
        <translation>Файл был поврежден при передаче и будет загружен повторно.</translation>
    </message>
    <message>
        <source>You have reached the maximum number of tasks (%1).</source>
        <translation>Достигнуто максимальное число задач (%1).</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>ч</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>МБ</translation>
    </message>
    <message>
        <source>Icon View</source>
        <translation>Значки</translation>
    </message>
    <message>
        <source>Backup finished</source>
        <translation>Резервное копирование завершено</translation>
    </message>
    <message>
        <source>Starting %1 for the first time. This may take a minute.</source>
        <translation>Первый запуск %1. Это может занять около минуты.</translation>
    </message>
    <message>
        <source>Server path</source>
        <translation>Путь на сервере</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Изменение пароля</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Sync file permissions and timestamps</source>
        <translation>Синхронизировать права доступа и отметки времени файлов</translation>
    </message>
    <message>
        <source>Syncing will stop when you quit. Quit Quenmark Zelto Client anyway?</source>
        <translation>После выхода синхронизация остановится. Все равно выйти из Quenmark Zelto Client?</translation>
    </message>
    <message>
        <source>Hidden files</source>
        <translation>Скрытые файлы</translation>
    </message>
    <message>
        <source>The folder cannot be inside or contain a folder that is already synced.</source>
        <translation>Папка не может находиться внутри уже синхронизируемой папки или содержать такую папку.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached. The backup cannot continue until space is freed.</source>
        <translation>Достигнута квота хранилища на сервере. Резервное копирование не может продолжиться, пока не будет освобождено место.</translation>
    </message>
    <message>
        <source>Download queue</source>
        <translation>Очередь загрузки</translation>
    </message>
    <message>
        <source>This computer is registered with the server.</source>
        <translation>Этот компьютер зарегистрирован на сервере.</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Корзина</translation>
    </message>
    <message>
        <source>Back up changes continuously</source>
        <translation>Копировать изменения непрерывно</translation>
    </message>
    <message>
        <source>Source folders</source>
        <translation>Исходные папки</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Лицензионное соглашение</translation>
    </message>
    <message>
        <source>Sync options</source>
        <translation>Параметры синхронизации</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>Все готово!</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Пропустить</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Новая папка</translation>
    </message>
    <message>
        <source>Add to the &amp;Start menu</source>
        <translation>Добавить в меню «&amp;Пуск»</translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation>Выполняется вход...</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Нажмите кнопку «Установить», чтобы начать установку. Нажмите «Назад», чтобы просмотреть или изменить параметры установки. Нажмите «Отмена», чтобы выйти из мастера.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client cannot write to %1. Check the folder permissions.</source>
        <translation>Quenmark Zelto Client не может выполнить запись в %1. Проверьте права доступа к папке.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Пропустить эту версию</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>Посетить наш веб-сайт</translation>
    </message>
    <message>
        <source>Open Local Folder</source>
        <translation>Открыть локальную папку</translation>
    </message>
    <message>
        <source>Removing [ProductName]</source>
        <translation>Удаление [ProductName]</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Copyright (c) Quenmark. All rights reserved.</source>
        <translation>© Quenmark. Все права защищены.</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Удалить устройство</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>The session is locked.</source>
        <translation>Сеанс заблокирован.</translation>
    </message>
    <message>
        <source>Downloading on demand...</source>
        <translation>Загрузка по запросу...</translation>
    </message>
    <message>
        <source>Sign-in required</source>
        <translation>Требуется вход</translation>
    </message>
    <message>
        <source>Unable to copy %1.</source>
        <translation>Не удается скопировать %1.</translation>
    </message>
    <message>
        <source>List of filter rules</source>
        <translation>Список правил фильтра</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>Снимки</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Остановлено</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Том</translation>
    </message>
    <message>
        <source>Change destination folder</source>
        <translation>Изменение папки назначения</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Синхронизация...</translation>
    </message>
    <message>
        <source>Back up only when the computer is plugged in</source>
        <translation>Копировать только при питании от сети</translation>
    </message>
    <message>
        <source>Resume Syncing</source>
        <translation>Возобновить синхронизацию</translation>
    </message>
    <message>
        <source>A new version is available.</source>
        <translation>Доступна новая версия.</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation>Часто задаваемые вопросы</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Run on</source>
        <translation>Запускать</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Unable to download the update.</source>
        <translation>Не удается загрузить обновление.</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>Проверить подключение</translation>
    </message>
    <message>
        <source>You have been signed out.</source>
        <translation>Вы вышли из учетной записи.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Синхронизация</translation>
    </message>
    <message>
        <source>Last backup completed %1</source>
        <translation>Последнее резервное копирование завершено: %1</translation>
    </message>
    <message>
        <source>Pause Syncing</source>
        <translation>Приостановить синхронизацию</translation>
    </message>
    <message>
        <source>Limit automatically</source>
        <translation>Ограничивать автоматически</translation>
    </message>
    <message>
        <source>Keep the version on the server</source>
        <translation>Сохранить версию с сервера</translation>
    </message>
    <message>
        <source>Open menu</source>
        <translation>Открыть меню</translation>
    </message>
    <message>
        <source>The file is larger than the limit allowed by the server.</source>
        <translation>Размер файла превышает допустимый сервером предел.</translation>
    </message>
    <message>
        <source>Your data was moved successfully.</source>
        <translation>Данные успешно перенесены.</translation>
    </message>
    <message>
        <source>Ready to install [ProductName]</source>
        <translation>Все готово к установке [ProductName]</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Файл %1 не существует.</translation>
    </message>
    <message>
        <source>Export Logs...</source>
        <translation>Экспорт журналов...</translation>
    </message>
    <message>
        <source>Syncing has resumed</source>
        <translation>Синхронизация возобновлена</translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely because of an error. Your system has not been modified. To install this program at a later time, run the Setup Wizard again.</source>
        <translation>Мастер установки [ProductName] преждевременно завершил работу из-за ошибки. Система не была изменена. Чтобы установить программу позже, запустите мастер установки еще раз.</translation>
    </message>
    <message>
        <source>Select the server folder to sync with this computer.</source>
        <translation>Выберите папку сервера для синхронизации с этим компьютером.</translation>
    </message>
    <message>
        <source>Upload changes to the server only</source>
        <translation>Только отправлять изменения на сервер</translation>
    </message>
    <message>
        <source>Time remaining unknown</source>
        <translation>Оставшееся время неизвестно</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>%1 files were skipped. See the history for details.</source>
        <translation>Пропущено файлов: %1. Подробности см. в журнале.</translation>
    </message>
    <message>
        <source>Keep all versions</source>
        <translation>Хранить все версии</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Sync progress</source>
        <translation>Ход синхронизации</translation>
    </message>
    <message>
        <source>The new language will be used after Quenmark Zelto Client restarts.</source>
        <translation>Новый язык будет использоваться после перезапуска Quenmark Zelto Client.</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Создано</translation>
    </message>
    <message>
        <source>%1 used of %2</source>
        <translation>Использовано %1 из %2</translation>
    </message>
    <message>
        <source>Version Retention</source>
        <translation>Хранение версий</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Время окончания</translation>
    </message>
    <message>
        <source>Proxy type</source>
        <translation>Тип прокси-сервера</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>Сортировать по имени</translation>
    </message>
    <message>
        <source>On-demand sync is not supported on this file system.</source>
        <translation>Синхронизация по запросу не поддерживается в этой файловой системе.</translation>
    </message>
    <message>
        <source>Connected through the Internet</source>
        <translation>Подключено через Интернет</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Повторить</translation>
    </message>
    <message>
        <source>Authentication required</source>
        <translation>Требуется проверка подлинности</translation>
    </message>
    <message>
        <source>Access Denied</source>
        <translation>Доступ запрещен</translation>
    </message>
    <message>
        <source>Upload rate</source>
        <translation>Скорость отправки</translation>
    </message>
    <message>
        <source>The system limit on watched folders has been reached. Some changes may be detected late.</source>
        <translation>Достигнут системный предел отслеживаемых папок. Некоторые изменения могут обнаруживаться с задержкой.</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Перемещено</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Sort by Date</source>
        <translation>Сортировать по дате</translation>
    </message>
    <message>
        <source>Do not sync hidden files</source>
        <translation>Не синхронизировать скрытые файлы</translation>
    </message>
    <message>
        <source>Sync This Folder</source>
        <translation>Синхронизировать эту папку</translation>
    </message>
    <message>
        <source>%1 is very large. Uploading it may take a long time.</source>
        <translation>Файл %1 очень большой. Его отправка может занять много времени.</translation>
    </message>
    <message>
        <source>Access control lists are not supported on this file system and will not be synced.</source>
        <translation>Эта файловая система не поддерживает списки управления доступом, поэтому они не будут синхронизироваться.</translation>
    </message>
    <message>
        <source>Enter the verification code</source>
        <translation>Введите код подтверждения</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>Пароли не совпадают.</translation>
    </message>
    <message>
        <source>The security certificate of %1 is not trusted. Your connection may not be secure.</source>
        <translation>Сертификат безопасности %1 не является доверенным. Подключение может быть небезопасным.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Отчет</translation>
    </message>
    <message>
        <source>%1, %2 o'clock</source>
        <translation>%1, %2:00</translation>
    </message>
    <message>
        <source>The Setup Wizard allows you to repair the installation of [ProductName] or remove it from your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>Мастер установки позволяет исправить установку [ProductName] или удалить программу с компьютера. Нажмите кнопку «Далее», чтобы продолжить, или «Отмена», чтобы выйти из мастера установки.</translation>
    </message>
    <message>
        <source>Read and write</source>
        <translation>Чтение и запись</translation>
    </message>
    <message>
        <source>Pause for 8 hours</source>
        <translation>Приостановить на 8 часов</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Резервное копирование</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Приостановлено</translation>
    </message>
    <message>
        <source>Edit the selected task</source>
        <translation>Изменить выбранную задачу</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Добро пожаловать</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Открыть в браузере</translation>
    </message>
    <message>
        <source>Task %1, status %2</source>
        <translation>Задача %1, состояние: %2</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation>Нажмите кнопку «Готово», чтобы выйти из мастера установки.</translation>
    </message>
    <message>
        <source>Relay ID</source>
        <translation>Идентификатор ретрансляции</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Войти</translation>
    </message>
    <message>
        <source>Do not limit</source>
        <translation>Без ограничений</translation>
    </message>
    <message>
        <source>Download changes from the server only</source>
        <translation>Только загружать изменения с сервера</translation>
    </message>
    <message>
        <source>Unable to move %1 to %2.</source>
        <translation>Не удается переместить %1 в %2.</translation>
    </message>
    <message>
        <source>Add a task</source>
        <translation>Добавить задачу</translation>
    </message>
    <message>
        <source>Your storage space on %1 is almost full.</source>
        <translation>Хранилище на %1 почти заполнено.</translation>
    </message>
    <message>
        <source>Install updates automatically</source>
        <translation>Устанавливать обновления автоматически</translation>
    </message>
    <message>
        <source>Recent Changes</source>
        <translation>Последние изменения</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>Отображаемое имя</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Подключение...</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Оповещения</translation>
    </message>
    <message>
        <source>Preparing to sync...</source>
        <translation>Подготовка к синхронизации...</translation>
    </message>
    <message>
        <source>Single Sign-On</source>
        <translation>Единый вход</translation>
    </message>
    <message>
        <source>Ready to sync</source>
        <translation>Все готово к синхронизации</translation>
    </message>
    <message>
        <source>Advanced Filters...</source>
        <translation>Дополнительные фильтры...</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <translation>Показывать уведомления на рабочем столе</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Проверка обновлений...</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Загружено</translation>
    </message>
    <message>
        <source>Choose a folder on the server</source>
        <translation>Выбор папки на сервере</translation>
    </message>
    <message>
        <source>Excluded from sync</source>
        <translation>Исключено из синхронизации</translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <translation>Синхронизация файлов: %1</translation>
    </message>
    <message>
        <source>Loading folders...</source>
        <translation>Загрузка папок...</translation>
    </message>
    <message>
        <source>This version of Quenmark Zelto Client is no longer supported by the server. Please update the client.</source>
        <translation>Сервер больше не поддерживает эту версию Quenmark Zelto Client. Обновите клиент.</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Общий доступ</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>с</translation>
    </message>
    <message>
        <source>Repairing [ProductName]</source>
        <translation>Исправление [ProductName]</translation>
    </message>
    <message>
        <source>Upload speed</source>
        <translation>Скорость отправки</translation>
    </message>
    <message>
        <source>Open on Server</source>
        <translation>Открыть на сервере</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Готово</translation>
    </message>
    <message>
        <source>Your settings have been saved.</source>
        <translation>Настройки сохранены.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Отключено</translation>
    </message>
    <message>
        <source>Create Sync Task</source>
        <translation>Создать задачу синхронизации</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Создать резервную копию</translation>
    </message>
    <message>
        <source>The upgrade is complete.</source>
        <translation>Обновление завершено.</translation>
    </message>
    <message>
        <source>Version %1 (build %2)</source>
        <translation>Версия %1 (сборка %2)</translation>
    </message>
    <message>
        <source>Launch [ProductName] now</source>
        <translation>Запустить [ProductName] сейчас</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Отправить отзыв</translation>
    </message>
    <message>
        <source>No results found.</source>
        <translation>Ничего не найдено.</translation>
    </message>
    <message>
        <source>Copy Sharing Link</source>
        <translation>Копировать ссылку для общего доступа</translation>
    </message>
    <message>
        <source>The task no longer exists.</source>
        <translation>Задача больше не существует.</translation>
    </message>
    <message>
        <source>&amp;Do not close applications. A reboot will be required.</source>
        <translation>&amp;Не закрывать приложения. Потребуется перезагрузка.</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Задача</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Пт</translation>
    </message>
    <message>
        <source>Deleting %1</source>
        <translation>Удаление %1</translation>
    </message>
    <message>
        <source>Enter at least %1 characters.</source>
        <translation>Введите не менее %1 символов.</translation>
    </message>
    <message>
        <source>Unable to restore the selected files.</source>
        <translation>Не удается восстановить выбранные файлы.</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation>Синхронизация по запросу</translation>
    </message>
    <message>
        <source>Checking the environment...</source>
        <translation>Проверка среды...</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation>Двусторонняя синхронизация</translation>
    </message>
    <message>
        <source>Valid until</source>
        <translation>Действителен до</translation>
    </message>
    <message>
        <source>The history was exported to %1.</source>
        <translation>Журнал экспортирован в %1.</translation>
    </message>
    <message>
        <source>Files and folders that match these rules are not synced.</source>
        <translation>Файлы и папки, соответствующие этим правилам, не синхронизируются.</translation>
    </message>
    <message>
        <source>Available offline</source>
        <translation>Доступно автономно</translation>
    </message>
    <message>
        <source>The files have been restored.</source>
        <translation>Файлы восстановлены.</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Имя устройства</translation>
    </message>
    <message>
        <source>Renaming %1</source>
        <translation>Переименование %1</translation>
    </message>
    <message>
        <source>Some files could not be synced</source>
        <translation>Некоторые файлы не удалось синхронизировать</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>Task name</source>
        <translation>Имя задачи</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by fixing missing and corrupt files, shortcuts, and registry entries.</source>
        <translation>Исправляет ошибки последней установки: восстанавливает отсутствующие и поврежденные файлы, ярлыки и записи реестра.</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Загрузка...</translation>
    </message>
    <message>
        <source>Pause until I resume</source>
        <translation>Приостановить до возобновления вручную</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
    <message>
        <source>No server was found on your local network. Enter the address manually.</source>
        <translation>В локальной сети не найдено ни одного сервера. Введите адрес вручную.</translation>
    </message>
    <message>
        <source>Removes [ProductName] from your computer.</source>
        <translation>Удаляет [ProductName] с компьютера.</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>Локальная папка</translation>
    </message>
    <message>
        <source>The quota of the shared folder has been reached.</source>
        <translation>Достигнута квота общей папки.</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>Лицензионное соглашение с конечным пользователем</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>Online only</source>
        <translation>Только в сети</translation>
    </message>
    <message>
        <source>Up one level</source>
        <translation>На уровень вверх</translation>
    </message>
    <message>
        <source>Upload: %1/s  Download: %2/s</source>
        <translation>Отправка: %1/с  Загрузка: %2/с</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Темная</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Ежедневно</translation>
    </message>
    <message>
        <source>The local version was renamed to %1.</source>
        <translation>Локальная версия переименована в %1.</translation>
    </message>
    <message>
        <source>%1 is in use by another application and will be synced when it is closed.</source>
        <translation>Файл %1 используется другим приложением и будет синхронизирован после его закрытия.</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Приостановлено до %1</translation>
    </message>
    <message>
        <source>View History</source>
        <translation>Просмотреть журнал</translation>
    </message>
    <message>
        <source>Confirm new password</source>
        <translation>Подтверждение нового пароля</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>Время ожидания подключения</translation>
    </message>
    <message>
        <source>Proxy server</source>
        <translation>Прокси-сервер</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Пользователь</translation>
    </message>
    <message>
        <source>Downloading the update... %1%</source>
        <translation>Загрузка обновления... %1%</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Переименовано</translation>
    </message>
    <message>
        <source>Use dark theme</source>
        <translation>Использовать темную тему</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Вторник</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>КБ/с</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully</source>
        <translation>Внимательно прочтите следующее лицензионное соглашение</translation>
    </message>
    <message>
        <source>Send Test Email</source>
        <translation>Отправить тестовое письмо</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <translation>Направление синхронизации</translation>
    </message>
    <message>
        <source>Rebuilding the local database...</source>
        <translation>Восстановление локальной базы данных...</translation>
    </message>
    <message>
        <source>Switch Account</source>
        <translation>Сменить учетную запись</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Folder tree</source>
        <translation>Дерево папок</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>Восстановить эту версию</translation>
    </message>
    <message>
        <source>The destination shared folder could not be found on the server. Select another destination.</source>
        <translation>Целевая общая папка не найдена на сервере. Выберите другое место назначения.</translation>
    </message>
    <message>
        <source>The security certificate of the server has expired.</source>
        <translation>Срок действия сертификата безопасности сервера истек.</translation>
    </message>
    <message>
        <source>Restart Quenmark Zelto Client to apply the changes.</source>
        <translation>Перезапустите Quenmark Zelto Client, чтобы применить изменения.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client status icon</source>
        <translation>Значок состояния Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Питание</translation>
    </message>
    <message>
        <source>%1 percent complete</source>
        <translation>Выполнено: %1 %</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Сб</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Хранилище</translation>
    </message>
    <message>
        <source>Pause syncing when running on battery power</source>
        <translation>Приостанавливать синхронизацию при работе от батареи</translation>
    </message>
    <message>
        <source>Enter your server address, username and password.</source>
        <translation>Введите адрес сервера, имя пользователя и пароль.</translation>
    </message>
    <message>
        <source>Every %1 minutes</source>
        <translation>Каждые %1 мин</translation>
    </message>
    <message>
        <source>Do you want to delete the selected items?</source>
        <translation>Удалить выбранные элементы?</translation>
    </message>
    <message>
        <source>Show sync status icons in the file manager</source>
        <translation>Показывать значки состояния синхронизации в файловом менеджере</translation>
    </message>
    <message>
        <source>I &amp;do not accept the terms in the License Agreement</source>
        <translation>Я &amp;не принимаю условия лицензионного соглашения</translation>
    </message>
    <message>
        <source>Learn more</source>
        <translation>Подробнее</translation>
    </message>
    <message>
        <source>Server address field</source>
        <translation>Поле адреса сервера</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Периодичность</translation>
    </message>
    <message>
        <source>Play a sound</source>
        <translation>Воспроизводить звук</translation>
    </message>
    <message>
        <source>Locate Folder</source>
        <translation>Найти папку</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>Папка назначения</translation>
    </message>
    <message>
        <source>Load More</source>
        <translation>Загрузить еще</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Unable to rename %1 to %2.</source>
        <translation>Не удается переименовать %1 в %2.</translation>
    </message>
    <message>
        <source>If your network requires a proxy server to reach the Internet, enter its settings here.</source>
        <translation>Если для доступа в Интернет в вашей сети нужен прокси-сервер, укажите здесь его параметры.</translation>
    </message>
    <message>
        <source>Remove the local copies of the selected files? They remain on the server and are downloaded again when you open them.</source>
        <translation>Удалить локальные копии выбранных файлов? Они останутся на сервере и будут снова загружены при открытии.</translation>
    </message>
    <message>
        <source>Install Now</source>
        <translation>Установить сейчас</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Чт</translation>
    </message>
    <message>
        <source>Display scaling</source>
        <translation>Масштаб отображения</translation>
    </message>
    <message>
        <source>Restoring %1 of %2 files...</source>
        <translation>Восстановление файлов: %1 из %2...</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Расширения файлов</translation>
    </message>
    <message>
        <source>The update package is damaged or has an invalid signature.</source>
        <translation>Пакет обновления поврежден или имеет недействительную подпись.</translation>
    </message>
    <message>
        <source>Disk Space Requirements</source>
        <translation>Требования к месту на диске</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Обновление</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Задачи</translation>
    </message>
    <message>
        <source>Account: %1</source>
        <translation>Учетная запись: %1</translation>
    </message>
    <message>
        <source>The security certificate of the server is not trusted.</source>
        <translation>Сертификат безопасности сервера не является доверенным.</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Снять выделение</translation>
    </message>
    <message>
        <source>An invalid parameter was given.</source>
        <translation>Указан недопустимый параметр.</translation>
    </message>
    <message>
        <source>Ask before deleting many files on the server</source>
        <translation>Спрашивать перед удалением большого числа файлов на сервере</translation>
    </message>
    <message>
        <source>&amp;Look in:</source>
        <translation>&amp;Папка:</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>Ваш IP-адрес заблокирован сервером.</translation>
    </message>
    <message>
        <source>Debug logging records detailed information and may slow down syncing. Turn it off when you are done.</source>
        <translation>Отладочное журналирование записывает подробные сведения и может замедлить синхронизацию. Отключите его, когда закончите.</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Место назначения</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Настроить прокси-сервер вручную</translation>
    </message>
    <message>
        <source>Day of the month</source>
        <translation>День месяца</translation>
    </message>
    <message>
        <source>The local database is damaged. Quenmark Zelto Client will rebuild it.</source>
        <translation>Локальная база данных повреждена. Quenmark Zelto Client восстановит ее.</translation>
    </message>
    <message>
        <source>Are you sure you want to quit the setup? No task will be created.</source>
        <translation>Прервать настройку? Задача не будет создана.</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Синхронизация не выполнялась</translation>
    </message>
    <message>
        <source>The shared folder no longer exists on the server.</source>
        <translation>Общая папка больше не существует на сервере.</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Вт</translation>
    </message>
    <message>
        <source>Use SSL/TLS</source>
        <translation>Использовать SSL/TLS</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <translation>Режим синхронизации</translation>
    </message>
    <message>
        <source>The update has been downloaded and will be installed when you quit Quenmark Zelto Client.</source>
        <translation>Обновление загружено и будет установлено при выходе из Quenmark Zelto Client.</translation>
    </message>
    <message>
        <source>The server is under maintenance. Syncing will resume automatically.</source>
        <translation>На сервере ведутся технические работы. Синхронизация возобновится автоматически.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client Setup</source>
        <translation>Настройка Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Развернуть</translation>
    </message>
    <message>
        <source>Enable backup schedule</source>
        <translation>Включить расписание резервного копирования</translation>
    </message>
    <message>
        <source>The first sync may take a while, depending on the number and size of your files.</source>
        <translation>Первая синхронизация может занять некоторое время в зависимости от количества и размера файлов.</translation>
    </message>
    <message>
        <source>Sign in with the account you use on %1.</source>
        <translation>Войдите с учетной записью, которую вы используете на %1.</translation>
    </message>
    <message>
        <source>Backup Schedule</source>
        <translation>Расписание резервного копирования</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>Слишком длинное имя файла.</translation>
    </message>
    <message>
        <source>The file manager will be restarted to unload the extension.</source>
        <translation>Файловый менеджер будет перезапущен, чтобы выгрузить расширение.</translation>
    </message>
    <message>
        <source>Keep both versions</source>
        <translation>Сохранить обе версии</translation>
    </message>
    <message>
        <source>Available when online</source>
        <translation>Доступно при подключении к сети</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Снять выделение</translation>
    </message>
    <message>
        <source>Total size</source>
        <translation>Общий размер</translation>
    </message>
    <message>
        <source>Open source licenses</source>
        <translation>Лицензии на открытое ПО</translation>
    </message>
    <message>
        <source>No backup is scheduled.</source>
        <translation>Резервное копирование не запланировано.</translation>
    </message>
    <message>
        <source>Syncing was paused while the computer was asleep.</source>
        <translation>Синхронизация была приостановлена, пока компьютер находился в спящем режиме.</translation>
    </message>
    <message>
        <source>Team Folder</source>
        <translation>Командная папка</translation>
    </message>
    <message>
        <source>Overall progress</source>
        <translation>Общий ход выполнения</translation>
    </message>
    <message>
        <source>Checking the connection to %1...</source>
        <translation>Проверка подключения к %1...</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <translation>%1 готов к работе.</translation>
    </message>
    <message>
        <source>When a conflict occurs</source>
        <translation>При возникновении конфликта</translation>
    </message>
    <message>
        <source>The security certificate was issued to %1, not to %2.</source>
        <translation>Сертификат безопасности выдан для %1, а не для %2.</translation>
    </message>
    <message>
        <source>Trust this computer</source>
        <translation>Доверять этому компьютеру</translation>
    </message>
    <message>
        <source>Select the operation you wish to perform.</source>
        <translation>Выберите нужную операцию.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Включено</translation>
    </message>
    <message>
        <source>File size limit</source>
        <translation>Ограничение размера файла</translation>
    </message>
    <message>
        <source>Unable to create the task.</source>
        <translation>Не удается создать задачу.</translation>
    </message>
    <message>
        <source>Create Task</source>
        <translation>Создать задачу</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>КБ</translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <translation>Некоторые файлы, которые нужно обновить, сейчас используются.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Подождите...</translation>
    </message>
    <message>
        <source>Searching for servers on your local network...</source>
        <translation>Поиск серверов в локальной сети...</translation>
    </message>
    <message>
        <source>Disk space required for the installation exceeds available disk space.</source>
        <translation>Для установки требуется больше места на диске, чем доступно.</translation>
    </message>
    <message>
        <source>The following applications are using files that need to be updated by this setup. Close these applications and then click &amp;Retry to continue the installation or Cancel to exit it.</source>
        <translation>Следующие приложения используют файлы, которые должна обновить эта программа установки. Закройте эти приложения и нажмите &amp;Повторить, чтобы продолжить установку, или «Отмена», чтобы выйти.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Папка %1 не существует.</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Владелец</translation>
    </message>
    <message>
        <source>Play sounds</source>
        <translation>Воспроизводить звуки</translation>
    </message>
    <message>
        <source>Synced</source>
        <translation>Синхронизировано</translation>
    </message>
    <message>
        <source>Last day of the month</source>
        <translation>Последний день месяца</translation>
    </message>
    <message>
        <source>Keep the version on this computer</source>
        <translation>Сохранить версию с этого компьютера</translation>
    </message>
    <message>
        <source>Resume the selected task</source>
        <translation>Возобновить выбранную задачу</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Поддержка</translation>
    </message>
    <message>
        <source>Sort by Size</source>
        <translation>Сортировать по размеру</translation>
    </message>
    <message>
        <source>Storage Details</source>
        <translation>Сведения о хранилище</translation>
    </message>
    <message>
        <source>Apply limits only during these hours</source>
        <translation>Применять ограничения только в эти часы</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Группа</translation>
    </message>
    <message>
        <source>Welcome to Quenmark Zelto Client</source>
        <translation>Добро пожаловать в Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Действие</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Подключено</translation>
    </message>
    <message>
        <source>Data from an earlier version was found on this computer.</source>
        <translation>На этом компьютере найдены данные предыдущей версии.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Электронная почта</translation>
    </message>
    <message>
        <source>Pause for 30 minutes</source>
        <translation>Приостановить на 30 минут</translation>
    </message>
    <message>
        <source>Open in File Manager</source>
        <translation>Открыть в файловом менеджере</translation>
    </message>
    <message>
        <source>Completed the [ProductName] Setup Wizard</source>
        <translation>Работа мастера установки [ProductName] завершена</translation>
    </message>
    <message>
        <source>Last synced %1</source>
        <translation>Последняя синхронизация: %1</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Шаг %1 из %2</translation>
    </message>
    <message>
        <source>Retry Now</source>
        <translation>Повторить сейчас</translation>
    </message>
    <message>
        <source>%1 of %2 used</source>
        <translation>Использовано %1 из %2</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Пропущено</translation>
    </message>
    <message>
        <source>You have used %1 of your storage quota.</source>
        <translation>Использовано %1 квоты хранилища.</translation>
    </message>
    <message>
        <source>A newer version of [ProductName] is already installed. Setup will now exit.</source>
        <translation>Уже установлена более новая версия [ProductName]. Программа установки будет закрыта.</translation>
    </message>
    <message>
        <source>No problem was found.</source>
        <translation>Проблем не обнаружено.</translation>
    </message>
    <message>
        <source>Keep files on the server that were deleted on this computer</source>
        <translation>Сохранять на сервере файлы, удаленные на этом компьютере</translation>
    </message>
    <message>
        <source>Scanning for changes...</source>
        <translation>Поиск изменений...</translation>
    </message>
    <message>
        <source>Registering product</source>
        <translation>Регистрация продукта</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Язык интерфейса</translation>
    </message>
    <message>
        <source>You are not running the setup as an administrator. Some features may not be installed correctly. Continue anyway?</source>
        <translation>Установка запущена не от имени администратора. Некоторые компоненты могут быть установлены неправильно. Продолжить?</translation>
    </message>
    <message>
        <source>There is not enough free space on %1. At least %2 is needed.</source>
        <translation>Недостаточно свободного места на %1. Требуется не менее %2.</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Связаться со службой поддержки</translation>
    </message>
    <message>
        <source>Task Details</source>
        <translation>Сведения о задаче</translation>
    </message>
    <message>
        <source>Back up only when the computer is idle</source>
        <translation>Копировать только во время простоя компьютера</translation>
    </message>
    <message>
        <source>Open the folder on the server in a web browser</source>
        <translation>Открыть папку на сервере в веб-браузере</translation>
    </message>
    <message>
        <source>Administrator permission is required.</source>
        <translation>Требуются права администратора.</translation>
    </message>
    <message>
        <source>Creating shortcuts</source>
        <translation>Создание ярлыков</translation>
    </message>
    <message>
        <source>Your email address (optional)</source>
        <translation>Ваш адрес электронной почты (необязательно)</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Ход выполнения</translation>
    </message>
    <message>
        <source>Free space on this drive: %1</source>
        <translation>Свободно на этом диске: %1</translation>
    </message>
    <message>
        <source>The proxy connection works.</source>
        <translation>Подключение через прокси-сервер работает.</translation>
    </message>
    <message>
        <source>Privacy statement</source>
        <translation>Заявление о конфиденциальности</translation>
    </message>
    <message>
        <source>Install the file manager extension (status icons and context menu)</source>
        <translation>Установить расширение файлового менеджера (значки состояния и контекстное меню)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Select Folders</source>
        <translation>Выбор папок</translation>
    </message>
    <message>
        <source>The file is locked by another application.</source>
        <translation>Файл заблокирован другим приложением.</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Состояние:</translation>
    </message>
    <message>
        <source>Thank you! Your feedback has been sent.</source>
        <translation>Спасибо! Ваш отзыв отправлен.</translation>
    </message>
    <message>
        <source>Sync directly with computers on the same network when possible</source>
        <translation>По возможности синхронизировать напрямую с компьютерами в той же сети</translation>
    </message>
    <message>
        <source>Download rate</source>
        <translation>Скорость загрузки</translation>
    </message>
    <message>
        <source>&amp;Folder name:</source>
        <translation>&amp;Имя папки:</translation>
    </message>
    <message>
        <source>%1 files, %2</source>
        <translation>Файлов: %1, %2</translation>
    </message>
    <message>
        <source>Version on this computer</source>
        <translation>Версия на этом компьютере</translation>
    </message>
    <message>
        <source>The file name contains characters that are not allowed: %1</source>
        <translation>Имя файла содержит недопустимые символы: %1</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Далее &gt;</translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>Требует внимания</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Требуется</translation>
    </message>
    <message>
        <source>Your settings and sync tasks are being moved to the new version of Quenmark Zelto Client. Do not turn off the computer.</source>
        <translation>Ваши настройки и задачи синхронизации переносятся в новую версию Quenmark Zelto Client. Не выключайте компьютер.</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Руководство пользователя</translation>
    </message>
    <message>
        <source>Expiration date</source>
        <translation>Срок действия</translation>
    </message>
    <message>
        <source>The disk where your sync folder is located is almost full.</source>
        <translation>Диск с папкой синхронизации почти заполнен.</translation>
    </message>
    <message>
        <source>The server %1 could not be found. Check the address and try again.</source>
        <translation>Сервер %1 не найден. Проверьте адрес и повторите попытку.</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>Это поле обязательно для заполнения.</translation>
    </message>
    <message>
        <source>You have read-only access to this shared folder.</source>
        <translation>У вас есть доступ к этой общей папке только для чтения.</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Копировать ссылку</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Назад</translation>
    </message>
    <message>
        <source>View Previous Versions</source>
        <translation>Просмотреть предыдущие версии</translation>
    </message>
    <message>
        <source>Complete the sign-in in your web browser.</source>
        <translation>Завершите вход в веб-браузере.</translation>
    </message>
    <message>
        <source>Directory user</source>
        <translation>Пользователь каталога</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Сравнение</translation>
    </message>
    <message>
        <source>Always Keep on This Device</source>
        <translation>Всегда хранить на этом устройстве</translation>
    </message>
    <message>
        <source>You do not have write permission for the destination shared folder.</source>
        <translation>У вас нет разрешения на запись в целевую общую папку.</translation>
    </message>
    <message>
        <source>Open Quenmark Zelto Client</source>
        <translation>Открыть Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Светлая</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>Уведомление</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Загрузка</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Прервать</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
    <message>
        <source>The folder is already used by another sync task.</source>
        <translation>Эта папка уже используется другой задачей синхронизации.</translation>
    </message>
    <message>
        <source>This link has expired.</source>
        <translation>Срок действия ссылки истек.</translation>
    </message>
    <message>
        <source>Installing [ProductName]</source>
        <translation>Установка [ProductName]</translation>
    </message>
    <message>
        <source>Rename the server file</source>
        <translation>Переименовать файл на сервере</translation>
    </message>
    <message>
        <source>Your files are now being synced. You can follow the progress from the icon in the notification area.</source>
        <translation>Файлы синхронизируются. Следить за ходом синхронизации можно по значку в области уведомлений.</translation>
    </message>
    <message>
        <source>&amp;Disk Usage</source>
        <translation>&amp;Использование диска</translation>
    </message>
    <message>
        <source>Syncing</source>
        <translation>Синхронизация</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client is running. Quit it and click Retry, or click Cancel to stop the setup.</source>
        <translation>Quenmark Zelto Client запущен. Закройте его и нажмите «Повторить» или нажмите «Отмена», чтобы прервать установку.</translation>
    </message>
    <message>
        <source>Share with users on the server</source>
        <translation>Предоставить доступ пользователям сервера</translation>
    </message>
    <message>
        <source>Can edit</source>
        <translation>Может изменять</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Среда</translation>
    </message>
    <message>
        <source>Looking for changed files...</source>
        <translation>Поиск измененных файлов...</translation>
    </message>
    <message>
        <source>Copy folders on this computer to the server on a schedule. Files deleted on this computer are kept on the server.</source>
        <translation>Копирует папки этого компьютера на сервер по расписанию. Файлы, удаленные на компьютере, сохраняются на сервере.</translation>
    </message>
    <message>
        <source>Some settings could not be moved. Please check your sync tasks.</source>
        <translation>Некоторые настройки не удалось перенести. Проверьте задачи синхронизации.</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Синхронизировать</translation>
    </message>
    <message>
        <source>On-demand</source>
        <translation>По запросу</translation>
    </message>
    <message>
        <source>Saved accounts</source>
        <translation>Сохраненные учетные записи</translation>
    </message>
    <message>
        <source>Restore...</source>
        <translation>Восстановить...</translation>
    </message>
    <message>
        <source>Attach diagnostic logs</source>
        <translation>Приложить журналы диагностики</translation>
    </message>
    <message>
        <source>%1 results</source>
        <translation>Найдено результатов: %1</translation>
    </message>
    <message>
        <source>Open Sync Folder</source>
        <translation>Открыть папку синхронизации</translation>
    </message>
    <message>
        <source>%1 could not be updated. The installed version will be started.</source>
        <translation>Не удалось обновить %1. Будет запущена установленная версия.</translation>
    </message>
    <message>
        <source>%1 was not synced because it is larger than the maximum file size.</source>
        <translation>Файл %1 не синхронизирован, так как превышает максимальный размер файла.</translation>
    </message>
    <message>
        <source>View on Web Portal</source>
        <translation>Открыть на веб-портале</translation>
    </message>
    <message>
        <source>Open the local folder</source>
        <translation>Открыть локальную папку</translation>
    </message>
    <message>
        <source>Permission</source>
        <translation>Разрешение</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Удалено</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard removes [ProductName].</source>
        <translation>Подождите, пока мастер установки удаляет [ProductName].</translation>
    </message>
    <message>
        <source>Moving Your Data</source>
        <translation>Перенос данных</translation>
    </message>
    <message>
        <source>Ask when more than %1 files are deleted at once</source>
        <translation>Спрашивать, если за один раз удаляется более %1 файлов</translation>
    </message>
    <message>
        <source>Uploaded</source>
        <translation>Отправлено</translation>
    </message>
    <message>
        <source>Server name</source>
        <translation>Имя сервера</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Печать</translation>
    </message>
    <message>
        <source>Signed in as %1</source>
        <translation>Выполнен вход: %1</translation>
    </message>
    <message>
        <source>The recycle bin is not enabled for this shared folder. Deleted files cannot be restored.</source>
        <translation>Для этой общей папки корзина не включена. Удаленные файлы невозможно восстановить.</translation>
    </message>
    <message>
        <source>Uploading %1</source>
        <translation>Отправка %1</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of [ProductName]. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Нажмите кнопку «Исправить», чтобы исправить установку [ProductName]. Нажмите «Назад», чтобы просмотреть или изменить параметры установки. Нажмите «Отмена», чтобы выйти из мастера.</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Выполняется</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Только что</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Поверх всех окон</translation>
    </message>
    <message>
        <source>Verification code</source>
        <translation>Код подтверждения</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Вчера</translation>
    </message>
    <message>
        <source>Use the default folder (%1)</source>
        <translation>Использовать папку по умолчанию (%1)</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>Перетащите файлы сюда</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Пятница</translation>
    </message>
    <message>
        <source>Username field</source>
        <translation>Поле имени пользователя</translation>
    </message>
    <message>
        <source>Encrypt data during transfer</source>
        <translation>Шифровать данные при передаче</translation>
    </message>
    <message>
        <source>%1 files were changed.</source>
        <translation>Изменено файлов: %1.</translation>
    </message>
    <message>
        <source>Sign In...</source>
        <translation>Войти...</translation>
    </message>
    <message>
        <source>You do not have permission to perform this operation.</source>
        <translation>У вас нет разрешения на выполнение этой операции.</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Страницы настроек</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Использовать системные настройки прокси-сервера</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Ожидание</translation>
    </message>
    <message>
        <source>The folder is read-only. Files cannot be written to it.</source>
        <translation>Папка доступна только для чтения. Запись файлов в нее невозможна.</translation>
    </message>
    <message>
        <source>Next backup: %1</source>
        <translation>Следующее резервное копирование: %1</translation>
    </message>
    <message>
        <source>The disk space required for the installation of the selected features.</source>
        <translation>Место на диске, необходимое для установки выбранных компонентов.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <translation>Временные файлы</translation>
    </message>
    <message>
        <source>Issued to</source>
        <translation>Кому выдан</translation>
    </message>
    <message>
        <source>More actions</source>
        <translation>Другие действия</translation>
    </message>
    <message>
        <source>Download This Version</source>
        <translation>Загрузить эту версию</translation>
    </message>
    <message>
        <source>Include in Sync</source>
        <translation>Включить в синхронизацию</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Notify me when a backup finishes</source>
        <translation>Уведомлять о завершении резервного копирования</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Понедельник</translation>
    </message>
    <message>
        <source>Unable to delete %1.</source>
        <translation>Не удается удалить %1.</translation>
    </message>
    <message>
        <source>Open the sync folder</source>
        <translation>Открыть папку синхронизации</translation>
    </message>
    <message>
        <source>Create a shortcut on the &amp;desktop</source>
        <translation>Создать ярлык на &amp;рабочем столе</translation>
    </message>
    <message>
        <source>Unable to save the settings.</source>
        <translation>Не удается сохранить настройки.</translation>
    </message>
    <message>
        <source>Email the report after each backup</source>
        <translation>Отправлять отчет по электронной почте после каждого резервного копирования</translation>
    </message>
    <message>
        <source>Cache location</source>
        <translation>Расположение кэша</translation>
    </message>
    <message>
        <source>Include folder %1</source>
        <translation>Включить папку %1</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Размер шрифта</translation>
    </message>
    <message>
        <source>Unable to create %1.</source>
        <translation>Не удается создать %1.</translation>
    </message>
    <message>
        <source>Scanning local files...</source>
        <translation>Проверка локальных файлов...</translation>
    </message>
    <message>
        <source>Back up on a schedule</source>
        <translation>Копировать по расписанию</translation>
    </message>
    <message>
        <source>&amp;Keep my settings and sync tasks</source>
        <translation>&amp;Сохранить мои настройки и задачи синхронизации</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Восстановить значения по умолчанию</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Уведомления</translation>
    </message>
    <message>
        <source>Cache size</source>
        <translation>Размер кэша</translation>
    </message>
    <message>
        <source>Never expires</source>
        <translation>Бессрочно</translation>
    </message>
    <message>
        <source>Select a server from the list or enter its address.</source>
        <translation>Выберите сервер в списке или введите его адрес.</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Ср</translation>
    </message>
    <message>
        <source>%1 was deleted.</source>
        <translation>Удален файл %1.</translation>
    </message>
    <message>
        <source>The server is offline.</source>
        <translation>Сервер недоступен.</translation>
    </message>
    <message>
        <source>Open Recycle Bin</source>
        <translation>Открыть корзину</translation>
    </message>
    <message>
        <source>Exclude from Sync</source>
        <translation>Исключить из синхронизации</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>Version on the server</source>
        <translation>Версия на сервере</translation>
    </message>
    <message>
        <source>Calculating time remaining...</source>
        <translation>Вычисление оставшегося времени...</translation>
    </message>
    <message>
        <source>SMTP port</source>
        <translation>Порт SMTP</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Без прокси-сервера</translation>
    </message>
    <message>
        <source>Pause for 1 hour</source>
        <translation>Приостановить на 1 час</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <source>Rename the local file</source>
        <translation>Переименовать локальный файл</translation>
    </message>
    <message>
        <source>Show Previous Versions</source>
        <translation>Показать предыдущие версии</translation>
    </message>
    <message>
        <source>Notify me when a sync finishes</source>
        <translation>Уведомлять о завершении синхронизации</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Экспорт...</translation>
    </message>
    <message>
        <source>Current status</source>
        <translation>Текущее состояние</translation>
    </message>
    <message>
        <source>Stop Backup</source>
        <translation>Остановить резервное копирование</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation>Используемые файлы</translation>
    </message>
    <message>
        <source>Do not sync temporary files</source>
        <translation>Не синхронизировать временные файлы</translation>
    </message>
    <message>
        <source>Unable to unpack the installation package.</source>
        <translation>Не удается распаковать установочный пакет.</translation>
    </message>
    <message>
        <source>The backup could not start because the server is offline.</source>
        <translation>Не удалось начать резервное копирование: сервер недоступен.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Enter a valid IP address.</source>
        <translation>Введите допустимый IP-адрес.</translation>
    </message>
    <message>
        <source>IP address, domain name or relay ID</source>
        <translation>IP-адрес, доменное имя или идентификатор ретрансляции</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Воскресенье</translation>
    </message>
    <message>
        <source>You do not have permission to use this service. Contact your system administrator.</source>
        <translation>У вас нет разрешения на использование этой службы. Обратитесь к системному администратору.</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>The backup is intact.</source>
        <translation>Резервная копия не повреждена.</translation>
    </message>
    <message>
        <source>Select at least one day.</source>
        <translation>Выберите хотя бы один день.</translation>
    </message>
    <message>
        <source>%1 files were deleted from the sync folder. Do you also want to delete them from the server?</source>
        <translation>Из папки синхронизации удалено файлов: %1. Удалить их также на сервере?</translation>
    </message>
    <message>
        <source>Certificate Warning</source>
        <translation>Предупреждение о сертификате</translation>
    </message>
    <message>
        <source>Remember my password</source>
        <translation>Запомнить пароль</translation>
    </message>
    <message>
        <source>Weekly schedule grid</source>
        <translation>Сетка недельного расписания</translation>
    </message>
    <message>
        <source>Enter a number between %1 and %2.</source>
        <translation>Введите число от %1 до %2.</translation>
    </message>
    <message>
        <source>The username or password you entered is incorrect.</source>
        <translation>Неверное имя пользователя или пароль.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Общий доступ</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Показать окно</translation>
    </message>
    <message>
        <source>Backing up %1 of %2 files</source>
        <translation>Резервное копирование файлов: %1 из %2</translation>
    </message>
    <message>
        <source>Keep only the latest versions</source>
        <translation>Хранить только последние версии</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <translation>Недостаточно свободного места на локальном диске.</translation>
    </message>
    <message>
        <source>The file was changed both on this computer and on the server since the last sync.</source>
        <translation>С момента последней синхронизации файл был изменен и на этом компьютере, и на сервере.</translation>
    </message>
    <message>
        <source>Everything is up to date</source>
        <translation>Все файлы синхронизированы</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Совет</translation>
    </message>
    <message>
        <source>Scan complete</source>
        <translation>Проверка завершена</translation>
    </message>
    <message>
        <source>Welcome to the [ProductName] Setup Wizard</source>
        <translation>Вас приветствует мастер установки [ProductName]</translation>
    </message>
    <message>
        <source>Choose how to sync</source>
        <translation>Выбор способа синхронизации</translation>
    </message>
    <message>
        <source>Use * to match any characters and ? to match one character.</source>
        <translation>Используйте * для любого числа символов и ? для одного символа.</translation>
    </message>
    <message>
        <source>Ready to remove [ProductName]</source>
        <translation>Все готово к удалению [ProductName]</translation>
    </message>
    <message>
        <source>Last run time</source>
        <translation>Последний запуск</translation>
    </message>
    <message>
        <source>Backup finished with errors</source>
        <translation>Резервное копирование завершено с ошибками</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <translation>Выбор папки на этом компьютере</translation>
    </message>
    <message>
        <source>File name pattern</source>
        <translation>Шаблон имени файла</translation>
    </message>
    <message>
        <source>%1 servers found on your local network.</source>
        <translation>Найдено серверов в локальной сети: %1.</translation>
    </message>
    <message>
        <source>Restart Later</source>
        <translation>Перезапустить позже</translation>
    </message>
    <message>
        <source>Last sync</source>
        <translation>Последняя синхронизация</translation>
    </message>
    <message>
        <source>Stop Sharing</source>
        <translation>Закрыть общий доступ</translation>
    </message>
    <message>
        <source>Unable to connect to the server. Check your network connection and the server address.</source>
        <translation>Не удается подключиться к серверу. Проверьте сетевое подключение и адрес сервера.</translation>
    </message>
</context>
</TS>
