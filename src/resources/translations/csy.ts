<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>The quota of destination shared folder has reached the system limit. Please change the quota limit on the server or contact the system administrator.</source>
        <translation>Kvóta cílové sdílené složky dosáhla systémového limitu. Změňte limit kvóty na serveru nebo se obraťte na správce systému.</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Změněno</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>Zapomněli jste heslo?</translation>
    </message>
    <message>
        <source>Field cannot exceed %1 numbers.</source>
        <translation>Pole nesmí obsahovat více než %1 číslic.</translation>
    </message>
    <message>
        <source>Show or hide the password</source>
        <translation>Zobrazit nebo skrýt heslo</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorovat</translation>
    </message>
    <message>
        <source>Verifying files...</source>
        <translation>Ověřování souborů...</translation>
    </message>
    <message>
        <source>Dismiss notification</source>
        <translation>Zavřít oznámení</translation>
    </message>
    <message>
        <source>Take Snapshot</source>
        <translation>Pořídit snímek</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Podrobnosti</translation>
    </message>
    <message>
        <source>Upload queue</source>
        <translation>Fronta odesílání</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>Sync Task</source>
        <translation>Synchronizační úloha</translation>
    </message>
    <message>
        <source>Starting services</source>
        <translation>Spouštění služeb</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation>Přesto pokračovat</translation>
    </message>
    <message>
        <source>%1 was not synced because it matches a filter rule.</source>
        <translation>Soubor %1 nebyl synchronizován, protože odpovídá pravidlu filtru.</translation>
    </message>
    <message>
        <source>Resume All</source>
        <translation>Pokračovat ve všem</translation>
    </message>
    <message>
        <source>Local network only</source>
        <translation>Jen místní síť</translation>
    </message>
    <message>
        <source>A relay connection can be slower than a direct connection.</source>
        <translation>Připojení přes přenos může být pomalejší než přímé připojení.</translation>
    </message>
    <message>
        <source>Encryption key</source>
        <translation>Šifrovací klíč</translation>
    </message>
    <message>
        <source>Back up only when I start it manually</source>
        <translation>Zálohovat jen po ručním spuštění</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Server: %1</source>
        <translation>Server: %1</translation>
    </message>
    <message>
        <source>Can view</source>
        <translation>Může zobrazit</translation>
    </message>
    <message>
        <source>[ProductName] setup was interrupted. Your system has not been modified. To install this program at a later time, please run the installation again.</source>
        <translation>Instalace [ProductName] byla přerušena. Systém nebyl změněn. Chcete-li tento program nainstalovat později, spusťte instalaci znovu.</translation>
    </message>
    <message>
        <source>Connect to a server</source>
        <translation>Připojení k serveru</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Obecné</translation>
    </message>
    <message>
        <source>Proxy server requires a password</source>
        <translation>Proxy server vyžaduje heslo</translation>
    </message>
    <message>
        <source>Field cannot exceed %1 characters.</source>
        <translation>Pole nesmí obsahovat více než %1 znaků.</translation>
    </message>
    <message>
        <source>I &amp;accept the terms in the License Agreement</source>
        <translation>&amp;Souhlasím s podmínkami licenční smlouvy</translation>
    </message>
    <message>
        <source>Only the checked folders are synced to this computer.</source>
        <translation>Do tohoto počítače se synchronizují jen zaškrtnuté složky.</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>Zálohování se nezdařilo.</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation>Probíhá upgrade...</translation>
    </message>
    <message>
        <source>Pause syncing on metered connections</source>
        <translation>Pozastavit synchronizaci při měřeném připojení</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Začít</translation>
    </message>
    <message>
        <source>Restore this version? The current version will be saved as a previous version.</source>
        <translation>Obnovit tuto verzi? Aktuální verze se uloží jako předchozí verze.</translation>
    </message>
    <message>
        <source>Updating %1...</source>
        <translation>Probíhá aktualizace aplikace %1...</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hledat</translation>
    </message>
    <message>
        <source>Folders on a network drive cannot be synced.</source>
        <translation>Složky na síťové jednotce nelze synchronizovat.</translation>
    </message>
    <message>
        <source>Restore Down</source>
        <translation>Obnovit z maximalizace</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Seznam</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Hledat servery v místní síti</translation>
    </message>
    <message>
        <source>There are no previous versions of this file.</source>
        <translation>Tento soubor nemá žádné předchozí verze.</translation>
    </message>
    <message>
        <source>Backup cancelled</source>
        <translation>Zálohování bylo zrušeno</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>Znovu nezobrazovat</translation>
    </message>
    <message>
        <source>Enter the encryption key to open this shared folder.</source>
        <translation>Zadejte šifrovací klíč pro otevření této sdílené složky.</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Motiv</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Použít</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Názvy souborů</translation>
    </message>
    <message>
        <source>Do not sync files larger than</source>
        <translation>Nesynchronizovat soubory větší než</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Zápis</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Otevřít soubor</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Rozdíl</translation>
    </message>
    <message>
        <source>Restore Files</source>
        <translation>Obnovit soubory</translation>
    </message>
    <message>
        <source>Files deleted on this computer are moved to the recycle bin of the shared folder on the server.</source>
        <translation>Soubory odstraněné v tomto počítači se přesunou do koše sdílené složky na serveru.</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>&amp;Instalovat</translation>
    </message>
    <message>
        <source>%1 files were skipped because they were in use.</source>
        <translation>Přeskočené soubory, které se používaly: %1.</translation>
    </message>
    <message>
        <source>The drive uses the FAT file system, which does not support files larger than 4 GB. Files over this size will not be synced.</source>
        <translation>Jednotka používá systém souborů FAT, který nepodporuje soubory větší než 4 GB. Větší soubory se nebudou synchronizovat.</translation>
    </message>
    <message>
        <source>%1 files were deleted on the server.</source>
        <translation>Soubory odstraněné na serveru: %1.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Ochrana osobních údajů</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>Connected through the relay service</source>
        <translation>Připojeno přes přenosovou službu</translation>
    </message>
    <message>
        <source>Connecting through the relay service...</source>
        <translation>Připojování přes přenosovou službu...</translation>
    </message>
    <message>
        <source>Install [ProductName] to:</source>
        <translation>Nainstalovat [ProductName] do:</translation>
    </message>
    <message>
        <source>Email Notifications</source>
        <translation>E-mailová oznámení</translation>
    </message>
    <message>
        <source>Battery is low. Syncing has been paused.</source>
        <translation>Baterie je téměř vybitá. Synchronizace byla pozastavena.</translation>
    </message>
    <message>
        <source>Client ID</source>
        <translation>ID klienta</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A task with this name already exists.</source>
        <translation>Úloha s tímto názvem již existuje.</translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely</source>
        <translation>Průvodce instalací [ProductName] byl předčasně ukončen</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Tento počítač</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Nezdařilo se</translation>
    </message>
    <message>
        <source>Connection status</source>
        <translation>Stav připojení</translation>
    </message>
    <message>
        <source>The sync service could not be started.</source>
        <translation>Synchronizační službu nelze spustit.</translation>
    </message>
    <message>
        <source>Rolling back action:</source>
        <translation>Vracení akce zpět:</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Připojování k %1...</translation>
    </message>
    <message>
        <source>Domain user</source>
        <translation>Uživatel domény</translation>
    </message>
    <message>
        <source>Hide Details</source>
        <translation>Skrýt podrobnosti</translation>
    </message>
    <message>
        <source>About Quenmark Zelto Client</source>
        <translation>O aplikaci Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Aktuální</translation>
    </message>
    <message>
        <source>Notify me about conflicts</source>
        <translation>Upozornit na konflikty</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client</source>
        <translation>Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Remove saved account</source>
        <translation>Odebrat uložený účet</translation>
    </message>
    <message>
        <source>Restore to</source>
        <translation>Obnovit do</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Aktualizovat</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Název počítače</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>The path of the folder is too long.</source>
        <translation>Cesta ke složce je příliš dlouhá.</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Připomenout později</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>TB</translation>
    </message>
    <message>
        <source>This account has expired. Contact your system administrator.</source>
        <translation>Platnost tohoto účtu vypršela. Obraťte se na správce systému.</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Šifrování</translation>
    </message>
    <message>
        <source>Clear Cache</source>
        <translation>Vymazat mezipaměť</translation>
    </message>
    <message>
        <source>Release Notes</source>
        <translation>Poznámky k verzi</translation>
    </message>
    <message>
        <source>The installation failed. Please reinstall Quenmark Zelto Client.</source>
        <translation>Instalace se nezdařila. Nainstalujte Quenmark Zelto Client znovu.</translation>
    </message>
    <message>
        <source>No access</source>
        <translation>Bez přístupu</translation>
    </message>
    <message>
        <source>Local path</source>
        <translation>Místní cesta</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Název</translation>
    </message>
    <message>
        <source>Save Report...</source>
        <translation>Uložit zprávu...</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Connect with HTTPS (recommended)</source>
        <translation>Připojit přes HTTPS (doporučeno)</translation>
    </message>
    <message>
        <source>Unable to install the update.</source>
        <translation>Aktualizaci nelze nainstalovat.</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Uživatelské jméno</translation>
    </message>
    <message>
        <source>The Setup Wizard will update the installed [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>Průvodce instalací aktualizuje nainstalovaný [ProductName] v počítači. Pokračujte klepnutím na Další, nebo průvodce ukončete klepnutím na Storno.</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>Konflikt</translation>
    </message>
    <message>
        <source>Folder on server</source>
        <translation>Složka na serveru</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Vše</translation>
    </message>
    <message>
        <source>Search file names</source>
        <translation>Hledat názvy souborů</translation>
    </message>
    <message>
        <source>Restart File Manager</source>
        <translation>Restartovat správce souborů</translation>
    </message>
    <message>
        <source>Verify Backup</source>
        <translation>Ověřit zálohu</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nový název</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Upřesnit</translation>
    </message>
    <message>
        <source>Download speed</source>
        <translation>Rychlost stahování</translation>
    </message>
    <message>
        <source>Issued by</source>
        <translation>Vystavitel</translation>
    </message>
    <message>
        <source>Click Remove to remove [ProductName] from your computer. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Klepnutím na Odebrat odeberete [ProductName] z počítače. Klepnutím na Zpět můžete zkontrolovat nebo změnit nastavení instalace. Klepnutím na Storno průvodce ukončíte.</translation>
    </message>
    <message>
        <source>Show all server files on this computer and download them only when you open them, saving local disk space.</source>
        <translation>Zobrazuje v tomto počítači všechny soubory ze serveru a stahuje je až při otevření, čímž šetří místo na místním disku.</translation>
    </message>
    <message>
        <source>Destination folder on server</source>
        <translation>Cílová složka na serveru</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>There is not enough free space on the server.</source>
        <translation>Na serveru není dostatek volného místa.</translation>
    </message>
    <message>
        <source>You need administrator privileges to install [ProductName]. Sign in as an administrator and run the setup again.</source>
        <translation>K instalaci [ProductName] potřebujete oprávnění správce. Přihlaste se jako správce a spusťte instalaci znovu.</translation>
    </message>
    <message>
        <source>A test email has been sent.</source>
        <translation>Zkušební e-mail byl odeslán.</translation>
    </message>
    <message>
        <source>Enter a name for the task.</source>
        <translation>Zadejte název úlohy.</translation>
    </message>
    <message>
        <source>Syncing %1 of %2 files</source>
        <translation>Synchronizace souborů: %1 z %2</translation>
    </message>
    <message>
        <source>Add Rule</source>
        <translation>Přidat pravidlo</translation>
    </message>
    <message>
        <source>Password field</source>
        <translation>Pole hesla</translation>
    </message>
    <message>
        <source>File Conflict</source>
        <translation>Konflikt souborů</translation>
    </message>
    <message>
        <source>Moving your settings to the new version...</source>
        <translation>Probíhá přenos nastavení do nové verze...</translation>
    </message>
    <message>
        <source>Folders on a removable drive cannot be synced.</source>
        <translation>Složky na vyměnitelné jednotce nelze synchronizovat.</translation>
    </message>
    <message>
        <source>Backup Task</source>
        <translation>Zálohovací úloha</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Otevřít složku protokolů</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Zrušeno</translation>
    </message>
    <message>
        <source>Compress data during transfer</source>
        <translation>Komprimovat data při přenosu</translation>
    </message>
    <message>
        <source>Backups run automatically at the times you choose. A running backup is not interrupted when its time slot ends.</source>
        <translation>Zálohování probíhá automaticky ve zvolených časech. Probíhající záloha se po skončení časového okna nepřeruší.</translation>
    </message>
    <message>
        <source>Export Settings...</source>
        <translation>Exportovat nastavení...</translation>
    </message>
    <message>
        <source>A conflict was found in %1. Both versions have been kept.</source>
        <translation>V %1 byl zjištěn konflikt. Obě verze byly zachovány.</translation>
    </message>
    <message>
        <source>Start Quenmark Zelto Client when I sign in</source>
        <translation>Spouštět Quenmark Zelto Client po přihlášení</translation>
    </message>
    <message>
        <source>Copying new files</source>
        <translation>Kopírování nových souborů</translation>
    </message>
    <message>
        <source>Contact your system administrator.</source>
        <translation>Obraťte se na správce systému.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Create Sharing Link</source>
        <translation>Vytvořit odkaz ke sdílení</translation>
    </message>
    <message>
        <source>The sync service stopped unexpectedly.</source>
        <translation>Synchronizační služba se neočekávaně zastavila.</translation>
    </message>
    <message>
        <source>The background service is running.</source>
        <translation>Služba na pozadí je spuštěna.</translation>
    </message>
    <message>
        <source>Folders you uncheck will be removed from this computer but stay on the server.</source>
        <translation>Složky, u kterých zrušíte zaškrtnutí, budou z tohoto počítače odebrány, ale na serveru zůstanou.</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Umístění</translation>
    </message>
    <message>
        <source>Always trust this certificate</source>
        <translation>Vždy důvěřovat tomuto certifikátu</translation>
    </message>
    <message>
        <source>Files are synced into this folder. You can pick an empty folder or a folder that already holds files.</source>
        <translation>Soubory se synchronizují do této složky. Můžete vybrat prázdnou složku nebo složku, která již soubory obsahuje.</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nikdy</translation>
    </message>
    <message>
        <source>The task has been removed.</source>
        <translation>Úloha byla odebrána.</translation>
    </message>
    <message>
        <source>Local folder path field</source>
        <translation>Pole cesty k místní složce</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client %1 is available. You have version %2.</source>
        <translation>Je k dispozici Quenmark Zelto Client %1. Máte verzi %2.</translation>
    </message>
    <message>
        <source>Original location</source>
        <translation>Původní umístění</translation>
    </message>
    <message>
        <source>Space needed: %1</source>
        <translation>Potřebné místo: %1</translation>
    </message>
    <message>
        <source>Every hour</source>
        <translation>Každou hodinu</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Odebrat</translation>
    </message>
    <message>
        <source>Modified by</source>
        <translation>Změnil(a)</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>bajtů</translation>
    </message>
    <message>
        <source>%1 was added.</source>
        <translation>Soubor %1 byl přidán.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Verze %1</translation>
    </message>
    <message>
        <source>Drag files here to upload them.</source>
        <translation>Přetažením souborů sem je odešlete.</translation>
    </message>
    <message>
        <source>Smart retention</source>
        <translation>Inteligentní uchovávání</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Čas zahájení</translation>
    </message>
    <message>
        <source>Your password has expired. Change it on the server, then sign in again.</source>
        <translation>Platnost hesla vypršela. Změňte jej na serveru a znovu se přihlaste.</translation>
    </message>
    <message>
        <source>The proxy server requires authentication.</source>
        <translation>Proxy server vyžaduje ověření.</translation>
    </message>
    <message>
        <source>Prefer IPv6</source>
        <translation>Upřednostňovat IPv6</translation>
    </message>
    <message>
        <source>Select Folders...</source>
        <translation>Vybrat složky...</translation>
    </message>
    <message>
        <source>The logs have been saved to %1.</source>
        <translation>Protokoly byly uloženy do %1.</translation>
    </message>
    <message>
        <source>Connected through the local network</source>
        <translation>Připojeno přes místní síť</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualizovat</translation>
    </message>
    <message>
        <source>A new version of Quenmark Zelto Client is available.</source>
        <translation>Je k dispozici nová verze Quenmark Zelto Client.</translation>
    </message>
    <message>
        <source>No recent changes</source>
        <translation>Žádné nedávné změny</translation>
    </message>
    <message>
        <source>Syncing is paused</source>
        <translation>Synchronizace je pozastavena</translation>
    </message>
    <message>
        <source>Keep Files</source>
        <translation>Zachovat soubory</translation>
    </message>
    <message>
        <source>Manage Tasks</source>
        <translation>Správa úloh</translation>
    </message>
    <message>
        <source>Free Up Space</source>
        <translation>Uvolnit místo</translation>
    </message>
    <message>
        <source>Desktop shortcut</source>
        <translation>Zástupce na ploše</translation>
    </message>
    <message>
        <source>[ProductName] cannot be installed on this version of the operating system.</source>
        <translation>[ProductName] nelze nainstalovat do této verze operačního systému.</translation>
    </message>
    <message>
        <source>No entries match your search.</source>
        <translation>Hledání neodpovídají žádné záznamy.</translation>
    </message>
    <message>
        <source>Show tips at startup</source>
        <translation>Zobrazovat tipy při spuštění</translation>
    </message>
    <message>
        <source>Last backup failed %1</source>
        <translation>Poslední záloha se nezdařila: %1</translation>
    </message>
    <message>
        <source>You must restart your system for the configuration changes made to [ProductName] to take effect. Click Yes to restart now or No if you plan to restart later.</source>
        <translation>Aby se změny konfigurace [ProductName] projevily, je nutné restartovat systém. Klepnutím na Ano restartujete nyní, klepnutím na Ne můžete restartovat později.</translation>
    </message>
    <message>
        <source>&amp;Close the applications and attempt to restart them.</source>
        <translation>&amp;Zavřít aplikace a pokusit se je znovu spustit.</translation>
    </message>
    <message>
        <source>An unknown error occurred. Please try again later.</source>
        <translation>Došlo k neznámé chybě. Zkuste to prosím později.</translation>
    </message>
    <message>
        <source>Tell us what went wrong or what you would like to see improved.</source>
        <translation>Napište nám, co nefungovalo nebo co bychom měli zlepšit.</translation>
    </message>
    <message>
        <source>Default port</source>
        <translation>Výchozí port</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>Vytvořit novou složku</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>Tato složka je prázdná.</translation>
    </message>
    <message>
        <source>Copied to the clipboard</source>
        <translation>Zkopírováno do schránky</translation>
    </message>
    <message>
        <source>Change, repair, or remove installation</source>
        <translation>Změnit, opravit nebo odebrat instalaci</translation>
    </message>
    <message>
        <source>Unable to open the local database.</source>
        <translation>Místní databázi nelze otevřít.</translation>
    </message>
    <message>
        <source>Back Up This Folder</source>
        <translation>Zálohovat tuto složku</translation>
    </message>
    <message>
        <source>Add Account...</source>
        <translation>Přidat účet...</translation>
    </message>
    <message>
        <source>Do this for all conflicts</source>
        <translation>Použít pro všechny konflikty</translation>
    </message>
    <message>
        <source>View Issues</source>
        <translation>Zobrazit problémy</translation>
    </message>
    <message>
        <source>The highlighted volumes do not have enough disk space available for the currently selected features. You can remove some files from the highlighted volumes, or cancel the installation.</source>
        <translation>Zvýrazněné svazky nemají dostatek místa pro vybrané funkce. Můžete ze zvýrazněných svazků odebrat některé soubory, nebo instalaci zrušit.</translation>
    </message>
    <message>
        <source>Fine-tune what is synced. You can change these options later in Settings.</source>
        <translation>Upřesněte, co se má synchronizovat. Tyto možnosti můžete později změnit v nastavení.</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Zařízení</translation>
    </message>
    <message>
        <source>Do you want to sign out? All sync tasks of this account will stop.</source>
        <translation>Chcete se odhlásit? Všechny synchronizační úlohy tohoto účtu se zastaví.</translation>
    </message>
    <message>
        <source>Notify me when others change shared files</source>
        <translation>Upozornit, když ostatní změní sdílené soubory</translation>
    </message>
    <message>
        <source>Click Next to install to the default folder or click Change to choose another.</source>
        <translation>Klepnutím na Další nainstalujete do výchozí složky, klepnutím na Změnit vyberete jinou.</translation>
    </message>
    <message>
        <source>Previous Versions</source>
        <translation>Předchozí verze</translation>
    </message>
    <message>
        <source>I lost my authentication device</source>
        <translation>Ztratil jsem ověřovací zařízení</translation>
    </message>
    <message>
        <source>Enter the address of the server you want to sync with.</source>
        <translation>Zadejte adresu serveru, se kterým chcete synchronizovat.</translation>
    </message>
    <message>
        <source>Check file consistency after sync</source>
        <translation>Po synchronizaci kontrolovat konzistenci souborů</translation>
    </message>
    <message>
        <source>The identity of the server has changed. If you did not expect this, someone may be intercepting your connection.</source>
        <translation>Identita serveru se změnila. Pokud jste to nečekali, někdo se možná pokouší zachytit vaše připojení.</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Vymazat historii</translation>
    </message>
    <message>
        <source>Quit Quenmark Zelto Client</source>
        <translation>Ukončit Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Server folder path field</source>
        <translation>Pole cesty ke složce na serveru</translation>
    </message>
    <message>
        <source>Remove Folder</source>
        <translation>Odebrat složku</translation>
    </message>
    <message>
        <source>Opened %1 times</source>
        <translation>Počet otevření: %1</translation>
    </message>
    <message>
        <source>%1 files backed up, %2 skipped</source>
        <translation>Zálohované soubory: %1, přeskočené: %2</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Probíhá zálohování...</translation>
    </message>
    <message>
        <source>Do you want to disconnect this computer from %1?</source>
        <translation>Chcete odpojit tento počítač od %1?</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Zobrazit</translation>
    </message>
    <message>
        <source>Show the sync folder in the file manager sidebar</source>
        <translation>Zobrazovat synchronizovanou složku na bočním panelu správce souborů</translation>
    </message>
    <message>
        <source>Run Diagnostics</source>
        <translation>Spustit diagnostiku</translation>
    </message>
    <message>
        <source>Notify me about errors</source>
        <translation>Upozornit na chyby</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>&amp;Změnit...</translation>
    </message>
    <message>
        <source>Separate extensions with commas, for example tmp, bak</source>
        <translation>Přípony oddělte čárkami, například tmp, bak</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Nečinné</translation>
    </message>
    <message>
        <source>Scanning files on the server...</source>
        <translation>Prohledávání souborů na serveru...</translation>
    </message>
    <message>
        <source>Keep history for %1 days</source>
        <translation>Uchovávat historii %1 dní</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Čtení</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Přejít zpět</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>Operace se nezdařila.</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Procházet...</translation>
    </message>
    <message>
        <source>Restart Now</source>
        <translation>Restartovat nyní</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>Unable to connect through the proxy server.</source>
        <translation>Přes proxy server se nelze připojit.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Stahování %1</translation>
    </message>
    <message>
        <source>Delete Files</source>
        <translation>Odstranit soubory</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Access from your IP address has been denied by the server. Contact the system administrator.</source>
        <translation>Server odepřel přístup z vaší IP adresy. Obraťte se na správce systému.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>Import Settings...</source>
        <translation>Importovat nastavení...</translation>
    </message>
    <message>
        <source>There is not enough memory to complete the operation.</source>
        <translation>Pro dokončení operace není dostatek paměti.</translation>
    </message>
    <message>
        <source>Unable to load the settings. Default settings will be used.</source>
        <translation>Nastavení nelze načíst. Použije se výchozí nastavení.</translation>
    </message>
    <message>
        <source>The server is busy. Please try again later.</source>
        <translation>Server je zaneprázdněn. Zkuste to prosím později.</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Šířka pásma</translation>
    </message>
    <message>
        <source>Low disk space</source>
        <translation>Málo místa na disku</translation>
    </message>
    <message>
        <source>Verifying backup...</source>
        <translation>Ověřování zálohy...</translation>
    </message>
    <message>
        <source>Running diagnostics...</source>
        <translation>Probíhá diagnostika...</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procházet...</translation>
    </message>
    <message>
        <source>Skip existing files</source>
        <translation>Přeskočit existující soubory</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Název souboru</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Files already in it will be merged with the files on the server.</source>
        <translation>Vybraná složka není prázdná. Soubory v ní budou sloučeny se soubory na serveru.</translation>
    </message>
    <message>
        <source>SOCKS5</source>
        <translation>SOCKS5</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Your IP address has been blocked for %1 minutes.</source>
        <translation>Příliš mnoho neúspěšných pokusů o přihlášení. Vaše IP adresa byla zablokována na %1 min.</translation>
    </message>
    <message>
        <source>Limit to</source>
        <translation>Omezit na</translation>
    </message>
    <message>
        <source>Show a pop-up message</source>
        <translation>Zobrazit místní zprávu</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Odpojeno</translation>
    </message>
    <message>
        <source>Two-step verification</source>
        <translation>Dvoufázové ověření</translation>
    </message>
    <message>
        <source>Ready to repair [ProductName]</source>
        <translation>Vše připraveno k opravě [ProductName]</translation>
    </message>
    <message>
        <source>The source folder %1 could not be found. Connect the drive or remove the folder from the backup.</source>
        <translation>Zdrojová složka %1 nebyla nalezena. Připojte jednotku nebo odeberte složku ze zálohy.</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>The end time must be later than the start time.</source>
        <translation>Čas ukončení musí být pozdější než čas zahájení.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>K dispozici</translation>
    </message>
    <message>
        <source>Enable debug logging</source>
        <translation>Zapnout ladicí protokolování</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics to help improve the product</source>
        <translation>Odesílat anonymní statistiky používání a pomoci tak produkt zlepšovat</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Vymazat hledání</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Zobrazit heslo</translation>
    </message>
    <message>
        <source>The link was created.</source>
        <translation>Odkaz byl vytvořen.</translation>
    </message>
    <message>
        <source>This server has no shared folder you can access. Ask the administrator for permission.</source>
        <translation>Na tomto serveru není žádná sdílená složka, ke které máte přístup. Požádejte správce o oprávnění.</translation>
    </message>
    <message>
        <source>The background service is not running.</source>
        <translation>Služba na pozadí není spuštěna.</translation>
    </message>
    <message>
        <source>Restore files as they were on</source>
        <translation>Obnovit soubory do stavu ke dni</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs [ProductName].</source>
        <translation>Počkejte, než Průvodce instalací nainstaluje [ProductName].</translation>
    </message>
    <message>
        <source>Syncing is paused on a metered connection.</source>
        <translation>Synchronizace je při měřeném připojení pozastavena.</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Neznámé</translation>
    </message>
    <message>
        <source>This rule already exists.</source>
        <translation>Toto pravidlo již existuje.</translation>
    </message>
    <message>
        <source>List of recent file changes</source>
        <translation>Seznam posledních změn souborů</translation>
    </message>
    <message>
        <source>Team Folders</source>
        <translation>Týmové složky</translation>
    </message>
    <message>
        <source>Remove the selected task</source>
        <translation>Odebrat vybranou úlohu</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>Aktuální heslo</translation>
    </message>
    <message>
        <source>Same as the system</source>
        <translation>Stejný jako systém</translation>
    </message>
    <message>
        <source>Review the settings below, then click Done to start syncing.</source>
        <translation>Zkontrolujte níže uvedené nastavení a klepnutím na Hotovo spusťte synchronizaci.</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Diagnostika</translation>
    </message>
    <message>
        <source>Unable to read %1.</source>
        <translation>Nelze číst %1.</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>Synchronizace dokončena</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Účet</translation>
    </message>
    <message>
        <source>Start minimized to the notification area</source>
        <translation>Spouštět minimalizovaně v oznamovací oblasti</translation>
    </message>
    <message>
        <source>This wizard helps you connect this computer to your server and choose which folders to keep in sync.</source>
        <translation>Tento průvodce vám pomůže připojit počítač k serveru a vybrat složky, které se mají synchronizovat.</translation>
    </message>
    <message>
        <source>You are using the latest version.</source>
        <translation>Používáte nejnovější verzi.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached.</source>
        <translation>Byla dosažena vaše kvóta úložiště na serveru.</translation>
    </message>
    <message>
        <source>Show Toolbar</source>
        <translation>Zobrazit panel nástrojů</translation>
    </message>
    <message>
        <source>%1 changes are waiting to be synced.</source>
        <translation>Změny čekající na synchronizaci: %1.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pozastavit</translation>
    </message>
    <message>
        <source>Do you want to remove Quenmark Zelto Client and all of its components?</source>
        <translation>Chcete odebrat Quenmark Zelto Client a všechny jeho součásti?</translation>
    </message>
    <message>
        <source>I accept the terms of the license agreement</source>
        <translation>Souhlasím s podmínkami licenční smlouvy</translation>
    </message>
    <message>
        <source>System folders cannot be synced. Choose another folder.</source>
        <translation>Systémové složky nelze synchronizovat. Vyberte jinou složku.</translation>
    </message>
    <message>
        <source>Launch at startup</source>
        <translation>Spouštět při startu systému</translation>
    </message>
    <message>
        <source>Two-step verification is required for this account.</source>
        <translation>Tento účet vyžaduje dvoufázové ověření.</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>Rebuild Database</source>
        <translation>Obnovit databázi</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Přihlášení</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sobota</translation>
    </message>
    <message>
        <source>The connection to the server timed out.</source>
        <translation>Vypršel časový limit připojení k serveru.</translation>
    </message>
    <message>
        <source>Internet access</source>
        <translation>Přístup z internetu</translation>
    </message>
    <message>
        <source>Show Quenmark Zelto Client items in the file manager context menu</source>
        <translation>Zobrazovat položky Quenmark Zelto Client v místní nabídce správce souborů</translation>
    </message>
    <message>
        <source>&amp;Repair</source>
        <translation>&amp;Opravit</translation>
    </message>
    <message>
        <source>Select the files and folders to restore.</source>
        <translation>Vyberte soubory a složky, které chcete obnovit.</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Mezipaměť</translation>
    </message>
    <message>
        <source>%1 is a reserved name and cannot be used.</source>
        <translation>%1 je vyhrazený název a nelze jej použít.</translation>
    </message>
    <message>
        <source>%1 was updated.</source>
        <translation>Soubor %1 byl aktualizován.</translation>
    </message>
    <message>
        <source>SMTP server</source>
        <translation>Server SMTP</translation>
    </message>
    <message>
        <source>No file has been synced yet.</source>
        <translation>Zatím nebyl synchronizován žádný soubor.</translation>
    </message>
    <message>
        <source>Open Web Portal</source>
        <translation>Otevřít webový portál</translation>
    </message>
    <message>
        <source>Background service</source>
        <translation>Služba na pozadí</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Opakovat</translation>
    </message>
    <message>
        <source>View Certificate</source>
        <translation>Zobrazit certifikát</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Not synced</source>
        <translation>Nesynchronizováno</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Nápověda online</translation>
    </message>
    <message>
        <source>The server name could not be resolved.</source>
        <translation>Název serveru nelze přeložit.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Upozornění</translation>
    </message>
    <message>
        <source>The link could not be copied.</source>
        <translation>Odkaz nelze zkopírovat.</translation>
    </message>
    <message>
        <source>Run a missed backup when the computer starts</source>
        <translation>Spustit zmeškanou zálohu při startu počítače</translation>
    </message>
    <message>
        <source>Every %1 hours</source>
        <translation>Každých %1 h</translation>
    </message>
    <message>
        <source>Out of Disk Space</source>
        <translation>Nedostatek místa na disku</translation>
    </message>
    <message>
        <source>The link has been copied to the clipboard.</source>
        <translation>Odkaz byl zkopírován do schránky.</translation>
    </message>
    <message>
        <source>Open settings</source>
        <translation>Otevřít nastavení</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel [ProductName] installation?</source>
        <translation>Opravdu chcete zrušit instalaci [ProductName]?</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Upravit</translation>
    </message>
    <message>
        <source>Enter a port number between 1 and 65535.</source>
        <translation>Zadejte číslo portu od 1 do 65535.</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filtry</translation>
    </message>
    <message>
        <source>Disk Size</source>
        <translation>Velikost disku</translation>
    </message>
    <message>
        <source>This version of the file is no longer available.</source>
        <translation>Tato verze souboru již není k dispozici.</translation>
    </message>
    <message>
        <source>Hide Window</source>
        <translation>Skrýt okno</translation>
    </message>
    <message>
        <source>Remove Rule</source>
        <translation>Odebrat pravidlo</translation>
    </message>
    <message>
        <source>Your session has expired. Please sign in again.</source>
        <translation>Platnost relace vypršela. Přihlaste se znovu.</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Doména</translation>
    </message>
    <message>
        <source>Symbolic links are not synced.</source>
        <translation>Symbolické odkazy se nesynchronizují.</translation>
    </message>
    <message>
        <source>Create Backup Task</source>
        <translation>Vytvořit zálohovací úlohu</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopírovat</translation>
    </message>
    <message>
        <source>Overwrite existing files</source>
        <translation>Přepsat existující soubory</translation>
    </message>
    <message>
        <source>Unpacking %1...</source>
        <translation>Probíhá rozbalování aplikace %1...</translation>
    </message>
    <message>
        <source>Keep the files in a folder on this computer and a folder on the server identical. Changes on either side are applied to the other.</source>
        <translation>Udržuje soubory ve složce v tomto počítači a ve složce na serveru stejné. Změny na jedné straně se přenášejí na druhou.</translation>
    </message>
    <message>
        <source>Select the type of task you want to create. You can add more tasks later.</source>
        <translation>Vyberte typ úlohy, kterou chcete vytvořit. Další úlohy můžete přidat později.</translation>
    </message>
    <message>
        <source>Rename Task</source>
        <translation>Přejmenovat úlohu</translation>
    </message>
    <message>
        <source>Change Password...</source>
        <translation>Změnit heslo...</translation>
    </message>
    <message>
        <source>Syncing is paused to save battery power.</source>
        <translation>Synchronizace je pozastavena kvůli úspoře baterie.</translation>
    </message>
    <message>
        <source>The Setup Wizard will install [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>Průvodce instalací nainstaluje [ProductName] do počítače. Pokračujte klepnutím na Další, nebo průvodce ukončete klepnutím na Storno.</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Oprávnění</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Zobrazit ve složce</translation>
    </message>
    <message>
        <source>Keep file versions</source>
        <translation>Uchovávat verze souborů</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Odstranit</translation>
    </message>
    <message>
        <source>The connection to the server was lost. Syncing will resume when the connection is restored.</source>
        <translation>Připojení k serveru bylo přerušeno. Synchronizace bude pokračovat po obnovení připojení.</translation>
    </message>
    <message>
        <source>The shared folder is encrypted and has not been mounted on the server.</source>
        <translation>Sdílená složka je zašifrovaná a na serveru není připojena.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zavřít</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client - %1</source>
        <translation>Quenmark Zelto Client - %1</translation>
    </message>
    <message>
        <source>The version of the server is too old. Update the server to version %1 or later.</source>
        <translation>Verze serveru je příliš stará. Aktualizujte server na verzi %1 nebo novější.</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Přidat složku...</translation>
    </message>
    <message>
        <source>Restored</source>
        <translation>Obnoveno</translation>
    </message>
    <message>
        <source>Reconnecting in %1 seconds...</source>
        <translation>Nové připojení za %1 s...</translation>
    </message>
    <message>
        <source>Unable to connect through the proxy server %1.</source>
        <translation>Přes proxy server %1 se nelze připojit.</translation>
    </message>
    <message>
        <source>Protect with a password</source>
        <translation>Chránit heslem</translation>
    </message>
    <message>
        <source>Enter a rate between 1 and 1048576 KB/s.</source>
        <translation>Zadejte rychlost od 1 do 1048576 kB/s.</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Aktualizace softwaru</translation>
    </message>
    <message>
        <source>Please wait while the installer finishes determining your disk space requirements.</source>
        <translation>Počkejte, než instalační program zjistí potřebné místo na disku.</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Po</translation>
    </message>
    <message>
        <source>The rule %1 is not valid.</source>
        <translation>Pravidlo %1 není platné.</translation>
    </message>
    <message>
        <source>Deleted files can be restored from the recycle bin of the shared folder.</source>
        <translation>Odstraněné soubory lze obnovit z koše sdílené složky.</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Neomezeno</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zastavit</translation>
    </message>
    <message>
        <source>%1 is initializing...</source>
        <translation>Probíhá inicializace aplikace %1...</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client main window</source>
        <translation>Hlavní okno Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Přejmenovat</translation>
    </message>
    <message>
        <source>Unable to write %1.</source>
        <translation>Nelze zapisovat %1.</translation>
    </message>
    <message>
        <source>Log level</source>
        <translation>Úroveň protokolování</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Heslo</translation>
    </message>
    <message>
        <source>days</source>
        <translation>dní</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Odeslat</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>Pause All</source>
        <translation>Pozastavit vše</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Měsíčně</translation>
    </message>
    <message>
        <source>Prevent the computer from sleeping while syncing</source>
        <translation>Během synchronizace nepřecházet do režimu spánku</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Velikost</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historie</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Adresa serveru</translation>
    </message>
    <message>
        <source>Browse to the destination folder</source>
        <translation>Přejděte do cílové složky</translation>
    </message>
    <message>
        <source>Do you want to clear the history? This does not affect your files.</source>
        <translation>Chcete vymazat historii? Vaše soubory to neovlivní.</translation>
    </message>
    <message>
        <source>Remove old data</source>
        <translation>Odebrat stará data</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Zapamatovat si mě</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Týdně</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>Ve frontě</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Aktualizovat nyní</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Čtvrtek</translation>
    </message>
    <message>
        <source>The selected file does not contain valid settings.</source>
        <translation>Vybraný soubor neobsahuje platné nastavení.</translation>
    </message>
    <message>
        <source>The password is too weak.</source>
        <translation>Heslo je příliš slabé.</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Vybrat složku</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard repairs [ProductName].</source>
        <translation>Počkejte, než Průvodce instalací opraví [ProductName].</translation>
    </message>
    <message>
        <source>For example: tmp, log, iso</source>
        <translation>Například: tmp, log, iso</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Odhlásit se</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Se serverem nelze navázat zabezpečené připojení.</translation>
    </message>
    <message>
        <source>Pause the selected task</source>
        <translation>Pozastavit vybranou úlohu</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>Operační systém</translation>
    </message>
    <message>
        <source>Do you want to remove the task %1? The files in the folders will not be deleted.</source>
        <translation>Chcete odebrat úlohu %1? Soubory ve složkách nebudou odstraněny.</translation>
    </message>
    <message>
        <source>[ProductName] Setup</source>
        <translation>Instalace [ProductName]</translation>
    </message>
    <message>
        <source>This account has been disabled. Contact your system administrator.</source>
        <translation>Tento účet byl zakázán. Obraťte se na správce systému.</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Dnes</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>E-mailová adresa</translation>
    </message>
    <message>
        <source>The verification code is incorrect or has expired.</source>
        <translation>Ověřovací kód je nesprávný nebo jeho platnost vypršela.</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>Protokoly</translation>
    </message>
    <message>
        <source>List of sync and backup tasks</source>
        <translation>Seznam synchronizačních a zálohovacích úloh</translation>
    </message>
    <message>
        <source>Keep up to %1 versions of each file</source>
        <translation>Uchovávat až %1 verzí každého souboru</translation>
    </message>
    <message>
        <source>%1 will be synced with %2.</source>
        <translation>%1 se bude synchronizovat s %2.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Vybrat vše</translation>
    </message>
    <message>
        <source>Syncing %1</source>
        <translation>Synchronizace %1</translation>
    </message>
    <message>
        <source>Free space</source>
        <translation>Volné místo</translation>
    </message>
    <message>
        <source>Your feedback could not be sent. Please try again later.</source>
        <translation>Zpětnou vazbu nelze odeslat. Zkuste to prosím později.</translation>
    </message>
    <message>
        <source>File manager integration</source>
        <translation>Integrace se správcem souborů</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Nové heslo</translation>
    </message>
    <message>
        <source>Sign In with SSO</source>
        <translation>Přihlásit se pomocí SSO</translation>
    </message>
    <message>
        <source>My Files</source>
        <translation>Moje soubory</translation>
    </message>
    <message>
        <source>Sync new folders automatically</source>
        <translation>Automaticky synchronizovat nové složky</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Vyhledat aktualizace</translation>
    </message>
    <message>
        <source>Enter the 6-digit code from your authenticator app.</source>
        <translation>Zadejte šestimístný kód z ověřovací aplikace.</translation>
    </message>
    <message>
        <source>Right-click a file for more options.</source>
        <translation>Klepnutím pravým tlačítkem na soubor zobrazíte další možnosti.</translation>
    </message>
    <message>
        <source>Server version</source>
        <translation>Verze serveru</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client was removed from your computer.</source>
        <translation>Quenmark Zelto Client byl odebrán z počítače.</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Název složky</translation>
    </message>
    <message>
        <source>You have no tasks yet. Click Create Task to sync or back up a folder.</source>
        <translation>Zatím nemáte žádné úlohy. Klepnutím na Vytvořit úlohu můžete synchronizovat nebo zálohovat složku.</translation>
    </message>
    <message>
        <source>Indexing files...</source>
        <translation>Indexování souborů...</translation>
    </message>
    <message>
        <source>Verification code field</source>
        <translation>Pole ověřovacího kódu</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disk je plný</translation>
    </message>
    <message>
        <source>Backup started</source>
        <translation>Zálohování bylo zahájeno</translation>
    </message>
    <message>
        <source>The sync folder %1 was moved or deleted. Syncing has stopped for this task.</source>
        <translation>Synchronizovaná složka %1 byla přesunuta nebo odstraněna. Synchronizace této úlohy byla zastavena.</translation>
    </message>
    <message>
        <source>The file was damaged during transfer and will be downloaded again.</source>
        <translation>Soubor byl při přenosu poškozen a bude stažen znovu.</translation>
    </message>
    <message>
        <source>You have reached the maximum number of tasks (%1).</source>
        <translation>Dosáhli jste maximálního počtu úloh (%1).</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>h</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Icon View</source>
        <translation>Ikony</translation>
    </message>
    <message>
        <source>Backup finished</source>
        <translation>Zálohování bylo dokončeno</translation>
    </message>
    <message>
        <source>Starting %1 for the first time. This may take a minute.</source>
        <translation>Aplikace %1 se spouští poprvé. Může to trvat minutu.</translation>
    </message>
    <message>
        <source>Server path</source>
        <translation>Cesta na serveru</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Změnit heslo</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP adresa</translation>
    </message>
    <message>
        <source>Sync file permissions and timestamps</source>
        <translation>Synchronizovat oprávnění a časová razítka souborů</translation>
    </message>
    <message>
        <source>Syncing will stop when you quit. Quit Quenmark Zelto Client anyway?</source>
        <translation>Po ukončení se synchronizace zastaví. Chcete Quenmark Zelto Client přesto ukončit?</translation>
    </message>
    <message>
        <source>Hidden files</source>
        <translation>Skryté soubory</translation>
    </message>
    <message>
        <source>The folder cannot be inside or contain a folder that is already synced.</source>
        <translation>Složka nesmí ležet ve složce, která se již synchronizuje, ani takovou složku obsahovat.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached. The backup cannot continue until space is freed.</source>
        <translation>Byla dosažena vaše kvóta úložiště na serveru. Zálohování nemůže pokračovat, dokud se neuvolní místo.</translation>
    </message>
    <message>
        <source>Download queue</source>
        <translation>Fronta stahování</translation>
    </message>
    <message>
        <source>This computer is registered with the server.</source>
        <translation>Tento počítač je registrován na serveru.</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Koš</translation>
    </message>
    <message>
        <source>Back up changes continuously</source>
        <translation>Zálohovat změny průběžně</translation>
    </message>
    <message>
        <source>Source folders</source>
        <translation>Zdrojové složky</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Licenční smlouva</translation>
    </message>
    <message>
        <source>Sync options</source>
        <translation>Možnosti synchronizace</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>Vše je připraveno!</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Přeskočit</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nová složka</translation>
    </message>
    <message>
        <source>Add to the &amp;Start menu</source>
        <translation>Přidat do nabídky &amp;Start</translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation>Přihlašování...</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Klepnutím na Instalovat zahájíte instalaci. Klepnutím na Zpět můžete zkontrolovat nebo změnit nastavení instalace. Klepnutím na Storno průvodce ukončíte.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client cannot write to %1. Check the folder permissions.</source>
        <translation>Quenmark Zelto Client nemůže zapisovat do %1. Zkontrolujte oprávnění složky.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Přeskočit tuto verzi</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>Navštivte náš web</translation>
    </message>
    <message>
        <source>Open Local Folder</source>
        <translation>Otevřít místní složku</translation>
    </message>
    <message>
        <source>Removing [ProductName]</source>
        <translation>Odebírání [ProductName]</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Otevřít složku</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Přidat</translation>
    </message>
    <message>
        <source>Copyright (c) Quenmark. All rights reserved.</source>
        <translation>Copyright (c) Quenmark. Všechna práva vyhrazena.</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Odebrat zařízení</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>The session is locked.</source>
        <translation>Relace je uzamčena.</translation>
    </message>
    <message>
        <source>Downloading on demand...</source>
        <translation>Stahování na vyžádání...</translation>
    </message>
    <message>
        <source>Sign-in required</source>
        <translation>Je nutné se přihlásit</translation>
    </message>
    <message>
        <source>Unable to copy %1.</source>
        <translation>Nelze kopírovat %1.</translation>
    </message>
    <message>
        <source>List of filter rules</source>
        <translation>Seznam pravidel filtru</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>Snímky</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Zastaveno</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Svazek</translation>
    </message>
    <message>
        <source>Change destination folder</source>
        <translation>Změnit cílovou složku</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Probíhá synchronizace...</translation>
    </message>
    <message>
        <source>Back up only when the computer is plugged in</source>
        <translation>Zálohovat jen při napájení ze sítě</translation>
    </message>
    <message>
        <source>Resume Syncing</source>
        <translation>Obnovit synchronizaci</translation>
    </message>
    <message>
        <source>A new version is available.</source>
        <translation>Je k dispozici nová verze.</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation>Časté dotazy</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Zobrazit</translation>
    </message>
    <message>
        <source>Run on</source>
        <translation>Spustit</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Ukončit</translation>
    </message>
    <message>
        <source>Unable to download the update.</source>
        <translation>Aktualizaci nelze stáhnout.</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>Otestovat připojení</translation>
    </message>
    <message>
        <source>You have been signed out.</source>
        <translation>Byli jste odhlášeni.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchronizace</translation>
    </message>
    <message>
        <source>Last backup completed %1</source>
        <translation>Poslední záloha dokončena: %1</translation>
    </message>
    <message>
        <source>Pause Syncing</source>
        <translation>Pozastavit synchronizaci</translation>
    </message>
    <message>
        <source>Limit automatically</source>
        <translation>Omezovat automaticky</translation>
    </message>
    <message>
        <source>Keep the version on the server</source>
        <translation>Zachovat verzi ze serveru</translation>
    </message>
    <message>
        <source>Open menu</source>
        <translation>Otevřít nabídku</translation>
    </message>
    <message>
        <source>The file is larger than the limit allowed by the server.</source>
        <translation>Soubor je větší, než server povoluje.</translation>
    </message>
    <message>
        <source>Your data was moved successfully.</source>
        <translation>Vaše data byla úspěšně přesunuta.</translation>
    </message>
    <message>
        <source>Ready to install [ProductName]</source>
        <translation>Vše připraveno k instalaci [ProductName]</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Soubor %1 neexistuje.</translation>
    </message>
    <message>
        <source>Export Logs...</source>
        <translation>Exportovat protokoly...</translation>
    </message>
    <message>
        <source>Syncing has resumed</source>
        <translation>Synchronizace byla obnovena</translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely because of an error. Your system has not been modified. To install this program at a later time, run the Setup Wizard again.</source>
        <translation>Průvodce instalací [ProductName] byl kvůli chybě předčasně ukončen. Systém nebyl změněn. Chcete-li tento program nainstalovat později, spusťte Průvodce instalací znovu.</translation>
    </message>
    <message>
        <source>Select the server folder to sync with this computer.</source>
        <translation>Vyberte složku na serveru, která se má synchronizovat s tímto počítačem.</translation>
    </message>
    <message>
        <source>Upload changes to the server only</source>
        <translation>Pouze odesílat změny na server</translation>
    </message>
    <message>
        <source>Time remaining unknown</source>
        <translation>Zbývající čas neznámý</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>%1 files were skipped. See the history for details.</source>
        <translation>Přeskočené soubory: %1. Podrobnosti najdete v historii.</translation>
    </message>
    <message>
        <source>Keep all versions</source>
        <translation>Uchovávat všechny verze</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Sync progress</source>
        <translation>Průběh synchronizace</translation>
    </message>
    <message>
        <source>The new language will be used after Quenmark Zelto Client restarts.</source>
        <translation>Nový jazyk se použije po restartování Quenmark Zelto Client.</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Vytvořeno</translation>
    </message>
    <message>
        <source>%1 used of %2</source>
        <translation>Využito %1 z %2</translation>
    </message>
    <message>
        <source>Version Retention</source>
        <translation>Uchovávání verzí</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Čas ukončení</translation>
    </message>
    <message>
        <source>Proxy type</source>
        <translation>Typ proxy</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>Seřadit podle názvu</translation>
    </message>
    <message>
        <source>On-demand sync is not supported on this file system.</source>
        <translation>Synchronizace na vyžádání není v tomto systému souborů podporována.</translation>
    </message>
    <message>
        <source>Connected through the Internet</source>
        <translation>Připojeno přes internet</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Opakovat</translation>
    </message>
    <message>
        <source>Authentication required</source>
        <translation>Vyžaduje se ověření</translation>
    </message>
    <message>
        <source>Access Denied</source>
        <translation>Přístup odepřen</translation>
    </message>
    <message>
        <source>Upload rate</source>
        <translation>Rychlost odesílání</translation>
    </message>
    <message>
        <source>The system limit on watched folders has been reached. Some changes may be detected late.</source>
        <translation>Byl dosažen systémový limit sledovaných složek. Některé změny mohou být zjištěny se zpožděním.</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Přesunuto</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Sort by Date</source>
        <translation>Seřadit podle data</translation>
    </message>
    <message>
        <source>Do not sync hidden files</source>
        <translation>Nesynchronizovat skryté soubory</translation>
    </message>
    <message>
        <source>Sync This Folder</source>
        <translation>Synchronizovat tuto složku</translation>
    </message>
    <message>
        <source>%1 is very large. Uploading it may take a long time.</source>
        <translation>Soubor %1 je velmi velký. Jeho odeslání může trvat dlouho.</translation>
    </message>
    <message>
        <source>Access control lists are not supported on this file system and will not be synced.</source>
        <translation>Seznamy řízení přístupu nejsou v tomto systému souborů podporovány a nebudou se synchronizovat.</translation>
    </message>
    <message>
        <source>Enter the verification code</source>
        <translation>Zadejte ověřovací kód</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>Hesla se neshodují.</translation>
    </message>
    <message>
        <source>The security certificate of %1 is not trusted. Your connection may not be secure.</source>
        <translation>Bezpečnostní certifikát %1 není důvěryhodný. Připojení nemusí být zabezpečené.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Zpráva</translation>
    </message>
    <message>
        <source>%1, %2 o'clock</source>
        <translation>%1, %2 h</translation>
    </message>
    <message>
        <source>The Setup Wizard allows you to repair the installation of [ProductName] or remove it from your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>Průvodce instalací umožňuje opravit instalaci [ProductName] nebo program odebrat z počítače. Pokračujte klepnutím na Další, nebo průvodce ukončete klepnutím na Storno.</translation>
    </message>
    <message>
        <source>Read and write</source>
        <translation>Čtení a zápis</translation>
    </message>
    <message>
        <source>Pause for 8 hours</source>
        <translation>Pozastavit na 8 hodin</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Záloha</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pozastaveno</translation>
    </message>
    <message>
        <source>Edit the selected task</source>
        <translation>Upravit vybranou úlohu</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Vítejte</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Otevřít v prohlížeči</translation>
    </message>
    <message>
        <source>Task %1, status %2</source>
        <translation>Úloha %1, stav %2</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation>Klepnutím na tlačítko Dokončit ukončíte Průvodce instalací.</translation>
    </message>
    <message>
        <source>Relay ID</source>
        <translation>ID přenosu</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Přihlásit se</translation>
    </message>
    <message>
        <source>Do not limit</source>
        <translation>Neomezovat</translation>
    </message>
    <message>
        <source>Download changes from the server only</source>
        <translation>Pouze stahovat změny ze serveru</translation>
    </message>
    <message>
        <source>Unable to move %1 to %2.</source>
        <translation>Nelze přesunout %1 do %2.</translation>
    </message>
    <message>
        <source>Add a task</source>
        <translation>Přidat úlohu</translation>
    </message>
    <message>
        <source>Your storage space on %1 is almost full.</source>
        <translation>Vaše úložiště na %1 je téměř plné.</translation>
    </message>
    <message>
        <source>Install updates automatically</source>
        <translation>Instalovat aktualizace automaticky</translation>
    </message>
    <message>
        <source>Recent Changes</source>
        <translation>Poslední změny</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>Zobrazované jméno</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Připojování...</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Výstrahy</translation>
    </message>
    <message>
        <source>Preparing to sync...</source>
        <translation>Příprava synchronizace...</translation>
    </message>
    <message>
        <source>Single Sign-On</source>
        <translation>Jednotné přihlašování</translation>
    </message>
    <message>
        <source>Ready to sync</source>
        <translation>Připraveno k synchronizaci</translation>
    </message>
    <message>
        <source>Advanced Filters...</source>
        <translation>Rozšířené filtry...</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <translation>Zobrazovat oznámení na ploše</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimalizovat</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Vyhledávání aktualizací...</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Staženo</translation>
    </message>
    <message>
        <source>Choose a folder on the server</source>
        <translation>Výběr složky na serveru</translation>
    </message>
    <message>
        <source>Excluded from sync</source>
        <translation>Vyloučeno ze synchronizace</translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <translation>Synchronizace souborů: %1</translation>
    </message>
    <message>
        <source>Loading folders...</source>
        <translation>Načítání složek...</translation>
    </message>
    <message>
        <source>This version of Quenmark Zelto Client is no longer supported by the server. Please update the client.</source>
        <translation>Tato verze Quenmark Zelto Client již není serverem podporována. Aktualizujte klienta.</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Sdíleno</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Repairing [ProductName]</source>
        <translation>Oprava [ProductName]</translation>
    </message>
    <message>
        <source>Upload speed</source>
        <translation>Rychlost odesílání</translation>
    </message>
    <message>
        <source>Open on Server</source>
        <translation>Otevřít na serveru</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Dokončit</translation>
    </message>
    <message>
        <source>Your settings have been saved.</source>
        <translation>Nastavení bylo uloženo.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Vypnuto</translation>
    </message>
    <message>
        <source>Create Sync Task</source>
        <translation>Vytvořit synchronizační úlohu</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Zálohovat nyní</translation>
    </message>
    <message>
        <source>The upgrade is complete.</source>
        <translation>Upgrade je dokončen.</translation>
    </message>
    <message>
        <source>Version %1 (build %2)</source>
        <translation>Verze %1 (sestavení %2)</translation>
    </message>
    <message>
        <source>Launch [ProductName] now</source>
        <translation>Spustit [ProductName] nyní</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Odeslat zpětnou vazbu</translation>
    </message>
    <message>
        <source>No results found.</source>
        <translation>Nebyly nalezeny žádné výsledky.</translation>
    </message>
    <message>
        <source>Copy Sharing Link</source>
        <translation>Kopírovat odkaz ke sdílení</translation>
    </message>
    <message>
        <source>The task no longer exists.</source>
        <translation>Úloha již neexistuje.</translation>
    </message>
    <message>
        <source>&amp;Do not close applications. A reboot will be required.</source>
        <translation>&amp;Nezavírat aplikace. Bude nutné restartovat počítač.</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Úloha</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Pá</translation>
    </message>
    <message>
        <source>Deleting %1</source>
        <translation>Odstraňování %1</translation>
    </message>
    <message>
        <source>Enter at least %1 characters.</source>
        <translation>Zadejte alespoň %1 znaků.</translation>
    </message>
    <message>
        <source>Unable to restore the selected files.</source>
        <translation>Vybrané soubory nelze obnovit.</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation>Synchronizace na vyžádání</translation>
    </message>
    <message>
        <source>Checking the environment...</source>
        <translation>Kontrola prostředí...</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation>Obousměrná synchronizace</translation>
    </message>
    <message>
        <source>Valid until</source>
        <translation>Platnost do</translation>
    </message>
    <message>
        <source>The history was exported to %1.</source>
        <translation>Historie byla exportována do %1.</translation>
    </message>
    <message>
        <source>Files and folders that match these rules are not synced.</source>
        <translation>Soubory a složky, které odpovídají těmto pravidlům, se nesynchronizují.</translation>
    </message>
    <message>
        <source>Available offline</source>
        <translation>K dispozici offline</translation>
    </message>
    <message>
        <source>The files have been restored.</source>
        <translation>Soubory byly obnoveny.</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Název zařízení</translation>
    </message>
    <message>
        <source>Renaming %1</source>
        <translation>Přejmenování %1</translation>
    </message>
    <message>
        <source>Some files could not be synced</source>
        <translation>Některé soubory nelze synchronizovat</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Síť</translation>
    </message>
    <message>
        <source>Task name</source>
        <translation>Název úlohy</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by fixing missing and corrupt files, shortcuts, and registry entries.</source>
        <translation>Opraví chyby poslední instalace obnovením chybějících a poškozených souborů, zástupců a položek registru.</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Načítání...</translation>
    </message>
    <message>
        <source>Pause until I resume</source>
        <translation>Pozastavit do ručního obnovení</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Další</translation>
    </message>
    <message>
        <source>No server was found on your local network. Enter the address manually.</source>
        <translation>V místní síti nebyl nalezen žádný server. Zadejte adresu ručně.</translation>
    </message>
    <message>
        <source>Removes [ProductName] from your computer.</source>
        <translation>Odebere [ProductName] z počítače.</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>Místní složka</translation>
    </message>
    <message>
        <source>The quota of the shared folder has been reached.</source>
        <translation>Byla dosažena kvóta sdílené složky.</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>Licenční smlouva s koncovým uživatelem</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ano</translation>
    </message>
    <message>
        <source>Online only</source>
        <translation>Jen online</translation>
    </message>
    <message>
        <source>Up one level</source>
        <translation>O úroveň výš</translation>
    </message>
    <message>
        <source>Upload: %1/s  Download: %2/s</source>
        <translation>Odesílání: %1/s  Stahování: %2/s</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Tmavý</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Denně</translation>
    </message>
    <message>
        <source>The local version was renamed to %1.</source>
        <translation>Místní verze byla přejmenována na %1.</translation>
    </message>
    <message>
        <source>%1 is in use by another application and will be synced when it is closed.</source>
        <translation>Soubor %1 používá jiná aplikace. Synchronizuje se po jejím zavření.</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Pozastaveno do %1</translation>
    </message>
    <message>
        <source>View History</source>
        <translation>Zobrazit historii</translation>
    </message>
    <message>
        <source>Confirm new password</source>
        <translation>Potvrzení nového hesla</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>Časový limit připojení</translation>
    </message>
    <message>
        <source>Proxy server</source>
        <translation>Proxy server</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Uživatel</translation>
    </message>
    <message>
        <source>Downloading the update... %1%</source>
        <translation>Stahování aktualizace... %1%</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Přejmenováno</translation>
    </message>
    <message>
        <source>Use dark theme</source>
        <translation>Použít tmavý motiv</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Úterý</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>kB/s</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully</source>
        <translation>Pečlivě si přečtěte následující licenční smlouvu</translation>
    </message>
    <message>
        <source>Send Test Email</source>
        <translation>Odeslat zkušební e-mail</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <translation>Směr synchronizace</translation>
    </message>
    <message>
        <source>Rebuilding the local database...</source>
        <translation>Probíhá obnova místní databáze...</translation>
    </message>
    <message>
        <source>Switch Account</source>
        <translation>Přepnout účet</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Připraveno</translation>
    </message>
    <message>
        <source>Folder tree</source>
        <translation>Strom složek</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>Obnovit tuto verzi</translation>
    </message>
    <message>
        <source>The destination shared folder could not be found on the server. Select another destination.</source>
        <translation>Cílová sdílená složka nebyla na serveru nalezena. Vyberte jiný cíl.</translation>
    </message>
    <message>
        <source>The security certificate of the server has expired.</source>
        <translation>Platnost bezpečnostního certifikátu serveru vypršela.</translation>
    </message>
    <message>
        <source>Restart Quenmark Zelto Client to apply the changes.</source>
        <translation>Změny se projeví po restartování Quenmark Zelto Client.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client status icon</source>
        <translation>Ikona stavu Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Napájení</translation>
    </message>
    <message>
        <source>%1 percent complete</source>
        <translation>Dokončeno %1 %</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Úložiště</translation>
    </message>
    <message>
        <source>Pause syncing when running on battery power</source>
        <translation>Pozastavit synchronizaci při napájení z baterie</translation>
    </message>
    <message>
        <source>Enter your server address, username and password.</source>
        <translation>Zadejte adresu serveru, uživatelské jméno a heslo.</translation>
    </message>
    <message>
        <source>Every %1 minutes</source>
        <translation>Každých %1 min</translation>
    </message>
    <message>
        <source>Do you want to delete the selected items?</source>
        <translation>Chcete odstranit vybrané položky?</translation>
    </message>
    <message>
        <source>Show sync status icons in the file manager</source>
        <translation>Zobrazovat ikony stavu synchronizace ve správci souborů</translation>
    </message>
    <message>
        <source>I &amp;do not accept the terms in the License Agreement</source>
        <translation>&amp;Nesouhlasím s podmínkami licenční smlouvy</translation>
    </message>
    <message>
        <source>Learn more</source>
        <translation>Další informace</translation>
    </message>
    <message>
        <source>Server address field</source>
        <translation>Pole adresy serveru</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Četnost</translation>
    </message>
    <message>
        <source>Play a sound</source>
        <translation>Přehrát zvuk</translation>
    </message>
    <message>
        <source>Locate Folder</source>
        <translation>Najít složku</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>Cílová složka</translation>
    </message>
    <message>
        <source>Load More</source>
        <translation>Načíst další</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Unable to rename %1 to %2.</source>
        <translation>Nelze přejmenovat %1 na %2.</translation>
    </message>
    <message>
        <source>If your network requires a proxy server to reach the Internet, enter its settings here.</source>
        <translation>Pokud vaše síť pro přístup k internetu vyžaduje proxy server, zadejte zde jeho nastavení.</translation>
    </message>
    <message>
        <source>Remove the local copies of the selected files? They remain on the server and are downloaded again when you open them.</source>
        <translation>Odebrat místní kopie vybraných souborů? Zůstanou na serveru a při otevření se znovu stáhnou.</translation>
    </message>
    <message>
        <source>Install Now</source>
        <translation>Nainstalovat nyní</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Čt</translation>
    </message>
    <message>
        <source>Display scaling</source>
        <translation>Měřítko zobrazení</translation>
    </message>
    <message>
        <source>Restoring %1 of %2 files...</source>
        <translation>Obnovování souborů: %1 z %2...</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Přípony souborů</translation>
    </message>
    <message>
        <source>The update package is damaged or has an invalid signature.</source>
        <translation>Balíček aktualizace je poškozen nebo má neplatný podpis.</translation>
    </message>
    <message>
        <source>Disk Space Requirements</source>
        <translation>Požadavky na místo na disku</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Upgrade</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Úlohy</translation>
    </message>
    <message>
        <source>Account: %1</source>
        <translation>Účet: %1</translation>
    </message>
    <message>
        <source>The security certificate of the server is not trusted.</source>
        <translation>Bezpečnostní certifikát serveru není důvěryhodný.</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Nevybrat nic</translation>
    </message>
    <message>
        <source>An invalid parameter was given.</source>
        <translation>Byl zadán neplatný parametr.</translation>
    </message>
    <message>
        <source>Ask before deleting many files on the server</source>
        <translation>Před odstraněním mnoha souborů na serveru se zeptat</translation>
    </message>
    <message>
        <source>&amp;Look in:</source>
        <translation>&amp;Oblast hledání:</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>Vaše IP adresa byla serverem zablokována.</translation>
    </message>
    <message>
        <source>Debug logging records detailed information and may slow down syncing. Turn it off when you are done.</source>
        <translation>Ladicí protokolování zaznamenává podrobné informace a může zpomalit synchronizaci. Až budete hotovi, vypněte jej.</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Cíl</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Ruční konfigurace proxy</translation>
    </message>
    <message>
        <source>Day of the month</source>
        <translation>Den v měsíci</translation>
    </message>
    <message>
        <source>The local database is damaged. Quenmark Zelto Client will rebuild it.</source>
        <translation>Místní databáze je poškozena. Quenmark Zelto Client ji znovu sestaví.</translation>
    </message>
    <message>
        <source>Are you sure you want to quit the setup? No task will be created.</source>
        <translation>Opravdu chcete nastavení ukončit? Nebude vytvořena žádná úloha.</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Nikdy nesynchronizováno</translation>
    </message>
    <message>
        <source>The shared folder no longer exists on the server.</source>
        <translation>Sdílená složka již na serveru neexistuje.</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Út</translation>
    </message>
    <message>
        <source>Use SSL/TLS</source>
        <translation>Použít SSL/TLS</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <translation>Režim synchronizace</translation>
    </message>
    <message>
        <source>The update has been downloaded and will be installed when you quit Quenmark Zelto Client.</source>
        <translation>Aktualizace byla stažena a nainstaluje se po ukončení Quenmark Zelto Client.</translation>
    </message>
    <message>
        <source>The server is under maintenance. Syncing will resume automatically.</source>
        <translation>Probíhá údržba serveru. Synchronizace bude automaticky obnovena.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client Setup</source>
        <translation>Nastavení Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximalizovat</translation>
    </message>
    <message>
        <source>Enable backup schedule</source>
        <translation>Zapnout plán zálohování</translation>
    </message>
    <message>
        <source>The first sync may take a while, depending on the number and size of your files.</source>
        <translation>První synchronizace může chvíli trvat v závislosti na počtu a velikosti souborů.</translation>
    </message>
    <message>
        <source>Sign in with the account you use on %1.</source>
        <translation>Přihlaste se účtem, který používáte na %1.</translation>
    </message>
    <message>
        <source>Backup Schedule</source>
        <translation>Plán zálohování</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>Název souboru je příliš dlouhý.</translation>
    </message>
    <message>
        <source>The file manager will be restarted to unload the extension.</source>
        <translation>Správce souborů bude restartován, aby se rozšíření uvolnilo z paměti.</translation>
    </message>
    <message>
        <source>Keep both versions</source>
        <translation>Zachovat obě verze</translation>
    </message>
    <message>
        <source>Available when online</source>
        <translation>K dispozici online</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Zrušit výběr</translation>
    </message>
    <message>
        <source>Total size</source>
        <translation>Celková velikost</translation>
    </message>
    <message>
        <source>Open source licenses</source>
        <translation>Licence open source</translation>
    </message>
    <message>
        <source>No backup is scheduled.</source>
        <translation>Není naplánována žádná záloha.</translation>
    </message>
    <message>
        <source>Syncing was paused while the computer was asleep.</source>
        <translation>Synchronizace byla pozastavena, když byl počítač v režimu spánku.</translation>
    </message>
    <message>
        <source>Team Folder</source>
        <translation>Týmová složka</translation>
    </message>
    <message>
        <source>Overall progress</source>
        <translation>Celkový průběh</translation>
    </message>
    <message>
        <source>Checking the connection to %1...</source>
        <translation>Kontrola připojení k %1...</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <translation>Aplikace %1 je připravena.</translation>
    </message>
    <message>
        <source>When a conflict occurs</source>
        <translation>Při konfliktu</translation>
    </message>
    <message>
        <source>The security certificate was issued to %1, not to %2.</source>
        <translation>Bezpečnostní certifikát byl vydán pro %1, nikoli pro %2.</translation>
    </message>
    <message>
        <source>Trust this computer</source>
        <translation>Důvěřovat tomuto počítači</translation>
    </message>
    <message>
        <source>Select the operation you wish to perform.</source>
        <translation>Vyberte operaci, kterou chcete provést.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Zapnuto</translation>
    </message>
    <message>
        <source>File size limit</source>
        <translation>Limit velikosti souboru</translation>
    </message>
    <message>
        <source>Unable to create the task.</source>
        <translation>Úlohu nelze vytvořit.</translation>
    </message>
    <message>
        <source>Create Task</source>
        <translation>Vytvořit úlohu</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>kB</translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <translation>Některé soubory, které je třeba aktualizovat, se právě používají.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Čekejte prosím...</translation>
    </message>
    <message>
        <source>Searching for servers on your local network...</source>
        <translation>Vyhledávání serverů v místní síti...</translation>
    </message>
    <message>
        <source>Disk space required for the installation exceeds available disk space.</source>
        <translation>Místo na disku potřebné k instalaci přesahuje dostupné místo.</translation>
    </message>
    <message>
        <source>The following applications are using files that need to be updated by this setup. Close these applications and then click &amp;Retry to continue the installation or Cancel to exit it.</source>
        <translation>Následující aplikace používají soubory, které musí tato instalace aktualizovat. Zavřete tyto aplikace a klepnutím na &amp;Opakovat pokračujte v instalaci, nebo ji ukončete klepnutím na Storno.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Složka %1 neexistuje.</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Vlastník</translation>
    </message>
    <message>
        <source>Play sounds</source>
        <translation>Přehrávat zvuky</translation>
    </message>
    <message>
        <source>Synced</source>
        <translation>Synchronizováno</translation>
    </message>
    <message>
        <source>Last day of the month</source>
        <translation>Poslední den v měsíci</translation>
    </message>
    <message>
        <source>Keep the version on this computer</source>
        <translation>Zachovat verzi z tohoto počítače</translation>
    </message>
    <message>
        <source>Resume the selected task</source>
        <translation>Obnovit vybranou úlohu</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Podpora</translation>
    </message>
    <message>
        <source>Sort by Size</source>
        <translation>Seřadit podle velikosti</translation>
    </message>
    <message>
        <source>Storage Details</source>
        <translation>Podrobnosti o úložišti</translation>
    </message>
    <message>
        <source>Apply limits only during these hours</source>
        <translation>Uplatňovat omezení jen v těchto hodinách</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Skupina</translation>
    </message>
    <message>
        <source>Welcome to Quenmark Zelto Client</source>
        <translation>Vítá vás Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Akce</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Připojeno</translation>
    </message>
    <message>
        <source>Data from an earlier version was found on this computer.</source>
        <translation>V tomto počítači byla nalezena data ze starší verze.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Pause for 30 minutes</source>
        <translation>Pozastavit na 30 minut</translation>
    </message>
    <message>
        <source>Open in File Manager</source>
        <translation>Otevřít ve správci souborů</translation>
    </message>
    <message>
        <source>Completed the [ProductName] Setup Wizard</source>
        <translation>Průvodce instalací [ProductName] byl dokončen</translation>
    </message>
    <message>
        <source>Last synced %1</source>
        <translation>Poslední synchronizace: %1</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Krok %1 z %2</translation>
    </message>
    <message>
        <source>Retry Now</source>
        <translation>Opakovat nyní</translation>
    </message>
    <message>
        <source>%1 of %2 used</source>
        <translation>Využito %1 z %2</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Přeskočeno</translation>
    </message>
    <message>
        <source>You have used %1 of your storage quota.</source>
        <translation>Využili jste %1 své kvóty úložiště.</translation>
    </message>
    <message>
        <source>A newer version of [ProductName] is already installed. Setup will now exit.</source>
        <translation>Novější verze [ProductName] je již nainstalována. Instalace bude nyní ukončena.</translation>
    </message>
    <message>
        <source>No problem was found.</source>
        <translation>Nebyl nalezen žádný problém.</translation>
    </message>
    <message>
        <source>Keep files on the server that were deleted on this computer</source>
        <translation>Ponechat na serveru soubory odstraněné v tomto počítači</translation>
    </message>
    <message>
        <source>Scanning for changes...</source>
        <translation>Vyhledávání změn...</translation>
    </message>
    <message>
        <source>Registering product</source>
        <translation>Registrace produktu</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Jazyk rozhraní</translation>
    </message>
    <message>
        <source>You are not running the setup as an administrator. Some features may not be installed correctly. Continue anyway?</source>
        <translation>Instalaci nespouštíte jako správce. Některé funkce se nemusí nainstalovat správně. Chcete přesto pokračovat?</translation>
    </message>
    <message>
        <source>There is not enough free space on %1. At least %2 is needed.</source>
        <translation>Na %1 není dostatek volného místa. Je potřeba alespoň %2.</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Kontaktovat podporu</translation>
    </message>
    <message>
        <source>Task Details</source>
        <translation>Podrobnosti úlohy</translation>
    </message>
    <message>
        <source>Back up only when the computer is idle</source>
        <translation>Zálohovat jen při nečinnosti počítače</translation>
    </message>
    <message>
        <source>Open the folder on the server in a web browser</source>
        <translation>Otevřít složku na serveru ve webovém prohlížeči</translation>
    </message>
    <message>
        <source>Administrator permission is required.</source>
        <translation>Je vyžadováno oprávnění správce.</translation>
    </message>
    <message>
        <source>Creating shortcuts</source>
        <translation>Vytváření zástupců</translation>
    </message>
    <message>
        <source>Your email address (optional)</source>
        <translation>Vaše e-mailová adresa (nepovinné)</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Průběh</translation>
    </message>
    <message>
        <source>Free space on this drive: %1</source>
        <translation>Volné místo na této jednotce: %1</translation>
    </message>
    <message>
        <source>The proxy connection works.</source>
        <translation>Připojení přes proxy funguje.</translation>
    </message>
    <message>
        <source>Privacy statement</source>
        <translation>Prohlášení o ochraně osobních údajů</translation>
    </message>
    <message>
        <source>Install the file manager extension (status icons and context menu)</source>
        <translation>Nainstalovat rozšíření správce souborů (ikony stavu a místní nabídka)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Select Folders</source>
        <translation>Vybrat složky</translation>
    </message>
    <message>
        <source>The file is locked by another application.</source>
        <translation>Soubor je uzamčen jinou aplikací.</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Stav:</translation>
    </message>
    <message>
        <source>Thank you! Your feedback has been sent.</source>
        <translation>Děkujeme! Vaše zpětná vazba byla odeslána.</translation>
    </message>
    <message>
        <source>Sync directly with computers on the same network when possible</source>
        <translation>Pokud je to možné, synchronizovat přímo s počítači ve stejné síti</translation>
    </message>
    <message>
        <source>Download rate</source>
        <translation>Rychlost stahování</translation>
    </message>
    <message>
        <source>&amp;Folder name:</source>
        <translation>&amp;Název složky:</translation>
    </message>
    <message>
        <source>%1 files, %2</source>
        <translation>Soubory: %1, %2</translation>
    </message>
    <message>
        <source>Version on this computer</source>
        <translation>Verze v tomto počítači</translation>
    </message>
    <message>
        <source>The file name contains characters that are not allowed: %1</source>
        <translation>Název souboru obsahuje nepovolené znaky: %1</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Další &gt;</translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>Vyžaduje pozornost</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Požadováno</translation>
    </message>
    <message>
        <source>Your settings and sync tasks are being moved to the new version of Quenmark Zelto Client. Do not turn off the computer.</source>
        <translation>Vaše nastavení a synchronizační úlohy se přesouvají do nové verze Quenmark Zelto Client. Nevypínejte počítač.</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Uživatelská příručka</translation>
    </message>
    <message>
        <source>Expiration date</source>
        <translation>Datum vypršení platnosti</translation>
    </message>
    <message>
        <source>The disk where your sync folder is located is almost full.</source>
        <translation>Disk se synchronizovanou složkou je téměř plný.</translation>
    </message>
    <message>
        <source>The server %1 could not be found. Check the address and try again.</source>
        <translation>Server %1 nebyl nalezen. Zkontrolujte adresu a zkuste to znovu.</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>Toto pole je povinné.</translation>
    </message>
    <message>
        <source>You have read-only access to this shared folder.</source>
        <translation>K této sdílené složce máte přístup jen pro čtení.</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Kopírovat odkaz</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Zpět</translation>
    </message>
    <message>
        <source>View Previous Versions</source>
        <translation>Zobrazit předchozí verze</translation>
    </message>
    <message>
        <source>Complete the sign-in in your web browser.</source>
        <translation>Dokončete přihlášení ve webovém prohlížeči.</translation>
    </message>
    <message>
        <source>Directory user</source>
        <translation>Uživatel adresáře</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informace</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Porovnat</translation>
    </message>
    <message>
        <source>Always Keep on This Device</source>
        <translation>Vždy ponechat v tomto zařízení</translation>
    </message>
    <message>
        <source>You do not have write permission for the destination shared folder.</source>
        <translation>Do cílové sdílené složky nemáte oprávnění zapisovat.</translation>
    </message>
    <message>
        <source>Open Quenmark Zelto Client</source>
        <translation>Otevřít Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Světlý</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>Oznámení</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Stáhnout</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Přerušit</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
    <message>
        <source>The folder is already used by another sync task.</source>
        <translation>Složku již používá jiná synchronizační úloha.</translation>
    </message>
    <message>
        <source>This link has expired.</source>
        <translation>Platnost odkazu vypršela.</translation>
    </message>
    <message>
        <source>Installing [ProductName]</source>
        <translation>Instalace [ProductName]</translation>
    </message>
    <message>
        <source>Rename the server file</source>
        <translation>Přejmenovat soubor na serveru</translation>
    </message>
    <message>
        <source>Your files are now being synced. You can follow the progress from the icon in the notification area.</source>
        <translation>Vaše soubory se nyní synchronizují. Průběh můžete sledovat pomocí ikony v oznamovací oblasti.</translation>
    </message>
    <message>
        <source>&amp;Disk Usage</source>
        <translation>Využití &amp;disku</translation>
    </message>
    <message>
        <source>Syncing</source>
        <translation>Synchronizace</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client is running. Quit it and click Retry, or click Cancel to stop the setup.</source>
        <translation>Quenmark Zelto Client je spuštěn. Ukončete jej a klepněte na Opakovat, nebo klepnutím na Storno instalaci zastavte.</translation>
    </message>
    <message>
        <source>Share with users on the server</source>
        <translation>Sdílet s uživateli na serveru</translation>
    </message>
    <message>
        <source>Can edit</source>
        <translation>Může upravovat</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Středa</translation>
    </message>
    <message>
        <source>Looking for changed files...</source>
        <translation>Hledání změněných souborů...</translation>
    </message>
    <message>
        <source>Copy folders on this computer to the server on a schedule. Files deleted on this computer are kept on the server.</source>
        <translation>Podle plánu kopíruje složky z tohoto počítače na server. Soubory odstraněné v počítači zůstávají na serveru.</translation>
    </message>
    <message>
        <source>Some settings could not be moved. Please check your sync tasks.</source>
        <translation>Některá nastavení nelze přesunout. Zkontrolujte své synchronizační úlohy.</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Synchronizovat nyní</translation>
    </message>
    <message>
        <source>On-demand</source>
        <translation>Na vyžádání</translation>
    </message>
    <message>
        <source>Saved accounts</source>
        <translation>Uložené účty</translation>
    </message>
    <message>
        <source>Restore...</source>
        <translation>Obnovit...</translation>
    </message>
    <message>
        <source>Attach diagnostic logs</source>
        <translation>Připojit diagnostické protokoly</translation>
    </message>
    <message>
        <source>%1 results</source>
        <translation>Počet výsledků: %1</translation>
    </message>
    <message>
        <source>Open Sync Folder</source>
        <translation>Otevřít synchronizovanou složku</translation>
    </message>
    <message>
        <source>%1 could not be updated. The installed version will be started.</source>
        <translation>Aplikaci %1 nelze aktualizovat. Spustí se nainstalovaná verze.</translation>
    </message>
    <message>
        <source>%1 was not synced because it is larger than the maximum file size.</source>
        <translation>Soubor %1 nebyl synchronizován, protože překračuje maximální velikost souboru.</translation>
    </message>
    <message>
        <source>View on Web Portal</source>
        <translation>Zobrazit na webovém portálu</translation>
    </message>
    <message>
        <source>Open the local folder</source>
        <translation>Otevřít místní složku</translation>
    </message>
    <message>
        <source>Permission</source>
        <translation>Oprávnění</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Odstraněno</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard removes [ProductName].</source>
        <translation>Počkejte, než Průvodce instalací odebere [ProductName].</translation>
    </message>
    <message>
        <source>Moving Your Data</source>
        <translation>Přesun vašich dat</translation>
    </message>
    <message>
        <source>Ask when more than %1 files are deleted at once</source>
        <translation>Zeptat se, když se najednou odstraňuje více než %1 souborů</translation>
    </message>
    <message>
        <source>Uploaded</source>
        <translation>Odesláno</translation>
    </message>
    <message>
        <source>Server name</source>
        <translation>Název serveru</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Tisk</translation>
    </message>
    <message>
        <source>Signed in as %1</source>
        <translation>Přihlášen jako %1</translation>
    </message>
    <message>
        <source>The recycle bin is not enabled for this shared folder. Deleted files cannot be restored.</source>
        <translation>Pro tuto sdílenou složku není koš zapnutý. Odstraněné soubory nelze obnovit.</translation>
    </message>
    <message>
        <source>Uploading %1</source>
        <translation>Odesílání %1</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of [ProductName]. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Klepnutím na Opravit opravíte instalaci [ProductName]. Klepnutím na Zpět můžete zkontrolovat nebo změnit nastavení instalace. Klepnutím na Storno průvodce ukončíte.</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Probíhá</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Právě teď</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Vždy navrchu</translation>
    </message>
    <message>
        <source>Verification code</source>
        <translation>Ověřovací kód</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Včera</translation>
    </message>
    <message>
        <source>Use the default folder (%1)</source>
        <translation>Použít výchozí složku (%1)</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>Sem přetáhněte soubory</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Pátek</translation>
    </message>
    <message>
        <source>Username field</source>
        <translation>Pole uživatelského jména</translation>
    </message>
    <message>
        <source>Encrypt data during transfer</source>
        <translation>Šifrovat data při přenosu</translation>
    </message>
    <message>
        <source>%1 files were changed.</source>
        <translation>Změněné soubory: %1.</translation>
    </message>
    <message>
        <source>Sign In...</source>
        <translation>Přihlásit se...</translation>
    </message>
    <message>
        <source>You do not have permission to perform this operation.</source>
        <translation>K provedení této operace nemáte oprávnění.</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Stránky nastavení</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Použít systémové nastavení proxy</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Čeká</translation>
    </message>
    <message>
        <source>The folder is read-only. Files cannot be written to it.</source>
        <translation>Složka je jen pro čtení. Nelze do ní zapisovat soubory.</translation>
    </message>
    <message>
        <source>Next backup: %1</source>
        <translation>Další záloha: %1</translation>
    </message>
    <message>
        <source>The disk space required for the installation of the selected features.</source>
        <translation>Místo na disku potřebné k instalaci vybraných funkcí.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <translation>Dočasné soubory</translation>
    </message>
    <message>
        <source>Issued to</source>
        <translation>Vystaveno pro</translation>
    </message>
    <message>
        <source>More actions</source>
        <translation>Další akce</translation>
    </message>
    <message>
        <source>Download This Version</source>
        <translation>Stáhnout tuto verzi</translation>
    </message>
    <message>
        <source>Include in Sync</source>
        <translation>Zahrnout do synchronizace</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Notify me when a backup finishes</source>
        <translation>Upozornit na dokončení zálohování</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Pondělí</translation>
    </message>
    <message>
        <source>Unable to delete %1.</source>
        <translation>Nelze odstranit %1.</translation>
    </message>
    <message>
        <source>Open the sync folder</source>
        <translation>Otevřít synchronizovanou složku</translation>
    </message>
    <message>
        <source>Create a shortcut on the &amp;desktop</source>
        <translation>Vytvořit zástupce na &amp;ploše</translation>
    </message>
    <message>
        <source>Unable to save the settings.</source>
        <translation>Nastavení nelze uložit.</translation>
    </message>
    <message>
        <source>Email the report after each backup</source>
        <translation>Po každé záloze poslat zprávu e-mailem</translation>
    </message>
    <message>
        <source>Cache location</source>
        <translation>Umístění mezipaměti</translation>
    </message>
    <message>
        <source>Include folder %1</source>
        <translation>Zahrnout složku %1</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Velikost písma</translation>
    </message>
    <message>
        <source>Unable to create %1.</source>
        <translation>Nelze vytvořit %1.</translation>
    </message>
    <message>
        <source>Scanning local files...</source>
        <translation>Prohledávání místních souborů...</translation>
    </message>
    <message>
        <source>Back up on a schedule</source>
        <translation>Zálohovat podle plánu</translation>
    </message>
    <message>
        <source>&amp;Keep my settings and sync tasks</source>
        <translation>&amp;Zachovat moje nastavení a synchronizační úlohy</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Obnovit výchozí</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Oznámení</translation>
    </message>
    <message>
        <source>Cache size</source>
        <translation>Velikost mezipaměti</translation>
    </message>
    <message>
        <source>Never expires</source>
        <translation>Platnost nevyprší</translation>
    </message>
    <message>
        <source>Select a server from the list or enter its address.</source>
        <translation>Vyberte server ze seznamu nebo zadejte jeho adresu.</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>St</translation>
    </message>
    <message>
        <source>%1 was deleted.</source>
        <translation>Soubor %1 byl odstraněn.</translation>
    </message>
    <message>
        <source>The server is offline.</source>
        <translation>Server je offline.</translation>
    </message>
    <message>
        <source>Open Recycle Bin</source>
        <translation>Otevřít koš</translation>
    </message>
    <message>
        <source>Exclude from Sync</source>
        <translation>Vyloučit ze synchronizace</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Odeslat</translation>
    </message>
    <message>
        <source>Version on the server</source>
        <translation>Verze na serveru</translation>
    </message>
    <message>
        <source>Calculating time remaining...</source>
        <translation>Výpočet zbývajícího času...</translation>
    </message>
    <message>
        <source>SMTP port</source>
        <translation>Port SMTP</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Bez proxy</translation>
    </message>
    <message>
        <source>Pause for 1 hour</source>
        <translation>Pozastavit na 1 hodinu</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Potvrzení</translation>
    </message>
    <message>
        <source>Rename the local file</source>
        <translation>Přejmenovat místní soubor</translation>
    </message>
    <message>
        <source>Show Previous Versions</source>
        <translation>Zobrazit předchozí verze</translation>
    </message>
    <message>
        <source>Notify me when a sync finishes</source>
        <translation>Upozornit na dokončení synchronizace</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportovat...</translation>
    </message>
    <message>
        <source>Current status</source>
        <translation>Aktuální stav</translation>
    </message>
    <message>
        <source>Stop Backup</source>
        <translation>Zastavit zálohování</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation>Používané soubory</translation>
    </message>
    <message>
        <source>Do not sync temporary files</source>
        <translation>Nesynchronizovat dočasné soubory</translation>
    </message>
    <message>
        <source>Unable to unpack the installation package.</source>
        <translation>Instalační balíček nelze rozbalit.</translation>
    </message>
    <message>
        <source>The backup could not start because the server is offline.</source>
        <translation>Zálohování nelze spustit, protože server je offline.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Soubor</translation>
    </message>
    <message>
        <source>Enter a valid IP address.</source>
        <translation>Zadejte platnou IP adresu.</translation>
    </message>
    <message>
        <source>IP address, domain name or relay ID</source>
        <translation>IP adresa, název domény nebo ID přenosu</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Neděle</translation>
    </message>
    <message>
        <source>You do not have permission to use this service. Contact your system administrator.</source>
        <translation>K používání této služby nemáte oprávnění. Obraťte se na správce systému.</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Odebrat</translation>
    </message>
    <message>
        <source>The backup is intact.</source>
        <translation>Záloha je v pořádku.</translation>
    </message>
    <message>
        <source>Select at least one day.</source>
        <translation>Vyberte alespoň jeden den.</translation>
    </message>
    <message>
        <source>%1 files were deleted from the sync folder. Do you also want to delete them from the server?</source>
        <translation>Ze synchronizované složky byly odstraněny soubory (%1). Chcete je odstranit i ze serveru?</translation>
    </message>
    <message>
        <source>Certificate Warning</source>
        <translation>Upozornění na certifikát</translation>
    </message>
    <message>
        <source>Remember my password</source>
        <translation>Zapamatovat heslo</translation>
    </message>
    <message>
        <source>Weekly schedule grid</source>
        <translation>Mřížka týdenního plánu</translation>
    </message>
    <message>
        <source>Enter a number between %1 and %2.</source>
        <translation>Zadejte číslo od %1 do %2.</translation>
    </message>
    <message>
        <source>The username or password you entered is incorrect.</source>
        <translation>Uživatelské jméno nebo heslo je nesprávné.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Sdílet</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Zobrazit okno</translation>
    </message>
    <message>
        <source>Backing up %1 of %2 files</source>
        <translation>Zálohování souborů: %1 z %2</translation>
    </message>
    <message>
        <source>Keep only the latest versions</source>
        <translation>Uchovávat jen nejnovější verze</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <translation>Na místním disku není dostatek volného místa.</translation>
    </message>
    <message>
        <source>The file was changed both on this computer and on the server since the last sync.</source>
        <translation>Od poslední synchronizace byl soubor změněn v tomto počítači i na serveru.</translation>
    </message>
    <message>
        <source>Everything is up to date</source>
        <translation>Vše je aktuální</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Scan complete</source>
        <translation>Prohledávání dokončeno</translation>
    </message>
    <message>
        <source>Welcome to the [ProductName] Setup Wizard</source>
        <translation>Vítá vás Průvodce instalací [ProductName]</translation>
    </message>
    <message>
        <source>Choose how to sync</source>
        <translation>Výběr způsobu synchronizace</translation>
    </message>
    <message>
        <source>Use * to match any characters and ? to match one character.</source>
        <translation>Použijte * pro libovolné znaky a ? pro jeden znak.</translation>
    </message>
    <message>
        <source>Ready to remove [ProductName]</source>
        <translation>Vše připraveno k odebrání [ProductName]</translation>
    </message>
    <message>
        <source>Last run time</source>
        <translation>Poslední spuštění</translation>
    </message>
    <message>
        <source>Backup finished with errors</source>
        <translation>Zálohování bylo dokončeno s chybami</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <translation>Výběr složky v tomto počítači</translation>
    </message>
    <message>
        <source>File name pattern</source>
        <translation>Vzor názvu souboru</translation>
    </message>
    <message>
        <source>%1 servers found on your local network.</source>
        <translation>Servery nalezené v místní síti: %1.</translation>
    </message>
    <message>
        <source>Restart Later</source>
        <translation>Restartovat později</translation>
    </message>
    <message>
        <source>Last sync</source>
        <translation>Poslední synchronizace</translation>
    </message>
    <message>
        <source>Stop Sharing</source>
        <translation>Ukončit sdílení</translation>
    </message>
    <message>
        <source>Unable to connect to the server. Check your network connection and the server address.</source>
        <translation>K serveru se nelze připojit. Zkontrolujte síťové připojení a adresu serveru.</translation>
    </message>
</context>
</TS>
