<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>The quota of destination shared folder has reached the system limit. Please change the quota limit on the server or contact the system administrator.</source>
        <translation>Kvoten för den delade målmappen har nått systemgränsen. Ändra kvotgränsen på servern eller kontakta systemadministratören.</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Ändrad</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>Har du glömt lösenordet?</translation>
    </message>
    <message>
        <source>Field cannot exceed %1 numbers.</source>
        <translation>Fältet får inte innehålla fler än %1 siffror.</translation>
    </message>
    <message>
        <source>Show or hide the password</source>
        <translation>Visa eller dölj lösenordet</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorera</translation>
    </message>
    <message>
        <source>Verifying files...</source>
        <translation>Verifierar filer...</translation>
    </message>
    <message>
        <source>Dismiss notification</source>
        <translation>Stäng aviseringen</translation>
    </message>
    <message>
        <source>Take Snapshot</source>
        <translation>Ta ögonblicksbild</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detaljer</translation>
    </message>
    <message>
        <source>Upload queue</source>
        <translation>Uppladdningskö</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Sync Task</source>
        <translation>Synkroniseringsuppgift</translation>
    </message>
    <message>
        <source>Starting services</source>
        <translation>Startar tjänster</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation>Fortsätt ändå</translation>
    </message>
    <message>
        <source>%1 was not synced because it matches a filter rule.</source>
        <translation>%1 synkroniserades inte eftersom den matchar en filterregel.</translation>
    </message>
    <message>
        <source>Resume All</source>
        <translation>Återuppta alla</translation>
    </message>
    <message>
        <source>Local network only</source>
        <translation>Endast lokalt nätverk</translation>
    </message>
    <message>
        <source>A relay connection can be slower than a direct connection.</source>
        <translation>En reläanslutning kan vara långsammare än en direktanslutning.</translation>
    </message>
    <message>
        <source>Encryption key</source>
        <translation>Krypteringsnyckel</translation>
    </message>
    <message>
        <source>Back up only when I start it manually</source>
        <translation>Säkerhetskopiera bara när jag startar manuellt</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Server: %1</source>
        <translation>Server: %1</translation>
    </message>
    <message>
        <source>Can view</source>
        <translation>Kan visa</translation>
    </message>
    <message>
        <source>[ProductName] setup was interrupted. Your system has not been modified. To install this program at a later time, please run the installation again.</source>
        <translation>Installationen av [ProductName] avbröts. Systemet har inte ändrats. Kör installationen igen om du vill installera programmet vid ett senare tillfälle.</translation>
    </message>
    <message>
        <source>Connect to a server</source>
        <translation>Anslut till en server</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allmänt</translation>
    </message>
    <message>
        <source>Proxy server requires a password</source>
        <translation>Proxyservern kräver ett lösenord</translation>
    </message>
    <message>
        <source>Field cannot exceed %1 characters.</source>
        <translation>Fältet får inte innehålla fler än %1 tecken.</translation>
    </message>
    <message>
        <source>I &amp;accept the terms in the License Agreement</source>
        <translation>Jag &amp;godkänner villkoren i licensavtalet</translation>
    </message>
    <message>
        <source>Only the checked folders are synced to this computer.</source>
        <translation>Bara de markerade mapparna synkroniseras till den här datorn.</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>Säkerhetskopieringen misslyckades.</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation>Uppgraderar...</translation>
    </message>
    <message>
        <source>Pause syncing on metered connections</source>
        <translation>Pausa synkroniseringen på anslutningar med datapriser</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Kom igång</translation>
    </message>
    <message>
        <source>Restore this version? The current version will be saved as a previous version.</source>
        <translation>Vill du återställa den här versionen? Den aktuella versionen sparas som en tidigare version.</translation>
    </message>
    <message>
        <source>Updating %1...</source>
        <translation>%1 uppdateras...</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Sök</translation>
    </message>
    <message>
        <source>Folders on a network drive cannot be synced.</source>
        <translation>Mappar på en nätverksenhet kan inte synkroniseras.</translation>
    </message>
    <message>
        <source>Restore Down</source>
        <translation>Återställ nedåt</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Listvy</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Sök efter servrar i det lokala nätverket</translation>
    </message>
    <message>
        <source>There are no previous versions of this file.</source>
        <translation>Det finns inga tidigare versioner av filen.</translation>
    </message>
    <message>
        <source>Backup cancelled</source>
        <translation>Säkerhetskopieringen avbröts</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>Visa inte igen</translation>
    </message>
    <message>
        <source>Enter the encryption key to open this shared folder.</source>
        <translation>Ange krypteringsnyckeln för att öppna den här delade mappen.</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Verkställ</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Filnamn</translation>
    </message>
    <message>
        <source>Do not sync files larger than</source>
        <translation>Synkronisera inte filer som är större än</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Skriva</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Öppna fil</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Skillnad</translation>
    </message>
    <message>
        <source>Restore Files</source>
        <translation>Återställ filer</translation>
    </message>
    <message>
        <source>Files deleted on this computer are moved to the recycle bin of the shared folder on the server.</source>
        <translation>Filer som tas bort på den här datorn flyttas till den delade mappens papperskorg på servern.</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>&amp;Installera</translation>
    </message>
    <message>
        <source>%1 files were skipped because they were in use.</source>
        <translation>%1 filer hoppades över eftersom de användes.</translation>
    </message>
    <message>
        <source>The drive uses the FAT file system, which does not support files larger than 4 GB. Files over this size will not be synced.</source>
        <translation>Enheten använder filsystemet FAT, som inte stöder filer större än 4 GB. Större filer synkroniseras inte.</translation>
    </message>
    <message>
        <source>%1 files were deleted on the server.</source>
        <translation>%1 filer har tagits bort på servern.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Sekretess</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Connected through the relay service</source>
        <translation>Ansluten via relätjänsten</translation>
    </message>
    <message>
        <source>Connecting through the relay service...</source>
        <translation>Ansluter via relätjänsten...</translation>
    </message>
    <message>
        <source>Install [ProductName] to:</source>
        <translation>Installera [ProductName] i:</translation>
    </message>
    <message>
        <source>Email Notifications</source>
        <translation>E-postaviseringar</translation>
    </message>
    <message>
        <source>Battery is low. Syncing has been paused.</source>
        <translation>Batterinivån är låg. Synkroniseringen har pausats.</translation>
    </message>
    <message>
        <source>Client ID</source>
        <translation>Klient-ID</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A task with this name already exists.</source>
        <translation>Det finns redan en uppgift med det här namnet.</translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely</source>
        <translation>Installationsguiden för [ProductName] avslutades i förtid</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Den här datorn</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nej</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Misslyckades</translation>
    </message>
    <message>
        <source>Connection status</source>
        <translation>Anslutningsstatus</translation>
    </message>
    <message>
        <source>The sync service could not be started.</source>
        <translation>Synkroniseringstjänsten kunde inte startas.</translation>
    </message>
    <message>
        <source>Rolling back action:</source>
        <translation>Återställer åtgärd:</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Ansluter till %1...</translation>
    </message>
    <message>
        <source>Domain user</source>
        <translation>Domänanvändare</translation>
    </message>
    <message>
        <source>Hide Details</source>
        <translation>Dölj detaljer</translation>
    </message>
    <message>
        <source>About Quenmark Zelto Client</source>
        <translation>Om Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Uppdaterad</translation>
    </message>
    <message>
        <source>Notify me about conflicts</source>
        <translation>Meddela mig om konflikter</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client</source>
        <translation>Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Remove saved account</source>
        <translation>Ta bort sparat konto</translation>
    </message>
    <message>
        <source>Restore to</source>
        <translation>Återställ till</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Uppdatera</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Datornamn</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>The path of the folder is too long.</source>
        <translation>Sökvägen till mappen är för lång.</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Påminn mig senare</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>TB</translation>
    </message>
    <message>
        <source>This account has expired. Contact your system administrator.</source>
        <translation>Kontot har gått ut. Kontakta systemadministratören.</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Kryptering</translation>
    </message>
    <message>
        <source>Clear Cache</source>
        <translation>Rensa cacheminnet</translation>
    </message>
    <message>
        <source>Release Notes</source>
        <translation>Versionsinformation</translation>
    </message>
    <message>
        <source>The installation failed. Please reinstall Quenmark Zelto Client.</source>
        <translation>Installationen misslyckades. Installera om Quenmark Zelto Client.</translation>
    </message>
    <message>
        <source>No access</source>
        <translation>Ingen åtkomst</translation>
    </message>
    <message>
        <source>Local path</source>
        <translation>Lokal sökväg</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <source>Save Report...</source>
        <translation>Spara rapport...</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Connect with HTTPS (recommended)</source>
        <translation>Anslut med HTTPS (rekommenderas)</translation>
    </message>
    <message>
        <source>Unable to install the update.</source>
        <translation>Det går inte att installera uppdateringen.</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Användarnamn</translation>
    </message>
    <message>
        <source>The Setup Wizard will update the installed [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>Installationsguiden uppdaterar det installerade [ProductName] på datorn. Klicka på Nästa om du vill fortsätta eller på Avbryt om du vill avsluta guiden.</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>Konflikt</translation>
    </message>
    <message>
        <source>Folder on server</source>
        <translation>Mapp på servern</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alla</translation>
    </message>
    <message>
        <source>Search file names</source>
        <translation>Sök efter filnamn</translation>
    </message>
    <message>
        <source>Restart File Manager</source>
        <translation>Starta om filhanteraren</translation>
    </message>
    <message>
        <source>Verify Backup</source>
        <translation>Verifiera säkerhetskopia</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nytt namn</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancerat</translation>
    </message>
    <message>
        <source>Download speed</source>
        <translation>Nedladdningshastighet</translation>
    </message>
    <message>
        <source>Issued by</source>
        <translation>Utfärdat av</translation>
    </message>
    <message>
        <source>Click Remove to remove [ProductName] from your computer. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Klicka på Ta bort för att ta bort [ProductName] från datorn. Klicka på Bakåt om du vill granska eller ändra installationsinställningarna. Klicka på Avbryt om du vill avsluta guiden.</translation>
    </message>
    <message>
        <source>Show all server files on this computer and download them only when you open them, saving local disk space.</source>
        <translation>Visar alla serverfiler på den här datorn och laddar bara ned dem när du öppnar dem, vilket sparar lokalt diskutrymme.</translation>
    </message>
    <message>
        <source>Destination folder on server</source>
        <translation>Målmapp på servern</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>There is not enough free space on the server.</source>
        <translation>Det finns inte tillräckligt med ledigt utrymme på servern.</translation>
    </message>
    <message>
        <source>You need administrator privileges to install [ProductName]. Sign in as an administrator and run the setup again.</source>
        <translation>Du behöver administratörsbehörighet för att installera [ProductName]. Logga in som administratör och kör installationen igen.</translation>
    </message>
    <message>
        <source>A test email has been sent.</source>
        <translation>Ett testmeddelande har skickats.</translation>
    </message>
    <message>
        <source>Enter a name for the task.</source>
        <translation>Ange ett namn på uppgiften.</translation>
    </message>
    <message>
        <source>Syncing %1 of %2 files</source>
        <translation>Synkroniserar %1 av %2 filer</translation>
    </message>
    <message>
        <source>Add Rule</source>
        <translation>Lägg till regel</translation>
    </message>
    <message>
        <source>Password field</source>
        <translation>Fält för lösenord</translation>
    </message>
    <message>
        <source>File Conflict</source>
        <translation>Filkonflikt</translation>
    </message>
    <message>
        <source>Moving your settings to the new version...</source>
        <translation>Dina inställningar flyttas till den nya versionen...</translation>
    </message>
    <message>
        <source>Folders on a removable drive cannot be synced.</source>
        <translation>Mappar på en flyttbar enhet kan inte synkroniseras.</translation>
    </message>
    <message>
        <source>Backup Task</source>
        <translation>Säkerhetskopieringsuppgift</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Öppna loggmappen</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Avbruten</translation>
    </message>
    <message>
        <source>Compress data during transfer</source>
        <translation>Komprimera data under överföringen</translation>
    </message>
    <message>
        <source>Backups run automatically at the times you choose. A running backup is not interrupted when its time slot ends.</source>
        <translation>Säkerhetskopieringar körs automatiskt vid de tider du väljer. En pågående säkerhetskopiering avbryts inte när tidsfönstret tar slut.</translation>
    </message>
    <message>
        <source>Export Settings...</source>
        <translation>Exportera inställningar...</translation>
    </message>
    <message>
        <source>A conflict was found in %1. Both versions have been kept.</source>
        <translation>En konflikt hittades i %1. Båda versionerna har behållits.</translation>
    </message>
    <message>
        <source>Start Quenmark Zelto Client when I sign in</source>
        <translation>Starta Quenmark Zelto Client när jag loggar in</translation>
    </message>
    <message>
        <source>Copying new files</source>
        <translation>Kopierar nya filer</translation>
    </message>
    <message>
        <source>Contact your system administrator.</source>
        <translation>Kontakta systemadministratören.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>Create Sharing Link</source>
        <translation>Skapa delningslänk</translation>
    </message>
    <message>
        <source>The sync service stopped unexpectedly.</source>
        <translation>Synkroniseringstjänsten stoppades oväntat.</translation>
    </message>
    <message>
        <source>The background service is running.</source>
        <translation>Bakgrundstjänsten körs.</translation>
    </message>
    <message>
        <source>Folders you uncheck will be removed from this computer but stay on the server.</source>
        <translation>Mappar som du avmarkerar tas bort från den här datorn men finns kvar på servern.</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Plats</translation>
    </message>
    <message>
        <source>Always trust this certificate</source>
        <translation>Lita alltid på det här certifikatet</translation>
    </message>
    <message>
        <source>Files are synced into this folder. You can pick an empty folder or a folder that already holds files.</source>
        <translation>Filerna synkroniseras till den här mappen. Du kan välja en tom mapp eller en mapp som redan innehåller filer.</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Aldrig</translation>
    </message>
    <message>
        <source>The task has been removed.</source>
        <translation>Uppgiften har tagits bort.</translation>
    </message>
    <message>
        <source>Local folder path field</source>
        <translation>Fält för sökväg till lokal mapp</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client %1 is available. You have version %2.</source>
        <translation>Quenmark Zelto Client %1 finns tillgänglig. Du har version %2.</translation>
    </message>
    <message>
        <source>Original location</source>
        <translation>Ursprunglig plats</translation>
    </message>
    <message>
        <source>Space needed: %1</source>
        <translation>Utrymme som behövs: %1</translation>
    </message>
    <message>
        <source>Every hour</source>
        <translation>Varje timme</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Modified by</source>
        <translation>Ändrad av</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>byte</translation>
    </message>
    <message>
        <source>%1 was added.</source>
        <translation>%1 har lagts till.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Drag files here to upload them.</source>
        <translation>Dra filer hit för att ladda upp dem.</translation>
    </message>
    <message>
        <source>Smart retention</source>
        <translation>Smart lagring</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Starttid</translation>
    </message>
    <message>
        <source>Your password has expired. Change it on the server, then sign in again.</source>
        <translation>Ditt lösenord har gått ut. Byt det på servern och logga sedan in igen.</translation>
    </message>
    <message>
        <source>The proxy server requires authentication.</source>
        <translation>Proxyservern kräver autentisering.</translation>
    </message>
    <message>
        <source>Prefer IPv6</source>
        <translation>Föredra IPv6</translation>
    </message>
    <message>
        <source>Select Folders...</source>
        <translation>Välj mappar...</translation>
    </message>
    <message>
        <source>The logs have been saved to %1.</source>
        <translation>Loggarna har sparats i %1.</translation>
    </message>
    <message>
        <source>Connected through the local network</source>
        <translation>Ansluten via det lokala nätverket</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Uppdatera</translation>
    </message>
    <message>
        <source>A new version of Quenmark Zelto Client is available.</source>
        <translation>En ny version av Quenmark Zelto Client finns tillgänglig.</translation>
    </message>
    <message>
        <source>No recent changes</source>
        <translation>Inga ändringar nyligen</translation>
    </message>
    <message>
        <source>Syncing is paused</source>
        <translation>Synkroniseringen är pausad</translation>
    </message>
    <message>
        <source>Keep Files</source>
        <translation>Behåll filerna</translation>
    </message>
    <message>
        <source>Manage Tasks</source>
        <translation>Hantera uppgifter</translation>
    </message>
    <message>
        <source>Free Up Space</source>
        <translation>Frigör utrymme</translation>
    </message>
    <message>
        <source>Desktop shortcut</source>
        <translation>Skrivbordsgenväg</translation>
    </message>
    <message>
        <source>[ProductName] cannot be installed on this version of the operating system.</source>
        <translation>[ProductName] kan inte installeras på den här versionen av operativsystemet.</translation>
    </message>
    <message>
        <source>No entries match your search.</source>
        <translation>Inga poster matchar sökningen.</translation>
    </message>
    <message>
        <source>Show tips at startup</source>
        <translation>Visa tips vid start</translation>
    </message>
    <message>
        <source>Last backup failed %1</source>
        <translation>Senaste säkerhetskopiering misslyckades %1</translation>
    </message>
    <message>
        <source>You must restart your system for the configuration changes made to [ProductName] to take effect. Click Yes to restart now or No if you plan to restart later.</source>
        <translation>Du måste starta om systemet för att konfigurationsändringarna i [ProductName] ska börja gälla. Klicka på Ja om du vill starta om nu eller på Nej om du tänker starta om senare.</translation>
    </message>
    <message>
        <source>&amp;Close the applications and attempt to restart them.</source>
        <translation>&amp;Stäng programmen och försök starta om dem.</translation>
    </message>
    <message>
        <source>An unknown error occurred. Please try again later.</source>
        <translation>Ett okänt fel uppstod. Försök igen senare.</translation>
    </message>
    <message>
        <source>Tell us what went wrong or what you would like to see improved.</source>
        <translation>Berätta vad som gick fel eller vad du vill att vi förbättrar.</translation>
    </message>
    <message>
        <source>Default port</source>
        <translation>Standardport</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>Skapa en ny mapp</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>Mappen är tom.</translation>
    </message>
    <message>
        <source>Copied to the clipboard</source>
        <translation>Kopierat till Urklipp</translation>
    </message>
    <message>
        <source>Change, repair, or remove installation</source>
        <translation>Ändra, reparera eller ta bort installationen</translation>
    </message>
    <message>
        <source>Unable to open the local database.</source>
        <translation>Det går inte att öppna den lokala databasen.</translation>
    </message>
    <message>
        <source>Back Up This Folder</source>
        <translation>Säkerhetskopiera den här mappen</translation>
    </message>
    <message>
        <source>Add Account...</source>
        <translation>Lägg till konto...</translation>
    </message>
    <message>
        <source>Do this for all conflicts</source>
        <translation>Gör detta för alla konflikter</translation>
    </message>
    <message>
        <source>View Issues</source>
        <translation>Visa problem</translation>
    </message>
    <message>
        <source>The highlighted volumes do not have enough disk space available for the currently selected features. You can remove some files from the highlighted volumes, or cancel the installation.</source>
        <translation>De markerade volymerna har inte tillräckligt med diskutrymme för de valda funktionerna. Du kan ta bort filer från de markerade volymerna eller avbryta installationen.</translation>
    </message>
    <message>
        <source>Fine-tune what is synced. You can change these options later in Settings.</source>
        <translation>Finjustera vad som synkroniseras. Du kan ändra alternativen senare under Inställningar.</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Enheter</translation>
    </message>
    <message>
        <source>Do you want to sign out? All sync tasks of this account will stop.</source>
        <translation>Vill du logga ut? Alla synkroniseringsuppgifter för kontot stoppas.</translation>
    </message>
    <message>
        <source>Notify me when others change shared files</source>
        <translation>Meddela mig när andra ändrar delade filer</translation>
    </message>
    <message>
        <source>Click Next to install to the default folder or click Change to choose another.</source>
        <translation>Klicka på Nästa om du vill installera i standardmappen eller på Ändra om du vill välja en annan mapp.</translation>
    </message>
    <message>
        <source>Previous Versions</source>
        <translation>Tidigare versioner</translation>
    </message>
    <message>
        <source>I lost my authentication device</source>
        <translation>Jag har tappat bort min autentiseringsenhet</translation>
    </message>
    <message>
        <source>Enter the address of the server you want to sync with.</source>
        <translation>Ange adressen till den server du vill synkronisera med.</translation>
    </message>
    <message>
        <source>Check file consistency after sync</source>
        <translation>Kontrollera filernas konsekvens efter synkroniseringen</translation>
    </message>
    <message>
        <source>The identity of the server has changed. If you did not expect this, someone may be intercepting your connection.</source>
        <translation>Serverns identitet har ändrats. Om du inte väntade dig detta kan någon försöka avlyssna din anslutning.</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Rensa historiken</translation>
    </message>
    <message>
        <source>Quit Quenmark Zelto Client</source>
        <translation>Avsluta Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Server folder path field</source>
        <translation>Fält för sökväg till servermapp</translation>
    </message>
    <message>
        <source>Remove Folder</source>
        <translation>Ta bort mapp</translation>
    </message>
    <message>
        <source>Opened %1 times</source>
        <translation>Öppnad %1 gånger</translation>
    </message>
    <message>
        <source>%1 files backed up, %2 skipped</source>
        <translation>%1 filer säkerhetskopierade, %2 överhoppade</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Säkerhetskopierar...</translation>
    </message>
    <message>
        <source>Do you want to disconnect this computer from %1?</source>
        <translation>Vill du koppla från den här datorn från %1?</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Visa</translation>
    </message>
    <message>
        <source>Show the sync folder in the file manager sidebar</source>
        <translation>Visa synkroniseringsmappen i filhanterarens sidofält</translation>
    </message>
    <message>
        <source>Run Diagnostics</source>
        <translation>Kör diagnostik</translation>
    </message>
    <message>
        <source>Notify me about errors</source>
        <translation>Meddela mig om fel</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>&amp;Ändra...</translation>
    </message>
    <message>
        <source>Separate extensions with commas, for example tmp, bak</source>
        <translation>Avgränsa tilläggen med kommatecken, till exempel tmp, bak</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Inaktiv</translation>
    </message>
    <message>
        <source>Scanning files on the server...</source>
        <translation>Söker igenom filer på servern...</translation>
    </message>
    <message>
        <source>Keep history for %1 days</source>
        <translation>Spara historiken i %1 dagar</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Läsa</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Gå tillbaka</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>Åtgärden misslyckades.</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Bläddra...</translation>
    </message>
    <message>
        <source>Restart Now</source>
        <translation>Starta om nu</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Unable to connect through the proxy server.</source>
        <translation>Det går inte att ansluta via proxyservern.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Laddar ned %1</translation>
    </message>
    <message>
        <source>Delete Files</source>
        <translation>Ta bort filerna</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sön</translation>
    </message>
    <message>
        <source>Access from your IP address has been denied by the server. Contact the system administrator.</source>
        <translation>Servern har nekat åtkomst från din IP-adress. Kontakta systemadministratören.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;vsluta</translation>
    </message>
    <message>
        <source>Import Settings...</source>
        <translation>Importera inställningar...</translation>
    </message>
    <message>
        <source>There is not enough memory to complete the operation.</source>
        <translation>Det finns inte tillräckligt med minne för att slutföra åtgärden.</translation>
    </message>
    <message>
        <source>Unable to load the settings. Default settings will be used.</source>
        <translation>Det går inte att läsa in inställningarna. Standardinställningarna används.</translation>
    </message>
    <message>
        <source>The server is busy. Please try again later.</source>
        <translation>Servern är upptagen. Försök igen senare.</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Bandbredd</translation>
    </message>
    <message>
        <source>Low disk space</source>
        <translation>Lite diskutrymme</translation>
    </message>
    <message>
        <source>Verifying backup...</source>
        <translation>Verifierar säkerhetskopian...</translation>
    </message>
    <message>
        <source>Running diagnostics...</source>
        <translation>Kör diagnostik...</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Bläddra...</translation>
    </message>
    <message>
        <source>Skip existing files</source>
        <translation>Hoppa över befintliga filer</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Filnamn</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Files already in it will be merged with the files on the server.</source>
        <translation>Den valda mappen är inte tom. Filerna i den slås samman med filerna på servern.</translation>
    </message>
    <message>
        <source>SOCKS5</source>
        <translation>SOCKS5</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Your IP address has been blocked for %1 minutes.</source>
        <translation>För många misslyckade inloggningsförsök. Din IP-adress har blockerats i %1 minuter.</translation>
    </message>
    <message>
        <source>Limit to</source>
        <translation>Begränsa till</translation>
    </message>
    <message>
        <source>Show a pop-up message</source>
        <translation>Visa ett popup-meddelande</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Frånkopplad</translation>
    </message>
    <message>
        <source>Two-step verification</source>
        <translation>Tvåstegsverifiering</translation>
    </message>
    <message>
        <source>Ready to repair [ProductName]</source>
        <translation>Klart att reparera [ProductName]</translation>
    </message>
    <message>
        <source>The source folder %1 could not be found. Connect the drive or remove the folder from the backup.</source>
        <translation>Källmappen %1 hittades inte. Anslut enheten eller ta bort mappen från säkerhetskopieringen.</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>The end time must be later than the start time.</source>
        <translation>Sluttiden måste vara senare än starttiden.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tid</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Tillgängligt</translation>
    </message>
    <message>
        <source>Enable debug logging</source>
        <translation>Aktivera felsökningsloggning</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics to help improve the product</source>
        <translation>Skicka anonym användningsstatistik för att hjälpa till att förbättra produkten</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Rensa sökningen</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Visa lösenord</translation>
    </message>
    <message>
        <source>The link was created.</source>
        <translation>Länken har skapats.</translation>
    </message>
    <message>
        <source>This server has no shared folder you can access. Ask the administrator for permission.</source>
        <translation>Servern har ingen delad mapp som du har åtkomst till. Be administratören om behörighet.</translation>
    </message>
    <message>
        <source>The background service is not running.</source>
        <translation>Bakgrundstjänsten körs inte.</translation>
    </message>
    <message>
        <source>Restore files as they were on</source>
        <translation>Återställ filerna som de var den</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Återuppta</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs [ProductName].</source>
        <translation>Vänta medan installationsguiden installerar [ProductName].</translation>
    </message>
    <message>
        <source>Syncing is paused on a metered connection.</source>
        <translation>Synkroniseringen är pausad på en anslutning med datapriser.</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Okänd</translation>
    </message>
    <message>
        <source>This rule already exists.</source>
        <translation>Regeln finns redan.</translation>
    </message>
    <message>
        <source>List of recent file changes</source>
        <translation>Lista över senaste filändringar</translation>
    </message>
    <message>
        <source>Team Folders</source>
        <translation>Teammappar</translation>
    </message>
    <message>
        <source>Remove the selected task</source>
        <translation>Ta bort den valda uppgiften</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>Nuvarande lösenord</translation>
    </message>
    <message>
        <source>Same as the system</source>
        <translation>Samma som systemet</translation>
    </message>
    <message>
        <source>Review the settings below, then click Done to start syncing.</source>
        <translation>Granska inställningarna nedan och klicka sedan på Klar för att börja synkronisera.</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Diagnostik</translation>
    </message>
    <message>
        <source>Unable to read %1.</source>
        <translation>Det går inte att läsa %1.</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>Synkroniseringen är klar</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Start minimized to the notification area</source>
        <translation>Starta minimerad i meddelandefältet</translation>
    </message>
    <message>
        <source>This wizard helps you connect this computer to your server and choose which folders to keep in sync.</source>
        <translation>Med den här guiden ansluter du datorn till servern och väljer vilka mappar som ska hållas synkroniserade.</translation>
    </message>
    <message>
        <source>You are using the latest version.</source>
        <translation>Du använder den senaste versionen.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached.</source>
        <translation>Din lagringskvot på servern har nåtts.</translation>
    </message>
    <message>
        <source>Show Toolbar</source>
        <translation>Visa verktygsfält</translation>
    </message>
    <message>
        <source>%1 changes are waiting to be synced.</source>
        <translation>%1 ändringar väntar på att synkroniseras.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Do you want to remove Quenmark Zelto Client and all of its components?</source>
        <translation>Vill du ta bort Quenmark Zelto Client och alla dess komponenter?</translation>
    </message>
    <message>
        <source>I accept the terms of the license agreement</source>
        <translation>Jag godkänner villkoren i licensavtalet</translation>
    </message>
    <message>
        <source>System folders cannot be synced. Choose another folder.</source>
        <translation>Systemmappar kan inte synkroniseras. Välj en annan mapp.</translation>
    </message>
    <message>
        <source>Launch at startup</source>
        <translation>Starta när datorn startar</translation>
    </message>
    <message>
        <source>Two-step verification is required for this account.</source>
        <translation>Tvåstegsverifiering krävs för det här kontot.</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>Rebuild Database</source>
        <translation>Bygg om databasen</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Logga in</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Lördag</translation>
    </message>
    <message>
        <source>The connection to the server timed out.</source>
        <translation>Tidsgränsen för anslutningen till servern överskreds.</translation>
    </message>
    <message>
        <source>Internet access</source>
        <translation>Internetåtkomst</translation>
    </message>
    <message>
        <source>Show Quenmark Zelto Client items in the file manager context menu</source>
        <translation>Visa Quenmark Zelto Client-objekt på filhanterarens snabbmeny</translation>
    </message>
    <message>
        <source>&amp;Repair</source>
        <translation>&amp;Reparera</translation>
    </message>
    <message>
        <source>Select the files and folders to restore.</source>
        <translation>Välj de filer och mappar som ska återställas.</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Cache</translation>
    </message>
    <message>
        <source>%1 is a reserved name and cannot be used.</source>
        <translation>%1 är ett reserverat namn och kan inte användas.</translation>
    </message>
    <message>
        <source>%1 was updated.</source>
        <translation>%1 har uppdaterats.</translation>
    </message>
    <message>
        <source>SMTP server</source>
        <translation>SMTP-server</translation>
    </message>
    <message>
        <source>No file has been synced yet.</source>
        <translation>Ingen fil har synkroniserats än.</translation>
    </message>
    <message>
        <source>Open Web Portal</source>
        <translation>Öppna webbportalen</translation>
    </message>
    <message>
        <source>Background service</source>
        <translation>Bakgrundstjänst</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Försök igen</translation>
    </message>
    <message>
        <source>View Certificate</source>
        <translation>Visa certifikat</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuter</translation>
    </message>
    <message>
        <source>Not synced</source>
        <translation>Inte synkroniserad</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Onlinehjälp</translation>
    </message>
    <message>
        <source>The server name could not be resolved.</source>
        <translation>Servernamnet kunde inte matchas.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varning</translation>
    </message>
    <message>
        <source>The link could not be copied.</source>
        <translation>Länken kunde inte kopieras.</translation>
    </message>
    <message>
        <source>Run a missed backup when the computer starts</source>
        <translation>Kör en missad säkerhetskopiering när datorn startar</translation>
    </message>
    <message>
        <source>Every %1 hours</source>
        <translation>Var %1:e timme</translation>
    </message>
    <message>
        <source>Out of Disk Space</source>
        <translation>Slut på diskutrymme</translation>
    </message>
    <message>
        <source>The link has been copied to the clipboard.</source>
        <translation>Länken har kopierats till Urklipp.</translation>
    </message>
    <message>
        <source>Open settings</source>
        <translation>Öppna inställningar</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel [ProductName] installation?</source>
        <translation>Vill du avbryta installationen av [ProductName]?</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Redigera</translation>
    </message>
    <message>
        <source>Enter a port number between 1 and 65535.</source>
        <translation>Ange ett portnummer mellan 1 och 65535.</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Disk Size</source>
        <translation>Diskstorlek</translation>
    </message>
    <message>
        <source>This version of the file is no longer available.</source>
        <translation>Den här versionen av filen är inte längre tillgänglig.</translation>
    </message>
    <message>
        <source>Hide Window</source>
        <translation>Dölj fönster</translation>
    </message>
    <message>
        <source>Remove Rule</source>
        <translation>Ta bort regel</translation>
    </message>
    <message>
        <source>Your session has expired. Please sign in again.</source>
        <translation>Sessionen har gått ut. Logga in igen.</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Domän</translation>
    </message>
    <message>
        <source>Symbolic links are not synced.</source>
        <translation>Symboliska länkar synkroniseras inte.</translation>
    </message>
    <message>
        <source>Create Backup Task</source>
        <translation>Skapa säkerhetskopieringsuppgift</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiera</translation>
    </message>
    <message>
        <source>Overwrite existing files</source>
        <translation>Skriv över befintliga filer</translation>
    </message>
    <message>
        <source>Unpacking %1...</source>
        <translation>%1 packas upp...</translation>
    </message>
    <message>
        <source>Keep the files in a folder on this computer and a folder on the server identical. Changes on either side are applied to the other.</source>
        <translation>Håller filerna i en mapp på den här datorn och en mapp på servern identiska. Ändringar på den ena sidan tillämpas på den andra.</translation>
    </message>
    <message>
        <source>Select the type of task you want to create. You can add more tasks later.</source>
        <translation>Välj vilken typ av uppgift du vill skapa. Du kan lägga till fler uppgifter senare.</translation>
    </message>
    <message>
        <source>Rename Task</source>
        <translation>Byt namn på uppgiften</translation>
    </message>
    <message>
        <source>Change Password...</source>
        <translation>Byt lösenord...</translation>
    </message>
    <message>
        <source>Syncing is paused to save battery power.</source>
        <translation>Synkroniseringen är pausad för att spara batteri.</translation>
    </message>
    <message>
        <source>The Setup Wizard will install [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>Installationsguiden installerar [ProductName] på datorn. Klicka på Nästa om du vill fortsätta eller på Avbryt om du vill avsluta guiden.</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Behörigheter</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Visa i mapp</translation>
    </message>
    <message>
        <source>Keep file versions</source>
        <translation>Spara filversioner</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>The connection to the server was lost. Syncing will resume when the connection is restored.</source>
        <translation>Anslutningen till servern bröts. Synkroniseringen återupptas när anslutningen är återställd.</translation>
    </message>
    <message>
        <source>The shared folder is encrypted and has not been mounted on the server.</source>
        <translation>Den delade mappen är krypterad och har inte monterats på servern.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;täng</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client - %1</source>
        <translation>Quenmark Zelto Client - %1</translation>
    </message>
    <message>
        <source>The version of the server is too old. Update the server to version %1 or later.</source>
        <translation>Serverns version är för gammal. Uppdatera servern till version %1 eller senare.</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Lägg till mapp...</translation>
    </message>
    <message>
        <source>Restored</source>
        <translation>Återställd</translation>
    </message>
    <message>
        <source>Reconnecting in %1 seconds...</source>
        <translation>Ansluter igen om %1 sekunder...</translation>
    </message>
    <message>
        <source>Unable to connect through the proxy server %1.</source>
        <translation>Det går inte att ansluta via proxyservern %1.</translation>
    </message>
    <message>
        <source>Protect with a password</source>
        <translation>Skydda med ett lösenord</translation>
    </message>
    <message>
        <source>Enter a rate between 1 and 1048576 KB/s.</source>
        <translation>Ange en hastighet mellan 1 och 1048576 kB/s.</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Programuppdatering</translation>
    </message>
    <message>
        <source>Please wait while the installer finishes determining your disk space requirements.</source>
        <translation>Vänta medan installationsprogrammet beräknar hur mycket diskutrymme som krävs.</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Mån</translation>
    </message>
    <message>
        <source>The rule %1 is not valid.</source>
        <translation>Regeln %1 är ogiltig.</translation>
    </message>
    <message>
        <source>Deleted files can be restored from the recycle bin of the shared folder.</source>
        <translation>Borttagna filer kan återställas från den delade mappens papperskorg.</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Obegränsat</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppa</translation>
    </message>
    <message>
        <source>%1 is initializing...</source>
        <translation>%1 initieras...</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client main window</source>
        <translation>Huvudfönster för Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Byt namn</translation>
    </message>
    <message>
        <source>Unable to write %1.</source>
        <translation>Det går inte att skriva %1.</translation>
    </message>
    <message>
        <source>Log level</source>
        <translation>Loggnivå</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Lösenord</translation>
    </message>
    <message>
        <source>days</source>
        <translation>dagar</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Ladda upp</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Gäst</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>Pause All</source>
        <translation>Pausa alla</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Varje månad</translation>
    </message>
    <message>
        <source>Prevent the computer from sleeping while syncing</source>
        <translation>Förhindra att datorn går i viloläge under synkronisering</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Storlek</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historik</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Serveradress</translation>
    </message>
    <message>
        <source>Browse to the destination folder</source>
        <translation>Bläddra till målmappen</translation>
    </message>
    <message>
        <source>Do you want to clear the history? This does not affect your files.</source>
        <translation>Vill du rensa historiken? Dina filer påverkas inte.</translation>
    </message>
    <message>
        <source>Remove old data</source>
        <translation>Ta bort gamla data</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Kom ihåg mig</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Varje vecka</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>I kö</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Uppdatera nu</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Torsdag</translation>
    </message>
    <message>
        <source>The selected file does not contain valid settings.</source>
        <translation>Den valda filen innehåller inga giltiga inställningar.</translation>
    </message>
    <message>
        <source>The password is too weak.</source>
        <translation>Lösenordet är för svagt.</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Välj mapp</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard repairs [ProductName].</source>
        <translation>Vänta medan installationsguiden reparerar [ProductName].</translation>
    </message>
    <message>
        <source>For example: tmp, log, iso</source>
        <translation>Till exempel: tmp, log, iso</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Logga ut</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Det gick inte att upprätta en säker anslutning till servern.</translation>
    </message>
    <message>
        <source>Pause the selected task</source>
        <translation>Pausa den valda uppgiften</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>Operativsystem</translation>
    </message>
    <message>
        <source>Do you want to remove the task %1? The files in the folders will not be deleted.</source>
        <translation>Vill du ta bort uppgiften %1? Filerna i mapparna tas inte bort.</translation>
    </message>
    <message>
        <source>[ProductName] Setup</source>
        <translation>Installation av [ProductName]</translation>
    </message>
    <message>
        <source>This account has been disabled. Contact your system administrator.</source>
        <translation>Kontot har inaktiverats. Kontakta systemadministratören.</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>I dag</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>E-postadress</translation>
    </message>
    <message>
        <source>The verification code is incorrect or has expired.</source>
        <translation>Verifieringskoden är felaktig eller har gått ut.</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>Loggar</translation>
    </message>
    <message>
        <source>List of sync and backup tasks</source>
        <translation>Lista över synkroniserings- och säkerhetskopieringsuppgifter</translation>
    </message>
    <message>
        <source>Keep up to %1 versions of each file</source>
        <translation>Spara upp till %1 versioner av varje fil</translation>
    </message>
    <message>
        <source>%1 will be synced with %2.</source>
        <translation>%1 synkroniseras med %2.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Markera alla</translation>
    </message>
    <message>
        <source>Syncing %1</source>
        <translation>Synkroniserar %1</translation>
    </message>
    <message>
        <source>Free space</source>
        <translation>Ledigt utrymme</translation>
    </message>
    <message>
        <source>Your feedback could not be sent. Please try again later.</source>
        <translation>Din feedback kunde inte skickas. Försök igen senare.</translation>
    </message>
    <message>
        <source>File manager integration</source>
        <translation>Integrering med filhanteraren</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Nytt lösenord</translation>
    </message>
    <message>
        <source>Sign In with SSO</source>
        <translation>Logga in med SSO</translation>
    </message>
    <message>
        <source>My Files</source>
        <translation>Mina filer</translation>
    </message>
    <message>
        <source>Sync new folders automatically</source>
        <translation>Synkronisera nya mappar automatiskt</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Sök efter uppdateringar</translation>
    </message>
    <message>
        <source>Enter the 6-digit code from your authenticator app.</source>
        <translation>Ange den sexsiffriga koden från din autentiseringsapp.</translation>
    </message>
    <message>
        <source>Right-click a file for more options.</source>
        <translation>Högerklicka på en fil för fler alternativ.</translation>
    </message>
    <message>
        <source>Server version</source>
        <translation>Serverversion</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client was removed from your computer.</source>
        <translation>Quenmark Zelto Client har tagits bort från datorn.</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Mappnamn</translation>
    </message>
    <message>
        <source>You have no tasks yet. Click Create Task to sync or back up a folder.</source>
        <translation>Du har inga uppgifter än. Klicka på Skapa uppgift för att synkronisera eller säkerhetskopiera en mapp.</translation>
    </message>
    <message>
        <source>Indexing files...</source>
        <translation>Indexerar filer...</translation>
    </message>
    <message>
        <source>Verification code field</source>
        <translation>Fält för verifieringskod</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disken är full</translation>
    </message>
    <message>
        <source>Backup started</source>
        <translation>Säkerhetskopieringen har startat</translation>
    </message>
    <message>
        <source>The sync folder %1 was moved or deleted. Syncing has stopped for this task.</source>
        <translation>Synkroniseringsmappen %1 har flyttats eller tagits bort. Synkroniseringen för uppgiften har stoppats.</translation>
    </message>
    <message>
        <source>The file was damaged during transfer and will be downloaded again.</source>
        <translation>Filen skadades under överföringen och laddas ned igen.</translation>
    </message>
    <message>
        <source>You have reached the maximum number of tasks (%1).</source>
        <translation>Du har nått det högsta antalet uppgifter (%1).</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>timmar</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Icon View</source>
        <translation>Ikonvy</translation>
    </message>
    <message>
        <source>Backup finished</source>
        <translation>Säkerhetskopieringen är klar</translation>
    </message>
    <message>
        <source>Starting %1 for the first time. This may take a minute.</source>
        <translation>%1 startas för första gången. Det kan ta en minut.</translation>
    </message>
    <message>
        <source>Server path</source>
        <translation>Sökväg på servern</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Byt lösenord</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-adress</translation>
    </message>
    <message>
        <source>Sync file permissions and timestamps</source>
        <translation>Synkronisera filbehörigheter och tidsstämplar</translation>
    </message>
    <message>
        <source>Syncing will stop when you quit. Quit Quenmark Zelto Client anyway?</source>
        <translation>Synkroniseringen stoppas när du avslutar. Vill du avsluta Quenmark Zelto Client ändå?</translation>
    </message>
    <message>
        <source>Hidden files</source>
        <translation>Dolda filer</translation>
    </message>
    <message>
        <source>The folder cannot be inside or contain a folder that is already synced.</source>
        <translation>Mappen får inte ligga i eller innehålla en mapp som redan synkroniseras.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached. The backup cannot continue until space is freed.</source>
        <translation>Din lagringskvot på servern har nåtts. Säkerhetskopieringen kan inte fortsätta förrän utrymme har frigjorts.</translation>
    </message>
    <message>
        <source>Download queue</source>
        <translation>Nedladdningskö</translation>
    </message>
    <message>
        <source>This computer is registered with the server.</source>
        <translation>Den här datorn är registrerad på servern.</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Papperskorg</translation>
    </message>
    <message>
        <source>Back up changes continuously</source>
        <translation>Säkerhetskopiera ändringar kontinuerligt</translation>
    </message>
    <message>
        <source>Source folders</source>
        <translation>Källmappar</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Licensavtal</translation>
    </message>
    <message>
        <source>Sync options</source>
        <translation>Synkroniseringsalternativ</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>Allt är klart!</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Hoppa över</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Ny mapp</translation>
    </message>
    <message>
        <source>Add to the &amp;Start menu</source>
        <translation>Lägg till på &amp;Start-menyn</translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation>Loggar in...</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Klicka på Installera för att påbörja installationen. Klicka på Bakåt om du vill granska eller ändra installationsinställningarna. Klicka på Avbryt om du vill avsluta guiden.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client cannot write to %1. Check the folder permissions.</source>
        <translation>Quenmark Zelto Client kan inte skriva till %1. Kontrollera mappens behörigheter.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Hoppa över den här versionen</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>Besök vår webbplats</translation>
    </message>
    <message>
        <source>Open Local Folder</source>
        <translation>Öppna lokal mapp</translation>
    </message>
    <message>
        <source>Removing [ProductName]</source>
        <translation>Tar bort [ProductName]</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Öppna mapp</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Lägg till</translation>
    </message>
    <message>
        <source>Copyright (c) Quenmark. All rights reserved.</source>
        <translation>Copyright (c) Quenmark. Med ensamrätt.</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Ta bort enhet</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>The session is locked.</source>
        <translation>Sessionen är låst.</translation>
    </message>
    <message>
        <source>Downloading on demand...</source>
        <translation>Laddar ned på begäran...</translation>
    </message>
    <message>
        <source>Sign-in required</source>
        <translation>Inloggning krävs</translation>
    </message>
    <message>
        <source>Unable to copy %1.</source>
        <translation>Det går inte att kopiera %1.</translation>
    </message>
    <message>
        <source>List of filter rules</source>
        <translation>Lista över filterregler</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>Ögonblicksbilder</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Stoppad</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volym</translation>
    </message>
    <message>
        <source>Change destination folder</source>
        <translation>Ändra målmapp</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synkroniserar...</translation>
    </message>
    <message>
        <source>Back up only when the computer is plugged in</source>
        <translation>Säkerhetskopiera bara när datorn är ansluten till elnätet</translation>
    </message>
    <message>
        <source>Resume Syncing</source>
        <translation>Återuppta synkroniseringen</translation>
    </message>
    <message>
        <source>A new version is available.</source>
        <translation>En ny version finns tillgänglig.</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation>Vanliga frågor</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Visa</translation>
    </message>
    <message>
        <source>Run on</source>
        <translation>Kör på</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Unable to download the update.</source>
        <translation>Det går inte att ladda ned uppdateringen.</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>Testa anslutningen</translation>
    </message>
    <message>
        <source>You have been signed out.</source>
        <translation>Du har loggats ut.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synkronisering</translation>
    </message>
    <message>
        <source>Last backup completed %1</source>
        <translation>Senaste säkerhetskopiering slutförd %1</translation>
    </message>
    <message>
        <source>Pause Syncing</source>
        <translation>Pausa synkroniseringen</translation>
    </message>
    <message>
        <source>Limit automatically</source>
        <translation>Begränsa automatiskt</translation>
    </message>
    <message>
        <source>Keep the version on the server</source>
        <translation>Behåll versionen på servern</translation>
    </message>
    <message>
        <source>Open menu</source>
        <translation>Öppna menyn</translation>
    </message>
    <message>
        <source>The file is larger than the limit allowed by the server.</source>
        <translation>Filen är större än servern tillåter.</translation>
    </message>
    <message>
        <source>Your data was moved successfully.</source>
        <translation>Dina data har flyttats.</translation>
    </message>
    <message>
        <source>Ready to install [ProductName]</source>
        <translation>Klart att installera [ProductName]</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Filen %1 finns inte.</translation>
    </message>
    <message>
        <source>Export Logs...</source>
        <translation>Exportera loggar...</translation>
    </message>
    <message>
        <source>Syncing has resumed</source>
        <translation>Synkroniseringen har återupptagits</translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely because of an error. Your system has not been modified. To install this program at a later time, run the Setup Wizard again.</source>
        <translation>Installationsguiden för [ProductName] avslutades i förtid på grund av ett fel. Systemet har inte ändrats. Kör installationsguiden igen om du vill installera programmet vid ett senare tillfälle.</translation>
    </message>
    <message>
        <source>Select the server folder to sync with this computer.</source>
        <translation>Välj den servermapp som ska synkroniseras med den här datorn.</translation>
    </message>
    <message>
        <source>Upload changes to the server only</source>
        <translation>Ladda bara upp ändringar till servern</translation>
    </message>
    <message>
        <source>Time remaining unknown</source>
        <translation>Återstående tid okänd</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>%1 files were skipped. See the history for details.</source>
        <translation>%1 filer hoppades över. Se historiken för mer information.</translation>
    </message>
    <message>
        <source>Keep all versions</source>
        <translation>Behåll alla versioner</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportera</translation>
    </message>
    <message>
        <source>Sync progress</source>
        <translation>Synkroniseringsförlopp</translation>
    </message>
    <message>
        <source>The new language will be used after Quenmark Zelto Client restarts.</source>
        <translation>Det nya språket används när Quenmark Zelto Client har startats om.</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Skapad</translation>
    </message>
    <message>
        <source>%1 used of %2</source>
        <translation>%1 av %2 används</translation>
    </message>
    <message>
        <source>Version Retention</source>
        <translation>Versionslagring</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Sluttid</translation>
    </message>
    <message>
        <source>Proxy type</source>
        <translation>Proxytyp</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>Sortera efter namn</translation>
    </message>
    <message>
        <source>On-demand sync is not supported on this file system.</source>
        <translation>Synkronisering på begäran stöds inte på det här filsystemet.</translation>
    </message>
    <message>
        <source>Connected through the Internet</source>
        <translation>Ansluten via Internet</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Försök igen</translation>
    </message>
    <message>
        <source>Authentication required</source>
        <translation>Autentisering krävs</translation>
    </message>
    <message>
        <source>Access Denied</source>
        <translation>Åtkomst nekad</translation>
    </message>
    <message>
        <source>Upload rate</source>
        <translation>Uppladdningshastighet</translation>
    </message>
    <message>
        <source>The system limit on watched folders has been reached. Some changes may be detected late.</source>
        <translation>Systemets gräns för övervakade mappar har nåtts. Vissa ändringar kan upptäckas sent.</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Flyttad</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Sort by Date</source>
        <translation>Sortera efter datum</translation>
    </message>
    <message>
        <source>Do not sync hidden files</source>
        <translation>Synkronisera inte dolda filer</translation>
    </message>
    <message>
        <source>Sync This Folder</source>
        <translation>Synkronisera den här mappen</translation>
    </message>
    <message>
        <source>%1 is very large. Uploading it may take a long time.</source>
        <translation>%1 är mycket stor. Uppladdningen kan ta lång tid.</translation>
    </message>
    <message>
        <source>Access control lists are not supported on this file system and will not be synced.</source>
        <translation>Åtkomstkontrollistor stöds inte på det här filsystemet och synkroniseras inte.</translation>
    </message>
    <message>
        <source>Enter the verification code</source>
        <translation>Ange verifieringskoden</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>Lösenorden matchar inte.</translation>
    </message>
    <message>
        <source>The security certificate of %1 is not trusted. Your connection may not be secure.</source>
        <translation>Säkerhetscertifikatet för %1 är inte betrott. Anslutningen kanske inte är säker.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>%1, %2 o'clock</source>
        <translation>%1, klockan %2</translation>
    </message>
    <message>
        <source>The Setup Wizard allows you to repair the installation of [ProductName] or remove it from your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>Med installationsguiden kan du reparera installationen av [ProductName] eller ta bort programmet från datorn. Klicka på Nästa om du vill fortsätta eller på Avbryt om du vill avsluta guiden.</translation>
    </message>
    <message>
        <source>Read and write</source>
        <translation>Läsa och skriva</translation>
    </message>
    <message>
        <source>Pause for 8 hours</source>
        <translation>Pausa i 8 timmar</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Säkerhetskopiering</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausad</translation>
    </message>
    <message>
        <source>Edit the selected task</source>
        <translation>Redigera den valda uppgiften</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Välkommen</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Öppna i webbläsaren</translation>
    </message>
    <message>
        <source>Task %1, status %2</source>
        <translation>Uppgift %1, status %2</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation>Klicka på Slutför om du vill avsluta installationsguiden.</translation>
    </message>
    <message>
        <source>Relay ID</source>
        <translation>Relä-ID</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Logga in</translation>
    </message>
    <message>
        <source>Do not limit</source>
        <translation>Begränsa inte</translation>
    </message>
    <message>
        <source>Download changes from the server only</source>
        <translation>Ladda bara ned ändringar från servern</translation>
    </message>
    <message>
        <source>Unable to move %1 to %2.</source>
        <translation>Det går inte att flytta %1 till %2.</translation>
    </message>
    <message>
        <source>Add a task</source>
        <translation>Lägg till en uppgift</translation>
    </message>
    <message>
        <source>Your storage space on %1 is almost full.</source>
        <translation>Ditt lagringsutrymme på %1 är nästan fullt.</translation>
    </message>
    <message>
        <source>Install updates automatically</source>
        <translation>Installera uppdateringar automatiskt</translation>
    </message>
    <message>
        <source>Recent Changes</source>
        <translation>Senaste ändringar</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>Visningsnamn</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Ansluter...</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Varningar</translation>
    </message>
    <message>
        <source>Preparing to sync...</source>
        <translation>Förbereder synkroniseringen...</translation>
    </message>
    <message>
        <source>Single Sign-On</source>
        <translation>Enkel inloggning</translation>
    </message>
    <message>
        <source>Ready to sync</source>
        <translation>Klart för synkronisering</translation>
    </message>
    <message>
        <source>Advanced Filters...</source>
        <translation>Avancerade filter...</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <translation>Visa skrivbordsaviseringar</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimera</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Söker efter uppdateringar...</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Nedladdad</translation>
    </message>
    <message>
        <source>Choose a folder on the server</source>
        <translation>Välj en mapp på servern</translation>
    </message>
    <message>
        <source>Excluded from sync</source>
        <translation>Undantagen från synkronisering</translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <translation>Synkroniserar %1 filer</translation>
    </message>
    <message>
        <source>Loading folders...</source>
        <translation>Läser in mappar...</translation>
    </message>
    <message>
        <source>This version of Quenmark Zelto Client is no longer supported by the server. Please update the client.</source>
        <translation>Den här versionen av Quenmark Zelto Client stöds inte längre av servern. Uppdatera klienten.</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Delad</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>sekunder</translation>
    </message>
    <message>
        <source>Repairing [ProductName]</source>
        <translation>Reparerar [ProductName]</translation>
    </message>
    <message>
        <source>Upload speed</source>
        <translation>Uppladdningshastighet</translation>
    </message>
    <message>
        <source>Open on Server</source>
        <translation>Öppna på servern</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Slutför</translation>
    </message>
    <message>
        <source>Your settings have been saved.</source>
        <translation>Dina inställningar har sparats.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Inaktiverad</translation>
    </message>
    <message>
        <source>Create Sync Task</source>
        <translation>Skapa synkroniseringsuppgift</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Säkerhetskopiera nu</translation>
    </message>
    <message>
        <source>The upgrade is complete.</source>
        <translation>Uppgraderingen är klar.</translation>
    </message>
    <message>
        <source>Version %1 (build %2)</source>
        <translation>Version %1 (bygge %2)</translation>
    </message>
    <message>
        <source>Launch [ProductName] now</source>
        <translation>Starta [ProductName] nu</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Skicka feedback</translation>
    </message>
    <message>
        <source>No results found.</source>
        <translation>Inga resultat hittades.</translation>
    </message>
    <message>
        <source>Copy Sharing Link</source>
        <translation>Kopiera delningslänk</translation>
    </message>
    <message>
        <source>The task no longer exists.</source>
        <translation>Uppgiften finns inte längre.</translation>
    </message>
    <message>
        <source>&amp;Do not close applications. A reboot will be required.</source>
        <translation>Stäng &amp;inte programmen. En omstart kommer att krävas.</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Uppgift</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fre</translation>
    </message>
    <message>
        <source>Deleting %1</source>
        <translation>Tar bort %1</translation>
    </message>
    <message>
        <source>Enter at least %1 characters.</source>
        <translation>Ange minst %1 tecken.</translation>
    </message>
    <message>
        <source>Unable to restore the selected files.</source>
        <translation>Det går inte att återställa de valda filerna.</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation>Synkronisering på begäran</translation>
    </message>
    <message>
        <source>Checking the environment...</source>
        <translation>Kontrollerar miljön...</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation>Synkronisering åt båda hållen</translation>
    </message>
    <message>
        <source>Valid until</source>
        <translation>Giltigt till</translation>
    </message>
    <message>
        <source>The history was exported to %1.</source>
        <translation>Historiken har exporterats till %1.</translation>
    </message>
    <message>
        <source>Files and folders that match these rules are not synced.</source>
        <translation>Filer och mappar som matchar de här reglerna synkroniseras inte.</translation>
    </message>
    <message>
        <source>Available offline</source>
        <translation>Tillgänglig offline</translation>
    </message>
    <message>
        <source>The files have been restored.</source>
        <translation>Filerna har återställts.</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Enhetsnamn</translation>
    </message>
    <message>
        <source>Renaming %1</source>
        <translation>Byter namn på %1</translation>
    </message>
    <message>
        <source>Some files could not be synced</source>
        <translation>Vissa filer kunde inte synkroniseras</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Nätverk</translation>
    </message>
    <message>
        <source>Task name</source>
        <translation>Uppgiftens namn</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by fixing missing and corrupt files, shortcuts, and registry entries.</source>
        <translation>Åtgärdar fel i den senaste installationen genom att reparera saknade och skadade filer, genvägar och registerposter.</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Läser in...</translation>
    </message>
    <message>
        <source>Pause until I resume</source>
        <translation>Pausa tills jag återupptar</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nästa</translation>
    </message>
    <message>
        <source>No server was found on your local network. Enter the address manually.</source>
        <translation>Ingen server hittades i det lokala nätverket. Ange adressen manuellt.</translation>
    </message>
    <message>
        <source>Removes [ProductName] from your computer.</source>
        <translation>Tar bort [ProductName] från datorn.</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>Lokal mapp</translation>
    </message>
    <message>
        <source>The quota of the shared folder has been reached.</source>
        <translation>Kvoten för den delade mappen har nåtts.</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>Licensavtal för slutanvändare</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>Online only</source>
        <translation>Endast online</translation>
    </message>
    <message>
        <source>Up one level</source>
        <translation>Upp en nivå</translation>
    </message>
    <message>
        <source>Upload: %1/s  Download: %2/s</source>
        <translation>Uppladdning: %1/s  Nedladdning: %2/s</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Mörkt</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Dagligen</translation>
    </message>
    <message>
        <source>The local version was renamed to %1.</source>
        <translation>Den lokala versionen har fått namnet %1.</translation>
    </message>
    <message>
        <source>%1 is in use by another application and will be synced when it is closed.</source>
        <translation>%1 används av ett annat program och synkroniseras när programmet stängs.</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Pausad till %1</translation>
    </message>
    <message>
        <source>View History</source>
        <translation>Visa historik</translation>
    </message>
    <message>
        <source>Confirm new password</source>
        <translation>Bekräfta nytt lösenord</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>Tidsgräns för anslutning</translation>
    </message>
    <message>
        <source>Proxy server</source>
        <translation>Proxyserver</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Användare</translation>
    </message>
    <message>
        <source>Downloading the update... %1%</source>
        <translation>Laddar ned uppdateringen... %1%</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Namnbytt</translation>
    </message>
    <message>
        <source>Use dark theme</source>
        <translation>Använd mörkt tema</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Tisdag</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>kB/s</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully</source>
        <translation>Läs följande licensavtal noggrant</translation>
    </message>
    <message>
        <source>Send Test Email</source>
        <translation>Skicka testmeddelande</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <translation>Synkroniseringsriktning</translation>
    </message>
    <message>
        <source>Rebuilding the local database...</source>
        <translation>Bygger om den lokala databasen...</translation>
    </message>
    <message>
        <source>Switch Account</source>
        <translation>Byt konto</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>Folder tree</source>
        <translation>Mappträd</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>Återställ den här versionen</translation>
    </message>
    <message>
        <source>The destination shared folder could not be found on the server. Select another destination.</source>
        <translation>Den delade målmappen hittades inte på servern. Välj ett annat mål.</translation>
    </message>
    <message>
        <source>The security certificate of the server has expired.</source>
        <translation>Serverns säkerhetscertifikat har gått ut.</translation>
    </message>
    <message>
        <source>Restart Quenmark Zelto Client to apply the changes.</source>
        <translation>Starta om Quenmark Zelto Client för att tillämpa ändringarna.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client status icon</source>
        <translation>Statusikon för Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Ström</translation>
    </message>
    <message>
        <source>%1 percent complete</source>
        <translation>%1 procent klart</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Lör</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Lagring</translation>
    </message>
    <message>
        <source>Pause syncing when running on battery power</source>
        <translation>Pausa synkroniseringen vid batteridrift</translation>
    </message>
    <message>
        <source>Enter your server address, username and password.</source>
        <translation>Ange serveradress, användarnamn och lösenord.</translation>
    </message>
    <message>
        <source>Every %1 minutes</source>
        <translation>Var %1:e minut</translation>
    </message>
    <message>
        <source>Do you want to delete the selected items?</source>
        <translation>Vill du ta bort de markerade objekten?</translation>
    </message>
    <message>
        <source>Show sync status icons in the file manager</source>
        <translation>Visa synkroniseringsikoner i filhanteraren</translation>
    </message>
    <message>
        <source>I &amp;do not accept the terms in the License Agreement</source>
        <translation>Jag godkänner &amp;inte villkoren i licensavtalet</translation>
    </message>
    <message>
        <source>Learn more</source>
        <translation>Läs mer</translation>
    </message>
    <message>
        <source>Server address field</source>
        <translation>Fält för serveradress</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frekvens</translation>
    </message>
    <message>
        <source>Play a sound</source>
        <translation>Spela upp ett ljud</translation>
    </message>
    <message>
        <source>Locate Folder</source>
        <translation>Leta upp mappen</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>Målmapp</translation>
    </message>
    <message>
        <source>Load More</source>
        <translation>Läs in fler</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Unable to rename %1 to %2.</source>
        <translation>Det går inte att byta namn på %1 till %2.</translation>
    </message>
    <message>
        <source>If your network requires a proxy server to reach the Internet, enter its settings here.</source>
        <translation>Om nätverket kräver en proxyserver för att nå Internet anger du dess inställningar här.</translation>
    </message>
    <message>
        <source>Remove the local copies of the selected files? They remain on the server and are downloaded again when you open them.</source>
        <translation>Vill du ta bort de lokala kopiorna av de valda filerna? De finns kvar på servern och laddas ned igen när du öppnar dem.</translation>
    </message>
    <message>
        <source>Install Now</source>
        <translation>Installera nu</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Tor</translation>
    </message>
    <message>
        <source>Display scaling</source>
        <translation>Skalning av skärmen</translation>
    </message>
    <message>
        <source>Restoring %1 of %2 files...</source>
        <translation>Återställer %1 av %2 filer...</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Filnamnstillägg</translation>
    </message>
    <message>
        <source>The update package is damaged or has an invalid signature.</source>
        <translation>Uppdateringspaketet är skadat eller har en ogiltig signatur.</translation>
    </message>
    <message>
        <source>Disk Space Requirements</source>
        <translation>Diskutrymme som krävs</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Uppgradering</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Uppgifter</translation>
    </message>
    <message>
        <source>Account: %1</source>
        <translation>Konto: %1</translation>
    </message>
    <message>
        <source>The security certificate of the server is not trusted.</source>
        <translation>Serverns säkerhetscertifikat är inte betrott.</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Markera ingen</translation>
    </message>
    <message>
        <source>An invalid parameter was given.</source>
        <translation>En ogiltig parameter angavs.</translation>
    </message>
    <message>
        <source>Ask before deleting many files on the server</source>
        <translation>Fråga innan många filer tas bort på servern</translation>
    </message>
    <message>
        <source>&amp;Look in:</source>
        <translation>&amp;Leta i:</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>Din IP-adress har blockerats av servern.</translation>
    </message>
    <message>
        <source>Debug logging records detailed information and may slow down syncing. Turn it off when you are done.</source>
        <translation>Felsökningsloggning sparar detaljerad information och kan göra synkroniseringen långsammare. Stäng av den när du är klar.</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Mål</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Manuell proxykonfiguration</translation>
    </message>
    <message>
        <source>Day of the month</source>
        <translation>Dag i månaden</translation>
    </message>
    <message>
        <source>The local database is damaged. Quenmark Zelto Client will rebuild it.</source>
        <translation>Den lokala databasen är skadad. Quenmark Zelto Client bygger upp den igen.</translation>
    </message>
    <message>
        <source>Are you sure you want to quit the setup? No task will be created.</source>
        <translation>Vill du avsluta installationen? Ingen uppgift skapas.</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Aldrig synkroniserad</translation>
    </message>
    <message>
        <source>The shared folder no longer exists on the server.</source>
        <translation>Den delade mappen finns inte längre på servern.</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Tis</translation>
    </message>
    <message>
        <source>Use SSL/TLS</source>
        <translation>Använd SSL/TLS</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <translation>Synkroniseringsläge</translation>
    </message>
    <message>
        <source>The update has been downloaded and will be installed when you quit Quenmark Zelto Client.</source>
        <translation>Uppdateringen har laddats ned och installeras när du avslutar Quenmark Zelto Client.</translation>
    </message>
    <message>
        <source>The server is under maintenance. Syncing will resume automatically.</source>
        <translation>Servern genomgår underhåll. Synkroniseringen återupptas automatiskt.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client Setup</source>
        <translation>Installation av Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximera</translation>
    </message>
    <message>
        <source>Enable backup schedule</source>
        <translation>Aktivera schemalagd säkerhetskopiering</translation>
    </message>
    <message>
        <source>The first sync may take a while, depending on the number and size of your files.</source>
        <translation>Den första synkroniseringen kan ta en stund, beroende på hur många och hur stora filerna är.</translation>
    </message>
    <message>
        <source>Sign in with the account you use on %1.</source>
        <translation>Logga in med det konto du använder på %1.</translation>
    </message>
    <message>
        <source>Backup Schedule</source>
        <translation>Schema för säkerhetskopiering</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>Filnamnet är för långt.</translation>
    </message>
    <message>
        <source>The file manager will be restarted to unload the extension.</source>
        <translation>Filhanteraren startas om för att tillägget ska tas bort ur minnet.</translation>
    </message>
    <message>
        <source>Keep both versions</source>
        <translation>Behåll båda versionerna</translation>
    </message>
    <message>
        <source>Available when online</source>
        <translation>Tillgänglig när du är online</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tillbaka</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Avmarkera alla</translation>
    </message>
    <message>
        <source>Total size</source>
        <translation>Total storlek</translation>
    </message>
    <message>
        <source>Open source licenses</source>
        <translation>Licenser för öppen källkod</translation>
    </message>
    <message>
        <source>No backup is scheduled.</source>
        <translation>Ingen säkerhetskopiering är schemalagd.</translation>
    </message>
    <message>
        <source>Syncing was paused while the computer was asleep.</source>
        <translation>Synkroniseringen pausades medan datorn var i viloläge.</translation>
    </message>
    <message>
        <source>Team Folder</source>
        <translation>Teammapp</translation>
    </message>
    <message>
        <source>Overall progress</source>
        <translation>Totalt förlopp</translation>
    </message>
    <message>
        <source>Checking the connection to %1...</source>
        <translation>Kontrollerar anslutningen till %1...</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <translation>%1 är klar.</translation>
    </message>
    <message>
        <source>When a conflict occurs</source>
        <translation>När en konflikt uppstår</translation>
    </message>
    <message>
        <source>The security certificate was issued to %1, not to %2.</source>
        <translation>Säkerhetscertifikatet är utfärdat till %1, inte till %2.</translation>
    </message>
    <message>
        <source>Trust this computer</source>
        <translation>Lita på den här datorn</translation>
    </message>
    <message>
        <source>Select the operation you wish to perform.</source>
        <translation>Välj vilken åtgärd du vill utföra.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiverad</translation>
    </message>
    <message>
        <source>File size limit</source>
        <translation>Gräns för filstorlek</translation>
    </message>
    <message>
        <source>Unable to create the task.</source>
        <translation>Det går inte att skapa uppgiften.</translation>
    </message>
    <message>
        <source>Create Task</source>
        <translation>Skapa uppgift</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>kB</translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <translation>Vissa filer som måste uppdateras används just nu.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Vänta...</translation>
    </message>
    <message>
        <source>Searching for servers on your local network...</source>
        <translation>Söker efter servrar i det lokala nätverket...</translation>
    </message>
    <message>
        <source>Disk space required for the installation exceeds available disk space.</source>
        <translation>Det diskutrymme som krävs för installationen överskrider det tillgängliga utrymmet.</translation>
    </message>
    <message>
        <source>The following applications are using files that need to be updated by this setup. Close these applications and then click &amp;Retry to continue the installation or Cancel to exit it.</source>
        <translation>Följande program använder filer som måste uppdateras av installationen. Stäng programmen och klicka sedan på &amp;Försök igen för att fortsätta installationen eller på Avbryt för att avsluta den.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Mappen %1 finns inte.</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Ägare</translation>
    </message>
    <message>
        <source>Play sounds</source>
        <translation>Spela upp ljud</translation>
    </message>
    <message>
        <source>Synced</source>
        <translation>Synkroniserad</translation>
    </message>
    <message>
        <source>Last day of the month</source>
        <translation>Sista dagen i månaden</translation>
    </message>
    <message>
        <source>Keep the version on this computer</source>
        <translation>Behåll versionen på den här datorn</translation>
    </message>
    <message>
        <source>Resume the selected task</source>
        <translation>Återuppta den valda uppgiften</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>Sort by Size</source>
        <translation>Sortera efter storlek</translation>
    </message>
    <message>
        <source>Storage Details</source>
        <translation>Lagringsinformation</translation>
    </message>
    <message>
        <source>Apply limits only during these hours</source>
        <translation>Tillämpa begränsningarna bara under dessa timmar</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupp</translation>
    </message>
    <message>
        <source>Welcome to Quenmark Zelto Client</source>
        <translation>Välkommen till Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Åtgärd</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Ansluten</translation>
    </message>
    <message>
        <source>Data from an earlier version was found on this computer.</source>
        <translation>Data från en tidigare version hittades på den här datorn.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-post</translation>
    </message>
    <message>
        <source>Pause for 30 minutes</source>
        <translation>Pausa i 30 minuter</translation>
    </message>
    <message>
        <source>Open in File Manager</source>
        <translation>Öppna i filhanteraren</translation>
    </message>
    <message>
        <source>Completed the [ProductName] Setup Wizard</source>
        <translation>Installationsguiden för [ProductName] har slutförts</translation>
    </message>
    <message>
        <source>Last synced %1</source>
        <translation>Senast synkroniserad %1</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Steg %1 av %2</translation>
    </message>
    <message>
        <source>Retry Now</source>
        <translation>Försök igen nu</translation>
    </message>
    <message>
        <source>%1 of %2 used</source>
        <translation>%1 av %2 används</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Överhoppad</translation>
    </message>
    <message>
        <source>You have used %1 of your storage quota.</source>
        <translation>Du har använt %1 av din lagringskvot.</translation>
    </message>
    <message>
        <source>A newer version of [ProductName] is already installed. Setup will now exit.</source>
        <translation>En nyare version av [ProductName] är redan installerad. Installationen avslutas nu.</translation>
    </message>
    <message>
        <source>No problem was found.</source>
        <translation>Inga problem hittades.</translation>
    </message>
    <message>
        <source>Keep files on the server that were deleted on this computer</source>
        <translation>Behåll filer på servern som tagits bort på den här datorn</translation>
    </message>
    <message>
        <source>Scanning for changes...</source>
        <translation>Söker efter ändringar...</translation>
    </message>
    <message>
        <source>Registering product</source>
        <translation>Registrerar produkten</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Gränssnittsspråk</translation>
    </message>
    <message>
        <source>You are not running the setup as an administrator. Some features may not be installed correctly. Continue anyway?</source>
        <translation>Du kör inte installationen som administratör. Vissa funktioner kanske inte installeras korrekt. Vill du fortsätta ändå?</translation>
    </message>
    <message>
        <source>There is not enough free space on %1. At least %2 is needed.</source>
        <translation>Det finns inte tillräckligt med ledigt utrymme på %1. Minst %2 behövs.</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Kontakta supporten</translation>
    </message>
    <message>
        <source>Task Details</source>
        <translation>Uppgiftsinformation</translation>
    </message>
    <message>
        <source>Back up only when the computer is idle</source>
        <translation>Säkerhetskopiera bara när datorn är inaktiv</translation>
    </message>
    <message>
        <source>Open the folder on the server in a web browser</source>
        <translation>Öppna mappen på servern i en webbläsare</translation>
    </message>
    <message>
        <source>Administrator permission is required.</source>
        <translation>Administratörsbehörighet krävs.</translation>
    </message>
    <message>
        <source>Creating shortcuts</source>
        <translation>Skapar genvägar</translation>
    </message>
    <message>
        <source>Your email address (optional)</source>
        <translation>Din e-postadress (valfritt)</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Förlopp</translation>
    </message>
    <message>
        <source>Free space on this drive: %1</source>
        <translation>Ledigt utrymme på enheten: %1</translation>
    </message>
    <message>
        <source>The proxy connection works.</source>
        <translation>Proxyanslutningen fungerar.</translation>
    </message>
    <message>
        <source>Privacy statement</source>
        <translation>Sekretesspolicy</translation>
    </message>
    <message>
        <source>Install the file manager extension (status icons and context menu)</source>
        <translation>Installera filhanterartillägget (statusikoner och snabbmeny)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importera</translation>
    </message>
    <message>
        <source>Select Folders</source>
        <translation>Välj mappar</translation>
    </message>
    <message>
        <source>The file is locked by another application.</source>
        <translation>Filen är låst av ett annat program.</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Thank you! Your feedback has been sent.</source>
        <translation>Tack! Din feedback har skickats.</translation>
    </message>
    <message>
        <source>Sync directly with computers on the same network when possible</source>
        <translation>Synkronisera direkt med datorer i samma nätverk när det är möjligt</translation>
    </message>
    <message>
        <source>Download rate</source>
        <translation>Nedladdningshastighet</translation>
    </message>
    <message>
        <source>&amp;Folder name:</source>
        <translation>&amp;Mappnamn:</translation>
    </message>
    <message>
        <source>%1 files, %2</source>
        <translation>%1 filer, %2</translation>
    </message>
    <message>
        <source>Version on this computer</source>
        <translation>Version på den här datorn</translation>
    </message>
    <message>
        <source>The file name contains characters that are not allowed: %1</source>
        <translation>Filnamnet innehåller otillåtna tecken: %1</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Nästa &gt;</translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>Kräver åtgärd</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Krävs</translation>
    </message>
    <message>
        <source>Your settings and sync tasks are being moved to the new version of Quenmark Zelto Client. Do not turn off the computer.</source>
        <translation>Dina inställningar och synkroniseringsuppgifter flyttas till den nya versionen av Quenmark Zelto Client. Stäng inte av datorn.</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Användarhandbok</translation>
    </message>
    <message>
        <source>Expiration date</source>
        <translation>Förfallodatum</translation>
    </message>
    <message>
        <source>The disk where your sync folder is located is almost full.</source>
        <translation>Disken där synkroniseringsmappen finns är nästan full.</translation>
    </message>
    <message>
        <source>The server %1 could not be found. Check the address and try again.</source>
        <translation>Servern %1 hittades inte. Kontrollera adressen och försök igen.</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>Fältet är obligatoriskt.</translation>
    </message>
    <message>
        <source>You have read-only access to this shared folder.</source>
        <translation>Du har endast läsbehörighet till den här delade mappen.</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Kopiera länk</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Bakåt</translation>
    </message>
    <message>
        <source>View Previous Versions</source>
        <translation>Visa tidigare versioner</translation>
    </message>
    <message>
        <source>Complete the sign-in in your web browser.</source>
        <translation>Slutför inloggningen i webbläsaren.</translation>
    </message>
    <message>
        <source>Directory user</source>
        <translation>Katalogtjänstanvändare</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Jämför</translation>
    </message>
    <message>
        <source>Always Keep on This Device</source>
        <translation>Behåll alltid på den här enheten</translation>
    </message>
    <message>
        <source>You do not have write permission for the destination shared folder.</source>
        <translation>Du har inte skrivbehörighet till den delade målmappen.</translation>
    </message>
    <message>
        <source>Open Quenmark Zelto Client</source>
        <translation>Öppna Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Ljust</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>Avisering</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Ladda ned</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nej</translation>
    </message>
    <message>
        <source>The folder is already used by another sync task.</source>
        <translation>Mappen används redan av en annan synkroniseringsuppgift.</translation>
    </message>
    <message>
        <source>This link has expired.</source>
        <translation>Länken har gått ut.</translation>
    </message>
    <message>
        <source>Installing [ProductName]</source>
        <translation>Installerar [ProductName]</translation>
    </message>
    <message>
        <source>Rename the server file</source>
        <translation>Byt namn på serverfilen</translation>
    </message>
    <message>
        <source>Your files are now being synced. You can follow the progress from the icon in the notification area.</source>
        <translation>Filerna synkroniseras nu. Du kan följa förloppet via ikonen i meddelandefältet.</translation>
    </message>
    <message>
        <source>&amp;Disk Usage</source>
        <translation>&amp;Diskanvändning</translation>
    </message>
    <message>
        <source>Syncing</source>
        <translation>Synkroniserar</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client is running. Quit it and click Retry, or click Cancel to stop the setup.</source>
        <translation>Quenmark Zelto Client körs. Avsluta programmet och klicka på Försök igen, eller klicka på Avbryt för att stoppa installationen.</translation>
    </message>
    <message>
        <source>Share with users on the server</source>
        <translation>Dela med användare på servern</translation>
    </message>
    <message>
        <source>Can edit</source>
        <translation>Kan redigera</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Onsdag</translation>
    </message>
    <message>
        <source>Looking for changed files...</source>
        <translation>Söker efter ändrade filer...</translation>
    </message>
    <message>
        <source>Copy folders on this computer to the server on a schedule. Files deleted on this computer are kept on the server.</source>
        <translation>Kopierar mappar på den här datorn till servern enligt ett schema. Filer som tas bort på datorn behålls på servern.</translation>
    </message>
    <message>
        <source>Some settings could not be moved. Please check your sync tasks.</source>
        <translation>Vissa inställningar kunde inte flyttas. Kontrollera dina synkroniseringsuppgifter.</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Synkronisera nu</translation>
    </message>
    <message>
        <source>On-demand</source>
        <translation>På begäran</translation>
    </message>
    <message>
        <source>Saved accounts</source>
        <translation>Sparade konton</translation>
    </message>
    <message>
        <source>Restore...</source>
        <translation>Återställ...</translation>
    </message>
    <message>
        <source>Attach diagnostic logs</source>
        <translation>Bifoga diagnostikloggar</translation>
    </message>
    <message>
        <source>%1 results</source>
        <translation>%1 resultat</translation>
    </message>
    <message>
        <source>Open Sync Folder</source>
        <translation>Öppna synkroniseringsmappen</translation>
    </message>
    <message>
        <source>%1 could not be updated. The installed version will be started.</source>
        <translation>%1 kunde inte uppdateras. Den installerade versionen startas.</translation>
    </message>
    <message>
        <source>%1 was not synced because it is larger than the maximum file size.</source>
        <translation>%1 synkroniserades inte eftersom den är större än den högsta tillåtna filstorleken.</translation>
    </message>
    <message>
        <source>View on Web Portal</source>
        <translation>Visa på webbportalen</translation>
    </message>
    <message>
        <source>Open the local folder</source>
        <translation>Öppna den lokala mappen</translation>
    </message>
    <message>
        <source>Permission</source>
        <translation>Behörighet</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Borttagen</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard removes [ProductName].</source>
        <translation>Vänta medan installationsguiden tar bort [ProductName].</translation>
    </message>
    <message>
        <source>Moving Your Data</source>
        <translation>Dina data flyttas</translation>
    </message>
    <message>
        <source>Ask when more than %1 files are deleted at once</source>
        <translation>Fråga när fler än %1 filer tas bort samtidigt</translation>
    </message>
    <message>
        <source>Uploaded</source>
        <translation>Uppladdad</translation>
    </message>
    <message>
        <source>Server name</source>
        <translation>Servernamn</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Skriv &amp;ut</translation>
    </message>
    <message>
        <source>Signed in as %1</source>
        <translation>Inloggad som %1</translation>
    </message>
    <message>
        <source>The recycle bin is not enabled for this shared folder. Deleted files cannot be restored.</source>
        <translation>Papperskorgen är inte aktiverad för den här delade mappen. Borttagna filer kan inte återställas.</translation>
    </message>
    <message>
        <source>Uploading %1</source>
        <translation>Laddar upp %1</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of [ProductName]. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Klicka på Reparera för att reparera installationen av [ProductName]. Klicka på Bakåt om du vill granska eller ändra installationsinställningarna. Klicka på Avbryt om du vill avsluta guiden.</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Körs</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Nyss</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Alltid överst</translation>
    </message>
    <message>
        <source>Verification code</source>
        <translation>Verifieringskod</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>I går</translation>
    </message>
    <message>
        <source>Use the default folder (%1)</source>
        <translation>Använd standardmappen (%1)</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>Släpp filer här</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Fredag</translation>
    </message>
    <message>
        <source>Username field</source>
        <translation>Fält för användarnamn</translation>
    </message>
    <message>
        <source>Encrypt data during transfer</source>
        <translation>Kryptera data under överföringen</translation>
    </message>
    <message>
        <source>%1 files were changed.</source>
        <translation>%1 filer har ändrats.</translation>
    </message>
    <message>
        <source>Sign In...</source>
        <translation>Logga in...</translation>
    </message>
    <message>
        <source>You do not have permission to perform this operation.</source>
        <translation>Du har inte behörighet att utföra åtgärden.</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Inställningssidor</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Använd systemets proxyinställningar</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Väntar</translation>
    </message>
    <message>
        <source>The folder is read-only. Files cannot be written to it.</source>
        <translation>Mappen är skrivskyddad. Det går inte att skriva filer till den.</translation>
    </message>
    <message>
        <source>Next backup: %1</source>
        <translation>Nästa säkerhetskopiering: %1</translation>
    </message>
    <message>
        <source>The disk space required for the installation of the selected features.</source>
        <translation>Det diskutrymme som krävs för att installera de valda funktionerna.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <translation>Tillfälliga filer</translation>
    </message>
    <message>
        <source>Issued to</source>
        <translation>Utfärdat till</translation>
    </message>
    <message>
        <source>More actions</source>
        <translation>Fler åtgärder</translation>
    </message>
    <message>
        <source>Download This Version</source>
        <translation>Ladda ned den här versionen</translation>
    </message>
    <message>
        <source>Include in Sync</source>
        <translation>Ta med i synkronisering</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Notify me when a backup finishes</source>
        <translation>Meddela mig när en säkerhetskopiering är klar</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Måndag</translation>
    </message>
    <message>
        <source>Unable to delete %1.</source>
        <translation>Det går inte att ta bort %1.</translation>
    </message>
    <message>
        <source>Open the sync folder</source>
        <translation>Öppna synkroniseringsmappen</translation>
    </message>
    <message>
        <source>Create a shortcut on the &amp;desktop</source>
        <translation>Skapa en genväg på &amp;skrivbordet</translation>
    </message>
    <message>
        <source>Unable to save the settings.</source>
        <translation>Det går inte att spara inställningarna.</translation>
    </message>
    <message>
        <source>Email the report after each backup</source>
        <translation>Skicka rapporten via e-post efter varje säkerhetskopiering</translation>
    </message>
    <message>
        <source>Cache location</source>
        <translation>Cacheplats</translation>
    </message>
    <message>
        <source>Include folder %1</source>
        <translation>Ta med mappen %1</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Teckenstorlek</translation>
    </message>
    <message>
        <source>Unable to create %1.</source>
        <translation>Det går inte att skapa %1.</translation>
    </message>
    <message>
        <source>Scanning local files...</source>
        <translation>Söker igenom lokala filer...</translation>
    </message>
    <message>
        <source>Back up on a schedule</source>
        <translation>Säkerhetskopiera enligt ett schema</translation>
    </message>
    <message>
        <source>&amp;Keep my settings and sync tasks</source>
        <translation>&amp;Behåll mina inställningar och synkroniseringsuppgifter</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Återställ standardvärden</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Aviseringar</translation>
    </message>
    <message>
        <source>Cache size</source>
        <translation>Cachestorlek</translation>
    </message>
    <message>
        <source>Never expires</source>
        <translation>Går aldrig ut</translation>
    </message>
    <message>
        <source>Select a server from the list or enter its address.</source>
        <translation>Välj en server i listan eller ange dess adress.</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Ons</translation>
    </message>
    <message>
        <source>%1 was deleted.</source>
        <translation>%1 har tagits bort.</translation>
    </message>
    <message>
        <source>The server is offline.</source>
        <translation>Servern är offline.</translation>
    </message>
    <message>
        <source>Open Recycle Bin</source>
        <translation>Öppna papperskorgen</translation>
    </message>
    <message>
        <source>Exclude from Sync</source>
        <translation>Undanta från synkronisering</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Skicka</translation>
    </message>
    <message>
        <source>Version on the server</source>
        <translation>Version på servern</translation>
    </message>
    <message>
        <source>Calculating time remaining...</source>
        <translation>Beräknar återstående tid...</translation>
    </message>
    <message>
        <source>SMTP port</source>
        <translation>SMTP-port</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Ingen proxy</translation>
    </message>
    <message>
        <source>Pause for 1 hour</source>
        <translation>Pausa i 1 timme</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bekräfta</translation>
    </message>
    <message>
        <source>Rename the local file</source>
        <translation>Byt namn på den lokala filen</translation>
    </message>
    <message>
        <source>Show Previous Versions</source>
        <translation>Visa tidigare versioner</translation>
    </message>
    <message>
        <source>Notify me when a sync finishes</source>
        <translation>Meddela mig när en synkronisering är klar</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportera...</translation>
    </message>
    <message>
        <source>Current status</source>
        <translation>Aktuell status</translation>
    </message>
    <message>
        <source>Stop Backup</source>
        <translation>Stoppa säkerhetskopieringen</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation>Filer som används</translation>
    </message>
    <message>
        <source>Do not sync temporary files</source>
        <translation>Synkronisera inte tillfälliga filer</translation>
    </message>
    <message>
        <source>Unable to unpack the installation package.</source>
        <translation>Det går inte att packa upp installationspaketet.</translation>
    </message>
    <message>
        <source>The backup could not start because the server is offline.</source>
        <translation>Säkerhetskopieringen kunde inte starta eftersom servern är offline.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arkiv</translation>
    </message>
    <message>
        <source>Enter a valid IP address.</source>
        <translation>Ange en giltig IP-adress.</translation>
    </message>
    <message>
        <source>IP address, domain name or relay ID</source>
        <translation>IP-adress, domännamn eller relä-ID</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Söndag</translation>
    </message>
    <message>
        <source>You do not have permission to use this service. Contact your system administrator.</source>
        <translation>Du har inte behörighet att använda tjänsten. Kontakta systemadministratören.</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Ta bort</translation>
    </message>
    <message>
        <source>The backup is intact.</source>
        <translation>Säkerhetskopian är intakt.</translation>
    </message>
    <message>
        <source>Select at least one day.</source>
        <translation>Välj minst en dag.</translation>
    </message>
    <message>
        <source>%1 files were deleted from the sync folder. Do you also want to delete them from the server?</source>
        <translation>%1 filer har tagits bort från synkroniseringsmappen. Vill du ta bort dem från servern också?</translation>
    </message>
    <message>
        <source>Certificate Warning</source>
        <translation>Certifikatvarning</translation>
    </message>
    <message>
        <source>Remember my password</source>
        <translation>Kom ihåg lösenordet</translation>
    </message>
    <message>
        <source>Weekly schedule grid</source>
        <translation>Rutnät för veckoschema</translation>
    </message>
    <message>
        <source>Enter a number between %1 and %2.</source>
        <translation>Ange ett tal mellan %1 och %2.</translation>
    </message>
    <message>
        <source>The username or password you entered is incorrect.</source>
        <translation>Användarnamnet eller lösenordet är felaktigt.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Dela</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Visa fönster</translation>
    </message>
    <message>
        <source>Backing up %1 of %2 files</source>
        <translation>Säkerhetskopierar %1 av %2 filer</translation>
    </message>
    <message>
        <source>Keep only the latest versions</source>
        <translation>Behåll bara de senaste versionerna</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <translation>Det finns inte tillräckligt med ledigt utrymme på den lokala disken.</translation>
    </message>
    <message>
        <source>The file was changed both on this computer and on the server since the last sync.</source>
        <translation>Filen har ändrats både på den här datorn och på servern sedan den senaste synkroniseringen.</translation>
    </message>
    <message>
        <source>Everything is up to date</source>
        <translation>Allt är uppdaterat</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>Scan complete</source>
        <translation>Genomsökningen är klar</translation>
    </message>
    <message>
        <source>Welcome to the [ProductName] Setup Wizard</source>
        <translation>Välkommen till installationsguiden för [ProductName]</translation>
    </message>
    <message>
        <source>Choose how to sync</source>
        <translation>Välj hur du vill synkronisera</translation>
    </message>
    <message>
        <source>Use * to match any characters and ? to match one character.</source>
        <translation>Använd * för valfria tecken och ? för ett enda tecken.</translation>
    </message>
    <message>
        <source>Ready to remove [ProductName]</source>
        <translation>Klart att ta bort [ProductName]</translation>
    </message>
    <message>
        <source>Last run time</source>
        <translation>Senaste körning</translation>
    </message>
    <message>
        <source>Backup finished with errors</source>
        <translation>Säkerhetskopieringen slutfördes med fel</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <translation>Välj en mapp på den här datorn</translation>
    </message>
    <message>
        <source>File name pattern</source>
        <translation>Filnamnsmönster</translation>
    </message>
    <message>
        <source>%1 servers found on your local network.</source>
        <translation>%1 servrar hittades i det lokala nätverket.</translation>
    </message>
    <message>
        <source>Restart Later</source>
        <translation>Starta om senare</translation>
    </message>
    <message>
        <source>Last sync</source>
        <translation>Senaste synkronisering</translation>
    </message>
    <message>
        <source>Stop Sharing</source>
        <translation>Sluta dela</translation>
    </message>
    <message>
        <source>Unable to connect to the server. Check your network connection and the server address.</source>
        <translation>Det går inte att ansluta till servern. Kontrollera nätverksanslutningen och serveradressen.</translation>
    </message>
</context>
</TS>
