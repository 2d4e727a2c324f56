<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>The quota of destination shared folder has reached the system limit. Please change the quota limit on the server or contact the system administrator.</source>
        <translation>Limit miejsca docelowego folderu udostępnionego osiągnął limit systemowy. Zmień limit na serwerze lub skontaktuj się z administratorem systemu.</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Zmodyfikowano</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>Nie pamiętasz hasła?</translation>
    </message>
    <message>
        <source>Field cannot exceed %1 numbers.</source>
        <translation>Pole nie może zawierać więcej niż %1 cyfr.</translation>
    </message>
    <message>
        <source>Show or hide the password</source>
        <translation>Pokaż lub ukryj hasło</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignoruj</translation>
    </message>
    <message>
        <source>Verifying files...</source>
        <translation>Weryfikowanie plików...</translation>
    </message>
    <message>
        <source>Dismiss notification</source>
        <translation>Odrzuć powiadomienie</translation>
    </message>
    <message>
        <source>Take Snapshot</source>
        <translation>Utwórz migawkę</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Szczegóły</translation>
    </message>
    <message>
        <source>Upload queue</source>
        <translation>Kolejka wysyłania</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informacje</translation>
    </message>
    <message>
        <source>Sync Task</source>
        <translation>Zadanie synchronizacji</translation>
    </message>
    <message>
        <source>Starting services</source>
        <translation>Uruchamianie usług</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation>Kontynuuj mimo to</translation>
    </message>
    <message>
        <source>%1 was not synced because it matches a filter rule.</source>
        <translation>Plik %1 nie został zsynchronizowany, ponieważ pasuje do reguły filtru.</translation>
    </message>
    <message>
        <source>Resume All</source>
        <translation>Wznów wszystko</translation>
    </message>
    <message>
        <source>Local network only</source>
        <translation>Tylko sieć lokalna</translation>
    </message>
    <message>
        <source>A relay connection can be slower than a direct connection.</source>
        <translation>Połączenie przez przekaźnik może być wolniejsze niż połączenie bezpośrednie.</translation>
    </message>
    <message>
        <source>Encryption key</source>
        <translation>Klucz szyfrowania</translation>
    </message>
    <message>
        <source>Back up only when I start it manually</source>
        <translation>Twórz kopie zapasowe tylko po ręcznym uruchomieniu</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Server: %1</source>
        <translation>Serwer: %1</translation>
    </message>
    <message>
        <source>Can view</source>
        <translation>Może wyświetlać</translation>
    </message>
    <message>
        <source>[ProductName] setup was interrupted. Your system has not been modified. To install this program at a later time, please run the installation again.</source>
        <translation>Instalacja [ProductName] została przerwana. System nie został zmieniony. Aby zainstalować ten program później, uruchom instalację ponownie.</translation>
    </message>
    <message>
        <source>Connect to a server</source>
        <translation>Połącz z serwerem</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Proxy server requires a password</source>
        <translation>Serwer proxy wymaga hasła</translation>
    </message>
    <message>
        <source>Field cannot exceed %1 characters.</source>
        <translation>Pole nie może zawierać więcej niż %1 znaków.</translation>
    </message>
    <message>
        <source>I &amp;accept the terms in the License Agreement</source>
        <translation>&amp;Akceptuję warunki umowy licencyjnej</translation>
    </message>
    <message>
        <source>Only the checked folders are synced to this computer.</source>
        <translation>Z tym komputerem są synchronizowane tylko zaznaczone foldery.</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>Tworzenie kopii zapasowej nie powiodło się.</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation>Uaktualnianie...</translation>
    </message>
    <message>
        <source>Pause syncing on metered connections</source>
        <translation>Wstrzymuj synchronizację przy połączeniach taryfowych</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Rozpocznij</translation>
    </message>
    <message>
        <source>Restore this version? The current version will be saved as a previous version.</source>
        <translation>Czy przywrócić tę wersję? Bieżąca wersja zostanie zapisana jako poprzednia.</translation>
    </message>
    <message>
        <source>Updating %1...</source>
        <translation>Trwa aktualizowanie aplikacji %1...</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Folders on a network drive cannot be synced.</source>
        <translation>Nie można synchronizować folderów na dysku sieciowym.</translation>
    </message>
    <message>
        <source>Restore Down</source>
        <translation>Przywróć w dół</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Widok listy</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Wyszukaj serwery w sieci lokalnej</translation>
    </message>
    <message>
        <source>There are no previous versions of this file.</source>
        <translation>Ten plik nie ma poprzednich wersji.</translation>
    </message>
    <message>
        <source>Backup cancelled</source>
        <translation>Anulowano tworzenie kopii zapasowej</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>Nie pokazuj ponownie</translation>
    </message>
    <message>
        <source>Enter the encryption key to open this shared folder.</source>
        <translation>Wprowadź klucz szyfrowania, aby otworzyć ten folder udostępniony.</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Motyw</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Nazwy plików</translation>
    </message>
    <message>
        <source>Do not sync files larger than</source>
        <translation>Nie synchronizuj plików większych niż</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Zapis</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Otwórz plik</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Różnica</translation>
    </message>
    <message>
        <source>Restore Files</source>
        <translation>Przywróć pliki</translation>
    </message>
    <message>
        <source>Files deleted on this computer are moved to the recycle bin of the shared folder on the server.</source>
        <translation>Pliki usunięte na tym komputerze są przenoszone do kosza folderu udostępnionego na serwerze.</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>&amp;Instaluj</translation>
    </message>
    <message>
        <source>%1 files were skipped because they were in use.</source>
        <translation>Pominięte pliki, które były w użyciu: %1.</translation>
    </message>
    <message>
        <source>The drive uses the FAT file system, which does not support files larger than 4 GB. Files over this size will not be synced.</source>
        <translation>Dysk używa systemu plików FAT, który nie obsługuje plików większych niż 4 GB. Większe pliki nie będą synchronizowane.</translation>
    </message>
    <message>
        <source>%1 files were deleted on the server.</source>
        <translation>Pliki usunięte na serwerze: %1.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Prywatność</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>Connected through the relay service</source>
        <translation>Połączono przez usługę przekaźnikową</translation>
    </message>
    <message>
        <source>Connecting through the relay service...</source>
        <translation>Łączenie przez usługę przekaźnikową...</translation>
    </message>
    <message>
        <source>Install [ProductName] to:</source>
        <translation>Zainstaluj [ProductName] w:</translation>
    </message>
    <message>
        <source>Email Notifications</source>
        <translation>Powiadomienia e-mail</translation>
    </message>
    <message>
        <source>Battery is low. Syncing has been paused.</source>
        <translation>Niski poziom baterii. Synchronizacja została wstrzymana.</translation>
    </message>
    <message>
        <source>Client ID</source>
        <translation>Identyfikator klienta</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A task with this name already exists.</source>
        <translation>Zadanie o tej nazwie już istnieje.</translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely</source>
        <translation>Kreator instalacji [ProductName] zakończył pracę przedwcześnie</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Ten komputer</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Niepowodzenie</translation>
    </message>
    <message>
        <source>Connection status</source>
        <translation>Stan połączenia</translation>
    </message>
    <message>
        <source>The sync service could not be started.</source>
        <translation>Nie można uruchomić usługi synchronizacji.</translation>
    </message>
    <message>
        <source>Rolling back action:</source>
        <translation>Wycofywanie akcji:</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Łączenie z %1...</translation>
    </message>
    <message>
        <source>Domain user</source>
        <translation>Użytkownik domeny</translation>
    </message>
    <message>
        <source>Hide Details</source>
        <translation>Ukryj szczegóły</translation>
    </message>
    <message>
        <source>About Quenmark Zelto Client</source>
        <translation>Informacje o Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Aktualne</translation>
    </message>
    <message>
        <source>Notify me about conflicts</source>
        <translation>Powiadamiaj o konfliktach</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client</source>
        <translation>Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Remove saved account</source>
        <translation>Usuń zapisane konto</translation>
    </message>
    <message>
        <source>Restore to</source>
        <translation>Przywróć do</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Aktualizuj</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Nazwa komputera</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>The path of the folder is too long.</source>
        <translation>Ścieżka folderu jest za długa.</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Przypomnij później</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>TB</translation>
    </message>
    <message>
        <source>This account has expired. Contact your system administrator.</source>
        <translation>To konto wygasło. Skontaktuj się z administratorem systemu.</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Szyfrowanie</translation>
    </message>
    <message>
        <source>Clear Cache</source>
        <translation>Wyczyść pamięć podręczną</translation>
    </message>
    <message>
        <source>Release Notes</source>
        <translation>Informacje o wersji</translation>
    </message>
    <message>
        <source>The installation failed. Please reinstall Quenmark Zelto Client.</source>
        <translation>Instalacja nie powiodła się. Zainstaluj ponownie Quenmark Zelto Client.</translation>
    </message>
    <message>
        <source>No access</source>
        <translation>Brak dostępu</translation>
    </message>
    <message>
        <source>Local path</source>
        <translation>Ścieżka lokalna</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Save Report...</source>
        <translation>Zapisz raport...</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serwer</translation>
    </message>
    <message>
        <source>Connect with HTTPS (recommended)</source>
        <translation>Połącz przez HTTPS (zalecane)</translation>
    </message>
    <message>
        <source>Unable to install the update.</source>
        <translation>Nie można zainstalować aktualizacji.</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Nazwa użytkownika</translation>
    </message>
    <message>
        <source>The Setup Wizard will update the installed [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>Kreator instalacji zaktualizuje zainstalowany [ProductName] na komputerze. Kliknij Dalej, aby kontynuować, lub Anuluj, aby zamknąć kreatora.</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>Konflikt</translation>
    </message>
    <message>
        <source>Folder on server</source>
        <translation>Folder na serwerze</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Wszystko</translation>
    </message>
    <message>
        <source>Search file names</source>
        <translation>Szukaj nazw plików</translation>
    </message>
    <message>
        <source>Restart File Manager</source>
        <translation>Uruchom ponownie menedżera plików</translation>
    </message>
    <message>
        <source>Verify Backup</source>
        <translation>Zweryfikuj kopię zapasową</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nowa nazwa</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Zaawansowane</translation>
    </message>
    <message>
        <source>Download speed</source>
        <translation>Szybkość pobierania</translation>
    </message>
    <message>
        <source>Issued by</source>
        <translation>Wystawiony przez</translation>
    </message>
    <message>
        <source>Click Remove to remove [ProductName] from your computer. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Kliknij Usuń, aby usunąć [ProductName] z komputera. Kliknij Wstecz, aby przejrzeć lub zmienić ustawienia instalacji. Kliknij Anuluj, aby zamknąć kreatora.</translation>
    </message>
    <message>
        <source>Show all server files on this computer and download them only when you open them, saving local disk space.</source>
        <translation>Pokazuje na tym komputerze wszystkie pliki z serwera i pobiera je dopiero przy otwarciu, oszczędzając miejsce na dysku lokalnym.</translation>
    </message>
    <message>
        <source>Destination folder on server</source>
        <translation>Folder docelowy na serwerze</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>There is not enough free space on the server.</source>
        <translation>Za mało wolnego miejsca na serwerze.</translation>
    </message>
    <message>
        <source>You need administrator privileges to install [ProductName]. Sign in as an administrator and run the setup again.</source>
        <translation>Do zainstalowania [ProductName] potrzebne są uprawnienia administratora. Zaloguj się jako administrator i ponownie uruchom instalację.</translation>
    </message>
    <message>
        <source>A test email has been sent.</source>
        <translation>Wysłano testową wiadomość e-mail.</translation>
    </message>
    <message>
        <source>Enter a name for the task.</source>
        <translation>Wprowadź nazwę zadania.</translation>
    </message>
    <message>
        <source>Syncing %1 of %2 files</source>
        <translation>Synchronizowanie plików: %1 z %2</translation>
    </message>
    <message>
        <source>Add Rule</source>
        <translation>Dodaj regułę</translation>
    </message>
    <message>
        <source>Password field</source>
        <translation>Pole hasła</translation>
    </message>
    <message>
        <source>File Conflict</source>
        <translation>Konflikt plików</translation>
    </message>
    <message>
        <source>Moving your settings to the new version...</source>
        <translation>Trwa przenoszenie ustawień do nowej wersji...</translation>
    </message>
    <message>
        <source>Folders on a removable drive cannot be synced.</source>
        <translation>Nie można synchronizować folderów na dysku wymiennym.</translation>
    </message>
    <message>
        <source>Backup Task</source>
        <translation>Zadanie kopii zapasowej</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Otwórz folder dzienników</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Anulowane</translation>
    </message>
    <message>
        <source>Compress data during transfer</source>
        <translation>Kompresuj dane podczas przesyłania</translation>
    </message>
    <message>
        <source>Backups run automatically at the times you choose. A running backup is not interrupted when its time slot ends.</source>
        <translation>Kopie zapasowe są tworzone automatycznie w wybranych godzinach. Trwające tworzenie kopii nie jest przerywane po zakończeniu przedziału czasu.</translation>
    </message>
    <message>
        <source>Export Settings...</source>
        <translation>Eksportuj ustawienia...</translation>
    </message>
    <message>
        <source>A conflict was found in %1. Both versions have been kept.</source>
        <translation>Wykryto konflikt w %1. Zachowano obie wersje.</translation>
    </message>
    <message>
        <source>Start Quenmark Zelto Client when I sign in</source>
        <translation>Uruchamiaj Quenmark Zelto Client po zalogowaniu</translation>
    </message>
    <message>
        <source>Copying new files</source>
        <translation>Kopiowanie nowych plików</translation>
    </message>
    <message>
        <source>Contact your system administrator.</source>
        <translation>Skontaktuj się z administratorem systemu.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Create Sharing Link</source>
        <translation>Utwórz łącze udostępniania</translation>
    </message>
    <message>
        <source>The sync service stopped unexpectedly.</source>
        <translation>Usługa synchronizacji nieoczekiwanie się zatrzymała.</translation>
    </message>
    <message>
        <source>The background service is running.</source>
        <translation>Usługa w tle jest uruchomiona.</translation>
    </message>
    <message>
        <source>Folders you uncheck will be removed from this computer but stay on the server.</source>
        <translation>Odznaczone foldery zostaną usunięte z tego komputera, ale pozostaną na serwerze.</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lokalizacja</translation>
    </message>
    <message>
        <source>Always trust this certificate</source>
        <translation>Zawsze ufaj temu certyfikatowi</translation>
    </message>
    <message>
        <source>Files are synced into this folder. You can pick an empty folder or a folder that already holds files.</source>
        <translation>Pliki są synchronizowane w tym folderze. Możesz wybrać pusty folder lub folder, który zawiera już pliki.</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nigdy</translation>
    </message>
    <message>
        <source>The task has been removed.</source>
        <translation>Zadanie zostało usunięte.</translation>
    </message>
    <message>
        <source>Local folder path field</source>
        <translation>Pole ścieżki folderu lokalnego</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client %1 is available. You have version %2.</source>
        <translation>Dostępna jest wersja %1 Quenmark Zelto Client. Masz wersję %2.</translation>
    </message>
    <message>
        <source>Original location</source>
        <translation>Pierwotna lokalizacja</translation>
    </message>
    <message>
        <source>Space needed: %1</source>
        <translation>Wymagane miejsce: %1</translation>
    </message>
    <message>
        <source>Every hour</source>
        <translation>Co godzinę</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń z listy</translation>
    </message>
    <message>
        <source>Modified by</source>
        <translation>Zmodyfikowane przez</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>bajty</translation>
    </message>
    <message>
        <source>%1 was added.</source>
        <translation>Dodano plik %1.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>Drag files here to upload them.</source>
        <translation>Przeciągnij tutaj pliki, aby je wysłać.</translation>
    </message>
    <message>
        <source>Smart retention</source>
        <translation>Inteligentne przechowywanie</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Godzina rozpoczęcia</translation>
    </message>
    <message>
        <source>Your password has expired. Change it on the server, then sign in again.</source>
        <translation>Hasło wygasło. Zmień je na serwerze, a następnie zaloguj się ponownie.</translation>
    </message>
    <message>
        <source>The proxy server requires authentication.</source>
        <translation>Serwer proxy wymaga uwierzytelnienia.</translation>
    </message>
    <message>
        <source>Prefer IPv6</source>
        <translation>Preferuj IPv6</translation>
    </message>
    <message>
        <source>Select Folders...</source>
        <translation>Wybierz foldery...</translation>
    </message>
    <message>
        <source>The logs have been saved to %1.</source>
        <translation>Dzienniki zostały zapisane w %1.</translation>
    </message>
    <message>
        <source>Connected through the local network</source>
        <translation>Połączono przez sieć lokalną</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Odśwież</translation>
    </message>
    <message>
        <source>A new version of Quenmark Zelto Client is available.</source>
        <translation>Dostępna jest nowa wersja Quenmark Zelto Client.</translation>
    </message>
    <message>
        <source>No recent changes</source>
        <translation>Brak ostatnich zmian</translation>
    </message>
    <message>
        <source>Syncing is paused</source>
        <translation>Synchronizacja jest wstrzymana</translation>
    </message>
    <message>
        <source>Keep Files</source>
        <translation>Zachowaj pliki</translation>
    </message>
    <message>
        <source>Manage Tasks</source>
        <translation>Zarządzaj zadaniami</translation>
    </message>
    <message>
        <source>Free Up Space</source>
        <translation>Zwolnij miejsce</translation>
    </message>
    <message>
        <source>Desktop shortcut</source>
        <translation>Skrót na pulpicie</translation>
    </message>
    <message>
        <source>[ProductName] cannot be installed on this version of the operating system.</source>
        <translation>Nie można zainstalować [ProductName] w tej wersji systemu operacyjnego.</translation>
    </message>
    <message>
        <source>No entries match your search.</source>
        <translation>Brak wpisów pasujących do wyszukiwania.</translation>
    </message>
    <message>
        <source>Show tips at startup</source>
        <translation>Pokazuj porady przy uruchamianiu</translation>
    </message>
    <message>
        <source>Last backup failed %1</source>
        <translation>Ostatnia kopia zapasowa nie powiodła się: %1</translation>
    </message>
    <message>
        <source>You must restart your system for the configuration changes made to [ProductName] to take effect. Click Yes to restart now or No if you plan to restart later.</source>
        <translation>Aby zmiany konfiguracji [ProductName] zostały zastosowane, należy ponownie uruchomić system. Kliknij Tak, aby uruchomić go ponownie teraz, lub Nie, jeśli zrobisz to później.</translation>
    </message>
    <message>
        <source>&amp;Close the applications and attempt to restart them.</source>
        <translation>&amp;Zamknij aplikacje i spróbuj je ponownie uruchomić.</translation>
    </message>
    <message>
        <source>An unknown error occurred. Please try again later.</source>
        <translation>Wystąpił nieznany błąd. Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>Tell us what went wrong or what you would like to see improved.</source>
        <translation>Napisz, co nie zadziałało lub co chcesz, żebyśmy ulepszyli.</translation>
    </message>
    <message>
        <source>Default port</source>
        <translation>Port domyślny</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>Utwórz nowy folder</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>Ten folder jest pusty.</translation>
    </message>
    <message>
        <source>Copied to the clipboard</source>
        <translation>Skopiowano do schowka</translation>
    </message>
    <message>
        <source>Change, repair, or remove installation</source>
        <translation>Zmień, napraw lub usuń instalację</translation>
    </message>
    <message>
        <source>Unable to open the local database.</source>
        <translation>Nie można otworzyć lokalnej bazy danych.</translation>
    </message>
    <message>
        <source>Back Up This Folder</source>
        <translation>Utwórz kopię zapasową tego folderu</translation>
    </message>
    <message>
        <source>Add Account...</source>
        <translation>Dodaj konto...</translation>
    </message>
    <message>
        <source>Do this for all conflicts</source>
        <translation>Zastosuj do wszystkich konfliktów</translation>
    </message>
    <message>
        <source>View Issues</source>
        <translation>Wyświetl problemy</translation>
    </message>
    <message>
        <source>The highlighted volumes do not have enough disk space available for the currently selected features. You can remove some files from the highlighted volumes, or cancel the installation.</source>
        <translation>Na wyróżnionych woluminach nie ma wystarczającej ilości miejsca dla wybranych funkcji. Możesz usunąć pliki z wyróżnionych woluminów lub anulować instalację.</translation>
    </message>
    <message>
        <source>Fine-tune what is synced. You can change these options later in Settings.</source>
        <translation>Określ, co ma być synchronizowane. Te opcje możesz później zmienić w ustawieniach.</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Urządzenia</translation>
    </message>
    <message>
        <source>Do you want to sign out? All sync tasks of this account will stop.</source>
        <translation>Czy chcesz się wylogować? Wszystkie zadania synchronizacji tego konta zostaną zatrzymane.</translation>
    </message>
    <message>
        <source>Notify me when others change shared files</source>
        <translation>Powiadamiaj, gdy inni zmieniają udostępnione pliki</translation>
    </message>
    <message>
        <source>Click Next to install to the default folder or click Change to choose another.</source>
        <translation>Kliknij Dalej, aby zainstalować w folderze domyślnym, lub Zmień, aby wybrać inny folder.</translation>
    </message>
    <message>
        <source>Previous Versions</source>
        <translation>Poprzednie wersje</translation>
    </message>
    <message>
        <source>I lost my authentication device</source>
        <translation>Zgubiłem urządzenie uwierzytelniające</translation>
    </message>
    <message>
        <source>Enter the address of the server you want to sync with.</source>
        <translation>Wprowadź adres serwera, z którym chcesz synchronizować pliki.</translation>
    </message>
    <message>
        <source>Check file consistency after sync</source>
        <translation>Sprawdzaj spójność plików po synchronizacji</translation>
    </message>
    <message>
        <source>The identity of the server has changed. If you did not expect this, someone may be intercepting your connection.</source>
        <translation>Tożsamość serwera uległa zmianie. Jeśli się tego nie spodziewałeś, ktoś może przechwytywać Twoje połączenie.</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Wyczyść historię</translation>
    </message>
    <message>
        <source>Quit Quenmark Zelto Client</source>
        <translation>Zakończ Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Server folder path field</source>
        <translation>Pole ścieżki folderu na serwerze</translation>
    </message>
    <message>
        <source>Remove Folder</source>
        <translation>Usuń folder</translation>
    </message>
    <message>
        <source>Opened %1 times</source>
        <translation>Liczba otwarć: %1</translation>
    </message>
    <message>
        <source>%1 files backed up, %2 skipped</source>
        <translation>Pliki w kopii zapasowej: %1, pominięte: %2</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Serwer proxy</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Tworzenie kopii zapasowej...</translation>
    </message>
    <message>
        <source>Do you want to disconnect this computer from %1?</source>
        <translation>Czy odłączyć ten komputer od %1?</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Pokaż</translation>
    </message>
    <message>
        <source>Show the sync folder in the file manager sidebar</source>
        <translation>Pokazuj folder synchronizacji na pasku bocznym menedżera plików</translation>
    </message>
    <message>
        <source>Run Diagnostics</source>
        <translation>Uruchom diagnostykę</translation>
    </message>
    <message>
        <source>Notify me about errors</source>
        <translation>Powiadamiaj o błędach</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>&amp;Zmień...</translation>
    </message>
    <message>
        <source>Separate extensions with commas, for example tmp, bak</source>
        <translation>Oddziel rozszerzenia przecinkami, na przykład tmp, bak</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Bezczynny</translation>
    </message>
    <message>
        <source>Scanning files on the server...</source>
        <translation>Skanowanie plików na serwerze...</translation>
    </message>
    <message>
        <source>Keep history for %1 days</source>
        <translation>Przechowuj historię przez %1 dni</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Odczyt</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Wróć</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>Operacja nie powiodła się.</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Przeglądaj...</translation>
    </message>
    <message>
        <source>Restart Now</source>
        <translation>Uruchom ponownie teraz</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Unable to connect through the proxy server.</source>
        <translation>Nie można połączyć się przez serwer proxy.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Pobieranie %1</translation>
    </message>
    <message>
        <source>Delete Files</source>
        <translation>Usuń pliki</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Nd</translation>
    </message>
    <message>
        <source>Access from your IP address has been denied by the server. Contact the system administrator.</source>
        <translation>Serwer odmówił dostępu z Twojego adresu IP. Skontaktuj się z administratorem systemu.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Wyjdź</translation>
    </message>
    <message>
        <source>Import Settings...</source>
        <translation>Importuj ustawienia...</translation>
    </message>
    <message>
        <source>There is not enough memory to complete the operation.</source>
        <translation>Za mało pamięci, aby ukończyć operację.</translation>
    </message>
    <message>
        <source>Unable to load the settings. Default settings will be used.</source>
        <translation>Nie można wczytać ustawień. Zostaną użyte ustawienia domyślne.</translation>
    </message>
    <message>
        <source>The server is busy. Please try again later.</source>
        <translation>Serwer jest zajęty. Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Przepustowość</translation>
    </message>
    <message>
        <source>Low disk space</source>
        <translation>Mało miejsca na dysku</translation>
    </message>
    <message>
        <source>Verifying backup...</source>
        <translation>Weryfikowanie kopii zapasowej...</translation>
    </message>
    <message>
        <source>Running diagnostics...</source>
        <translation>Trwa diagnostyka...</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Przeglądaj...</translation>
    </message>
    <message>
        <source>Skip existing files</source>
        <translation>Pomijaj istniejące pliki</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Files already in it will be merged with the files on the server.</source>
        <translation>Wybrany folder nie jest pusty. Znajdujące się w nim pliki zostaną scalone z plikami na serwerze.</translation>
    </message>
    <message>
        <source>SOCKS5</source>
        <translation>SOCKS5</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Your IP address has been blocked for %1 minutes.</source>
        <translation>Zbyt wiele nieudanych prób logowania. Twój adres IP został zablokowany na %1 min.</translation>
    </message>
    <message>
        <source>Limit to</source>
        <translation>Ogranicz do</translation>
    </message>
    <message>
        <source>Show a pop-up message</source>
        <translation>Pokaż komunikat podręczny</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Rozłączono</translation>
    </message>
    <message>
        <source>Two-step verification</source>
        <translation>Weryfikacja dwuetapowa</translation>
    </message>
    <message>
        <source>Ready to repair [ProductName]</source>
        <translation>Gotowe do naprawienia [ProductName]</translation>
    </message>
    <message>
        <source>The source folder %1 could not be found. Connect the drive or remove the folder from the backup.</source>
        <translation>Nie znaleziono folderu źródłowego %1. Podłącz dysk lub usuń folder z kopii zapasowej.</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>The end time must be later than the start time.</source>
        <translation>Godzina zakończenia musi być późniejsza niż godzina rozpoczęcia.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Dostępne</translation>
    </message>
    <message>
        <source>Enable debug logging</source>
        <translation>Włącz rejestrowanie debugowania</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics to help improve the product</source>
        <translation>Wysyłaj anonimowe statystyki użycia, aby pomóc ulepszyć produkt</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Wyczyść wyszukiwanie</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Pokaż hasło</translation>
    </message>
    <message>
        <source>The link was created.</source>
        <translation>Łącze zostało utworzone.</translation>
    </message>
    <message>
        <source>This server has no shared folder you can access. Ask the administrator for permission.</source>
        <translation>Na tym serwerze nie ma folderu udostępnionego, do którego masz dostęp. Poproś administratora o uprawnienia.</translation>
    </message>
    <message>
        <source>The background service is not running.</source>
        <translation>Usługa w tle nie jest uruchomiona.</translation>
    </message>
    <message>
        <source>Restore files as they were on</source>
        <translation>Przywróć pliki do stanu z dnia</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Wznów</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs [ProductName].</source>
        <translation>Poczekaj, aż kreator instalacji zainstaluje [ProductName].</translation>
    </message>
    <message>
        <source>Syncing is paused on a metered connection.</source>
        <translation>Synchronizacja jest wstrzymana przy połączeniu taryfowym.</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Nieznany</translation>
    </message>
    <message>
        <source>This rule already exists.</source>
        <translation>Ta reguła już istnieje.</translation>
    </message>
    <message>
        <source>List of recent file changes</source>
        <translation>Lista ostatnich zmian plików</translation>
    </message>
    <message>
        <source>Team Folders</source>
        <translation>Foldery zespołu</translation>
    </message>
    <message>
        <source>Remove the selected task</source>
        <translation>Usuń wybrane zadanie</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>Bieżące hasło</translation>
    </message>
    <message>
        <source>Same as the system</source>
        <translation>Taki sam jak w systemie</translation>
    </message>
    <message>
        <source>Review the settings below, then click Done to start syncing.</source>
        <translation>Sprawdź poniższe ustawienia, a następnie kliknij Gotowe, aby rozpocząć synchronizację.</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Diagnostyka</translation>
    </message>
    <message>
        <source>Unable to read %1.</source>
        <translation>Nie można odczytać %1.</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>Synchronizacja zakończona</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Start minimized to the notification area</source>
        <translation>Uruchamiaj zminimalizowany w obszarze powiadomień</translation>
    </message>
    <message>
        <source>This wizard helps you connect this computer to your server and choose which folders to keep in sync.</source>
        <translation>Ten kreator pomoże połączyć ten komputer z serwerem i wybrać foldery, które mają być synchronizowane.</translation>
    </message>
    <message>
        <source>You are using the latest version.</source>
        <translation>Używasz najnowszej wersji.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached.</source>
        <translation>Osiągnięto limit miejsca na serwerze.</translation>
    </message>
    <message>
        <source>Show Toolbar</source>
        <translation>Pokaż pasek narzędzi</translation>
    </message>
    <message>
        <source>%1 changes are waiting to be synced.</source>
        <translation>Zmiany oczekujące na synchronizację: %1.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Wstrzymaj</translation>
    </message>
    <message>
        <source>Do you want to remove Quenmark Zelto Client and all of its components?</source>
        <translation>Czy usunąć Quenmark Zelto Client i wszystkie jego składniki?</translation>
    </message>
    <message>
        <source>I accept the terms of the license agreement</source>
        <translation>Akceptuję warunki umowy licencyjnej</translation>
    </message>
    <message>
        <source>System folders cannot be synced. Choose another folder.</source>
        <translation>Nie można synchronizować folderów systemowych. Wybierz inny folder.</translation>
    </message>
    <message>
        <source>Launch at startup</source>
        <translation>Uruchamiaj przy starcie systemu</translation>
    </message>
    <message>
        <source>Two-step verification is required for this account.</source>
        <translation>To konto wymaga weryfikacji dwuetapowej.</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>Rebuild Database</source>
        <translation>Odbuduj bazę danych</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Zaloguj</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sobota</translation>
    </message>
    <message>
        <source>The connection to the server timed out.</source>
        <translation>Upłynął limit czasu połączenia z serwerem.</translation>
    </message>
    <message>
        <source>Internet access</source>
        <translation>Dostęp przez Internet</translation>
    </message>
    <message>
        <source>Show Quenmark Zelto Client items in the file manager context menu</source>
        <translation>Pokazuj elementy Quenmark Zelto Client w menu kontekstowym menedżera plików</translation>
    </message>
    <message>
        <source>&amp;Repair</source>
        <translation>&amp;Napraw</translation>
    </message>
    <message>
        <source>Select the files and folders to restore.</source>
        <translation>Wybierz pliki i foldery do przywrócenia.</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Pamięć podręczna</translation>
    </message>
    <message>
        <source>%1 is a reserved name and cannot be used.</source>
        <translation>%1 to nazwa zastrzeżona, której nie można użyć.</translation>
    </message>
    <message>
        <source>%1 was updated.</source>
        <translation>Zaktualizowano plik %1.</translation>
    </message>
    <message>
        <source>SMTP server</source>
        <translation>Serwer SMTP</translation>
    </message>
    <message>
        <source>No file has been synced yet.</source>
        <translation>Nie zsynchronizowano jeszcze żadnego pliku.</translation>
    </message>
    <message>
        <source>Open Web Portal</source>
        <translation>Otwórz portal internetowy</translation>
    </message>
    <message>
        <source>Background service</source>
        <translation>Usługa w tle</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>View Certificate</source>
        <translation>Wyświetl certyfikat</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Not synced</source>
        <translation>Nie zsynchronizowano</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Pomoc online</translation>
    </message>
    <message>
        <source>The server name could not be resolved.</source>
        <translation>Nie można rozpoznać nazwy serwera.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>The link could not be copied.</source>
        <translation>Nie można skopiować łącza.</translation>
    </message>
    <message>
        <source>Run a missed backup when the computer starts</source>
        <translation>Wykonaj pominiętą kopię zapasową po uruchomieniu komputera</translation>
    </message>
    <message>
        <source>Every %1 hours</source>
        <translation>Co %1 godz.</translation>
    </message>
    <message>
        <source>Out of Disk Space</source>
        <translation>Za mało miejsca na dysku</translation>
    </message>
    <message>
        <source>The link has been copied to the clipboard.</source>
        <translation>Łącze zostało skopiowane do schowka.</translation>
    </message>
    <message>
        <source>Open settings</source>
        <translation>Otwórz ustawienia</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel [ProductName] installation?</source>
        <translation>Czy na pewno chcesz anulować instalację [ProductName]?</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>Enter a port number between 1 and 65535.</source>
        <translation>Wprowadź numer portu z zakresu od 1 do 65535.</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filtry</translation>
    </message>
    <message>
        <source>Disk Size</source>
        <translation>Rozmiar dysku</translation>
    </message>
    <message>
        <source>This version of the file is no longer available.</source>
        <translation>Ta wersja pliku nie jest już dostępna.</translation>
    </message>
    <message>
        <source>Hide Window</source>
        <translation>Ukryj okno</translation>
    </message>
    <message>
        <source>Remove Rule</source>
        <translation>Usuń regułę</translation>
    </message>
    <message>
        <source>Your session has expired. Please sign in again.</source>
        <translation>Sesja wygasła. Zaloguj się ponownie.</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Domena</translation>
    </message>
    <message>
        <source>Symbolic links are not synced.</source>
        <translation>Łącza symboliczne nie są synchronizowane.</translation>
    </message>
    <message>
        <source>Create Backup Task</source>
        <translation>Utwórz zadanie kopii zapasowej</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Overwrite existing files</source>
        <translation>Zastępuj istniejące pliki</translation>
    </message>
    <message>
        <source>Unpacking %1...</source>
        <translation>Trwa rozpakowywanie aplikacji %1...</translation>
    </message>
    <message>
        <source>Keep the files in a folder on this computer and a folder on the server identical. Changes on either side are applied to the other.</source>
        <translation>Utrzymuje identyczną zawartość folderu na tym komputerze i folderu na serwerze. Zmiany po jednej stronie są przenoszone na drugą.</translation>
    </message>
    <message>
        <source>Select the type of task you want to create. You can add more tasks later.</source>
        <translation>Wybierz typ zadania do utworzenia. Kolejne zadania możesz dodać później.</translation>
    </message>
    <message>
        <source>Rename Task</source>
        <translation>Zmień nazwę zadania</translation>
    </message>
    <message>
        <source>Change Password...</source>
        <translation>Zmień hasło...</translation>
    </message>
    <message>
        <source>Syncing is paused to save battery power.</source>
        <translation>Synchronizacja została wstrzymana w celu oszczędzania baterii.</translation>
    </message>
    <message>
        <source>The Setup Wizard will install [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>Kreator instalacji zainstaluje [ProductName] na komputerze. Kliknij Dalej, aby kontynuować, lub Anuluj, aby zamknąć kreatora.</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Uprawnienia</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Pokaż w folderze</translation>
    </message>
    <message>
        <source>Keep file versions</source>
        <translation>Przechowuj wersje plików</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>The connection to the server was lost. Syncing will resume when the connection is restored.</source>
        <translation>Utracono połączenie z serwerem. Synchronizacja zostanie wznowiona po przywróceniu połączenia.</translation>
    </message>
    <message>
        <source>The shared folder is encrypted and has not been mounted on the server.</source>
        <translation>Folder udostępniony jest zaszyfrowany i nie został zamontowany na serwerze.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client - %1</source>
        <translation>Quenmark Zelto Client - %1</translation>
    </message>
    <message>
        <source>The version of the server is too old. Update the server to version %1 or later.</source>
        <translation>Wersja serwera jest zbyt stara. Zaktualizuj serwer do wersji %1 lub nowszej.</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Dodaj folder...</translation>
    </message>
    <message>
        <source>Restored</source>
        <translation>Przywrócono</translation>
    </message>
    <message>
        <source>Reconnecting in %1 seconds...</source>
        <translation>Ponowne łączenie za %1 s...</translation>
    </message>
    <message>
        <source>Unable to connect through the proxy server %1.</source>
        <translation>Nie można połączyć się przez serwer proxy %1.</translation>
    </message>
    <message>
        <source>Protect with a password</source>
        <translation>Chroń hasłem</translation>
    </message>
    <message>
        <source>Enter a rate between 1 and 1048576 KB/s.</source>
        <translation>Wprowadź szybkość z zakresu od 1 do 1048576 KB/s.</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Aktualizacja oprogramowania</translation>
    </message>
    <message>
        <source>Please wait while the installer finishes determining your disk space requirements.</source>
        <translation>Poczekaj, aż instalator ustali wymaganą ilość miejsca na dysku.</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Pon</translation>
    </message>
    <message>
        <source>The rule %1 is not valid.</source>
        <translation>Reguła %1 jest nieprawidłowa.</translation>
    </message>
    <message>
        <source>Deleted files can be restored from the recycle bin of the shared folder.</source>
        <translation>Usunięte pliki można przywrócić z kosza folderu udostępnionego.</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Bez limitu</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>%1 is initializing...</source>
        <translation>Trwa inicjowanie aplikacji %1...</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client main window</source>
        <translation>Okno główne Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Zmień nazwę</translation>
    </message>
    <message>
        <source>Unable to write %1.</source>
        <translation>Nie można zapisać %1.</translation>
    </message>
    <message>
        <source>Log level</source>
        <translation>Poziom rejestrowania</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>days</source>
        <translation>dni</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Wyślij</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Gość</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>Pause All</source>
        <translation>Wstrzymaj wszystko</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Co miesiąc</translation>
    </message>
    <message>
        <source>Prevent the computer from sleeping while syncing</source>
        <translation>Nie pozwalaj na uśpienie komputera podczas synchronizacji</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historia</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Adres serwera</translation>
    </message>
    <message>
        <source>Browse to the destination folder</source>
        <translation>Przejdź do folderu docelowego</translation>
    </message>
    <message>
        <source>Do you want to clear the history? This does not affect your files.</source>
        <translation>Czy wyczyścić historię? Nie wpłynie to na pliki.</translation>
    </message>
    <message>
        <source>Remove old data</source>
        <translation>Usuń stare dane</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Zapamiętaj mnie</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Co tydzień</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>W kolejce</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Aktualizuj teraz</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Czwartek</translation>
    </message>
    <message>
        <source>The selected file does not contain valid settings.</source>
        <translation>Wybrany plik nie zawiera prawidłowych ustawień.</translation>
    </message>
    <message>
        <source>The password is too weak.</source>
        <translation>Hasło jest za słabe.</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Wybierz folder</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard repairs [ProductName].</source>
        <translation>Poczekaj, aż kreator instalacji naprawi [ProductName].</translation>
    </message>
    <message>
        <source>For example: tmp, log, iso</source>
        <translation>Na przykład: tmp, log, iso</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Wyloguj</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Nie można nawiązać bezpiecznego połączenia z serwerem.</translation>
    </message>
    <message>
        <source>Pause the selected task</source>
        <translation>Wstrzymaj wybrane zadanie</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>System operacyjny</translation>
    </message>
    <message>
        <source>Do you want to remove the task %1? The files in the folders will not be deleted.</source>
        <translation>Czy usunąć zadanie %1? Pliki w folderach nie zostaną usunięte.</translation>
    </message>
    <message>
        <source>[ProductName] Setup</source>
        <translation>Instalator [ProductName]</translation>
    </message>
    <message>
        <source>This account has been disabled. Contact your system administrator.</source>
        <translation>To konto zostało wyłączone. Skontaktuj się z administratorem systemu.</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Dzisiaj</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>Adres e-mail</translation>
    </message>
    <message>
        <source>The verification code is incorrect or has expired.</source>
        <translation>Kod weryfikacyjny jest nieprawidłowy lub wygasł.</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>Dzienniki</translation>
    </message>
    <message>
        <source>List of sync and backup tasks</source>
        <translation>Lista zadań synchronizacji i kopii zapasowych</translation>
    </message>
    <message>
        <source>Keep up to %1 versions of each file</source>
        <translation>Przechowuj do %1 wersji każdego pliku</translation>
    </message>
    <message>
        <source>%1 will be synced with %2.</source>
        <translation>Folder %1 będzie synchronizowany z %2.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Zaznacz wszystko</translation>
    </message>
    <message>
        <source>Syncing %1</source>
        <translation>Synchronizowanie %1</translation>
    </message>
    <message>
        <source>Free space</source>
        <translation>Wolne miejsce</translation>
    </message>
    <message>
        <source>Your feedback could not be sent. Please try again later.</source>
        <translation>Nie można wysłać opinii. Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>File manager integration</source>
        <translation>Integracja z menedżerem plików</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Nowe hasło</translation>
    </message>
    <message>
        <source>Sign In with SSO</source>
        <translation>Zaloguj przez SSO</translation>
    </message>
    <message>
        <source>My Files</source>
        <translation>Moje pliki</translation>
    </message>
    <message>
        <source>Sync new folders automatically</source>
        <translation>Automatycznie synchronizuj nowe foldery</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Sprawdź aktualizacje</translation>
    </message>
    <message>
        <source>Enter the 6-digit code from your authenticator app.</source>
        <translation>Wprowadź 6-cyfrowy kod z aplikacji uwierzytelniającej.</translation>
    </message>
    <message>
        <source>Right-click a file for more options.</source>
        <translation>Kliknij plik prawym przyciskiem myszy, aby zobaczyć więcej opcji.</translation>
    </message>
    <message>
        <source>Server version</source>
        <translation>Wersja serwera</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client was removed from your computer.</source>
        <translation>Quenmark Zelto Client został usunięty z komputera.</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Nazwa folderu</translation>
    </message>
    <message>
        <source>You have no tasks yet. Click Create Task to sync or back up a folder.</source>
        <translation>Nie masz jeszcze żadnych zadań. Kliknij Utwórz zadanie, aby synchronizować folder lub utworzyć jego kopię zapasową.</translation>
    </message>
    <message>
        <source>Indexing files...</source>
        <translation>Indeksowanie plików...</translation>
    </message>
    <message>
        <source>Verification code field</source>
        <translation>Pole kodu weryfikacyjnego</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Dysk jest pełny</translation>
    </message>
    <message>
        <source>Backup started</source>
        <translation>Rozpoczęto tworzenie kopii zapasowej</translation>
    </message>
    <message>
        <source>The sync folder %1 was moved or deleted. Syncing has stopped for this task.</source>
        <translation>Folder synchronizacji %1 został przeniesiony lub usunięty. Synchronizacja tego zadania została zatrzymana.</translation>
    </message>
    <message>
        <source>The file was damaged during transfer and will be downloaded again.</source>
        <translation>Plik został uszkodzony podczas przesyłania i zostanie pobrany ponownie.</translation>
    </message>
    <message>
        <source>You have reached the maximum number of tasks (%1).</source>
        <translation>Osiągnięto maksymalną liczbę zadań (%1).</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>godz.</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Icon View</source>
        <translation>Widok ikon</translation>
    </message>
    <message>
        <source>Backup finished</source>
        <translation>Kopia zapasowa została utworzona</translation>
    </message>
    <message>
        <source>Starting %1 for the first time. This may take a minute.</source>
        <translation>Pierwsze uruchomienie aplikacji %1. Może to potrwać minutę.</translation>
    </message>
    <message>
        <source>Server path</source>
        <translation>Ścieżka na serwerze</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Zmień hasło</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Adres IP</translation>
    </message>
    <message>
        <source>Sync file permissions and timestamps</source>
        <translation>Synchronizuj uprawnienia i znaczniki czasu plików</translation>
    </message>
    <message>
        <source>Syncing will stop when you quit. Quit Quenmark Zelto Client anyway?</source>
        <translation>Po zamknięciu synchronizacja zostanie zatrzymana. Czy mimo to zamknąć Quenmark Zelto Client?</translation>
    </message>
    <message>
        <source>Hidden files</source>
        <translation>Pliki ukryte</translation>
    </message>
    <message>
        <source>The folder cannot be inside or contain a folder that is already synced.</source>
        <translation>Folder nie może znajdować się w folderze, który jest już synchronizowany, ani takiego folderu zawierać.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached. The backup cannot continue until space is freed.</source>
        <translation>Osiągnięto limit miejsca na serwerze. Tworzenie kopii zapasowej będzie można kontynuować po zwolnieniu miejsca.</translation>
    </message>
    <message>
        <source>Download queue</source>
        <translation>Kolejka pobierania</translation>
    </message>
    <message>
        <source>This computer is registered with the server.</source>
        <translation>Ten komputer jest zarejestrowany na serwerze.</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Kosz</translation>
    </message>
    <message>
        <source>Back up changes continuously</source>
        <translation>Twórz kopie zapasowe zmian na bieżąco</translation>
    </message>
    <message>
        <source>Source folders</source>
        <translation>Foldery źródłowe</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Umowa licencyjna</translation>
    </message>
    <message>
        <source>Sync options</source>
        <translation>Opcje synchronizacji</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>Wszystko gotowe!</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Pomiń</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nowy folder</translation>
    </message>
    <message>
        <source>Add to the &amp;Start menu</source>
        <translation>Dodaj do menu &amp;Start</translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation>Logowanie...</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Kliknij Instaluj, aby rozpocząć instalację. Kliknij Wstecz, aby przejrzeć lub zmienić ustawienia instalacji. Kliknij Anuluj, aby zamknąć kreatora.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client cannot write to %1. Check the folder permissions.</source>
        <translation>Quenmark Zelto Client nie może zapisywać w %1. Sprawdź uprawnienia folderu.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Pomiń tę wersję</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>Odwiedź naszą witrynę</translation>
    </message>
    <message>
        <source>Open Local Folder</source>
        <translation>Otwórz folder lokalny</translation>
    </message>
    <message>
        <source>Removing [ProductName]</source>
        <translation>Usuwanie [ProductName]</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Otwórz folder</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Copyright (c) Quenmark. All rights reserved.</source>
        <translation>Copyright (c) Quenmark. Wszelkie prawa zastrzeżone.</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Usuń urządzenie</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>The session is locked.</source>
        <translation>Sesja jest zablokowana.</translation>
    </message>
    <message>
        <source>Downloading on demand...</source>
        <translation>Pobieranie na żądanie...</translation>
    </message>
    <message>
        <source>Sign-in required</source>
        <translation>Wymagane zalogowanie</translation>
    </message>
    <message>
        <source>Unable to copy %1.</source>
        <translation>Nie można skopiować %1.</translation>
    </message>
    <message>
        <source>List of filter rules</source>
        <translation>Lista reguł filtrowania</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>Migawki</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Zatrzymano</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Wolumin</translation>
    </message>
    <message>
        <source>Change destination folder</source>
        <translation>Zmień folder docelowy</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synchronizowanie...</translation>
    </message>
    <message>
        <source>Back up only when the computer is plugged in</source>
        <translation>Twórz kopie zapasowe tylko przy zasilaniu sieciowym</translation>
    </message>
    <message>
        <source>Resume Syncing</source>
        <translation>Wznów synchronizację</translation>
    </message>
    <message>
        <source>A new version is available.</source>
        <translation>Dostępna jest nowa wersja.</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation>Często zadawane pytania</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Widok</translation>
    </message>
    <message>
        <source>Run on</source>
        <translation>Uruchamiaj w</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Unable to download the update.</source>
        <translation>Nie można pobrać aktualizacji.</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>Testuj połączenie</translation>
    </message>
    <message>
        <source>You have been signed out.</source>
        <translation>Wylogowano.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchronizacja</translation>
    </message>
    <message>
        <source>Last backup completed %1</source>
        <translation>Ostatnia kopia zapasowa ukończona: %1</translation>
    </message>
    <message>
        <source>Pause Syncing</source>
        <translation>Wstrzymaj synchronizację</translation>
    </message>
    <message>
        <source>Limit automatically</source>
        <translation>Ograniczaj automatycznie</translation>
    </message>
    <message>
        <source>Keep the version on the server</source>
        <translation>Zachowaj wersję z serwera</translation>
    </message>
    <message>
        <source>Open menu</source>
        <translation>Otwórz menu</translation>
    </message>
    <message>
        <source>The file is larger than the limit allowed by the server.</source>
        <translation>Plik przekracza rozmiar dozwolony przez serwer.</translation>
    </message>
    <message>
        <source>Your data was moved successfully.</source>
        <translation>Dane zostały przeniesione.</translation>
    </message>
    <message>
        <source>Ready to install [ProductName]</source>
        <translation>Gotowe do zainstalowania [ProductName]</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Plik %1 nie istnieje.</translation>
    </message>
    <message>
        <source>Export Logs...</source>
        <translation>Eksportuj dzienniki...</translation>
    </message>
    <message>
        <source>Syncing has resumed</source>
        <translation>Wznowiono synchronizację</translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely because of an error. Your system has not been modified. To install this program at a later time, run the Setup Wizard again.</source>
        <translation>Kreator instalacji [ProductName] zakończył pracę przedwcześnie z powodu błędu. System nie został zmieniony. Aby zainstalować ten program później, uruchom kreatora instalacji ponownie.</translation>
    </message>
    <message>
        <source>Select the server folder to sync with this computer.</source>
        <translation>Wybierz folder serwera, który ma być synchronizowany z tym komputerem.</translation>
    </message>
    <message>
        <source>Upload changes to the server only</source>
        <translation>Tylko wysyłaj zmiany na serwer</translation>
    </message>
    <message>
        <source>Time remaining unknown</source>
        <translation>Pozostały czas nieznany</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>%1 files were skipped. See the history for details.</source>
        <translation>Pominięte pliki: %1. Szczegóły znajdziesz w historii.</translation>
    </message>
    <message>
        <source>Keep all versions</source>
        <translation>Przechowuj wszystkie wersje</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>Sync progress</source>
        <translation>Postęp synchronizacji</translation>
    </message>
    <message>
        <source>The new language will be used after Quenmark Zelto Client restarts.</source>
        <translation>Nowy język zostanie użyty po ponownym uruchomieniu Quenmark Zelto Client.</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Utworzono</translation>
    </message>
    <message>
        <source>%1 used of %2</source>
        <translation>Użyto %1 z %2</translation>
    </message>
    <message>
        <source>Version Retention</source>
        <translation>Przechowywanie wersji</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Godzina zakończenia</translation>
    </message>
    <message>
        <source>Proxy type</source>
        <translation>Typ serwera proxy</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>Sortuj według nazwy</translation>
    </message>
    <message>
        <source>On-demand sync is not supported on this file system.</source>
        <translation>Synchronizacja na żądanie nie jest obsługiwana w tym systemie plików.</translation>
    </message>
    <message>
        <source>Connected through the Internet</source>
        <translation>Połączono przez Internet</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>Authentication required</source>
        <translation>Wymagane uwierzytelnianie</translation>
    </message>
    <message>
        <source>Access Denied</source>
        <translation>Odmowa dostępu</translation>
    </message>
    <message>
        <source>Upload rate</source>
        <translation>Szybkość wysyłania</translation>
    </message>
    <message>
        <source>The system limit on watched folders has been reached. Some changes may be detected late.</source>
        <translation>Osiągnięto systemowy limit monitorowanych folderów. Niektóre zmiany mogą być wykrywane z opóźnieniem.</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Przeniesiono</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Odrzuć</translation>
    </message>
    <message>
        <source>Sort by Date</source>
        <translation>Sortuj według daty</translation>
    </message>
    <message>
        <source>Do not sync hidden files</source>
        <translation>Nie synchronizuj plików ukrytych</translation>
    </message>
    <message>
        <source>Sync This Folder</source>
        <translation>Synchronizuj ten folder</translation>
    </message>
    <message>
        <source>%1 is very large. Uploading it may take a long time.</source>
        <translation>Plik %1 jest bardzo duży. Jego wysłanie może potrwać długo.</translation>
    </message>
    <message>
        <source>Access control lists are not supported on this file system and will not be synced.</source>
        <translation>Listy kontroli dostępu nie są obsługiwane w tym systemie plików i nie będą synchronizowane.</translation>
    </message>
    <message>
        <source>Enter the verification code</source>
        <translation>Wprowadź kod weryfikacyjny</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>Hasła nie są zgodne.</translation>
    </message>
    <message>
        <source>The security certificate of %1 is not trusted. Your connection may not be secure.</source>
        <translation>Certyfikat zabezpieczeń %1 nie jest zaufany. Połączenie może nie być bezpieczne.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Raport</translation>
    </message>
    <message>
        <source>%1, %2 o'clock</source>
        <translation>%1, godz. %2</translation>
    </message>
    <message>
        <source>The Setup Wizard allows you to repair the installation of [ProductName] or remove it from your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>Kreator instalacji umożliwia naprawienie instalacji [ProductName] lub usunięcie programu z komputera. Kliknij Dalej, aby kontynuować, lub Anuluj, aby zamknąć kreatora.</translation>
    </message>
    <message>
        <source>Read and write</source>
        <translation>Odczyt i zapis</translation>
    </message>
    <message>
        <source>Pause for 8 hours</source>
        <translation>Wstrzymaj na 8 godzin</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Kopia zapasowa</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Wstrzymano</translation>
    </message>
    <message>
        <source>Edit the selected task</source>
        <translation>Edytuj wybrane zadanie</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Witamy</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Otwórz w przeglądarce</translation>
    </message>
    <message>
        <source>Task %1, status %2</source>
        <translation>Zadanie %1, stan %2</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation>Kliknij przycisk Zakończ, aby zamknąć kreatora instalacji.</translation>
    </message>
    <message>
        <source>Relay ID</source>
        <translation>Identyfikator przekaźnika</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Zaloguj</translation>
    </message>
    <message>
        <source>Do not limit</source>
        <translation>Bez ograniczeń</translation>
    </message>
    <message>
        <source>Download changes from the server only</source>
        <translation>Tylko pobieraj zmiany z serwera</translation>
    </message>
    <message>
        <source>Unable to move %1 to %2.</source>
        <translation>Nie można przenieść %1 do %2.</translation>
    </message>
    <message>
        <source>Add a task</source>
        <translation>Dodaj zadanie</translation>
    </message>
    <message>
        <source>Your storage space on %1 is almost full.</source>
        <translation>Miejsce na dane na %1 jest prawie zapełnione.</translation>
    </message>
    <message>
        <source>Install updates automatically</source>
        <translation>Instaluj aktualizacje automatycznie</translation>
    </message>
    <message>
        <source>Recent Changes</source>
        <translation>Ostatnie zmiany</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>Nazwa wyświetlana</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Łączenie...</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Alerty</translation>
    </message>
    <message>
        <source>Preparing to sync...</source>
        <translation>Przygotowywanie synchronizacji...</translation>
    </message>
    <message>
        <source>Single Sign-On</source>
        <translation>Logowanie jednokrotne</translation>
    </message>
    <message>
        <source>Ready to sync</source>
        <translation>Wszystko gotowe do synchronizacji</translation>
    </message>
    <message>
        <source>Advanced Filters...</source>
        <translation>Filtry zaawansowane...</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <translation>Pokazuj powiadomienia na pulpicie</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Sprawdzanie aktualizacji...</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Pobrano</translation>
    </message>
    <message>
        <source>Choose a folder on the server</source>
        <translation>Wybierz folder na serwerze</translation>
    </message>
    <message>
        <source>Excluded from sync</source>
        <translation>Wykluczono z synchronizacji</translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <translation>Synchronizowanie plików: %1</translation>
    </message>
    <message>
        <source>Loading folders...</source>
        <translation>Wczytywanie folderów...</translation>
    </message>
    <message>
        <source>This version of Quenmark Zelto Client is no longer supported by the server. Please update the client.</source>
        <translation>Ta wersja Quenmark Zelto Client nie jest już obsługiwana przez serwer. Zaktualizuj klienta.</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Udostępnione</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Repairing [ProductName]</source>
        <translation>Naprawianie [ProductName]</translation>
    </message>
    <message>
        <source>Upload speed</source>
        <translation>Szybkość wysyłania</translation>
    </message>
    <message>
        <source>Open on Server</source>
        <translation>Otwórz na serwerze</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>Your settings have been saved.</source>
        <translation>Ustawienia zostały zapisane.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Wyłączone</translation>
    </message>
    <message>
        <source>Create Sync Task</source>
        <translation>Utwórz zadanie synchronizacji</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Utwórz kopię zapasową teraz</translation>
    </message>
    <message>
        <source>The upgrade is complete.</source>
        <translation>Uaktualnienie zostało ukończone.</translation>
    </message>
    <message>
        <source>Version %1 (build %2)</source>
        <translation>Wersja %1 (kompilacja %2)</translation>
    </message>
    <message>
        <source>Launch [ProductName] now</source>
        <translation>Uruchom [ProductName] teraz</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Wyślij opinię</translation>
    </message>
    <message>
        <source>No results found.</source>
        <translation>Nie znaleziono wyników.</translation>
    </message>
    <message>
        <source>Copy Sharing Link</source>
        <translation>Kopiuj łącze udostępniania</translation>
    </message>
    <message>
        <source>The task no longer exists.</source>
        <translation>Zadanie już nie istnieje.</translation>
    </message>
    <message>
        <source>&amp;Do not close applications. A reboot will be required.</source>
        <translation>&amp;Nie zamykaj aplikacji. Konieczne będzie ponowne uruchomienie komputera.</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Zadanie</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Pt</translation>
    </message>
    <message>
        <source>Deleting %1</source>
        <translation>Usuwanie %1</translation>
    </message>
    <message>
        <source>Enter at least %1 characters.</source>
        <translation>Wprowadź co najmniej %1 znaków.</translation>
    </message>
    <message>
        <source>Unable to restore the selected files.</source>
        <translation>Nie można przywrócić wybranych plików.</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation>Synchronizacja na żądanie</translation>
    </message>
    <message>
        <source>Checking the environment...</source>
        <translation>Sprawdzanie środowiska...</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation>Synchronizacja dwukierunkowa</translation>
    </message>
    <message>
        <source>Valid until</source>
        <translation>Ważny do</translation>
    </message>
    <message>
        <source>The history was exported to %1.</source>
        <translation>Historia została wyeksportowana do %1.</translation>
    </message>
    <message>
        <source>Files and folders that match these rules are not synced.</source>
        <translation>Pliki i foldery pasujące do tych reguł nie są synchronizowane.</translation>
    </message>
    <message>
        <source>Available offline</source>
        <translation>Dostępne offline</translation>
    </message>
    <message>
        <source>The files have been restored.</source>
        <translation>Pliki zostały przywrócone.</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Nazwa urządzenia</translation>
    </message>
    <message>
        <source>Renaming %1</source>
        <translation>Zmienianie nazwy %1</translation>
    </message>
    <message>
        <source>Some files could not be synced</source>
        <translation>Nie udało się zsynchronizować niektórych plików</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Sieć</translation>
    </message>
    <message>
        <source>Task name</source>
        <translation>Nazwa zadania</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by fixing missing and corrupt files, shortcuts, and registry entries.</source>
        <translation>Naprawia błędy ostatniej instalacji, przywracając brakujące i uszkodzone pliki, skróty oraz wpisy rejestru.</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Wczytywanie...</translation>
    </message>
    <message>
        <source>Pause until I resume</source>
        <translation>Wstrzymaj do czasu wznowienia</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>No server was found on your local network. Enter the address manually.</source>
        <translation>Nie znaleziono żadnego serwera w sieci lokalnej. Wprowadź adres ręcznie.</translation>
    </message>
    <message>
        <source>Removes [ProductName] from your computer.</source>
        <translation>Usuwa [ProductName] z komputera.</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>Folder lokalny</translation>
    </message>
    <message>
        <source>The quota of the shared folder has been reached.</source>
        <translation>Osiągnięto limit miejsca folderu udostępnionego.</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>Umowa licencyjna użytkownika końcowego</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>Online only</source>
        <translation>Tylko online</translation>
    </message>
    <message>
        <source>Up one level</source>
        <translation>Poziom wyżej</translation>
    </message>
    <message>
        <source>Upload: %1/s  Download: %2/s</source>
        <translation>Wysyłanie: %1/s  Pobieranie: %2/s</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Ciemny</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Codziennie</translation>
    </message>
    <message>
        <source>The local version was renamed to %1.</source>
        <translation>Zmieniono nazwę wersji lokalnej na %1.</translation>
    </message>
    <message>
        <source>%1 is in use by another application and will be synced when it is closed.</source>
        <translation>Plik %1 jest używany przez inną aplikację i zostanie zsynchronizowany po jej zamknięciu.</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Wstrzymano do %1</translation>
    </message>
    <message>
        <source>View History</source>
        <translation>Wyświetl historię</translation>
    </message>
    <message>
        <source>Confirm new password</source>
        <translation>Potwierdź nowe hasło</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>Limit czasu połączenia</translation>
    </message>
    <message>
        <source>Proxy server</source>
        <translation>Serwer proxy</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Użytkownik</translation>
    </message>
    <message>
        <source>Downloading the update... %1%</source>
        <translation>Pobieranie aktualizacji... %1%</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Zmieniono nazwę</translation>
    </message>
    <message>
        <source>Use dark theme</source>
        <translation>Używaj ciemnego motywu</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Wtorek</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>KB/s</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully</source>
        <translation>Przeczytaj uważnie poniższą umowę licencyjną</translation>
    </message>
    <message>
        <source>Send Test Email</source>
        <translation>Wyślij testowy e-mail</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <translation>Kierunek synchronizacji</translation>
    </message>
    <message>
        <source>Rebuilding the local database...</source>
        <translation>Odbudowywanie lokalnej bazy danych...</translation>
    </message>
    <message>
        <source>Switch Account</source>
        <translation>Przełącz konto</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Folder tree</source>
        <translation>Drzewo folderów</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>Przywróć tę wersję</translation>
    </message>
    <message>
        <source>The destination shared folder could not be found on the server. Select another destination.</source>
        <translation>Nie znaleziono docelowego folderu udostępnionego na serwerze. Wybierz inne miejsce docelowe.</translation>
    </message>
    <message>
        <source>The security certificate of the server has expired.</source>
        <translation>Certyfikat zabezpieczeń serwera wygasł.</translation>
    </message>
    <message>
        <source>Restart Quenmark Zelto Client to apply the changes.</source>
        <translation>Uruchom ponownie Quenmark Zelto Client, aby zastosować zmiany.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client status icon</source>
        <translation>Ikona stanu Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Zasilanie</translation>
    </message>
    <message>
        <source>%1 percent complete</source>
        <translation>Ukończono %1%</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sob</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Miejsce na dane</translation>
    </message>
    <message>
        <source>Pause syncing when running on battery power</source>
        <translation>Wstrzymuj synchronizację przy zasilaniu z baterii</translation>
    </message>
    <message>
        <source>Enter your server address, username and password.</source>
        <translation>Wprowadź adres serwera, nazwę użytkownika i hasło.</translation>
    </message>
    <message>
        <source>Every %1 minutes</source>
        <translation>Co %1 min</translation>
    </message>
    <message>
        <source>Do you want to delete the selected items?</source>
        <translation>Czy usunąć wybrane elementy?</translation>
    </message>
    <message>
        <source>Show sync status icons in the file manager</source>
        <translation>Pokazuj ikony stanu synchronizacji w menedżerze plików</translation>
    </message>
    <message>
        <source>I &amp;do not accept the terms in the License Agreement</source>
        <translation>&amp;Nie akceptuję warunków umowy licencyjnej</translation>
    </message>
    <message>
        <source>Learn more</source>
        <translation>Więcej informacji</translation>
    </message>
    <message>
        <source>Server address field</source>
        <translation>Pole adresu serwera</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Częstotliwość</translation>
    </message>
    <message>
        <source>Play a sound</source>
        <translation>Odtwórz dźwięk</translation>
    </message>
    <message>
        <source>Locate Folder</source>
        <translation>Wskaż folder</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>Folder docelowy</translation>
    </message>
    <message>
        <source>Load More</source>
        <translation>Wczytaj więcej</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Unable to rename %1 to %2.</source>
        <translation>Nie można zmienić nazwy %1 na %2.</translation>
    </message>
    <message>
        <source>If your network requires a proxy server to reach the Internet, enter its settings here.</source>
        <translation>Jeśli Twoja sieć wymaga serwera proxy do łączenia się z Internetem, wprowadź tutaj jego ustawienia.</translation>
    </message>
    <message>
        <source>Remove the local copies of the selected files? They remain on the server and are downloaded again when you open them.</source>
        <translation>Czy usunąć lokalne kopie wybranych plików? Pozostaną na serwerze i zostaną ponownie pobrane przy otwarciu.</translation>
    </message>
    <message>
        <source>Install Now</source>
        <translation>Zainstaluj teraz</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Czw</translation>
    </message>
    <message>
        <source>Display scaling</source>
        <translation>Skalowanie ekranu</translation>
    </message>
    <message>
        <source>Restoring %1 of %2 files...</source>
        <translation>Przywracanie plików: %1 z %2...</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Rozszerzenia plików</translation>
    </message>
    <message>
        <source>The update package is damaged or has an invalid signature.</source>
        <translation>Pakiet aktualizacji jest uszkodzony lub ma nieprawidłowy podpis.</translation>
    </message>
    <message>
        <source>Disk Space Requirements</source>
        <translation>Wymagania dotyczące miejsca na dysku</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Uaktualnienie</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Zadania</translation>
    </message>
    <message>
        <source>Account: %1</source>
        <translation>Konto: %1</translation>
    </message>
    <message>
        <source>The security certificate of the server is not trusted.</source>
        <translation>Certyfikat zabezpieczeń serwera nie jest zaufany.</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Nie zaznaczaj niczego</translation>
    </message>
    <message>
        <source>An invalid parameter was given.</source>
        <translation>Podano nieprawidłowy parametr.</translation>
    </message>
    <message>
        <source>Ask before deleting many files on the server</source>
        <translation>Pytaj przed usunięciem wielu plików na serwerze</translation>
    </message>
    <message>
        <source>&amp;Look in:</source>
        <translation>&amp;Szukaj w:</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>Twój adres IP został zablokowany przez serwer.</translation>
    </message>
    <message>
        <source>Debug logging records detailed information and may slow down syncing. Turn it off when you are done.</source>
        <translation>Rejestrowanie debugowania zapisuje szczegółowe informacje i może spowolnić synchronizację. Wyłącz je po zakończeniu.</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Miejsce docelowe</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Ręczna konfiguracja serwera proxy</translation>
    </message>
    <message>
        <source>Day of the month</source>
        <translation>Dzień miesiąca</translation>
    </message>
    <message>
        <source>The local database is damaged. Quenmark Zelto Client will rebuild it.</source>
        <translation>Lokalna baza danych jest uszkodzona. Quenmark Zelto Client odbuduje ją.</translation>
    </message>
    <message>
        <source>Are you sure you want to quit the setup? No task will be created.</source>
        <translation>Czy na pewno chcesz zakończyć konfigurację? Żadne zadanie nie zostanie utworzone.</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Nigdy nie synchronizowano</translation>
    </message>
    <message>
        <source>The shared folder no longer exists on the server.</source>
        <translation>Folder udostępniony już nie istnieje na serwerze.</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Wt</translation>
    </message>
    <message>
        <source>Use SSL/TLS</source>
        <translation>Użyj SSL/TLS</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <translation>Tryb synchronizacji</translation>
    </message>
    <message>
        <source>The update has been downloaded and will be installed when you quit Quenmark Zelto Client.</source>
        <translation>Aktualizacja została pobrana i zostanie zainstalowana po zamknięciu Quenmark Zelto Client.</translation>
    </message>
    <message>
        <source>The server is under maintenance. Syncing will resume automatically.</source>
        <translation>Trwa konserwacja serwera. Synchronizacja zostanie wznowiona automatycznie.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client Setup</source>
        <translation>Konfiguracja Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maksymalizuj</translation>
    </message>
    <message>
        <source>Enable backup schedule</source>
        <translation>Włącz harmonogram kopii zapasowych</translation>
    </message>
    <message>
        <source>The first sync may take a while, depending on the number and size of your files.</source>
        <translation>Pierwsza synchronizacja może chwilę potrwać, w zależności od liczby i rozmiaru plików.</translation>
    </message>
    <message>
        <source>Sign in with the account you use on %1.</source>
        <translation>Zaloguj się przy użyciu konta, którego używasz na %1.</translation>
    </message>
    <message>
        <source>Backup Schedule</source>
        <translation>Harmonogram kopii zapasowych</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>Nazwa pliku jest za długa.</translation>
    </message>
    <message>
        <source>The file manager will be restarted to unload the extension.</source>
        <translation>Menedżer plików zostanie uruchomiony ponownie, aby zwolnić rozszerzenie.</translation>
    </message>
    <message>
        <source>Keep both versions</source>
        <translation>Zachowaj obie wersje</translation>
    </message>
    <message>
        <source>Available when online</source>
        <translation>Dostępne w trybie online</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Odznacz wszystko</translation>
    </message>
    <message>
        <source>Total size</source>
        <translation>Całkowity rozmiar</translation>
    </message>
    <message>
        <source>Open source licenses</source>
        <translation>Licencje open source</translation>
    </message>
    <message>
        <source>No backup is scheduled.</source>
        <translation>Nie zaplanowano żadnej kopii zapasowej.</translation>
    </message>
    <message>
        <source>Syncing was paused while the computer was asleep.</source>
        <translation>Synchronizacja została wstrzymana na czas uśpienia komputera.</translation>
    </message>
    <message>
        <source>Team Folder</source>
        <translation>Folder zespołu</translation>
    </message>
    <message>
        <source>Overall progress</source>
        <translation>Postęp ogólny</translation>
    </message>
    <message>
        <source>Checking the connection to %1...</source>
        <translation>Sprawdzanie połączenia z %1...</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <translation>Aplikacja %1 jest gotowa.</translation>
    </message>
    <message>
        <source>When a conflict occurs</source>
        <translation>W razie konfliktu</translation>
    </message>
    <message>
        <source>The security certificate was issued to %1, not to %2.</source>
        <translation>Certyfikat zabezpieczeń został wystawiony dla %1, a nie dla %2.</translation>
    </message>
    <message>
        <source>Trust this computer</source>
        <translation>Ufaj temu komputerowi</translation>
    </message>
    <message>
        <source>Select the operation you wish to perform.</source>
        <translation>Wybierz operację, którą chcesz wykonać.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Włączone</translation>
    </message>
    <message>
        <source>File size limit</source>
        <translation>Limit rozmiaru pliku</translation>
    </message>
    <message>
        <source>Unable to create the task.</source>
        <translation>Nie można utworzyć zadania.</translation>
    </message>
    <message>
        <source>Create Task</source>
        <translation>Utwórz zadanie</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <translation>Niektóre pliki, które należy zaktualizować, są obecnie używane.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Proszę czekać...</translation>
    </message>
    <message>
        <source>Searching for servers on your local network...</source>
        <translation>Wyszukiwanie serwerów w sieci lokalnej...</translation>
    </message>
    <message>
        <source>Disk space required for the installation exceeds available disk space.</source>
        <translation>Miejsce na dysku wymagane do instalacji przekracza ilość dostępnego miejsca.</translation>
    </message>
    <message>
        <source>The following applications are using files that need to be updated by this setup. Close these applications and then click &amp;Retry to continue the installation or Cancel to exit it.</source>
        <translation>Następujące aplikacje używają plików, które musi zaktualizować ten instalator. Zamknij te aplikacje, a następnie kliknij &amp;Ponów, aby kontynuować instalację, lub Anuluj, aby ją zakończyć.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Folder %1 nie istnieje.</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Właściciel</translation>
    </message>
    <message>
        <source>Play sounds</source>
        <translation>Odtwarzaj dźwięki</translation>
    </message>
    <message>
        <source>Synced</source>
        <translation>Zsynchronizowano</translation>
    </message>
    <message>
        <source>Last day of the month</source>
        <translation>Ostatni dzień miesiąca</translation>
    </message>
    <message>
        <source>Keep the version on this computer</source>
        <translation>Zachowaj wersję z tego komputera</translation>
    </message>
    <message>
        <source>Resume the selected task</source>
        <translation>Wznów wybrane zadanie</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Pomoc techniczna</translation>
    </message>
    <message>
        <source>Sort by Size</source>
        <translation>Sortuj według rozmiaru</translation>
    </message>
    <message>
        <source>Storage Details</source>
        <translation>Szczegóły miejsca na dane</translation>
    </message>
    <message>
        <source>Apply limits only during these hours</source>
        <translation>Stosuj ograniczenia tylko w tych godzinach</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupa</translation>
    </message>
    <message>
        <source>Welcome to Quenmark Zelto Client</source>
        <translation>Witamy w Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Akcja</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Połączono</translation>
    </message>
    <message>
        <source>Data from an earlier version was found on this computer.</source>
        <translation>Na tym komputerze znaleziono dane z wcześniejszej wersji.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Pause for 30 minutes</source>
        <translation>Wstrzymaj na 30 minut</translation>
    </message>
    <message>
        <source>Open in File Manager</source>
        <translation>Otwórz w menedżerze plików</translation>
    </message>
    <message>
        <source>Completed the [ProductName] Setup Wizard</source>
        <translation>Kreator instalacji [ProductName] zakończył pracę</translation>
    </message>
    <message>
        <source>Last synced %1</source>
        <translation>Ostatnia synchronizacja: %1</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Krok %1 z %2</translation>
    </message>
    <message>
        <source>Retry Now</source>
        <translation>Ponów teraz</translation>
    </message>
    <message>
        <source>%1 of %2 used</source>
        <translation>Użyto %1 z %2</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Pominięto</translation>
    </message>
    <message>
        <source>You have used %1 of your storage quota.</source>
        <translation>Wykorzystano %1 limitu miejsca.</translation>
    </message>
    <message>
        <source>A newer version of [ProductName] is already installed. Setup will now exit.</source>
        <translation>Zainstalowana jest już nowsza wersja [ProductName]. Instalator zostanie zamknięty.</translation>
    </message>
    <message>
        <source>No problem was found.</source>
        <translation>Nie znaleziono problemów.</translation>
    </message>
    <message>
        <source>Keep files on the server that were deleted on this computer</source>
        <translation>Zachowuj na serwerze pliki usunięte na tym komputerze</translation>
    </message>
    <message>
        <source>Scanning for changes...</source>
        <translation>Wyszukiwanie zmian...</translation>
    </message>
    <message>
        <source>Registering product</source>
        <translation>Rejestrowanie produktu</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Język interfejsu</translation>
    </message>
    <message>
        <source>You are not running the setup as an administrator. Some features may not be installed correctly. Continue anyway?</source>
        <translation>Instalator nie został uruchomiony jako administrator. Niektóre funkcje mogą nie zostać poprawnie zainstalowane. Czy mimo to kontynuować?</translation>
    </message>
    <message>
        <source>There is not enough free space on %1. At least %2 is needed.</source>
        <translation>Za mało wolnego miejsca na %1. Potrzeba co najmniej %2.</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Skontaktuj się z pomocą techniczną</translation>
    </message>
    <message>
        <source>Task Details</source>
        <translation>Szczegóły zadania</translation>
    </message>
    <message>
        <source>Back up only when the computer is idle</source>
        <translation>Twórz kopie zapasowe tylko wtedy, gdy komputer jest bezczynny</translation>
    </message>
    <message>
        <source>Open the folder on the server in a web browser</source>
        <translation>Otwórz folder na serwerze w przeglądarce internetowej</translation>
    </message>
    <message>
        <source>Administrator permission is required.</source>
        <translation>Wymagane są uprawnienia administratora.</translation>
    </message>
    <message>
        <source>Creating shortcuts</source>
        <translation>Tworzenie skrótów</translation>
    </message>
    <message>
        <source>Your email address (optional)</source>
        <translation>Twój adres e-mail (opcjonalnie)</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>Free space on this drive: %1</source>
        <translation>Wolne miejsce na tym dysku: %1</translation>
    </message>
    <message>
        <source>The proxy connection works.</source>
        <translation>Połączenie przez serwer proxy działa.</translation>
    </message>
    <message>
        <source>Privacy statement</source>
        <translation>Oświadczenie o ochronie prywatności</translation>
    </message>
    <message>
        <source>Install the file manager extension (status icons and context menu)</source>
        <translation>Zainstaluj rozszerzenie menedżera plików (ikony stanu i menu kontekstowe)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>Select Folders</source>
        <translation>Wybierz foldery</translation>
    </message>
    <message>
        <source>The file is locked by another application.</source>
        <translation>Plik jest zablokowany przez inną aplikację.</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Stan:</translation>
    </message>
    <message>
        <source>Thank you! Your feedback has been sent.</source>
        <translation>Dziękujemy! Opinia została wysłana.</translation>
    </message>
    <message>
        <source>Sync directly with computers on the same network when possible</source>
        <translation>Jeśli to możliwe, synchronizuj bezpośrednio z komputerami w tej samej sieci</translation>
    </message>
    <message>
        <source>Download rate</source>
        <translation>Szybkość pobierania</translation>
    </message>
    <message>
        <source>&amp;Folder name:</source>
        <translation>&amp;Nazwa folderu:</translation>
    </message>
    <message>
        <source>%1 files, %2</source>
        <translation>Pliki: %1, %2</translation>
    </message>
    <message>
        <source>Version on this computer</source>
        <translation>Wersja na tym komputerze</translation>
    </message>
    <message>
        <source>The file name contains characters that are not allowed: %1</source>
        <translation>Nazwa pliku zawiera niedozwolone znaki: %1</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Dalej &gt;</translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>Wymaga uwagi</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Wymagane</translation>
    </message>
    <message>
        <source>Your settings and sync tasks are being moved to the new version of Quenmark Zelto Client. Do not turn off the computer.</source>
        <translation>Twoje ustawienia i zadania synchronizacji są przenoszone do nowej wersji Quenmark Zelto Client. Nie wyłączaj komputera.</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Podręcznik użytkownika</translation>
    </message>
    <message>
        <source>Expiration date</source>
        <translation>Data wygaśnięcia</translation>
    </message>
    <message>
        <source>The disk where your sync folder is located is almost full.</source>
        <translation>Dysk z folderem synchronizacji jest prawie pełny.</translation>
    </message>
    <message>
        <source>The server %1 could not be found. Check the address and try again.</source>
        <translation>Nie znaleziono serwera %1. Sprawdź adres i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>To pole jest wymagane.</translation>
    </message>
    <message>
        <source>You have read-only access to this shared folder.</source>
        <translation>Masz dostęp tylko do odczytu do tego folderu udostępnionego.</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Kopiuj łącze</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Wstecz</translation>
    </message>
    <message>
        <source>View Previous Versions</source>
        <translation>Wyświetl poprzednie wersje</translation>
    </message>
    <message>
        <source>Complete the sign-in in your web browser.</source>
        <translation>Dokończ logowanie w przeglądarce internetowej.</translation>
    </message>
    <message>
        <source>Directory user</source>
        <translation>Użytkownik katalogu</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Porównaj</translation>
    </message>
    <message>
        <source>Always Keep on This Device</source>
        <translation>Zawsze przechowuj na tym urządzeniu</translation>
    </message>
    <message>
        <source>You do not have write permission for the destination shared folder.</source>
        <translation>Nie masz uprawnień do zapisu w docelowym folderze udostępnionym.</translation>
    </message>
    <message>
        <source>Open Quenmark Zelto Client</source>
        <translation>Otwórz Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Jasny</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>Powiadomienie</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Pobierz</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Przerwij</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
    <message>
        <source>The folder is already used by another sync task.</source>
        <translation>Ten folder jest już używany przez inne zadanie synchronizacji.</translation>
    </message>
    <message>
        <source>This link has expired.</source>
        <translation>To łącze wygasło.</translation>
    </message>
    <message>
        <source>Installing [ProductName]</source>
        <translation>Instalowanie [ProductName]</translation>
    </message>
    <message>
        <source>Rename the server file</source>
        <translation>Zmień nazwę pliku na serwerze</translation>
    </message>
    <message>
        <source>Your files are now being synced. You can follow the progress from the icon in the notification area.</source>
        <translation>Pliki są teraz synchronizowane. Postęp możesz śledzić za pomocą ikony w obszarze powiadomień.</translation>
    </message>
    <message>
        <source>&amp;Disk Usage</source>
        <translation>Użycie &amp;dysku</translation>
    </message>
    <message>
        <source>Syncing</source>
        <translation>Synchronizowanie</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client is running. Quit it and click Retry, or click Cancel to stop the setup.</source>
        <translation>Quenmark Zelto Client jest uruchomiony. Zamknij go i kliknij Ponów albo kliknij Anuluj, aby przerwać instalację.</translation>
    </message>
    <message>
        <source>Share with users on the server</source>
        <translation>Udostępnij użytkownikom serwera</translation>
    </message>
    <message>
        <source>Can edit</source>
        <translation>Może edytować</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Środa</translation>
    </message>
    <message>
        <source>Looking for changed files...</source>
        <translation>Wyszukiwanie zmienionych plików...</translation>
    </message>
    <message>
        <source>Copy folders on this computer to the server on a schedule. Files deleted on this computer are kept on the server.</source>
        <translation>Kopiuje foldery z tego komputera na serwer według harmonogramu. Pliki usunięte na komputerze pozostają na serwerze.</translation>
    </message>
    <message>
        <source>Some settings could not be moved. Please check your sync tasks.</source>
        <translation>Nie udało się przenieść niektórych ustawień. Sprawdź zadania synchronizacji.</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Synchronizuj teraz</translation>
    </message>
    <message>
        <source>On-demand</source>
        <translation>Na żądanie</translation>
    </message>
    <message>
        <source>Saved accounts</source>
        <translation>Zapisane konta</translation>
    </message>
    <message>
        <source>Restore...</source>
        <translation>Przywróć...</translation>
    </message>
    <message>
        <source>Attach diagnostic logs</source>
        <translation>Dołącz dzienniki diagnostyczne</translation>
    </message>
    <message>
        <source>%1 results</source>
        <translation>Wyniki: %1</translation>
    </message>
    <message>
        <source>Open Sync Folder</source>
        <translation>Otwórz folder synchronizacji</translation>
    </message>
    <message>
        <source>%1 could not be updated. The installed version will be started.</source>
        <translation>Nie można zaktualizować aplikacji %1. Zostanie uruchomiona zainstalowana wersja.</translation>
    </message>
    <message>
        <source>%1 was not synced because it is larger than the maximum file size.</source>
        <translation>Plik %1 nie został zsynchronizowany, ponieważ przekracza maksymalny rozmiar pliku.</translation>
    </message>
    <message>
        <source>View on Web Portal</source>
        <translation>Wyświetl w portalu internetowym</translation>
    </message>
    <message>
        <source>Open the local folder</source>
        <translation>Otwórz folder lokalny</translation>
    </message>
    <message>
        <source>Permission</source>
        <translation>Uprawnienie</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Usunięto</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard removes [ProductName].</source>
        <translation>Poczekaj, aż kreator instalacji usunie [ProductName].</translation>
    </message>
    <message>
        <source>Moving Your Data</source>
        <translation>Przenoszenie danych</translation>
    </message>
    <message>
        <source>Ask when more than %1 files are deleted at once</source>
        <translation>Pytaj, gdy jednocześnie usuwanych jest więcej niż %1 plików</translation>
    </message>
    <message>
        <source>Uploaded</source>
        <translation>Wysłano</translation>
    </message>
    <message>
        <source>Server name</source>
        <translation>Nazwa serwera</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drukuj</translation>
    </message>
    <message>
        <source>Signed in as %1</source>
        <translation>Zalogowano jako %1</translation>
    </message>
    <message>
        <source>The recycle bin is not enabled for this shared folder. Deleted files cannot be restored.</source>
        <translation>Kosz nie jest włączony dla tego folderu udostępnionego. Usuniętych plików nie można przywrócić.</translation>
    </message>
    <message>
        <source>Uploading %1</source>
        <translation>Wysyłanie %1</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of [ProductName]. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Kliknij Napraw, aby naprawić instalację [ProductName]. Kliknij Wstecz, aby przejrzeć lub zmienić ustawienia instalacji. Kliknij Anuluj, aby zamknąć kreatora.</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Uruchomione</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Przed chwilą</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Zawsze na wierzchu</translation>
    </message>
    <message>
        <source>Verification code</source>
        <translation>Kod weryfikacyjny</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Wczoraj</translation>
    </message>
    <message>
        <source>Use the default folder (%1)</source>
        <translation>Użyj folderu domyślnego (%1)</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>Upuść pliki tutaj</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Piątek</translation>
    </message>
    <message>
        <source>Username field</source>
        <translation>Pole nazwy użytkownika</translation>
    </message>
    <message>
        <source>Encrypt data during transfer</source>
        <translation>Szyfruj dane podczas przesyłania</translation>
    </message>
    <message>
        <source>%1 files were changed.</source>
        <translation>Zmienione pliki: %1.</translation>
    </message>
    <message>
        <source>Sign In...</source>
        <translation>Zaloguj...</translation>
    </message>
    <message>
        <source>You do not have permission to perform this operation.</source>
        <translation>Nie masz uprawnień do wykonania tej operacji.</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Strony ustawień</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Użyj systemowych ustawień serwera proxy</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Oczekiwanie</translation>
    </message>
    <message>
        <source>The folder is read-only. Files cannot be written to it.</source>
        <translation>Folder jest tylko do odczytu. Nie można zapisywać w nim plików.</translation>
    </message>
    <message>
        <source>Next backup: %1</source>
        <translation>Następna kopia zapasowa: %1</translation>
    </message>
    <message>
        <source>The disk space required for the installation of the selected features.</source>
        <translation>Miejsce na dysku wymagane do zainstalowania wybranych funkcji.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <translation>Pliki tymczasowe</translation>
    </message>
    <message>
        <source>Issued to</source>
        <translation>Wystawiony dla</translation>
    </message>
    <message>
        <source>More actions</source>
        <translation>Więcej akcji</translation>
    </message>
    <message>
        <source>Download This Version</source>
        <translation>Pobierz tę wersję</translation>
    </message>
    <message>
        <source>Include in Sync</source>
        <translation>Uwzględnij w synchronizacji</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Notify me when a backup finishes</source>
        <translation>Powiadamiaj o zakończeniu tworzenia kopii zapasowej</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Poniedziałek</translation>
    </message>
    <message>
        <source>Unable to delete %1.</source>
        <translation>Nie można usunąć %1.</translation>
    </message>
    <message>
        <source>Open the sync folder</source>
        <translation>Otwórz folder synchronizacji</translation>
    </message>
    <message>
        <source>Create a shortcut on the &amp;desktop</source>
        <translation>Utwórz skrót na &amp;pulpicie</translation>
    </message>
    <message>
        <source>Unable to save the settings.</source>
        <translation>Nie można zapisać ustawień.</translation>
    </message>
    <message>
        <source>Email the report after each backup</source>
        <translation>Wysyłaj raport e-mailem po każdej kopii zapasowej</translation>
    </message>
    <message>
        <source>Cache location</source>
        <translation>Lokalizacja pamięci podręcznej</translation>
    </message>
    <message>
        <source>Include folder %1</source>
        <translation>Uwzględnij folder %1</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Rozmiar czcionki</translation>
    </message>
    <message>
        <source>Unable to create %1.</source>
        <translation>Nie można utworzyć %1.</translation>
    </message>
    <message>
        <source>Scanning local files...</source>
        <translation>Skanowanie plików lokalnych...</translation>
    </message>
    <message>
        <source>Back up on a schedule</source>
        <translation>Twórz kopie zapasowe według harmonogramu</translation>
    </message>
    <message>
        <source>&amp;Keep my settings and sync tasks</source>
        <translation>&amp;Zachowaj moje ustawienia i zadania synchronizacji</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Przywróć domyślne</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Powiadomienia</translation>
    </message>
    <message>
        <source>Cache size</source>
        <translation>Rozmiar pamięci podręcznej</translation>
    </message>
    <message>
        <source>Never expires</source>
        <translation>Nigdy nie wygasa</translation>
    </message>
    <message>
        <source>Select a server from the list or enter its address.</source>
        <translation>Wybierz serwer z listy lub wprowadź jego adres.</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Śr</translation>
    </message>
    <message>
        <source>%1 was deleted.</source>
        <translation>Usunięto plik %1.</translation>
    </message>
    <message>
        <source>The server is offline.</source>
        <translation>Serwer jest offline.</translation>
    </message>
    <message>
        <source>Open Recycle Bin</source>
        <translation>Otwórz kosz</translation>
    </message>
    <message>
        <source>Exclude from Sync</source>
        <translation>Wyklucz z synchronizacji</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Wyślij</translation>
    </message>
    <message>
        <source>Version on the server</source>
        <translation>Wersja na serwerze</translation>
    </message>
    <message>
        <source>Calculating time remaining...</source>
        <translation>Obliczanie pozostałego czasu...</translation>
    </message>
    <message>
        <source>SMTP port</source>
        <translation>Port SMTP</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Bez serwera proxy</translation>
    </message>
    <message>
        <source>Pause for 1 hour</source>
        <translation>Wstrzymaj na 1 godzinę</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Potwierdź</translation>
    </message>
    <message>
        <source>Rename the local file</source>
        <translation>Zmień nazwę pliku lokalnego</translation>
    </message>
    <message>
        <source>Show Previous Versions</source>
        <translation>Pokaż poprzednie wersje</translation>
    </message>
    <message>
        <source>Notify me when a sync finishes</source>
        <translation>Powiadamiaj o zakończeniu synchronizacji</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Eksportuj...</translation>
    </message>
    <message>
        <source>Current status</source>
        <translation>Bieżący stan</translation>
    </message>
    <message>
        <source>Stop Backup</source>
        <translation>Zatrzymaj tworzenie kopii zapasowej</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation>Pliki w użyciu</translation>
    </message>
    <message>
        <source>Do not sync temporary files</source>
        <translation>Nie synchronizuj plików tymczasowych</translation>
    </message>
    <message>
        <source>Unable to unpack the installation package.</source>
        <translation>Nie można rozpakować pakietu instalacyjnego.</translation>
    </message>
    <message>
        <source>The backup could not start because the server is offline.</source>
        <translation>Nie można rozpocząć tworzenia kopii zapasowej, ponieważ serwer jest offline.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Enter a valid IP address.</source>
        <translation>Wprowadź prawidłowy adres IP.</translation>
    </message>
    <message>
        <source>IP address, domain name or relay ID</source>
        <translation>Adres IP, nazwa domeny lub identyfikator przekaźnika</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Niedziela</translation>
    </message>
    <message>
        <source>You do not have permission to use this service. Contact your system administrator.</source>
        <translation>Nie masz uprawnień do korzystania z tej usługi. Skontaktuj się z administratorem systemu.</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>The backup is intact.</source>
        <translation>Kopia zapasowa jest nienaruszona.</translation>
    </message>
    <message>
        <source>Select at least one day.</source>
        <translation>Wybierz co najmniej jeden dzień.</translation>
    </message>
    <message>
        <source>%1 files were deleted from the sync folder. Do you also want to delete them from the server?</source>
        <translation>Z folderu synchronizacji usunięto pliki (%1). Czy usunąć je również z serwera?</translation>
    </message>
    <message>
        <source>Certificate Warning</source>
        <translation>Ostrzeżenie dotyczące certyfikatu</translation>
    </message>
    <message>
        <source>Remember my password</source>
        <translation>Zapamiętaj hasło</translation>
    </message>
    <message>
        <source>Weekly schedule grid</source>
        <translation>Siatka harmonogramu tygodniowego</translation>
    </message>
    <message>
        <source>Enter a number between %1 and %2.</source>
        <translation>Wprowadź liczbę z zakresu od %1 do %2.</translation>
    </message>
    <message>
        <source>The username or password you entered is incorrect.</source>
        <translation>Nazwa użytkownika lub hasło są nieprawidłowe.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Udostępnij</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Pokaż okno</translation>
    </message>
    <message>
        <source>Backing up %1 of %2 files</source>
        <translation>Tworzenie kopii zapasowej plików: %1 z %2</translation>
    </message>
    <message>
        <source>Keep only the latest versions</source>
        <translation>Przechowuj tylko najnowsze wersje</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <translation>Za mało wolnego miejsca na dysku lokalnym.</translation>
    </message>
    <message>
        <source>The file was changed both on this computer and on the server since the last sync.</source>
        <translation>Od ostatniej synchronizacji plik został zmieniony zarówno na tym komputerze, jak i na serwerze.</translation>
    </message>
    <message>
        <source>Everything is up to date</source>
        <translation>Wszystko jest aktualne</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Porada</translation>
    </message>
    <message>
        <source>Scan complete</source>
        <translation>Skanowanie zakończone</translation>
    </message>
    <message>
        <source>Welcome to the [ProductName] Setup Wizard</source>
        <translation>Witamy w kreatorze instalacji [ProductName]</translation>
    </message>
    <message>
        <source>Choose how to sync</source>
        <translation>Wybierz sposób synchronizacji</translation>
    </message>
    <message>
        <source>Use * to match any characters and ? to match one character.</source>
        <translation>Użyj * jako dowolnych znaków, a ? jako pojedynczego znaku.</translation>
    </message>
    <message>
        <source>Ready to remove [ProductName]</source>
        <translation>Gotowe do usunięcia [ProductName]</translation>
    </message>
    <message>
        <source>Last run time</source>
        <translation>Ostatnie uruchomienie</translation>
    </message>
    <message>
        <source>Backup finished with errors</source>
        <translation>Tworzenie kopii zapasowej zakończone z błędami</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <translation>Wybierz folder na tym komputerze</translation>
    </message>
    <message>
        <source>File name pattern</source>
        <translation>Wzorzec nazwy pliku</translation>
    </message>
    <message>
        <source>%1 servers found on your local network.</source>
        <translation>Znalezione serwery w sieci lokalnej: %1.</translation>
    </message>
    <message>
        <source>Restart Later</source>
        <translation>Uruchom ponownie później</translation>
    </message>
    <message>
        <source>Last sync</source>
        <translation>Ostatnia synchronizacja</translation>
    </message>
    <message>
        <source>Stop Sharing</source>
        <translation>Zatrzymaj udostępnianie</translation>
    </message>
    <message>
        <source>Unable to connect to the server. Check your network connection and the server address.</source>
        <translation>Nie można połączyć się z serwerem. Sprawdź połączenie sieciowe i adres serwera.</translation>
    </message>
</context>
</TS>
