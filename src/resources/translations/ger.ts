<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>The quota of destination shared folder has reached the system limit. Please change the quota limit on the server or contact the system administrator.</source>
        <translation>Das Kontingent des freigegebenen Zielordners hat das Systemlimit erreicht. Ändern Sie das Kontingent auf dem Server oder wenden Sie sich an den Systemadministrator.</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>Kennwort vergessen?</translation>
    </message>
    <message>
        <source>Field cannot exceed %1 numbers.</source>
        <translation>Das Feld darf höchstens %1 Ziffern enthalten.</translation>
    </message>
    <message>
        <source>Show or hide the password</source>
        <translation>Kennwort ein- oder ausblenden</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorieren</translation>
    </message>
    <message>
        <source>Verifying files...</source>
        <translation>Dateien werden überprüft...</translation>
    </message>
    <message>
        <source>Dismiss notification</source>
        <translation>Benachrichtigung schließen</translation>
    </message>
    <message>
        <source>Take Snapshot</source>
        <translation>Snapshot erstellen</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Upload queue</source>
        <translation>Upload-Warteschlange</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Sync Task</source>
        <translation>Synchronisierungsaufgabe</translation>
    </message>
    <message>
        <source>Starting services</source>
        <translation>Dienste werden gestartet</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation>Trotzdem fortfahren</translation>
    </message>
    <message>
        <source>%1 was not synced because it matches a filter rule.</source>
        <translation>%1 wurde nicht synchronisiert, da die Datei einer Filterregel entspricht.</translation>
    </message>
    <message>
        <source>Resume All</source>
        <translation>Alle fortsetzen</translation>
    </message>
    <message>
        <source>Local network only</source>
        <translation>Nur lokales Netzwerk</translation>
    </message>
    <message>
        <source>A relay connection can be slower than a direct connection.</source>
        <translation>Eine Relay-Verbindung kann langsamer sein als eine direkte Verbindung.</translation>
    </message>
    <message>
        <source>Encryption key</source>
        <translation>Verschlüsselungsschlüssel</translation>
    </message>
    <message>
        <source>Back up only when I start it manually</source>
        <translation>Nur sichern, wenn ich die Sicherung manuell starte</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Server: %1</source>
        <translation>Server: %1</translation>
    </message>
    <message>
        <source>Can view</source>
        <translation>Kann anzeigen</translation>
    </message>
    <message>
        <source>[ProductName] setup was interrupted. Your system has not been modified. To install this program at a later time, please run the installation again.</source>
        <translation>Das Setup von [ProductName] wurde unterbrochen. Ihr System wurde nicht geändert. Um dieses Programm später zu installieren, führen Sie die Installation erneut aus.</translation>
    </message>
    <message>
        <source>Connect to a server</source>
        <translation>Mit einem Server verbinden</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Proxy server requires a password</source>
        <translation>Proxyserver erfordert ein Kennwort</translation>
    </message>
    <message>
        <source>Field cannot exceed %1 characters.</source>
        <translation>Das Feld darf höchstens %1 Zeichen enthalten.</translation>
    </message>
    <message>
        <source>I &amp;accept the terms in the License Agreement</source>
        <translation>Ich &amp;akzeptiere die Bedingungen des Lizenzvertrags</translation>
    </message>
    <message>
        <source>Only the checked folders are synced to this computer.</source>
        <translation>Nur die markierten Ordner werden mit diesem Computer synchronisiert.</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>Die Sicherung ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation>Upgrade wird ausgeführt...</translation>
    </message>
    <message>
        <source>Pause syncing on metered connections</source>
        <translation>Synchronisierung bei getakteten Verbindungen anhalten</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Los geht's</translation>
    </message>
    <message>
        <source>Restore this version? The current version will be saved as a previous version.</source>
        <translation>Diese Version wiederherstellen? Die aktuelle Version wird als frühere Version gespeichert.</translation>
    </message>
    <message>
        <source>Updating %1...</source>
        <translation>%1 wird aktualisiert...</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Folders on a network drive cannot be synced.</source>
        <translation>Ordner auf einem Netzlaufwerk können nicht synchronisiert werden.</translation>
    </message>
    <message>
        <source>Restore Down</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Listenansicht</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Server im lokalen Netzwerk suchen</translation>
    </message>
    <message>
        <source>There are no previous versions of this file.</source>
        <translation>Von dieser Datei gibt es keine früheren Versionen.</translation>
    </message>
    <message>
        <source>Backup cancelled</source>
        <translation>Sicherung abgebrochen</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>Nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>Enter the encryption key to open this shared folder.</source>
        <translation>Geben Sie den Verschlüsselungsschlüssel ein, um diesen freigegebenen Ordner zu öffnen.</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Dateinamen</translation>
    </message>
    <message>
        <source>Do not sync files larger than</source>
        <translation>Keine Dateien synchronisieren, die größer sind als</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Restore Files</source>
        <translation>Dateien wiederherstellen</translation>
    </message>
    <message>
        <source>Files deleted on this computer are moved to the recycle bin of the shared folder on the server.</source>
        <translation>Auf diesem Computer gelöschte Dateien werden in den Papierkorb des freigegebenen Ordners auf dem Server verschoben.</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>&amp;Installieren</translation>
    </message>
    <message>
        <source>%1 files were skipped because they were in use.</source>
        <translation>%1 Dateien wurden übersprungen, weil sie in Verwendung waren.</translation>
    </message>
    <message>
        <source>The drive uses the FAT file system, which does not support files larger than 4 GB. Files over this size will not be synced.</source>
        <translation>Das Laufwerk verwendet das Dateisystem FAT, das keine Dateien über 4 GB unterstützt. Größere Dateien werden nicht synchronisiert.</translation>
    </message>
    <message>
        <source>%1 files were deleted on the server.</source>
        <translation>%1 Dateien wurden auf dem Server gelöscht.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Datenschutz</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Connected through the relay service</source>
        <translation>Über den Relay-Dienst verbunden</translation>
    </message>
    <message>
        <source>Connecting through the relay service...</source>
        <translation>Verbindung über den Relay-Dienst wird hergestellt...</translation>
    </message>
    <message>
        <source>Install [ProductName] to:</source>
        <translation>[ProductName] installieren in:</translation>
    </message>
    <message>
        <source>Email Notifications</source>
        <translation>E-Mail-Benachrichtigungen</translation>
    </message>
    <message>
        <source>Battery is low. Syncing has been paused.</source>
        <translation>Der Akkustand ist niedrig. Die Synchronisierung wurde angehalten.</translation>
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
        <translation>Es gibt bereits eine Aufgabe mit diesem Namen.</translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely</source>
        <translation>Der Setup-Assistent für [ProductName] wurde vorzeitig beendet</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Dieser Computer</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Connection status</source>
        <translation>Verbindungsstatus</translation>
    </message>
    <message>
        <source>The sync service could not be started.</source>
        <translation>Der Synchronisierungsdienst konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Rolling back action:</source>
        <translation>Aktion wird rückgängig gemacht:</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Verbindung mit %1 wird hergestellt...</translation>
    </message>
    <message>
        <source>Domain user</source>
        <translation>Domänenbenutzer</translation>
    </message>
    <message>
        <source>Hide Details</source>
        <translation>Details ausblenden</translation>
    </message>
    <message>
        <source>About Quenmark Zelto Client</source>
        <translation>Über Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Auf dem neuesten Stand</translation>
    </message>
    <message>
        <source>Notify me about conflicts</source>
        <translation>Bei Konflikten benachrichtigen</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client</source>
        <translation>Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Remove saved account</source>
        <translation>Gespeichertes Konto entfernen</translation>
    </message>
    <message>
        <source>Restore to</source>
        <translation>Wiederherstellen nach</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Computername</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The path of the folder is too long.</source>
        <translation>Der Pfad des Ordners ist zu lang.</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Später erinnern</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>TB</translation>
    </message>
    <message>
        <source>This account has expired. Contact your system administrator.</source>
        <translation>Dieses Konto ist abgelaufen. Wenden Sie sich an Ihren Systemadministrator.</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Verschlüsselung</translation>
    </message>
    <message>
        <source>Clear Cache</source>
        <translation>Cache leeren</translation>
    </message>
    <message>
        <source>Release Notes</source>
        <translation>Versionshinweise</translation>
    </message>
    <message>
        <source>The installation failed. Please reinstall Quenmark Zelto Client.</source>
        <translation>Die Installation ist fehlgeschlagen. Bitte installieren Sie Quenmark Zelto Client erneut.</translation>
    </message>
    <message>
        <source>No access</source>
        <translation>Kein Zugriff</translation>
    </message>
    <message>
        <source>Local path</source>
        <translation>Lokaler Pfad</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Save Report...</source>
        <translation>Bericht speichern...</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Connect with HTTPS (recommended)</source>
        <translation>Über HTTPS verbinden (empfohlen)</translation>
    </message>
    <message>
        <source>Unable to install the update.</source>
        <translation>Das Update kann nicht installiert werden.</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>The Setup Wizard will update the installed [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>Der Setup-Assistent aktualisiert das installierte [ProductName] auf Ihrem Computer. Klicken Sie auf Weiter, um fortzufahren, oder auf Abbrechen, um den Setup-Assistenten zu beenden.</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>Konflikt</translation>
    </message>
    <message>
        <source>Folder on server</source>
        <translation>Ordner auf dem Server</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Search file names</source>
        <translation>Dateinamen durchsuchen</translation>
    </message>
    <message>
        <source>Restart File Manager</source>
        <translation>Dateimanager neu starten</translation>
    </message>
    <message>
        <source>Verify Backup</source>
        <translation>Sicherung überprüfen</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Neuer Name</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Download speed</source>
        <translation>Downloadgeschwindigkeit</translation>
    </message>
    <message>
        <source>Issued by</source>
        <translation>Ausgestellt von</translation>
    </message>
    <message>
        <source>Click Remove to remove [ProductName] from your computer. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Klicken Sie auf Entfernen, um [ProductName] von Ihrem Computer zu entfernen. Klicken Sie auf Zurück, um Ihre Installationseinstellungen zu überprüfen oder zu ändern. Klicken Sie auf Abbrechen, um den Assistenten zu beenden.</translation>
    </message>
    <message>
        <source>Show all server files on this computer and download them only when you open them, saving local disk space.</source>
        <translation>Zeigt alle Serverdateien auf diesem Computer an und lädt sie erst beim Öffnen herunter. So sparen Sie lokalen Speicherplatz.</translation>
    </message>
    <message>
        <source>Destination folder on server</source>
        <translation>Zielordner auf dem Server</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>There is not enough free space on the server.</source>
        <translation>Auf dem Server ist nicht genügend Speicherplatz frei.</translation>
    </message>
    <message>
        <source>You need administrator privileges to install [ProductName]. Sign in as an administrator and run the setup again.</source>
        <translation>Zum Installieren von [ProductName] benötigen Sie Administratorrechte. Melden Sie sich als Administrator an und führen Sie das Setup erneut aus.</translation>
    </message>
    <message>
        <source>A test email has been sent.</source>
        <translation>Eine Test-E-Mail wurde gesendet.</translation>
    </message>
    <message>
        <source>Enter a name for the task.</source>
        <translation>Geben Sie einen Namen für die Aufgabe ein.</translation>
    </message>
    <message>
        <source>Syncing %1 of %2 files</source>
        <translation>%1 von %2 Dateien werden synchronisiert</translation>
    </message>
    <message>
        <source>Add Rule</source>
        <translation>Regel hinzufügen</translation>
    </message>
    <message>
        <source>Password field</source>
        <translation>Feld für das Kennwort</translation>
    </message>
    <message>
        <source>File Conflict</source>
        <translation>Dateikonflikt</translation>
    </message>
    <message>
        <source>Moving your settings to the new version...</source>
        <translation>Ihre Einstellungen werden in die neue Version übernommen...</translation>
    </message>
    <message>
        <source>Folders on a removable drive cannot be synced.</source>
        <translation>Ordner auf einem Wechseldatenträger können nicht synchronisiert werden.</translation>
    </message>
    <message>
        <source>Backup Task</source>
        <translation>Sicherungsaufgabe</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Protokollordner öffnen</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Compress data during transfer</source>
        <translation>Daten bei der Übertragung komprimieren</translation>
    </message>
    <message>
        <source>Backups run automatically at the times you choose. A running backup is not interrupted when its time slot ends.</source>
        <translation>Sicherungen werden automatisch zu den gewählten Zeiten ausgeführt. Eine laufende Sicherung wird am Ende ihres Zeitfensters nicht unterbrochen.</translation>
    </message>
    <message>
        <source>Export Settings...</source>
        <translation>Einstellungen exportieren...</translation>
    </message>
    <message>
        <source>A conflict was found in %1. Both versions have been kept.</source>
        <translation>In %1 wurde ein Konflikt gefunden. Beide Versionen wurden beibehalten.</translation>
    </message>
    <message>
        <source>Start Quenmark Zelto Client when I sign in</source>
        <translation>Quenmark Zelto Client beim Anmelden starten</translation>
    </message>
    <message>
        <source>Copying new files</source>
        <translation>Neue Dateien werden kopiert</translation>
    </message>
    <message>
        <source>Contact your system administrator.</source>
        <translation>Wenden Sie sich an Ihren Systemadministrator.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Create Sharing Link</source>
        <translation>Freigabelink erstellen</translation>
    </message>
    <message>
        <source>The sync service stopped unexpectedly.</source>
        <translation>Der Synchronisierungsdienst wurde unerwartet beendet.</translation>
    </message>
    <message>
        <source>The background service is running.</source>
        <translation>Der Hintergrunddienst wird ausgeführt.</translation>
    </message>
    <message>
        <source>Folders you uncheck will be removed from this computer but stay on the server.</source>
        <translation>Ordner, deren Markierung Sie entfernen, werden von diesem Computer entfernt, bleiben aber auf dem Server.</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Speicherort</translation>
    </message>
    <message>
        <source>Always trust this certificate</source>
        <translation>Diesem Zertifikat immer vertrauen</translation>
    </message>
    <message>
        <source>Files are synced into this folder. You can pick an empty folder or a folder that already holds files.</source>
        <translation>Dateien werden in diesen Ordner synchronisiert. Sie können einen leeren Ordner oder einen Ordner mit vorhandenen Dateien wählen.</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>The task has been removed.</source>
        <translation>Die Aufgabe wurde entfernt.</translation>
    </message>
    <message>
        <source>Local folder path field</source>
        <translation>Feld für den Pfad des lokalen Ordners</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client %1 is available. You have version %2.</source>
        <translation>Quenmark Zelto Client %1 ist verfügbar. Sie haben Version %2.</translation>
    </message>
    <message>
        <source>Original location</source>
        <translation>Ursprünglicher Speicherort</translation>
    </message>
    <message>
        <source>Space needed: %1</source>
        <translation>Benötigter Speicherplatz: %1</translation>
    </message>
    <message>
        <source>Every hour</source>
        <translation>Stündlich</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Modified by</source>
        <translation>Geändert von</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>Byte</translation>
    </message>
    <message>
        <source>%1 was added.</source>
        <translation>%1 wurde hinzugefügt.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Drag files here to upload them.</source>
        <translation>Ziehen Sie Dateien hierher, um sie hochzuladen.</translation>
    </message>
    <message>
        <source>Smart retention</source>
        <translation>Intelligente Aufbewahrung</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>Your password has expired. Change it on the server, then sign in again.</source>
        <translation>Ihr Kennwort ist abgelaufen. Ändern Sie es auf dem Server und melden Sie sich erneut an.</translation>
    </message>
    <message>
        <source>The proxy server requires authentication.</source>
        <translation>Der Proxyserver erfordert eine Authentifizierung.</translation>
    </message>
    <message>
        <source>Prefer IPv6</source>
        <translation>IPv6 bevorzugen</translation>
    </message>
    <message>
        <source>Select Folders...</source>
        <translation>Ordner auswählen...</translation>
    </message>
    <message>
        <source>The logs have been saved to %1.</source>
        <translation>Die Protokolle wurden unter %1 gespeichert.</translation>
    </message>
    <message>
        <source>Connected through the local network</source>
        <translation>Über das lokale Netzwerk verbunden</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>A new version of Quenmark Zelto Client is available.</source>
        <translation>Eine neue Version von Quenmark Zelto Client ist verfügbar.</translation>
    </message>
    <message>
        <source>No recent changes</source>
        <translation>Keine Änderungen in letzter Zeit</translation>
    </message>
    <message>
        <source>Syncing is paused</source>
        <translation>Die Synchronisierung ist angehalten</translation>
    </message>
    <message>
        <source>Keep Files</source>
        <translation>Dateien behalten</translation>
    </message>
    <message>
        <source>Manage Tasks</source>
        <translation>Aufgaben verwalten</translation>
    </message>
    <message>
        <source>Free Up Space</source>
        <translation>Speicherplatz freigeben</translation>
    </message>
    <message>
        <source>Desktop shortcut</source>
        <translation>Desktopverknüpfung</translation>
    </message>
    <message>
        <source>[ProductName] cannot be installed on this version of the operating system.</source>
        <translation>[ProductName] kann auf dieser Version des Betriebssystems nicht installiert werden.</translation>
    </message>
    <message>
        <source>No entries match your search.</source>
        <translation>Keine Einträge entsprechen Ihrer Suche.</translation>
    </message>
    <message>
        <source>Show tips at startup</source>
        <translation>Tipps beim Start anzeigen</translation>
    </message>
    <message>
        <source>Last backup failed %1</source>
        <translation>Letzte Sicherung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>You must restart your system for the configuration changes made to [ProductName] to take effect. Click Yes to restart now or No if you plan to restart later.</source>
        <translation>Sie müssen Ihr System neu starten, damit die an [ProductName] vorgenommenen Konfigurationsänderungen wirksam werden. Klicken Sie auf Ja, um jetzt neu zu starten, oder auf Nein, wenn Sie später neu starten möchten.</translation>
    </message>
    <message>
        <source>&amp;Close the applications and attempt to restart them.</source>
        <translation>Anwendungen &amp;schließen und versuchen, sie neu zu starten.</translation>
    </message>
    <message>
        <source>An unknown error occurred. Please try again later.</source>
        <translation>Ein unbekannter Fehler ist aufgetreten. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Tell us what went wrong or what you would like to see improved.</source>
        <translation>Teilen Sie uns mit, was nicht funktioniert hat oder was wir verbessern sollen.</translation>
    </message>
    <message>
        <source>Default port</source>
        <translation>Standardport</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>Neuen Ordner erstellen</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>Dieser Ordner ist leer.</translation>
    </message>
    <message>
        <source>Copied to the clipboard</source>
        <translation>In die Zwischenablage kopiert</translation>
    </message>
    <message>
        <source>Change, repair, or remove installation</source>
        <translation>Installation ändern, reparieren oder entfernen</translation>
    </message>
    <message>
        <source>Unable to open the local database.</source>
        <translation>Die lokale Datenbank kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Back Up This Folder</source>
        <translation>Diesen Ordner sichern</translation>
    </message>
    <message>
        <source>Add Account...</source>
        <translation>Konto hinzufügen...</translation>
    </message>
    <message>
        <source>Do this for all conflicts</source>
        <translation>Für alle Konflikte übernehmen</translation>
    </message>
    <message>
        <source>View Issues</source>
        <translation>Probleme anzeigen</translation>
    </message>
    <message>
        <source>The highlighted volumes do not have enough disk space available for the currently selected features. You can remove some files from the highlighted volumes, or cancel the installation.</source>
        <translation>Auf den markierten Volumes ist für die ausgewählten Funktionen nicht genügend Speicherplatz verfügbar. Sie können Dateien von den markierten Volumes entfernen oder die Installation abbrechen.</translation>
    </message>
    <message>
        <source>Fine-tune what is synced. You can change these options later in Settings.</source>
        <translation>Legen Sie fest, was synchronisiert wird. Sie können diese Optionen später in den Einstellungen ändern.</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>Do you want to sign out? All sync tasks of this account will stop.</source>
        <translation>Möchten Sie sich abmelden? Alle Synchronisierungsaufgaben dieses Kontos werden gestoppt.</translation>
    </message>
    <message>
        <source>Notify me when others change shared files</source>
        <translation>Benachrichtigen, wenn andere freigegebene Dateien ändern</translation>
    </message>
    <message>
        <source>Click Next to install to the default folder or click Change to choose another.</source>
        <translation>Klicken Sie auf Weiter, um in den Standardordner zu installieren, oder auf Ändern, um einen anderen Ordner zu wählen.</translation>
    </message>
    <message>
        <source>Previous Versions</source>
        <translation>Frühere Versionen</translation>
    </message>
    <message>
        <source>I lost my authentication device</source>
        <translation>Ich habe mein Authentifizierungsgerät verloren</translation>
    </message>
    <message>
        <source>Enter the address of the server you want to sync with.</source>
        <translation>Geben Sie die Adresse des Servers ein, mit dem Sie synchronisieren möchten.</translation>
    </message>
    <message>
        <source>Check file consistency after sync</source>
        <translation>Dateikonsistenz nach der Synchronisierung prüfen</translation>
    </message>
    <message>
        <source>The identity of the server has changed. If you did not expect this, someone may be intercepting your connection.</source>
        <translation>Die Identität des Servers hat sich geändert. Wenn Sie das nicht erwartet haben, versucht möglicherweise jemand, Ihre Verbindung abzufangen.</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Verlauf löschen</translation>
    </message>
    <message>
        <source>Quit Quenmark Zelto Client</source>
        <translation>Quenmark Zelto Client beenden</translation>
    </message>
    <message>
        <source>Server folder path field</source>
        <translation>Feld für den Pfad des Serverordners</translation>
    </message>
    <message>
        <source>Remove Folder</source>
        <translation>Ordner entfernen</translation>
    </message>
    <message>
        <source>Opened %1 times</source>
        <translation>%1-mal geöffnet</translation>
    </message>
    <message>
        <source>%1 files backed up, %2 skipped</source>
        <translation>%1 Dateien gesichert, %2 übersprungen</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Sicherung läuft...</translation>
    </message>
    <message>
        <source>Do you want to disconnect this computer from %1?</source>
        <translation>Möchten Sie die Verbindung dieses Computers mit %1 trennen?</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Show the sync folder in the file manager sidebar</source>
        <translation>Synchronisierungsordner in der Seitenleiste des Dateimanagers anzeigen</translation>
    </message>
    <message>
        <source>Run Diagnostics</source>
        <translation>Diagnose ausführen</translation>
    </message>
    <message>
        <source>Notify me about errors</source>
        <translation>Bei Fehlern benachrichtigen</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>Ä&amp;ndern...</translation>
    </message>
    <message>
        <source>Separate extensions with commas, for example tmp, bak</source>
        <translation>Trennen Sie Erweiterungen durch Kommas, zum Beispiel tmp, bak</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Leerlauf</translation>
    </message>
    <message>
        <source>Scanning files on the server...</source>
        <translation>Dateien auf dem Server werden durchsucht...</translation>
    </message>
    <message>
        <source>Keep history for %1 days</source>
        <translation>Verlauf %1 Tage lang aufbewahren</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>Der Vorgang ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>Restart Now</source>
        <translation>Jetzt neu starten</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Unable to connect through the proxy server.</source>
        <translation>Über den Proxyserver ist keine Verbindung möglich.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>%1 wird heruntergeladen</translation>
    </message>
    <message>
        <source>Delete Files</source>
        <translation>Dateien löschen</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Access from your IP address has been denied by the server. Contact the system administrator.</source>
        <translation>Der Zugriff von Ihrer IP-Adresse wurde vom Server verweigert. Wenden Sie sich an den Systemadministrator.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Import Settings...</source>
        <translation>Einstellungen importieren...</translation>
    </message>
    <message>
        <source>There is not enough memory to complete the operation.</source>
        <translation>Nicht genügend Arbeitsspeicher, um den Vorgang abzuschließen.</translation>
    </message>
    <message>
        <source>Unable to load the settings. Default settings will be used.</source>
        <translation>Die Einstellungen können nicht geladen werden. Es werden die Standardeinstellungen verwendet.</translation>
    </message>
    <message>
        <source>The server is busy. Please try again later.</source>
        <translation>Der Server ist ausgelastet. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Bandbreite</translation>
    </message>
    <message>
        <source>Low disk space</source>
        <translation>Wenig Speicherplatz</translation>
    </message>
    <message>
        <source>Verifying backup...</source>
        <translation>Sicherung wird überprüft...</translation>
    </message>
    <message>
        <source>Running diagnostics...</source>
        <translation>Diagnose wird ausgeführt...</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Skip existing files</source>
        <translation>Vorhandene Dateien überspringen</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Files already in it will be merged with the files on the server.</source>
        <translation>Der ausgewählte Ordner ist nicht leer. Die darin enthaltenen Dateien werden mit den Dateien auf dem Server zusammengeführt.</translation>
    </message>
    <message>
        <source>SOCKS5</source>
        <translation>SOCKS5</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Your IP address has been blocked for %1 minutes.</source>
        <translation>Zu viele fehlgeschlagene Anmeldeversuche. Ihre IP-Adresse wurde für %1 Minuten gesperrt.</translation>
    </message>
    <message>
        <source>Limit to</source>
        <translation>Begrenzen auf</translation>
    </message>
    <message>
        <source>Show a pop-up message</source>
        <translation>Popup-Meldung anzeigen</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>Two-step verification</source>
        <translation>Bestätigung in zwei Schritten</translation>
    </message>
    <message>
        <source>Ready to repair [ProductName]</source>
        <translation>Bereit zur Reparatur von [ProductName]</translation>
    </message>
    <message>
        <source>The source folder %1 could not be found. Connect the drive or remove the folder from the backup.</source>
        <translation>Der Quellordner %1 wurde nicht gefunden. Schließen Sie das Laufwerk an oder entfernen Sie den Ordner aus der Sicherung.</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>The end time must be later than the start time.</source>
        <translation>Die Endzeit muss nach der Startzeit liegen.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Verfügbar</translation>
    </message>
    <message>
        <source>Enable debug logging</source>
        <translation>Debugprotokollierung aktivieren</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics to help improve the product</source>
        <translation>Anonyme Nutzungsstatistiken senden, um das Produkt zu verbessern</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Suche löschen</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Kennwort anzeigen</translation>
    </message>
    <message>
        <source>The link was created.</source>
        <translation>Der Link wurde erstellt.</translation>
    </message>
    <message>
        <source>This server has no shared folder you can access. Ask the administrator for permission.</source>
        <translation>Auf diesem Server gibt es keinen freigegebenen Ordner, auf den Sie zugreifen können. Bitten Sie den Administrator um eine Berechtigung.</translation>
    </message>
    <message>
        <source>The background service is not running.</source>
        <translation>Der Hintergrunddienst wird nicht ausgeführt.</translation>
    </message>
    <message>
        <source>Restore files as they were on</source>
        <translation>Dateien in dem Zustand wiederherstellen vom</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs [ProductName].</source>
        <translation>Bitte warten Sie, während der Setup-Assistent [ProductName] installiert.</translation>
    </message>
    <message>
        <source>Syncing is paused on a metered connection.</source>
        <translation>Die Synchronisierung ist bei einer getakteten Verbindung angehalten.</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>This rule already exists.</source>
        <translation>Diese Regel ist bereits vorhanden.</translation>
    </message>
    <message>
        <source>List of recent file changes</source>
        <translation>Liste der letzten Dateiänderungen</translation>
    </message>
    <message>
        <source>Team Folders</source>
        <translation>Teamordner</translation>
    </message>
    <message>
        <source>Remove the selected task</source>
        <translation>Ausgewählte Aufgabe entfernen</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>Aktuelles Kennwort</translation>
    </message>
    <message>
        <source>Same as the system</source>
        <translation>Wie im System</translation>
    </message>
    <message>
        <source>Review the settings below, then click Done to start syncing.</source>
        <translation>Überprüfen Sie die Einstellungen unten und klicken Sie dann auf Fertig, um die Synchronisierung zu starten.</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Diagnose</translation>
    </message>
    <message>
        <source>Unable to read %1.</source>
        <translation>%1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>Synchronisierung abgeschlossen</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Start minimized to the notification area</source>
        <translation>Minimiert im Benachrichtigungsbereich starten</translation>
    </message>
    <message>
        <source>This wizard helps you connect this computer to your server and choose which folders to keep in sync.</source>
        <translation>Mit diesem Assistenten verbinden Sie diesen Computer mit Ihrem Server und wählen aus, welche Ordner synchronisiert werden.</translation>
    </message>
    <message>
        <source>You are using the latest version.</source>
        <translation>Sie verwenden die neueste Version.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached.</source>
        <translation>Ihr Speicherkontingent auf dem Server ist ausgeschöpft.</translation>
    </message>
    <message>
        <source>Show Toolbar</source>
        <translation>Symbolleiste anzeigen</translation>
    </message>
    <message>
        <source>%1 changes are waiting to be synced.</source>
        <translation>%1 Änderungen warten auf die Synchronisierung.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Do you want to remove Quenmark Zelto Client and all of its components?</source>
        <translation>Möchten Sie Quenmark Zelto Client und alle zugehörigen Komponenten entfernen?</translation>
    </message>
    <message>
        <source>I accept the terms of the license agreement</source>
        <translation>Ich akzeptiere die Bedingungen des Lizenzvertrags</translation>
    </message>
    <message>
        <source>System folders cannot be synced. Choose another folder.</source>
        <translation>Systemordner können nicht synchronisiert werden. Wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>Launch at startup</source>
        <translation>Beim Systemstart ausführen</translation>
    </message>
    <message>
        <source>Two-step verification is required for this account.</source>
        <translation>Für dieses Konto ist eine Bestätigung in zwei Schritten erforderlich.</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>Rebuild Database</source>
        <translation>Datenbank neu aufbauen</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>The connection to the server timed out.</source>
        <translation>Zeitüberschreitung bei der Verbindung zum Server.</translation>
    </message>
    <message>
        <source>Internet access</source>
        <translation>Internetzugriff</translation>
    </message>
    <message>
        <source>Show Quenmark Zelto Client items in the file manager context menu</source>
        <translation>Einträge von Quenmark Zelto Client im Kontextmenü des Dateimanagers anzeigen</translation>
    </message>
    <message>
        <source>&amp;Repair</source>
        <translation>&amp;Reparieren</translation>
    </message>
    <message>
        <source>Select the files and folders to restore.</source>
        <translation>Wählen Sie die wiederherzustellenden Dateien und Ordner aus.</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Cache</translation>
    </message>
    <message>
        <source>%1 is a reserved name and cannot be used.</source>
        <translation>%1 ist ein reservierter Name und kann nicht verwendet werden.</translation>
    </message>
    <message>
        <source>%1 was updated.</source>
        <translation>%1 wurde aktualisiert.</translation>
    </message>
    <message>
        <source>SMTP server</source>
        <translation>SMTP-Server</translation>
    </message>
    <message>
        <source>No file has been synced yet.</source>
        <translation>Es wurde noch keine Datei synchronisiert.</translation>
    </message>
    <message>
        <source>Open Web Portal</source>
        <translation>Webportal öffnen</translation>
    </message>
    <message>
        <source>Background service</source>
        <translation>Hintergrunddienst</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>View Certificate</source>
        <translation>Zertifikat anzeigen</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Not synced</source>
        <translation>Nicht synchronisiert</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Onlinehilfe</translation>
    </message>
    <message>
        <source>The server name could not be resolved.</source>
        <translation>Der Servername konnte nicht aufgelöst werden.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>The link could not be copied.</source>
        <translation>Der Link konnte nicht kopiert werden.</translation>
    </message>
    <message>
        <source>Run a missed backup when the computer starts</source>
        <translation>Verpasste Sicherung beim Start des Computers nachholen</translation>
    </message>
    <message>
        <source>Every %1 hours</source>
        <translation>Alle %1 Stunden</translation>
    </message>
    <message>
        <source>Out of Disk Space</source>
        <translation>Nicht genügend Speicherplatz</translation>
    </message>
    <message>
        <source>The link has been copied to the clipboard.</source>
        <translation>Der Link wurde in die Zwischenablage kopiert.</translation>
    </message>
    <message>
        <source>Open settings</source>
        <translation>Einstellungen öffnen</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel [ProductName] installation?</source>
        <translation>Möchten Sie die Installation von [ProductName] wirklich abbrechen?</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Enter a port number between 1 and 65535.</source>
        <translation>Geben Sie eine Portnummer zwischen 1 und 65535 ein.</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Disk Size</source>
        <translation>Datenträgergröße</translation>
    </message>
    <message>
        <source>This version of the file is no longer available.</source>
        <translation>Diese Version der Datei ist nicht mehr verfügbar.</translation>
    </message>
    <message>
        <source>Hide Window</source>
        <translation>Fenster ausblenden</translation>
    </message>
    <message>
        <source>Remove Rule</source>
        <translation>Regel entfernen</translation>
    </message>
    <message>
        <source>Your session has expired. Please sign in again.</source>
        <translation>Ihre Sitzung ist abgelaufen. Bitte melden Sie sich erneut an.</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Domäne</translation>
    </message>
    <message>
        <source>Symbolic links are not synced.</source>
        <translation>Symbolische Links werden nicht synchronisiert.</translation>
    </message>
    <message>
        <source>Create Backup Task</source>
        <translation>Sicherungsaufgabe erstellen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Overwrite existing files</source>
        <translation>Vorhandene Dateien überschreiben</translation>
    </message>
    <message>
        <source>Unpacking %1...</source>
        <translation>%1 wird entpackt...</translation>
    </message>
    <message>
        <source>Keep the files in a folder on this computer and a folder on the server identical. Changes on either side are applied to the other.</source>
        <translation>Hält die Dateien in einem Ordner auf diesem Computer und einem Ordner auf dem Server identisch. Änderungen auf einer Seite werden auf die andere übertragen.</translation>
    </message>
    <message>
        <source>Select the type of task you want to create. You can add more tasks later.</source>
        <translation>Wählen Sie die Art der Aufgabe, die Sie erstellen möchten. Weitere Aufgaben können Sie später hinzufügen.</translation>
    </message>
    <message>
        <source>Rename Task</source>
        <translation>Aufgabe umbenennen</translation>
    </message>
    <message>
        <source>Change Password...</source>
        <translation>Kennwort ändern...</translation>
    </message>
    <message>
        <source>Syncing is paused to save battery power.</source>
        <translation>Die Synchronisierung wurde angehalten, um Akkustrom zu sparen.</translation>
    </message>
    <message>
        <source>The Setup Wizard will install [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>Der Setup-Assistent installiert [ProductName] auf Ihrem Computer. Klicken Sie auf Weiter, um fortzufahren, oder auf Abbrechen, um den Setup-Assistenten zu beenden.</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Berechtigungen</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Im Ordner anzeigen</translation>
    </message>
    <message>
        <source>Keep file versions</source>
        <translation>Dateiversionen aufbewahren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>The connection to the server was lost. Syncing will resume when the connection is restored.</source>
        <translation>Die Verbindung zum Server wurde unterbrochen. Die Synchronisierung wird fortgesetzt, sobald die Verbindung wiederhergestellt ist.</translation>
    </message>
    <message>
        <source>The shared folder is encrypted and has not been mounted on the server.</source>
        <translation>Der freigegebene Ordner ist verschlüsselt und wurde auf dem Server nicht eingebunden.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client - %1</source>
        <translation>Quenmark Zelto Client - %1</translation>
    </message>
    <message>
        <source>The version of the server is too old. Update the server to version %1 or later.</source>
        <translation>Die Serverversion ist zu alt. Aktualisieren Sie den Server auf Version %1 oder höher.</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Ordner hinzufügen...</translation>
    </message>
    <message>
        <source>Restored</source>
        <translation>Wiederhergestellt</translation>
    </message>
    <message>
        <source>Reconnecting in %1 seconds...</source>
        <translation>Erneuter Verbindungsversuch in %1 Sekunden...</translation>
    </message>
    <message>
        <source>Unable to connect through the proxy server %1.</source>
        <translation>Über den Proxyserver %1 ist keine Verbindung möglich.</translation>
    </message>
    <message>
        <source>Protect with a password</source>
        <translation>Mit Kennwort schützen</translation>
    </message>
    <message>
        <source>Enter a rate between 1 and 1048576 KB/s.</source>
        <translation>Geben Sie eine Rate zwischen 1 und 1048576 KB/s ein.</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Softwareaktualisierung</translation>
    </message>
    <message>
        <source>Please wait while the installer finishes determining your disk space requirements.</source>
        <translation>Bitte warten Sie, während das Installationsprogramm den Speicherplatzbedarf ermittelt.</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>The rule %1 is not valid.</source>
        <translation>Die Regel %1 ist ungültig.</translation>
    </message>
    <message>
        <source>Deleted files can be restored from the recycle bin of the shared folder.</source>
        <translation>Gelöschte Dateien können aus dem Papierkorb des freigegebenen Ordners wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Unbegrenzt</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>%1 is initializing...</source>
        <translation>%1 wird initialisiert...</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client main window</source>
        <translation>Hauptfenster von Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Unable to write %1.</source>
        <translation>%1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Log level</source>
        <translation>Protokollebene</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Kennwort</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Hochladen</translation>
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
        <translation>Alle anhalten</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Prevent the computer from sleeping while syncing</source>
        <translation>Ruhezustand des Computers während der Synchronisierung verhindern</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Serveradresse</translation>
    </message>
    <message>
        <source>Browse to the destination folder</source>
        <translation>Navigieren Sie zum Zielordner.</translation>
    </message>
    <message>
        <source>Do you want to clear the history? This does not affect your files.</source>
        <translation>Möchten Sie den Verlauf löschen? Ihre Dateien sind davon nicht betroffen.</translation>
    </message>
    <message>
        <source>Remove old data</source>
        <translation>Alte Daten entfernen</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Angemeldet bleiben</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>In der Warteschlange</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Jetzt aktualisieren</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>The selected file does not contain valid settings.</source>
        <translation>Die ausgewählte Datei enthält keine gültigen Einstellungen.</translation>
    </message>
    <message>
        <source>The password is too weak.</source>
        <translation>Das Kennwort ist zu schwach.</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard repairs [ProductName].</source>
        <translation>Bitte warten Sie, während der Setup-Assistent [ProductName] repariert.</translation>
    </message>
    <message>
        <source>For example: tmp, log, iso</source>
        <translation>Zum Beispiel: tmp, log, iso</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Es konnte keine sichere Verbindung zum Server hergestellt werden.</translation>
    </message>
    <message>
        <source>Pause the selected task</source>
        <translation>Ausgewählte Aufgabe anhalten</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>Betriebssystem</translation>
    </message>
    <message>
        <source>Do you want to remove the task %1? The files in the folders will not be deleted.</source>
        <translation>Möchten Sie die Aufgabe %1 entfernen? Die Dateien in den Ordnern werden nicht gelöscht.</translation>
    </message>
    <message>
        <source>[ProductName] Setup</source>
        <translation>[ProductName]-Setup</translation>
    </message>
    <message>
        <source>This account has been disabled. Contact your system administrator.</source>
        <translation>Dieses Konto wurde deaktiviert. Wenden Sie sich an Ihren Systemadministrator.</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
    <message>
        <source>The verification code is incorrect or has expired.</source>
        <translation>Der Bestätigungscode ist falsch oder abgelaufen.</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>Protokolle</translation>
    </message>
    <message>
        <source>List of sync and backup tasks</source>
        <translation>Liste der Synchronisierungs- und Sicherungsaufgaben</translation>
    </message>
    <message>
        <source>Keep up to %1 versions of each file</source>
        <translation>Bis zu %1 Versionen jeder Datei aufbewahren</translation>
    </message>
    <message>
        <source>%1 will be synced with %2.</source>
        <translation>%1 wird mit %2 synchronisiert.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Syncing %1</source>
        <translation>%1 wird synchronisiert</translation>
    </message>
    <message>
        <source>Free space</source>
        <translation>Freier Speicherplatz</translation>
    </message>
    <message>
        <source>Your feedback could not be sent. Please try again later.</source>
        <translation>Ihr Feedback konnte nicht gesendet werden. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>File manager integration</source>
        <translation>Dateimanager-Integration</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Neues Kennwort</translation>
    </message>
    <message>
        <source>Sign In with SSO</source>
        <translation>Mit SSO anmelden</translation>
    </message>
    <message>
        <source>My Files</source>
        <translation>Meine Dateien</translation>
    </message>
    <message>
        <source>Sync new folders automatically</source>
        <translation>Neue Ordner automatisch synchronisieren</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Enter the 6-digit code from your authenticator app.</source>
        <translation>Geben Sie den 6-stelligen Code aus Ihrer Authentifizierungs-App ein.</translation>
    </message>
    <message>
        <source>Right-click a file for more options.</source>
        <translation>Klicken Sie mit der rechten Maustaste auf eine Datei, um weitere Optionen anzuzeigen.</translation>
    </message>
    <message>
        <source>Server version</source>
        <translation>Serverversion</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client was removed from your computer.</source>
        <translation>Quenmark Zelto Client wurde von Ihrem Computer entfernt.</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Ordnername</translation>
    </message>
    <message>
        <source>You have no tasks yet. Click Create Task to sync or back up a folder.</source>
        <translation>Sie haben noch keine Aufgaben. Klicken Sie auf Aufgabe erstellen, um einen Ordner zu synchronisieren oder zu sichern.</translation>
    </message>
    <message>
        <source>Indexing files...</source>
        <translation>Dateien werden indiziert...</translation>
    </message>
    <message>
        <source>Verification code field</source>
        <translation>Feld für den Bestätigungscode</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>Backup started</source>
        <translation>Sicherung gestartet</translation>
    </message>
    <message>
        <source>The sync folder %1 was moved or deleted. Syncing has stopped for this task.</source>
        <translation>Der Synchronisierungsordner %1 wurde verschoben oder gelöscht. Die Synchronisierung dieser Aufgabe wurde beendet.</translation>
    </message>
    <message>
        <source>The file was damaged during transfer and will be downloaded again.</source>
        <translation>Die Datei wurde bei der Übertragung beschädigt und wird erneut heruntergeladen.</translation>
    </message>
    <message>
        <source>You have reached the maximum number of tasks (%1).</source>
        <translation>Sie haben die maximale Anzahl an Aufgaben (%1) erreicht.</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Icon View</source>
        <translation>Symbolansicht</translation>
    </message>
    <message>
        <source>Backup finished</source>
        <translation>Sicherung abgeschlossen</translation>
    </message>
    <message>
        <source>Starting %1 for the first time. This may take a minute.</source>
        <translation>%1 wird zum ersten Mal gestartet. Dies kann einen Moment dauern.</translation>
    </message>
    <message>
        <source>Server path</source>
        <translation>Serverpfad</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Kennwort ändern</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Sync file permissions and timestamps</source>
        <translation>Dateiberechtigungen und Zeitstempel synchronisieren</translation>
    </message>
    <message>
        <source>Syncing will stop when you quit. Quit Quenmark Zelto Client anyway?</source>
        <translation>Beim Beenden wird die Synchronisierung gestoppt. Quenmark Zelto Client trotzdem beenden?</translation>
    </message>
    <message>
        <source>Hidden files</source>
        <translation>Versteckte Dateien</translation>
    </message>
    <message>
        <source>The folder cannot be inside or contain a folder that is already synced.</source>
        <translation>Der Ordner darf weder in einem bereits synchronisierten Ordner liegen noch einen solchen enthalten.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached. The backup cannot continue until space is freed.</source>
        <translation>Ihr Speicherkontingent auf dem Server ist ausgeschöpft. Die Sicherung kann erst fortgesetzt werden, wenn Speicherplatz freigegeben wurde.</translation>
    </message>
    <message>
        <source>Download queue</source>
        <translation>Download-Warteschlange</translation>
    </message>
    <message>
        <source>This computer is registered with the server.</source>
        <translation>Dieser Computer ist beim Server registriert.</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Papierkorb</translation>
    </message>
    <message>
        <source>Back up changes continuously</source>
        <translation>Änderungen fortlaufend sichern</translation>
    </message>
    <message>
        <source>Source folders</source>
        <translation>Quellordner</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Lizenzvertrag</translation>
    </message>
    <message>
        <source>Sync options</source>
        <translation>Synchronisierungsoptionen</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>Alles bereit!</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>Add to the &amp;Start menu</source>
        <translation>Zum &amp;Startmenü hinzufügen</translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation>Anmeldung läuft...</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Klicken Sie auf Installieren, um die Installation zu starten. Klicken Sie auf Zurück, um Ihre Installationseinstellungen zu überprüfen oder zu ändern. Klicken Sie auf Abbrechen, um den Assistenten zu beenden.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client cannot write to %1. Check the folder permissions.</source>
        <translation>Quenmark Zelto Client kann nicht in %1 schreiben. Überprüfen Sie die Ordnerberechtigungen.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Diese Version überspringen</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>Unsere Website besuchen</translation>
    </message>
    <message>
        <source>Open Local Folder</source>
        <translation>Lokalen Ordner öffnen</translation>
    </message>
    <message>
        <source>Removing [ProductName]</source>
        <translation>[ProductName] wird entfernt</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Copyright (c) Quenmark. All rights reserved.</source>
        <translation>Copyright (c) Quenmark. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Gerät entfernen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The session is locked.</source>
        <translation>Die Sitzung ist gesperrt.</translation>
    </message>
    <message>
        <source>Downloading on demand...</source>
        <translation>Wird bei Bedarf heruntergeladen...</translation>
    </message>
    <message>
        <source>Sign-in required</source>
        <translation>Anmeldung erforderlich</translation>
    </message>
    <message>
        <source>Unable to copy %1.</source>
        <translation>%1 kann nicht kopiert werden.</translation>
    </message>
    <message>
        <source>List of filter rules</source>
        <translation>Liste der Filterregeln</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>Snapshots</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Gestoppt</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Change destination folder</source>
        <translation>Zielordner ändern</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Wird synchronisiert...</translation>
    </message>
    <message>
        <source>Back up only when the computer is plugged in</source>
        <translation>Nur sichern, wenn der Computer an das Stromnetz angeschlossen ist</translation>
    </message>
    <message>
        <source>Resume Syncing</source>
        <translation>Synchronisierung fortsetzen</translation>
    </message>
    <message>
        <source>A new version is available.</source>
        <translation>Eine neue Version ist verfügbar.</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation>Häufig gestellte Fragen</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Run on</source>
        <translation>Ausführen am</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Unable to download the update.</source>
        <translation>Das Update kann nicht heruntergeladen werden.</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>Verbindung testen</translation>
    </message>
    <message>
        <source>You have been signed out.</source>
        <translation>Sie wurden abgemeldet.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchronisierung</translation>
    </message>
    <message>
        <source>Last backup completed %1</source>
        <translation>Letzte Sicherung abgeschlossen: %1</translation>
    </message>
    <message>
        <source>Pause Syncing</source>
        <translation>Synchronisierung anhalten</translation>
    </message>
    <message>
        <source>Limit automatically</source>
        <translation>Automatisch begrenzen</translation>
    </message>
    <message>
        <source>Keep the version on the server</source>
        <translation>Version auf dem Server behalten</translation>
    </message>
    <message>
        <source>Open menu</source>
        <translation>Menü öffnen</translation>
    </message>
    <message>
        <source>The file is larger than the limit allowed by the server.</source>
        <translation>Die Datei überschreitet die vom Server erlaubte Größe.</translation>
    </message>
    <message>
        <source>Your data was moved successfully.</source>
        <translation>Ihre Daten wurden erfolgreich verschoben.</translation>
    </message>
    <message>
        <source>Ready to install [ProductName]</source>
        <translation>Bereit zur Installation von [ProductName]</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Die Datei %1 ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>Export Logs...</source>
        <translation>Protokolle exportieren...</translation>
    </message>
    <message>
        <source>Syncing has resumed</source>
        <translation>Die Synchronisierung wurde fortgesetzt</translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely because of an error. Your system has not been modified. To install this program at a later time, run the Setup Wizard again.</source>
        <translation>Der Setup-Assistent für [ProductName] wurde wegen eines Fehlers vorzeitig beendet. Ihr System wurde nicht geändert. Um dieses Programm später zu installieren, führen Sie den Setup-Assistenten erneut aus.</translation>
    </message>
    <message>
        <source>Select the server folder to sync with this computer.</source>
        <translation>Wählen Sie den Serverordner, der mit diesem Computer synchronisiert werden soll.</translation>
    </message>
    <message>
        <source>Upload changes to the server only</source>
        <translation>Nur Änderungen auf den Server hochladen</translation>
    </message>
    <message>
        <source>Time remaining unknown</source>
        <translation>Verbleibende Zeit unbekannt</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>%1 files were skipped. See the history for details.</source>
        <translation>%1 Dateien wurden übersprungen. Details finden Sie im Verlauf.</translation>
    </message>
    <message>
        <source>Keep all versions</source>
        <translation>Alle Versionen aufbewahren</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Sync progress</source>
        <translation>Synchronisierungsfortschritt</translation>
    </message>
    <message>
        <source>The new language will be used after Quenmark Zelto Client restarts.</source>
        <translation>Die neue Sprache wird nach dem Neustart von Quenmark Zelto Client verwendet.</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Erstellt</translation>
    </message>
    <message>
        <source>%1 used of %2</source>
        <translation>%1 von %2 belegt</translation>
    </message>
    <message>
        <source>Version Retention</source>
        <translation>Versionsaufbewahrung</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>Proxy type</source>
        <translation>Proxytyp</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>Nach Name sortieren</translation>
    </message>
    <message>
        <source>On-demand sync is not supported on this file system.</source>
        <translation>Die Synchronisierung bei Bedarf wird auf diesem Dateisystem nicht unterstützt.</translation>
    </message>
    <message>
        <source>Connected through the Internet</source>
        <translation>Über das Internet verbunden</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Authentication required</source>
        <translation>Authentifizierung erforderlich</translation>
    </message>
    <message>
        <source>Access Denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Upload rate</source>
        <translation>Uploadrate</translation>
    </message>
    <message>
        <source>The system limit on watched folders has been reached. Some changes may be detected late.</source>
        <translation>Die Systemgrenze für überwachte Ordner ist erreicht. Einige Änderungen werden möglicherweise verspätet erkannt.</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Verschoben</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Sort by Date</source>
        <translation>Nach Datum sortieren</translation>
    </message>
    <message>
        <source>Do not sync hidden files</source>
        <translation>Versteckte Dateien nicht synchronisieren</translation>
    </message>
    <message>
        <source>Sync This Folder</source>
        <translation>Diesen Ordner synchronisieren</translation>
    </message>
    <message>
        <source>%1 is very large. Uploading it may take a long time.</source>
        <translation>%1 ist sehr groß. Das Hochladen kann lange dauern.</translation>
    </message>
    <message>
        <source>Access control lists are not supported on this file system and will not be synced.</source>
        <translation>Zugriffssteuerungslisten werden von diesem Dateisystem nicht unterstützt und nicht synchronisiert.</translation>
    </message>
    <message>
        <source>Enter the verification code</source>
        <translation>Geben Sie den Bestätigungscode ein</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>Die Kennwörter stimmen nicht überein.</translation>
    </message>
    <message>
        <source>The security certificate of %1 is not trusted. Your connection may not be secure.</source>
        <translation>Das Sicherheitszertifikat von %1 ist nicht vertrauenswürdig. Ihre Verbindung ist möglicherweise nicht sicher.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>%1, %2 o'clock</source>
        <translation>%1, %2 Uhr</translation>
    </message>
    <message>
        <source>The Setup Wizard allows you to repair the installation of [ProductName] or remove it from your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>Mit dem Setup-Assistenten können Sie die Installation von [ProductName] reparieren oder das Programm von Ihrem Computer entfernen. Klicken Sie auf Weiter, um fortzufahren, oder auf Abbrechen, um den Setup-Assistenten zu beenden.</translation>
    </message>
    <message>
        <source>Read and write</source>
        <translation>Lesen und Schreiben</translation>
    </message>
    <message>
        <source>Pause for 8 hours</source>
        <translation>8 Stunden anhalten</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Edit the selected task</source>
        <translation>Ausgewählte Aufgabe bearbeiten</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Im Browser öffnen</translation>
    </message>
    <message>
        <source>Task %1, status %2</source>
        <translation>Aufgabe %1, Status %2</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation>Klicken Sie auf Fertig stellen, um den Setup-Assistenten zu beenden.</translation>
    </message>
    <message>
        <source>Relay ID</source>
        <translation>Relay-ID</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Do not limit</source>
        <translation>Nicht begrenzen</translation>
    </message>
    <message>
        <source>Download changes from the server only</source>
        <translation>Nur Änderungen vom Server herunterladen</translation>
    </message>
    <message>
        <source>Unable to move %1 to %2.</source>
        <translation>%1 kann nicht nach %2 verschoben werden.</translation>
    </message>
    <message>
        <source>Add a task</source>
        <translation>Aufgabe hinzufügen</translation>
    </message>
    <message>
        <source>Your storage space on %1 is almost full.</source>
        <translation>Ihr Speicherplatz auf %1 ist fast voll.</translation>
    </message>
    <message>
        <source>Install updates automatically</source>
        <translation>Updates automatisch installieren</translation>
    </message>
    <message>
        <source>Recent Changes</source>
        <translation>Letzte Änderungen</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>Anzeigename</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbindung wird hergestellt...</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Warnungen</translation>
    </message>
    <message>
        <source>Preparing to sync...</source>
        <translation>Synchronisierung wird vorbereitet...</translation>
    </message>
    <message>
        <source>Single Sign-On</source>
        <translation>Single Sign-On</translation>
    </message>
    <message>
        <source>Ready to sync</source>
        <translation>Bereit zur Synchronisierung</translation>
    </message>
    <message>
        <source>Advanced Filters...</source>
        <translation>Erweiterte Filter...</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <translation>Desktopbenachrichtigungen anzeigen</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Es wird nach Updates gesucht...</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Heruntergeladen</translation>
    </message>
    <message>
        <source>Choose a folder on the server</source>
        <translation>Ordner auf dem Server wählen</translation>
    </message>
    <message>
        <source>Excluded from sync</source>
        <translation>Von der Synchronisierung ausgeschlossen</translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <translation>%1 Dateien werden synchronisiert</translation>
    </message>
    <message>
        <source>Loading folders...</source>
        <translation>Ordner werden geladen...</translation>
    </message>
    <message>
        <source>This version of Quenmark Zelto Client is no longer supported by the server. Please update the client.</source>
        <translation>Diese Version von Quenmark Zelto Client wird vom Server nicht mehr unterstützt. Bitte aktualisieren Sie den Client.</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Freigegeben</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Repairing [ProductName]</source>
        <translation>[ProductName] wird repariert</translation>
    </message>
    <message>
        <source>Upload speed</source>
        <translation>Uploadgeschwindigkeit</translation>
    </message>
    <message>
        <source>Open on Server</source>
        <translation>Auf dem Server öffnen</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Fertig stellen</translation>
    </message>
    <message>
        <source>Your settings have been saved.</source>
        <translation>Ihre Einstellungen wurden gespeichert.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>Create Sync Task</source>
        <translation>Synchronisierungsaufgabe erstellen</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Jetzt sichern</translation>
    </message>
    <message>
        <source>The upgrade is complete.</source>
        <translation>Das Upgrade ist abgeschlossen.</translation>
    </message>
    <message>
        <source>Version %1 (build %2)</source>
        <translation>Version %1 (Build %2)</translation>
    </message>
    <message>
        <source>Launch [ProductName] now</source>
        <translation>[ProductName] jetzt starten</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Feedback senden</translation>
    </message>
    <message>
        <source>No results found.</source>
        <translation>Keine Ergebnisse gefunden.</translation>
    </message>
    <message>
        <source>Copy Sharing Link</source>
        <translation>Freigabelink kopieren</translation>
    </message>
    <message>
        <source>The task no longer exists.</source>
        <translation>Die Aufgabe ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>&amp;Do not close applications. A reboot will be required.</source>
        <translation>Anwendungen &amp;nicht schließen. Ein Neustart ist erforderlich.</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Deleting %1</source>
        <translation>%1 wird gelöscht</translation>
    </message>
    <message>
        <source>Enter at least %1 characters.</source>
        <translation>Geben Sie mindestens %1 Zeichen ein.</translation>
    </message>
    <message>
        <source>Unable to restore the selected files.</source>
        <translation>Die ausgewählten Dateien können nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation>Synchronisierung bei Bedarf</translation>
    </message>
    <message>
        <source>Checking the environment...</source>
        <translation>Die Umgebung wird geprüft...</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation>Synchronisierung in beide Richtungen</translation>
    </message>
    <message>
        <source>Valid until</source>
        <translation>Gültig bis</translation>
    </message>
    <message>
        <source>The history was exported to %1.</source>
        <translation>Der Verlauf wurde nach %1 exportiert.</translation>
    </message>
    <message>
        <source>Files and folders that match these rules are not synced.</source>
        <translation>Dateien und Ordner, die diesen Regeln entsprechen, werden nicht synchronisiert.</translation>
    </message>
    <message>
        <source>Available offline</source>
        <translation>Offline verfügbar</translation>
    </message>
    <message>
        <source>The files have been restored.</source>
        <translation>Die Dateien wurden wiederhergestellt.</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Gerätename</translation>
    </message>
    <message>
        <source>Renaming %1</source>
        <translation>%1 wird umbenannt</translation>
    </message>
    <message>
        <source>Some files could not be synced</source>
        <translation>Einige Dateien konnten nicht synchronisiert werden</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>Task name</source>
        <translation>Name der Aufgabe</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by fixing missing and corrupt files, shortcuts, and registry entries.</source>
        <translation>Behebt Fehler der letzten Installation, indem fehlende und beschädigte Dateien, Verknüpfungen und Registrierungseinträge repariert werden.</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Wird geladen...</translation>
    </message>
    <message>
        <source>Pause until I resume</source>
        <translation>Anhalten, bis ich fortsetze</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>No server was found on your local network. Enter the address manually.</source>
        <translation>Im lokalen Netzwerk wurde kein Server gefunden. Geben Sie die Adresse manuell ein.</translation>
    </message>
    <message>
        <source>Removes [ProductName] from your computer.</source>
        <translation>Entfernt [ProductName] von Ihrem Computer.</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>Lokaler Ordner</translation>
    </message>
    <message>
        <source>The quota of the shared folder has been reached.</source>
        <translation>Das Kontingent des freigegebenen Ordners ist ausgeschöpft.</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>Endbenutzer-Lizenzvertrag</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>Online only</source>
        <translation>Nur online</translation>
    </message>
    <message>
        <source>Up one level</source>
        <translation>Eine Ebene höher</translation>
    </message>
    <message>
        <source>Upload: %1/s  Download: %2/s</source>
        <translation>Upload: %1/s  Download: %2/s</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>The local version was renamed to %1.</source>
        <translation>Die lokale Version wurde in %1 umbenannt.</translation>
    </message>
    <message>
        <source>%1 is in use by another application and will be synced when it is closed.</source>
        <translation>%1 wird von einer anderen Anwendung verwendet und wird synchronisiert, sobald sie geschlossen ist.</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Angehalten bis %1</translation>
    </message>
    <message>
        <source>View History</source>
        <translation>Verlauf anzeigen</translation>
    </message>
    <message>
        <source>Confirm new password</source>
        <translation>Neues Kennwort bestätigen</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>Verbindungszeitlimit</translation>
    </message>
    <message>
        <source>Proxy server</source>
        <translation>Proxyserver</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Downloading the update... %1%</source>
        <translation>Update wird heruntergeladen... %1%</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Umbenannt</translation>
    </message>
    <message>
        <source>Use dark theme</source>
        <translation>Dunkles Design verwenden</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>KB/s</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully</source>
        <translation>Bitte lesen Sie den folgenden Lizenzvertrag sorgfältig durch.</translation>
    </message>
    <message>
        <source>Send Test Email</source>
        <translation>Test-E-Mail senden</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <translation>Synchronisierungsrichtung</translation>
    </message>
    <message>
        <source>Rebuilding the local database...</source>
        <translation>Die lokale Datenbank wird neu aufgebaut...</translation>
    </message>
    <message>
        <source>Switch Account</source>
        <translation>Konto wechseln</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Folder tree</source>
        <translation>Ordnerstruktur</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>Diese Version wiederherstellen</translation>
    </message>
    <message>
        <source>The destination shared folder could not be found on the server. Select another destination.</source>
        <translation>Der freigegebene Zielordner wurde auf dem Server nicht gefunden. Wählen Sie ein anderes Ziel.</translation>
    </message>
    <message>
        <source>The security certificate of the server has expired.</source>
        <translation>Das Sicherheitszertifikat des Servers ist abgelaufen.</translation>
    </message>
    <message>
        <source>Restart Quenmark Zelto Client to apply the changes.</source>
        <translation>Starten Sie Quenmark Zelto Client neu, um die Änderungen zu übernehmen.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client status icon</source>
        <translation>Statussymbol von Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Energie</translation>
    </message>
    <message>
        <source>%1 percent complete</source>
        <translation>%1 Prozent abgeschlossen</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Speicherplatz</translation>
    </message>
    <message>
        <source>Pause syncing when running on battery power</source>
        <translation>Synchronisierung im Akkubetrieb anhalten</translation>
    </message>
    <message>
        <source>Enter your server address, username and password.</source>
        <translation>Geben Sie Serveradresse, Benutzername und Kennwort ein.</translation>
    </message>
    <message>
        <source>Every %1 minutes</source>
        <translation>Alle %1 Minuten</translation>
    </message>
    <message>
        <source>Do you want to delete the selected items?</source>
        <translation>Möchten Sie die ausgewählten Elemente löschen?</translation>
    </message>
    <message>
        <source>Show sync status icons in the file manager</source>
        <translation>Synchronisierungsstatus-Symbole im Dateimanager anzeigen</translation>
    </message>
    <message>
        <source>I &amp;do not accept the terms in the License Agreement</source>
        <translation>Ich akzeptiere die Bedingungen des Lizenzvertrags &amp;nicht</translation>
    </message>
    <message>
        <source>Learn more</source>
        <translation>Weitere Informationen</translation>
    </message>
    <message>
        <source>Server address field</source>
        <translation>Feld für die Serveradresse</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Häufigkeit</translation>
    </message>
    <message>
        <source>Play a sound</source>
        <translation>Ton abspielen</translation>
    </message>
    <message>
        <source>Locate Folder</source>
        <translation>Ordner suchen</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>Load More</source>
        <translation>Mehr laden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Unable to rename %1 to %2.</source>
        <translation>%1 kann nicht in %2 umbenannt werden.</translation>
    </message>
    <message>
        <source>If your network requires a proxy server to reach the Internet, enter its settings here.</source>
        <translation>Wenn Ihr Netzwerk für den Internetzugang einen Proxyserver benötigt, geben Sie hier dessen Einstellungen ein.</translation>
    </message>
    <message>
        <source>Remove the local copies of the selected files? They remain on the server and are downloaded again when you open them.</source>
        <translation>Die lokalen Kopien der ausgewählten Dateien entfernen? Sie bleiben auf dem Server und werden beim Öffnen erneut heruntergeladen.</translation>
    </message>
    <message>
        <source>Install Now</source>
        <translation>Jetzt installieren</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Display scaling</source>
        <translation>Anzeigeskalierung</translation>
    </message>
    <message>
        <source>Restoring %1 of %2 files...</source>
        <translation>%1 von %2 Dateien werden wiederhergestellt...</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Dateierweiterungen</translation>
    </message>
    <message>
        <source>The update package is damaged or has an invalid signature.</source>
        <translation>Das Updatepaket ist beschädigt oder hat eine ungültige Signatur.</translation>
    </message>
    <message>
        <source>Disk Space Requirements</source>
        <translation>Speicherplatzbedarf</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Upgrade</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>Account: %1</source>
        <translation>Konto: %1</translation>
    </message>
    <message>
        <source>The security certificate of the server is not trusted.</source>
        <translation>Das Sicherheitszertifikat des Servers ist nicht vertrauenswürdig.</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Keine auswählen</translation>
    </message>
    <message>
        <source>An invalid parameter was given.</source>
        <translation>Es wurde ein ungültiger Parameter angegeben.</translation>
    </message>
    <message>
        <source>Ask before deleting many files on the server</source>
        <translation>Vor dem Löschen vieler Dateien auf dem Server nachfragen</translation>
    </message>
    <message>
        <source>&amp;Look in:</source>
        <translation>&amp;Suchen in:</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>Ihre IP-Adresse wurde vom Server gesperrt.</translation>
    </message>
    <message>
        <source>Debug logging records detailed information and may slow down syncing. Turn it off when you are done.</source>
        <translation>Die Debugprotokollierung zeichnet detaillierte Informationen auf und kann die Synchronisierung verlangsamen. Schalten Sie sie aus, wenn Sie fertig sind.</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Manuelle Proxykonfiguration</translation>
    </message>
    <message>
        <source>Day of the month</source>
        <translation>Tag des Monats</translation>
    </message>
    <message>
        <source>The local database is damaged. Quenmark Zelto Client will rebuild it.</source>
        <translation>Die lokale Datenbank ist beschädigt. Quenmark Zelto Client baut sie neu auf.</translation>
    </message>
    <message>
        <source>Are you sure you want to quit the setup? No task will be created.</source>
        <translation>Möchten Sie die Einrichtung wirklich beenden? Es wird keine Aufgabe erstellt.</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Noch nie synchronisiert</translation>
    </message>
    <message>
        <source>The shared folder no longer exists on the server.</source>
        <translation>Der freigegebene Ordner ist auf dem Server nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>Use SSL/TLS</source>
        <translation>SSL/TLS verwenden</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <translation>Synchronisierungsmodus</translation>
    </message>
    <message>
        <source>The update has been downloaded and will be installed when you quit Quenmark Zelto Client.</source>
        <translation>Das Update wurde heruntergeladen und wird installiert, wenn Sie Quenmark Zelto Client beenden.</translation>
    </message>
    <message>
        <source>The server is under maintenance. Syncing will resume automatically.</source>
        <translation>Der Server wird gewartet. Die Synchronisierung wird automatisch fortgesetzt.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client Setup</source>
        <translation>Einrichtung von Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>Enable backup schedule</source>
        <translation>Sicherungszeitplan aktivieren</translation>
    </message>
    <message>
        <source>The first sync may take a while, depending on the number and size of your files.</source>
        <translation>Die erste Synchronisierung kann je nach Anzahl und Größe Ihrer Dateien eine Weile dauern.</translation>
    </message>
    <message>
        <source>Sign in with the account you use on %1.</source>
        <translation>Melden Sie sich mit dem Konto an, das Sie auf %1 verwenden.</translation>
    </message>
    <message>
        <source>Backup Schedule</source>
        <translation>Sicherungszeitplan</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>Der Dateiname ist zu lang.</translation>
    </message>
    <message>
        <source>The file manager will be restarted to unload the extension.</source>
        <translation>Der Dateimanager wird neu gestartet, um die Erweiterung zu entladen.</translation>
    </message>
    <message>
        <source>Keep both versions</source>
        <translation>Beide Versionen behalten</translation>
    </message>
    <message>
        <source>Available when online</source>
        <translation>Verfügbar, wenn online</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Auswahl aufheben</translation>
    </message>
    <message>
        <source>Total size</source>
        <translation>Gesamtgröße</translation>
    </message>
    <message>
        <source>Open source licenses</source>
        <translation>Open-Source-Lizenzen</translation>
    </message>
    <message>
        <source>No backup is scheduled.</source>
        <translation>Es ist keine Sicherung geplant.</translation>
    </message>
    <message>
        <source>Syncing was paused while the computer was asleep.</source>
        <translation>Die Synchronisierung wurde angehalten, während sich der Computer im Ruhezustand befand.</translation>
    </message>
    <message>
        <source>Team Folder</source>
        <translation>Teamordner</translation>
    </message>
    <message>
        <source>Overall progress</source>
        <translation>Gesamtfortschritt</translation>
    </message>
    <message>
        <source>Checking the connection to %1...</source>
        <translation>Verbindung zu %1 wird geprüft...</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <translation>%1 ist bereit.</translation>
    </message>
    <message>
        <source>When a conflict occurs</source>
        <translation>Bei einem Konflikt</translation>
    </message>
    <message>
        <source>The security certificate was issued to %1, not to %2.</source>
        <translation>Das Sicherheitszertifikat wurde für %1 ausgestellt, nicht für %2.</translation>
    </message>
    <message>
        <source>Trust this computer</source>
        <translation>Diesem Computer vertrauen</translation>
    </message>
    <message>
        <source>Select the operation you wish to perform.</source>
        <translation>Wählen Sie den gewünschten Vorgang aus.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>File size limit</source>
        <translation>Dateigrößenlimit</translation>
    </message>
    <message>
        <source>Unable to create the task.</source>
        <translation>Die Aufgabe kann nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Create Task</source>
        <translation>Aufgabe erstellen</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <translation>Einige Dateien, die aktualisiert werden müssen, werden gerade verwendet.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Bitte warten...</translation>
    </message>
    <message>
        <source>Searching for servers on your local network...</source>
        <translation>Server im lokalen Netzwerk werden gesucht...</translation>
    </message>
    <message>
        <source>Disk space required for the installation exceeds available disk space.</source>
        <translation>Der für die Installation benötigte Speicherplatz übersteigt den verfügbaren Speicherplatz.</translation>
    </message>
    <message>
        <source>The following applications are using files that need to be updated by this setup. Close these applications and then click &amp;Retry to continue the installation or Cancel to exit it.</source>
        <translation>Die folgenden Anwendungen verwenden Dateien, die von diesem Setup aktualisiert werden müssen. Schließen Sie diese Anwendungen und klicken Sie dann auf &amp;Wiederholen, um die Installation fortzusetzen, oder auf Abbrechen, um sie zu beenden.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Der Ordner %1 ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Besitzer</translation>
    </message>
    <message>
        <source>Play sounds</source>
        <translation>Töne abspielen</translation>
    </message>
    <message>
        <source>Synced</source>
        <translation>Synchronisiert</translation>
    </message>
    <message>
        <source>Last day of the month</source>
        <translation>Letzter Tag des Monats</translation>
    </message>
    <message>
        <source>Keep the version on this computer</source>
        <translation>Version auf diesem Computer behalten</translation>
    </message>
    <message>
        <source>Resume the selected task</source>
        <translation>Ausgewählte Aufgabe fortsetzen</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>Sort by Size</source>
        <translation>Nach Größe sortieren</translation>
    </message>
    <message>
        <source>Storage Details</source>
        <translation>Speicherdetails</translation>
    </message>
    <message>
        <source>Apply limits only during these hours</source>
        <translation>Begrenzung nur zu diesen Zeiten anwenden</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Welcome to Quenmark Zelto Client</source>
        <translation>Willkommen bei Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Data from an earlier version was found on this computer.</source>
        <translation>Auf diesem Computer wurden Daten einer früheren Version gefunden.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Pause for 30 minutes</source>
        <translation>30 Minuten anhalten</translation>
    </message>
    <message>
        <source>Open in File Manager</source>
        <translation>Im Dateimanager öffnen</translation>
    </message>
    <message>
        <source>Completed the [ProductName] Setup Wizard</source>
        <translation>Der Setup-Assistent für [ProductName] wurde abgeschlossen</translation>
    </message>
    <message>
        <source>Last synced %1</source>
        <translation>Zuletzt synchronisiert: %1</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Schritt %1 von %2</translation>
    </message>
    <message>
        <source>Retry Now</source>
        <translation>Jetzt erneut versuchen</translation>
    </message>
    <message>
        <source>%1 of %2 used</source>
        <translation>%1 von %2 belegt</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Übersprungen</translation>
    </message>
    <message>
        <source>You have used %1 of your storage quota.</source>
        <translation>Sie haben %1 Ihres Speicherkontingents belegt.</translation>
    </message>
    <message>
        <source>A newer version of [ProductName] is already installed. Setup will now exit.</source>
        <translation>Eine neuere Version von [ProductName] ist bereits installiert. Das Setup wird jetzt beendet.</translation>
    </message>
    <message>
        <source>No problem was found.</source>
        <translation>Es wurde kein Problem gefunden.</translation>
    </message>
    <message>
        <source>Keep files on the server that were deleted on this computer</source>
        <translation>Auf diesem Computer gelöschte Dateien auf dem Server behalten</translation>
    </message>
    <message>
        <source>Scanning for changes...</source>
        <translation>Nach Änderungen wird gesucht...</translation>
    </message>
    <message>
        <source>Registering product</source>
        <translation>Produkt wird registriert</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Sprache der Benutzeroberfläche</translation>
    </message>
    <message>
        <source>You are not running the setup as an administrator. Some features may not be installed correctly. Continue anyway?</source>
        <translation>Sie führen das Setup nicht als Administrator aus. Einige Funktionen werden möglicherweise nicht korrekt installiert. Trotzdem fortfahren?</translation>
    </message>
    <message>
        <source>There is not enough free space on %1. At least %2 is needed.</source>
        <translation>Auf %1 ist nicht genügend Speicherplatz frei. Benötigt werden mindestens %2.</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Support kontaktieren</translation>
    </message>
    <message>
        <source>Task Details</source>
        <translation>Aufgabendetails</translation>
    </message>
    <message>
        <source>Back up only when the computer is idle</source>
        <translation>Nur sichern, wenn der Computer nicht verwendet wird</translation>
    </message>
    <message>
        <source>Open the folder on the server in a web browser</source>
        <translation>Ordner auf dem Server im Webbrowser öffnen</translation>
    </message>
    <message>
        <source>Administrator permission is required.</source>
        <translation>Administratorberechtigung erforderlich.</translation>
    </message>
    <message>
        <source>Creating shortcuts</source>
        <translation>Verknüpfungen werden erstellt</translation>
    </message>
    <message>
        <source>Your email address (optional)</source>
        <translation>Ihre E-Mail-Adresse (optional)</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Free space on this drive: %1</source>
        <translation>Freier Speicherplatz auf diesem Laufwerk: %1</translation>
    </message>
    <message>
        <source>The proxy connection works.</source>
        <translation>Die Proxyverbindung funktioniert.</translation>
    </message>
    <message>
        <source>Privacy statement</source>
        <translation>Datenschutzerklärung</translation>
    </message>
    <message>
        <source>Install the file manager extension (status icons and context menu)</source>
        <translation>Dateimanager-Erweiterung installieren (Statussymbole und Kontextmenü)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Select Folders</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>The file is locked by another application.</source>
        <translation>Die Datei ist von einer anderen Anwendung gesperrt.</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Thank you! Your feedback has been sent.</source>
        <translation>Vielen Dank! Ihr Feedback wurde gesendet.</translation>
    </message>
    <message>
        <source>Sync directly with computers on the same network when possible</source>
        <translation>Wenn möglich direkt mit Computern im selben Netzwerk synchronisieren</translation>
    </message>
    <message>
        <source>Download rate</source>
        <translation>Downloadrate</translation>
    </message>
    <message>
        <source>&amp;Folder name:</source>
        <translation>&amp;Ordnername:</translation>
    </message>
    <message>
        <source>%1 files, %2</source>
        <translation>%1 Dateien, %2</translation>
    </message>
    <message>
        <source>Version on this computer</source>
        <translation>Version auf diesem Computer</translation>
    </message>
    <message>
        <source>The file name contains characters that are not allowed: %1</source>
        <translation>Der Dateiname enthält unzulässige Zeichen: %1</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Weiter &gt;</translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>Aktion erforderlich</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Erforderlich</translation>
    </message>
    <message>
        <source>Your settings and sync tasks are being moved to the new version of Quenmark Zelto Client. Do not turn off the computer.</source>
        <translation>Ihre Einstellungen und Synchronisierungsaufgaben werden in die neue Version von Quenmark Zelto Client übernommen. Schalten Sie den Computer nicht aus.</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Expiration date</source>
        <translation>Ablaufdatum</translation>
    </message>
    <message>
        <source>The disk where your sync folder is located is almost full.</source>
        <translation>Der Datenträger Ihres Synchronisierungsordners ist fast voll.</translation>
    </message>
    <message>
        <source>The server %1 could not be found. Check the address and try again.</source>
        <translation>Der Server %1 wurde nicht gefunden. Überprüfen Sie die Adresse und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>Dieses Feld ist erforderlich.</translation>
    </message>
    <message>
        <source>You have read-only access to this shared folder.</source>
        <translation>Sie haben nur Lesezugriff auf diesen freigegebenen Ordner.</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Link kopieren</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Zurück</translation>
    </message>
    <message>
        <source>View Previous Versions</source>
        <translation>Frühere Versionen anzeigen</translation>
    </message>
    <message>
        <source>Complete the sign-in in your web browser.</source>
        <translation>Schließen Sie die Anmeldung in Ihrem Webbrowser ab.</translation>
    </message>
    <message>
        <source>Directory user</source>
        <translation>Verzeichnisbenutzer</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>Always Keep on This Device</source>
        <translation>Immer auf diesem Gerät behalten</translation>
    </message>
    <message>
        <source>You do not have write permission for the destination shared folder.</source>
        <translation>Sie haben keine Schreibberechtigung für den freigegebenen Zielordner.</translation>
    </message>
    <message>
        <source>Open Quenmark Zelto Client</source>
        <translation>Quenmark Zelto Client öffnen</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>Benachrichtigung</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>The folder is already used by another sync task.</source>
        <translation>Der Ordner wird bereits von einer anderen Synchronisierungsaufgabe verwendet.</translation>
    </message>
    <message>
        <source>This link has expired.</source>
        <translation>Dieser Link ist abgelaufen.</translation>
    </message>
    <message>
        <source>Installing [ProductName]</source>
        <translation>[ProductName] wird installiert</translation>
    </message>
    <message>
        <source>Rename the server file</source>
        <translation>Serverdatei umbenennen</translation>
    </message>
    <message>
        <source>Your files are now being synced. You can follow the progress from the icon in the notification area.</source>
        <translation>Ihre Dateien werden jetzt synchronisiert. Den Fortschritt sehen Sie am Symbol im Benachrichtigungsbereich.</translation>
    </message>
    <message>
        <source>&amp;Disk Usage</source>
        <translation>&amp;Speicherbedarf</translation>
    </message>
    <message>
        <source>Syncing</source>
        <translation>Wird synchronisiert</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client is running. Quit it and click Retry, or click Cancel to stop the setup.</source>
        <translation>Quenmark Zelto Client wird ausgeführt. Beenden Sie das Programm und klicken Sie auf Wiederholen, oder klicken Sie auf Abbrechen, um das Setup abzubrechen.</translation>
    </message>
    <message>
        <source>Share with users on the server</source>
        <translation>Für Benutzer auf dem Server freigeben</translation>
    </message>
    <message>
        <source>Can edit</source>
        <translation>Kann bearbeiten</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Looking for changed files...</source>
        <translation>Geänderte Dateien werden gesucht...</translation>
    </message>
    <message>
        <source>Copy folders on this computer to the server on a schedule. Files deleted on this computer are kept on the server.</source>
        <translation>Kopiert Ordner dieses Computers nach Zeitplan auf den Server. Auf diesem Computer gelöschte Dateien bleiben auf dem Server erhalten.</translation>
    </message>
    <message>
        <source>Some settings could not be moved. Please check your sync tasks.</source>
        <translation>Einige Einstellungen konnten nicht übernommen werden. Bitte überprüfen Sie Ihre Synchronisierungsaufgaben.</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Jetzt synchronisieren</translation>
    </message>
    <message>
        <source>On-demand</source>
        <translation>Bei Bedarf</translation>
    </message>
    <message>
        <source>Saved accounts</source>
        <translation>Gespeicherte Konten</translation>
    </message>
    <message>
        <source>Restore...</source>
        <translation>Wiederherstellen...</translation>
    </message>
    <message>
        <source>Attach diagnostic logs</source>
        <translation>Diagnoseprotokolle anhängen</translation>
    </message>
    <message>
        <source>%1 results</source>
        <translation>%1 Ergebnisse</translation>
    </message>
    <message>
        <source>Open Sync Folder</source>
        <translation>Synchronisierungsordner öffnen</translation>
    </message>
    <message>
        <source>%1 could not be updated. The installed version will be started.</source>
        <translation>%1 konnte nicht aktualisiert werden. Die installierte Version wird gestartet.</translation>
    </message>
    <message>
        <source>%1 was not synced because it is larger than the maximum file size.</source>
        <translation>%1 wurde nicht synchronisiert, da die Datei die maximale Dateigröße überschreitet.</translation>
    </message>
    <message>
        <source>View on Web Portal</source>
        <translation>Im Webportal anzeigen</translation>
    </message>
    <message>
        <source>Open the local folder</source>
        <translation>Lokalen Ordner öffnen</translation>
    </message>
    <message>
        <source>Permission</source>
        <translation>Berechtigung</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Gelöscht</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard removes [ProductName].</source>
        <translation>Bitte warten Sie, während der Setup-Assistent [ProductName] entfernt.</translation>
    </message>
    <message>
        <source>Moving Your Data</source>
        <translation>Ihre Daten werden verschoben</translation>
    </message>
    <message>
        <source>Ask when more than %1 files are deleted at once</source>
        <translation>Nachfragen, wenn mehr als %1 Dateien auf einmal gelöscht werden</translation>
    </message>
    <message>
        <source>Uploaded</source>
        <translation>Hochgeladen</translation>
    </message>
    <message>
        <source>Server name</source>
        <translation>Servername</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Signed in as %1</source>
        <translation>Angemeldet als %1</translation>
    </message>
    <message>
        <source>The recycle bin is not enabled for this shared folder. Deleted files cannot be restored.</source>
        <translation>Der Papierkorb ist für diesen freigegebenen Ordner nicht aktiviert. Gelöschte Dateien können nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Uploading %1</source>
        <translation>%1 wird hochgeladen</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of [ProductName]. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Klicken Sie auf Reparieren, um die Installation von [ProductName] zu reparieren. Klicken Sie auf Zurück, um Ihre Installationseinstellungen zu überprüfen oder zu ändern. Klicken Sie auf Abbrechen, um den Assistenten zu beenden.</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Wird ausgeführt</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Gerade eben</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>Verification code</source>
        <translation>Bestätigungscode</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Gestern</translation>
    </message>
    <message>
        <source>Use the default folder (%1)</source>
        <translation>Standardordner verwenden (%1)</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>Dateien hier ablegen</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Username field</source>
        <translation>Feld für den Benutzernamen</translation>
    </message>
    <message>
        <source>Encrypt data during transfer</source>
        <translation>Daten bei der Übertragung verschlüsseln</translation>
    </message>
    <message>
        <source>%1 files were changed.</source>
        <translation>%1 Dateien wurden geändert.</translation>
    </message>
    <message>
        <source>Sign In...</source>
        <translation>Anmelden...</translation>
    </message>
    <message>
        <source>You do not have permission to perform this operation.</source>
        <translation>Sie haben keine Berechtigung für diesen Vorgang.</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Einstellungsseiten</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Proxyeinstellungen des Systems verwenden</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Wartet</translation>
    </message>
    <message>
        <source>The folder is read-only. Files cannot be written to it.</source>
        <translation>Der Ordner ist schreibgeschützt. Es können keine Dateien darin gespeichert werden.</translation>
    </message>
    <message>
        <source>Next backup: %1</source>
        <translation>Nächste Sicherung: %1</translation>
    </message>
    <message>
        <source>The disk space required for the installation of the selected features.</source>
        <translation>Der für die Installation der ausgewählten Funktionen benötigte Speicherplatz.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <translation>Temporäre Dateien</translation>
    </message>
    <message>
        <source>Issued to</source>
        <translation>Ausgestellt für</translation>
    </message>
    <message>
        <source>More actions</source>
        <translation>Weitere Aktionen</translation>
    </message>
    <message>
        <source>Download This Version</source>
        <translation>Diese Version herunterladen</translation>
    </message>
    <message>
        <source>Include in Sync</source>
        <translation>In die Synchronisierung aufnehmen</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Notify me when a backup finishes</source>
        <translation>Benachrichtigen, wenn eine Sicherung abgeschlossen ist</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Unable to delete %1.</source>
        <translation>%1 kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Open the sync folder</source>
        <translation>Synchronisierungsordner öffnen</translation>
    </message>
    <message>
        <source>Create a shortcut on the &amp;desktop</source>
        <translation>Verknüpfung auf dem &amp;Desktop erstellen</translation>
    </message>
    <message>
        <source>Unable to save the settings.</source>
        <translation>Die Einstellungen können nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Email the report after each backup</source>
        <translation>Bericht nach jeder Sicherung per E-Mail senden</translation>
    </message>
    <message>
        <source>Cache location</source>
        <translation>Cache-Speicherort</translation>
    </message>
    <message>
        <source>Include folder %1</source>
        <translation>Ordner %1 einbeziehen</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Unable to create %1.</source>
        <translation>%1 kann nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Scanning local files...</source>
        <translation>Lokale Dateien werden durchsucht...</translation>
    </message>
    <message>
        <source>Back up on a schedule</source>
        <translation>Nach Zeitplan sichern</translation>
    </message>
    <message>
        <source>&amp;Keep my settings and sync tasks</source>
        <translation>Meine Einstellungen und Synchronisierungsaufgaben &amp;behalten</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Standard wiederherstellen</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Benachrichtigungen</translation>
    </message>
    <message>
        <source>Cache size</source>
        <translation>Cachegröße</translation>
    </message>
    <message>
        <source>Never expires</source>
        <translation>Läuft nie ab</translation>
    </message>
    <message>
        <source>Select a server from the list or enter its address.</source>
        <translation>Wählen Sie einen Server aus der Liste aus oder geben Sie seine Adresse ein.</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>%1 was deleted.</source>
        <translation>%1 wurde gelöscht.</translation>
    </message>
    <message>
        <source>The server is offline.</source>
        <translation>Der Server ist offline.</translation>
    </message>
    <message>
        <source>Open Recycle Bin</source>
        <translation>Papierkorb öffnen</translation>
    </message>
    <message>
        <source>Exclude from Sync</source>
        <translation>Von der Synchronisierung ausschließen</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Version on the server</source>
        <translation>Version auf dem Server</translation>
    </message>
    <message>
        <source>Calculating time remaining...</source>
        <translation>Verbleibende Zeit wird berechnet...</translation>
    </message>
    <message>
        <source>SMTP port</source>
        <translation>SMTP-Port</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Kein Proxy</translation>
    </message>
    <message>
        <source>Pause for 1 hour</source>
        <translation>1 Stunde anhalten</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Rename the local file</source>
        <translation>Lokale Datei umbenennen</translation>
    </message>
    <message>
        <source>Show Previous Versions</source>
        <translation>Frühere Versionen anzeigen</translation>
    </message>
    <message>
        <source>Notify me when a sync finishes</source>
        <translation>Benachrichtigen, wenn eine Synchronisierung abgeschlossen ist</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>Current status</source>
        <translation>Aktueller Status</translation>
    </message>
    <message>
        <source>Stop Backup</source>
        <translation>Sicherung beenden</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation>Dateien in Verwendung</translation>
    </message>
    <message>
        <source>Do not sync temporary files</source>
        <translation>Temporäre Dateien nicht synchronisieren</translation>
    </message>
    <message>
        <source>Unable to unpack the installation package.</source>
        <translation>Das Installationspaket kann nicht entpackt werden.</translation>
    </message>
    <message>
        <source>The backup could not start because the server is offline.</source>
        <translation>Die Sicherung konnte nicht starten, weil der Server offline ist.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Enter a valid IP address.</source>
        <translation>Geben Sie eine gültige IP-Adresse ein.</translation>
    </message>
    <message>
        <source>IP address, domain name or relay ID</source>
        <translation>IP-Adresse, Domänenname oder Relay-ID</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>You do not have permission to use this service. Contact your system administrator.</source>
        <translation>Sie sind nicht berechtigt, diesen Dienst zu nutzen. Wenden Sie sich an Ihren Systemadministrator.</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>The backup is intact.</source>
        <translation>Die Sicherung ist intakt.</translation>
    </message>
    <message>
        <source>Select at least one day.</source>
        <translation>Wählen Sie mindestens einen Tag aus.</translation>
    </message>
    <message>
        <source>%1 files were deleted from the sync folder. Do you also want to delete them from the server?</source>
        <translation>%1 Dateien wurden aus dem Synchronisierungsordner gelöscht. Möchten Sie sie auch auf dem Server löschen?</translation>
    </message>
    <message>
        <source>Certificate Warning</source>
        <translation>Zertifikatwarnung</translation>
    </message>
    <message>
        <source>Remember my password</source>
        <translation>Kennwort speichern</translation>
    </message>
    <message>
        <source>Weekly schedule grid</source>
        <translation>Wochenplan</translation>
    </message>
    <message>
        <source>Enter a number between %1 and %2.</source>
        <translation>Geben Sie eine Zahl zwischen %1 und %2 ein.</translation>
    </message>
    <message>
        <source>The username or password you entered is incorrect.</source>
        <translation>Benutzername oder Kennwort ist falsch.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Freigeben</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Fenster anzeigen</translation>
    </message>
    <message>
        <source>Backing up %1 of %2 files</source>
        <translation>%1 von %2 Dateien werden gesichert</translation>
    </message>
    <message>
        <source>Keep only the latest versions</source>
        <translation>Nur die neuesten Versionen aufbewahren</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <translation>Auf dem lokalen Datenträger ist nicht genügend Speicherplatz frei.</translation>
    </message>
    <message>
        <source>The file was changed both on this computer and on the server since the last sync.</source>
        <translation>Die Datei wurde seit der letzten Synchronisierung sowohl auf diesem Computer als auch auf dem Server geändert.</translation>
    </message>
    <message>
        <source>Everything is up to date</source>
        <translation>Alles ist auf dem neuesten Stand</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Scan complete</source>
        <translation>Suche abgeschlossen</translation>
    </message>
    <message>
        <source>Welcome to the [ProductName] Setup Wizard</source>
        <translation>Willkommen beim Setup-Assistenten für [ProductName]</translation>
    </message>
    <message>
        <source>Choose how to sync</source>
        <translation>Art der Synchronisierung wählen</translation>
    </message>
    <message>
        <source>Use * to match any characters and ? to match one character.</source>
        <translation>Verwenden Sie * für beliebige Zeichen und ? für genau ein Zeichen.</translation>
    </message>
    <message>
        <source>Ready to remove [ProductName]</source>
        <translation>Bereit zum Entfernen von [ProductName]</translation>
    </message>
    <message>
        <source>Last run time</source>
        <translation>Letzte Ausführung</translation>
    </message>
    <message>
        <source>Backup finished with errors</source>
        <translation>Sicherung mit Fehlern abgeschlossen</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <translation>Ordner auf diesem Computer wählen</translation>
    </message>
    <message>
        <source>File name pattern</source>
        <translation>Dateinamenmuster</translation>
    </message>
    <message>
        <source>%1 servers found on your local network.</source>
        <translation>%1 Server im lokalen Netzwerk gefunden.</translation>
    </message>
    <message>
        <source>Restart Later</source>
        <translation>Später neu starten</translation>
    </message>
    <message>
        <source>Last sync</source>
        <translation>Letzte Synchronisierung</translation>
    </message>
    <message>
        <source>Stop Sharing</source>
        <translation>Freigabe beenden</translation>
    </message>
    <message>
        <source>Unable to connect to the server. Check your network connection and the server address.</source>
        <translation>Keine Verbindung zum Server möglich. Überprüfen Sie Ihre Netzwerkverbindung und die Serveradresse.</translation>
    </message>
</context>
</TS>
