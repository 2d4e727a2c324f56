<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>The quota of destination shared folder has reached the system limit. Please change the quota limit on the server or contact the system administrator.</source>
        <translation>Het quotum van de gedeelde doelmap heeft de systeemlimiet bereikt. Wijzig de quotumlimiet op de server of neem contact op met de systeembeheerder.</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Gewijzigd</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>Wachtwoord vergeten?</translation>
    </message>
    <message>
        <source>Field cannot exceed %1 numbers.</source>
        <translation>Het veld mag niet meer dan %1 cijfers bevatten.</translation>
    </message>
    <message>
        <source>Show or hide the password</source>
        <translation>Wachtwoord weergeven of verbergen</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Negeren</translation>
    </message>
    <message>
        <source>Verifying files...</source>
        <translation>Bestanden controleren...</translation>
    </message>
    <message>
        <source>Dismiss notification</source>
        <translation>Melding sluiten</translation>
    </message>
    <message>
        <source>Take Snapshot</source>
        <translation>Momentopname maken</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Upload queue</source>
        <translation>Uploadwachtrij</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Sync Task</source>
        <translation>Synchronisatietaak</translation>
    </message>
    <message>
        <source>Starting services</source>
        <translation>Services starten</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation>Toch doorgaan</translation>
    </message>
    <message>
        <source>%1 was not synced because it matches a filter rule.</source>
        <translation>%1 is niet gesynchroniseerd omdat het overeenkomt met een filterregel.</translation>
    </message>
    <message>
        <source>Resume All</source>
        <translation>Alles hervatten</translation>
    </message>
    <message>
        <source>Local network only</source>
        <translation>Alleen lokaal netwerk</translation>
    </message>
    <message>
        <source>A relay connection can be slower than a direct connection.</source>
        <translation>Een relayverbinding kan trager zijn dan een directe verbinding.</translation>
    </message>
    <message>
        <source>Encryption key</source>
        <translation>Versleutelingssleutel</translation>
    </message>
    <message>
        <source>Back up only when I start it manually</source>
        <translation>Alleen back-uppen als ik de back-up handmatig start</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Server: %1</source>
        <translation>Server: %1</translation>
    </message>
    <message>
        <source>Can view</source>
        <translation>Kan bekijken</translation>
    </message>
    <message>
        <source>[ProductName] setup was interrupted. Your system has not been modified. To install this program at a later time, please run the installation again.</source>
        <translation>De installatie van [ProductName] is onderbroken. Uw systeem is niet gewijzigd. Voer de installatie opnieuw uit om dit programma later te installeren.</translation>
    </message>
    <message>
        <source>Connect to a server</source>
        <translation>Verbinding maken met een server</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>Proxy server requires a password</source>
        <translation>Proxyserver vereist een wachtwoord</translation>
    </message>
    <message>
        <source>Field cannot exceed %1 characters.</source>
        <translation>Het veld mag niet meer dan %1 tekens bevatten.</translation>
    </message>
    <message>
        <source>I &amp;accept the terms in the License Agreement</source>
        <translation>Ik &amp;ga akkoord met de voorwaarden van de licentieovereenkomst</translation>
    </message>
    <message>
        <source>Only the checked folders are synced to this computer.</source>
        <translation>Alleen de aangevinkte mappen worden met deze computer gesynchroniseerd.</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>De back-up is mislukt.</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation>Bezig met upgraden...</translation>
    </message>
    <message>
        <source>Pause syncing on metered connections</source>
        <translation>Synchronisatie pauzeren bij verbindingen met een datalimiet</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Aan de slag</translation>
    </message>
    <message>
        <source>Restore this version? The current version will be saved as a previous version.</source>
        <translation>Deze versie herstellen? De huidige versie wordt opgeslagen als vorige versie.</translation>
    </message>
    <message>
        <source>Updating %1...</source>
        <translation>%1 wordt bijgewerkt...</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Folders on a network drive cannot be synced.</source>
        <translation>Mappen op een netwerkstation kunnen niet worden gesynchroniseerd.</translation>
    </message>
    <message>
        <source>Restore Down</source>
        <translation>Vorige grootte</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Lijstweergave</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Servers zoeken op het lokale netwerk</translation>
    </message>
    <message>
        <source>There are no previous versions of this file.</source>
        <translation>Er zijn geen vorige versies van dit bestand.</translation>
    </message>
    <message>
        <source>Backup cancelled</source>
        <translation>Back-up geannuleerd</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>Niet meer weergeven</translation>
    </message>
    <message>
        <source>Enter the encryption key to open this shared folder.</source>
        <translation>Voer de versleutelingssleutel in om deze gedeelde map te openen.</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thema</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Bestandsnamen</translation>
    </message>
    <message>
        <source>Do not sync files larger than</source>
        <translation>Geen bestanden synchroniseren groter dan</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schrijven</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Bestand openen</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Verschil</translation>
    </message>
    <message>
        <source>Restore Files</source>
        <translation>Bestanden herstellen</translation>
    </message>
    <message>
        <source>Files deleted on this computer are moved to the recycle bin of the shared folder on the server.</source>
        <translation>Bestanden die op deze computer worden verwijderd, worden verplaatst naar de prullenbak van de gedeelde map op de server.</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>&amp;Installeren</translation>
    </message>
    <message>
        <source>%1 files were skipped because they were in use.</source>
        <translation>%1 bestanden zijn overgeslagen omdat ze in gebruik waren.</translation>
    </message>
    <message>
        <source>The drive uses the FAT file system, which does not support files larger than 4 GB. Files over this size will not be synced.</source>
        <translation>Het station gebruikt het bestandssysteem FAT, dat geen bestanden groter dan 4 GB ondersteunt. Grotere bestanden worden niet gesynchroniseerd.</translation>
    </message>
    <message>
        <source>%1 files were deleted on the server.</source>
        <translation>%1 bestanden zijn op de server verwijderd.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privacy</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Connected through the relay service</source>
        <translation>Verbonden via de relayservice</translation>
    </message>
    <message>
        <source>Connecting through the relay service...</source>
        <translation>Verbinding maken via de relayservice...</translation>
    </message>
    <message>
        <source>Install [ProductName] to:</source>
        <translation>[ProductName] installeren in:</translation>
    </message>
    <message>
        <source>Email Notifications</source>
        <translation>E-mailmeldingen</translation>
    </message>
    <message>
        <source>Battery is low. Syncing has been paused.</source>
        <translation>De accu is bijna leeg. De synchronisatie is gepauzeerd.</translation>
    </message>
    <message>
        <source>Client ID</source>
        <translation>Client-ID</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A task with this name already exists.</source>
        <translation>Er bestaat al een taak met deze naam.</translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely</source>
        <translation>De wizard Setup van [ProductName] is voortijdig beëindigd</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Deze computer</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Mislukt</translation>
    </message>
    <message>
        <source>Connection status</source>
        <translation>Verbindingsstatus</translation>
    </message>
    <message>
        <source>The sync service could not be started.</source>
        <translation>De synchronisatieservice kan niet worden gestart.</translation>
    </message>
    <message>
        <source>Rolling back action:</source>
        <translation>Actie terugdraaien:</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Verbinding maken met %1...</translation>
    </message>
    <message>
        <source>Domain user</source>
        <translation>Domeingebruiker</translation>
    </message>
    <message>
        <source>Hide Details</source>
        <translation>Details verbergen</translation>
    </message>
    <message>
        <source>About Quenmark Zelto Client</source>
        <translation>Over Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Bijgewerkt</translation>
    </message>
    <message>
        <source>Notify me about conflicts</source>
        <translation>Melden bij conflicten</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client</source>
        <translation>Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Remove saved account</source>
        <translation>Opgeslagen account verwijderen</translation>
    </message>
    <message>
        <source>Restore to</source>
        <translation>Herstellen naar</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>Bij&amp;werken</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Computernaam</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>The path of the folder is too long.</source>
        <translation>Het pad van de map is te lang.</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Later herinneren</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>TB</translation>
    </message>
    <message>
        <source>This account has expired. Contact your system administrator.</source>
        <translation>Dit account is verlopen. Neem contact op met uw systeembeheerder.</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Versleuteling</translation>
    </message>
    <message>
        <source>Clear Cache</source>
        <translation>Cache wissen</translation>
    </message>
    <message>
        <source>Release Notes</source>
        <translation>Releaseopmerkingen</translation>
    </message>
    <message>
        <source>The installation failed. Please reinstall Quenmark Zelto Client.</source>
        <translation>De installatie is mislukt. Installeer Quenmark Zelto Client opnieuw.</translation>
    </message>
    <message>
        <source>No access</source>
        <translation>Geen toegang</translation>
    </message>
    <message>
        <source>Local path</source>
        <translation>Lokaal pad</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Save Report...</source>
        <translation>Rapport opslaan...</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Connect with HTTPS (recommended)</source>
        <translation>Verbinden via HTTPS (aanbevolen)</translation>
    </message>
    <message>
        <source>Unable to install the update.</source>
        <translation>Kan de update niet installeren.</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Gebruikersnaam</translation>
    </message>
    <message>
        <source>The Setup Wizard will update the installed [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>De wizard Setup werkt de geïnstalleerde versie van [ProductName] op uw computer bij. Klik op Volgende om door te gaan of op Annuleren om de wizard af te sluiten.</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>Conflict</translation>
    </message>
    <message>
        <source>Folder on server</source>
        <translation>Map op server</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alles</translation>
    </message>
    <message>
        <source>Search file names</source>
        <translation>Bestandsnamen zoeken</translation>
    </message>
    <message>
        <source>Restart File Manager</source>
        <translation>Bestandsbeheer opnieuw starten</translation>
    </message>
    <message>
        <source>Verify Backup</source>
        <translation>Back-up controleren</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nieuwe naam</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Geavanceerd</translation>
    </message>
    <message>
        <source>Download speed</source>
        <translation>Downloadsnelheid</translation>
    </message>
    <message>
        <source>Issued by</source>
        <translation>Uitgegeven door</translation>
    </message>
    <message>
        <source>Click Remove to remove [ProductName] from your computer. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Klik op Verwijderen om [ProductName] van uw computer te verwijderen. Klik op Vorige om uw installatie-instellingen te controleren of te wijzigen. Klik op Annuleren om de wizard af te sluiten.</translation>
    </message>
    <message>
        <source>Show all server files on this computer and download them only when you open them, saving local disk space.</source>
        <translation>Toont alle serverbestanden op deze computer en downloadt ze pas wanneer u ze opent. Zo bespaart u lokale schijfruimte.</translation>
    </message>
    <message>
        <source>Destination folder on server</source>
        <translation>Doelmap op server</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>There is not enough free space on the server.</source>
        <translation>Er is onvoldoende vrije ruimte op de server.</translation>
    </message>
    <message>
        <source>You need administrator privileges to install [ProductName]. Sign in as an administrator and run the setup again.</source>
        <translation>U hebt beheerdersrechten nodig om [ProductName] te installeren. Meld u aan als beheerder en voer Setup opnieuw uit.</translation>
    </message>
    <message>
        <source>A test email has been sent.</source>
        <translation>Er is een test-e-mail verzonden.</translation>
    </message>
    <message>
        <source>Enter a name for the task.</source>
        <translation>Voer een naam voor de taak in.</translation>
    </message>
    <message>
        <source>Syncing %1 of %2 files</source>
        <translation>%1 van %2 bestanden worden gesynchroniseerd</translation>
    </message>
    <message>
        <source>Add Rule</source>
        <translation>Regel toevoegen</translation>
    </message>
    <message>
        <source>Password field</source>
        <translation>Veld voor wachtwoord</translation>
    </message>
    <message>
        <source>File Conflict</source>
        <translation>Bestandsconflict</translation>
    </message>
    <message>
        <source>Moving your settings to the new version...</source>
        <translation>Uw instellingen worden naar de nieuwe versie overgezet...</translation>
    </message>
    <message>
        <source>Folders on a removable drive cannot be synced.</source>
        <translation>Mappen op een verwisselbaar station kunnen niet worden gesynchroniseerd.</translation>
    </message>
    <message>
        <source>Backup Task</source>
        <translation>Back-uptaak</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Logboekmap openen</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Geannuleerd</translation>
    </message>
    <message>
        <source>Compress data during transfer</source>
        <translation>Gegevens comprimeren tijdens overdracht</translation>
    </message>
    <message>
        <source>Backups run automatically at the times you choose. A running backup is not interrupted when its time slot ends.</source>
        <translation>Back-ups worden automatisch uitgevoerd op de tijden die u kiest. Een lopende back-up wordt niet onderbroken als het tijdvak afloopt.</translation>
    </message>
    <message>
        <source>Export Settings...</source>
        <translation>Instellingen exporteren...</translation>
    </message>
    <message>
        <source>A conflict was found in %1. Both versions have been kept.</source>
        <translation>Er is een conflict gevonden in %1. Beide versies zijn bewaard.</translation>
    </message>
    <message>
        <source>Start Quenmark Zelto Client when I sign in</source>
        <translation>Quenmark Zelto Client starten wanneer ik me aanmeld</translation>
    </message>
    <message>
        <source>Copying new files</source>
        <translation>Nieuwe bestanden kopiëren</translation>
    </message>
    <message>
        <source>Contact your system administrator.</source>
        <translation>Neem contact op met uw systeembeheerder.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Create Sharing Link</source>
        <translation>Deelkoppeling maken</translation>
    </message>
    <message>
        <source>The sync service stopped unexpectedly.</source>
        <translation>De synchronisatieservice is onverwacht gestopt.</translation>
    </message>
    <message>
        <source>The background service is running.</source>
        <translation>De achtergrondservice is actief.</translation>
    </message>
    <message>
        <source>Folders you uncheck will be removed from this computer but stay on the server.</source>
        <translation>Mappen die u uitvinkt, worden van deze computer verwijderd maar blijven op de server staan.</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Locatie</translation>
    </message>
    <message>
        <source>Always trust this certificate</source>
        <translation>Dit certificaat altijd vertrouwen</translation>
    </message>
    <message>
        <source>Files are synced into this folder. You can pick an empty folder or a folder that already holds files.</source>
        <translation>Bestanden worden in deze map gesynchroniseerd. U kunt een lege map kiezen of een map die al bestanden bevat.</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nooit</translation>
    </message>
    <message>
        <source>The task has been removed.</source>
        <translation>De taak is verwijderd.</translation>
    </message>
    <message>
        <source>Local folder path field</source>
        <translation>Veld voor pad van lokale map</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client %1 is available. You have version %2.</source>
        <translation>Quenmark Zelto Client %1 is beschikbaar. U hebt versie %2.</translation>
    </message>
    <message>
        <source>Original location</source>
        <translation>Oorspronkelijke locatie</translation>
    </message>
    <message>
        <source>Space needed: %1</source>
        <translation>Benodigde ruimte: %1</translation>
    </message>
    <message>
        <source>Every hour</source>
        <translation>Elk uur</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Modified by</source>
        <translation>Gewijzigd door</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>bytes</translation>
    </message>
    <message>
        <source>%1 was added.</source>
        <translation>%1 is toegevoegd.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>Drag files here to upload them.</source>
        <translation>Sleep bestanden hierheen om ze te uploaden.</translation>
    </message>
    <message>
        <source>Smart retention</source>
        <translation>Slimme bewaring</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Begintijd</translation>
    </message>
    <message>
        <source>Your password has expired. Change it on the server, then sign in again.</source>
        <translation>Uw wachtwoord is verlopen. Wijzig het op de server en meld u opnieuw aan.</translation>
    </message>
    <message>
        <source>The proxy server requires authentication.</source>
        <translation>De proxyserver vereist verificatie.</translation>
    </message>
    <message>
        <source>Prefer IPv6</source>
        <translation>IPv6 gebruiken indien beschikbaar</translation>
    </message>
    <message>
        <source>Select Folders...</source>
        <translation>Mappen selecteren...</translation>
    </message>
    <message>
        <source>The logs have been saved to %1.</source>
        <translation>De logboeken zijn opgeslagen in %1.</translation>
    </message>
    <message>
        <source>Connected through the local network</source>
        <translation>Verbonden via het lokale netwerk</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Vernieuwen</translation>
    </message>
    <message>
        <source>A new version of Quenmark Zelto Client is available.</source>
        <translation>Er is een nieuwe versie van Quenmark Zelto Client beschikbaar.</translation>
    </message>
    <message>
        <source>No recent changes</source>
        <translation>Geen recente wijzigingen</translation>
    </message>
    <message>
        <source>Syncing is paused</source>
        <translation>De synchronisatie is gepauzeerd</translation>
    </message>
    <message>
        <source>Keep Files</source>
        <translation>Bestanden behouden</translation>
    </message>
    <message>
        <source>Manage Tasks</source>
        <translation>Taken beheren</translation>
    </message>
    <message>
        <source>Free Up Space</source>
        <translation>Ruimte vrijmaken</translation>
    </message>
    <message>
        <source>Desktop shortcut</source>
        <translation>Snelkoppeling op bureaublad</translation>
    </message>
    <message>
        <source>[ProductName] cannot be installed on this version of the operating system.</source>
        <translation>[ProductName] kan niet worden geïnstalleerd op deze versie van het besturingssysteem.</translation>
    </message>
    <message>
        <source>No entries match your search.</source>
        <translation>Geen items komen overeen met uw zoekopdracht.</translation>
    </message>
    <message>
        <source>Show tips at startup</source>
        <translation>Tips weergeven bij het opstarten</translation>
    </message>
    <message>
        <source>Last backup failed %1</source>
        <translation>Laatste back-up mislukt: %1</translation>
    </message>
    <message>
        <source>You must restart your system for the configuration changes made to [ProductName] to take effect. Click Yes to restart now or No if you plan to restart later.</source>
        <translation>U moet uw systeem opnieuw opstarten om de configuratiewijzigingen voor [ProductName] van kracht te laten worden. Klik op Ja om nu opnieuw op te starten of op Nee als u dit later wilt doen.</translation>
    </message>
    <message>
        <source>&amp;Close the applications and attempt to restart them.</source>
        <translation>De toepassingen &amp;sluiten en proberen ze opnieuw te starten.</translation>
    </message>
    <message>
        <source>An unknown error occurred. Please try again later.</source>
        <translation>Er is een onbekende fout opgetreden. Probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>Tell us what went wrong or what you would like to see improved.</source>
        <translation>Vertel ons wat er misging of wat u verbeterd wilt zien.</translation>
    </message>
    <message>
        <source>Default port</source>
        <translation>Standaardpoort</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>Nieuwe map maken</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>Deze map is leeg.</translation>
    </message>
    <message>
        <source>Copied to the clipboard</source>
        <translation>Gekopieerd naar het klembord</translation>
    </message>
    <message>
        <source>Change, repair, or remove installation</source>
        <translation>Installatie wijzigen, herstellen of verwijderen</translation>
    </message>
    <message>
        <source>Unable to open the local database.</source>
        <translation>Kan de lokale database niet openen.</translation>
    </message>
    <message>
        <source>Back Up This Folder</source>
        <translation>Back-up van deze map maken</translation>
    </message>
    <message>
        <source>Add Account...</source>
        <translation>Account toevoegen...</translation>
    </message>
    <message>
        <source>Do this for all conflicts</source>
        <translation>Dit voor alle conflicten doen</translation>
    </message>
    <message>
        <source>View Issues</source>
        <translation>Problemen weergeven</translation>
    </message>
    <message>
        <source>The highlighted volumes do not have enough disk space available for the currently selected features. You can remove some files from the highlighted volumes, or cancel the installation.</source>
        <translation>De gemarkeerde volumes hebben onvoldoende schijfruimte voor de geselecteerde onderdelen. U kunt bestanden van de gemarkeerde volumes verwijderen of de installatie annuleren.</translation>
    </message>
    <message>
        <source>Fine-tune what is synced. You can change these options later in Settings.</source>
        <translation>Bepaal wat er wordt gesynchroniseerd. U kunt deze opties later wijzigen in Instellingen.</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Apparaten</translation>
    </message>
    <message>
        <source>Do you want to sign out? All sync tasks of this account will stop.</source>
        <translation>Wilt u zich afmelden? Alle synchronisatietaken van dit account worden gestopt.</translation>
    </message>
    <message>
        <source>Notify me when others change shared files</source>
        <translation>Melden wanneer anderen gedeelde bestanden wijzigen</translation>
    </message>
    <message>
        <source>Click Next to install to the default folder or click Change to choose another.</source>
        <translation>Klik op Volgende om in de standaardmap te installeren of op Wijzigen om een andere map te kiezen.</translation>
    </message>
    <message>
        <source>Previous Versions</source>
        <translation>Vorige versies</translation>
    </message>
    <message>
        <source>I lost my authentication device</source>
        <translation>Ik ben mijn verificatieapparaat kwijt</translation>
    </message>
    <message>
        <source>Enter the address of the server you want to sync with.</source>
        <translation>Voer het adres in van de server waarmee u wilt synchroniseren.</translation>
    </message>
    <message>
        <source>Check file consistency after sync</source>
        <translation>Bestandsconsistentie controleren na synchronisatie</translation>
    </message>
    <message>
        <source>The identity of the server has changed. If you did not expect this, someone may be intercepting your connection.</source>
        <translation>De identiteit van de server is gewijzigd. Als u dit niet verwachtte, probeert iemand mogelijk uw verbinding te onderscheppen.</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Geschiedenis wissen</translation>
    </message>
    <message>
        <source>Quit Quenmark Zelto Client</source>
        <translation>Quenmark Zelto Client afsluiten</translation>
    </message>
    <message>
        <source>Server folder path field</source>
        <translation>Veld voor pad van servermap</translation>
    </message>
    <message>
        <source>Remove Folder</source>
        <translation>Map verwijderen</translation>
    </message>
    <message>
        <source>Opened %1 times</source>
        <translation>%1 keer geopend</translation>
    </message>
    <message>
        <source>%1 files backed up, %2 skipped</source>
        <translation>%1 bestanden geback-upt, %2 overgeslagen</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Bezig met back-up...</translation>
    </message>
    <message>
        <source>Do you want to disconnect this computer from %1?</source>
        <translation>Wilt u de verbinding van deze computer met %1 verbreken?</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Weergeven</translation>
    </message>
    <message>
        <source>Show the sync folder in the file manager sidebar</source>
        <translation>De synchronisatiemap weergeven in de zijbalk van het bestandsbeheer</translation>
    </message>
    <message>
        <source>Run Diagnostics</source>
        <translation>Diagnose uitvoeren</translation>
    </message>
    <message>
        <source>Notify me about errors</source>
        <translation>Melden bij fouten</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>&amp;Wijzigen...</translation>
    </message>
    <message>
        <source>Separate extensions with commas, for example tmp, bak</source>
        <translation>Scheid extensies met komma's, bijvoorbeeld tmp, bak</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Inactief</translation>
    </message>
    <message>
        <source>Scanning files on the server...</source>
        <translation>Bestanden op de server scannen...</translation>
    </message>
    <message>
        <source>Keep history for %1 days</source>
        <translation>Geschiedenis %1 dagen bewaren</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lezen</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>De bewerking is mislukt.</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Bladeren...</translation>
    </message>
    <message>
        <source>Restart Now</source>
        <translation>Nu opnieuw starten</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Unable to connect through the proxy server.</source>
        <translation>Kan geen verbinding maken via de proxyserver.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>%1 wordt gedownload</translation>
    </message>
    <message>
        <source>Delete Files</source>
        <translation>Bestanden verwijderen</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Zo</translation>
    </message>
    <message>
        <source>Access from your IP address has been denied by the server. Contact the system administrator.</source>
        <translation>De server heeft toegang vanaf uw IP-adres geweigerd. Neem contact op met de systeembeheerder.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>Import Settings...</source>
        <translation>Instellingen importeren...</translation>
    </message>
    <message>
        <source>There is not enough memory to complete the operation.</source>
        <translation>Er is onvoldoende geheugen om de bewerking te voltooien.</translation>
    </message>
    <message>
        <source>Unable to load the settings. Default settings will be used.</source>
        <translation>Kan de instellingen niet laden. De standaardinstellingen worden gebruikt.</translation>
    </message>
    <message>
        <source>The server is busy. Please try again later.</source>
        <translation>De server is bezet. Probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Bandbreedte</translation>
    </message>
    <message>
        <source>Low disk space</source>
        <translation>Weinig schijfruimte</translation>
    </message>
    <message>
        <source>Verifying backup...</source>
        <translation>Back-up controleren...</translation>
    </message>
    <message>
        <source>Running diagnostics...</source>
        <translation>Diagnose wordt uitgevoerd...</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Bladeren...</translation>
    </message>
    <message>
        <source>Skip existing files</source>
        <translation>Bestaande bestanden overslaan</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Bestandsnaam</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Files already in it will be merged with the files on the server.</source>
        <translation>De geselecteerde map is niet leeg. De bestanden erin worden samengevoegd met de bestanden op de server.</translation>
    </message>
    <message>
        <source>SOCKS5</source>
        <translation>SOCKS5</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Your IP address has been blocked for %1 minutes.</source>
        <translation>Te veel mislukte aanmeldpogingen. Uw IP-adres is %1 minuten geblokkeerd.</translation>
    </message>
    <message>
        <source>Limit to</source>
        <translation>Beperken tot</translation>
    </message>
    <message>
        <source>Show a pop-up message</source>
        <translation>Een pop-upbericht weergeven</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Niet verbonden</translation>
    </message>
    <message>
        <source>Two-step verification</source>
        <translation>Verificatie in twee stappen</translation>
    </message>
    <message>
        <source>Ready to repair [ProductName]</source>
        <translation>Klaar om [ProductName] te herstellen</translation>
    </message>
    <message>
        <source>The source folder %1 could not be found. Connect the drive or remove the folder from the backup.</source>
        <translation>De bronmap %1 is niet gevonden. Sluit het station aan of verwijder de map uit de back-up.</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Poort</translation>
    </message>
    <message>
        <source>The end time must be later than the start time.</source>
        <translation>De eindtijd moet later zijn dan de begintijd.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Beschikbaar</translation>
    </message>
    <message>
        <source>Enable debug logging</source>
        <translation>Foutopsporingslogboek inschakelen</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics to help improve the product</source>
        <translation>Anonieme gebruiksstatistieken verzenden om het product te helpen verbeteren</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Zoekopdracht wissen</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Wachtwoord weergeven</translation>
    </message>
    <message>
        <source>The link was created.</source>
        <translation>De koppeling is gemaakt.</translation>
    </message>
    <message>
        <source>This server has no shared folder you can access. Ask the administrator for permission.</source>
        <translation>Deze server heeft geen gedeelde map waartoe u toegang hebt. Vraag de beheerder om toestemming.</translation>
    </message>
    <message>
        <source>The background service is not running.</source>
        <translation>De achtergrondservice is niet actief.</translation>
    </message>
    <message>
        <source>Restore files as they were on</source>
        <translation>Bestanden herstellen zoals ze waren op</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Hervatten</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs [ProductName].</source>
        <translation>Even geduld. De wizard Setup installeert [ProductName].</translation>
    </message>
    <message>
        <source>Syncing is paused on a metered connection.</source>
        <translation>De synchronisatie is gepauzeerd op een verbinding met een datalimiet.</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Onbekend</translation>
    </message>
    <message>
        <source>This rule already exists.</source>
        <translation>Deze regel bestaat al.</translation>
    </message>
    <message>
        <source>List of recent file changes</source>
        <translation>Lijst met recente bestandswijzigingen</translation>
    </message>
    <message>
        <source>Team Folders</source>
        <translation>Teammappen</translation>
    </message>
    <message>
        <source>Remove the selected task</source>
        <translation>De geselecteerde taak verwijderen</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>Huidig wachtwoord</translation>
    </message>
    <message>
        <source>Same as the system</source>
        <translation>Zelfde als systeem</translation>
    </message>
    <message>
        <source>Review the settings below, then click Done to start syncing.</source>
        <translation>Controleer de onderstaande instellingen en klik op Gereed om de synchronisatie te starten.</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Diagnose</translation>
    </message>
    <message>
        <source>Unable to read %1.</source>
        <translation>Kan %1 niet lezen.</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>Synchronisatie voltooid</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Start minimized to the notification area</source>
        <translation>Geminimaliseerd starten in het systeemvak</translation>
    </message>
    <message>
        <source>This wizard helps you connect this computer to your server and choose which folders to keep in sync.</source>
        <translation>Met deze wizard verbindt u deze computer met uw server en kiest u welke mappen gesynchroniseerd blijven.</translation>
    </message>
    <message>
        <source>You are using the latest version.</source>
        <translation>U gebruikt de nieuwste versie.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached.</source>
        <translation>Uw opslagquotum op de server is bereikt.</translation>
    </message>
    <message>
        <source>Show Toolbar</source>
        <translation>Werkbalk weergeven</translation>
    </message>
    <message>
        <source>%1 changes are waiting to be synced.</source>
        <translation>%1 wijzigingen wachten op synchronisatie.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauzeren</translation>
    </message>
    <message>
        <source>Do you want to remove Quenmark Zelto Client and all of its components?</source>
        <translation>Wilt u Quenmark Zelto Client en alle onderdelen ervan verwijderen?</translation>
    </message>
    <message>
        <source>I accept the terms of the license agreement</source>
        <translation>Ik ga akkoord met de voorwaarden van de licentieovereenkomst</translation>
    </message>
    <message>
        <source>System folders cannot be synced. Choose another folder.</source>
        <translation>Systeemmappen kunnen niet worden gesynchroniseerd. Kies een andere map.</translation>
    </message>
    <message>
        <source>Launch at startup</source>
        <translation>Starten bij opstarten</translation>
    </message>
    <message>
        <source>Two-step verification is required for this account.</source>
        <translation>Voor dit account is verificatie in twee stappen vereist.</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>Rebuild Database</source>
        <translation>Database opnieuw opbouwen</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Aanmelden</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Zaterdag</translation>
    </message>
    <message>
        <source>The connection to the server timed out.</source>
        <translation>Er is een time-out opgetreden bij de verbinding met de server.</translation>
    </message>
    <message>
        <source>Internet access</source>
        <translation>Internettoegang</translation>
    </message>
    <message>
        <source>Show Quenmark Zelto Client items in the file manager context menu</source>
        <translation>Items van Quenmark Zelto Client in het contextmenu van het bestandsbeheer weergeven</translation>
    </message>
    <message>
        <source>&amp;Repair</source>
        <translation>&amp;Herstellen</translation>
    </message>
    <message>
        <source>Select the files and folders to restore.</source>
        <translation>Selecteer de bestanden en mappen die u wilt herstellen.</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Cache</translation>
    </message>
    <message>
        <source>%1 is a reserved name and cannot be used.</source>
        <translation>%1 is een gereserveerde naam en kan niet worden gebruikt.</translation>
    </message>
    <message>
        <source>%1 was updated.</source>
        <translation>%1 is bijgewerkt.</translation>
    </message>
    <message>
        <source>SMTP server</source>
        <translation>SMTP-server</translation>
    </message>
    <message>
        <source>No file has been synced yet.</source>
        <translation>Er is nog geen bestand gesynchroniseerd.</translation>
    </message>
    <message>
        <source>Open Web Portal</source>
        <translation>Webportaal openen</translation>
    </message>
    <message>
        <source>Background service</source>
        <translation>Achtergrondservice</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Opnieuw proberen</translation>
    </message>
    <message>
        <source>View Certificate</source>
        <translation>Certificaat weergeven</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuten</translation>
    </message>
    <message>
        <source>Not synced</source>
        <translation>Niet gesynchroniseerd</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Online-Help</translation>
    </message>
    <message>
        <source>The server name could not be resolved.</source>
        <translation>De servernaam kan niet worden omgezet.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>The link could not be copied.</source>
        <translation>De koppeling kan niet worden gekopieerd.</translation>
    </message>
    <message>
        <source>Run a missed backup when the computer starts</source>
        <translation>Een gemiste back-up uitvoeren wanneer de computer opstart</translation>
    </message>
    <message>
        <source>Every %1 hours</source>
        <translation>Elke %1 uur</translation>
    </message>
    <message>
        <source>Out of Disk Space</source>
        <translation>Onvoldoende schijfruimte</translation>
    </message>
    <message>
        <source>The link has been copied to the clipboard.</source>
        <translation>De koppeling is naar het klembord gekopieerd.</translation>
    </message>
    <message>
        <source>Open settings</source>
        <translation>Instellingen openen</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel [ProductName] installation?</source>
        <translation>Weet u zeker dat u de installatie van [ProductName] wilt annuleren?</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>Enter a port number between 1 and 65535.</source>
        <translation>Voer een poortnummer tussen 1 en 65535 in.</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filters</translation>
    </message>
    <message>
        <source>Disk Size</source>
        <translation>Schijfgrootte</translation>
    </message>
    <message>
        <source>This version of the file is no longer available.</source>
        <translation>Deze versie van het bestand is niet meer beschikbaar.</translation>
    </message>
    <message>
        <source>Hide Window</source>
        <translation>Venster verbergen</translation>
    </message>
    <message>
        <source>Remove Rule</source>
        <translation>Regel verwijderen</translation>
    </message>
    <message>
        <source>Your session has expired. Please sign in again.</source>
        <translation>Uw sessie is verlopen. Meld u opnieuw aan.</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Domein</translation>
    </message>
    <message>
        <source>Symbolic links are not synced.</source>
        <translation>Symbolische koppelingen worden niet gesynchroniseerd.</translation>
    </message>
    <message>
        <source>Create Backup Task</source>
        <translation>Back-uptaak maken</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Overwrite existing files</source>
        <translation>Bestaande bestanden overschrijven</translation>
    </message>
    <message>
        <source>Unpacking %1...</source>
        <translation>%1 wordt uitgepakt...</translation>
    </message>
    <message>
        <source>Keep the files in a folder on this computer and a folder on the server identical. Changes on either side are applied to the other.</source>
        <translation>Houdt de bestanden in een map op deze computer en een map op de server gelijk. Wijzigingen aan de ene kant worden op de andere kant toegepast.</translation>
    </message>
    <message>
        <source>Select the type of task you want to create. You can add more tasks later.</source>
        <translation>Selecteer het type taak dat u wilt maken. U kunt later meer taken toevoegen.</translation>
    </message>
    <message>
        <source>Rename Task</source>
        <translation>Naam van taak wijzigen</translation>
    </message>
    <message>
        <source>Change Password...</source>
        <translation>Wachtwoord wijzigen...</translation>
    </message>
    <message>
        <source>Syncing is paused to save battery power.</source>
        <translation>De synchronisatie is gepauzeerd om de accu te sparen.</translation>
    </message>
    <message>
        <source>The Setup Wizard will install [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>De wizard Setup installeert [ProductName] op uw computer. Klik op Volgende om door te gaan of op Annuleren om de wizard af te sluiten.</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Machtigingen</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Weergeven in map</translation>
    </message>
    <message>
        <source>Keep file versions</source>
        <translation>Bestandsversies bewaren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>The connection to the server was lost. Syncing will resume when the connection is restored.</source>
        <translation>De verbinding met de server is verbroken. De synchronisatie wordt hervat zodra de verbinding is hersteld.</translation>
    </message>
    <message>
        <source>The shared folder is encrypted and has not been mounted on the server.</source>
        <translation>De gedeelde map is versleuteld en is niet gekoppeld op de server.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client - %1</source>
        <translation>Quenmark Zelto Client - %1</translation>
    </message>
    <message>
        <source>The version of the server is too old. Update the server to version %1 or later.</source>
        <translation>De serverversie is te oud. Werk de server bij naar versie %1 of hoger.</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Map toevoegen...</translation>
    </message>
    <message>
        <source>Restored</source>
        <translation>Hersteld</translation>
    </message>
    <message>
        <source>Reconnecting in %1 seconds...</source>
        <translation>Opnieuw verbinden over %1 seconden...</translation>
    </message>
    <message>
        <source>Unable to connect through the proxy server %1.</source>
        <translation>Kan geen verbinding maken via de proxyserver %1.</translation>
    </message>
    <message>
        <source>Protect with a password</source>
        <translation>Beveiligen met een wachtwoord</translation>
    </message>
    <message>
        <source>Enter a rate between 1 and 1048576 KB/s.</source>
        <translation>Voer een snelheid tussen 1 en 1048576 kB/s in.</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Software-update</translation>
    </message>
    <message>
        <source>Please wait while the installer finishes determining your disk space requirements.</source>
        <translation>Even geduld. Het installatieprogramma bepaalt de benodigde schijfruimte.</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Ma</translation>
    </message>
    <message>
        <source>The rule %1 is not valid.</source>
        <translation>De regel %1 is ongeldig.</translation>
    </message>
    <message>
        <source>Deleted files can be restored from the recycle bin of the shared folder.</source>
        <translation>Verwijderde bestanden kunnen worden hersteld uit de prullenbak van de gedeelde map.</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Onbeperkt</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>%1 is initializing...</source>
        <translation>%1 wordt geïnitialiseerd...</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client main window</source>
        <translation>Hoofdvenster van Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Naam wijzigen</translation>
    </message>
    <message>
        <source>Unable to write %1.</source>
        <translation>Kan %1 niet schrijven.</translation>
    </message>
    <message>
        <source>Log level</source>
        <translation>Logboekniveau</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>days</source>
        <translation>dagen</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Uploaden</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Gast</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>Pause All</source>
        <translation>Alles pauzeren</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Maandelijks</translation>
    </message>
    <message>
        <source>Prevent the computer from sleeping while syncing</source>
        <translation>Voorkomen dat de computer tijdens synchronisatie in de slaapstand gaat</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Geschiedenis</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Serveradres</translation>
    </message>
    <message>
        <source>Browse to the destination folder</source>
        <translation>Blader naar de doelmap</translation>
    </message>
    <message>
        <source>Do you want to clear the history? This does not affect your files.</source>
        <translation>Wilt u de geschiedenis wissen? Dit heeft geen invloed op uw bestanden.</translation>
    </message>
    <message>
        <source>Remove old data</source>
        <translation>Oude gegevens verwijderen</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Aangemeld blijven</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wekelijks</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>In wachtrij</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Nu bijwerken</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donderdag</translation>
    </message>
    <message>
        <source>The selected file does not contain valid settings.</source>
        <translation>Het geselecteerde bestand bevat geen geldige instellingen.</translation>
    </message>
    <message>
        <source>The password is too weak.</source>
        <translation>Het wachtwoord is te zwak.</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Map selecteren</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard repairs [ProductName].</source>
        <translation>Even geduld. De wizard Setup herstelt [ProductName].</translation>
    </message>
    <message>
        <source>For example: tmp, log, iso</source>
        <translation>Bijvoorbeeld: tmp, log, iso</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Afmelden</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Er kan geen beveiligde verbinding met de server tot stand worden gebracht.</translation>
    </message>
    <message>
        <source>Pause the selected task</source>
        <translation>De geselecteerde taak pauzeren</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>Besturingssysteem</translation>
    </message>
    <message>
        <source>Do you want to remove the task %1? The files in the folders will not be deleted.</source>
        <translation>Wilt u de taak %1 verwijderen? De bestanden in de mappen worden niet verwijderd.</translation>
    </message>
    <message>
        <source>[ProductName] Setup</source>
        <translation>Setup van [ProductName]</translation>
    </message>
    <message>
        <source>This account has been disabled. Contact your system administrator.</source>
        <translation>Dit account is uitgeschakeld. Neem contact op met uw systeembeheerder.</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Vandaag</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>E-mailadres</translation>
    </message>
    <message>
        <source>The verification code is incorrect or has expired.</source>
        <translation>De verificatiecode is onjuist of verlopen.</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>Logboeken</translation>
    </message>
    <message>
        <source>List of sync and backup tasks</source>
        <translation>Lijst met synchronisatie- en back-uptaken</translation>
    </message>
    <message>
        <source>Keep up to %1 versions of each file</source>
        <translation>Maximaal %1 versies van elk bestand bewaren</translation>
    </message>
    <message>
        <source>%1 will be synced with %2.</source>
        <translation>%1 wordt gesynchroniseerd met %2.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <source>Syncing %1</source>
        <translation>%1 wordt gesynchroniseerd</translation>
    </message>
    <message>
        <source>Free space</source>
        <translation>Vrije ruimte</translation>
    </message>
    <message>
        <source>Your feedback could not be sent. Please try again later.</source>
        <translation>Uw feedback kan niet worden verzonden. Probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>File manager integration</source>
        <translation>Integratie met bestandsbeheer</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Nieuw wachtwoord</translation>
    </message>
    <message>
        <source>Sign In with SSO</source>
        <translation>Aanmelden met SSO</translation>
    </message>
    <message>
        <source>My Files</source>
        <translation>Mijn bestanden</translation>
    </message>
    <message>
        <source>Sync new folders automatically</source>
        <translation>Nieuwe mappen automatisch synchroniseren</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Controleren op updates</translation>
    </message>
    <message>
        <source>Enter the 6-digit code from your authenticator app.</source>
        <translation>Voer de 6-cijferige code uit uw verificatie-app in.</translation>
    </message>
    <message>
        <source>Right-click a file for more options.</source>
        <translation>Klik met de rechtermuisknop op een bestand voor meer opties.</translation>
    </message>
    <message>
        <source>Server version</source>
        <translation>Serverversie</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client was removed from your computer.</source>
        <translation>Quenmark Zelto Client is van uw computer verwijderd.</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Mapnaam</translation>
    </message>
    <message>
        <source>You have no tasks yet. Click Create Task to sync or back up a folder.</source>
        <translation>U hebt nog geen taken. Klik op Taak maken om een map te synchroniseren of er een back-up van te maken.</translation>
    </message>
    <message>
        <source>Indexing files...</source>
        <translation>Bestanden indexeren...</translation>
    </message>
    <message>
        <source>Verification code field</source>
        <translation>Veld voor verificatiecode</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Schijf vol</translation>
    </message>
    <message>
        <source>Backup started</source>
        <translation>Back-up gestart</translation>
    </message>
    <message>
        <source>The sync folder %1 was moved or deleted. Syncing has stopped for this task.</source>
        <translation>De synchronisatiemap %1 is verplaatst of verwijderd. De synchronisatie van deze taak is gestopt.</translation>
    </message>
    <message>
        <source>The file was damaged during transfer and will be downloaded again.</source>
        <translation>Het bestand is tijdens de overdracht beschadigd en wordt opnieuw gedownload.</translation>
    </message>
    <message>
        <source>You have reached the maximum number of tasks (%1).</source>
        <translation>U hebt het maximale aantal taken (%1) bereikt.</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>uur</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Icon View</source>
        <translation>Pictogramweergave</translation>
    </message>
    <message>
        <source>Backup finished</source>
        <translation>Back-up voltooid</translation>
    </message>
    <message>
        <source>Starting %1 for the first time. This may take a minute.</source>
        <translation>%1 wordt voor het eerst gestart. Dit kan een minuut duren.</translation>
    </message>
    <message>
        <source>Server path</source>
        <translation>Serverpad</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Wachtwoord wijzigen</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-adres</translation>
    </message>
    <message>
        <source>Sync file permissions and timestamps</source>
        <translation>Bestandsmachtigingen en tijdstempels synchroniseren</translation>
    </message>
    <message>
        <source>Syncing will stop when you quit. Quit Quenmark Zelto Client anyway?</source>
        <translation>De synchronisatie stopt als u afsluit. Quenmark Zelto Client toch afsluiten?</translation>
    </message>
    <message>
        <source>Hidden files</source>
        <translation>Verborgen bestanden</translation>
    </message>
    <message>
        <source>The folder cannot be inside or contain a folder that is already synced.</source>
        <translation>De map mag niet in een al gesynchroniseerde map liggen en mag er ook geen bevatten.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached. The backup cannot continue until space is freed.</source>
        <translation>Uw opslagquotum op de server is bereikt. De back-up kan pas doorgaan als er ruimte is vrijgemaakt.</translation>
    </message>
    <message>
        <source>Download queue</source>
        <translation>Downloadwachtrij</translation>
    </message>
    <message>
        <source>This computer is registered with the server.</source>
        <translation>Deze computer is geregistreerd bij de server.</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Prullenbak</translation>
    </message>
    <message>
        <source>Back up changes continuously</source>
        <translation>Wijzigingen doorlopend back-uppen</translation>
    </message>
    <message>
        <source>Source folders</source>
        <translation>Bronmappen</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Licentieovereenkomst</translation>
    </message>
    <message>
        <source>Sync options</source>
        <translation>Synchronisatieopties</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>Alles is klaar!</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Overslaan</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nieuwe map</translation>
    </message>
    <message>
        <source>Add to the &amp;Start menu</source>
        <translation>Toevoegen aan het menu &amp;Start</translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation>Bezig met aanmelden...</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Klik op Installeren om de installatie te starten. Klik op Vorige om uw installatie-instellingen te controleren of te wijzigen. Klik op Annuleren om de wizard af te sluiten.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client cannot write to %1. Check the folder permissions.</source>
        <translation>Quenmark Zelto Client kan niet schrijven naar %1. Controleer de machtigingen van de map.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Deze versie overslaan</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>Onze website bezoeken</translation>
    </message>
    <message>
        <source>Open Local Folder</source>
        <translation>Lokale map openen</translation>
    </message>
    <message>
        <source>Removing [ProductName]</source>
        <translation>[ProductName] verwijderen</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Map openen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Copyright (c) Quenmark. All rights reserved.</source>
        <translation>Copyright (c) Quenmark. Alle rechten voorbehouden.</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Apparaat verwijderen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>The session is locked.</source>
        <translation>De sessie is vergrendeld.</translation>
    </message>
    <message>
        <source>Downloading on demand...</source>
        <translation>Downloaden op aanvraag...</translation>
    </message>
    <message>
        <source>Sign-in required</source>
        <translation>Aanmelding vereist</translation>
    </message>
    <message>
        <source>Unable to copy %1.</source>
        <translation>Kan %1 niet kopiëren.</translation>
    </message>
    <message>
        <source>List of filter rules</source>
        <translation>Lijst met filterregels</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>Momentopnamen</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Gestopt</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Change destination folder</source>
        <translation>Doelmap wijzigen</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Bezig met synchroniseren...</translation>
    </message>
    <message>
        <source>Back up only when the computer is plugged in</source>
        <translation>Alleen back-uppen als de computer op netstroom is aangesloten</translation>
    </message>
    <message>
        <source>Resume Syncing</source>
        <translation>Synchronisatie hervatten</translation>
    </message>
    <message>
        <source>A new version is available.</source>
        <translation>Er is een nieuwe versie beschikbaar.</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation>Veelgestelde vragen</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Beeld</translation>
    </message>
    <message>
        <source>Run on</source>
        <translation>Uitvoeren op</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Unable to download the update.</source>
        <translation>Kan de update niet downloaden.</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>Verbinding testen</translation>
    </message>
    <message>
        <source>You have been signed out.</source>
        <translation>U bent afgemeld.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchronisatie</translation>
    </message>
    <message>
        <source>Last backup completed %1</source>
        <translation>Laatste back-up voltooid: %1</translation>
    </message>
    <message>
        <source>Pause Syncing</source>
        <translation>Synchronisatie pauzeren</translation>
    </message>
    <message>
        <source>Limit automatically</source>
        <translation>Automatisch beperken</translation>
    </message>
    <message>
        <source>Keep the version on the server</source>
        <translation>De versie op de server behouden</translation>
    </message>
    <message>
        <source>Open menu</source>
        <translation>Menu openen</translation>
    </message>
    <message>
        <source>The file is larger than the limit allowed by the server.</source>
        <translation>Het bestand is groter dan de server toestaat.</translation>
    </message>
    <message>
        <source>Your data was moved successfully.</source>
        <translation>Uw gegevens zijn verplaatst.</translation>
    </message>
    <message>
        <source>Ready to install [ProductName]</source>
        <translation>Klaar om [ProductName] te installeren</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Het bestand %1 bestaat niet.</translation>
    </message>
    <message>
        <source>Export Logs...</source>
        <translation>Logboeken exporteren...</translation>
    </message>
    <message>
        <source>Syncing has resumed</source>
        <translation>De synchronisatie is hervat</translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely because of an error. Your system has not been modified. To install this program at a later time, run the Setup Wizard again.</source>
        <translation>De wizard Setup van [ProductName] is door een fout voortijdig beëindigd. Uw systeem is niet gewijzigd. Voer de wizard Setup opnieuw uit om dit programma later te installeren.</translation>
    </message>
    <message>
        <source>Select the server folder to sync with this computer.</source>
        <translation>Selecteer de servermap die u met deze computer wilt synchroniseren.</translation>
    </message>
    <message>
        <source>Upload changes to the server only</source>
        <translation>Alleen wijzigingen naar de server uploaden</translation>
    </message>
    <message>
        <source>Time remaining unknown</source>
        <translation>Resterende tijd onbekend</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>%1 files were skipped. See the history for details.</source>
        <translation>%1 bestanden zijn overgeslagen. Zie de geschiedenis voor details.</translation>
    </message>
    <message>
        <source>Keep all versions</source>
        <translation>Alle versies bewaren</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporteren</translation>
    </message>
    <message>
        <source>Sync progress</source>
        <translation>Voortgang van de synchronisatie</translation>
    </message>
    <message>
        <source>The new language will be used after Quenmark Zelto Client restarts.</source>
        <translation>De nieuwe taal wordt gebruikt nadat Quenmark Zelto Client opnieuw is gestart.</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Gemaakt</translation>
    </message>
    <message>
        <source>%1 used of %2</source>
        <translation>%1 van %2 gebruikt</translation>
    </message>
    <message>
        <source>Version Retention</source>
        <translation>Versiebewaring</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Eindtijd</translation>
    </message>
    <message>
        <source>Proxy type</source>
        <translation>Proxytype</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>Sorteren op naam</translation>
    </message>
    <message>
        <source>On-demand sync is not supported on this file system.</source>
        <translation>Synchronisatie op aanvraag wordt niet ondersteund op dit bestandssysteem.</translation>
    </message>
    <message>
        <source>Connected through the Internet</source>
        <translation>Verbonden via internet</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Opnieuw</translation>
    </message>
    <message>
        <source>Authentication required</source>
        <translation>Verificatie vereist</translation>
    </message>
    <message>
        <source>Access Denied</source>
        <translation>Toegang geweigerd</translation>
    </message>
    <message>
        <source>Upload rate</source>
        <translation>Uploadsnelheid</translation>
    </message>
    <message>
        <source>The system limit on watched folders has been reached. Some changes may be detected late.</source>
        <translation>De systeemlimiet voor bewaakte mappen is bereikt. Sommige wijzigingen worden mogelijk later gedetecteerd.</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Verplaatst</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Sort by Date</source>
        <translation>Sorteren op datum</translation>
    </message>
    <message>
        <source>Do not sync hidden files</source>
        <translation>Verborgen bestanden niet synchroniseren</translation>
    </message>
    <message>
        <source>Sync This Folder</source>
        <translation>Deze map synchroniseren</translation>
    </message>
    <message>
        <source>%1 is very large. Uploading it may take a long time.</source>
        <translation>%1 is erg groot. Het uploaden kan lang duren.</translation>
    </message>
    <message>
        <source>Access control lists are not supported on this file system and will not be synced.</source>
        <translation>Toegangsbeheerlijsten worden niet ondersteund op dit bestandssysteem en worden niet gesynchroniseerd.</translation>
    </message>
    <message>
        <source>Enter the verification code</source>
        <translation>Voer de verificatiecode in</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>De wachtwoorden komen niet overeen.</translation>
    </message>
    <message>
        <source>The security certificate of %1 is not trusted. Your connection may not be secure.</source>
        <translation>Het beveiligingscertificaat van %1 wordt niet vertrouwd. Uw verbinding is mogelijk niet veilig.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>%1, %2 o'clock</source>
        <translation>%1, %2 uur</translation>
    </message>
    <message>
        <source>The Setup Wizard allows you to repair the installation of [ProductName] or remove it from your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>Met de wizard Setup kunt u de installatie van [ProductName] herstellen of het programma van uw computer verwijderen. Klik op Volgende om door te gaan of op Annuleren om de wizard af te sluiten.</translation>
    </message>
    <message>
        <source>Read and write</source>
        <translation>Lezen en schrijven</translation>
    </message>
    <message>
        <source>Pause for 8 hours</source>
        <translation>8 uur pauzeren</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Back-up</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Gepauzeerd</translation>
    </message>
    <message>
        <source>Edit the selected task</source>
        <translation>De geselecteerde taak bewerken</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Welkom</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Openen in browser</translation>
    </message>
    <message>
        <source>Task %1, status %2</source>
        <translation>Taak %1, status %2</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation>Klik op Voltooien om de wizard Setup af te sluiten.</translation>
    </message>
    <message>
        <source>Relay ID</source>
        <translation>Relay-ID</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Aanmelden</translation>
    </message>
    <message>
        <source>Do not limit</source>
        <translation>Niet beperken</translation>
    </message>
    <message>
        <source>Download changes from the server only</source>
        <translation>Alleen wijzigingen van de server downloaden</translation>
    </message>
    <message>
        <source>Unable to move %1 to %2.</source>
        <translation>Kan %1 niet verplaatsen naar %2.</translation>
    </message>
    <message>
        <source>Add a task</source>
        <translation>Een taak toevoegen</translation>
    </message>
    <message>
        <source>Your storage space on %1 is almost full.</source>
        <translation>Uw opslagruimte op %1 is bijna vol.</translation>
    </message>
    <message>
        <source>Install updates automatically</source>
        <translation>Updates automatisch installeren</translation>
    </message>
    <message>
        <source>Recent Changes</source>
        <translation>Recente wijzigingen</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>Weergavenaam</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbinding maken...</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Waarschuwingen</translation>
    </message>
    <message>
        <source>Preparing to sync...</source>
        <translation>Synchronisatie voorbereiden...</translation>
    </message>
    <message>
        <source>Single Sign-On</source>
        <translation>Eenmalige aanmelding</translation>
    </message>
    <message>
        <source>Ready to sync</source>
        <translation>Klaar om te synchroniseren</translation>
    </message>
    <message>
        <source>Advanced Filters...</source>
        <translation>Geavanceerde filters...</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <translation>Bureaubladmeldingen weergeven</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimaliseren</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Controleren op updates...</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Gedownload</translation>
    </message>
    <message>
        <source>Choose a folder on the server</source>
        <translation>Kies een map op de server</translation>
    </message>
    <message>
        <source>Excluded from sync</source>
        <translation>Uitgesloten van synchronisatie</translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <translation>%1 bestanden worden gesynchroniseerd</translation>
    </message>
    <message>
        <source>Loading folders...</source>
        <translation>Mappen laden...</translation>
    </message>
    <message>
        <source>This version of Quenmark Zelto Client is no longer supported by the server. Please update the client.</source>
        <translation>Deze versie van Quenmark Zelto Client wordt niet meer ondersteund door de server. Werk de client bij.</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Gedeeld</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>seconden</translation>
    </message>
    <message>
        <source>Repairing [ProductName]</source>
        <translation>[ProductName] herstellen</translation>
    </message>
    <message>
        <source>Upload speed</source>
        <translation>Uploadsnelheid</translation>
    </message>
    <message>
        <source>Open on Server</source>
        <translation>Openen op server</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Voltooien</translation>
    </message>
    <message>
        <source>Your settings have been saved.</source>
        <translation>Uw instellingen zijn opgeslagen.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Uitgeschakeld</translation>
    </message>
    <message>
        <source>Create Sync Task</source>
        <translation>Synchronisatietaak maken</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Nu back-up maken</translation>
    </message>
    <message>
        <source>The upgrade is complete.</source>
        <translation>De upgrade is voltooid.</translation>
    </message>
    <message>
        <source>Version %1 (build %2)</source>
        <translation>Versie %1 (build %2)</translation>
    </message>
    <message>
        <source>Launch [ProductName] now</source>
        <translation>[ProductName] nu starten</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Feedback verzenden</translation>
    </message>
    <message>
        <source>No results found.</source>
        <translation>Geen resultaten gevonden.</translation>
    </message>
    <message>
        <source>Copy Sharing Link</source>
        <translation>Deelkoppeling kopiëren</translation>
    </message>
    <message>
        <source>The task no longer exists.</source>
        <translation>De taak bestaat niet meer.</translation>
    </message>
    <message>
        <source>&amp;Do not close applications. A reboot will be required.</source>
        <translation>De toepassingen &amp;niet sluiten. Opnieuw opstarten is vereist.</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Taak</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Vr</translation>
    </message>
    <message>
        <source>Deleting %1</source>
        <translation>%1 wordt verwijderd</translation>
    </message>
    <message>
        <source>Enter at least %1 characters.</source>
        <translation>Voer minimaal %1 tekens in.</translation>
    </message>
    <message>
        <source>Unable to restore the selected files.</source>
        <translation>Kan de geselecteerde bestanden niet herstellen.</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation>Synchronisatie op aanvraag</translation>
    </message>
    <message>
        <source>Checking the environment...</source>
        <translation>De omgeving wordt gecontroleerd...</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation>Synchronisatie in twee richtingen</translation>
    </message>
    <message>
        <source>Valid until</source>
        <translation>Geldig tot</translation>
    </message>
    <message>
        <source>The history was exported to %1.</source>
        <translation>De geschiedenis is geëxporteerd naar %1.</translation>
    </message>
    <message>
        <source>Files and folders that match these rules are not synced.</source>
        <translation>Bestanden en mappen die aan deze regels voldoen, worden niet gesynchroniseerd.</translation>
    </message>
    <message>
        <source>Available offline</source>
        <translation>Offline beschikbaar</translation>
    </message>
    <message>
        <source>The files have been restored.</source>
        <translation>De bestanden zijn hersteld.</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Apparaatnaam</translation>
    </message>
    <message>
        <source>Renaming %1</source>
        <translation>Naam van %1 wordt gewijzigd</translation>
    </message>
    <message>
        <source>Some files could not be synced</source>
        <translation>Sommige bestanden konden niet worden gesynchroniseerd</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netwerk</translation>
    </message>
    <message>
        <source>Task name</source>
        <translation>Taaknaam</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by fixing missing and corrupt files, shortcuts, and registry entries.</source>
        <translation>Herstelt fouten in de meest recente installatie door ontbrekende en beschadigde bestanden, snelkoppelingen en registervermeldingen te herstellen.</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Laden...</translation>
    </message>
    <message>
        <source>Pause until I resume</source>
        <translation>Pauzeren tot ik hervat</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>No server was found on your local network. Enter the address manually.</source>
        <translation>Er is geen server gevonden op uw lokale netwerk. Voer het adres handmatig in.</translation>
    </message>
    <message>
        <source>Removes [ProductName] from your computer.</source>
        <translation>Verwijdert [ProductName] van uw computer.</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>Lokale map</translation>
    </message>
    <message>
        <source>The quota of the shared folder has been reached.</source>
        <translation>Het quotum van de gedeelde map is bereikt.</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>Gebruiksrechtovereenkomst</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>Online only</source>
        <translation>Alleen online</translation>
    </message>
    <message>
        <source>Up one level</source>
        <translation>Eén niveau omhoog</translation>
    </message>
    <message>
        <source>Upload: %1/s  Download: %2/s</source>
        <translation>Upload: %1/s  Download: %2/s</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Donker</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Dagelijks</translation>
    </message>
    <message>
        <source>The local version was renamed to %1.</source>
        <translation>De naam van de lokale versie is gewijzigd in %1.</translation>
    </message>
    <message>
        <source>%1 is in use by another application and will be synced when it is closed.</source>
        <translation>%1 wordt gebruikt door een andere toepassing en wordt gesynchroniseerd zodra deze is gesloten.</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Gepauzeerd tot %1</translation>
    </message>
    <message>
        <source>View History</source>
        <translation>Geschiedenis weergeven</translation>
    </message>
    <message>
        <source>Confirm new password</source>
        <translation>Nieuw wachtwoord bevestigen</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>Verbindingstime-out</translation>
    </message>
    <message>
        <source>Proxy server</source>
        <translation>Proxyserver</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Gebruiker</translation>
    </message>
    <message>
        <source>Downloading the update... %1%</source>
        <translation>Update downloaden... %1%</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Naam gewijzigd</translation>
    </message>
    <message>
        <source>Use dark theme</source>
        <translation>Donker thema gebruiken</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dinsdag</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>kB/s</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully</source>
        <translation>Lees de volgende licentieovereenkomst zorgvuldig door</translation>
    </message>
    <message>
        <source>Send Test Email</source>
        <translation>Test-e-mail verzenden</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <translation>Synchronisatierichting</translation>
    </message>
    <message>
        <source>Rebuilding the local database...</source>
        <translation>De lokale database wordt opnieuw opgebouwd...</translation>
    </message>
    <message>
        <source>Switch Account</source>
        <translation>Ander account gebruiken</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>Folder tree</source>
        <translation>Mappenstructuur</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>Deze versie herstellen</translation>
    </message>
    <message>
        <source>The destination shared folder could not be found on the server. Select another destination.</source>
        <translation>De gedeelde doelmap is niet gevonden op de server. Selecteer een ander doel.</translation>
    </message>
    <message>
        <source>The security certificate of the server has expired.</source>
        <translation>Het beveiligingscertificaat van de server is verlopen.</translation>
    </message>
    <message>
        <source>Restart Quenmark Zelto Client to apply the changes.</source>
        <translation>Start Quenmark Zelto Client opnieuw om de wijzigingen toe te passen.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client status icon</source>
        <translation>Statuspictogram van Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Energie</translation>
    </message>
    <message>
        <source>%1 percent complete</source>
        <translation>%1 procent voltooid</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Za</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Opslag</translation>
    </message>
    <message>
        <source>Pause syncing when running on battery power</source>
        <translation>Synchronisatie pauzeren bij gebruik van de accu</translation>
    </message>
    <message>
        <source>Enter your server address, username and password.</source>
        <translation>Voer het serveradres, uw gebruikersnaam en uw wachtwoord in.</translation>
    </message>
    <message>
        <source>Every %1 minutes</source>
        <translation>Elke %1 minuten</translation>
    </message>
    <message>
        <source>Do you want to delete the selected items?</source>
        <translation>Wilt u de geselecteerde items verwijderen?</translation>
    </message>
    <message>
        <source>Show sync status icons in the file manager</source>
        <translation>Synchronisatiestatuspictogrammen in het bestandsbeheer weergeven</translation>
    </message>
    <message>
        <source>I &amp;do not accept the terms in the License Agreement</source>
        <translation>Ik ga &amp;niet akkoord met de voorwaarden van de licentieovereenkomst</translation>
    </message>
    <message>
        <source>Learn more</source>
        <translation>Meer informatie</translation>
    </message>
    <message>
        <source>Server address field</source>
        <translation>Veld voor serveradres</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequentie</translation>
    </message>
    <message>
        <source>Play a sound</source>
        <translation>Een geluid afspelen</translation>
    </message>
    <message>
        <source>Locate Folder</source>
        <translation>Map zoeken</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>Doelmap</translation>
    </message>
    <message>
        <source>Load More</source>
        <translation>Meer laden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Unable to rename %1 to %2.</source>
        <translation>Kan de naam van %1 niet wijzigen in %2.</translation>
    </message>
    <message>
        <source>If your network requires a proxy server to reach the Internet, enter its settings here.</source>
        <translation>Als uw netwerk een proxyserver nodig heeft voor internettoegang, voert u hier de instellingen daarvan in.</translation>
    </message>
    <message>
        <source>Remove the local copies of the selected files? They remain on the server and are downloaded again when you open them.</source>
        <translation>De lokale kopieën van de geselecteerde bestanden verwijderen? Ze blijven op de server en worden opnieuw gedownload wanneer u ze opent.</translation>
    </message>
    <message>
        <source>Install Now</source>
        <translation>Nu installeren</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Display scaling</source>
        <translation>Weergaveschaal</translation>
    </message>
    <message>
        <source>Restoring %1 of %2 files...</source>
        <translation>%1 van %2 bestanden herstellen...</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Bestandsextensies</translation>
    </message>
    <message>
        <source>The update package is damaged or has an invalid signature.</source>
        <translation>Het updatepakket is beschadigd of heeft een ongeldige handtekening.</translation>
    </message>
    <message>
        <source>Disk Space Requirements</source>
        <translation>Benodigde schijfruimte</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Upgrade</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Taken</translation>
    </message>
    <message>
        <source>Account: %1</source>
        <translation>Account: %1</translation>
    </message>
    <message>
        <source>The security certificate of the server is not trusted.</source>
        <translation>Het beveiligingscertificaat van de server wordt niet vertrouwd.</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Niets selecteren</translation>
    </message>
    <message>
        <source>An invalid parameter was given.</source>
        <translation>Er is een ongeldige parameter opgegeven.</translation>
    </message>
    <message>
        <source>Ask before deleting many files on the server</source>
        <translation>Vragen voordat veel bestanden op de server worden verwijderd</translation>
    </message>
    <message>
        <source>&amp;Look in:</source>
        <translation>&amp;Zoeken in:</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>Uw IP-adres is door de server geblokkeerd.</translation>
    </message>
    <message>
        <source>Debug logging records detailed information and may slow down syncing. Turn it off when you are done.</source>
        <translation>Het foutopsporingslogboek registreert gedetailleerde informatie en kan de synchronisatie vertragen. Schakel het uit wanneer u klaar bent.</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Doel</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Handmatige proxyconfiguratie</translation>
    </message>
    <message>
        <source>Day of the month</source>
        <translation>Dag van de maand</translation>
    </message>
    <message>
        <source>The local database is damaged. Quenmark Zelto Client will rebuild it.</source>
        <translation>De lokale database is beschadigd. Quenmark Zelto Client bouwt deze opnieuw op.</translation>
    </message>
    <message>
        <source>Are you sure you want to quit the setup? No task will be created.</source>
        <translation>Weet u zeker dat u de installatie wilt afsluiten? Er wordt geen taak gemaakt.</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Nooit gesynchroniseerd</translation>
    </message>
    <message>
        <source>The shared folder no longer exists on the server.</source>
        <translation>De gedeelde map bestaat niet meer op de server.</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>Use SSL/TLS</source>
        <translation>SSL/TLS gebruiken</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <translation>Synchronisatiemodus</translation>
    </message>
    <message>
        <source>The update has been downloaded and will be installed when you quit Quenmark Zelto Client.</source>
        <translation>De update is gedownload en wordt geïnstalleerd wanneer u Quenmark Zelto Client afsluit.</translation>
    </message>
    <message>
        <source>The server is under maintenance. Syncing will resume automatically.</source>
        <translation>De server is in onderhoud. De synchronisatie wordt automatisch hervat.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client Setup</source>
        <translation>Installatie van Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximaliseren</translation>
    </message>
    <message>
        <source>Enable backup schedule</source>
        <translation>Back-upschema inschakelen</translation>
    </message>
    <message>
        <source>The first sync may take a while, depending on the number and size of your files.</source>
        <translation>De eerste synchronisatie kan even duren, afhankelijk van het aantal en de grootte van uw bestanden.</translation>
    </message>
    <message>
        <source>Sign in with the account you use on %1.</source>
        <translation>Meld u aan met het account dat u op %1 gebruikt.</translation>
    </message>
    <message>
        <source>Backup Schedule</source>
        <translation>Back-upschema</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>De bestandsnaam is te lang.</translation>
    </message>
    <message>
        <source>The file manager will be restarted to unload the extension.</source>
        <translation>Het bestandsbeheer wordt opnieuw gestart om de extensie te verwijderen.</translation>
    </message>
    <message>
        <source>Keep both versions</source>
        <translation>Beide versies behouden</translation>
    </message>
    <message>
        <source>Available when online</source>
        <translation>Beschikbaar wanneer online</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Vorige</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Alles deselecteren</translation>
    </message>
    <message>
        <source>Total size</source>
        <translation>Totale grootte</translation>
    </message>
    <message>
        <source>Open source licenses</source>
        <translation>Opensourcelicenties</translation>
    </message>
    <message>
        <source>No backup is scheduled.</source>
        <translation>Er is geen back-up gepland.</translation>
    </message>
    <message>
        <source>Syncing was paused while the computer was asleep.</source>
        <translation>De synchronisatie is gepauzeerd terwijl de computer in de slaapstand stond.</translation>
    </message>
    <message>
        <source>Team Folder</source>
        <translation>Teammap</translation>
    </message>
    <message>
        <source>Overall progress</source>
        <translation>Totale voortgang</translation>
    </message>
    <message>
        <source>Checking the connection to %1...</source>
        <translation>Verbinding met %1 controleren...</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <translation>%1 is klaar voor gebruik.</translation>
    </message>
    <message>
        <source>When a conflict occurs</source>
        <translation>Bij een conflict</translation>
    </message>
    <message>
        <source>The security certificate was issued to %1, not to %2.</source>
        <translation>Het beveiligingscertificaat is uitgegeven aan %1, niet aan %2.</translation>
    </message>
    <message>
        <source>Trust this computer</source>
        <translation>Deze computer vertrouwen</translation>
    </message>
    <message>
        <source>Select the operation you wish to perform.</source>
        <translation>Selecteer de bewerking die u wilt uitvoeren.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Ingeschakeld</translation>
    </message>
    <message>
        <source>File size limit</source>
        <translation>Limiet voor bestandsgrootte</translation>
    </message>
    <message>
        <source>Unable to create the task.</source>
        <translation>Kan de taak niet maken.</translation>
    </message>
    <message>
        <source>Create Task</source>
        <translation>Taak maken</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>kB</translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <translation>Sommige bestanden die moeten worden bijgewerkt, zijn in gebruik.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Even geduld...</translation>
    </message>
    <message>
        <source>Searching for servers on your local network...</source>
        <translation>Zoeken naar servers op uw lokale netwerk...</translation>
    </message>
    <message>
        <source>Disk space required for the installation exceeds available disk space.</source>
        <translation>De schijfruimte die nodig is voor de installatie, is groter dan de beschikbare schijfruimte.</translation>
    </message>
    <message>
        <source>The following applications are using files that need to be updated by this setup. Close these applications and then click &amp;Retry to continue the installation or Cancel to exit it.</source>
        <translation>De volgende toepassingen gebruiken bestanden die door deze installatie moeten worden bijgewerkt. Sluit deze toepassingen en klik op &amp;Opnieuw om door te gaan met de installatie of op Annuleren om af te sluiten.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>De map %1 bestaat niet.</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Eigenaar</translation>
    </message>
    <message>
        <source>Play sounds</source>
        <translation>Geluiden afspelen</translation>
    </message>
    <message>
        <source>Synced</source>
        <translation>Gesynchroniseerd</translation>
    </message>
    <message>
        <source>Last day of the month</source>
        <translation>Laatste dag van de maand</translation>
    </message>
    <message>
        <source>Keep the version on this computer</source>
        <translation>De versie op deze computer behouden</translation>
    </message>
    <message>
        <source>Resume the selected task</source>
        <translation>De geselecteerde taak hervatten</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Ondersteuning</translation>
    </message>
    <message>
        <source>Sort by Size</source>
        <translation>Sorteren op grootte</translation>
    </message>
    <message>
        <source>Storage Details</source>
        <translation>Opslaggegevens</translation>
    </message>
    <message>
        <source>Apply limits only during these hours</source>
        <translation>Limieten alleen op deze tijden toepassen</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groep</translation>
    </message>
    <message>
        <source>Welcome to Quenmark Zelto Client</source>
        <translation>Welkom bij Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Actie</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbonden</translation>
    </message>
    <message>
        <source>Data from an earlier version was found on this computer.</source>
        <translation>Er zijn gegevens van een eerdere versie op deze computer gevonden.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Pause for 30 minutes</source>
        <translation>30 minuten pauzeren</translation>
    </message>
    <message>
        <source>Open in File Manager</source>
        <translation>Openen in bestandsbeheer</translation>
    </message>
    <message>
        <source>Completed the [ProductName] Setup Wizard</source>
        <translation>De wizard Setup van [ProductName] is voltooid</translation>
    </message>
    <message>
        <source>Last synced %1</source>
        <translation>Laatst gesynchroniseerd: %1</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Stap %1 van %2</translation>
    </message>
    <message>
        <source>Retry Now</source>
        <translation>Nu opnieuw proberen</translation>
    </message>
    <message>
        <source>%1 of %2 used</source>
        <translation>%1 van %2 gebruikt</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Overgeslagen</translation>
    </message>
    <message>
        <source>You have used %1 of your storage quota.</source>
        <translation>U hebt %1 van uw opslagquotum gebruikt.</translation>
    </message>
    <message>
        <source>A newer version of [ProductName] is already installed. Setup will now exit.</source>
        <translation>Er is al een nieuwere versie van [ProductName] geïnstalleerd. Setup wordt nu afgesloten.</translation>
    </message>
    <message>
        <source>No problem was found.</source>
        <translation>Er is geen probleem gevonden.</translation>
    </message>
    <message>
        <source>Keep files on the server that were deleted on this computer</source>
        <translation>Bestanden die op deze computer zijn verwijderd op de server bewaren</translation>
    </message>
    <message>
        <source>Scanning for changes...</source>
        <translation>Zoeken naar wijzigingen...</translation>
    </message>
    <message>
        <source>Registering product</source>
        <translation>Product registreren</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Taal van de interface</translation>
    </message>
    <message>
        <source>You are not running the setup as an administrator. Some features may not be installed correctly. Continue anyway?</source>
        <translation>U voert Setup niet uit als beheerder. Sommige onderdelen worden mogelijk niet correct geïnstalleerd. Toch doorgaan?</translation>
    </message>
    <message>
        <source>There is not enough free space on %1. At least %2 is needed.</source>
        <translation>Er is onvoldoende vrije ruimte op %1. Er is minimaal %2 nodig.</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Contact opnemen met ondersteuning</translation>
    </message>
    <message>
        <source>Task Details</source>
        <translation>Taakdetails</translation>
    </message>
    <message>
        <source>Back up only when the computer is idle</source>
        <translation>Alleen back-uppen als de computer niet in gebruik is</translation>
    </message>
    <message>
        <source>Open the folder on the server in a web browser</source>
        <translation>De map op de server openen in een webbrowser</translation>
    </message>
    <message>
        <source>Administrator permission is required.</source>
        <translation>Beheerdersmachtiging is vereist.</translation>
    </message>
    <message>
        <source>Creating shortcuts</source>
        <translation>Snelkoppelingen maken</translation>
    </message>
    <message>
        <source>Your email address (optional)</source>
        <translation>Uw e-mailadres (optioneel)</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Voortgang</translation>
    </message>
    <message>
        <source>Free space on this drive: %1</source>
        <translation>Vrije ruimte op dit station: %1</translation>
    </message>
    <message>
        <source>The proxy connection works.</source>
        <translation>De proxyverbinding werkt.</translation>
    </message>
    <message>
        <source>Privacy statement</source>
        <translation>Privacyverklaring</translation>
    </message>
    <message>
        <source>Install the file manager extension (status icons and context menu)</source>
        <translation>De bestandsbeheerextensie installeren (statuspictogrammen en contextmenu)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importeren</translation>
    </message>
    <message>
        <source>Select Folders</source>
        <translation>Mappen selecteren</translation>
    </message>
    <message>
        <source>The file is locked by another application.</source>
        <translation>Het bestand is vergrendeld door een andere toepassing.</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Thank you! Your feedback has been sent.</source>
        <translation>Bedankt! Uw feedback is verzonden.</translation>
    </message>
    <message>
        <source>Sync directly with computers on the same network when possible</source>
        <translation>Indien mogelijk rechtstreeks synchroniseren met computers in hetzelfde netwerk</translation>
    </message>
    <message>
        <source>Download rate</source>
        <translation>Downloadsnelheid</translation>
    </message>
    <message>
        <source>&amp;Folder name:</source>
        <translation>&amp;Mapnaam:</translation>
    </message>
    <message>
        <source>%1 files, %2</source>
        <translation>%1 bestanden, %2</translation>
    </message>
    <message>
        <source>Version on this computer</source>
        <translation>Versie op deze computer</translation>
    </message>
    <message>
        <source>The file name contains characters that are not allowed: %1</source>
        <translation>De bestandsnaam bevat ongeldige tekens: %1</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Volgende &gt;</translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>Aandacht vereist</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Vereist</translation>
    </message>
    <message>
        <source>Your settings and sync tasks are being moved to the new version of Quenmark Zelto Client. Do not turn off the computer.</source>
        <translation>Uw instellingen en synchronisatietaken worden naar de nieuwe versie van Quenmark Zelto Client overgezet. Schakel de computer niet uit.</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Gebruikershandleiding</translation>
    </message>
    <message>
        <source>Expiration date</source>
        <translation>Vervaldatum</translation>
    </message>
    <message>
        <source>The disk where your sync folder is located is almost full.</source>
        <translation>De schijf met uw synchronisatiemap is bijna vol.</translation>
    </message>
    <message>
        <source>The server %1 could not be found. Check the address and try again.</source>
        <translation>De server %1 is niet gevonden. Controleer het adres en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>Dit veld is verplicht.</translation>
    </message>
    <message>
        <source>You have read-only access to this shared folder.</source>
        <translation>U hebt alleen-lezentoegang tot deze gedeelde map.</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Koppeling kopiëren</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; V&amp;orige</translation>
    </message>
    <message>
        <source>View Previous Versions</source>
        <translation>Vorige versies weergeven</translation>
    </message>
    <message>
        <source>Complete the sign-in in your web browser.</source>
        <translation>Voltooi de aanmelding in uw webbrowser.</translation>
    </message>
    <message>
        <source>Directory user</source>
        <translation>Directorygebruiker</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergelijken</translation>
    </message>
    <message>
        <source>Always Keep on This Device</source>
        <translation>Altijd op dit apparaat bewaren</translation>
    </message>
    <message>
        <source>You do not have write permission for the destination shared folder.</source>
        <translation>U hebt geen schrijfmachtiging voor de gedeelde doelmap.</translation>
    </message>
    <message>
        <source>Open Quenmark Zelto Client</source>
        <translation>Quenmark Zelto Client openen</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Licht</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>Melding</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Downloaden</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Afbreken</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nee</translation>
    </message>
    <message>
        <source>The folder is already used by another sync task.</source>
        <translation>De map wordt al gebruikt door een andere synchronisatietaak.</translation>
    </message>
    <message>
        <source>This link has expired.</source>
        <translation>Deze koppeling is verlopen.</translation>
    </message>
    <message>
        <source>Installing [ProductName]</source>
        <translation>[ProductName] installeren</translation>
    </message>
    <message>
        <source>Rename the server file</source>
        <translation>Naam van het serverbestand wijzigen</translation>
    </message>
    <message>
        <source>Your files are now being synced. You can follow the progress from the icon in the notification area.</source>
        <translation>Uw bestanden worden nu gesynchroniseerd. U kunt de voortgang volgen via het pictogram in het systeemvak.</translation>
    </message>
    <message>
        <source>&amp;Disk Usage</source>
        <translation>&amp;Schijfgebruik</translation>
    </message>
    <message>
        <source>Syncing</source>
        <translation>Synchroniseren</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client is running. Quit it and click Retry, or click Cancel to stop the setup.</source>
        <translation>Quenmark Zelto Client is actief. Sluit het programma af en klik op Opnieuw, of klik op Annuleren om Setup te stoppen.</translation>
    </message>
    <message>
        <source>Share with users on the server</source>
        <translation>Delen met gebruikers op de server</translation>
    </message>
    <message>
        <source>Can edit</source>
        <translation>Kan bewerken</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Woensdag</translation>
    </message>
    <message>
        <source>Looking for changed files...</source>
        <translation>Zoeken naar gewijzigde bestanden...</translation>
    </message>
    <message>
        <source>Copy folders on this computer to the server on a schedule. Files deleted on this computer are kept on the server.</source>
        <translation>Kopieert mappen van deze computer volgens een schema naar de server. Bestanden die op deze computer worden verwijderd, blijven op de server bewaard.</translation>
    </message>
    <message>
        <source>Some settings could not be moved. Please check your sync tasks.</source>
        <translation>Sommige instellingen konden niet worden overgezet. Controleer uw synchronisatietaken.</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Nu synchroniseren</translation>
    </message>
    <message>
        <source>On-demand</source>
        <translation>Op aanvraag</translation>
    </message>
    <message>
        <source>Saved accounts</source>
        <translation>Opgeslagen accounts</translation>
    </message>
    <message>
        <source>Restore...</source>
        <translation>Herstellen...</translation>
    </message>
    <message>
        <source>Attach diagnostic logs</source>
        <translation>Diagnostische logboeken bijvoegen</translation>
    </message>
    <message>
        <source>%1 results</source>
        <translation>%1 resultaten</translation>
    </message>
    <message>
        <source>Open Sync Folder</source>
        <translation>Synchronisatiemap openen</translation>
    </message>
    <message>
        <source>%1 could not be updated. The installed version will be started.</source>
        <translation>%1 kan niet worden bijgewerkt. De geïnstalleerde versie wordt gestart.</translation>
    </message>
    <message>
        <source>%1 was not synced because it is larger than the maximum file size.</source>
        <translation>%1 is niet gesynchroniseerd omdat het groter is dan de maximale bestandsgrootte.</translation>
    </message>
    <message>
        <source>View on Web Portal</source>
        <translation>Weergeven in webportaal</translation>
    </message>
    <message>
        <source>Open the local folder</source>
        <translation>De lokale map openen</translation>
    </message>
    <message>
        <source>Permission</source>
        <translation>Machtiging</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Verwijderd</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard removes [ProductName].</source>
        <translation>Even geduld. De wizard Setup verwijdert [ProductName].</translation>
    </message>
    <message>
        <source>Moving Your Data</source>
        <translation>Uw gegevens worden verplaatst</translation>
    </message>
    <message>
        <source>Ask when more than %1 files are deleted at once</source>
        <translation>Vragen wanneer meer dan %1 bestanden tegelijk worden verwijderd</translation>
    </message>
    <message>
        <source>Uploaded</source>
        <translation>Geüpload</translation>
    </message>
    <message>
        <source>Server name</source>
        <translation>Servernaam</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Af&amp;drukken</translation>
    </message>
    <message>
        <source>Signed in as %1</source>
        <translation>Aangemeld als %1</translation>
    </message>
    <message>
        <source>The recycle bin is not enabled for this shared folder. Deleted files cannot be restored.</source>
        <translation>De prullenbak is niet ingeschakeld voor deze gedeelde map. Verwijderde bestanden kunnen niet worden hersteld.</translation>
    </message>
    <message>
        <source>Uploading %1</source>
        <translation>%1 wordt geüpload</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of [ProductName]. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Klik op Herstellen om de installatie van [ProductName] te herstellen. Klik op Vorige om uw installatie-instellingen te controleren of te wijzigen. Klik op Annuleren om de wizard af te sluiten.</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Actief</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Zojuist</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Altijd op voorgrond</translation>
    </message>
    <message>
        <source>Verification code</source>
        <translation>Verificatiecode</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Gisteren</translation>
    </message>
    <message>
        <source>Use the default folder (%1)</source>
        <translation>De standaardmap gebruiken (%1)</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>Zet bestanden hier neer</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Vrijdag</translation>
    </message>
    <message>
        <source>Username field</source>
        <translation>Veld voor gebruikersnaam</translation>
    </message>
    <message>
        <source>Encrypt data during transfer</source>
        <translation>Gegevens versleutelen tijdens overdracht</translation>
    </message>
    <message>
        <source>%1 files were changed.</source>
        <translation>%1 bestanden zijn gewijzigd.</translation>
    </message>
    <message>
        <source>Sign In...</source>
        <translation>Aanmelden...</translation>
    </message>
    <message>
        <source>You do not have permission to perform this operation.</source>
        <translation>U hebt geen toestemming voor deze bewerking.</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Instellingenpagina's</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Proxyinstellingen van het systeem gebruiken</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Wachten</translation>
    </message>
    <message>
        <source>The folder is read-only. Files cannot be written to it.</source>
        <translation>De map is alleen-lezen. Er kunnen geen bestanden in worden geschreven.</translation>
    </message>
    <message>
        <source>Next backup: %1</source>
        <translation>Volgende back-up: %1</translation>
    </message>
    <message>
        <source>The disk space required for the installation of the selected features.</source>
        <translation>De schijfruimte die nodig is om de geselecteerde onderdelen te installeren.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <translation>Tijdelijke bestanden</translation>
    </message>
    <message>
        <source>Issued to</source>
        <translation>Uitgegeven aan</translation>
    </message>
    <message>
        <source>More actions</source>
        <translation>Meer acties</translation>
    </message>
    <message>
        <source>Download This Version</source>
        <translation>Deze versie downloaden</translation>
    </message>
    <message>
        <source>Include in Sync</source>
        <translation>Opnemen in synchronisatie</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Notify me when a backup finishes</source>
        <translation>Melden wanneer een back-up is voltooid</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Maandag</translation>
    </message>
    <message>
        <source>Unable to delete %1.</source>
        <translation>Kan %1 niet verwijderen.</translation>
    </message>
    <message>
        <source>Open the sync folder</source>
        <translation>De synchronisatiemap openen</translation>
    </message>
    <message>
        <source>Create a shortcut on the &amp;desktop</source>
        <translation>Een snelkoppeling op het &amp;bureaublad maken</translation>
    </message>
    <message>
        <source>Unable to save the settings.</source>
        <translation>Kan de instellingen niet opslaan.</translation>
    </message>
    <message>
        <source>Email the report after each backup</source>
        <translation>Het rapport na elke back-up per e-mail verzenden</translation>
    </message>
    <message>
        <source>Cache location</source>
        <translation>Cachelocatie</translation>
    </message>
    <message>
        <source>Include folder %1</source>
        <translation>Map %1 opnemen</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Tekengrootte</translation>
    </message>
    <message>
        <source>Unable to create %1.</source>
        <translation>Kan %1 niet maken.</translation>
    </message>
    <message>
        <source>Scanning local files...</source>
        <translation>Lokale bestanden scannen...</translation>
    </message>
    <message>
        <source>Back up on a schedule</source>
        <translation>Volgens een schema back-uppen</translation>
    </message>
    <message>
        <source>&amp;Keep my settings and sync tasks</source>
        <translation>Mijn instellingen en synchronisatietaken &amp;behouden</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Standaardwaarden herstellen</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Meldingen</translation>
    </message>
    <message>
        <source>Cache size</source>
        <translation>Cachegrootte</translation>
    </message>
    <message>
        <source>Never expires</source>
        <translation>Verloopt nooit</translation>
    </message>
    <message>
        <source>Select a server from the list or enter its address.</source>
        <translation>Selecteer een server in de lijst of voer het adres in.</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Wo</translation>
    </message>
    <message>
        <source>%1 was deleted.</source>
        <translation>%1 is verwijderd.</translation>
    </message>
    <message>
        <source>The server is offline.</source>
        <translation>De server is offline.</translation>
    </message>
    <message>
        <source>Open Recycle Bin</source>
        <translation>Prullenbak openen</translation>
    </message>
    <message>
        <source>Exclude from Sync</source>
        <translation>Uitsluiten van synchronisatie</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Verzenden</translation>
    </message>
    <message>
        <source>Version on the server</source>
        <translation>Versie op de server</translation>
    </message>
    <message>
        <source>Calculating time remaining...</source>
        <translation>Resterende tijd berekenen...</translation>
    </message>
    <message>
        <source>SMTP port</source>
        <translation>SMTP-poort</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Geen proxy</translation>
    </message>
    <message>
        <source>Pause for 1 hour</source>
        <translation>1 uur pauzeren</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bevestigen</translation>
    </message>
    <message>
        <source>Rename the local file</source>
        <translation>Naam van het lokale bestand wijzigen</translation>
    </message>
    <message>
        <source>Show Previous Versions</source>
        <translation>Vorige versies weergeven</translation>
    </message>
    <message>
        <source>Notify me when a sync finishes</source>
        <translation>Melden wanneer een synchronisatie is voltooid</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exporteren...</translation>
    </message>
    <message>
        <source>Current status</source>
        <translation>Huidige status</translation>
    </message>
    <message>
        <source>Stop Backup</source>
        <translation>Back-up stoppen</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation>Bestanden in gebruik</translation>
    </message>
    <message>
        <source>Do not sync temporary files</source>
        <translation>Tijdelijke bestanden niet synchroniseren</translation>
    </message>
    <message>
        <source>Unable to unpack the installation package.</source>
        <translation>Kan het installatiepakket niet uitpakken.</translation>
    </message>
    <message>
        <source>The backup could not start because the server is offline.</source>
        <translation>De back-up kan niet worden gestart omdat de server offline is.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Enter a valid IP address.</source>
        <translation>Voer een geldig IP-adres in.</translation>
    </message>
    <message>
        <source>IP address, domain name or relay ID</source>
        <translation>IP-adres, domeinnaam of relay-ID</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Zondag</translation>
    </message>
    <message>
        <source>You do not have permission to use this service. Contact your system administrator.</source>
        <translation>U hebt geen toestemming om deze service te gebruiken. Neem contact op met uw systeembeheerder.</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>The backup is intact.</source>
        <translation>De back-up is intact.</translation>
    </message>
    <message>
        <source>Select at least one day.</source>
        <translation>Selecteer ten minste één dag.</translation>
    </message>
    <message>
        <source>%1 files were deleted from the sync folder. Do you also want to delete them from the server?</source>
        <translation>%1 bestanden zijn uit de synchronisatiemap verwijderd. Wilt u ze ook van de server verwijderen?</translation>
    </message>
    <message>
        <source>Certificate Warning</source>
        <translation>Certificaatwaarschuwing</translation>
    </message>
    <message>
        <source>Remember my password</source>
        <translation>Wachtwoord onthouden</translation>
    </message>
    <message>
        <source>Weekly schedule grid</source>
        <translation>Raster met weekschema</translation>
    </message>
    <message>
        <source>Enter a number between %1 and %2.</source>
        <translation>Voer een getal tussen %1 en %2 in.</translation>
    </message>
    <message>
        <source>The username or password you entered is incorrect.</source>
        <translation>De gebruikersnaam of het wachtwoord is onjuist.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Delen</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Venster weergeven</translation>
    </message>
    <message>
        <source>Backing up %1 of %2 files</source>
        <translation>Back-up van %1 van %2 bestanden</translation>
    </message>
    <message>
        <source>Keep only the latest versions</source>
        <translation>Alleen de nieuwste versies bewaren</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <translation>Er is onvoldoende vrije ruimte op de lokale schijf.</translation>
    </message>
    <message>
        <source>The file was changed both on this computer and on the server since the last sync.</source>
        <translation>Het bestand is sinds de laatste synchronisatie zowel op deze computer als op de server gewijzigd.</translation>
    </message>
    <message>
        <source>Everything is up to date</source>
        <translation>Alles is bijgewerkt</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Scan complete</source>
        <translation>Scan voltooid</translation>
    </message>
    <message>
        <source>Welcome to the [ProductName] Setup Wizard</source>
        <translation>Welkom bij de wizard Setup van [ProductName]</translation>
    </message>
    <message>
        <source>Choose how to sync</source>
        <translation>Kies hoe u wilt synchroniseren</translation>
    </message>
    <message>
        <source>Use * to match any characters and ? to match one character.</source>
        <translation>Gebruik * voor willekeurige tekens en ? voor één teken.</translation>
    </message>
    <message>
        <source>Ready to remove [ProductName]</source>
        <translation>Klaar om [ProductName] te verwijderen</translation>
    </message>
    <message>
        <source>Last run time</source>
        <translation>Laatst uitgevoerd</translation>
    </message>
    <message>
        <source>Backup finished with errors</source>
        <translation>Back-up voltooid met fouten</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <translation>Kies een map op deze computer</translation>
    </message>
    <message>
        <source>File name pattern</source>
        <translation>Patroon voor bestandsnaam</translation>
    </message>
    <message>
        <source>%1 servers found on your local network.</source>
        <translation>%1 servers gevonden op uw lokale netwerk.</translation>
    </message>
    <message>
        <source>Restart Later</source>
        <translation>Later opnieuw starten</translation>
    </message>
    <message>
        <source>Last sync</source>
        <translation>Laatste synchronisatie</translation>
    </message>
    <message>
        <source>Stop Sharing</source>
        <translation>Delen stoppen</translation>
    </message>
    <message>
        <source>Unable to connect to the server. Check your network connection and the server address.</source>
        <translation>Kan geen verbinding maken met de server. Controleer uw netwerkverbinding en het serveradres.</translation>
    </message>
</context>
</TS>
