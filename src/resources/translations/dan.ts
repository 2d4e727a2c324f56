<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>The quota of destination shared folder has reached the system limit. Please change the quota limit on the server or contact the system administrator.</source>
        <translation>Kvoten for den delte destinationsmappe har nået systemgrænsen. Skift kvotegrænsen på serveren, eller kontakt systemadministratoren.</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Ændret</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>Har du glemt din adgangskode?</translation>
    </message>
    <message>
        <source>Field cannot exceed %1 numbers.</source>
        <translation>Feltet må højst indeholde %1 cifre.</translation>
    </message>
    <message>
        <source>Show or hide the password</source>
        <translation>Vis eller skjul adgangskoden</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorer</translation>
    </message>
    <message>
        <source>Verifying files...</source>
        <translation>Verificerer filer...</translation>
    </message>
    <message>
        <source>Dismiss notification</source>
        <translation>Luk meddelelsen</translation>
    </message>
    <message>
        <source>Take Snapshot</source>
        <translation>Tag snapshot</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detaljer</translation>
    </message>
    <message>
        <source>Upload queue</source>
        <translation>Uploadkø</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Sync Task</source>
        <translation>Synkroniseringsopgave</translation>
    </message>
    <message>
        <source>Starting services</source>
        <translation>Starter tjenester</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation>Fortsæt alligevel</translation>
    </message>
    <message>
        <source>%1 was not synced because it matches a filter rule.</source>
        <translation>%1 blev ikke synkroniseret, fordi den matcher en filterregel.</translation>
    </message>
    <message>
        <source>Resume All</source>
        <translation>Genoptag alle</translation>
    </message>
    <message>
        <source>Local network only</source>
        <translation>Kun lokalt netværk</translation>
    </message>
    <message>
        <source>A relay connection can be slower than a direct connection.</source>
        <translation>En relæforbindelse kan være langsommere end en direkte forbindelse.</translation>
    </message>
    <message>
        <source>Encryption key</source>
        <translation>Krypteringsnøgle</translation>
    </message>
    <message>
        <source>Back up only when I start it manually</source>
        <translation>Sikkerhedskopiér kun, når jeg starter manuelt</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fejl</translation>
    </message>
    <message>
        <source>Server: %1</source>
        <translation>Server: %1</translation>
    </message>
    <message>
        <source>Can view</source>
        <translation>Kan se</translation>
    </message>
    <message>
        <source>[ProductName] setup was interrupted. Your system has not been modified. To install this program at a later time, please run the installation again.</source>
        <translation>Installationen af [ProductName] blev afbrudt. Systemet er ikke ændret. Kør installationen igen for at installere programmet på et senere tidspunkt.</translation>
    </message>
    <message>
        <source>Connect to a server</source>
        <translation>Opret forbindelse til en server</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generelt</translation>
    </message>
    <message>
        <source>Proxy server requires a password</source>
        <translation>Proxyserveren kræver en adgangskode</translation>
    </message>
    <message>
        <source>Field cannot exceed %1 characters.</source>
        <translation>Feltet må højst indeholde %1 tegn.</translation>
    </message>
    <message>
        <source>I &amp;accept the terms in the License Agreement</source>
        <translation>Jeg &amp;accepterer vilkårene i licensaftalen</translation>
    </message>
    <message>
        <source>Only the checked folders are synced to this computer.</source>
        <translation>Kun de markerede mapper synkroniseres til denne computer.</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>Sikkerhedskopieringen mislykkedes.</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation>Opgraderer...</translation>
    </message>
    <message>
        <source>Pause syncing on metered connections</source>
        <translation>Sæt synkronisering på pause på forbrugsafregnede forbindelser</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Kom i gang</translation>
    </message>
    <message>
        <source>Restore this version? The current version will be saved as a previous version.</source>
        <translation>Vil du gendanne denne version? Den aktuelle version gemmes som en tidligere version.</translation>
    </message>
    <message>
        <source>Updating %1...</source>
        <translation>%1 opdateres...</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Søg</translation>
    </message>
    <message>
        <source>Folders on a network drive cannot be synced.</source>
        <translation>Mapper på et netværksdrev kan ikke synkroniseres.</translation>
    </message>
    <message>
        <source>Restore Down</source>
        <translation>Gendan ned</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Listevisning</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Find servere på det lokale netværk</translation>
    </message>
    <message>
        <source>There are no previous versions of this file.</source>
        <translation>Der er ingen tidligere versioner af denne fil.</translation>
    </message>
    <message>
        <source>Backup cancelled</source>
        <translation>Sikkerhedskopieringen blev annulleret</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>Vis ikke igen</translation>
    </message>
    <message>
        <source>Enter the encryption key to open this shared folder.</source>
        <translation>Angiv krypteringsnøglen for at åbne denne delte mappe.</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anvend</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Filnavne</translation>
    </message>
    <message>
        <source>Do not sync files larger than</source>
        <translation>Synkroniser ikke filer, der er større end</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Skrive</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Åbn fil</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Forskel</translation>
    </message>
    <message>
        <source>Restore Files</source>
        <translation>Gendan filer</translation>
    </message>
    <message>
        <source>Files deleted on this computer are moved to the recycle bin of the shared folder on the server.</source>
        <translation>Filer, der slettes på denne computer, flyttes til papirkurven i den delte mappe på serveren.</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>&amp;Installer</translation>
    </message>
    <message>
        <source>%1 files were skipped because they were in use.</source>
        <translation>%1 filer blev sprunget over, fordi de var i brug.</translation>
    </message>
    <message>
        <source>The drive uses the FAT file system, which does not support files larger than 4 GB. Files over this size will not be synced.</source>
        <translation>Drevet bruger filsystemet FAT, som ikke understøtter filer over 4 GB. Større filer synkroniseres ikke.</translation>
    </message>
    <message>
        <source>%1 files were deleted on the server.</source>
        <translation>%1 filer blev slettet på serveren.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Beskyttelse af personlige oplysninger</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Connected through the relay service</source>
        <translation>Forbundet via relætjenesten</translation>
    </message>
    <message>
        <source>Connecting through the relay service...</source>
        <translation>Opretter forbindelse via relætjenesten...</translation>
    </message>
    <message>
        <source>Install [ProductName] to:</source>
        <translation>Installer [ProductName] i:</translation>
    </message>
    <message>
        <source>Email Notifications</source>
        <translation>Mailmeddelelser</translation>
    </message>
    <message>
        <source>Battery is low. Syncing has been paused.</source>
        <translation>Batteriniveauet er lavt. Synkroniseringen er sat på pause.</translation>
    </message>
    <message>
        <source>Client ID</source>
        <translation>Klient-id</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A task with this name already exists.</source>
        <translation>Der findes allerede en opgave med dette navn.</translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely</source>
        <translation>Installationsguiden til [ProductName] blev afsluttet for tidligt</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Denne computer</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nej</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Mislykkedes</translation>
    </message>
    <message>
        <source>Connection status</source>
        <translation>Forbindelsesstatus</translation>
    </message>
    <message>
        <source>The sync service could not be started.</source>
        <translation>Synkroniseringstjenesten kunne ikke startes.</translation>
    </message>
    <message>
        <source>Rolling back action:</source>
        <translation>Ruller handling tilbage:</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Opretter forbindelse til %1...</translation>
    </message>
    <message>
        <source>Domain user</source>
        <translation>Domænebruger</translation>
    </message>
    <message>
        <source>Hide Details</source>
        <translation>Skjul detaljer</translation>
    </message>
    <message>
        <source>About Quenmark Zelto Client</source>
        <translation>Om Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Opdateret</translation>
    </message>
    <message>
        <source>Notify me about conflicts</source>
        <translation>Giv besked om konflikter</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client</source>
        <translation>Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Remove saved account</source>
        <translation>Fjern gemt konto</translation>
    </message>
    <message>
        <source>Restore to</source>
        <translation>Gendan til</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Opdater</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Computernavn</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>The path of the folder is too long.</source>
        <translation>Stien til mappen er for lang.</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Påmind mig senere</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>TB</translation>
    </message>
    <message>
        <source>This account has expired. Contact your system administrator.</source>
        <translation>Kontoen er udløbet. Kontakt systemadministratoren.</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Kryptering</translation>
    </message>
    <message>
        <source>Clear Cache</source>
        <translation>Ryd cache</translation>
    </message>
    <message>
        <source>Release Notes</source>
        <translation>Produktbemærkninger</translation>
    </message>
    <message>
        <source>The installation failed. Please reinstall Quenmark Zelto Client.</source>
        <translation>Installationen mislykkedes. Geninstaller Quenmark Zelto Client.</translation>
    </message>
    <message>
        <source>No access</source>
        <translation>Ingen adgang</translation>
    </message>
    <message>
        <source>Local path</source>
        <translation>Lokal sti</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Save Report...</source>
        <translation>Gem rapport...</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Connect with HTTPS (recommended)</source>
        <translation>Opret forbindelse med HTTPS (anbefales)</translation>
    </message>
    <message>
        <source>Unable to install the update.</source>
        <translation>Opdateringen kan ikke installeres.</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Brugernavn</translation>
    </message>
    <message>
        <source>The Setup Wizard will update the installed [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>Installationsguiden opdaterer den installerede [ProductName] på computeren. Klik på Næste for at fortsætte eller på Annuller for at afslutte guiden.</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>Konflikt</translation>
    </message>
    <message>
        <source>Folder on server</source>
        <translation>Mappe på serveren</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Search file names</source>
        <translation>Søg efter filnavne</translation>
    </message>
    <message>
        <source>Restart File Manager</source>
        <translation>Genstart filhåndtering</translation>
    </message>
    <message>
        <source>Verify Backup</source>
        <translation>Verificer sikkerhedskopi</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nyt navn</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanceret</translation>
    </message>
    <message>
        <source>Download speed</source>
        <translation>Downloadhastighed</translation>
    </message>
    <message>
        <source>Issued by</source>
        <translation>Udstedt af</translation>
    </message>
    <message>
        <source>Click Remove to remove [ProductName] from your computer. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Klik på Fjern for at fjerne [ProductName] fra computeren. Klik på Tilbage for at gennemse eller ændre installationsindstillingerne. Klik på Annuller for at afslutte guiden.</translation>
    </message>
    <message>
        <source>Show all server files on this computer and download them only when you open them, saving local disk space.</source>
        <translation>Viser alle serverens filer på denne computer og downloader dem først, når du åbner dem. Det sparer plads på den lokale disk.</translation>
    </message>
    <message>
        <source>Destination folder on server</source>
        <translation>Destinationsmappe på serveren</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>There is not enough free space on the server.</source>
        <translation>Der er ikke nok ledig plads på serveren.</translation>
    </message>
    <message>
        <source>You need administrator privileges to install [ProductName]. Sign in as an administrator and run the setup again.</source>
        <translation>Du skal have administratorrettigheder for at installere [ProductName]. Log på som administrator, og kør installationen igen.</translation>
    </message>
    <message>
        <source>A test email has been sent.</source>
        <translation>Der er sendt en testmail.</translation>
    </message>
    <message>
        <source>Enter a name for the task.</source>
        <translation>Angiv et navn til opgaven.</translation>
    </message>
    <message>
        <source>Syncing %1 of %2 files</source>
        <translation>Synkroniserer %1 af %2 filer</translation>
    </message>
    <message>
        <source>Add Rule</source>
        <translation>Tilføj regel</translation>
    </message>
    <message>
        <source>Password field</source>
        <translation>Felt til adgangskode</translation>
    </message>
    <message>
        <source>File Conflict</source>
        <translation>Filkonflikt</translation>
    </message>
    <message>
        <source>Moving your settings to the new version...</source>
        <translation>Dine indstillinger flyttes til den nye version...</translation>
    </message>
    <message>
        <source>Folders on a removable drive cannot be synced.</source>
        <translation>Mapper på et flytbart drev kan ikke synkroniseres.</translation>
    </message>
    <message>
        <source>Backup Task</source>
        <translation>Sikkerhedskopieringsopgave</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Åbn logmappen</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annulleret</translation>
    </message>
    <message>
        <source>Compress data during transfer</source>
        <translation>Komprimer data under overførslen</translation>
    </message>
    <message>
        <source>Backups run automatically at the times you choose. A running backup is not interrupted when its time slot ends.</source>
        <translation>Sikkerhedskopieringer kører automatisk på de tidspunkter, du vælger. En igangværende sikkerhedskopiering afbrydes ikke, når tidsvinduet slutter.</translation>
    </message>
    <message>
        <source>Export Settings...</source>
        <translation>Eksportér indstillinger...</translation>
    </message>
    <message>
        <source>A conflict was found in %1. Both versions have been kept.</source>
        <translation>Der blev fundet en konflikt i %1. Begge versioner er bevaret.</translation>
    </message>
    <message>
        <source>Start Quenmark Zelto Client when I sign in</source>
        <translation>Start Quenmark Zelto Client, når jeg logger på</translation>
    </message>
    <message>
        <source>Copying new files</source>
        <translation>Kopierer nye filer</translation>
    </message>
    <message>
        <source>Contact your system administrator.</source>
        <translation>Kontakt din systemadministrator.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Indstillinger</translation>
    </message>
    <message>
        <source>Create Sharing Link</source>
        <translation>Opret delingslink</translation>
    </message>
    <message>
        <source>The sync service stopped unexpectedly.</source>
        <translation>Synkroniseringstjenesten stoppede uventet.</translation>
    </message>
    <message>
        <source>The background service is running.</source>
        <translation>Baggrundstjenesten kører.</translation>
    </message>
    <message>
        <source>Folders you uncheck will be removed from this computer but stay on the server.</source>
        <translation>Mapper, som du fjerner markeringen fra, fjernes fra denne computer, men forbliver på serveren.</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Placering</translation>
    </message>
    <message>
        <source>Always trust this certificate</source>
        <translation>Hav altid tillid til dette certifikat</translation>
    </message>
    <message>
        <source>Files are synced into this folder. You can pick an empty folder or a folder that already holds files.</source>
        <translation>Filerne synkroniseres til denne mappe. Du kan vælge en tom mappe eller en mappe, der allerede indeholder filer.</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Aldrig</translation>
    </message>
    <message>
        <source>The task has been removed.</source>
        <translation>Opgaven er fjernet.</translation>
    </message>
    <message>
        <source>Local folder path field</source>
        <translation>Felt til sti til lokal mappe</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client %1 is available. You have version %2.</source>
        <translation>Quenmark Zelto Client %1 er tilgængelig. Du har version %2.</translation>
    </message>
    <message>
        <source>Original location</source>
        <translation>Oprindelig placering</translation>
    </message>
    <message>
        <source>Space needed: %1</source>
        <translation>Nødvendig plads: %1</translation>
    </message>
    <message>
        <source>Every hour</source>
        <translation>Hver time</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Fjern</translation>
    </message>
    <message>
        <source>Modified by</source>
        <translation>Ændret af</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>byte</translation>
    </message>
    <message>
        <source>%1 was added.</source>
        <translation>%1 blev tilføjet.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Drag files here to upload them.</source>
        <translation>Træk filer hertil for at uploade dem.</translation>
    </message>
    <message>
        <source>Smart retention</source>
        <translation>Intelligent opbevaring</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Starttidspunkt</translation>
    </message>
    <message>
        <source>Your password has expired. Change it on the server, then sign in again.</source>
        <translation>Din adgangskode er udløbet. Skift den på serveren, og log derefter på igen.</translation>
    </message>
    <message>
        <source>The proxy server requires authentication.</source>
        <translation>Proxyserveren kræver godkendelse.</translation>
    </message>
    <message>
        <source>Prefer IPv6</source>
        <translation>Foretræk IPv6</translation>
    </message>
    <message>
        <source>Select Folders...</source>
        <translation>Vælg mapper...</translation>
    </message>
    <message>
        <source>The logs have been saved to %1.</source>
        <translation>Logfilerne er gemt i %1.</translation>
    </message>
    <message>
        <source>Connected through the local network</source>
        <translation>Forbundet via det lokale netværk</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Opdater</translation>
    </message>
    <message>
        <source>A new version of Quenmark Zelto Client is available.</source>
        <translation>Der er en ny version af Quenmark Zelto Client.</translation>
    </message>
    <message>
        <source>No recent changes</source>
        <translation>Ingen nylige ændringer</translation>
    </message>
    <message>
        <source>Syncing is paused</source>
        <translation>Synkroniseringen er sat på pause</translation>
    </message>
    <message>
        <source>Keep Files</source>
        <translation>Behold filerne</translation>
    </message>
    <message>
        <source>Manage Tasks</source>
        <translation>Administrer opgaver</translation>
    </message>
    <message>
        <source>Free Up Space</source>
        <translation>Frigør plads</translation>
    </message>
    <message>
        <source>Desktop shortcut</source>
        <translation>Genvej på skrivebordet</translation>
    </message>
    <message>
        <source>[ProductName] cannot be installed on this version of the operating system.</source>
        <translation>[ProductName] kan ikke installeres på denne version af operativsystemet.</translation>
    </message>
    <message>
        <source>No entries match your search.</source>
        <translation>Ingen poster matcher din søgning.</translation>
    </message>
    <message>
        <source>Show tips at startup</source>
        <translation>Vis tip ved start</translation>
    </message>
    <message>
        <source>Last backup failed %1</source>
        <translation>Seneste sikkerhedskopiering mislykkedes %1</translation>
    </message>
    <message>
        <source>You must restart your system for the configuration changes made to [ProductName] to take effect. Click Yes to restart now or No if you plan to restart later.</source>
        <translation>Du skal genstarte systemet, før konfigurationsændringerne i [ProductName] træder i kraft. Klik på Ja for at genstarte nu eller på Nej, hvis du vil genstarte senere.</translation>
    </message>
    <message>
        <source>&amp;Close the applications and attempt to restart them.</source>
        <translation>&amp;Luk programmerne, og forsøg at genstarte dem.</translation>
    </message>
    <message>
        <source>An unknown error occurred. Please try again later.</source>
        <translation>Der opstod en ukendt fejl. Prøv igen senere.</translation>
    </message>
    <message>
        <source>Tell us what went wrong or what you would like to see improved.</source>
        <translation>Fortæl os, hvad der gik galt, eller hvad du gerne vil have forbedret.</translation>
    </message>
    <message>
        <source>Default port</source>
        <translation>Standardport</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>Opret en ny mappe</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>Mappen er tom.</translation>
    </message>
    <message>
        <source>Copied to the clipboard</source>
        <translation>Kopieret til udklipsholderen</translation>
    </message>
    <message>
        <source>Change, repair, or remove installation</source>
        <translation>Rediger, reparer eller fjern installationen</translation>
    </message>
    <message>
        <source>Unable to open the local database.</source>
        <translation>Den lokale database kan ikke åbnes.</translation>
    </message>
    <message>
        <source>Back Up This Folder</source>
        <translation>Sikkerhedskopiér denne mappe</translation>
    </message>
    <message>
        <source>Add Account...</source>
        <translation>Tilføj konto...</translation>
    </message>
    <message>
        <source>Do this for all conflicts</source>
        <translation>Gør dette for alle konflikter</translation>
    </message>
    <message>
        <source>View Issues</source>
        <translation>Vis problemer</translation>
    </message>
    <message>
        <source>The highlighted volumes do not have enough disk space available for the currently selected features. You can remove some files from the highlighted volumes, or cancel the installation.</source>
        <translation>De fremhævede diskenheder har ikke nok ledig plads til de valgte funktioner. Du kan fjerne filer fra de fremhævede diskenheder eller annullere installationen.</translation>
    </message>
    <message>
        <source>Fine-tune what is synced. You can change these options later in Settings.</source>
        <translation>Finjuster, hvad der synkroniseres. Du kan ændre indstillingerne senere under Indstillinger.</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Enheder</translation>
    </message>
    <message>
        <source>Do you want to sign out? All sync tasks of this account will stop.</source>
        <translation>Vil du logge af? Alle synkroniseringsopgaver for denne konto stoppes.</translation>
    </message>
    <message>
        <source>Notify me when others change shared files</source>
        <translation>Giv besked, når andre ændrer delte filer</translation>
    </message>
    <message>
        <source>Click Next to install to the default folder or click Change to choose another.</source>
        <translation>Klik på Næste for at installere i standardmappen, eller klik på Skift for at vælge en anden.</translation>
    </message>
    <message>
        <source>Previous Versions</source>
        <translation>Tidligere versioner</translation>
    </message>
    <message>
        <source>I lost my authentication device</source>
        <translation>Jeg har mistet min godkendelsesenhed</translation>
    </message>
    <message>
        <source>Enter the address of the server you want to sync with.</source>
        <translation>Angiv adressen på den server, du vil synkronisere med.</translation>
    </message>
    <message>
        <source>Check file consistency after sync</source>
        <translation>Kontrollér filernes konsistens efter synkronisering</translation>
    </message>
    <message>
        <source>The identity of the server has changed. If you did not expect this, someone may be intercepting your connection.</source>
        <translation>Serverens identitet er ændret. Hvis du ikke havde ventet dette, forsøger nogen måske at opsnappe din forbindelse.</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Ryd historik</translation>
    </message>
    <message>
        <source>Quit Quenmark Zelto Client</source>
        <translation>Afslut Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Server folder path field</source>
        <translation>Felt til sti til servermappe</translation>
    </message>
    <message>
        <source>Remove Folder</source>
        <translation>Fjern mappe</translation>
    </message>
    <message>
        <source>Opened %1 times</source>
        <translation>Åbnet %1 gange</translation>
    </message>
    <message>
        <source>%1 files backed up, %2 skipped</source>
        <translation>%1 filer sikkerhedskopieret, %2 sprunget over</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Sikkerhedskopierer...</translation>
    </message>
    <message>
        <source>Do you want to disconnect this computer from %1?</source>
        <translation>Vil du afbryde forbindelsen mellem denne computer og %1?</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Vis</translation>
    </message>
    <message>
        <source>Show the sync folder in the file manager sidebar</source>
        <translation>Vis synkroniseringsmappen i filhåndteringens sidepanel</translation>
    </message>
    <message>
        <source>Run Diagnostics</source>
        <translation>Kør diagnosticering</translation>
    </message>
    <message>
        <source>Notify me about errors</source>
        <translation>Giv besked om fejl</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>&amp;Skift...</translation>
    </message>
    <message>
        <source>Separate extensions with commas, for example tmp, bak</source>
        <translation>Adskil filtypenavne med kommaer, f.eks. tmp, bak</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Inaktiv</translation>
    </message>
    <message>
        <source>Scanning files on the server...</source>
        <translation>Scanner filer på serveren...</translation>
    </message>
    <message>
        <source>Keep history for %1 days</source>
        <translation>Gem historik i %1 dage</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Læse</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Gå tilbage</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>Handlingen mislykkedes.</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Gennemse...</translation>
    </message>
    <message>
        <source>Restart Now</source>
        <translation>Genstart nu</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Unable to connect through the proxy server.</source>
        <translation>Der kan ikke oprettes forbindelse via proxyserveren.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Downloader %1</translation>
    </message>
    <message>
        <source>Delete Files</source>
        <translation>Slet filerne</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Søn</translation>
    </message>
    <message>
        <source>Access from your IP address has been denied by the server. Contact the system administrator.</source>
        <translation>Serveren har nægtet adgang fra din IP-adresse. Kontakt systemadministratoren.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;fslut</translation>
    </message>
    <message>
        <source>Import Settings...</source>
        <translation>Importér indstillinger...</translation>
    </message>
    <message>
        <source>There is not enough memory to complete the operation.</source>
        <translation>Der er ikke nok hukommelse til at fuldføre handlingen.</translation>
    </message>
    <message>
        <source>Unable to load the settings. Default settings will be used.</source>
        <translation>Indstillingerne kan ikke indlæses. Standardindstillingerne bruges.</translation>
    </message>
    <message>
        <source>The server is busy. Please try again later.</source>
        <translation>Serveren er optaget. Prøv igen senere.</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Båndbredde</translation>
    </message>
    <message>
        <source>Low disk space</source>
        <translation>Lav diskplads</translation>
    </message>
    <message>
        <source>Verifying backup...</source>
        <translation>Verificerer sikkerhedskopien...</translation>
    </message>
    <message>
        <source>Running diagnostics...</source>
        <translation>Kører diagnosticering...</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Gennemse...</translation>
    </message>
    <message>
        <source>Skip existing files</source>
        <translation>Spring eksisterende filer over</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Filnavn</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Files already in it will be merged with the files on the server.</source>
        <translation>Den valgte mappe er ikke tom. Filerne i den flettes med filerne på serveren.</translation>
    </message>
    <message>
        <source>SOCKS5</source>
        <translation>SOCKS5</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Your IP address has been blocked for %1 minutes.</source>
        <translation>For mange mislykkede logonforsøg. Din IP-adresse er blokeret i %1 minutter.</translation>
    </message>
    <message>
        <source>Limit to</source>
        <translation>Begræns til</translation>
    </message>
    <message>
        <source>Show a pop-up message</source>
        <translation>Vis en pop op-meddelelse</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Afbrudt</translation>
    </message>
    <message>
        <source>Two-step verification</source>
        <translation>Totrinsbekræftelse</translation>
    </message>
    <message>
        <source>Ready to repair [ProductName]</source>
        <translation>Klar til at reparere [ProductName]</translation>
    </message>
    <message>
        <source>The source folder %1 could not be found. Connect the drive or remove the folder from the backup.</source>
        <translation>Kildemappen %1 blev ikke fundet. Tilslut drevet, eller fjern mappen fra sikkerhedskopieringen.</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>The end time must be later than the start time.</source>
        <translation>Sluttidspunktet skal ligge efter starttidspunktet.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tidspunkt</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Ledig</translation>
    </message>
    <message>
        <source>Enable debug logging</source>
        <translation>Aktivér fejlfindingslogning</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics to help improve the product</source>
        <translation>Send anonym brugsstatistik for at hjælpe med at forbedre produktet</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Ryd søgningen</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Vis adgangskode</translation>
    </message>
    <message>
        <source>The link was created.</source>
        <translation>Linket er oprettet.</translation>
    </message>
    <message>
        <source>This server has no shared folder you can access. Ask the administrator for permission.</source>
        <translation>Serveren har ingen delt mappe, du har adgang til. Bed administratoren om tilladelse.</translation>
    </message>
    <message>
        <source>The background service is not running.</source>
        <translation>Baggrundstjenesten kører ikke.</translation>
    </message>
    <message>
        <source>Restore files as they were on</source>
        <translation>Gendan filerne, som de var den</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Genoptag</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs [ProductName].</source>
        <translation>Vent, mens installationsguiden installerer [ProductName].</translation>
    </message>
    <message>
        <source>Syncing is paused on a metered connection.</source>
        <translation>Synkroniseringen er sat på pause på en forbrugsafregnet forbindelse.</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Ukendt</translation>
    </message>
    <message>
        <source>This rule already exists.</source>
        <translation>Reglen findes allerede.</translation>
    </message>
    <message>
        <source>List of recent file changes</source>
        <translation>Liste over seneste filændringer</translation>
    </message>
    <message>
        <source>Team Folders</source>
        <translation>Teammapper</translation>
    </message>
    <message>
        <source>Remove the selected task</source>
        <translation>Fjern den valgte opgave</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>Nuværende adgangskode</translation>
    </message>
    <message>
        <source>Same as the system</source>
        <translation>Samme som systemet</translation>
    </message>
    <message>
        <source>Review the settings below, then click Done to start syncing.</source>
        <translation>Gennemse indstillingerne nedenfor, og klik derefter på Udført for at starte synkroniseringen.</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Diagnosticering</translation>
    </message>
    <message>
        <source>Unable to read %1.</source>
        <translation>%1 kan ikke læses.</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>Synkroniseringen er fuldført</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Start minimized to the notification area</source>
        <translation>Start minimeret i meddelelsesområdet</translation>
    </message>
    <message>
        <source>This wizard helps you connect this computer to your server and choose which folders to keep in sync.</source>
        <translation>Denne guide hjælper dig med at forbinde computeren med din server og vælge, hvilke mapper der skal holdes synkroniseret.</translation>
    </message>
    <message>
        <source>You are using the latest version.</source>
        <translation>Du bruger den nyeste version.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached.</source>
        <translation>Din lagerkvote på serveren er nået.</translation>
    </message>
    <message>
        <source>Show Toolbar</source>
        <translation>Vis værktøjslinje</translation>
    </message>
    <message>
        <source>%1 changes are waiting to be synced.</source>
        <translation>%1 ændringer venter på at blive synkroniseret.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Sæt på pause</translation>
    </message>
    <message>
        <source>Do you want to remove Quenmark Zelto Client and all of its components?</source>
        <translation>Vil du fjerne Quenmark Zelto Client og alle dets komponenter?</translation>
    </message>
    <message>
        <source>I accept the terms of the license agreement</source>
        <translation>Jeg accepterer vilkårene i licensaftalen</translation>
    </message>
    <message>
        <source>System folders cannot be synced. Choose another folder.</source>
        <translation>Systemmapper kan ikke synkroniseres. Vælg en anden mappe.</translation>
    </message>
    <message>
        <source>Launch at startup</source>
        <translation>Start, når computeren starter</translation>
    </message>
    <message>
        <source>Two-step verification is required for this account.</source>
        <translation>Der kræves totrinsbekræftelse for denne konto.</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>Rebuild Database</source>
        <translation>Genopbyg database</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Log på</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Lørdag</translation>
    </message>
    <message>
        <source>The connection to the server timed out.</source>
        <translation>Der opstod timeout for forbindelsen til serveren.</translation>
    </message>
    <message>
        <source>Internet access</source>
        <translation>Internetadgang</translation>
    </message>
    <message>
        <source>Show Quenmark Zelto Client items in the file manager context menu</source>
        <translation>Vis Quenmark Zelto Client-elementer i filhåndteringens genvejsmenu</translation>
    </message>
    <message>
        <source>&amp;Repair</source>
        <translation>&amp;Reparer</translation>
    </message>
    <message>
        <source>Select the files and folders to restore.</source>
        <translation>Vælg de filer og mapper, der skal gendannes.</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Cache</translation>
    </message>
    <message>
        <source>%1 is a reserved name and cannot be used.</source>
        <translation>%1 er et reserveret navn og kan ikke bruges.</translation>
    </message>
    <message>
        <source>%1 was updated.</source>
        <translation>%1 blev opdateret.</translation>
    </message>
    <message>
        <source>SMTP server</source>
        <translation>SMTP-server</translation>
    </message>
    <message>
        <source>No file has been synced yet.</source>
        <translation>Der er endnu ikke synkroniseret nogen filer.</translation>
    </message>
    <message>
        <source>Open Web Portal</source>
        <translation>Åbn webportalen</translation>
    </message>
    <message>
        <source>Background service</source>
        <translation>Baggrundstjeneste</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Prøv igen</translation>
    </message>
    <message>
        <source>View Certificate</source>
        <translation>Vis certifikat</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutter</translation>
    </message>
    <message>
        <source>Not synced</source>
        <translation>Ikke synkroniseret</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Onlinehjælp</translation>
    </message>
    <message>
        <source>The server name could not be resolved.</source>
        <translation>Servernavnet kunne ikke slås op.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advarsel</translation>
    </message>
    <message>
        <source>The link could not be copied.</source>
        <translation>Linket kunne ikke kopieres.</translation>
    </message>
    <message>
        <source>Run a missed backup when the computer starts</source>
        <translation>Kør en mistet sikkerhedskopiering, når computeren starter</translation>
    </message>
    <message>
        <source>Every %1 hours</source>
        <translation>Hver %1. time</translation>
    </message>
    <message>
        <source>Out of Disk Space</source>
        <translation>Ikke nok diskplads</translation>
    </message>
    <message>
        <source>The link has been copied to the clipboard.</source>
        <translation>Linket er kopieret til udklipsholderen.</translation>
    </message>
    <message>
        <source>Open settings</source>
        <translation>Åbn indstillinger</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel [ProductName] installation?</source>
        <translation>Er du sikker på, at du vil annullere installationen af [ProductName]?</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Rediger</translation>
    </message>
    <message>
        <source>Enter a port number between 1 and 65535.</source>
        <translation>Angiv et portnummer mellem 1 og 65535.</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Disk Size</source>
        <translation>Diskstørrelse</translation>
    </message>
    <message>
        <source>This version of the file is no longer available.</source>
        <translation>Denne version af filen er ikke længere tilgængelig.</translation>
    </message>
    <message>
        <source>Hide Window</source>
        <translation>Skjul vindue</translation>
    </message>
    <message>
        <source>Remove Rule</source>
        <translation>Fjern regel</translation>
    </message>
    <message>
        <source>Your session has expired. Please sign in again.</source>
        <translation>Sessionen er udløbet. Log på igen.</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Domæne</translation>
    </message>
    <message>
        <source>Symbolic links are not synced.</source>
        <translation>Symbolske links synkroniseres ikke.</translation>
    </message>
    <message>
        <source>Create Backup Task</source>
        <translation>Opret sikkerhedskopieringsopgave</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiér</translation>
    </message>
    <message>
        <source>Overwrite existing files</source>
        <translation>Overskriv eksisterende filer</translation>
    </message>
    <message>
        <source>Unpacking %1...</source>
        <translation>%1 pakkes ud...</translation>
    </message>
    <message>
        <source>Keep the files in a folder on this computer and a folder on the server identical. Changes on either side are applied to the other.</source>
        <translation>Holder filerne i en mappe på denne computer og en mappe på serveren ens. Ændringer på den ene side overføres til den anden.</translation>
    </message>
    <message>
        <source>Select the type of task you want to create. You can add more tasks later.</source>
        <translation>Vælg den type opgave, du vil oprette. Du kan tilføje flere opgaver senere.</translation>
    </message>
    <message>
        <source>Rename Task</source>
        <translation>Omdøb opgave</translation>
    </message>
    <message>
        <source>Change Password...</source>
        <translation>Skift adgangskode...</translation>
    </message>
    <message>
        <source>Syncing is paused to save battery power.</source>
        <translation>Synkroniseringen er sat på pause for at spare på batteriet.</translation>
    </message>
    <message>
        <source>The Setup Wizard will install [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>Installationsguiden installerer [ProductName] på computeren. Klik på Næste for at fortsætte eller på Annuller for at afslutte guiden.</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Tilladelser</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Vis i mappe</translation>
    </message>
    <message>
        <source>Keep file versions</source>
        <translation>Behold filversioner</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slet</translation>
    </message>
    <message>
        <source>The connection to the server was lost. Syncing will resume when the connection is restored.</source>
        <translation>Forbindelsen til serveren blev afbrudt. Synkroniseringen genoptages, når forbindelsen er genoprettet.</translation>
    </message>
    <message>
        <source>The shared folder is encrypted and has not been mounted on the server.</source>
        <translation>Den delte mappe er krypteret og er ikke monteret på serveren.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Luk</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client - %1</source>
        <translation>Quenmark Zelto Client - %1</translation>
    </message>
    <message>
        <source>The version of the server is too old. Update the server to version %1 or later.</source>
        <translation>Serverens version er for gammel. Opdater serveren til version %1 eller nyere.</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Tilføj mappe...</translation>
    </message>
    <message>
        <source>Restored</source>
        <translation>Gendannet</translation>
    </message>
    <message>
        <source>Reconnecting in %1 seconds...</source>
        <translation>Opretter forbindelse igen om %1 sekunder...</translation>
    </message>
    <message>
        <source>Unable to connect through the proxy server %1.</source>
        <translation>Der kan ikke oprettes forbindelse via proxyserveren %1.</translation>
    </message>
    <message>
        <source>Protect with a password</source>
        <translation>Beskyt med en adgangskode</translation>
    </message>
    <message>
        <source>Enter a rate between 1 and 1048576 KB/s.</source>
        <translation>Angiv en hastighed mellem 1 og 1048576 KB/s.</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Softwareopdatering</translation>
    </message>
    <message>
        <source>Please wait while the installer finishes determining your disk space requirements.</source>
        <translation>Vent, mens installationsprogrammet beregner den nødvendige diskplads.</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Man</translation>
    </message>
    <message>
        <source>The rule %1 is not valid.</source>
        <translation>Reglen %1 er ugyldig.</translation>
    </message>
    <message>
        <source>Deleted files can be restored from the recycle bin of the shared folder.</source>
        <translation>Slettede filer kan gendannes fra den delte mappes papirkurv.</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Ubegrænset</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>%1 is initializing...</source>
        <translation>%1 initialiseres...</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client main window</source>
        <translation>Hovedvindue i Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Omdøb</translation>
    </message>
    <message>
        <source>Unable to write %1.</source>
        <translation>%1 kan ikke skrives.</translation>
    </message>
    <message>
        <source>Log level</source>
        <translation>Logniveau</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Adgangskode</translation>
    </message>
    <message>
        <source>days</source>
        <translation>dage</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Gæst</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>Pause All</source>
        <translation>Sæt alle på pause</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Månedligt</translation>
    </message>
    <message>
        <source>Prevent the computer from sleeping while syncing</source>
        <translation>Forhindr computeren i at gå i dvale under synkronisering</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Størrelse</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historik</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Serveradresse</translation>
    </message>
    <message>
        <source>Browse to the destination folder</source>
        <translation>Gå til destinationsmappen</translation>
    </message>
    <message>
        <source>Do you want to clear the history? This does not affect your files.</source>
        <translation>Vil du rydde historikken? Det påvirker ikke dine filer.</translation>
    </message>
    <message>
        <source>Remove old data</source>
        <translation>Fjern gamle data</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Husk mig</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Ugentligt</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>I kø</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Opdater nu</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Torsdag</translation>
    </message>
    <message>
        <source>The selected file does not contain valid settings.</source>
        <translation>Den valgte fil indeholder ikke gyldige indstillinger.</translation>
    </message>
    <message>
        <source>The password is too weak.</source>
        <translation>Adgangskoden er for svag.</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Vælg mappe</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard repairs [ProductName].</source>
        <translation>Vent, mens installationsguiden reparerer [ProductName].</translation>
    </message>
    <message>
        <source>For example: tmp, log, iso</source>
        <translation>For eksempel: tmp, log, iso</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Log af</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Der kunne ikke oprettes en sikker forbindelse til serveren.</translation>
    </message>
    <message>
        <source>Pause the selected task</source>
        <translation>Sæt den valgte opgave på pause</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>Operativsystem</translation>
    </message>
    <message>
        <source>Do you want to remove the task %1? The files in the folders will not be deleted.</source>
        <translation>Vil du fjerne opgaven %1? Filerne i mapperne slettes ikke.</translation>
    </message>
    <message>
        <source>[ProductName] Setup</source>
        <translation>Installation af [ProductName]</translation>
    </message>
    <message>
        <source>This account has been disabled. Contact your system administrator.</source>
        <translation>Kontoen er deaktiveret. Kontakt systemadministratoren.</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>I dag</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>Mailadresse</translation>
    </message>
    <message>
        <source>The verification code is incorrect or has expired.</source>
        <translation>Bekræftelseskoden er forkert eller udløbet.</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>Logfiler</translation>
    </message>
    <message>
        <source>List of sync and backup tasks</source>
        <translation>Liste over synkroniserings- og sikkerhedskopieringsopgaver</translation>
    </message>
    <message>
        <source>Keep up to %1 versions of each file</source>
        <translation>Behold op til %1 versioner af hver fil</translation>
    </message>
    <message>
        <source>%1 will be synced with %2.</source>
        <translation>%1 synkroniseres med %2.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Markér alle</translation>
    </message>
    <message>
        <source>Syncing %1</source>
        <translation>Synkroniserer %1</translation>
    </message>
    <message>
        <source>Free space</source>
        <translation>Ledig plads</translation>
    </message>
    <message>
        <source>Your feedback could not be sent. Please try again later.</source>
        <translation>Din feedback kunne ikke sendes. Prøv igen senere.</translation>
    </message>
    <message>
        <source>File manager integration</source>
        <translation>Integration med filhåndtering</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Ny adgangskode</translation>
    </message>
    <message>
        <source>Sign In with SSO</source>
        <translation>Log på med SSO</translation>
    </message>
    <message>
        <source>My Files</source>
        <translation>Mine filer</translation>
    </message>
    <message>
        <source>Sync new folders automatically</source>
        <translation>Synkroniser nye mapper automatisk</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Søg efter opdateringer</translation>
    </message>
    <message>
        <source>Enter the 6-digit code from your authenticator app.</source>
        <translation>Angiv den 6-cifrede kode fra din godkendelsesapp.</translation>
    </message>
    <message>
        <source>Right-click a file for more options.</source>
        <translation>Højreklik på en fil for at se flere muligheder.</translation>
    </message>
    <message>
        <source>Server version</source>
        <translation>Serverversion</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client was removed from your computer.</source>
        <translation>Quenmark Zelto Client er fjernet fra computeren.</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Mappenavn</translation>
    </message>
    <message>
        <source>You have no tasks yet. Click Create Task to sync or back up a folder.</source>
        <translation>Du har endnu ingen opgaver. Klik på Opret opgave for at synkronisere eller sikkerhedskopiere en mappe.</translation>
    </message>
    <message>
        <source>Indexing files...</source>
        <translation>Indekserer filer...</translation>
    </message>
    <message>
        <source>Verification code field</source>
        <translation>Felt til bekræftelseskode</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disken er fuld</translation>
    </message>
    <message>
        <source>Backup started</source>
        <translation>Sikkerhedskopieringen er startet</translation>
    </message>
    <message>
        <source>The sync folder %1 was moved or deleted. Syncing has stopped for this task.</source>
        <translation>Synkroniseringsmappen %1 er flyttet eller slettet. Synkroniseringen af opgaven er stoppet.</translation>
    </message>
    <message>
        <source>The file was damaged during transfer and will be downloaded again.</source>
        <translation>Filen blev beskadiget under overførslen og downloades igen.</translation>
    </message>
    <message>
        <source>You have reached the maximum number of tasks (%1).</source>
        <translation>Du har nået det maksimale antal opgaver (%1).</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>timer</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Icon View</source>
        <translation>Ikonvisning</translation>
    </message>
    <message>
        <source>Backup finished</source>
        <translation>Sikkerhedskopieringen er fuldført</translation>
    </message>
    <message>
        <source>Starting %1 for the first time. This may take a minute.</source>
        <translation>%1 startes for første gang. Det kan tage et minut.</translation>
    </message>
    <message>
        <source>Server path</source>
        <translation>Sti på serveren</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Skift adgangskode</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-adresse</translation>
    </message>
    <message>
        <source>Sync file permissions and timestamps</source>
        <translation>Synkroniser filtilladelser og tidsstempler</translation>
    </message>
    <message>
        <source>Syncing will stop when you quit. Quit Quenmark Zelto Client anyway?</source>
        <translation>Synkroniseringen stopper, når du afslutter. Vil du alligevel afslutte Quenmark Zelto Client?</translation>
    </message>
    <message>
        <source>Hidden files</source>
        <translation>Skjulte filer</translation>
    </message>
    <message>
        <source>The folder cannot be inside or contain a folder that is already synced.</source>
        <translation>Mappen må hverken ligge i eller indeholde en mappe, der allerede synkroniseres.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached. The backup cannot continue until space is freed.</source>
        <translation>Din lagerkvote på serveren er nået. Sikkerhedskopieringen kan ikke fortsætte, før der er frigjort plads.</translation>
    </message>
    <message>
        <source>Download queue</source>
        <translation>Downloadkø</translation>
    </message>
    <message>
        <source>This computer is registered with the server.</source>
        <translation>Denne computer er registreret hos serveren.</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Papirkurv</translation>
    </message>
    <message>
        <source>Back up changes continuously</source>
        <translation>Sikkerhedskopiér ændringer løbende</translation>
    </message>
    <message>
        <source>Source folders</source>
        <translation>Kildemapper</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Licensaftale</translation>
    </message>
    <message>
        <source>Sync options</source>
        <translation>Synkroniseringsindstillinger</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>Alt er klar!</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Spring over</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprog</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Ny mappe</translation>
    </message>
    <message>
        <source>Add to the &amp;Start menu</source>
        <translation>Føj til menuen &amp;Start</translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation>Logger på...</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Klik på Installer for at starte installationen. Klik på Tilbage for at gennemse eller ændre installationsindstillingerne. Klik på Annuller for at afslutte guiden.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client cannot write to %1. Check the folder permissions.</source>
        <translation>Quenmark Zelto Client kan ikke skrive til %1. Kontrollér mappens tilladelser.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Spring denne version over</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>Besøg vores websted</translation>
    </message>
    <message>
        <source>Open Local Folder</source>
        <translation>Åbn lokal mappe</translation>
    </message>
    <message>
        <source>Removing [ProductName]</source>
        <translation>Fjerner [ProductName]</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Åbn mappe</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Tilføj</translation>
    </message>
    <message>
        <source>Copyright (c) Quenmark. All rights reserved.</source>
        <translation>Copyright (c) Quenmark. Alle rettigheder forbeholdes.</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Fjern enhed</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>The session is locked.</source>
        <translation>Sessionen er låst.</translation>
    </message>
    <message>
        <source>Downloading on demand...</source>
        <translation>Downloader efter behov...</translation>
    </message>
    <message>
        <source>Sign-in required</source>
        <translation>Logon påkrævet</translation>
    </message>
    <message>
        <source>Unable to copy %1.</source>
        <translation>%1 kan ikke kopieres.</translation>
    </message>
    <message>
        <source>List of filter rules</source>
        <translation>Liste over filterregler</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>Snapshots</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Stoppet</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Diskenhed</translation>
    </message>
    <message>
        <source>Change destination folder</source>
        <translation>Skift destinationsmappe</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synkroniserer...</translation>
    </message>
    <message>
        <source>Back up only when the computer is plugged in</source>
        <translation>Sikkerhedskopiér kun, når computeren er tilsluttet strøm</translation>
    </message>
    <message>
        <source>Resume Syncing</source>
        <translation>Genoptag synkronisering</translation>
    </message>
    <message>
        <source>A new version is available.</source>
        <translation>Der er en ny version.</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation>Ofte stillede spørgsmål</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vis</translation>
    </message>
    <message>
        <source>Run on</source>
        <translation>Kør på</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afslut</translation>
    </message>
    <message>
        <source>Unable to download the update.</source>
        <translation>Opdateringen kan ikke downloades.</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>Test forbindelsen</translation>
    </message>
    <message>
        <source>You have been signed out.</source>
        <translation>Du er logget af.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synkronisering</translation>
    </message>
    <message>
        <source>Last backup completed %1</source>
        <translation>Seneste sikkerhedskopiering fuldført %1</translation>
    </message>
    <message>
        <source>Pause Syncing</source>
        <translation>Sæt synkronisering på pause</translation>
    </message>
    <message>
        <source>Limit automatically</source>
        <translation>Begræns automatisk</translation>
    </message>
    <message>
        <source>Keep the version on the server</source>
        <translation>Behold versionen på serveren</translation>
    </message>
    <message>
        <source>Open menu</source>
        <translation>Åbn menuen</translation>
    </message>
    <message>
        <source>The file is larger than the limit allowed by the server.</source>
        <translation>Filen er større end serveren tillader.</translation>
    </message>
    <message>
        <source>Your data was moved successfully.</source>
        <translation>Dine data er flyttet.</translation>
    </message>
    <message>
        <source>Ready to install [ProductName]</source>
        <translation>Klar til at installere [ProductName]</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Filen %1 findes ikke.</translation>
    </message>
    <message>
        <source>Export Logs...</source>
        <translation>Eksportér logfiler...</translation>
    </message>
    <message>
        <source>Syncing has resumed</source>
        <translation>Synkroniseringen er genoptaget</translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely because of an error. Your system has not been modified. To install this program at a later time, run the Setup Wizard again.</source>
        <translation>Installationsguiden til [ProductName] blev afsluttet for tidligt på grund af en fejl. Systemet er ikke ændret. Kør installationsguiden igen for at installere programmet på et senere tidspunkt.</translation>
    </message>
    <message>
        <source>Select the server folder to sync with this computer.</source>
        <translation>Vælg den servermappe, der skal synkroniseres med denne computer.</translation>
    </message>
    <message>
        <source>Upload changes to the server only</source>
        <translation>Upload kun ændringer til serveren</translation>
    </message>
    <message>
        <source>Time remaining unknown</source>
        <translation>Resterende tid ukendt</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjælp</translation>
    </message>
    <message>
        <source>%1 files were skipped. See the history for details.</source>
        <translation>%1 filer blev sprunget over. Se historikken for at få flere oplysninger.</translation>
    </message>
    <message>
        <source>Keep all versions</source>
        <translation>Behold alle versioner</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksportér</translation>
    </message>
    <message>
        <source>Sync progress</source>
        <translation>Synkroniseringsforløb</translation>
    </message>
    <message>
        <source>The new language will be used after Quenmark Zelto Client restarts.</source>
        <translation>Det nye sprog bruges, når Quenmark Zelto Client er genstartet.</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Oprettet</translation>
    </message>
    <message>
        <source>%1 used of %2</source>
        <translation>%1 brugt af %2</translation>
    </message>
    <message>
        <source>Version Retention</source>
        <translation>Opbevaring af versioner</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Sluttidspunkt</translation>
    </message>
    <message>
        <source>Proxy type</source>
        <translation>Proxytype</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>Sortér efter navn</translation>
    </message>
    <message>
        <source>On-demand sync is not supported on this file system.</source>
        <translation>Synkronisering efter behov understøttes ikke på dette filsystem.</translation>
    </message>
    <message>
        <source>Connected through the Internet</source>
        <translation>Forbundet via internettet</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Prøv igen</translation>
    </message>
    <message>
        <source>Authentication required</source>
        <translation>Godkendelse påkrævet</translation>
    </message>
    <message>
        <source>Access Denied</source>
        <translation>Adgang nægtet</translation>
    </message>
    <message>
        <source>Upload rate</source>
        <translation>Uploadhastighed</translation>
    </message>
    <message>
        <source>The system limit on watched folders has been reached. Some changes may be detected late.</source>
        <translation>Systemets grænse for overvågede mapper er nået. Nogle ændringer registreres muligvis sent.</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Flyttet</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>Sort by Date</source>
        <translation>Sortér efter dato</translation>
    </message>
    <message>
        <source>Do not sync hidden files</source>
        <translation>Synkroniser ikke skjulte filer</translation>
    </message>
    <message>
        <source>Sync This Folder</source>
        <translation>Synkroniser denne mappe</translation>
    </message>
    <message>
        <source>%1 is very large. Uploading it may take a long time.</source>
        <translation>%1 er meget stor. Det kan tage lang tid at uploade den.</translation>
    </message>
    <message>
        <source>Access control lists are not supported on this file system and will not be synced.</source>
        <translation>Adgangskontrollister understøttes ikke på dette filsystem og synkroniseres ikke.</translation>
    </message>
    <message>
        <source>Enter the verification code</source>
        <translation>Angiv bekræftelseskoden</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>Adgangskoderne stemmer ikke overens.</translation>
    </message>
    <message>
        <source>The security certificate of %1 is not trusted. Your connection may not be secure.</source>
        <translation>Sikkerhedscertifikatet for %1 er ikke tillidsværdigt. Din forbindelse er muligvis ikke sikker.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Udført</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>%1, %2 o'clock</source>
        <translation>%1, kl. %2</translation>
    </message>
    <message>
        <source>The Setup Wizard allows you to repair the installation of [ProductName] or remove it from your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>Med installationsguiden kan du reparere installationen af [ProductName] eller fjerne programmet fra computeren. Klik på Næste for at fortsætte eller på Annuller for at afslutte guiden.</translation>
    </message>
    <message>
        <source>Read and write</source>
        <translation>Læse og skrive</translation>
    </message>
    <message>
        <source>Pause for 8 hours</source>
        <translation>Pause i 8 timer</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sikkerhedskopiering</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>På pause</translation>
    </message>
    <message>
        <source>Edit the selected task</source>
        <translation>Rediger den valgte opgave</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Velkommen</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Åbn i browser</translation>
    </message>
    <message>
        <source>Task %1, status %2</source>
        <translation>Opgave %1, status %2</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation>Klik på knappen Udfør for at afslutte installationsguiden.</translation>
    </message>
    <message>
        <source>Relay ID</source>
        <translation>Relæ-id</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Log på</translation>
    </message>
    <message>
        <source>Do not limit</source>
        <translation>Begræns ikke</translation>
    </message>
    <message>
        <source>Download changes from the server only</source>
        <translation>Download kun ændringer fra serveren</translation>
    </message>
    <message>
        <source>Unable to move %1 to %2.</source>
        <translation>%1 kan ikke flyttes til %2.</translation>
    </message>
    <message>
        <source>Add a task</source>
        <translation>Tilføj en opgave</translation>
    </message>
    <message>
        <source>Your storage space on %1 is almost full.</source>
        <translation>Din lagerplads på %1 er næsten fuld.</translation>
    </message>
    <message>
        <source>Install updates automatically</source>
        <translation>Installer opdateringer automatisk</translation>
    </message>
    <message>
        <source>Recent Changes</source>
        <translation>Seneste ændringer</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>Vist navn</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Opretter forbindelse...</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Advarsler</translation>
    </message>
    <message>
        <source>Preparing to sync...</source>
        <translation>Forbereder synkronisering...</translation>
    </message>
    <message>
        <source>Single Sign-On</source>
        <translation>Enkeltlogon</translation>
    </message>
    <message>
        <source>Ready to sync</source>
        <translation>Klar til synkronisering</translation>
    </message>
    <message>
        <source>Advanced Filters...</source>
        <translation>Avancerede filtre...</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <translation>Vis skrivebordsmeddelelser</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimer</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Søger efter opdateringer...</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Downloadet</translation>
    </message>
    <message>
        <source>Choose a folder on the server</source>
        <translation>Vælg en mappe på serveren</translation>
    </message>
    <message>
        <source>Excluded from sync</source>
        <translation>Udeladt fra synkronisering</translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <translation>Synkroniserer %1 filer</translation>
    </message>
    <message>
        <source>Loading folders...</source>
        <translation>Indlæser mapper...</translation>
    </message>
    <message>
        <source>This version of Quenmark Zelto Client is no longer supported by the server. Please update the client.</source>
        <translation>Denne version af Quenmark Zelto Client understøttes ikke længere af serveren. Opdater klienten.</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Delt</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>sekunder</translation>
    </message>
    <message>
        <source>Repairing [ProductName]</source>
        <translation>Reparerer [ProductName]</translation>
    </message>
    <message>
        <source>Upload speed</source>
        <translation>Uploadhastighed</translation>
    </message>
    <message>
        <source>Open on Server</source>
        <translation>Åbn på serveren</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Udfør</translation>
    </message>
    <message>
        <source>Your settings have been saved.</source>
        <translation>Dine indstillinger er gemt.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktiveret</translation>
    </message>
    <message>
        <source>Create Sync Task</source>
        <translation>Opret synkroniseringsopgave</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Sikkerhedskopiér nu</translation>
    </message>
    <message>
        <source>The upgrade is complete.</source>
        <translation>Opgraderingen er fuldført.</translation>
    </message>
    <message>
        <source>Version %1 (build %2)</source>
        <translation>Version %1 (build %2)</translation>
    </message>
    <message>
        <source>Launch [ProductName] now</source>
        <translation>Start [ProductName] nu</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Send feedback</translation>
    </message>
    <message>
        <source>No results found.</source>
        <translation>Ingen resultater.</translation>
    </message>
    <message>
        <source>Copy Sharing Link</source>
        <translation>Kopiér delingslink</translation>
    </message>
    <message>
        <source>The task no longer exists.</source>
        <translation>Opgaven findes ikke længere.</translation>
    </message>
    <message>
        <source>&amp;Do not close applications. A reboot will be required.</source>
        <translation>Luk &amp;ikke programmerne. Genstart vil være påkrævet.</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Opgave</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fre</translation>
    </message>
    <message>
        <source>Deleting %1</source>
        <translation>Sletter %1</translation>
    </message>
    <message>
        <source>Enter at least %1 characters.</source>
        <translation>Angiv mindst %1 tegn.</translation>
    </message>
    <message>
        <source>Unable to restore the selected files.</source>
        <translation>De valgte filer kan ikke gendannes.</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation>Synkronisering efter behov</translation>
    </message>
    <message>
        <source>Checking the environment...</source>
        <translation>Kontrollerer miljøet...</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation>Tovejssynkronisering</translation>
    </message>
    <message>
        <source>Valid until</source>
        <translation>Gyldigt til</translation>
    </message>
    <message>
        <source>The history was exported to %1.</source>
        <translation>Historikken blev eksporteret til %1.</translation>
    </message>
    <message>
        <source>Files and folders that match these rules are not synced.</source>
        <translation>Filer og mapper, der matcher disse regler, synkroniseres ikke.</translation>
    </message>
    <message>
        <source>Available offline</source>
        <translation>Tilgængelig offline</translation>
    </message>
    <message>
        <source>The files have been restored.</source>
        <translation>Filerne er gendannet.</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Enhedsnavn</translation>
    </message>
    <message>
        <source>Renaming %1</source>
        <translation>Omdøber %1</translation>
    </message>
    <message>
        <source>Some files could not be synced</source>
        <translation>Nogle filer kunne ikke synkroniseres</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netværk</translation>
    </message>
    <message>
        <source>Task name</source>
        <translation>Opgavens navn</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by fixing missing and corrupt files, shortcuts, and registry entries.</source>
        <translation>Retter fejl i den seneste installation ved at reparere manglende og beskadigede filer, genveje og registreringsdatabaseposter.</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Indlæser...</translation>
    </message>
    <message>
        <source>Pause until I resume</source>
        <translation>Pause, indtil jeg genoptager</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Næste</translation>
    </message>
    <message>
        <source>No server was found on your local network. Enter the address manually.</source>
        <translation>Der blev ikke fundet nogen server på det lokale netværk. Angiv adressen manuelt.</translation>
    </message>
    <message>
        <source>Removes [ProductName] from your computer.</source>
        <translation>Fjerner [ProductName] fra computeren.</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>Lokal mappe</translation>
    </message>
    <message>
        <source>The quota of the shared folder has been reached.</source>
        <translation>Kvoten for den delte mappe er nået.</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>Licensaftale for slutbrugere</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>Online only</source>
        <translation>Kun online</translation>
    </message>
    <message>
        <source>Up one level</source>
        <translation>Et niveau op</translation>
    </message>
    <message>
        <source>Upload: %1/s  Download: %2/s</source>
        <translation>Upload: %1/s  Download: %2/s</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Mørkt</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Dagligt</translation>
    </message>
    <message>
        <source>The local version was renamed to %1.</source>
        <translation>Den lokale version blev omdøbt til %1.</translation>
    </message>
    <message>
        <source>%1 is in use by another application and will be synced when it is closed.</source>
        <translation>%1 bruges af et andet program og synkroniseres, når programmet lukkes.</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>På pause indtil %1</translation>
    </message>
    <message>
        <source>View History</source>
        <translation>Vis historik</translation>
    </message>
    <message>
        <source>Confirm new password</source>
        <translation>Bekræft ny adgangskode</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>Timeout for forbindelse</translation>
    </message>
    <message>
        <source>Proxy server</source>
        <translation>Proxyserver</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Bruger</translation>
    </message>
    <message>
        <source>Downloading the update... %1%</source>
        <translation>Downloader opdateringen... %1%</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Omdøbt</translation>
    </message>
    <message>
        <source>Use dark theme</source>
        <translation>Brug mørkt tema</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Tirsdag</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>KB/s</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully</source>
        <translation>Læs følgende licensaftale omhyggeligt</translation>
    </message>
    <message>
        <source>Send Test Email</source>
        <translation>Send testmail</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <translation>Synkroniseringsretning</translation>
    </message>
    <message>
        <source>Rebuilding the local database...</source>
        <translation>Genopbygger den lokale database...</translation>
    </message>
    <message>
        <source>Switch Account</source>
        <translation>Skift konto</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>Folder tree</source>
        <translation>Mappetræ</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>Gendan denne version</translation>
    </message>
    <message>
        <source>The destination shared folder could not be found on the server. Select another destination.</source>
        <translation>Den delte destinationsmappe blev ikke fundet på serveren. Vælg en anden destination.</translation>
    </message>
    <message>
        <source>The security certificate of the server has expired.</source>
        <translation>Serverens sikkerhedscertifikat er udløbet.</translation>
    </message>
    <message>
        <source>Restart Quenmark Zelto Client to apply the changes.</source>
        <translation>Genstart Quenmark Zelto Client for at anvende ændringerne.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client status icon</source>
        <translation>Statusikon for Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Strøm</translation>
    </message>
    <message>
        <source>%1 percent complete</source>
        <translation>%1 procent fuldført</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Lør</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Lager</translation>
    </message>
    <message>
        <source>Pause syncing when running on battery power</source>
        <translation>Sæt synkronisering på pause ved batteridrift</translation>
    </message>
    <message>
        <source>Enter your server address, username and password.</source>
        <translation>Angiv serveradresse, brugernavn og adgangskode.</translation>
    </message>
    <message>
        <source>Every %1 minutes</source>
        <translation>Hvert %1. minut</translation>
    </message>
    <message>
        <source>Do you want to delete the selected items?</source>
        <translation>Vil du slette de valgte elementer?</translation>
    </message>
    <message>
        <source>Show sync status icons in the file manager</source>
        <translation>Vis synkroniseringsikoner i filhåndteringen</translation>
    </message>
    <message>
        <source>I &amp;do not accept the terms in the License Agreement</source>
        <translation>Jeg accepterer &amp;ikke vilkårene i licensaftalen</translation>
    </message>
    <message>
        <source>Learn more</source>
        <translation>Få mere at vide</translation>
    </message>
    <message>
        <source>Server address field</source>
        <translation>Felt til serveradresse</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Hyppighed</translation>
    </message>
    <message>
        <source>Play a sound</source>
        <translation>Afspil en lyd</translation>
    </message>
    <message>
        <source>Locate Folder</source>
        <translation>Find mappen</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>Destinationsmappe</translation>
    </message>
    <message>
        <source>Load More</source>
        <translation>Indlæs flere</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Gem</translation>
    </message>
    <message>
        <source>Unable to rename %1 to %2.</source>
        <translation>%1 kan ikke omdøbes til %2.</translation>
    </message>
    <message>
        <source>If your network requires a proxy server to reach the Internet, enter its settings here.</source>
        <translation>Hvis dit netværk kræver en proxyserver for at få adgang til internettet, skal du angive dens indstillinger her.</translation>
    </message>
    <message>
        <source>Remove the local copies of the selected files? They remain on the server and are downloaded again when you open them.</source>
        <translation>Vil du fjerne de lokale kopier af de valgte filer? De bliver på serveren og downloades igen, når du åbner dem.</translation>
    </message>
    <message>
        <source>Install Now</source>
        <translation>Installer nu</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Tor</translation>
    </message>
    <message>
        <source>Display scaling</source>
        <translation>Skalering af skærm</translation>
    </message>
    <message>
        <source>Restoring %1 of %2 files...</source>
        <translation>Gendanner %1 af %2 filer...</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Filtypenavne</translation>
    </message>
    <message>
        <source>The update package is damaged or has an invalid signature.</source>
        <translation>Opdateringspakken er beskadiget eller har en ugyldig signatur.</translation>
    </message>
    <message>
        <source>Disk Space Requirements</source>
        <translation>Krav til diskplads</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Opgradering</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Opgaver</translation>
    </message>
    <message>
        <source>Account: %1</source>
        <translation>Konto: %1</translation>
    </message>
    <message>
        <source>The security certificate of the server is not trusted.</source>
        <translation>Serverens sikkerhedscertifikat er ikke tillidsværdigt.</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Vælg ingen</translation>
    </message>
    <message>
        <source>An invalid parameter was given.</source>
        <translation>Der blev angivet en ugyldig parameter.</translation>
    </message>
    <message>
        <source>Ask before deleting many files on the server</source>
        <translation>Spørg, før mange filer slettes på serveren</translation>
    </message>
    <message>
        <source>&amp;Look in:</source>
        <translation>&amp;Søg i:</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>Din IP-adresse er blokeret af serveren.</translation>
    </message>
    <message>
        <source>Debug logging records detailed information and may slow down syncing. Turn it off when you are done.</source>
        <translation>Fejlfindingslogning registrerer detaljerede oplysninger og kan gøre synkroniseringen langsommere. Slå den fra, når du er færdig.</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Manuel proxykonfiguration</translation>
    </message>
    <message>
        <source>Day of the month</source>
        <translation>Dag i måneden</translation>
    </message>
    <message>
        <source>The local database is damaged. Quenmark Zelto Client will rebuild it.</source>
        <translation>Den lokale database er beskadiget. Quenmark Zelto Client genopbygger den.</translation>
    </message>
    <message>
        <source>Are you sure you want to quit the setup? No task will be created.</source>
        <translation>Er du sikker på, at du vil afslutte opsætningen? Der oprettes ingen opgave.</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Aldrig synkroniseret</translation>
    </message>
    <message>
        <source>The shared folder no longer exists on the server.</source>
        <translation>Den delte mappe findes ikke længere på serveren.</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Tir</translation>
    </message>
    <message>
        <source>Use SSL/TLS</source>
        <translation>Brug SSL/TLS</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <translation>Synkroniseringstilstand</translation>
    </message>
    <message>
        <source>The update has been downloaded and will be installed when you quit Quenmark Zelto Client.</source>
        <translation>Opdateringen er downloadet og installeres, når du afslutter Quenmark Zelto Client.</translation>
    </message>
    <message>
        <source>The server is under maintenance. Syncing will resume automatically.</source>
        <translation>Serveren er under vedligeholdelse. Synkroniseringen genoptages automatisk.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client Setup</source>
        <translation>Opsætning af Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maksimer</translation>
    </message>
    <message>
        <source>Enable backup schedule</source>
        <translation>Aktivér planlagt sikkerhedskopiering</translation>
    </message>
    <message>
        <source>The first sync may take a while, depending on the number and size of your files.</source>
        <translation>Den første synkronisering kan tage et stykke tid, afhængigt af antallet og størrelsen af dine filer.</translation>
    </message>
    <message>
        <source>Sign in with the account you use on %1.</source>
        <translation>Log på med den konto, du bruger på %1.</translation>
    </message>
    <message>
        <source>Backup Schedule</source>
        <translation>Tidsplan for sikkerhedskopiering</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>Filnavnet er for langt.</translation>
    </message>
    <message>
        <source>The file manager will be restarted to unload the extension.</source>
        <translation>Filhåndteringen genstartes for at fjerne udvidelsen fra hukommelsen.</translation>
    </message>
    <message>
        <source>Keep both versions</source>
        <translation>Behold begge versioner</translation>
    </message>
    <message>
        <source>Available when online</source>
        <translation>Tilgængelig, når du er online</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbage</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Fjern markering af alle</translation>
    </message>
    <message>
        <source>Total size</source>
        <translation>Samlet størrelse</translation>
    </message>
    <message>
        <source>Open source licenses</source>
        <translation>Open source-licenser</translation>
    </message>
    <message>
        <source>No backup is scheduled.</source>
        <translation>Der er ikke planlagt nogen sikkerhedskopiering.</translation>
    </message>
    <message>
        <source>Syncing was paused while the computer was asleep.</source>
        <translation>Synkroniseringen blev sat på pause, mens computeren var i dvale.</translation>
    </message>
    <message>
        <source>Team Folder</source>
        <translation>Teammappe</translation>
    </message>
    <message>
        <source>Overall progress</source>
        <translation>Samlet forløb</translation>
    </message>
    <message>
        <source>Checking the connection to %1...</source>
        <translation>Kontrollerer forbindelsen til %1...</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <translation>%1 er klar.</translation>
    </message>
    <message>
        <source>When a conflict occurs</source>
        <translation>Når der opstår en konflikt</translation>
    </message>
    <message>
        <source>The security certificate was issued to %1, not to %2.</source>
        <translation>Sikkerhedscertifikatet er udstedt til %1, ikke til %2.</translation>
    </message>
    <message>
        <source>Trust this computer</source>
        <translation>Hav tillid til denne computer</translation>
    </message>
    <message>
        <source>Select the operation you wish to perform.</source>
        <translation>Vælg den handling, du vil udføre.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiveret</translation>
    </message>
    <message>
        <source>File size limit</source>
        <translation>Grænse for filstørrelse</translation>
    </message>
    <message>
        <source>Unable to create the task.</source>
        <translation>Opgaven kan ikke oprettes.</translation>
    </message>
    <message>
        <source>Create Task</source>
        <translation>Opret opgave</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <translation>Nogle filer, der skal opdateres, er i brug.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Vent venligst...</translation>
    </message>
    <message>
        <source>Searching for servers on your local network...</source>
        <translation>Søger efter servere på det lokale netværk...</translation>
    </message>
    <message>
        <source>Disk space required for the installation exceeds available disk space.</source>
        <translation>Den diskplads, der kræves til installationen, overstiger den ledige diskplads.</translation>
    </message>
    <message>
        <source>The following applications are using files that need to be updated by this setup. Close these applications and then click &amp;Retry to continue the installation or Cancel to exit it.</source>
        <translation>Følgende programmer bruger filer, som installationen skal opdatere. Luk programmerne, og klik derefter på &amp;Prøv igen for at fortsætte installationen eller på Annuller for at afslutte den.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Mappen %1 findes ikke.</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Ejer</translation>
    </message>
    <message>
        <source>Play sounds</source>
        <translation>Afspil lyde</translation>
    </message>
    <message>
        <source>Synced</source>
        <translation>Synkroniseret</translation>
    </message>
    <message>
        <source>Last day of the month</source>
        <translation>Sidste dag i måneden</translation>
    </message>
    <message>
        <source>Keep the version on this computer</source>
        <translation>Behold versionen på denne computer</translation>
    </message>
    <message>
        <source>Resume the selected task</source>
        <translation>Genoptag den valgte opgave</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>Sort by Size</source>
        <translation>Sortér efter størrelse</translation>
    </message>
    <message>
        <source>Storage Details</source>
        <translation>Lageroplysninger</translation>
    </message>
    <message>
        <source>Apply limits only during these hours</source>
        <translation>Anvend kun begrænsninger i disse timer</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Welcome to Quenmark Zelto Client</source>
        <translation>Velkommen til Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Handling</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Forbundet</translation>
    </message>
    <message>
        <source>Data from an earlier version was found on this computer.</source>
        <translation>Der blev fundet data fra en tidligere version på denne computer.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Mail</translation>
    </message>
    <message>
        <source>Pause for 30 minutes</source>
        <translation>Pause i 30 minutter</translation>
    </message>
    <message>
        <source>Open in File Manager</source>
        <translation>Åbn i filhåndtering</translation>
    </message>
    <message>
        <source>Completed the [ProductName] Setup Wizard</source>
        <translation>Installationsguiden til [ProductName] er fuldført</translation>
    </message>
    <message>
        <source>Last synced %1</source>
        <translation>Senest synkroniseret %1</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Trin %1 af %2</translation>
    </message>
    <message>
        <source>Retry Now</source>
        <translation>Prøv igen nu</translation>
    </message>
    <message>
        <source>%1 of %2 used</source>
        <translation>%1 af %2 brugt</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Sprunget over</translation>
    </message>
    <message>
        <source>You have used %1 of your storage quota.</source>
        <translation>Du har brugt %1 af din lagerkvote.</translation>
    </message>
    <message>
        <source>A newer version of [ProductName] is already installed. Setup will now exit.</source>
        <translation>En nyere version af [ProductName] er allerede installeret. Installationen afsluttes nu.</translation>
    </message>
    <message>
        <source>No problem was found.</source>
        <translation>Der blev ikke fundet nogen problemer.</translation>
    </message>
    <message>
        <source>Keep files on the server that were deleted on this computer</source>
        <translation>Behold filer på serveren, der er slettet på denne computer</translation>
    </message>
    <message>
        <source>Scanning for changes...</source>
        <translation>Søger efter ændringer...</translation>
    </message>
    <message>
        <source>Registering product</source>
        <translation>Registrerer produktet</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Sprog i brugerfladen</translation>
    </message>
    <message>
        <source>You are not running the setup as an administrator. Some features may not be installed correctly. Continue anyway?</source>
        <translation>Du kører ikke installationen som administrator. Nogle funktioner installeres muligvis ikke korrekt. Vil du fortsætte alligevel?</translation>
    </message>
    <message>
        <source>There is not enough free space on %1. At least %2 is needed.</source>
        <translation>Der er ikke nok ledig plads på %1. Der skal bruges mindst %2.</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Kontakt support</translation>
    </message>
    <message>
        <source>Task Details</source>
        <translation>Opgavedetaljer</translation>
    </message>
    <message>
        <source>Back up only when the computer is idle</source>
        <translation>Sikkerhedskopiér kun, når computeren er inaktiv</translation>
    </message>
    <message>
        <source>Open the folder on the server in a web browser</source>
        <translation>Åbn mappen på serveren i en webbrowser</translation>
    </message>
    <message>
        <source>Administrator permission is required.</source>
        <translation>Der kræves administratortilladelse.</translation>
    </message>
    <message>
        <source>Creating shortcuts</source>
        <translation>Opretter genveje</translation>
    </message>
    <message>
        <source>Your email address (optional)</source>
        <translation>Din mailadresse (valgfrit)</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Forløb</translation>
    </message>
    <message>
        <source>Free space on this drive: %1</source>
        <translation>Ledig plads på dette drev: %1</translation>
    </message>
    <message>
        <source>The proxy connection works.</source>
        <translation>Proxyforbindelsen virker.</translation>
    </message>
    <message>
        <source>Privacy statement</source>
        <translation>Erklæring om beskyttelse af personlige oplysninger</translation>
    </message>
    <message>
        <source>Install the file manager extension (status icons and context menu)</source>
        <translation>Installer filhåndteringsudvidelsen (statusikoner og genvejsmenu)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importér</translation>
    </message>
    <message>
        <source>Select Folders</source>
        <translation>Vælg mapper</translation>
    </message>
    <message>
        <source>The file is locked by another application.</source>
        <translation>Filen er låst af et andet program.</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Thank you! Your feedback has been sent.</source>
        <translation>Tak! Din feedback er sendt.</translation>
    </message>
    <message>
        <source>Sync directly with computers on the same network when possible</source>
        <translation>Synkroniser direkte med computere på samme netværk, når det er muligt</translation>
    </message>
    <message>
        <source>Download rate</source>
        <translation>Downloadhastighed</translation>
    </message>
    <message>
        <source>&amp;Folder name:</source>
        <translation>&amp;Mappenavn:</translation>
    </message>
    <message>
        <source>%1 files, %2</source>
        <translation>%1 filer, %2</translation>
    </message>
    <message>
        <source>Version on this computer</source>
        <translation>Version på denne computer</translation>
    </message>
    <message>
        <source>The file name contains characters that are not allowed: %1</source>
        <translation>Filnavnet indeholder ugyldige tegn: %1</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Næste &gt;</translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>Kræver handling</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Påkrævet</translation>
    </message>
    <message>
        <source>Your settings and sync tasks are being moved to the new version of Quenmark Zelto Client. Do not turn off the computer.</source>
        <translation>Dine indstillinger og synkroniseringsopgaver flyttes til den nye version af Quenmark Zelto Client. Sluk ikke computeren.</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Brugervejledning</translation>
    </message>
    <message>
        <source>Expiration date</source>
        <translation>Udløbsdato</translation>
    </message>
    <message>
        <source>The disk where your sync folder is located is almost full.</source>
        <translation>Disken med din synkroniseringsmappe er næsten fuld.</translation>
    </message>
    <message>
        <source>The server %1 could not be found. Check the address and try again.</source>
        <translation>Serveren %1 blev ikke fundet. Kontrollér adressen, og prøv igen.</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>Feltet skal udfyldes.</translation>
    </message>
    <message>
        <source>You have read-only access to this shared folder.</source>
        <translation>Du har kun læseadgang til denne delte mappe.</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Kopiér link</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Tilbage</translation>
    </message>
    <message>
        <source>View Previous Versions</source>
        <translation>Vis tidligere versioner</translation>
    </message>
    <message>
        <source>Complete the sign-in in your web browser.</source>
        <translation>Fuldfør logonet i din webbrowser.</translation>
    </message>
    <message>
        <source>Directory user</source>
        <translation>Katalogbruger</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Oplysninger</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Sammenlign</translation>
    </message>
    <message>
        <source>Always Keep on This Device</source>
        <translation>Behold altid på denne enhed</translation>
    </message>
    <message>
        <source>You do not have write permission for the destination shared folder.</source>
        <translation>Du har ikke skrivetilladelse til den delte destinationsmappe.</translation>
    </message>
    <message>
        <source>Open Quenmark Zelto Client</source>
        <translation>Åbn Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Lyst</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>Meddelelse</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Afbryd</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nej</translation>
    </message>
    <message>
        <source>The folder is already used by another sync task.</source>
        <translation>Mappen bruges allerede af en anden synkroniseringsopgave.</translation>
    </message>
    <message>
        <source>This link has expired.</source>
        <translation>Linket er udløbet.</translation>
    </message>
    <message>
        <source>Installing [ProductName]</source>
        <translation>Installerer [ProductName]</translation>
    </message>
    <message>
        <source>Rename the server file</source>
        <translation>Omdøb serverfilen</translation>
    </message>
    <message>
        <source>Your files are now being synced. You can follow the progress from the icon in the notification area.</source>
        <translation>Dine filer synkroniseres nu. Du kan følge forløbet via ikonet i meddelelsesområdet.</translation>
    </message>
    <message>
        <source>&amp;Disk Usage</source>
        <translation>&amp;Diskforbrug</translation>
    </message>
    <message>
        <source>Syncing</source>
        <translation>Synkroniserer</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client is running. Quit it and click Retry, or click Cancel to stop the setup.</source>
        <translation>Quenmark Zelto Client kører. Afslut programmet, og klik på Prøv igen, eller klik på Annuller for at stoppe installationen.</translation>
    </message>
    <message>
        <source>Share with users on the server</source>
        <translation>Del med brugere på serveren</translation>
    </message>
    <message>
        <source>Can edit</source>
        <translation>Kan redigere</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Onsdag</translation>
    </message>
    <message>
        <source>Looking for changed files...</source>
        <translation>Søger efter ændrede filer...</translation>
    </message>
    <message>
        <source>Copy folders on this computer to the server on a schedule. Files deleted on this computer are kept on the server.</source>
        <translation>Kopierer mapper på denne computer til serveren efter en tidsplan. Filer, der slettes på computeren, bevares på serveren.</translation>
    </message>
    <message>
        <source>Some settings could not be moved. Please check your sync tasks.</source>
        <translation>Nogle indstillinger kunne ikke flyttes. Kontrollér dine synkroniseringsopgaver.</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Synkroniser nu</translation>
    </message>
    <message>
        <source>On-demand</source>
        <translation>Efter behov</translation>
    </message>
    <message>
        <source>Saved accounts</source>
        <translation>Gemte konti</translation>
    </message>
    <message>
        <source>Restore...</source>
        <translation>Gendan...</translation>
    </message>
    <message>
        <source>Attach diagnostic logs</source>
        <translation>Vedhæft diagnosticeringslogfiler</translation>
    </message>
    <message>
        <source>%1 results</source>
        <translation>%1 resultater</translation>
    </message>
    <message>
        <source>Open Sync Folder</source>
        <translation>Åbn synkroniseringsmappen</translation>
    </message>
    <message>
        <source>%1 could not be updated. The installed version will be started.</source>
        <translation>%1 kunne ikke opdateres. Den installerede version startes.</translation>
    </message>
    <message>
        <source>%1 was not synced because it is larger than the maximum file size.</source>
        <translation>%1 blev ikke synkroniseret, fordi den er større end den maksimale filstørrelse.</translation>
    </message>
    <message>
        <source>View on Web Portal</source>
        <translation>Vis på webportalen</translation>
    </message>
    <message>
        <source>Open the local folder</source>
        <translation>Åbn den lokale mappe</translation>
    </message>
    <message>
        <source>Permission</source>
        <translation>Tilladelse</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Slettet</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard removes [ProductName].</source>
        <translation>Vent, mens installationsguiden fjerner [ProductName].</translation>
    </message>
    <message>
        <source>Moving Your Data</source>
        <translation>Dine data flyttes</translation>
    </message>
    <message>
        <source>Ask when more than %1 files are deleted at once</source>
        <translation>Spørg, når mere end %1 filer slettes på én gang</translation>
    </message>
    <message>
        <source>Uploaded</source>
        <translation>Uploadet</translation>
    </message>
    <message>
        <source>Server name</source>
        <translation>Servernavn</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Udskriv</translation>
    </message>
    <message>
        <source>Signed in as %1</source>
        <translation>Logget på som %1</translation>
    </message>
    <message>
        <source>The recycle bin is not enabled for this shared folder. Deleted files cannot be restored.</source>
        <translation>Papirkurven er ikke aktiveret for denne delte mappe. Slettede filer kan ikke gendannes.</translation>
    </message>
    <message>
        <source>Uploading %1</source>
        <translation>Uploader %1</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of [ProductName]. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Klik på Reparer for at reparere installationen af [ProductName]. Klik på Tilbage for at gennemse eller ændre installationsindstillingerne. Klik på Annuller for at afslutte guiden.</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Kører</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Lige nu</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Altid øverst</translation>
    </message>
    <message>
        <source>Verification code</source>
        <translation>Bekræftelseskode</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>I går</translation>
    </message>
    <message>
        <source>Use the default folder (%1)</source>
        <translation>Brug standardmappen (%1)</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>Slip filer her</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Fredag</translation>
    </message>
    <message>
        <source>Username field</source>
        <translation>Felt til brugernavn</translation>
    </message>
    <message>
        <source>Encrypt data during transfer</source>
        <translation>Krypter data under overførslen</translation>
    </message>
    <message>
        <source>%1 files were changed.</source>
        <translation>%1 filer blev ændret.</translation>
    </message>
    <message>
        <source>Sign In...</source>
        <translation>Log på...</translation>
    </message>
    <message>
        <source>You do not have permission to perform this operation.</source>
        <translation>Du har ikke tilladelse til at udføre handlingen.</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Indstillingssider</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Brug systemets proxyindstillinger</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Venter</translation>
    </message>
    <message>
        <source>The folder is read-only. Files cannot be written to it.</source>
        <translation>Mappen er skrivebeskyttet. Der kan ikke skrives filer til den.</translation>
    </message>
    <message>
        <source>Next backup: %1</source>
        <translation>Næste sikkerhedskopiering: %1</translation>
    </message>
    <message>
        <source>The disk space required for the installation of the selected features.</source>
        <translation>Den diskplads, der kræves for at installere de valgte funktioner.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <translation>Midlertidige filer</translation>
    </message>
    <message>
        <source>Issued to</source>
        <translation>Udstedt til</translation>
    </message>
    <message>
        <source>More actions</source>
        <translation>Flere handlinger</translation>
    </message>
    <message>
        <source>Download This Version</source>
        <translation>Download denne version</translation>
    </message>
    <message>
        <source>Include in Sync</source>
        <translation>Medtag i synkronisering</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Notify me when a backup finishes</source>
        <translation>Giv besked, når en sikkerhedskopiering er færdig</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Mandag</translation>
    </message>
    <message>
        <source>Unable to delete %1.</source>
        <translation>%1 kan ikke slettes.</translation>
    </message>
    <message>
        <source>Open the sync folder</source>
        <translation>Åbn synkroniseringsmappen</translation>
    </message>
    <message>
        <source>Create a shortcut on the &amp;desktop</source>
        <translation>Opret en genvej på &amp;skrivebordet</translation>
    </message>
    <message>
        <source>Unable to save the settings.</source>
        <translation>Indstillingerne kan ikke gemmes.</translation>
    </message>
    <message>
        <source>Email the report after each backup</source>
        <translation>Send rapporten på mail efter hver sikkerhedskopiering</translation>
    </message>
    <message>
        <source>Cache location</source>
        <translation>Cacheplacering</translation>
    </message>
    <message>
        <source>Include folder %1</source>
        <translation>Medtag mappen %1</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Skriftstørrelse</translation>
    </message>
    <message>
        <source>Unable to create %1.</source>
        <translation>%1 kan ikke oprettes.</translation>
    </message>
    <message>
        <source>Scanning local files...</source>
        <translation>Scanner lokale filer...</translation>
    </message>
    <message>
        <source>Back up on a schedule</source>
        <translation>Sikkerhedskopiér efter en tidsplan</translation>
    </message>
    <message>
        <source>&amp;Keep my settings and sync tasks</source>
        <translation>&amp;Behold mine indstillinger og synkroniseringsopgaver</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Gendan standarder</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Meddelelser</translation>
    </message>
    <message>
        <source>Cache size</source>
        <translation>Cachestørrelse</translation>
    </message>
    <message>
        <source>Never expires</source>
        <translation>Udløber aldrig</translation>
    </message>
    <message>
        <source>Select a server from the list or enter its address.</source>
        <translation>Vælg en server på listen, eller angiv dens adresse.</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Ons</translation>
    </message>
    <message>
        <source>%1 was deleted.</source>
        <translation>%1 blev slettet.</translation>
    </message>
    <message>
        <source>The server is offline.</source>
        <translation>Serveren er offline.</translation>
    </message>
    <message>
        <source>Open Recycle Bin</source>
        <translation>Åbn papirkurven</translation>
    </message>
    <message>
        <source>Exclude from Sync</source>
        <translation>Udelad fra synkronisering</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Version on the server</source>
        <translation>Version på serveren</translation>
    </message>
    <message>
        <source>Calculating time remaining...</source>
        <translation>Beregner resterende tid...</translation>
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
        <translation>Pause i 1 time</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bekræft</translation>
    </message>
    <message>
        <source>Rename the local file</source>
        <translation>Omdøb den lokale fil</translation>
    </message>
    <message>
        <source>Show Previous Versions</source>
        <translation>Vis tidligere versioner</translation>
    </message>
    <message>
        <source>Notify me when a sync finishes</source>
        <translation>Giv besked, når en synkronisering er færdig</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Eksportér...</translation>
    </message>
    <message>
        <source>Current status</source>
        <translation>Aktuel status</translation>
    </message>
    <message>
        <source>Stop Backup</source>
        <translation>Stop sikkerhedskopiering</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation>Filer i brug</translation>
    </message>
    <message>
        <source>Do not sync temporary files</source>
        <translation>Synkroniser ikke midlertidige filer</translation>
    </message>
    <message>
        <source>Unable to unpack the installation package.</source>
        <translation>Installationspakken kan ikke pakkes ud.</translation>
    </message>
    <message>
        <source>The backup could not start because the server is offline.</source>
        <translation>Sikkerhedskopieringen kunne ikke starte, fordi serveren er offline.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Filer</translation>
    </message>
    <message>
        <source>Enter a valid IP address.</source>
        <translation>Angiv en gyldig IP-adresse.</translation>
    </message>
    <message>
        <source>IP address, domain name or relay ID</source>
        <translation>IP-adresse, domænenavn eller relæ-id</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Søndag</translation>
    </message>
    <message>
        <source>You do not have permission to use this service. Contact your system administrator.</source>
        <translation>Du har ikke tilladelse til at bruge denne tjeneste. Kontakt systemadministratoren.</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Fjern</translation>
    </message>
    <message>
        <source>The backup is intact.</source>
        <translation>Sikkerhedskopien er intakt.</translation>
    </message>
    <message>
        <source>Select at least one day.</source>
        <translation>Vælg mindst én dag.</translation>
    </message>
    <message>
        <source>%1 files were deleted from the sync folder. Do you also want to delete them from the server?</source>
        <translation>%1 filer er slettet fra synkroniseringsmappen. Vil du også slette dem fra serveren?</translation>
    </message>
    <message>
        <source>Certificate Warning</source>
        <translation>Certifikatadvarsel</translation>
    </message>
    <message>
        <source>Remember my password</source>
        <translation>Husk min adgangskode</translation>
    </message>
    <message>
        <source>Weekly schedule grid</source>
        <translation>Gitter med ugeplan</translation>
    </message>
    <message>
        <source>Enter a number between %1 and %2.</source>
        <translation>Angiv et tal mellem %1 og %2.</translation>
    </message>
    <message>
        <source>The username or password you entered is incorrect.</source>
        <translation>Brugernavnet eller adgangskoden er forkert.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Vis vindue</translation>
    </message>
    <message>
        <source>Backing up %1 of %2 files</source>
        <translation>Sikkerhedskopierer %1 af %2 filer</translation>
    </message>
    <message>
        <source>Keep only the latest versions</source>
        <translation>Behold kun de nyeste versioner</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <translation>Der er ikke nok ledig plads på den lokale disk.</translation>
    </message>
    <message>
        <source>The file was changed both on this computer and on the server since the last sync.</source>
        <translation>Filen er blevet ændret både på denne computer og på serveren siden den seneste synkronisering.</translation>
    </message>
    <message>
        <source>Everything is up to date</source>
        <translation>Alt er opdateret</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Scan complete</source>
        <translation>Scanningen er fuldført</translation>
    </message>
    <message>
        <source>Welcome to the [ProductName] Setup Wizard</source>
        <translation>Velkommen til installationsguiden til [ProductName]</translation>
    </message>
    <message>
        <source>Choose how to sync</source>
        <translation>Vælg, hvordan der skal synkroniseres</translation>
    </message>
    <message>
        <source>Use * to match any characters and ? to match one character.</source>
        <translation>Brug * for vilkårlige tegn og ? for ét tegn.</translation>
    </message>
    <message>
        <source>Ready to remove [ProductName]</source>
        <translation>Klar til at fjerne [ProductName]</translation>
    </message>
    <message>
        <source>Last run time</source>
        <translation>Seneste kørsel</translation>
    </message>
    <message>
        <source>Backup finished with errors</source>
        <translation>Sikkerhedskopieringen blev fuldført med fejl</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <translation>Vælg en mappe på denne computer</translation>
    </message>
    <message>
        <source>File name pattern</source>
        <translation>Filnavnsmønster</translation>
    </message>
    <message>
        <source>%1 servers found on your local network.</source>
        <translation>Der blev fundet %1 servere på det lokale netværk.</translation>
    </message>
    <message>
        <source>Restart Later</source>
        <translation>Genstart senere</translation>
    </message>
    <message>
        <source>Last sync</source>
        <translation>Seneste synkronisering</translation>
    </message>
    <message>
        <source>Stop Sharing</source>
        <translation>Stop deling</translation>
    </message>
    <message>
        <source>Unable to connect to the server. Check your network connection and the server address.</source>
        <translation>Der kan ikke oprettes forbindelse til serveren. Kontrollér netværksforbindelsen og serveradressen.</translation>
    </message>
</context>
</TS>
