<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>The quota of destination shared folder has reached the system limit. Please change the quota limit on the server or contact the system administrator.</source>
        <translation>Kvoten for den delte målmappen har nådd systemgrensen. Endre kvotegrensen på serveren eller kontakt systemadministratoren.</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Endret</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>Glemt passordet?</translation>
    </message>
    <message>
        <source>Field cannot exceed %1 numbers.</source>
        <translation>Feltet kan ikke inneholde mer enn %1 sifre.</translation>
    </message>
    <message>
        <source>Show or hide the password</source>
        <translation>Vis eller skjul passordet</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorer</translation>
    </message>
    <message>
        <source>Verifying files...</source>
        <translation>Bekrefter filer...</translation>
    </message>
    <message>
        <source>Dismiss notification</source>
        <translation>Lukk varselet</translation>
    </message>
    <message>
        <source>Take Snapshot</source>
        <translation>Ta øyeblikksbilde</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detaljer</translation>
    </message>
    <message>
        <source>Upload queue</source>
        <translation>Opplastingskø</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Sync Task</source>
        <translation>Synkroniseringsoppgave</translation>
    </message>
    <message>
        <source>Starting services</source>
        <translation>Starter tjenester</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation>Fortsett likevel</translation>
    </message>
    <message>
        <source>%1 was not synced because it matches a filter rule.</source>
        <translation>%1 ble ikke synkronisert fordi den samsvarer med en filterregel.</translation>
    </message>
    <message>
        <source>Resume All</source>
        <translation>Fortsett alle</translation>
    </message>
    <message>
        <source>Local network only</source>
        <translation>Bare lokalt nettverk</translation>
    </message>
    <message>
        <source>A relay connection can be slower than a direct connection.</source>
        <translation>En relétilkobling kan være tregere enn en direkte tilkobling.</translation>
    </message>
    <message>
        <source>Encryption key</source>
        <translation>Krypteringsnøkkel</translation>
    </message>
    <message>
        <source>Back up only when I start it manually</source>
        <translation>Sikkerhetskopier bare når jeg starter manuelt</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Feil</translation>
    </message>
    <message>
        <source>Server: %1</source>
        <translation>Server: %1</translation>
    </message>
    <message>
        <source>Can view</source>
        <translation>Kan vise</translation>
    </message>
    <message>
        <source>[ProductName] setup was interrupted. Your system has not been modified. To install this program at a later time, please run the installation again.</source>
        <translation>Installasjonen av [ProductName] ble avbrutt. Systemet er ikke endret. Kjør installasjonen på nytt for å installere programmet senere.</translation>
    </message>
    <message>
        <source>Connect to a server</source>
        <translation>Koble til en server</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generelt</translation>
    </message>
    <message>
        <source>Proxy server requires a password</source>
        <translation>Proxyserveren krever passord</translation>
    </message>
    <message>
        <source>Field cannot exceed %1 characters.</source>
        <translation>Feltet kan ikke inneholde mer enn %1 tegn.</translation>
    </message>
    <message>
        <source>I &amp;accept the terms in the License Agreement</source>
        <translation>Jeg &amp;godtar vilkårene i lisensavtalen</translation>
    </message>
    <message>
        <source>Only the checked folders are synced to this computer.</source>
        <translation>Bare de avmerkede mappene synkroniseres til denne datamaskinen.</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>Sikkerhetskopieringen mislyktes.</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation>Oppgraderer...</translation>
    </message>
    <message>
        <source>Pause syncing on metered connections</source>
        <translation>Sett synkroniseringen på pause på forbruksmålte tilkoblinger</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Kom i gang</translation>
    </message>
    <message>
        <source>Restore this version? The current version will be saved as a previous version.</source>
        <translation>Vil du gjenopprette denne versjonen? Den gjeldende versjonen lagres som en tidligere versjon.</translation>
    </message>
    <message>
        <source>Updating %1...</source>
        <translation>%1 oppdateres...</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Søk</translation>
    </message>
    <message>
        <source>Folders on a network drive cannot be synced.</source>
        <translation>Mapper på en nettverksstasjon kan ikke synkroniseres.</translation>
    </message>
    <message>
        <source>Restore Down</source>
        <translation>Gjenopprett ned</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Listevisning</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Finn servere på det lokale nettverket</translation>
    </message>
    <message>
        <source>There are no previous versions of this file.</source>
        <translation>Det finnes ingen tidligere versjoner av denne filen.</translation>
    </message>
    <message>
        <source>Backup cancelled</source>
        <translation>Sikkerhetskopieringen ble avbrutt</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>Ikke vis igjen</translation>
    </message>
    <message>
        <source>Enter the encryption key to open this shared folder.</source>
        <translation>Skriv inn krypteringsnøkkelen for å åpne denne delte mappen.</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Bruk</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Filnavn</translation>
    </message>
    <message>
        <source>Do not sync files larger than</source>
        <translation>Ikke synkroniser filer som er større enn</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Skrive</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Åpne filen</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differanse</translation>
    </message>
    <message>
        <source>Restore Files</source>
        <translation>Gjenopprett filer</translation>
    </message>
    <message>
        <source>Files deleted on this computer are moved to the recycle bin of the shared folder on the server.</source>
        <translation>Filer som slettes på denne datamaskinen, flyttes til papirkurven for den delte mappen på serveren.</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>&amp;Installer</translation>
    </message>
    <message>
        <source>%1 files were skipped because they were in use.</source>
        <translation>%1 filer ble hoppet over fordi de var i bruk.</translation>
    </message>
    <message>
        <source>The drive uses the FAT file system, which does not support files larger than 4 GB. Files over this size will not be synced.</source>
        <translation>Stasjonen bruker filsystemet FAT, som ikke støtter filer over 4 GB. Større filer blir ikke synkronisert.</translation>
    </message>
    <message>
        <source>%1 files were deleted on the server.</source>
        <translation>%1 filer ble slettet på serveren.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Personvern</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Connected through the relay service</source>
        <translation>Tilkoblet via relétjenesten</translation>
    </message>
    <message>
        <source>Connecting through the relay service...</source>
        <translation>Kobler til via relétjenesten...</translation>
    </message>
    <message>
        <source>Install [ProductName] to:</source>
        <translation>Installer [ProductName] i:</translation>
    </message>
    <message>
        <source>Email Notifications</source>
        <translation>E-postvarsler</translation>
    </message>
    <message>
        <source>Battery is low. Syncing has been paused.</source>
        <translation>Lavt batterinivå. Synkroniseringen er satt på pause.</translation>
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
        <translation>Det finnes allerede en oppgave med dette navnet.</translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely</source>
        <translation>Installasjonsveiviseren for [ProductName] ble avsluttet for tidlig</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Denne datamaskinen</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nei</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Mislyktes</translation>
    </message>
    <message>
        <source>Connection status</source>
        <translation>Tilkoblingsstatus</translation>
    </message>
    <message>
        <source>The sync service could not be started.</source>
        <translation>Synkroniseringstjenesten kunne ikke startes.</translation>
    </message>
    <message>
        <source>Rolling back action:</source>
        <translation>Tilbakestiller handling:</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Kobler til %1...</translation>
    </message>
    <message>
        <source>Domain user</source>
        <translation>Domenebruker</translation>
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
        <translation>Oppdatert</translation>
    </message>
    <message>
        <source>Notify me about conflicts</source>
        <translation>Varsle meg om konflikter</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client</source>
        <translation>Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Remove saved account</source>
        <translation>Fjern lagret konto</translation>
    </message>
    <message>
        <source>Restore to</source>
        <translation>Gjenopprett til</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Oppdater</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Datamaskinnavn</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>The path of the folder is too long.</source>
        <translation>Banen til mappen er for lang.</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Påminn meg senere</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>TB</translation>
    </message>
    <message>
        <source>This account has expired. Contact your system administrator.</source>
        <translation>Denne kontoen er utløpt. Kontakt systemadministratoren.</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Kryptering</translation>
    </message>
    <message>
        <source>Clear Cache</source>
        <translation>Tøm hurtigbufferen</translation>
    </message>
    <message>
        <source>Release Notes</source>
        <translation>Versjonsmerknader</translation>
    </message>
    <message>
        <source>The installation failed. Please reinstall Quenmark Zelto Client.</source>
        <translation>Installasjonen mislyktes. Installer Quenmark Zelto Client på nytt.</translation>
    </message>
    <message>
        <source>No access</source>
        <translation>Ingen tilgang</translation>
    </message>
    <message>
        <source>Local path</source>
        <translation>Lokal bane</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Save Report...</source>
        <translation>Lagre rapport...</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Connect with HTTPS (recommended)</source>
        <translation>Koble til med HTTPS (anbefales)</translation>
    </message>
    <message>
        <source>Unable to install the update.</source>
        <translation>Kan ikke installere oppdateringen.</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Brukernavn</translation>
    </message>
    <message>
        <source>The Setup Wizard will update the installed [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>Installasjonsveiviseren oppdaterer den installerte [ProductName] på datamaskinen. Klikk Neste for å fortsette eller Avbryt for å avslutte veiviseren.</translation>
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
        <translation>Søk etter filnavn</translation>
    </message>
    <message>
        <source>Restart File Manager</source>
        <translation>Start filbehandleren på nytt</translation>
    </message>
    <message>
        <source>Verify Backup</source>
        <translation>Bekreft sikkerhetskopi</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nytt navn</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avansert</translation>
    </message>
    <message>
        <source>Download speed</source>
        <translation>Nedlastingshastighet</translation>
    </message>
    <message>
        <source>Issued by</source>
        <translation>Utstedt av</translation>
    </message>
    <message>
        <source>Click Remove to remove [ProductName] from your computer. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Klikk Fjern for å fjerne [ProductName] fra datamaskinen. Klikk Tilbake for å se gjennom eller endre installasjonsinnstillingene. Klikk Avbryt for å avslutte veiviseren.</translation>
    </message>
    <message>
        <source>Show all server files on this computer and download them only when you open them, saving local disk space.</source>
        <translation>Viser alle serverfilene på denne datamaskinen og laster dem bare ned når du åpner dem. Det sparer lokal diskplass.</translation>
    </message>
    <message>
        <source>Destination folder on server</source>
        <translation>Målmappe på serveren</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Frakoblet</translation>
    </message>
    <message>
        <source>There is not enough free space on the server.</source>
        <translation>Det er ikke nok ledig plass på serveren.</translation>
    </message>
    <message>
        <source>You need administrator privileges to install [ProductName]. Sign in as an administrator and run the setup again.</source>
        <translation>Du må ha administratorrettigheter for å installere [ProductName]. Logg på som administrator og kjør installasjonen på nytt.</translation>
    </message>
    <message>
        <source>A test email has been sent.</source>
        <translation>En test-e-post er sendt.</translation>
    </message>
    <message>
        <source>Enter a name for the task.</source>
        <translation>Skriv inn et navn på oppgaven.</translation>
    </message>
    <message>
        <source>Syncing %1 of %2 files</source>
        <translation>Synkroniserer %1 av %2 filer</translation>
    </message>
    <message>
        <source>Add Rule</source>
        <translation>Legg til regel</translation>
    </message>
    <message>
        <source>Password field</source>
        <translation>Felt for passord</translation>
    </message>
    <message>
        <source>File Conflict</source>
        <translation>Filkonflikt</translation>
    </message>
    <message>
        <source>Moving your settings to the new version...</source>
        <translation>Innstillingene dine flyttes til den nye versjonen...</translation>
    </message>
    <message>
        <source>Folders on a removable drive cannot be synced.</source>
        <translation>Mapper på en flyttbar stasjon kan ikke synkroniseres.</translation>
    </message>
    <message>
        <source>Backup Task</source>
        <translation>Sikkerhetskopieringsoppgave</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Åpne loggmappen</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Avbrutt</translation>
    </message>
    <message>
        <source>Compress data during transfer</source>
        <translation>Komprimer data under overføringen</translation>
    </message>
    <message>
        <source>Backups run automatically at the times you choose. A running backup is not interrupted when its time slot ends.</source>
        <translation>Sikkerhetskopieringer kjøres automatisk på tidspunktene du velger. En pågående sikkerhetskopiering avbrytes ikke når tidsvinduet er over.</translation>
    </message>
    <message>
        <source>Export Settings...</source>
        <translation>Eksporter innstillinger...</translation>
    </message>
    <message>
        <source>A conflict was found in %1. Both versions have been kept.</source>
        <translation>Det ble funnet en konflikt i %1. Begge versjonene er beholdt.</translation>
    </message>
    <message>
        <source>Start Quenmark Zelto Client when I sign in</source>
        <translation>Start Quenmark Zelto Client når jeg logger på</translation>
    </message>
    <message>
        <source>Copying new files</source>
        <translation>Kopierer nye filer</translation>
    </message>
    <message>
        <source>Contact your system administrator.</source>
        <translation>Kontakt systemadministratoren.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Innstillinger</translation>
    </message>
    <message>
        <source>Create Sharing Link</source>
        <translation>Opprett delingskobling</translation>
    </message>
    <message>
        <source>The sync service stopped unexpectedly.</source>
        <translation>Synkroniseringstjenesten stoppet uventet.</translation>
    </message>
    <message>
        <source>The background service is running.</source>
        <translation>Bakgrunnstjenesten kjører.</translation>
    </message>
    <message>
        <source>Folders you uncheck will be removed from this computer but stay on the server.</source>
        <translation>Mapper du fjerner merket for, fjernes fra denne datamaskinen, men blir værende på serveren.</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Plassering</translation>
    </message>
    <message>
        <source>Always trust this certificate</source>
        <translation>Stol alltid på dette sertifikatet</translation>
    </message>
    <message>
        <source>Files are synced into this folder. You can pick an empty folder or a folder that already holds files.</source>
        <translation>Filene synkroniseres til denne mappen. Du kan velge en tom mappe eller en mappe som allerede inneholder filer.</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Aldri</translation>
    </message>
    <message>
        <source>The task has been removed.</source>
        <translation>Oppgaven er fjernet.</translation>
    </message>
    <message>
        <source>Local folder path field</source>
        <translation>Felt for bane til lokal mappe</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client %1 is available. You have version %2.</source>
        <translation>Quenmark Zelto Client %1 er tilgjengelig. Du har versjon %2.</translation>
    </message>
    <message>
        <source>Original location</source>
        <translation>Opprinnelig plassering</translation>
    </message>
    <message>
        <source>Space needed: %1</source>
        <translation>Nødvendig plass: %1</translation>
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
        <translation>Endret av</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>byte</translation>
    </message>
    <message>
        <source>%1 was added.</source>
        <translation>%1 ble lagt til.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versjon %1</translation>
    </message>
    <message>
        <source>Drag files here to upload them.</source>
        <translation>Dra filer hit for å laste dem opp.</translation>
    </message>
    <message>
        <source>Smart retention</source>
        <translation>Smart oppbevaring</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Starttidspunkt</translation>
    </message>
    <message>
        <source>Your password has expired. Change it on the server, then sign in again.</source>
        <translation>Passordet ditt er utløpt. Endre det på serveren, og logg deretter på igjen.</translation>
    </message>
    <message>
        <source>The proxy server requires authentication.</source>
        <translation>Proxyserveren krever godkjenning.</translation>
    </message>
    <message>
        <source>Prefer IPv6</source>
        <translation>Foretrekk IPv6</translation>
    </message>
    <message>
        <source>Select Folders...</source>
        <translation>Velg mapper...</translation>
    </message>
    <message>
        <source>The logs have been saved to %1.</source>
        <translation>Loggene er lagret i %1.</translation>
    </message>
    <message>
        <source>Connected through the local network</source>
        <translation>Tilkoblet via det lokale nettverket</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Oppdater</translation>
    </message>
    <message>
        <source>A new version of Quenmark Zelto Client is available.</source>
        <translation>En ny versjon av Quenmark Zelto Client er tilgjengelig.</translation>
    </message>
    <message>
        <source>No recent changes</source>
        <translation>Ingen nylige endringer</translation>
    </message>
    <message>
        <source>Syncing is paused</source>
        <translation>Synkroniseringen er satt på pause</translation>
    </message>
    <message>
        <source>Keep Files</source>
        <translation>Behold filene</translation>
    </message>
    <message>
        <source>Manage Tasks</source>
        <translation>Administrer oppgaver</translation>
    </message>
    <message>
        <source>Free Up Space</source>
        <translation>Frigjør plass</translation>
    </message>
    <message>
        <source>Desktop shortcut</source>
        <translation>Snarvei på skrivebordet</translation>
    </message>
    <message>
        <source>[ProductName] cannot be installed on this version of the operating system.</source>
        <translation>[ProductName] kan ikke installeres på denne versjonen av operativsystemet.</translation>
    </message>
    <message>
        <source>No entries match your search.</source>
        <translation>Ingen oppføringer samsvarer med søket.</translation>
    </message>
    <message>
        <source>Show tips at startup</source>
        <translation>Vis tips ved oppstart</translation>
    </message>
    <message>
        <source>Last backup failed %1</source>
        <translation>Siste sikkerhetskopiering mislyktes %1</translation>
    </message>
    <message>
        <source>You must restart your system for the configuration changes made to [ProductName] to take effect. Click Yes to restart now or No if you plan to restart later.</source>
        <translation>Du må starte systemet på nytt for at konfigurasjonsendringene i [ProductName] skal tre i kraft. Klikk Ja for å starte på nytt nå eller Nei hvis du vil gjøre det senere.</translation>
    </message>
    <message>
        <source>&amp;Close the applications and attempt to restart them.</source>
        <translation>&amp;Lukk programmene og forsøk å starte dem på nytt.</translation>
    </message>
    <message>
        <source>An unknown error occurred. Please try again later.</source>
        <translation>Det oppstod en ukjent feil. Prøv på nytt senere.</translation>
    </message>
    <message>
        <source>Tell us what went wrong or what you would like to see improved.</source>
        <translation>Fortell oss hva som gikk galt, eller hva du vil at vi skal forbedre.</translation>
    </message>
    <message>
        <source>Default port</source>
        <translation>Standardport</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>Opprett en ny mappe</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>Denne mappen er tom.</translation>
    </message>
    <message>
        <source>Copied to the clipboard</source>
        <translation>Kopiert til utklippstavlen</translation>
    </message>
    <message>
        <source>Change, repair, or remove installation</source>
        <translation>Endre, reparere eller fjerne installasjonen</translation>
    </message>
    <message>
        <source>Unable to open the local database.</source>
        <translation>Kan ikke åpne den lokale databasen.</translation>
    </message>
    <message>
        <source>Back Up This Folder</source>
        <translation>Sikkerhetskopier denne mappen</translation>
    </message>
    <message>
        <source>Add Account...</source>
        <translation>Legg til konto...</translation>
    </message>
    <message>
        <source>Do this for all conflicts</source>
        <translation>Gjør dette for alle konflikter</translation>
    </message>
    <message>
        <source>View Issues</source>
        <translation>Vis problemer</translation>
    </message>
    <message>
        <source>The highlighted volumes do not have enough disk space available for the currently selected features. You can remove some files from the highlighted volumes, or cancel the installation.</source>
        <translation>De uthevede volumene har ikke nok ledig plass for de valgte funksjonene. Du kan fjerne filer fra de uthevede volumene eller avbryte installasjonen.</translation>
    </message>
    <message>
        <source>Fine-tune what is synced. You can change these options later in Settings.</source>
        <translation>Finjuster hva som synkroniseres. Du kan endre alternativene senere under Innstillinger.</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Enheter</translation>
    </message>
    <message>
        <source>Do you want to sign out? All sync tasks of this account will stop.</source>
        <translation>Vil du logge av? Alle synkroniseringsoppgaver for denne kontoen stoppes.</translation>
    </message>
    <message>
        <source>Notify me when others change shared files</source>
        <translation>Varsle meg når andre endrer delte filer</translation>
    </message>
    <message>
        <source>Click Next to install to the default folder or click Change to choose another.</source>
        <translation>Klikk Neste for å installere i standardmappen, eller klikk Endre for å velge en annen.</translation>
    </message>
    <message>
        <source>Previous Versions</source>
        <translation>Tidligere versjoner</translation>
    </message>
    <message>
        <source>I lost my authentication device</source>
        <translation>Jeg har mistet godkjenningsenheten min</translation>
    </message>
    <message>
        <source>Enter the address of the server you want to sync with.</source>
        <translation>Skriv inn adressen til serveren du vil synkronisere med.</translation>
    </message>
    <message>
        <source>Check file consistency after sync</source>
        <translation>Kontroller filkonsistensen etter synkronisering</translation>
    </message>
    <message>
        <source>The identity of the server has changed. If you did not expect this, someone may be intercepting your connection.</source>
        <translation>Identiteten til serveren er endret. Hvis du ikke ventet dette, kan noen prøve å fange opp tilkoblingen din.</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Tøm historikken</translation>
    </message>
    <message>
        <source>Quit Quenmark Zelto Client</source>
        <translation>Avslutt Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Server folder path field</source>
        <translation>Felt for bane til servermappe</translation>
    </message>
    <message>
        <source>Remove Folder</source>
        <translation>Fjern mappe</translation>
    </message>
    <message>
        <source>Opened %1 times</source>
        <translation>Åpnet %1 ganger</translation>
    </message>
    <message>
        <source>%1 files backed up, %2 skipped</source>
        <translation>%1 filer sikkerhetskopiert, %2 hoppet over</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Sikkerhetskopierer...</translation>
    </message>
    <message>
        <source>Do you want to disconnect this computer from %1?</source>
        <translation>Vil du koble denne datamaskinen fra %1?</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Vis</translation>
    </message>
    <message>
        <source>Show the sync folder in the file manager sidebar</source>
        <translation>Vis synkroniseringsmappen i sidepanelet i filbehandleren</translation>
    </message>
    <message>
        <source>Run Diagnostics</source>
        <translation>Kjør diagnostikk</translation>
    </message>
    <message>
        <source>Notify me about errors</source>
        <translation>Varsle meg om feil</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>&amp;Endre...</translation>
    </message>
    <message>
        <source>Separate extensions with commas, for example tmp, bak</source>
        <translation>Skill filtypene med komma, for eksempel tmp, bak</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Inaktiv</translation>
    </message>
    <message>
        <source>Scanning files on the server...</source>
        <translation>Skanner filer på serveren...</translation>
    </message>
    <message>
        <source>Keep history for %1 days</source>
        <translation>Behold historikken i %1 dager</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lese</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Gå tilbake</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>Handlingen mislyktes.</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Bla gjennom...</translation>
    </message>
    <message>
        <source>Restart Now</source>
        <translation>Start på nytt nå</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Unable to connect through the proxy server.</source>
        <translation>Kan ikke koble til via proxyserveren.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Laster ned %1</translation>
    </message>
    <message>
        <source>Delete Files</source>
        <translation>Slett filene</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Søn</translation>
    </message>
    <message>
        <source>Access from your IP address has been denied by the server. Contact the system administrator.</source>
        <translation>Serveren har nektet tilgang fra IP-adressen din. Kontakt systemadministratoren.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;vslutt</translation>
    </message>
    <message>
        <source>Import Settings...</source>
        <translation>Importer innstillinger...</translation>
    </message>
    <message>
        <source>There is not enough memory to complete the operation.</source>
        <translation>Det er ikke nok minne til å fullføre handlingen.</translation>
    </message>
    <message>
        <source>Unable to load the settings. Default settings will be used.</source>
        <translation>Kan ikke laste inn innstillingene. Standardinnstillingene brukes.</translation>
    </message>
    <message>
        <source>The server is busy. Please try again later.</source>
        <translation>Serveren er opptatt. Prøv på nytt senere.</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Båndbredde</translation>
    </message>
    <message>
        <source>Low disk space</source>
        <translation>Lite diskplass</translation>
    </message>
    <message>
        <source>Verifying backup...</source>
        <translation>Bekrefter sikkerhetskopien...</translation>
    </message>
    <message>
        <source>Running diagnostics...</source>
        <translation>Kjører diagnostikk...</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Bla gjennom...</translation>
    </message>
    <message>
        <source>Skip existing files</source>
        <translation>Hopp over eksisterende filer</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Filnavn</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Files already in it will be merged with the files on the server.</source>
        <translation>Den valgte mappen er ikke tom. Filene i den slås sammen med filene på serveren.</translation>
    </message>
    <message>
        <source>SOCKS5</source>
        <translation>SOCKS5</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Your IP address has been blocked for %1 minutes.</source>
        <translation>For mange mislykkede påloggingsforsøk. IP-adressen din er blokkert i %1 minutter.</translation>
    </message>
    <message>
        <source>Limit to</source>
        <translation>Begrens til</translation>
    </message>
    <message>
        <source>Show a pop-up message</source>
        <translation>Vis en popup-melding</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Frakoblet</translation>
    </message>
    <message>
        <source>Two-step verification</source>
        <translation>Totrinnsbekreftelse</translation>
    </message>
    <message>
        <source>Ready to repair [ProductName]</source>
        <translation>Klar til å reparere [ProductName]</translation>
    </message>
    <message>
        <source>The source folder %1 could not be found. Connect the drive or remove the folder from the backup.</source>
        <translation>Finner ikke kildemappen %1. Koble til stasjonen eller fjern mappen fra sikkerhetskopieringen.</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>The end time must be later than the start time.</source>
        <translation>Sluttidspunktet må være senere enn starttidspunktet.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tidspunkt</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Tilgjengelig</translation>
    </message>
    <message>
        <source>Enable debug logging</source>
        <translation>Aktiver feilsøkingslogging</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics to help improve the product</source>
        <translation>Send anonym bruksstatistikk for å bidra til å forbedre produktet</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Tøm søket</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Vis passord</translation>
    </message>
    <message>
        <source>The link was created.</source>
        <translation>Koblingen er opprettet.</translation>
    </message>
    <message>
        <source>This server has no shared folder you can access. Ask the administrator for permission.</source>
        <translation>Serveren har ingen delt mappe du har tilgang til. Be administratoren om tillatelse.</translation>
    </message>
    <message>
        <source>The background service is not running.</source>
        <translation>Bakgrunnstjenesten kjører ikke.</translation>
    </message>
    <message>
        <source>Restore files as they were on</source>
        <translation>Gjenopprett filene slik de var</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsett</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs [ProductName].</source>
        <translation>Vent mens installasjonsveiviseren installerer [ProductName].</translation>
    </message>
    <message>
        <source>Syncing is paused on a metered connection.</source>
        <translation>Synkroniseringen er satt på pause på en forbruksmålt tilkobling.</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Ukjent</translation>
    </message>
    <message>
        <source>This rule already exists.</source>
        <translation>Denne regelen finnes allerede.</translation>
    </message>
    <message>
        <source>List of recent file changes</source>
        <translation>Liste over nylige filendringer</translation>
    </message>
    <message>
        <source>Team Folders</source>
        <translation>Teammapper</translation>
    </message>
    <message>
        <source>Remove the selected task</source>
        <translation>Fjern den valgte oppgaven</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>Nåværende passord</translation>
    </message>
    <message>
        <source>Same as the system</source>
        <translation>Samme som systemet</translation>
    </message>
    <message>
        <source>Review the settings below, then click Done to start syncing.</source>
        <translation>Se gjennom innstillingene nedenfor, og klikk deretter Ferdig for å starte synkroniseringen.</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Diagnostikk</translation>
    </message>
    <message>
        <source>Unable to read %1.</source>
        <translation>Kan ikke lese %1.</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>Synkroniseringen er fullført</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Start minimized to the notification area</source>
        <translation>Start minimert i varslingsområdet</translation>
    </message>
    <message>
        <source>This wizard helps you connect this computer to your server and choose which folders to keep in sync.</source>
        <translation>Denne veiviseren hjelper deg med å koble datamaskinen til serveren og velge hvilke mapper som skal holdes synkronisert.</translation>
    </message>
    <message>
        <source>You are using the latest version.</source>
        <translation>Du bruker den nyeste versjonen.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached.</source>
        <translation>Lagringskvoten din på serveren er nådd.</translation>
    </message>
    <message>
        <source>Show Toolbar</source>
        <translation>Vis verktøylinje</translation>
    </message>
    <message>
        <source>%1 changes are waiting to be synced.</source>
        <translation>%1 endringer venter på å bli synkronisert.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Sett på pause</translation>
    </message>
    <message>
        <source>Do you want to remove Quenmark Zelto Client and all of its components?</source>
        <translation>Vil du fjerne Quenmark Zelto Client og alle tilhørende komponenter?</translation>
    </message>
    <message>
        <source>I accept the terms of the license agreement</source>
        <translation>Jeg godtar vilkårene i lisensavtalen</translation>
    </message>
    <message>
        <source>System folders cannot be synced. Choose another folder.</source>
        <translation>Systemmapper kan ikke synkroniseres. Velg en annen mappe.</translation>
    </message>
    <message>
        <source>Launch at startup</source>
        <translation>Start når datamaskinen starter</translation>
    </message>
    <message>
        <source>Two-step verification is required for this account.</source>
        <translation>Denne kontoen krever totrinnsbekreftelse.</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>Rebuild Database</source>
        <translation>Bygg opp databasen på nytt</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Logg på</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Lørdag</translation>
    </message>
    <message>
        <source>The connection to the server timed out.</source>
        <translation>Tidsavbrudd for tilkoblingen til serveren.</translation>
    </message>
    <message>
        <source>Internet access</source>
        <translation>Internett-tilgang</translation>
    </message>
    <message>
        <source>Show Quenmark Zelto Client items in the file manager context menu</source>
        <translation>Vis Quenmark Zelto Client-elementer i hurtigmenyen i filbehandleren</translation>
    </message>
    <message>
        <source>&amp;Repair</source>
        <translation>&amp;Reparer</translation>
    </message>
    <message>
        <source>Select the files and folders to restore.</source>
        <translation>Velg filene og mappene som skal gjenopprettes.</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Hurtigbuffer</translation>
    </message>
    <message>
        <source>%1 is a reserved name and cannot be used.</source>
        <translation>%1 er et reservert navn og kan ikke brukes.</translation>
    </message>
    <message>
        <source>%1 was updated.</source>
        <translation>%1 ble oppdatert.</translation>
    </message>
    <message>
        <source>SMTP server</source>
        <translation>SMTP-server</translation>
    </message>
    <message>
        <source>No file has been synced yet.</source>
        <translation>Ingen filer er synkronisert ennå.</translation>
    </message>
    <message>
        <source>Open Web Portal</source>
        <translation>Åpne nettportalen</translation>
    </message>
    <message>
        <source>Background service</source>
        <translation>Bakgrunnstjeneste</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Prøv på nytt</translation>
    </message>
    <message>
        <source>View Certificate</source>
        <translation>Vis sertifikat</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutter</translation>
    </message>
    <message>
        <source>Not synced</source>
        <translation>Ikke synkronisert</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Hjelp på nettet</translation>
    </message>
    <message>
        <source>The server name could not be resolved.</source>
        <translation>Servernavnet kunne ikke slås opp.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advarsel</translation>
    </message>
    <message>
        <source>The link could not be copied.</source>
        <translation>Koblingen kunne ikke kopieres.</translation>
    </message>
    <message>
        <source>Run a missed backup when the computer starts</source>
        <translation>Kjør en tapt sikkerhetskopiering når datamaskinen starter</translation>
    </message>
    <message>
        <source>Every %1 hours</source>
        <translation>Hver %1. time</translation>
    </message>
    <message>
        <source>Out of Disk Space</source>
        <translation>Ikke nok diskplass</translation>
    </message>
    <message>
        <source>The link has been copied to the clipboard.</source>
        <translation>Koblingen er kopiert til utklippstavlen.</translation>
    </message>
    <message>
        <source>Open settings</source>
        <translation>Åpne innstillinger</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel [ProductName] installation?</source>
        <translation>Er du sikker på at du vil avbryte installasjonen av [ProductName]?</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Rediger</translation>
    </message>
    <message>
        <source>Enter a port number between 1 and 65535.</source>
        <translation>Skriv inn et portnummer mellom 1 og 65535.</translation>
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
        <translation>Denne versjonen av filen er ikke lenger tilgjengelig.</translation>
    </message>
    <message>
        <source>Hide Window</source>
        <translation>Skjul vindu</translation>
    </message>
    <message>
        <source>Remove Rule</source>
        <translation>Fjern regel</translation>
    </message>
    <message>
        <source>Your session has expired. Please sign in again.</source>
        <translation>Økten er utløpt. Logg på igjen.</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Domene</translation>
    </message>
    <message>
        <source>Symbolic links are not synced.</source>
        <translation>Symbolske koblinger synkroniseres ikke.</translation>
    </message>
    <message>
        <source>Create Backup Task</source>
        <translation>Opprett sikkerhetskopieringsoppgave</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopier</translation>
    </message>
    <message>
        <source>Overwrite existing files</source>
        <translation>Overskriv eksisterende filer</translation>
    </message>
    <message>
        <source>Unpacking %1...</source>
        <translation>%1 pakkes ut...</translation>
    </message>
    <message>
        <source>Keep the files in a folder on this computer and a folder on the server identical. Changes on either side are applied to the other.</source>
        <translation>Holder filene i en mappe på denne datamaskinen og en mappe på serveren like. Endringer på den ene siden overføres til den andre.</translation>
    </message>
    <message>
        <source>Select the type of task you want to create. You can add more tasks later.</source>
        <translation>Velg hvilken type oppgave du vil opprette. Du kan legge til flere oppgaver senere.</translation>
    </message>
    <message>
        <source>Rename Task</source>
        <translation>Gi oppgaven nytt navn</translation>
    </message>
    <message>
        <source>Change Password...</source>
        <translation>Endre passord...</translation>
    </message>
    <message>
        <source>Syncing is paused to save battery power.</source>
        <translation>Synkroniseringen er satt på pause for å spare batteri.</translation>
    </message>
    <message>
        <source>The Setup Wizard will install [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>Installasjonsveiviseren installerer [ProductName] på datamaskinen. Klikk Neste for å fortsette eller Avbryt for å avslutte veiviseren.</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Tillatelser</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Vis i mappe</translation>
    </message>
    <message>
        <source>Keep file versions</source>
        <translation>Behold filversjoner</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>The connection to the server was lost. Syncing will resume when the connection is restored.</source>
        <translation>Tilkoblingen til serveren ble brutt. Synkroniseringen fortsetter når tilkoblingen er gjenopprettet.</translation>
    </message>
    <message>
        <source>The shared folder is encrypted and has not been mounted on the server.</source>
        <translation>Den delte mappen er kryptert og er ikke montert på serveren.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Lukk</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client - %1</source>
        <translation>Quenmark Zelto Client - %1</translation>
    </message>
    <message>
        <source>The version of the server is too old. Update the server to version %1 or later.</source>
        <translation>Serverversjonen er for gammel. Oppdater serveren til versjon %1 eller nyere.</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Legg til mappe...</translation>
    </message>
    <message>
        <source>Restored</source>
        <translation>Gjenopprettet</translation>
    </message>
    <message>
        <source>Reconnecting in %1 seconds...</source>
        <translation>Kobler til på nytt om %1 sekunder...</translation>
    </message>
    <message>
        <source>Unable to connect through the proxy server %1.</source>
        <translation>Kan ikke koble til via proxyserveren %1.</translation>
    </message>
    <message>
        <source>Protect with a password</source>
        <translation>Beskytt med passord</translation>
    </message>
    <message>
        <source>Enter a rate between 1 and 1048576 KB/s.</source>
        <translation>Skriv inn en hastighet mellom 1 og 1048576 kB/s.</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Programvareoppdatering</translation>
    </message>
    <message>
        <source>Please wait while the installer finishes determining your disk space requirements.</source>
        <translation>Vent mens installasjonsprogrammet beregner hvor mye diskplass som kreves.</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Man</translation>
    </message>
    <message>
        <source>The rule %1 is not valid.</source>
        <translation>Regelen %1 er ugyldig.</translation>
    </message>
    <message>
        <source>Deleted files can be restored from the recycle bin of the shared folder.</source>
        <translation>Slettede filer kan gjenopprettes fra papirkurven til den delte mappen.</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Ubegrenset</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>%1 is initializing...</source>
        <translation>%1 initialiseres...</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client main window</source>
        <translation>Hovedvinduet i Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Gi nytt navn</translation>
    </message>
    <message>
        <source>Unable to write %1.</source>
        <translation>Kan ikke skrive %1.</translation>
    </message>
    <message>
        <source>Log level</source>
        <translation>Loggnivå</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passord</translation>
    </message>
    <message>
        <source>days</source>
        <translation>dager</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Last opp</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Gjest</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>Pause All</source>
        <translation>Sett alle på pause</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Månedlig</translation>
    </message>
    <message>
        <source>Prevent the computer from sleeping while syncing</source>
        <translation>Hindre at datamaskinen går i hvilemodus under synkronisering</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Størrelse</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historikk</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Serveradresse</translation>
    </message>
    <message>
        <source>Browse to the destination folder</source>
        <translation>Bla til målmappen</translation>
    </message>
    <message>
        <source>Do you want to clear the history? This does not affect your files.</source>
        <translation>Vil du tømme historikken? Filene dine påvirkes ikke.</translation>
    </message>
    <message>
        <source>Remove old data</source>
        <translation>Fjern gamle data</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Husk meg</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Ukentlig</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>I kø</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Oppdater nå</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Torsdag</translation>
    </message>
    <message>
        <source>The selected file does not contain valid settings.</source>
        <translation>Den valgte filen inneholder ikke gyldige innstillinger.</translation>
    </message>
    <message>
        <source>The password is too weak.</source>
        <translation>Passordet er for svakt.</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Velg mappe</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard repairs [ProductName].</source>
        <translation>Vent mens installasjonsveiviseren reparerer [ProductName].</translation>
    </message>
    <message>
        <source>For example: tmp, log, iso</source>
        <translation>For eksempel: tmp, log, iso</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Logg av</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Kunne ikke opprette en sikker tilkobling til serveren.</translation>
    </message>
    <message>
        <source>Pause the selected task</source>
        <translation>Sett den valgte oppgaven på pause</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>Operativsystem</translation>
    </message>
    <message>
        <source>Do you want to remove the task %1? The files in the folders will not be deleted.</source>
        <translation>Vil du fjerne oppgaven %1? Filene i mappene blir ikke slettet.</translation>
    </message>
    <message>
        <source>[ProductName] Setup</source>
        <translation>Installasjon av [ProductName]</translation>
    </message>
    <message>
        <source>This account has been disabled. Contact your system administrator.</source>
        <translation>Denne kontoen er deaktivert. Kontakt systemadministratoren.</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>I dag</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>E-postadresse</translation>
    </message>
    <message>
        <source>The verification code is incorrect or has expired.</source>
        <translation>Bekreftelseskoden er feil eller utløpt.</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>Logger</translation>
    </message>
    <message>
        <source>List of sync and backup tasks</source>
        <translation>Liste over synkroniserings- og sikkerhetskopieringsoppgaver</translation>
    </message>
    <message>
        <source>Keep up to %1 versions of each file</source>
        <translation>Behold opptil %1 versjoner av hver fil</translation>
    </message>
    <message>
        <source>%1 will be synced with %2.</source>
        <translation>%1 synkroniseres med %2.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Merk alle</translation>
    </message>
    <message>
        <source>Syncing %1</source>
        <translation>Synkroniserer %1</translation>
    </message>
    <message>
        <source>Free space</source>
        <translation>Ledig plass</translation>
    </message>
    <message>
        <source>Your feedback could not be sent. Please try again later.</source>
        <translation>Tilbakemeldingen din kunne ikke sendes. Prøv på nytt senere.</translation>
    </message>
    <message>
        <source>File manager integration</source>
        <translation>Integrering med filbehandleren</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Nytt passord</translation>
    </message>
    <message>
        <source>Sign In with SSO</source>
        <translation>Logg på med SSO</translation>
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
        <translation>Se etter oppdateringer</translation>
    </message>
    <message>
        <source>Enter the 6-digit code from your authenticator app.</source>
        <translation>Skriv inn den sekssifrede koden fra godkjenningsappen.</translation>
    </message>
    <message>
        <source>Right-click a file for more options.</source>
        <translation>Høyreklikk på en fil for flere alternativer.</translation>
    </message>
    <message>
        <source>Server version</source>
        <translation>Serverversjon</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client was removed from your computer.</source>
        <translation>Quenmark Zelto Client er fjernet fra datamaskinen.</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Mappenavn</translation>
    </message>
    <message>
        <source>You have no tasks yet. Click Create Task to sync or back up a folder.</source>
        <translation>Du har ingen oppgaver ennå. Klikk Opprett oppgave for å synkronisere eller sikkerhetskopiere en mappe.</translation>
    </message>
    <message>
        <source>Indexing files...</source>
        <translation>Indekserer filer...</translation>
    </message>
    <message>
        <source>Verification code field</source>
        <translation>Felt for bekreftelseskode</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disken er full</translation>
    </message>
    <message>
        <source>Backup started</source>
        <translation>Sikkerhetskopieringen startet</translation>
    </message>
    <message>
        <source>The sync folder %1 was moved or deleted. Syncing has stopped for this task.</source>
        <translation>Synkroniseringsmappen %1 ble flyttet eller slettet. Synkroniseringen av denne oppgaven er stoppet.</translation>
    </message>
    <message>
        <source>The file was damaged during transfer and will be downloaded again.</source>
        <translation>Filen ble skadet under overføringen og lastes ned på nytt.</translation>
    </message>
    <message>
        <source>You have reached the maximum number of tasks (%1).</source>
        <translation>Du har nådd maksimalt antall oppgaver (%1).</translation>
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
        <translation>Sikkerhetskopieringen er fullført</translation>
    </message>
    <message>
        <source>Starting %1 for the first time. This may take a minute.</source>
        <translation>%1 startes for første gang. Dette kan ta et minutt.</translation>
    </message>
    <message>
        <source>Server path</source>
        <translation>Bane på serveren</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Endre passord</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-adresse</translation>
    </message>
    <message>
        <source>Sync file permissions and timestamps</source>
        <translation>Synkroniser filtillatelser og tidsstempler</translation>
    </message>
    <message>
        <source>Syncing will stop when you quit. Quit Quenmark Zelto Client anyway?</source>
        <translation>Synkroniseringen stopper når du avslutter. Vil du avslutte Quenmark Zelto Client likevel?</translation>
    </message>
    <message>
        <source>Hidden files</source>
        <translation>Skjulte filer</translation>
    </message>
    <message>
        <source>The folder cannot be inside or contain a folder that is already synced.</source>
        <translation>Mappen kan ikke ligge i eller inneholde en mappe som allerede synkroniseres.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached. The backup cannot continue until space is freed.</source>
        <translation>Lagringskvoten din på serveren er nådd. Sikkerhetskopieringen kan ikke fortsette før det er frigjort plass.</translation>
    </message>
    <message>
        <source>Download queue</source>
        <translation>Nedlastingskø</translation>
    </message>
    <message>
        <source>This computer is registered with the server.</source>
        <translation>Denne datamaskinen er registrert på serveren.</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Papirkurv</translation>
    </message>
    <message>
        <source>Back up changes continuously</source>
        <translation>Sikkerhetskopier endringer fortløpende</translation>
    </message>
    <message>
        <source>Source folders</source>
        <translation>Kildemapper</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Lisensavtale</translation>
    </message>
    <message>
        <source>Sync options</source>
        <translation>Synkroniseringsalternativer</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>Alt er klart!</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Hopp over</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Ny mappe</translation>
    </message>
    <message>
        <source>Add to the &amp;Start menu</source>
        <translation>Legg til på &amp;Start-menyen</translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation>Logger på...</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Klikk Installer for å starte installasjonen. Klikk Tilbake for å se gjennom eller endre installasjonsinnstillingene. Klikk Avbryt for å avslutte veiviseren.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client cannot write to %1. Check the folder permissions.</source>
        <translation>Quenmark Zelto Client kan ikke skrive til %1. Kontroller tillatelsene for mappen.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Hopp over denne versjonen</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>Besøk nettstedet vårt</translation>
    </message>
    <message>
        <source>Open Local Folder</source>
        <translation>Åpne lokal mappe</translation>
    </message>
    <message>
        <source>Removing [ProductName]</source>
        <translation>Fjerner [ProductName]</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Åpne mappe</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Legg til</translation>
    </message>
    <message>
        <source>Copyright (c) Quenmark. All rights reserved.</source>
        <translation>Copyright (c) Quenmark. Med enerett.</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Fjern enhet</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>The session is locked.</source>
        <translation>Økten er låst.</translation>
    </message>
    <message>
        <source>Downloading on demand...</source>
        <translation>Laster ned ved behov...</translation>
    </message>
    <message>
        <source>Sign-in required</source>
        <translation>Pålogging kreves</translation>
    </message>
    <message>
        <source>Unable to copy %1.</source>
        <translation>Kan ikke kopiere %1.</translation>
    </message>
    <message>
        <source>List of filter rules</source>
        <translation>Liste over filterregler</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>Øyeblikksbilder</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Stoppet</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volum</translation>
    </message>
    <message>
        <source>Change destination folder</source>
        <translation>Endre målmappe</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synkroniserer...</translation>
    </message>
    <message>
        <source>Back up only when the computer is plugged in</source>
        <translation>Sikkerhetskopier bare når datamaskinen er koblet til strøm</translation>
    </message>
    <message>
        <source>Resume Syncing</source>
        <translation>Fortsett synkroniseringen</translation>
    </message>
    <message>
        <source>A new version is available.</source>
        <translation>En ny versjon er tilgjengelig.</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation>Vanlige spørsmål</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vis</translation>
    </message>
    <message>
        <source>Run on</source>
        <translation>Kjør på</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Avslutt</translation>
    </message>
    <message>
        <source>Unable to download the update.</source>
        <translation>Kan ikke laste ned oppdateringen.</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>Test tilkoblingen</translation>
    </message>
    <message>
        <source>You have been signed out.</source>
        <translation>Du er logget av.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synkronisering</translation>
    </message>
    <message>
        <source>Last backup completed %1</source>
        <translation>Siste sikkerhetskopiering fullført %1</translation>
    </message>
    <message>
        <source>Pause Syncing</source>
        <translation>Sett synkroniseringen på pause</translation>
    </message>
    <message>
        <source>Limit automatically</source>
        <translation>Begrens automatisk</translation>
    </message>
    <message>
        <source>Keep the version on the server</source>
        <translation>Behold versjonen på serveren</translation>
    </message>
    <message>
        <source>Open menu</source>
        <translation>Åpne menyen</translation>
    </message>
    <message>
        <source>The file is larger than the limit allowed by the server.</source>
        <translation>Filen er større enn serveren tillater.</translation>
    </message>
    <message>
        <source>Your data was moved successfully.</source>
        <translation>Dataene dine er flyttet.</translation>
    </message>
    <message>
        <source>Ready to install [ProductName]</source>
        <translation>Klar til å installere [ProductName]</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Filen %1 finnes ikke.</translation>
    </message>
    <message>
        <source>Export Logs...</source>
        <translation>Eksporter logger...</translation>
    </message>
    <message>
        <source>Syncing has resumed</source>
        <translation>Synkroniseringen er gjenopptatt</translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely because of an error. Your system has not been modified. To install this program at a later time, run the Setup Wizard again.</source>
        <translation>Installasjonsveiviseren for [ProductName] ble avsluttet for tidlig på grunn av en feil. Systemet er ikke endret. Kjør installasjonsveiviseren på nytt for å installere programmet senere.</translation>
    </message>
    <message>
        <source>Select the server folder to sync with this computer.</source>
        <translation>Velg servermappen som skal synkroniseres med denne datamaskinen.</translation>
    </message>
    <message>
        <source>Upload changes to the server only</source>
        <translation>Last bare opp endringer til serveren</translation>
    </message>
    <message>
        <source>Time remaining unknown</source>
        <translation>Gjenstående tid ukjent</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjelp</translation>
    </message>
    <message>
        <source>%1 files were skipped. See the history for details.</source>
        <translation>%1 filer ble hoppet over. Se historikken for detaljer.</translation>
    </message>
    <message>
        <source>Keep all versions</source>
        <translation>Behold alle versjoner</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksporter</translation>
    </message>
    <message>
        <source>Sync progress</source>
        <translation>Synkroniseringsfremdrift</translation>
    </message>
    <message>
        <source>The new language will be used after Quenmark Zelto Client restarts.</source>
        <translation>Det nye språket tas i bruk når Quenmark Zelto Client startes på nytt.</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Opprettet</translation>
    </message>
    <message>
        <source>%1 used of %2</source>
        <translation>%1 brukt av %2</translation>
    </message>
    <message>
        <source>Version Retention</source>
        <translation>Oppbevaring av versjoner</translation>
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
        <translation>Sorter etter navn</translation>
    </message>
    <message>
        <source>On-demand sync is not supported on this file system.</source>
        <translation>Synkronisering ved behov støttes ikke på dette filsystemet.</translation>
    </message>
    <message>
        <source>Connected through the Internet</source>
        <translation>Tilkoblet via Internett</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Prøv på nytt</translation>
    </message>
    <message>
        <source>Authentication required</source>
        <translation>Godkjenning kreves</translation>
    </message>
    <message>
        <source>Access Denied</source>
        <translation>Tilgang nektet</translation>
    </message>
    <message>
        <source>Upload rate</source>
        <translation>Opplastingshastighet</translation>
    </message>
    <message>
        <source>The system limit on watched folders has been reached. Some changes may be detected late.</source>
        <translation>Systemgrensen for overvåkede mapper er nådd. Noen endringer oppdages kanskje sent.</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Flyttet</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Sort by Date</source>
        <translation>Sorter etter dato</translation>
    </message>
    <message>
        <source>Do not sync hidden files</source>
        <translation>Ikke synkroniser skjulte filer</translation>
    </message>
    <message>
        <source>Sync This Folder</source>
        <translation>Synkroniser denne mappen</translation>
    </message>
    <message>
        <source>%1 is very large. Uploading it may take a long time.</source>
        <translation>%1 er svært stor. Det kan ta lang tid å laste den opp.</translation>
    </message>
    <message>
        <source>Access control lists are not supported on this file system and will not be synced.</source>
        <translation>Tilgangskontrollister støttes ikke på dette filsystemet og blir ikke synkronisert.</translation>
    </message>
    <message>
        <source>Enter the verification code</source>
        <translation>Skriv inn bekreftelseskoden</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>Passordene samsvarer ikke.</translation>
    </message>
    <message>
        <source>The security certificate of %1 is not trusted. Your connection may not be secure.</source>
        <translation>Sikkerhetssertifikatet for %1 er ikke klarert. Tilkoblingen er kanskje ikke sikker.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Ferdig</translation>
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
        <translation>Med installasjonsveiviseren kan du reparere installasjonen av [ProductName] eller fjerne programmet fra datamaskinen. Klikk Neste for å fortsette eller Avbryt for å avslutte veiviseren.</translation>
    </message>
    <message>
        <source>Read and write</source>
        <translation>Lese og skrive</translation>
    </message>
    <message>
        <source>Pause for 8 hours</source>
        <translation>Pause i 8 timer</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sikkerhetskopiering</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>På pause</translation>
    </message>
    <message>
        <source>Edit the selected task</source>
        <translation>Rediger den valgte oppgaven</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Velkommen</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Åpne i nettleser</translation>
    </message>
    <message>
        <source>Task %1, status %2</source>
        <translation>Oppgave %1, status %2</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation>Klikk Fullfør for å avslutte installasjonsveiviseren.</translation>
    </message>
    <message>
        <source>Relay ID</source>
        <translation>Relé-ID</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Logg på</translation>
    </message>
    <message>
        <source>Do not limit</source>
        <translation>Ikke begrens</translation>
    </message>
    <message>
        <source>Download changes from the server only</source>
        <translation>Last bare ned endringer fra serveren</translation>
    </message>
    <message>
        <source>Unable to move %1 to %2.</source>
        <translation>Kan ikke flytte %1 til %2.</translation>
    </message>
    <message>
        <source>Add a task</source>
        <translation>Legg til en oppgave</translation>
    </message>
    <message>
        <source>Your storage space on %1 is almost full.</source>
        <translation>Lagringsplassen din på %1 er nesten full.</translation>
    </message>
    <message>
        <source>Install updates automatically</source>
        <translation>Installer oppdateringer automatisk</translation>
    </message>
    <message>
        <source>Recent Changes</source>
        <translation>Nylige endringer</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>Visningsnavn</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Kobler til...</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Varsler</translation>
    </message>
    <message>
        <source>Preparing to sync...</source>
        <translation>Forbereder synkronisering...</translation>
    </message>
    <message>
        <source>Single Sign-On</source>
        <translation>Enkel pålogging</translation>
    </message>
    <message>
        <source>Ready to sync</source>
        <translation>Klar til å synkronisere</translation>
    </message>
    <message>
        <source>Advanced Filters...</source>
        <translation>Avanserte filtre...</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <translation>Vis skrivebordsvarsler</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimer</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Ser etter oppdateringer...</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Lastet ned</translation>
    </message>
    <message>
        <source>Choose a folder on the server</source>
        <translation>Velg en mappe på serveren</translation>
    </message>
    <message>
        <source>Excluded from sync</source>
        <translation>Utelatt fra synkronisering</translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <translation>Synkroniserer %1 filer</translation>
    </message>
    <message>
        <source>Loading folders...</source>
        <translation>Laster inn mapper...</translation>
    </message>
    <message>
        <source>This version of Quenmark Zelto Client is no longer supported by the server. Please update the client.</source>
        <translation>Denne versjonen av Quenmark Zelto Client støttes ikke lenger av serveren. Oppdater klienten.</translation>
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
        <translation>Opplastingshastighet</translation>
    </message>
    <message>
        <source>Open on Server</source>
        <translation>Åpne på serveren</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Fullfør</translation>
    </message>
    <message>
        <source>Your settings have been saved.</source>
        <translation>Innstillingene er lagret.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktivert</translation>
    </message>
    <message>
        <source>Create Sync Task</source>
        <translation>Opprett synkroniseringsoppgave</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Sikkerhetskopier nå</translation>
    </message>
    <message>
        <source>The upgrade is complete.</source>
        <translation>Oppgraderingen er fullført.</translation>
    </message>
    <message>
        <source>Version %1 (build %2)</source>
        <translation>Versjon %1 (bygg %2)</translation>
    </message>
    <message>
        <source>Launch [ProductName] now</source>
        <translation>Start [ProductName] nå</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Send tilbakemelding</translation>
    </message>
    <message>
        <source>No results found.</source>
        <translation>Fant ingen resultater.</translation>
    </message>
    <message>
        <source>Copy Sharing Link</source>
        <translation>Kopier delingskobling</translation>
    </message>
    <message>
        <source>The task no longer exists.</source>
        <translation>Oppgaven finnes ikke lenger.</translation>
    </message>
    <message>
        <source>&amp;Do not close applications. A reboot will be required.</source>
        <translation>&amp;Ikke lukk programmene. Omstart vil være nødvendig.</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Oppgave</translation>
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
        <translation>Skriv inn minst %1 tegn.</translation>
    </message>
    <message>
        <source>Unable to restore the selected files.</source>
        <translation>Kan ikke gjenopprette de valgte filene.</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation>Synkronisering ved behov</translation>
    </message>
    <message>
        <source>Checking the environment...</source>
        <translation>Kontrollerer miljøet...</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation>Toveis synkronisering</translation>
    </message>
    <message>
        <source>Valid until</source>
        <translation>Gyldig til</translation>
    </message>
    <message>
        <source>The history was exported to %1.</source>
        <translation>Historikken ble eksportert til %1.</translation>
    </message>
    <message>
        <source>Files and folders that match these rules are not synced.</source>
        <translation>Filer og mapper som samsvarer med disse reglene, synkroniseres ikke.</translation>
    </message>
    <message>
        <source>Available offline</source>
        <translation>Tilgjengelig frakoblet</translation>
    </message>
    <message>
        <source>The files have been restored.</source>
        <translation>Filene er gjenopprettet.</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Enhetsnavn</translation>
    </message>
    <message>
        <source>Renaming %1</source>
        <translation>Gir nytt navn til %1</translation>
    </message>
    <message>
        <source>Some files could not be synced</source>
        <translation>Noen filer kunne ikke synkroniseres</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Nettverk</translation>
    </message>
    <message>
        <source>Task name</source>
        <translation>Oppgavenavn</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by fixing missing and corrupt files, shortcuts, and registry entries.</source>
        <translation>Retter feil i den siste installasjonen ved å reparere manglende og skadede filer, snarveier og registeroppføringer.</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Laster inn...</translation>
    </message>
    <message>
        <source>Pause until I resume</source>
        <translation>Pause til jeg fortsetter</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Neste</translation>
    </message>
    <message>
        <source>No server was found on your local network. Enter the address manually.</source>
        <translation>Fant ingen server på det lokale nettverket. Skriv inn adressen manuelt.</translation>
    </message>
    <message>
        <source>Removes [ProductName] from your computer.</source>
        <translation>Fjerner [ProductName] fra datamaskinen.</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>Lokal mappe</translation>
    </message>
    <message>
        <source>The quota of the shared folder has been reached.</source>
        <translation>Kvoten for den delte mappen er nådd.</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>Lisensavtale for sluttbrukere</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>Online only</source>
        <translation>Bare tilkoblet</translation>
    </message>
    <message>
        <source>Up one level</source>
        <translation>Opp ett nivå</translation>
    </message>
    <message>
        <source>Upload: %1/s  Download: %2/s</source>
        <translation>Opplasting: %1/s  Nedlasting: %2/s</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Mørkt</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Daglig</translation>
    </message>
    <message>
        <source>The local version was renamed to %1.</source>
        <translation>Den lokale versjonen fikk nytt navn: %1.</translation>
    </message>
    <message>
        <source>%1 is in use by another application and will be synced when it is closed.</source>
        <translation>%1 brukes av et annet program og synkroniseres når programmet lukkes.</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>På pause til %1</translation>
    </message>
    <message>
        <source>View History</source>
        <translation>Vis historikk</translation>
    </message>
    <message>
        <source>Confirm new password</source>
        <translation>Bekreft nytt passord</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>Tidsavbrudd for tilkobling</translation>
    </message>
    <message>
        <source>Proxy server</source>
        <translation>Proxyserver</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Bruker</translation>
    </message>
    <message>
        <source>Downloading the update... %1%</source>
        <translation>Laster ned oppdateringen... %1%</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Nytt navn</translation>
    </message>
    <message>
        <source>Use dark theme</source>
        <translation>Bruk mørkt tema</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Tirsdag</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>kB/s</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully</source>
        <translation>Les følgende lisensavtale nøye</translation>
    </message>
    <message>
        <source>Send Test Email</source>
        <translation>Send test-e-post</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <translation>Synkroniseringsretning</translation>
    </message>
    <message>
        <source>Rebuilding the local database...</source>
        <translation>Bygger opp den lokale databasen på nytt...</translation>
    </message>
    <message>
        <source>Switch Account</source>
        <translation>Bytt konto</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>Folder tree</source>
        <translation>Mappetre</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>Gjenopprett denne versjonen</translation>
    </message>
    <message>
        <source>The destination shared folder could not be found on the server. Select another destination.</source>
        <translation>Finner ikke den delte målmappen på serveren. Velg et annet mål.</translation>
    </message>
    <message>
        <source>The security certificate of the server has expired.</source>
        <translation>Serverens sikkerhetssertifikat er utløpt.</translation>
    </message>
    <message>
        <source>Restart Quenmark Zelto Client to apply the changes.</source>
        <translation>Start Quenmark Zelto Client på nytt for å ta i bruk endringene.</translation>
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
        <translation>%1 prosent fullført</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Lør</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Lagring</translation>
    </message>
    <message>
        <source>Pause syncing when running on battery power</source>
        <translation>Sett synkroniseringen på pause ved batteridrift</translation>
    </message>
    <message>
        <source>Enter your server address, username and password.</source>
        <translation>Skriv inn serveradresse, brukernavn og passord.</translation>
    </message>
    <message>
        <source>Every %1 minutes</source>
        <translation>Hvert %1. minutt</translation>
    </message>
    <message>
        <source>Do you want to delete the selected items?</source>
        <translation>Vil du slette de valgte elementene?</translation>
    </message>
    <message>
        <source>Show sync status icons in the file manager</source>
        <translation>Vis synkroniseringsikoner i filbehandleren</translation>
    </message>
    <message>
        <source>I &amp;do not accept the terms in the License Agreement</source>
        <translation>Jeg godtar &amp;ikke vilkårene i lisensavtalen</translation>
    </message>
    <message>
        <source>Learn more</source>
        <translation>Finn ut mer</translation>
    </message>
    <message>
        <source>Server address field</source>
        <translation>Felt for serveradresse</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Hyppighet</translation>
    </message>
    <message>
        <source>Play a sound</source>
        <translation>Spill av en lyd</translation>
    </message>
    <message>
        <source>Locate Folder</source>
        <translation>Finn mappen</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>Målmappe</translation>
    </message>
    <message>
        <source>Load More</source>
        <translation>Last inn flere</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lagre</translation>
    </message>
    <message>
        <source>Unable to rename %1 to %2.</source>
        <translation>Kan ikke gi %1 nytt navn til %2.</translation>
    </message>
    <message>
        <source>If your network requires a proxy server to reach the Internet, enter its settings here.</source>
        <translation>Hvis nettverket krever en proxyserver for å nå Internett, skriver du inn innstillingene for den her.</translation>
    </message>
    <message>
        <source>Remove the local copies of the selected files? They remain on the server and are downloaded again when you open them.</source>
        <translation>Vil du fjerne de lokale kopiene av de valgte filene? De blir værende på serveren og lastes ned på nytt når du åpner dem.</translation>
    </message>
    <message>
        <source>Install Now</source>
        <translation>Installer nå</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Tor</translation>
    </message>
    <message>
        <source>Display scaling</source>
        <translation>Skalering av skjermen</translation>
    </message>
    <message>
        <source>Restoring %1 of %2 files...</source>
        <translation>Gjenoppretter %1 av %2 filer...</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Filtyper</translation>
    </message>
    <message>
        <source>The update package is damaged or has an invalid signature.</source>
        <translation>Oppdateringspakken er skadet eller har en ugyldig signatur.</translation>
    </message>
    <message>
        <source>Disk Space Requirements</source>
        <translation>Krav til diskplass</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Oppgradering</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Oppgaver</translation>
    </message>
    <message>
        <source>Account: %1</source>
        <translation>Konto: %1</translation>
    </message>
    <message>
        <source>The security certificate of the server is not trusted.</source>
        <translation>Serverens sikkerhetssertifikat er ikke klarert.</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Velg ingen</translation>
    </message>
    <message>
        <source>An invalid parameter was given.</source>
        <translation>En ugyldig parameter ble oppgitt.</translation>
    </message>
    <message>
        <source>Ask before deleting many files on the server</source>
        <translation>Spør før mange filer slettes på serveren</translation>
    </message>
    <message>
        <source>&amp;Look in:</source>
        <translation>&amp;Søk i:</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>IP-adressen din er blokkert av serveren.</translation>
    </message>
    <message>
        <source>Debug logging records detailed information and may slow down syncing. Turn it off when you are done.</source>
        <translation>Feilsøkingslogging registrerer detaljert informasjon og kan gjøre synkroniseringen tregere. Slå den av når du er ferdig.</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Mål</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Manuell proxykonfigurasjon</translation>
    </message>
    <message>
        <source>Day of the month</source>
        <translation>Dag i måneden</translation>
    </message>
    <message>
        <source>The local database is damaged. Quenmark Zelto Client will rebuild it.</source>
        <translation>Den lokale databasen er skadet. Quenmark Zelto Client bygger den opp på nytt.</translation>
    </message>
    <message>
        <source>Are you sure you want to quit the setup? No task will be created.</source>
        <translation>Er du sikker på at du vil avslutte oppsettet? Ingen oppgave blir opprettet.</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Aldri synkronisert</translation>
    </message>
    <message>
        <source>The shared folder no longer exists on the server.</source>
        <translation>Den delte mappen finnes ikke lenger på serveren.</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Tir</translation>
    </message>
    <message>
        <source>Use SSL/TLS</source>
        <translation>Bruk SSL/TLS</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <translation>Synkroniseringsmodus</translation>
    </message>
    <message>
        <source>The update has been downloaded and will be installed when you quit Quenmark Zelto Client.</source>
        <translation>Oppdateringen er lastet ned og installeres når du avslutter Quenmark Zelto Client.</translation>
    </message>
    <message>
        <source>The server is under maintenance. Syncing will resume automatically.</source>
        <translation>Serveren er under vedlikehold. Synkroniseringen fortsetter automatisk.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client Setup</source>
        <translation>Oppsett av Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maksimer</translation>
    </message>
    <message>
        <source>Enable backup schedule</source>
        <translation>Aktiver planlagt sikkerhetskopiering</translation>
    </message>
    <message>
        <source>The first sync may take a while, depending on the number and size of your files.</source>
        <translation>Den første synkroniseringen kan ta litt tid, avhengig av antallet og størrelsen på filene dine.</translation>
    </message>
    <message>
        <source>Sign in with the account you use on %1.</source>
        <translation>Logg på med kontoen du bruker på %1.</translation>
    </message>
    <message>
        <source>Backup Schedule</source>
        <translation>Tidsplan for sikkerhetskopiering</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>Filnavnet er for langt.</translation>
    </message>
    <message>
        <source>The file manager will be restarted to unload the extension.</source>
        <translation>Filbehandleren startes på nytt for å laste ut utvidelsen.</translation>
    </message>
    <message>
        <source>Keep both versions</source>
        <translation>Behold begge versjonene</translation>
    </message>
    <message>
        <source>Available when online</source>
        <translation>Tilgjengelig når du er tilkoblet</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Fjern alle merker</translation>
    </message>
    <message>
        <source>Total size</source>
        <translation>Total størrelse</translation>
    </message>
    <message>
        <source>Open source licenses</source>
        <translation>Lisenser for åpen kildekode</translation>
    </message>
    <message>
        <source>No backup is scheduled.</source>
        <translation>Ingen sikkerhetskopiering er planlagt.</translation>
    </message>
    <message>
        <source>Syncing was paused while the computer was asleep.</source>
        <translation>Synkroniseringen ble satt på pause mens datamaskinen var i hvilemodus.</translation>
    </message>
    <message>
        <source>Team Folder</source>
        <translation>Teammappe</translation>
    </message>
    <message>
        <source>Overall progress</source>
        <translation>Samlet fremdrift</translation>
    </message>
    <message>
        <source>Checking the connection to %1...</source>
        <translation>Kontrollerer tilkoblingen til %1...</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <translation>%1 er klar.</translation>
    </message>
    <message>
        <source>When a conflict occurs</source>
        <translation>Når det oppstår en konflikt</translation>
    </message>
    <message>
        <source>The security certificate was issued to %1, not to %2.</source>
        <translation>Sikkerhetssertifikatet er utstedt til %1, ikke til %2.</translation>
    </message>
    <message>
        <source>Trust this computer</source>
        <translation>Stol på denne datamaskinen</translation>
    </message>
    <message>
        <source>Select the operation you wish to perform.</source>
        <translation>Velg handlingen du vil utføre.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktivert</translation>
    </message>
    <message>
        <source>File size limit</source>
        <translation>Grense for filstørrelse</translation>
    </message>
    <message>
        <source>Unable to create the task.</source>
        <translation>Kan ikke opprette oppgaven.</translation>
    </message>
    <message>
        <source>Create Task</source>
        <translation>Opprett oppgave</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>kB</translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <translation>Noen filer som må oppdateres, er i bruk.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Vent litt...</translation>
    </message>
    <message>
        <source>Searching for servers on your local network...</source>
        <translation>Søker etter servere på det lokale nettverket...</translation>
    </message>
    <message>
        <source>Disk space required for the installation exceeds available disk space.</source>
        <translation>Diskplassen som kreves for installasjonen, overstiger tilgjengelig diskplass.</translation>
    </message>
    <message>
        <source>The following applications are using files that need to be updated by this setup. Close these applications and then click &amp;Retry to continue the installation or Cancel to exit it.</source>
        <translation>Følgende programmer bruker filer som må oppdateres av installasjonen. Lukk programmene og klikk &amp;Prøv på nytt for å fortsette installasjonen, eller Avbryt for å avslutte.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Mappen %1 finnes ikke.</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Eier</translation>
    </message>
    <message>
        <source>Play sounds</source>
        <translation>Spill av lyder</translation>
    </message>
    <message>
        <source>Synced</source>
        <translation>Synkronisert</translation>
    </message>
    <message>
        <source>Last day of the month</source>
        <translation>Siste dag i måneden</translation>
    </message>
    <message>
        <source>Keep the version on this computer</source>
        <translation>Behold versjonen på denne datamaskinen</translation>
    </message>
    <message>
        <source>Resume the selected task</source>
        <translation>Fortsett den valgte oppgaven</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Støtte</translation>
    </message>
    <message>
        <source>Sort by Size</source>
        <translation>Sorter etter størrelse</translation>
    </message>
    <message>
        <source>Storage Details</source>
        <translation>Lagringsdetaljer</translation>
    </message>
    <message>
        <source>Apply limits only during these hours</source>
        <translation>Bruk begrensningene bare i disse timene</translation>
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
        <translation>Tilkoblet</translation>
    </message>
    <message>
        <source>Data from an earlier version was found on this computer.</source>
        <translation>Det ble funnet data fra en tidligere versjon på denne datamaskinen.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-post</translation>
    </message>
    <message>
        <source>Pause for 30 minutes</source>
        <translation>Pause i 30 minutter</translation>
    </message>
    <message>
        <source>Open in File Manager</source>
        <translation>Åpne i filbehandleren</translation>
    </message>
    <message>
        <source>Completed the [ProductName] Setup Wizard</source>
        <translation>Installasjonsveiviseren for [ProductName] er fullført</translation>
    </message>
    <message>
        <source>Last synced %1</source>
        <translation>Sist synkronisert %1</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Trinn %1 av %2</translation>
    </message>
    <message>
        <source>Retry Now</source>
        <translation>Prøv på nytt nå</translation>
    </message>
    <message>
        <source>%1 of %2 used</source>
        <translation>%1 av %2 brukt</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Hoppet over</translation>
    </message>
    <message>
        <source>You have used %1 of your storage quota.</source>
        <translation>Du har brukt %1 av lagringskvoten din.</translation>
    </message>
    <message>
        <source>A newer version of [ProductName] is already installed. Setup will now exit.</source>
        <translation>En nyere versjon av [ProductName] er allerede installert. Installasjonen avsluttes nå.</translation>
    </message>
    <message>
        <source>No problem was found.</source>
        <translation>Fant ingen problemer.</translation>
    </message>
    <message>
        <source>Keep files on the server that were deleted on this computer</source>
        <translation>Behold filer på serveren som er slettet på denne datamaskinen</translation>
    </message>
    <message>
        <source>Scanning for changes...</source>
        <translation>Ser etter endringer...</translation>
    </message>
    <message>
        <source>Registering product</source>
        <translation>Registrerer produktet</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Grensesnittspråk</translation>
    </message>
    <message>
        <source>You are not running the setup as an administrator. Some features may not be installed correctly. Continue anyway?</source>
        <translation>Du kjører ikke installasjonen som administrator. Enkelte funksjoner blir kanskje ikke riktig installert. Vil du fortsette likevel?</translation>
    </message>
    <message>
        <source>There is not enough free space on %1. At least %2 is needed.</source>
        <translation>Det er ikke nok ledig plass på %1. Minst %2 kreves.</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Kontakt kundestøtte</translation>
    </message>
    <message>
        <source>Task Details</source>
        <translation>Oppgavedetaljer</translation>
    </message>
    <message>
        <source>Back up only when the computer is idle</source>
        <translation>Sikkerhetskopier bare når datamaskinen er inaktiv</translation>
    </message>
    <message>
        <source>Open the folder on the server in a web browser</source>
        <translation>Åpne mappen på serveren i en nettleser</translation>
    </message>
    <message>
        <source>Administrator permission is required.</source>
        <translation>Administratortillatelse kreves.</translation>
    </message>
    <message>
        <source>Creating shortcuts</source>
        <translation>Oppretter snarveier</translation>
    </message>
    <message>
        <source>Your email address (optional)</source>
        <translation>E-postadressen din (valgfritt)</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fremdrift</translation>
    </message>
    <message>
        <source>Free space on this drive: %1</source>
        <translation>Ledig plass på denne stasjonen: %1</translation>
    </message>
    <message>
        <source>The proxy connection works.</source>
        <translation>Proxytilkoblingen fungerer.</translation>
    </message>
    <message>
        <source>Privacy statement</source>
        <translation>Personvernerklæring</translation>
    </message>
    <message>
        <source>Install the file manager extension (status icons and context menu)</source>
        <translation>Installer filbehandlerutvidelsen (statusikoner og hurtigmeny)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Select Folders</source>
        <translation>Velg mapper</translation>
    </message>
    <message>
        <source>The file is locked by another application.</source>
        <translation>Filen er låst av et annet program.</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Thank you! Your feedback has been sent.</source>
        <translation>Takk! Tilbakemeldingen din er sendt.</translation>
    </message>
    <message>
        <source>Sync directly with computers on the same network when possible</source>
        <translation>Synkroniser direkte med datamaskiner på samme nettverk når det er mulig</translation>
    </message>
    <message>
        <source>Download rate</source>
        <translation>Nedlastingshastighet</translation>
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
        <translation>Versjon på denne datamaskinen</translation>
    </message>
    <message>
        <source>The file name contains characters that are not allowed: %1</source>
        <translation>Filnavnet inneholder ugyldige tegn: %1</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Neste &gt;</translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>Krever tiltak</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Påkrevd</translation>
    </message>
    <message>
        <source>Your settings and sync tasks are being moved to the new version of Quenmark Zelto Client. Do not turn off the computer.</source>
        <translation>Innstillingene og synkroniseringsoppgavene dine flyttes til den nye versjonen av Quenmark Zelto Client. Ikke slå av datamaskinen.</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Brukerveiledning</translation>
    </message>
    <message>
        <source>Expiration date</source>
        <translation>Utløpsdato</translation>
    </message>
    <message>
        <source>The disk where your sync folder is located is almost full.</source>
        <translation>Disken med synkroniseringsmappen er nesten full.</translation>
    </message>
    <message>
        <source>The server %1 could not be found. Check the address and try again.</source>
        <translation>Finner ikke serveren %1. Kontroller adressen og prøv på nytt.</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>Dette feltet er obligatorisk.</translation>
    </message>
    <message>
        <source>You have read-only access to this shared folder.</source>
        <translation>Du har bare lesetilgang til denne delte mappen.</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Kopier kobling</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Tilbake</translation>
    </message>
    <message>
        <source>View Previous Versions</source>
        <translation>Vis tidligere versjoner</translation>
    </message>
    <message>
        <source>Complete the sign-in in your web browser.</source>
        <translation>Fullfør påloggingen i nettleseren.</translation>
    </message>
    <message>
        <source>Directory user</source>
        <translation>Katalogbruker</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informasjon</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Sammenlign</translation>
    </message>
    <message>
        <source>Always Keep on This Device</source>
        <translation>Behold alltid på denne enheten</translation>
    </message>
    <message>
        <source>You do not have write permission for the destination shared folder.</source>
        <translation>Du har ikke skrivetillatelse til den delte målmappen.</translation>
    </message>
    <message>
        <source>Open Quenmark Zelto Client</source>
        <translation>Åpne Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Lyst</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>Varsel</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Last ned</translation>
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
        <translation>&amp;Nei</translation>
    </message>
    <message>
        <source>The folder is already used by another sync task.</source>
        <translation>Mappen brukes allerede av en annen synkroniseringsoppgave.</translation>
    </message>
    <message>
        <source>This link has expired.</source>
        <translation>Koblingen er utløpt.</translation>
    </message>
    <message>
        <source>Installing [ProductName]</source>
        <translation>Installerer [ProductName]</translation>
    </message>
    <message>
        <source>Rename the server file</source>
        <translation>Gi serverfilen nytt navn</translation>
    </message>
    <message>
        <source>Your files are now being synced. You can follow the progress from the icon in the notification area.</source>
        <translation>Filene dine synkroniseres nå. Du kan følge fremdriften via ikonet i varslingsområdet.</translation>
    </message>
    <message>
        <source>&amp;Disk Usage</source>
        <translation>&amp;Diskbruk</translation>
    </message>
    <message>
        <source>Syncing</source>
        <translation>Synkroniserer</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client is running. Quit it and click Retry, or click Cancel to stop the setup.</source>
        <translation>Quenmark Zelto Client kjører. Avslutt programmet og klikk Prøv på nytt, eller klikk Avbryt for å stoppe installasjonen.</translation>
    </message>
    <message>
        <source>Share with users on the server</source>
        <translation>Del med brukere på serveren</translation>
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
        <translation>Ser etter endrede filer...</translation>
    </message>
    <message>
        <source>Copy folders on this computer to the server on a schedule. Files deleted on this computer are kept on the server.</source>
        <translation>Kopierer mapper på denne datamaskinen til serveren etter en tidsplan. Filer som slettes på datamaskinen, beholdes på serveren.</translation>
    </message>
    <message>
        <source>Some settings could not be moved. Please check your sync tasks.</source>
        <translation>Noen innstillinger kunne ikke flyttes. Kontroller synkroniseringsoppgavene dine.</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Synkroniser nå</translation>
    </message>
    <message>
        <source>On-demand</source>
        <translation>Ved behov</translation>
    </message>
    <message>
        <source>Saved accounts</source>
        <translation>Lagrede kontoer</translation>
    </message>
    <message>
        <source>Restore...</source>
        <translation>Gjenopprett...</translation>
    </message>
    <message>
        <source>Attach diagnostic logs</source>
        <translation>Legg ved diagnoselogger</translation>
    </message>
    <message>
        <source>%1 results</source>
        <translation>%1 resultater</translation>
    </message>
    <message>
        <source>Open Sync Folder</source>
        <translation>Åpne synkroniseringsmappen</translation>
    </message>
    <message>
        <source>%1 could not be updated. The installed version will be started.</source>
        <translation>%1 kunne ikke oppdateres. Den installerte versjonen startes.</translation>
    </message>
    <message>
        <source>%1 was not synced because it is larger than the maximum file size.</source>
        <translation>%1 ble ikke synkronisert fordi den er større enn maksimal filstørrelse.</translation>
    </message>
    <message>
        <source>View on Web Portal</source>
        <translation>Vis i nettportalen</translation>
    </message>
    <message>
        <source>Open the local folder</source>
        <translation>Åpne den lokale mappen</translation>
    </message>
    <message>
        <source>Permission</source>
        <translation>Tillatelse</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Slettet</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard removes [ProductName].</source>
        <translation>Vent mens installasjonsveiviseren fjerner [ProductName].</translation>
    </message>
    <message>
        <source>Moving Your Data</source>
        <translation>Dataene dine flyttes</translation>
    </message>
    <message>
        <source>Ask when more than %1 files are deleted at once</source>
        <translation>Spør når mer enn %1 filer slettes samtidig</translation>
    </message>
    <message>
        <source>Uploaded</source>
        <translation>Lastet opp</translation>
    </message>
    <message>
        <source>Server name</source>
        <translation>Servernavn</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Skriv &amp;ut</translation>
    </message>
    <message>
        <source>Signed in as %1</source>
        <translation>Pålogget som %1</translation>
    </message>
    <message>
        <source>The recycle bin is not enabled for this shared folder. Deleted files cannot be restored.</source>
        <translation>Papirkurven er ikke aktivert for denne delte mappen. Slettede filer kan ikke gjenopprettes.</translation>
    </message>
    <message>
        <source>Uploading %1</source>
        <translation>Laster opp %1</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of [ProductName]. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Klikk Reparer for å reparere installasjonen av [ProductName]. Klikk Tilbake for å se gjennom eller endre installasjonsinnstillingene. Klikk Avbryt for å avslutte veiviseren.</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Kjører</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Akkurat nå</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Alltid øverst</translation>
    </message>
    <message>
        <source>Verification code</source>
        <translation>Bekreftelseskode</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>I går</translation>
    </message>
    <message>
        <source>Use the default folder (%1)</source>
        <translation>Bruk standardmappen (%1)</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>Slipp filer her</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Fredag</translation>
    </message>
    <message>
        <source>Username field</source>
        <translation>Felt for brukernavn</translation>
    </message>
    <message>
        <source>Encrypt data during transfer</source>
        <translation>Krypter data under overføringen</translation>
    </message>
    <message>
        <source>%1 files were changed.</source>
        <translation>%1 filer ble endret.</translation>
    </message>
    <message>
        <source>Sign In...</source>
        <translation>Logg på...</translation>
    </message>
    <message>
        <source>You do not have permission to perform this operation.</source>
        <translation>Du har ikke tillatelse til å utføre denne handlingen.</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Innstillingssider</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Bruk proxyinnstillingene til systemet</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Venter</translation>
    </message>
    <message>
        <source>The folder is read-only. Files cannot be written to it.</source>
        <translation>Mappen er skrivebeskyttet. Det kan ikke skrives filer til den.</translation>
    </message>
    <message>
        <source>Next backup: %1</source>
        <translation>Neste sikkerhetskopiering: %1</translation>
    </message>
    <message>
        <source>The disk space required for the installation of the selected features.</source>
        <translation>Diskplassen som kreves for å installere de valgte funksjonene.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <translation>Midlertidige filer</translation>
    </message>
    <message>
        <source>Issued to</source>
        <translation>Utstedt til</translation>
    </message>
    <message>
        <source>More actions</source>
        <translation>Flere handlinger</translation>
    </message>
    <message>
        <source>Download This Version</source>
        <translation>Last ned denne versjonen</translation>
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
        <translation>Varsle meg når en sikkerhetskopiering er ferdig</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Mandag</translation>
    </message>
    <message>
        <source>Unable to delete %1.</source>
        <translation>Kan ikke slette %1.</translation>
    </message>
    <message>
        <source>Open the sync folder</source>
        <translation>Åpne synkroniseringsmappen</translation>
    </message>
    <message>
        <source>Create a shortcut on the &amp;desktop</source>
        <translation>Opprett en snarvei på &amp;skrivebordet</translation>
    </message>
    <message>
        <source>Unable to save the settings.</source>
        <translation>Kan ikke lagre innstillingene.</translation>
    </message>
    <message>
        <source>Email the report after each backup</source>
        <translation>Send rapporten på e-post etter hver sikkerhetskopiering</translation>
    </message>
    <message>
        <source>Cache location</source>
        <translation>Plassering for hurtigbuffer</translation>
    </message>
    <message>
        <source>Include folder %1</source>
        <translation>Ta med mappen %1</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Skriftstørrelse</translation>
    </message>
    <message>
        <source>Unable to create %1.</source>
        <translation>Kan ikke opprette %1.</translation>
    </message>
    <message>
        <source>Scanning local files...</source>
        <translation>Skanner lokale filer...</translation>
    </message>
    <message>
        <source>Back up on a schedule</source>
        <translation>Sikkerhetskopier etter en tidsplan</translation>
    </message>
    <message>
        <source>&amp;Keep my settings and sync tasks</source>
        <translation>&amp;Behold innstillingene og synkroniseringsoppgavene mine</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Gjenopprett standardverdier</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Varsler</translation>
    </message>
    <message>
        <source>Cache size</source>
        <translation>Størrelse på hurtigbuffer</translation>
    </message>
    <message>
        <source>Never expires</source>
        <translation>Utløper aldri</translation>
    </message>
    <message>
        <source>Select a server from the list or enter its address.</source>
        <translation>Velg en server i listen eller skriv inn adressen.</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Ons</translation>
    </message>
    <message>
        <source>%1 was deleted.</source>
        <translation>%1 ble slettet.</translation>
    </message>
    <message>
        <source>The server is offline.</source>
        <translation>Serveren er frakoblet.</translation>
    </message>
    <message>
        <source>Open Recycle Bin</source>
        <translation>Åpne papirkurven</translation>
    </message>
    <message>
        <source>Exclude from Sync</source>
        <translation>Utelat fra synkronisering</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Version on the server</source>
        <translation>Versjon på serveren</translation>
    </message>
    <message>
        <source>Calculating time remaining...</source>
        <translation>Beregner gjenstående tid...</translation>
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
        <translation>Bekreft</translation>
    </message>
    <message>
        <source>Rename the local file</source>
        <translation>Gi den lokale filen nytt navn</translation>
    </message>
    <message>
        <source>Show Previous Versions</source>
        <translation>Vis tidligere versjoner</translation>
    </message>
    <message>
        <source>Notify me when a sync finishes</source>
        <translation>Varsle meg når en synkronisering er ferdig</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Eksporter...</translation>
    </message>
    <message>
        <source>Current status</source>
        <translation>Gjeldende status</translation>
    </message>
    <message>
        <source>Stop Backup</source>
        <translation>Stopp sikkerhetskopieringen</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation>Filer i bruk</translation>
    </message>
    <message>
        <source>Do not sync temporary files</source>
        <translation>Ikke synkroniser midlertidige filer</translation>
    </message>
    <message>
        <source>Unable to unpack the installation package.</source>
        <translation>Kan ikke pakke ut installasjonspakken.</translation>
    </message>
    <message>
        <source>The backup could not start because the server is offline.</source>
        <translation>Sikkerhetskopieringen kunne ikke starte fordi serveren er frakoblet.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>Enter a valid IP address.</source>
        <translation>Skriv inn en gyldig IP-adresse.</translation>
    </message>
    <message>
        <source>IP address, domain name or relay ID</source>
        <translation>IP-adresse, domenenavn eller relé-ID</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Søndag</translation>
    </message>
    <message>
        <source>You do not have permission to use this service. Contact your system administrator.</source>
        <translation>Du har ikke tillatelse til å bruke denne tjenesten. Kontakt systemadministratoren.</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Fjern</translation>
    </message>
    <message>
        <source>The backup is intact.</source>
        <translation>Sikkerhetskopien er intakt.</translation>
    </message>
    <message>
        <source>Select at least one day.</source>
        <translation>Velg minst én dag.</translation>
    </message>
    <message>
        <source>%1 files were deleted from the sync folder. Do you also want to delete them from the server?</source>
        <translation>%1 filer ble slettet fra synkroniseringsmappen. Vil du også slette dem fra serveren?</translation>
    </message>
    <message>
        <source>Certificate Warning</source>
        <translation>Sertifikatadvarsel</translation>
    </message>
    <message>
        <source>Remember my password</source>
        <translation>Husk passordet mitt</translation>
    </message>
    <message>
        <source>Weekly schedule grid</source>
        <translation>Rutenett for ukeplan</translation>
    </message>
    <message>
        <source>Enter a number between %1 and %2.</source>
        <translation>Skriv inn et tall mellom %1 og %2.</translation>
    </message>
    <message>
        <source>The username or password you entered is incorrect.</source>
        <translation>Brukernavnet eller passordet er feil.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Vis vindu</translation>
    </message>
    <message>
        <source>Backing up %1 of %2 files</source>
        <translation>Sikkerhetskopierer %1 av %2 filer</translation>
    </message>
    <message>
        <source>Keep only the latest versions</source>
        <translation>Behold bare de nyeste versjonene</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <translation>Det er ikke nok ledig plass på den lokale disken.</translation>
    </message>
    <message>
        <source>The file was changed both on this computer and on the server since the last sync.</source>
        <translation>Filen er endret både på denne datamaskinen og på serveren siden forrige synkronisering.</translation>
    </message>
    <message>
        <source>Everything is up to date</source>
        <translation>Alt er oppdatert</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>Scan complete</source>
        <translation>Skanningen er fullført</translation>
    </message>
    <message>
        <source>Welcome to the [ProductName] Setup Wizard</source>
        <translation>Velkommen til installasjonsveiviseren for [ProductName]</translation>
    </message>
    <message>
        <source>Choose how to sync</source>
        <translation>Velg hvordan du vil synkronisere</translation>
    </message>
    <message>
        <source>Use * to match any characters and ? to match one character.</source>
        <translation>Bruk * for vilkårlige tegn og ? for ett enkelt tegn.</translation>
    </message>
    <message>
        <source>Ready to remove [ProductName]</source>
        <translation>Klar til å fjerne [ProductName]</translation>
    </message>
    <message>
        <source>Last run time</source>
        <translation>Siste kjøring</translation>
    </message>
    <message>
        <source>Backup finished with errors</source>
        <translation>Sikkerhetskopieringen ble fullført med feil</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <translation>Velg en mappe på denne datamaskinen</translation>
    </message>
    <message>
        <source>File name pattern</source>
        <translation>Filnavnmønster</translation>
    </message>
    <message>
        <source>%1 servers found on your local network.</source>
        <translation>Fant %1 servere på det lokale nettverket.</translation>
    </message>
    <message>
        <source>Restart Later</source>
        <translation>Start på nytt senere</translation>
    </message>
    <message>
        <source>Last sync</source>
        <translation>Siste synkronisering</translation>
    </message>
    <message>
        <source>Stop Sharing</source>
        <translation>Slutt å dele</translation>
    </message>
    <message>
        <source>Unable to connect to the server. Check your network connection and the server address.</source>
        <translation>Kan ikke koble til serveren. Kontroller nettverkstilkoblingen og serveradressen.</translation>
    </message>
</context>
</TS>
