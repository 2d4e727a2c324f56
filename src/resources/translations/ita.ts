<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>The quota of destination shared folder has reached the system limit. Please change the quota limit on the server or contact the system administrator.</source>
        <translation>La quota della cartella condivisa di destinazione ha raggiunto il limite di sistema. Modificare il limite di quota sul server o contattare l'amministratore di sistema.</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificato</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>Password dimenticata?</translation>
    </message>
    <message>
        <source>Field cannot exceed %1 numbers.</source>
        <translation>Il campo non può superare %1 cifre.</translation>
    </message>
    <message>
        <source>Show or hide the password</source>
        <translation>Mostra o nascondi la password</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignora</translation>
    </message>
    <message>
        <source>Verifying files...</source>
        <translation>Verifica dei file...</translation>
    </message>
    <message>
        <source>Dismiss notification</source>
        <translation>Ignora notifica</translation>
    </message>
    <message>
        <source>Take Snapshot</source>
        <translation>Acquisisci snapshot</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Dettagli</translation>
    </message>
    <message>
        <source>Upload queue</source>
        <translation>Coda di caricamento</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Sync Task</source>
        <translation>Attività di sincronizzazione</translation>
    </message>
    <message>
        <source>Starting services</source>
        <translation>Avvio dei servizi</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation>Continua comunque</translation>
    </message>
    <message>
        <source>%1 was not synced because it matches a filter rule.</source>
        <translation>%1 non è stato sincronizzato perché corrisponde a una regola di filtro.</translation>
    </message>
    <message>
        <source>Resume All</source>
        <translation>Riprendi tutto</translation>
    </message>
    <message>
        <source>Local network only</source>
        <translation>Solo rete locale</translation>
    </message>
    <message>
        <source>A relay connection can be slower than a direct connection.</source>
        <translation>Una connessione tramite relay può essere più lenta di una connessione diretta.</translation>
    </message>
    <message>
        <source>Encryption key</source>
        <translation>Chiave di crittografia</translation>
    </message>
    <message>
        <source>Back up only when I start it manually</source>
        <translation>Esegui il backup solo quando lo avvio manualmente</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Server: %1</source>
        <translation>Server: %1</translation>
    </message>
    <message>
        <source>Can view</source>
        <translation>Può visualizzare</translation>
    </message>
    <message>
        <source>[ProductName] setup was interrupted. Your system has not been modified. To install this program at a later time, please run the installation again.</source>
        <translation>L'installazione di [ProductName] è stata interrotta. Il sistema non è stato modificato. Per installare il programma in un secondo momento, eseguire di nuovo l'installazione.</translation>
    </message>
    <message>
        <source>Connect to a server</source>
        <translation>Connessione a un server</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Proxy server requires a password</source>
        <translation>Il server proxy richiede una password</translation>
    </message>
    <message>
        <source>Field cannot exceed %1 characters.</source>
        <translation>Il campo non può superare %1 caratteri.</translation>
    </message>
    <message>
        <source>I &amp;accept the terms in the License Agreement</source>
        <translation>&amp;Accetto i termini del contratto di licenza</translation>
    </message>
    <message>
        <source>Only the checked folders are synced to this computer.</source>
        <translation>Solo le cartelle selezionate vengono sincronizzate su questo computer.</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>Backup non riuscito.</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation>Aggiornamento in corso...</translation>
    </message>
    <message>
        <source>Pause syncing on metered connections</source>
        <translation>Sospendi la sincronizzazione sulle connessioni a consumo</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Inizia</translation>
    </message>
    <message>
        <source>Restore this version? The current version will be saved as a previous version.</source>
        <translation>Ripristinare questa versione? La versione corrente verrà salvata come versione precedente.</translation>
    </message>
    <message>
        <source>Updating %1...</source>
        <translation>Aggiornamento di %1 in corso...</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Folders on a network drive cannot be synced.</source>
        <translation>Le cartelle su un'unità di rete non possono essere sincronizzate.</translation>
    </message>
    <message>
        <source>Restore Down</source>
        <translation>Ripristina giù</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Visualizzazione elenco</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Cerca server nella rete locale</translation>
    </message>
    <message>
        <source>There are no previous versions of this file.</source>
        <translation>Non sono presenti versioni precedenti di questo file.</translation>
    </message>
    <message>
        <source>Backup cancelled</source>
        <translation>Backup annullato</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>Non mostrare più</translation>
    </message>
    <message>
        <source>Enter the encryption key to open this shared folder.</source>
        <translation>Immettere la chiave di crittografia per aprire questa cartella condivisa.</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Nomi di file</translation>
    </message>
    <message>
        <source>Do not sync files larger than</source>
        <translation>Non sincronizzare file più grandi di</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Scrittura</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenza</translation>
    </message>
    <message>
        <source>Restore Files</source>
        <translation>Ripristina file</translation>
    </message>
    <message>
        <source>Files deleted on this computer are moved to the recycle bin of the shared folder on the server.</source>
        <translation>I file eliminati da questo computer vengono spostati nel cestino della cartella condivisa sul server.</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>&amp;Installa</translation>
    </message>
    <message>
        <source>%1 files were skipped because they were in use.</source>
        <translation>%1 file sono stati ignorati perché in uso.</translation>
    </message>
    <message>
        <source>The drive uses the FAT file system, which does not support files larger than 4 GB. Files over this size will not be synced.</source>
        <translation>L'unità utilizza il file system FAT, che non supporta file più grandi di 4 GB. I file di dimensioni superiori non verranno sincronizzati.</translation>
    </message>
    <message>
        <source>%1 files were deleted on the server.</source>
        <translation>%1 file sono stati eliminati sul server.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privacy</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Connected through the relay service</source>
        <translation>Connesso tramite il servizio relay</translation>
    </message>
    <message>
        <source>Connecting through the relay service...</source>
        <translation>Connessione tramite il servizio relay in corso...</translation>
    </message>
    <message>
        <source>Install [ProductName] to:</source>
        <translation>Installa [ProductName] in:</translation>
    </message>
    <message>
        <source>Email Notifications</source>
        <translation>Notifiche e-mail</translation>
    </message>
    <message>
        <source>Battery is low. Syncing has been paused.</source>
        <translation>La batteria è quasi scarica. La sincronizzazione è stata sospesa.</translation>
    </message>
    <message>
        <source>Client ID</source>
        <translation>ID client</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A task with this name already exists.</source>
        <translation>Esiste già un'attività con questo nome.</translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely</source>
        <translation>L'installazione guidata di [ProductName] è stata interrotta</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Questo computer</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Non riuscito</translation>
    </message>
    <message>
        <source>Connection status</source>
        <translation>Stato della connessione</translation>
    </message>
    <message>
        <source>The sync service could not be started.</source>
        <translation>Impossibile avviare il servizio di sincronizzazione.</translation>
    </message>
    <message>
        <source>Rolling back action:</source>
        <translation>Annullamento dell'azione:</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Connessione a %1 in corso...</translation>
    </message>
    <message>
        <source>Domain user</source>
        <translation>Utente del dominio</translation>
    </message>
    <message>
        <source>Hide Details</source>
        <translation>Nascondi dettagli</translation>
    </message>
    <message>
        <source>About Quenmark Zelto Client</source>
        <translation>Informazioni su Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Aggiornato</translation>
    </message>
    <message>
        <source>Notify me about conflicts</source>
        <translation>Avvisami in caso di conflitti</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client</source>
        <translation>Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Remove saved account</source>
        <translation>Rimuovi account salvato</translation>
    </message>
    <message>
        <source>Restore to</source>
        <translation>Ripristina in</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Aggiorna</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Nome del computer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>The path of the folder is too long.</source>
        <translation>Il percorso della cartella è troppo lungo.</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Ricordamelo più tardi</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>TB</translation>
    </message>
    <message>
        <source>This account has expired. Contact your system administrator.</source>
        <translation>Questo account è scaduto. Contattare l'amministratore di sistema.</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Crittografia</translation>
    </message>
    <message>
        <source>Clear Cache</source>
        <translation>Svuota cache</translation>
    </message>
    <message>
        <source>Release Notes</source>
        <translation>Note di rilascio</translation>
    </message>
    <message>
        <source>The installation failed. Please reinstall Quenmark Zelto Client.</source>
        <translation>Installazione non riuscita. Reinstallare Quenmark Zelto Client.</translation>
    </message>
    <message>
        <source>No access</source>
        <translation>Nessun accesso</translation>
    </message>
    <message>
        <source>Local path</source>
        <translation>Percorso locale</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Save Report...</source>
        <translation>Salva rapporto...</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Connect with HTTPS (recommended)</source>
        <translation>Connetti con HTTPS (consigliato)</translation>
    </message>
    <message>
        <source>Unable to install the update.</source>
        <translation>Impossibile installare l'aggiornamento.</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Nome utente</translation>
    </message>
    <message>
        <source>The Setup Wizard will update the installed [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>L'installazione guidata aggiornerà [ProductName] nel computer. Fare clic su Avanti per continuare o su Annulla per uscire dall'installazione guidata.</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>Conflitto</translation>
    </message>
    <message>
        <source>Folder on server</source>
        <translation>Cartella sul server</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tutto</translation>
    </message>
    <message>
        <source>Search file names</source>
        <translation>Cerca nomi di file</translation>
    </message>
    <message>
        <source>Restart File Manager</source>
        <translation>Riavvia il file manager</translation>
    </message>
    <message>
        <source>Verify Backup</source>
        <translation>Verifica backup</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nuovo nome</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzate</translation>
    </message>
    <message>
        <source>Download speed</source>
        <translation>Velocità di download</translation>
    </message>
    <message>
        <source>Issued by</source>
        <translation>Rilasciato da</translation>
    </message>
    <message>
        <source>Click Remove to remove [ProductName] from your computer. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Fare clic su Rimuovi per rimuovere [ProductName] dal computer. Fare clic su Indietro per rivedere o modificare le impostazioni di installazione. Fare clic su Annulla per uscire dalla procedura guidata.</translation>
    </message>
    <message>
        <source>Show all server files on this computer and download them only when you open them, saving local disk space.</source>
        <translation>Mostra tutti i file del server sul computer e li scarica solo quando vengono aperti, risparmiando spazio sul disco locale.</translation>
    </message>
    <message>
        <source>Destination folder on server</source>
        <translation>Cartella di destinazione sul server</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>There is not enough free space on the server.</source>
        <translation>Spazio libero insufficiente sul server.</translation>
    </message>
    <message>
        <source>You need administrator privileges to install [ProductName]. Sign in as an administrator and run the setup again.</source>
        <translation>Per installare [ProductName] sono necessari privilegi di amministratore. Accedere come amministratore ed eseguire di nuovo l'installazione.</translation>
    </message>
    <message>
        <source>A test email has been sent.</source>
        <translation>È stata inviata un'e-mail di prova.</translation>
    </message>
    <message>
        <source>Enter a name for the task.</source>
        <translation>Immettere un nome per l'attività.</translation>
    </message>
    <message>
        <source>Syncing %1 of %2 files</source>
        <translation>Sincronizzazione di %1 file su %2</translation>
    </message>
    <message>
        <source>Add Rule</source>
        <translation>Aggiungi regola</translation>
    </message>
    <message>
        <source>Password field</source>
        <translation>Campo password</translation>
    </message>
    <message>
        <source>File Conflict</source>
        <translation>Conflitto tra file</translation>
    </message>
    <message>
        <source>Moving your settings to the new version...</source>
        <translation>Trasferimento delle impostazioni alla nuova versione in corso...</translation>
    </message>
    <message>
        <source>Folders on a removable drive cannot be synced.</source>
        <translation>Le cartelle su un'unità rimovibile non possono essere sincronizzate.</translation>
    </message>
    <message>
        <source>Backup Task</source>
        <translation>Attività di backup</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Apri cartella dei log</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annullato</translation>
    </message>
    <message>
        <source>Compress data during transfer</source>
        <translation>Comprimi i dati durante il trasferimento</translation>
    </message>
    <message>
        <source>Backups run automatically at the times you choose. A running backup is not interrupted when its time slot ends.</source>
        <translation>I backup vengono eseguiti automaticamente agli orari scelti. Un backup in corso non viene interrotto al termine della sua fascia oraria.</translation>
    </message>
    <message>
        <source>Export Settings...</source>
        <translation>Esporta impostazioni...</translation>
    </message>
    <message>
        <source>A conflict was found in %1. Both versions have been kept.</source>
        <translation>È stato rilevato un conflitto in %1. Sono state mantenute entrambe le versioni.</translation>
    </message>
    <message>
        <source>Start Quenmark Zelto Client when I sign in</source>
        <translation>Avvia Quenmark Zelto Client all'accesso</translation>
    </message>
    <message>
        <source>Copying new files</source>
        <translation>Copia dei nuovi file</translation>
    </message>
    <message>
        <source>Contact your system administrator.</source>
        <translation>Contattare l'amministratore di sistema.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Create Sharing Link</source>
        <translation>Crea collegamento di condivisione</translation>
    </message>
    <message>
        <source>The sync service stopped unexpectedly.</source>
        <translation>Il servizio di sincronizzazione si è interrotto in modo imprevisto.</translation>
    </message>
    <message>
        <source>The background service is running.</source>
        <translation>Il servizio in background è in esecuzione.</translation>
    </message>
    <message>
        <source>Folders you uncheck will be removed from this computer but stay on the server.</source>
        <translation>Le cartelle deselezionate verranno rimosse da questo computer ma resteranno sul server.</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Always trust this certificate</source>
        <translation>Considera sempre attendibile questo certificato</translation>
    </message>
    <message>
        <source>Files are synced into this folder. You can pick an empty folder or a folder that already holds files.</source>
        <translation>I file vengono sincronizzati in questa cartella. È possibile scegliere una cartella vuota o una che contiene già dei file.</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>The task has been removed.</source>
        <translation>L'attività è stata rimossa.</translation>
    </message>
    <message>
        <source>Local folder path field</source>
        <translation>Campo percorso della cartella locale</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client %1 is available. You have version %2.</source>
        <translation>È disponibile Quenmark Zelto Client %1. La versione in uso è la %2.</translation>
    </message>
    <message>
        <source>Original location</source>
        <translation>Posizione originale</translation>
    </message>
    <message>
        <source>Space needed: %1</source>
        <translation>Spazio necessario: %1</translation>
    </message>
    <message>
        <source>Every hour</source>
        <translation>Ogni ora</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Modified by</source>
        <translation>Modificato da</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>byte</translation>
    </message>
    <message>
        <source>%1 was added.</source>
        <translation>%1 è stato aggiunto.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Drag files here to upload them.</source>
        <translation>Trascinare qui i file per caricarli.</translation>
    </message>
    <message>
        <source>Smart retention</source>
        <translation>Conservazione intelligente</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Ora di inizio</translation>
    </message>
    <message>
        <source>Your password has expired. Change it on the server, then sign in again.</source>
        <translation>La password è scaduta. Modificarla sul server, quindi accedere di nuovo.</translation>
    </message>
    <message>
        <source>The proxy server requires authentication.</source>
        <translation>Il server proxy richiede l'autenticazione.</translation>
    </message>
    <message>
        <source>Prefer IPv6</source>
        <translation>Preferisci IPv6</translation>
    </message>
    <message>
        <source>Select Folders...</source>
        <translation>Seleziona cartelle...</translation>
    </message>
    <message>
        <source>The logs have been saved to %1.</source>
        <translation>I log sono stati salvati in %1.</translation>
    </message>
    <message>
        <source>Connected through the local network</source>
        <translation>Connesso tramite la rete locale</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>A new version of Quenmark Zelto Client is available.</source>
        <translation>È disponibile una nuova versione di Quenmark Zelto Client.</translation>
    </message>
    <message>
        <source>No recent changes</source>
        <translation>Nessuna modifica recente</translation>
    </message>
    <message>
        <source>Syncing is paused</source>
        <translation>La sincronizzazione è sospesa</translation>
    </message>
    <message>
        <source>Keep Files</source>
        <translation>Mantieni i file</translation>
    </message>
    <message>
        <source>Manage Tasks</source>
        <translation>Gestisci attività</translation>
    </message>
    <message>
        <source>Free Up Space</source>
        <translation>Libera spazio</translation>
    </message>
    <message>
        <source>Desktop shortcut</source>
        <translation>Collegamento sul desktop</translation>
    </message>
    <message>
        <source>[ProductName] cannot be installed on this version of the operating system.</source>
        <translation>Impossibile installare [ProductName] in questa versione del sistema operativo.</translation>
    </message>
    <message>
        <source>No entries match your search.</source>
        <translation>Nessuna voce corrisponde alla ricerca.</translation>
    </message>
    <message>
        <source>Show tips at startup</source>
        <translation>Mostra suggerimenti all'avvio</translation>
    </message>
    <message>
        <source>Last backup failed %1</source>
        <translation>Ultimo backup non riuscito: %1</translation>
    </message>
    <message>
        <source>You must restart your system for the configuration changes made to [ProductName] to take effect. Click Yes to restart now or No if you plan to restart later.</source>
        <translation>È necessario riavviare il sistema per rendere effettive le modifiche alla configurazione di [ProductName]. Fare clic su Sì per riavviare ora o su No per riavviare in seguito.</translation>
    </message>
    <message>
        <source>&amp;Close the applications and attempt to restart them.</source>
        <translation>&amp;Chiudi le applicazioni e prova a riavviarle.</translation>
    </message>
    <message>
        <source>An unknown error occurred. Please try again later.</source>
        <translation>Si è verificato un errore sconosciuto. Riprovare più tardi.</translation>
    </message>
    <message>
        <source>Tell us what went wrong or what you would like to see improved.</source>
        <translation>Indicaci cosa non ha funzionato o cosa vorresti migliorare.</translation>
    </message>
    <message>
        <source>Default port</source>
        <translation>Porta predefinita</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>Crea nuova cartella</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>Questa cartella è vuota.</translation>
    </message>
    <message>
        <source>Copied to the clipboard</source>
        <translation>Copiato negli appunti</translation>
    </message>
    <message>
        <source>Change, repair, or remove installation</source>
        <translation>Modifica, ripristino o rimozione dell'installazione</translation>
    </message>
    <message>
        <source>Unable to open the local database.</source>
        <translation>Impossibile aprire il database locale.</translation>
    </message>
    <message>
        <source>Back Up This Folder</source>
        <translation>Esegui il backup di questa cartella</translation>
    </message>
    <message>
        <source>Add Account...</source>
        <translation>Aggiungi account...</translation>
    </message>
    <message>
        <source>Do this for all conflicts</source>
        <translation>Applica a tutti i conflitti</translation>
    </message>
    <message>
        <source>View Issues</source>
        <translation>Visualizza problemi</translation>
    </message>
    <message>
        <source>The highlighted volumes do not have enough disk space available for the currently selected features. You can remove some files from the highlighted volumes, or cancel the installation.</source>
        <translation>I volumi evidenziati non dispongono di spazio sufficiente per le funzionalità selezionate. È possibile rimuovere alcuni file dai volumi evidenziati o annullare l'installazione.</translation>
    </message>
    <message>
        <source>Fine-tune what is synced. You can change these options later in Settings.</source>
        <translation>Definire cosa sincronizzare. Queste opzioni possono essere modificate in seguito nelle impostazioni.</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Dispositivi</translation>
    </message>
    <message>
        <source>Do you want to sign out? All sync tasks of this account will stop.</source>
        <translation>Disconnettersi? Tutte le attività di sincronizzazione di questo account verranno interrotte.</translation>
    </message>
    <message>
        <source>Notify me when others change shared files</source>
        <translation>Avvisami quando altri modificano file condivisi</translation>
    </message>
    <message>
        <source>Click Next to install to the default folder or click Change to choose another.</source>
        <translation>Fare clic su Avanti per installare nella cartella predefinita o su Cambia per sceglierne un'altra.</translation>
    </message>
    <message>
        <source>Previous Versions</source>
        <translation>Versioni precedenti</translation>
    </message>
    <message>
        <source>I lost my authentication device</source>
        <translation>Ho perso il dispositivo di autenticazione</translation>
    </message>
    <message>
        <source>Enter the address of the server you want to sync with.</source>
        <translation>Immettere l'indirizzo del server con cui sincronizzare.</translation>
    </message>
    <message>
        <source>Check file consistency after sync</source>
        <translation>Verifica la coerenza dei file dopo la sincronizzazione</translation>
    </message>
    <message>
        <source>The identity of the server has changed. If you did not expect this, someone may be intercepting your connection.</source>
        <translation>L'identità del server è cambiata. Se non era previsto, qualcuno potrebbe intercettare la connessione.</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Cancella cronologia</translation>
    </message>
    <message>
        <source>Quit Quenmark Zelto Client</source>
        <translation>Esci da Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Server folder path field</source>
        <translation>Campo percorso della cartella sul server</translation>
    </message>
    <message>
        <source>Remove Folder</source>
        <translation>Rimuovi cartella</translation>
    </message>
    <message>
        <source>Opened %1 times</source>
        <translation>Aperto %1 volte</translation>
    </message>
    <message>
        <source>%1 files backed up, %2 skipped</source>
        <translation>%1 file sottoposti a backup, %2 ignorati</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Backup in corso...</translation>
    </message>
    <message>
        <source>Do you want to disconnect this computer from %1?</source>
        <translation>Scollegare questo computer da %1?</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Show the sync folder in the file manager sidebar</source>
        <translation>Mostra la cartella di sincronizzazione nella barra laterale del file manager</translation>
    </message>
    <message>
        <source>Run Diagnostics</source>
        <translation>Esegui diagnostica</translation>
    </message>
    <message>
        <source>Notify me about errors</source>
        <translation>Avvisami in caso di errori</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>&amp;Cambia...</translation>
    </message>
    <message>
        <source>Separate extensions with commas, for example tmp, bak</source>
        <translation>Separare le estensioni con virgole, ad esempio tmp, bak</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Inattivo</translation>
    </message>
    <message>
        <source>Scanning files on the server...</source>
        <translation>Analisi dei file sul server...</translation>
    </message>
    <message>
        <source>Keep history for %1 days</source>
        <translation>Conserva la cronologia per %1 giorni</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lettura</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Torna indietro</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>Operazione non riuscita.</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>S&amp;foglia...</translation>
    </message>
    <message>
        <source>Restart Now</source>
        <translation>Riavvia ora</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Unable to connect through the proxy server.</source>
        <translation>Impossibile connettersi tramite il server proxy.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Download di %1</translation>
    </message>
    <message>
        <source>Delete Files</source>
        <translation>Elimina i file</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dom</translation>
    </message>
    <message>
        <source>Access from your IP address has been denied by the server. Contact the system administrator.</source>
        <translation>Il server ha negato l'accesso dal tuo indirizzo IP. Contattare l'amministratore di sistema.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Import Settings...</source>
        <translation>Importa impostazioni...</translation>
    </message>
    <message>
        <source>There is not enough memory to complete the operation.</source>
        <translation>Memoria insufficiente per completare l'operazione.</translation>
    </message>
    <message>
        <source>Unable to load the settings. Default settings will be used.</source>
        <translation>Impossibile caricare le impostazioni. Verranno utilizzate le impostazioni predefinite.</translation>
    </message>
    <message>
        <source>The server is busy. Please try again later.</source>
        <translation>Il server è occupato. Riprovare più tardi.</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Larghezza di banda</translation>
    </message>
    <message>
        <source>Low disk space</source>
        <translation>Spazio su disco insufficiente</translation>
    </message>
    <message>
        <source>Verifying backup...</source>
        <translation>Verifica del backup...</translation>
    </message>
    <message>
        <source>Running diagnostics...</source>
        <translation>Diagnostica in corso...</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>Skip existing files</source>
        <translation>Ignora i file esistenti</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Files already in it will be merged with the files on the server.</source>
        <translation>La cartella selezionata non è vuota. I file presenti verranno uniti ai file del server.</translation>
    </message>
    <message>
        <source>SOCKS5</source>
        <translation>SOCKS5</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Your IP address has been blocked for %1 minutes.</source>
        <translation>Troppi tentativi di accesso non riusciti. L'indirizzo IP è stato bloccato per %1 minuti.</translation>
    </message>
    <message>
        <source>Limit to</source>
        <translation>Limita a</translation>
    </message>
    <message>
        <source>Show a pop-up message</source>
        <translation>Mostra un messaggio popup</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Disconnesso</translation>
    </message>
    <message>
        <source>Two-step verification</source>
        <translation>Verifica in due passaggi</translation>
    </message>
    <message>
        <source>Ready to repair [ProductName]</source>
        <translation>Pronto per il ripristino di [ProductName]</translation>
    </message>
    <message>
        <source>The source folder %1 could not be found. Connect the drive or remove the folder from the backup.</source>
        <translation>Impossibile trovare la cartella di origine %1. Collegare l'unità o rimuovere la cartella dal backup.</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>The end time must be later than the start time.</source>
        <translation>L'ora di fine deve essere successiva all'ora di inizio.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Disponibile</translation>
    </message>
    <message>
        <source>Enable debug logging</source>
        <translation>Attiva la registrazione di debug</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics to help improve the product</source>
        <translation>Invia statistiche di utilizzo anonime per contribuire a migliorare il prodotto</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Cancella ricerca</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Mostra password</translation>
    </message>
    <message>
        <source>The link was created.</source>
        <translation>Il collegamento è stato creato.</translation>
    </message>
    <message>
        <source>This server has no shared folder you can access. Ask the administrator for permission.</source>
        <translation>Sul server non è presente alcuna cartella condivisa accessibile. Chiedere l'autorizzazione all'amministratore.</translation>
    </message>
    <message>
        <source>The background service is not running.</source>
        <translation>Il servizio in background non è in esecuzione.</translation>
    </message>
    <message>
        <source>Restore files as they were on</source>
        <translation>Ripristina i file com'erano il</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs [ProductName].</source>
        <translation>Attendere mentre l'installazione guidata installa [ProductName].</translation>
    </message>
    <message>
        <source>Syncing is paused on a metered connection.</source>
        <translation>La sincronizzazione è sospesa su una connessione a consumo.</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Sconosciuto</translation>
    </message>
    <message>
        <source>This rule already exists.</source>
        <translation>Questa regola esiste già.</translation>
    </message>
    <message>
        <source>List of recent file changes</source>
        <translation>Elenco delle modifiche recenti ai file</translation>
    </message>
    <message>
        <source>Team Folders</source>
        <translation>Cartelle del team</translation>
    </message>
    <message>
        <source>Remove the selected task</source>
        <translation>Rimuovi l'attività selezionata</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>Password attuale</translation>
    </message>
    <message>
        <source>Same as the system</source>
        <translation>Come il sistema</translation>
    </message>
    <message>
        <source>Review the settings below, then click Done to start syncing.</source>
        <translation>Controllare le impostazioni riportate sotto, quindi fare clic su Fine per avviare la sincronizzazione.</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Diagnostica</translation>
    </message>
    <message>
        <source>Unable to read %1.</source>
        <translation>Impossibile leggere %1.</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>Sincronizzazione completata</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Start minimized to the notification area</source>
        <translation>Avvia ridotto a icona nell'area di notifica</translation>
    </message>
    <message>
        <source>This wizard helps you connect this computer to your server and choose which folders to keep in sync.</source>
        <translation>Questa procedura guidata consente di collegare il computer al server e di scegliere le cartelle da mantenere sincronizzate.</translation>
    </message>
    <message>
        <source>You are using the latest version.</source>
        <translation>Si sta utilizzando la versione più recente.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached.</source>
        <translation>È stata raggiunta la quota di archiviazione sul server.</translation>
    </message>
    <message>
        <source>Show Toolbar</source>
        <translation>Mostra barra degli strumenti</translation>
    </message>
    <message>
        <source>%1 changes are waiting to be synced.</source>
        <translation>%1 modifiche sono in attesa di sincronizzazione.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Sospendi</translation>
    </message>
    <message>
        <source>Do you want to remove Quenmark Zelto Client and all of its components?</source>
        <translation>Rimuovere Quenmark Zelto Client e tutti i suoi componenti?</translation>
    </message>
    <message>
        <source>I accept the terms of the license agreement</source>
        <translation>Accetto i termini del contratto di licenza</translation>
    </message>
    <message>
        <source>System folders cannot be synced. Choose another folder.</source>
        <translation>Le cartelle di sistema non possono essere sincronizzate. Scegliere un'altra cartella.</translation>
    </message>
    <message>
        <source>Launch at startup</source>
        <translation>Avvia all'avvio del sistema</translation>
    </message>
    <message>
        <source>Two-step verification is required for this account.</source>
        <translation>Per questo account è richiesta la verifica in due passaggi.</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>Rebuild Database</source>
        <translation>Ricostruisci database</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Accedi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sabato</translation>
    </message>
    <message>
        <source>The connection to the server timed out.</source>
        <translation>Timeout della connessione al server.</translation>
    </message>
    <message>
        <source>Internet access</source>
        <translation>Accesso a Internet</translation>
    </message>
    <message>
        <source>Show Quenmark Zelto Client items in the file manager context menu</source>
        <translation>Mostra le voci di Quenmark Zelto Client nel menu contestuale del file manager</translation>
    </message>
    <message>
        <source>&amp;Repair</source>
        <translation>&amp;Ripristina</translation>
    </message>
    <message>
        <source>Select the files and folders to restore.</source>
        <translation>Selezionare i file e le cartelle da ripristinare.</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Cache</translation>
    </message>
    <message>
        <source>%1 is a reserved name and cannot be used.</source>
        <translation>%1 è un nome riservato e non può essere utilizzato.</translation>
    </message>
    <message>
        <source>%1 was updated.</source>
        <translation>%1 è stato aggiornato.</translation>
    </message>
    <message>
        <source>SMTP server</source>
        <translation>Server SMTP</translation>
    </message>
    <message>
        <source>No file has been synced yet.</source>
        <translation>Nessun file è stato ancora sincronizzato.</translation>
    </message>
    <message>
        <source>Open Web Portal</source>
        <translation>Apri portale web</translation>
    </message>
    <message>
        <source>Background service</source>
        <translation>Servizio in background</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>View Certificate</source>
        <translation>Visualizza certificato</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuti</translation>
    </message>
    <message>
        <source>Not synced</source>
        <translation>Non sincronizzato</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Guida online</translation>
    </message>
    <message>
        <source>The server name could not be resolved.</source>
        <translation>Impossibile risolvere il nome del server.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>The link could not be copied.</source>
        <translation>Impossibile copiare il collegamento.</translation>
    </message>
    <message>
        <source>Run a missed backup when the computer starts</source>
        <translation>Esegui un backup mancato all'avvio del computer</translation>
    </message>
    <message>
        <source>Every %1 hours</source>
        <translation>Ogni %1 ore</translation>
    </message>
    <message>
        <source>Out of Disk Space</source>
        <translation>Spazio su disco insufficiente</translation>
    </message>
    <message>
        <source>The link has been copied to the clipboard.</source>
        <translation>Il collegamento è stato copiato negli appunti.</translation>
    </message>
    <message>
        <source>Open settings</source>
        <translation>Apri impostazioni</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel [ProductName] installation?</source>
        <translation>Annullare l'installazione di [ProductName]?</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Enter a port number between 1 and 65535.</source>
        <translation>Immettere un numero di porta compreso tra 1 e 65535.</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filtri</translation>
    </message>
    <message>
        <source>Disk Size</source>
        <translation>Dimensione disco</translation>
    </message>
    <message>
        <source>This version of the file is no longer available.</source>
        <translation>Questa versione del file non è più disponibile.</translation>
    </message>
    <message>
        <source>Hide Window</source>
        <translation>Nascondi finestra</translation>
    </message>
    <message>
        <source>Remove Rule</source>
        <translation>Rimuovi regola</translation>
    </message>
    <message>
        <source>Your session has expired. Please sign in again.</source>
        <translation>La sessione è scaduta. Accedere di nuovo.</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Dominio</translation>
    </message>
    <message>
        <source>Symbolic links are not synced.</source>
        <translation>I collegamenti simbolici non vengono sincronizzati.</translation>
    </message>
    <message>
        <source>Create Backup Task</source>
        <translation>Crea attività di backup</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Overwrite existing files</source>
        <translation>Sovrascrivi i file esistenti</translation>
    </message>
    <message>
        <source>Unpacking %1...</source>
        <translation>Estrazione di %1 in corso...</translation>
    </message>
    <message>
        <source>Keep the files in a folder on this computer and a folder on the server identical. Changes on either side are applied to the other.</source>
        <translation>Mantiene identici i file di una cartella del computer e di una cartella del server. Le modifiche da un lato vengono applicate all'altro.</translation>
    </message>
    <message>
        <source>Select the type of task you want to create. You can add more tasks later.</source>
        <translation>Selezionare il tipo di attività da creare. Sarà possibile aggiungere altre attività in seguito.</translation>
    </message>
    <message>
        <source>Rename Task</source>
        <translation>Rinomina attività</translation>
    </message>
    <message>
        <source>Change Password...</source>
        <translation>Cambia password...</translation>
    </message>
    <message>
        <source>Syncing is paused to save battery power.</source>
        <translation>La sincronizzazione è sospesa per risparmiare la batteria.</translation>
    </message>
    <message>
        <source>The Setup Wizard will install [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>L'installazione guidata installerà [ProductName] nel computer. Fare clic su Avanti per continuare o su Annulla per uscire dall'installazione guidata.</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Autorizzazioni</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostra nella cartella</translation>
    </message>
    <message>
        <source>Keep file versions</source>
        <translation>Conserva le versioni dei file</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>The connection to the server was lost. Syncing will resume when the connection is restored.</source>
        <translation>La connessione al server è stata persa. La sincronizzazione riprenderà quando la connessione sarà ripristinata.</translation>
    </message>
    <message>
        <source>The shared folder is encrypted and has not been mounted on the server.</source>
        <translation>La cartella condivisa è crittografata e non è stata montata sul server.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client - %1</source>
        <translation>Quenmark Zelto Client - %1</translation>
    </message>
    <message>
        <source>The version of the server is too old. Update the server to version %1 or later.</source>
        <translation>La versione del server è troppo vecchia. Aggiornare il server alla versione %1 o successiva.</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Aggiungi cartella...</translation>
    </message>
    <message>
        <source>Restored</source>
        <translation>Ripristinato</translation>
    </message>
    <message>
        <source>Reconnecting in %1 seconds...</source>
        <translation>Nuova connessione tra %1 secondi...</translation>
    </message>
    <message>
        <source>Unable to connect through the proxy server %1.</source>
        <translation>Impossibile connettersi tramite il server proxy %1.</translation>
    </message>
    <message>
        <source>Protect with a password</source>
        <translation>Proteggi con password</translation>
    </message>
    <message>
        <source>Enter a rate between 1 and 1048576 KB/s.</source>
        <translation>Immettere una velocità compresa tra 1 e 1048576 KB/s.</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Aggiornamento software</translation>
    </message>
    <message>
        <source>Please wait while the installer finishes determining your disk space requirements.</source>
        <translation>Attendere mentre il programma di installazione determina lo spazio su disco necessario.</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Lun</translation>
    </message>
    <message>
        <source>The rule %1 is not valid.</source>
        <translation>La regola %1 non è valida.</translation>
    </message>
    <message>
        <source>Deleted files can be restored from the recycle bin of the shared folder.</source>
        <translation>I file eliminati possono essere ripristinati dal cestino della cartella condivisa.</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Illimitato</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>%1 is initializing...</source>
        <translation>Inizializzazione di %1 in corso...</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client main window</source>
        <translation>Finestra principale di Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>Unable to write %1.</source>
        <translation>Impossibile scrivere %1.</translation>
    </message>
    <message>
        <source>Log level</source>
        <translation>Livello di log</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>days</source>
        <translation>giorni</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Ospite</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>Pause All</source>
        <translation>Sospendi tutto</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Ogni mese</translation>
    </message>
    <message>
        <source>Prevent the computer from sleeping while syncing</source>
        <translation>Impedisci la sospensione del computer durante la sincronizzazione</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Indirizzo del server</translation>
    </message>
    <message>
        <source>Browse to the destination folder</source>
        <translation>Passare alla cartella di destinazione</translation>
    </message>
    <message>
        <source>Do you want to clear the history? This does not affect your files.</source>
        <translation>Cancellare la cronologia? I file non verranno modificati.</translation>
    </message>
    <message>
        <source>Remove old data</source>
        <translation>Rimuovi i dati precedenti</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Ricordami</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Ogni settimana</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>In coda</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Aggiorna ora</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Giovedì</translation>
    </message>
    <message>
        <source>The selected file does not contain valid settings.</source>
        <translation>Il file selezionato non contiene impostazioni valide.</translation>
    </message>
    <message>
        <source>The password is too weak.</source>
        <translation>La password è troppo debole.</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Seleziona cartella</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard repairs [ProductName].</source>
        <translation>Attendere mentre l'installazione guidata ripristina [ProductName].</translation>
    </message>
    <message>
        <source>For example: tmp, log, iso</source>
        <translation>Ad esempio: tmp, log, iso</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Impossibile stabilire una connessione sicura con il server.</translation>
    </message>
    <message>
        <source>Pause the selected task</source>
        <translation>Sospendi l'attività selezionata</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>Sistema operativo</translation>
    </message>
    <message>
        <source>Do you want to remove the task %1? The files in the folders will not be deleted.</source>
        <translation>Rimuovere l'attività %1? I file nelle cartelle non verranno eliminati.</translation>
    </message>
    <message>
        <source>[ProductName] Setup</source>
        <translation>Installazione di [ProductName]</translation>
    </message>
    <message>
        <source>This account has been disabled. Contact your system administrator.</source>
        <translation>Questo account è stato disattivato. Contattare l'amministratore di sistema.</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Oggi</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>Indirizzo e-mail</translation>
    </message>
    <message>
        <source>The verification code is incorrect or has expired.</source>
        <translation>Il codice di verifica non è corretto o è scaduto.</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>List of sync and backup tasks</source>
        <translation>Elenco delle attività di sincronizzazione e backup</translation>
    </message>
    <message>
        <source>Keep up to %1 versions of each file</source>
        <translation>Conserva fino a %1 versioni di ogni file</translation>
    </message>
    <message>
        <source>%1 will be synced with %2.</source>
        <translation>%1 verrà sincronizzato con %2.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Syncing %1</source>
        <translation>Sincronizzazione di %1</translation>
    </message>
    <message>
        <source>Free space</source>
        <translation>Spazio libero</translation>
    </message>
    <message>
        <source>Your feedback could not be sent. Please try again later.</source>
        <translation>Impossibile inviare i commenti. Riprovare più tardi.</translation>
    </message>
    <message>
        <source>File manager integration</source>
        <translation>Integrazione con il file manager</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Nuova password</translation>
    </message>
    <message>
        <source>Sign In with SSO</source>
        <translation>Accedi con SSO</translation>
    </message>
    <message>
        <source>My Files</source>
        <translation>I miei file</translation>
    </message>
    <message>
        <source>Sync new folders automatically</source>
        <translation>Sincronizza automaticamente le nuove cartelle</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Verifica aggiornamenti</translation>
    </message>
    <message>
        <source>Enter the 6-digit code from your authenticator app.</source>
        <translation>Immettere il codice a 6 cifre dell'app di autenticazione.</translation>
    </message>
    <message>
        <source>Right-click a file for more options.</source>
        <translation>Fare clic con il pulsante destro su un file per altre opzioni.</translation>
    </message>
    <message>
        <source>Server version</source>
        <translation>Versione del server</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client was removed from your computer.</source>
        <translation>Quenmark Zelto Client è stato rimosso dal computer.</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Nome cartella</translation>
    </message>
    <message>
        <source>You have no tasks yet. Click Create Task to sync or back up a folder.</source>
        <translation>Non sono ancora presenti attività. Fare clic su Crea attività per sincronizzare una cartella o eseguirne il backup.</translation>
    </message>
    <message>
        <source>Indexing files...</source>
        <translation>Indicizzazione dei file...</translation>
    </message>
    <message>
        <source>Verification code field</source>
        <translation>Campo codice di verifica</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disco pieno</translation>
    </message>
    <message>
        <source>Backup started</source>
        <translation>Backup avviato</translation>
    </message>
    <message>
        <source>The sync folder %1 was moved or deleted. Syncing has stopped for this task.</source>
        <translation>La cartella di sincronizzazione %1 è stata spostata o eliminata. La sincronizzazione di questa attività è stata interrotta.</translation>
    </message>
    <message>
        <source>The file was damaged during transfer and will be downloaded again.</source>
        <translation>Il file è stato danneggiato durante il trasferimento e verrà scaricato di nuovo.</translation>
    </message>
    <message>
        <source>You have reached the maximum number of tasks (%1).</source>
        <translation>È stato raggiunto il numero massimo di attività (%1).</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>ore</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Icon View</source>
        <translation>Visualizzazione icone</translation>
    </message>
    <message>
        <source>Backup finished</source>
        <translation>Backup completato</translation>
    </message>
    <message>
        <source>Starting %1 for the first time. This may take a minute.</source>
        <translation>Primo avvio di %1. Potrebbe essere necessario un minuto.</translation>
    </message>
    <message>
        <source>Server path</source>
        <translation>Percorso sul server</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Cambia password</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Indirizzo IP</translation>
    </message>
    <message>
        <source>Sync file permissions and timestamps</source>
        <translation>Sincronizza autorizzazioni e date dei file</translation>
    </message>
    <message>
        <source>Syncing will stop when you quit. Quit Quenmark Zelto Client anyway?</source>
        <translation>Uscendo, la sincronizzazione si interromperà. Uscire comunque da Quenmark Zelto Client?</translation>
    </message>
    <message>
        <source>Hidden files</source>
        <translation>File nascosti</translation>
    </message>
    <message>
        <source>The folder cannot be inside or contain a folder that is already synced.</source>
        <translation>La cartella non può trovarsi all'interno di una cartella già sincronizzata né contenerne una.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached. The backup cannot continue until space is freed.</source>
        <translation>È stata raggiunta la quota di archiviazione sul server. Il backup non può continuare finché non viene liberato spazio.</translation>
    </message>
    <message>
        <source>Download queue</source>
        <translation>Coda di download</translation>
    </message>
    <message>
        <source>This computer is registered with the server.</source>
        <translation>Questo computer è registrato sul server.</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Cestino</translation>
    </message>
    <message>
        <source>Back up changes continuously</source>
        <translation>Esegui il backup delle modifiche in modo continuo</translation>
    </message>
    <message>
        <source>Source folders</source>
        <translation>Cartelle di origine</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Contratto di licenza</translation>
    </message>
    <message>
        <source>Sync options</source>
        <translation>Opzioni di sincronizzazione</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>Tutto pronto!</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Salta</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nuova cartella</translation>
    </message>
    <message>
        <source>Add to the &amp;Start menu</source>
        <translation>Aggiungi al menu &amp;Start</translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation>Accesso in corso...</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Fare clic su Installa per avviare l'installazione. Fare clic su Indietro per rivedere o modificare le impostazioni di installazione. Fare clic su Annulla per uscire dalla procedura guidata.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client cannot write to %1. Check the folder permissions.</source>
        <translation>Quenmark Zelto Client non può scrivere in %1. Controllare le autorizzazioni della cartella.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Ignora questa versione</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>Visita il nostro sito web</translation>
    </message>
    <message>
        <source>Open Local Folder</source>
        <translation>Apri cartella locale</translation>
    </message>
    <message>
        <source>Removing [ProductName]</source>
        <translation>Rimozione di [ProductName]</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Copyright (c) Quenmark. All rights reserved.</source>
        <translation>Copyright (c) Quenmark. Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Rimuovi dispositivo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The session is locked.</source>
        <translation>La sessione è bloccata.</translation>
    </message>
    <message>
        <source>Downloading on demand...</source>
        <translation>Download su richiesta...</translation>
    </message>
    <message>
        <source>Sign-in required</source>
        <translation>Accesso richiesto</translation>
    </message>
    <message>
        <source>Unable to copy %1.</source>
        <translation>Impossibile copiare %1.</translation>
    </message>
    <message>
        <source>List of filter rules</source>
        <translation>Elenco delle regole di filtro</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>Snapshot</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Interrotto</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Change destination folder</source>
        <translation>Modifica cartella di destinazione</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Sincronizzazione in corso...</translation>
    </message>
    <message>
        <source>Back up only when the computer is plugged in</source>
        <translation>Esegui il backup solo quando il computer è collegato alla corrente</translation>
    </message>
    <message>
        <source>Resume Syncing</source>
        <translation>Riprendi sincronizzazione</translation>
    </message>
    <message>
        <source>A new version is available.</source>
        <translation>È disponibile una nuova versione.</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation>Domande frequenti</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Visualizza</translation>
    </message>
    <message>
        <source>Run on</source>
        <translation>Esegui il</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Unable to download the update.</source>
        <translation>Impossibile scaricare l'aggiornamento.</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>Verifica connessione</translation>
    </message>
    <message>
        <source>You have been signed out.</source>
        <translation>Disconnessione eseguita.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sincronizzazione</translation>
    </message>
    <message>
        <source>Last backup completed %1</source>
        <translation>Ultimo backup completato: %1</translation>
    </message>
    <message>
        <source>Pause Syncing</source>
        <translation>Sospendi sincronizzazione</translation>
    </message>
    <message>
        <source>Limit automatically</source>
        <translation>Limita automaticamente</translation>
    </message>
    <message>
        <source>Keep the version on the server</source>
        <translation>Mantieni la versione del server</translation>
    </message>
    <message>
        <source>Open menu</source>
        <translation>Apri menu</translation>
    </message>
    <message>
        <source>The file is larger than the limit allowed by the server.</source>
        <translation>Il file supera la dimensione consentita dal server.</translation>
    </message>
    <message>
        <source>Your data was moved successfully.</source>
        <translation>I dati sono stati trasferiti correttamente.</translation>
    </message>
    <message>
        <source>Ready to install [ProductName]</source>
        <translation>Pronto per l'installazione di [ProductName]</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Il file %1 non esiste.</translation>
    </message>
    <message>
        <source>Export Logs...</source>
        <translation>Esporta log...</translation>
    </message>
    <message>
        <source>Syncing has resumed</source>
        <translation>La sincronizzazione è ripresa</translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely because of an error. Your system has not been modified. To install this program at a later time, run the Setup Wizard again.</source>
        <translation>L'installazione guidata di [ProductName] è stata interrotta a causa di un errore. Il sistema non è stato modificato. Per installare il programma in un secondo momento, eseguire di nuovo l'installazione guidata.</translation>
    </message>
    <message>
        <source>Select the server folder to sync with this computer.</source>
        <translation>Selezionare la cartella del server da sincronizzare con questo computer.</translation>
    </message>
    <message>
        <source>Upload changes to the server only</source>
        <translation>Carica solo le modifiche sul server</translation>
    </message>
    <message>
        <source>Time remaining unknown</source>
        <translation>Tempo rimanente sconosciuto</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>%1 files were skipped. See the history for details.</source>
        <translation>%1 file sono stati ignorati. Per i dettagli, consultare la cronologia.</translation>
    </message>
    <message>
        <source>Keep all versions</source>
        <translation>Conserva tutte le versioni</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Sync progress</source>
        <translation>Avanzamento della sincronizzazione</translation>
    </message>
    <message>
        <source>The new language will be used after Quenmark Zelto Client restarts.</source>
        <translation>La nuova lingua verrà utilizzata dopo il riavvio di Quenmark Zelto Client.</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Creato</translation>
    </message>
    <message>
        <source>%1 used of %2</source>
        <translation>%1 utilizzati su %2</translation>
    </message>
    <message>
        <source>Version Retention</source>
        <translation>Conservazione delle versioni</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Ora di fine</translation>
    </message>
    <message>
        <source>Proxy type</source>
        <translation>Tipo di proxy</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>Ordina per nome</translation>
    </message>
    <message>
        <source>On-demand sync is not supported on this file system.</source>
        <translation>La sincronizzazione su richiesta non è supportata su questo file system.</translation>
    </message>
    <message>
        <source>Connected through the Internet</source>
        <translation>Connesso tramite Internet</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Riprova</translation>
    </message>
    <message>
        <source>Authentication required</source>
        <translation>Autenticazione richiesta</translation>
    </message>
    <message>
        <source>Access Denied</source>
        <translation>Accesso negato</translation>
    </message>
    <message>
        <source>Upload rate</source>
        <translation>Velocità di caricamento</translation>
    </message>
    <message>
        <source>The system limit on watched folders has been reached. Some changes may be detected late.</source>
        <translation>È stato raggiunto il limite di sistema per le cartelle monitorate. Alcune modifiche potrebbero essere rilevate in ritardo.</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Spostato</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Ignora</translation>
    </message>
    <message>
        <source>Sort by Date</source>
        <translation>Ordina per data</translation>
    </message>
    <message>
        <source>Do not sync hidden files</source>
        <translation>Non sincronizzare i file nascosti</translation>
    </message>
    <message>
        <source>Sync This Folder</source>
        <translation>Sincronizza questa cartella</translation>
    </message>
    <message>
        <source>%1 is very large. Uploading it may take a long time.</source>
        <translation>%1 è molto grande. Il caricamento potrebbe richiedere molto tempo.</translation>
    </message>
    <message>
        <source>Access control lists are not supported on this file system and will not be synced.</source>
        <translation>Gli elenchi di controllo di accesso non sono supportati da questo file system e non verranno sincronizzati.</translation>
    </message>
    <message>
        <source>Enter the verification code</source>
        <translation>Immettere il codice di verifica</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>Le password non corrispondono.</translation>
    </message>
    <message>
        <source>The security certificate of %1 is not trusted. Your connection may not be secure.</source>
        <translation>Il certificato di sicurezza di %1 non è attendibile. La connessione potrebbe non essere sicura.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapporto</translation>
    </message>
    <message>
        <source>%1, %2 o'clock</source>
        <translation>%1, ore %2</translation>
    </message>
    <message>
        <source>The Setup Wizard allows you to repair the installation of [ProductName] or remove it from your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>L'installazione guidata consente di ripristinare l'installazione di [ProductName] o di rimuoverlo dal computer. Fare clic su Avanti per continuare o su Annulla per uscire dall'installazione guidata.</translation>
    </message>
    <message>
        <source>Read and write</source>
        <translation>Lettura e scrittura</translation>
    </message>
    <message>
        <source>Pause for 8 hours</source>
        <translation>Sospendi per 8 ore</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Sospeso</translation>
    </message>
    <message>
        <source>Edit the selected task</source>
        <translation>Modifica l'attività selezionata</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Benvenuto</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Apri nel browser</translation>
    </message>
    <message>
        <source>Task %1, status %2</source>
        <translation>Attività %1, stato %2</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation>Fare clic sul pulsante Fine per uscire dall'installazione guidata.</translation>
    </message>
    <message>
        <source>Relay ID</source>
        <translation>ID relay</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Accedi</translation>
    </message>
    <message>
        <source>Do not limit</source>
        <translation>Nessun limite</translation>
    </message>
    <message>
        <source>Download changes from the server only</source>
        <translation>Scarica solo le modifiche dal server</translation>
    </message>
    <message>
        <source>Unable to move %1 to %2.</source>
        <translation>Impossibile spostare %1 in %2.</translation>
    </message>
    <message>
        <source>Add a task</source>
        <translation>Aggiungi un'attività</translation>
    </message>
    <message>
        <source>Your storage space on %1 is almost full.</source>
        <translation>Lo spazio di archiviazione su %1 è quasi esaurito.</translation>
    </message>
    <message>
        <source>Install updates automatically</source>
        <translation>Installa automaticamente gli aggiornamenti</translation>
    </message>
    <message>
        <source>Recent Changes</source>
        <translation>Modifiche recenti</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>Nome visualizzato</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connessione in corso...</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Avvisi</translation>
    </message>
    <message>
        <source>Preparing to sync...</source>
        <translation>Preparazione della sincronizzazione...</translation>
    </message>
    <message>
        <source>Single Sign-On</source>
        <translation>Single Sign-On</translation>
    </message>
    <message>
        <source>Ready to sync</source>
        <translation>Pronto per la sincronizzazione</translation>
    </message>
    <message>
        <source>Advanced Filters...</source>
        <translation>Filtri avanzati...</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <translation>Mostra notifiche sul desktop</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Ricerca di aggiornamenti in corso...</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Scaricato</translation>
    </message>
    <message>
        <source>Choose a folder on the server</source>
        <translation>Scelta di una cartella sul server</translation>
    </message>
    <message>
        <source>Excluded from sync</source>
        <translation>Escluso dalla sincronizzazione</translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <translation>Sincronizzazione di %1 file</translation>
    </message>
    <message>
        <source>Loading folders...</source>
        <translation>Caricamento delle cartelle...</translation>
    </message>
    <message>
        <source>This version of Quenmark Zelto Client is no longer supported by the server. Please update the client.</source>
        <translation>Questa versione di Quenmark Zelto Client non è più supportata dal server. Aggiornare il client.</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Condiviso</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondi</translation>
    </message>
    <message>
        <source>Repairing [ProductName]</source>
        <translation>Ripristino di [ProductName]</translation>
    </message>
    <message>
        <source>Upload speed</source>
        <translation>Velocità di caricamento</translation>
    </message>
    <message>
        <source>Open on Server</source>
        <translation>Apri sul server</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Fine</translation>
    </message>
    <message>
        <source>Your settings have been saved.</source>
        <translation>Le impostazioni sono state salvate.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>Create Sync Task</source>
        <translation>Crea attività di sincronizzazione</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Esegui backup ora</translation>
    </message>
    <message>
        <source>The upgrade is complete.</source>
        <translation>L'aggiornamento è completato.</translation>
    </message>
    <message>
        <source>Version %1 (build %2)</source>
        <translation>Versione %1 (build %2)</translation>
    </message>
    <message>
        <source>Launch [ProductName] now</source>
        <translation>Avvia [ProductName] ora</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Invia commenti</translation>
    </message>
    <message>
        <source>No results found.</source>
        <translation>Nessun risultato.</translation>
    </message>
    <message>
        <source>Copy Sharing Link</source>
        <translation>Copia collegamento di condivisione</translation>
    </message>
    <message>
        <source>The task no longer exists.</source>
        <translation>L'attività non esiste più.</translation>
    </message>
    <message>
        <source>&amp;Do not close applications. A reboot will be required.</source>
        <translation>&amp;Non chiudere le applicazioni. Sarà necessario riavviare il sistema.</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Attività</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Ven</translation>
    </message>
    <message>
        <source>Deleting %1</source>
        <translation>Eliminazione di %1</translation>
    </message>
    <message>
        <source>Enter at least %1 characters.</source>
        <translation>Immettere almeno %1 caratteri.</translation>
    </message>
    <message>
        <source>Unable to restore the selected files.</source>
        <translation>Impossibile ripristinare i file selezionati.</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation>Sincronizzazione su richiesta</translation>
    </message>
    <message>
        <source>Checking the environment...</source>
        <translation>Verifica dell'ambiente...</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation>Sincronizzazione bidirezionale</translation>
    </message>
    <message>
        <source>Valid until</source>
        <translation>Valido fino al</translation>
    </message>
    <message>
        <source>The history was exported to %1.</source>
        <translation>La cronologia è stata esportata in %1.</translation>
    </message>
    <message>
        <source>Files and folders that match these rules are not synced.</source>
        <translation>I file e le cartelle che corrispondono a queste regole non vengono sincronizzati.</translation>
    </message>
    <message>
        <source>Available offline</source>
        <translation>Disponibile offline</translation>
    </message>
    <message>
        <source>The files have been restored.</source>
        <translation>I file sono stati ripristinati.</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Nome del dispositivo</translation>
    </message>
    <message>
        <source>Renaming %1</source>
        <translation>Ridenominazione di %1</translation>
    </message>
    <message>
        <source>Some files could not be synced</source>
        <translation>Non è stato possibile sincronizzare alcuni file</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rete</translation>
    </message>
    <message>
        <source>Task name</source>
        <translation>Nome attività</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by fixing missing and corrupt files, shortcuts, and registry entries.</source>
        <translation>Corregge gli errori dell'installazione più recente ripristinando file, collegamenti e voci del Registro di sistema mancanti o danneggiati.</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Caricamento...</translation>
    </message>
    <message>
        <source>Pause until I resume</source>
        <translation>Sospendi fino alla ripresa manuale</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>No server was found on your local network. Enter the address manually.</source>
        <translation>Nessun server trovato nella rete locale. Immettere l'indirizzo manualmente.</translation>
    </message>
    <message>
        <source>Removes [ProductName] from your computer.</source>
        <translation>Rimuove [ProductName] dal computer.</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>Cartella locale</translation>
    </message>
    <message>
        <source>The quota of the shared folder has been reached.</source>
        <translation>È stata raggiunta la quota della cartella condivisa.</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>Contratto di licenza con l'utente finale</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>Online only</source>
        <translation>Solo online</translation>
    </message>
    <message>
        <source>Up one level</source>
        <translation>Livello superiore</translation>
    </message>
    <message>
        <source>Upload: %1/s  Download: %2/s</source>
        <translation>Caricamento: %1/s  Download: %2/s</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Scuro</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Ogni giorno</translation>
    </message>
    <message>
        <source>The local version was renamed to %1.</source>
        <translation>La versione locale è stata rinominata in %1.</translation>
    </message>
    <message>
        <source>%1 is in use by another application and will be synced when it is closed.</source>
        <translation>%1 è in uso da parte di un'altra applicazione e verrà sincronizzato alla sua chiusura.</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Sospeso fino a %1</translation>
    </message>
    <message>
        <source>View History</source>
        <translation>Visualizza cronologia</translation>
    </message>
    <message>
        <source>Confirm new password</source>
        <translation>Conferma nuova password</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>Timeout della connessione</translation>
    </message>
    <message>
        <source>Proxy server</source>
        <translation>Server proxy</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utente</translation>
    </message>
    <message>
        <source>Downloading the update... %1%</source>
        <translation>Download dell'aggiornamento... %1%</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Rinominato</translation>
    </message>
    <message>
        <source>Use dark theme</source>
        <translation>Usa il tema scuro</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martedì</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>KB/s</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully</source>
        <translation>Leggere attentamente il seguente contratto di licenza</translation>
    </message>
    <message>
        <source>Send Test Email</source>
        <translation>Invia e-mail di prova</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <translation>Direzione di sincronizzazione</translation>
    </message>
    <message>
        <source>Rebuilding the local database...</source>
        <translation>Ricostruzione del database locale...</translation>
    </message>
    <message>
        <source>Switch Account</source>
        <translation>Cambia account</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Folder tree</source>
        <translation>Albero delle cartelle</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>Ripristina questa versione</translation>
    </message>
    <message>
        <source>The destination shared folder could not be found on the server. Select another destination.</source>
        <translation>Impossibile trovare la cartella condivisa di destinazione sul server. Selezionare un'altra destinazione.</translation>
    </message>
    <message>
        <source>The security certificate of the server has expired.</source>
        <translation>Il certificato di sicurezza del server è scaduto.</translation>
    </message>
    <message>
        <source>Restart Quenmark Zelto Client to apply the changes.</source>
        <translation>Riavviare Quenmark Zelto Client per applicare le modifiche.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client status icon</source>
        <translation>Icona di stato di Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Alimentazione</translation>
    </message>
    <message>
        <source>%1 percent complete</source>
        <translation>%1 percento completato</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sab</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Spazio di archiviazione</translation>
    </message>
    <message>
        <source>Pause syncing when running on battery power</source>
        <translation>Sospendi la sincronizzazione quando si usa la batteria</translation>
    </message>
    <message>
        <source>Enter your server address, username and password.</source>
        <translation>Immettere indirizzo del server, nome utente e password.</translation>
    </message>
    <message>
        <source>Every %1 minutes</source>
        <translation>Ogni %1 minuti</translation>
    </message>
    <message>
        <source>Do you want to delete the selected items?</source>
        <translation>Eliminare gli elementi selezionati?</translation>
    </message>
    <message>
        <source>Show sync status icons in the file manager</source>
        <translation>Mostra le icone di stato della sincronizzazione nel file manager</translation>
    </message>
    <message>
        <source>I &amp;do not accept the terms in the License Agreement</source>
        <translation>&amp;Non accetto i termini del contratto di licenza</translation>
    </message>
    <message>
        <source>Learn more</source>
        <translation>Ulteriori informazioni</translation>
    </message>
    <message>
        <source>Server address field</source>
        <translation>Campo indirizzo del server</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenza</translation>
    </message>
    <message>
        <source>Play a sound</source>
        <translation>Riproduci un suono</translation>
    </message>
    <message>
        <source>Locate Folder</source>
        <translation>Individua cartella</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>Cartella di destinazione</translation>
    </message>
    <message>
        <source>Load More</source>
        <translation>Carica altro</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Unable to rename %1 to %2.</source>
        <translation>Impossibile rinominare %1 in %2.</translation>
    </message>
    <message>
        <source>If your network requires a proxy server to reach the Internet, enter its settings here.</source>
        <translation>Se la rete richiede un server proxy per accedere a Internet, immetterne qui le impostazioni.</translation>
    </message>
    <message>
        <source>Remove the local copies of the selected files? They remain on the server and are downloaded again when you open them.</source>
        <translation>Rimuovere le copie locali dei file selezionati? Restano sul server e vengono scaricate di nuovo quando si aprono.</translation>
    </message>
    <message>
        <source>Install Now</source>
        <translation>Installa ora</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Gio</translation>
    </message>
    <message>
        <source>Display scaling</source>
        <translation>Ridimensionamento dello schermo</translation>
    </message>
    <message>
        <source>Restoring %1 of %2 files...</source>
        <translation>Ripristino di %1 file su %2...</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Estensioni di file</translation>
    </message>
    <message>
        <source>The update package is damaged or has an invalid signature.</source>
        <translation>Il pacchetto di aggiornamento è danneggiato o ha una firma non valida.</translation>
    </message>
    <message>
        <source>Disk Space Requirements</source>
        <translation>Requisiti di spazio su disco</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aggiornamento</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Attività</translation>
    </message>
    <message>
        <source>Account: %1</source>
        <translation>Account: %1</translation>
    </message>
    <message>
        <source>The security certificate of the server is not trusted.</source>
        <translation>Il certificato di sicurezza del server non è attendibile.</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Nessuna selezione</translation>
    </message>
    <message>
        <source>An invalid parameter was given.</source>
        <translation>È stato specificato un parametro non valido.</translation>
    </message>
    <message>
        <source>Ask before deleting many files on the server</source>
        <translation>Chiedi conferma prima di eliminare molti file sul server</translation>
    </message>
    <message>
        <source>&amp;Look in:</source>
        <translation>&amp;Cerca in:</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>L'indirizzo IP è stato bloccato dal server.</translation>
    </message>
    <message>
        <source>Debug logging records detailed information and may slow down syncing. Turn it off when you are done.</source>
        <translation>La registrazione di debug salva informazioni dettagliate e può rallentare la sincronizzazione. Disattivarla al termine.</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Configurazione manuale del proxy</translation>
    </message>
    <message>
        <source>Day of the month</source>
        <translation>Giorno del mese</translation>
    </message>
    <message>
        <source>The local database is damaged. Quenmark Zelto Client will rebuild it.</source>
        <translation>Il database locale è danneggiato. Quenmark Zelto Client lo ricostruirà.</translation>
    </message>
    <message>
        <source>Are you sure you want to quit the setup? No task will be created.</source>
        <translation>Uscire dalla configurazione? Non verrà creata alcuna attività.</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Mai sincronizzato</translation>
    </message>
    <message>
        <source>The shared folder no longer exists on the server.</source>
        <translation>La cartella condivisa non esiste più sul server.</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Use SSL/TLS</source>
        <translation>Usa SSL/TLS</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <translation>Modalità di sincronizzazione</translation>
    </message>
    <message>
        <source>The update has been downloaded and will be installed when you quit Quenmark Zelto Client.</source>
        <translation>L'aggiornamento è stato scaricato e verrà installato alla chiusura di Quenmark Zelto Client.</translation>
    </message>
    <message>
        <source>The server is under maintenance. Syncing will resume automatically.</source>
        <translation>Il server è in manutenzione. La sincronizzazione riprenderà automaticamente.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client Setup</source>
        <translation>Configurazione di Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Enable backup schedule</source>
        <translation>Attiva la pianificazione dei backup</translation>
    </message>
    <message>
        <source>The first sync may take a while, depending on the number and size of your files.</source>
        <translation>La prima sincronizzazione potrebbe richiedere del tempo, a seconda del numero e delle dimensioni dei file.</translation>
    </message>
    <message>
        <source>Sign in with the account you use on %1.</source>
        <translation>Accedere con l'account utilizzato su %1.</translation>
    </message>
    <message>
        <source>Backup Schedule</source>
        <translation>Pianificazione backup</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>Il nome del file è troppo lungo.</translation>
    </message>
    <message>
        <source>The file manager will be restarted to unload the extension.</source>
        <translation>Il file manager verrà riavviato per scaricare l'estensione.</translation>
    </message>
    <message>
        <source>Keep both versions</source>
        <translation>Mantieni entrambe le versioni</translation>
    </message>
    <message>
        <source>Available when online</source>
        <translation>Disponibile online</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Deseleziona tutto</translation>
    </message>
    <message>
        <source>Total size</source>
        <translation>Dimensione totale</translation>
    </message>
    <message>
        <source>Open source licenses</source>
        <translation>Licenze open source</translation>
    </message>
    <message>
        <source>No backup is scheduled.</source>
        <translation>Nessun backup pianificato.</translation>
    </message>
    <message>
        <source>Syncing was paused while the computer was asleep.</source>
        <translation>La sincronizzazione è stata sospesa mentre il computer era in sospensione.</translation>
    </message>
    <message>
        <source>Team Folder</source>
        <translation>Cartella del team</translation>
    </message>
    <message>
        <source>Overall progress</source>
        <translation>Avanzamento complessivo</translation>
    </message>
    <message>
        <source>Checking the connection to %1...</source>
        <translation>Verifica della connessione a %1 in corso...</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <translation>%1 è pronto.</translation>
    </message>
    <message>
        <source>When a conflict occurs</source>
        <translation>In caso di conflitto</translation>
    </message>
    <message>
        <source>The security certificate was issued to %1, not to %2.</source>
        <translation>Il certificato di sicurezza è stato rilasciato a %1, non a %2.</translation>
    </message>
    <message>
        <source>Trust this computer</source>
        <translation>Considera attendibile questo computer</translation>
    </message>
    <message>
        <source>Select the operation you wish to perform.</source>
        <translation>Selezionare l'operazione da eseguire.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Attivato</translation>
    </message>
    <message>
        <source>File size limit</source>
        <translation>Limite dimensione file</translation>
    </message>
    <message>
        <source>Unable to create the task.</source>
        <translation>Impossibile creare l'attività.</translation>
    </message>
    <message>
        <source>Create Task</source>
        <translation>Crea attività</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <translation>Alcuni file da aggiornare sono attualmente in uso.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Attendere...</translation>
    </message>
    <message>
        <source>Searching for servers on your local network...</source>
        <translation>Ricerca di server nella rete locale in corso...</translation>
    </message>
    <message>
        <source>Disk space required for the installation exceeds available disk space.</source>
        <translation>Lo spazio su disco richiesto per l'installazione supera lo spazio disponibile.</translation>
    </message>
    <message>
        <source>The following applications are using files that need to be updated by this setup. Close these applications and then click &amp;Retry to continue the installation or Cancel to exit it.</source>
        <translation>Le seguenti applicazioni utilizzano file che devono essere aggiornati dall'installazione. Chiudere queste applicazioni e fare clic su &amp;Riprova per continuare l'installazione o su Annulla per uscire.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La cartella %1 non esiste.</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Proprietario</translation>
    </message>
    <message>
        <source>Play sounds</source>
        <translation>Riproduci suoni</translation>
    </message>
    <message>
        <source>Synced</source>
        <translation>Sincronizzato</translation>
    </message>
    <message>
        <source>Last day of the month</source>
        <translation>Ultimo giorno del mese</translation>
    </message>
    <message>
        <source>Keep the version on this computer</source>
        <translation>Mantieni la versione di questo computer</translation>
    </message>
    <message>
        <source>Resume the selected task</source>
        <translation>Riprendi l'attività selezionata</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Supporto</translation>
    </message>
    <message>
        <source>Sort by Size</source>
        <translation>Ordina per dimensione</translation>
    </message>
    <message>
        <source>Storage Details</source>
        <translation>Dettagli archiviazione</translation>
    </message>
    <message>
        <source>Apply limits only during these hours</source>
        <translation>Applica i limiti solo in queste ore</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppo</translation>
    </message>
    <message>
        <source>Welcome to Quenmark Zelto Client</source>
        <translation>Benvenuti in Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Azione</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connesso</translation>
    </message>
    <message>
        <source>Data from an earlier version was found on this computer.</source>
        <translation>Nel computer sono stati trovati dati di una versione precedente.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Pause for 30 minutes</source>
        <translation>Sospendi per 30 minuti</translation>
    </message>
    <message>
        <source>Open in File Manager</source>
        <translation>Apri nel file manager</translation>
    </message>
    <message>
        <source>Completed the [ProductName] Setup Wizard</source>
        <translation>Installazione guidata di [ProductName] completata</translation>
    </message>
    <message>
        <source>Last synced %1</source>
        <translation>Ultima sincronizzazione: %1</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Passaggio %1 di %2</translation>
    </message>
    <message>
        <source>Retry Now</source>
        <translation>Riprova ora</translation>
    </message>
    <message>
        <source>%1 of %2 used</source>
        <translation>%1 di %2 utilizzati</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Ignorato</translation>
    </message>
    <message>
        <source>You have used %1 of your storage quota.</source>
        <translation>Hai utilizzato %1 della quota di archiviazione.</translation>
    </message>
    <message>
        <source>A newer version of [ProductName] is already installed. Setup will now exit.</source>
        <translation>È già installata una versione più recente di [ProductName]. L'installazione verrà chiusa.</translation>
    </message>
    <message>
        <source>No problem was found.</source>
        <translation>Non è stato rilevato alcun problema.</translation>
    </message>
    <message>
        <source>Keep files on the server that were deleted on this computer</source>
        <translation>Mantieni sul server i file eliminati da questo computer</translation>
    </message>
    <message>
        <source>Scanning for changes...</source>
        <translation>Ricerca di modifiche in corso...</translation>
    </message>
    <message>
        <source>Registering product</source>
        <translation>Registrazione del prodotto</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Lingua dell'interfaccia</translation>
    </message>
    <message>
        <source>You are not running the setup as an administrator. Some features may not be installed correctly. Continue anyway?</source>
        <translation>L'installazione non viene eseguita come amministratore. Alcune funzionalità potrebbero non essere installate correttamente. Continuare comunque?</translation>
    </message>
    <message>
        <source>There is not enough free space on %1. At least %2 is needed.</source>
        <translation>Spazio libero insufficiente su %1. Sono necessari almeno %2.</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Contatta il supporto</translation>
    </message>
    <message>
        <source>Task Details</source>
        <translation>Dettagli attività</translation>
    </message>
    <message>
        <source>Back up only when the computer is idle</source>
        <translation>Esegui il backup solo quando il computer è inattivo</translation>
    </message>
    <message>
        <source>Open the folder on the server in a web browser</source>
        <translation>Apri la cartella del server in un browser web</translation>
    </message>
    <message>
        <source>Administrator permission is required.</source>
        <translation>È richiesta l'autorizzazione dell'amministratore.</translation>
    </message>
    <message>
        <source>Creating shortcuts</source>
        <translation>Creazione dei collegamenti</translation>
    </message>
    <message>
        <source>Your email address (optional)</source>
        <translation>Il tuo indirizzo e-mail (facoltativo)</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Free space on this drive: %1</source>
        <translation>Spazio libero su questa unità: %1</translation>
    </message>
    <message>
        <source>The proxy connection works.</source>
        <translation>La connessione tramite proxy funziona.</translation>
    </message>
    <message>
        <source>Privacy statement</source>
        <translation>Informativa sulla privacy</translation>
    </message>
    <message>
        <source>Install the file manager extension (status icons and context menu)</source>
        <translation>Installa l'estensione del file manager (icone di stato e menu contestuale)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Select Folders</source>
        <translation>Seleziona cartelle</translation>
    </message>
    <message>
        <source>The file is locked by another application.</source>
        <translation>Il file è bloccato da un'altra applicazione.</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Stato:</translation>
    </message>
    <message>
        <source>Thank you! Your feedback has been sent.</source>
        <translation>Grazie! I tuoi commenti sono stati inviati.</translation>
    </message>
    <message>
        <source>Sync directly with computers on the same network when possible</source>
        <translation>Sincronizza direttamente con i computer della stessa rete quando possibile</translation>
    </message>
    <message>
        <source>Download rate</source>
        <translation>Velocità di download</translation>
    </message>
    <message>
        <source>&amp;Folder name:</source>
        <translation>&amp;Nome cartella:</translation>
    </message>
    <message>
        <source>%1 files, %2</source>
        <translation>%1 file, %2</translation>
    </message>
    <message>
        <source>Version on this computer</source>
        <translation>Versione su questo computer</translation>
    </message>
    <message>
        <source>The file name contains characters that are not allowed: %1</source>
        <translation>Il nome del file contiene caratteri non consentiti: %1</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Avanti &gt;</translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>Richiede attenzione</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Necessario</translation>
    </message>
    <message>
        <source>Your settings and sync tasks are being moved to the new version of Quenmark Zelto Client. Do not turn off the computer.</source>
        <translation>Le impostazioni e le attività di sincronizzazione vengono trasferite alla nuova versione di Quenmark Zelto Client. Non spegnere il computer.</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Manuale dell'utente</translation>
    </message>
    <message>
        <source>Expiration date</source>
        <translation>Data di scadenza</translation>
    </message>
    <message>
        <source>The disk where your sync folder is located is almost full.</source>
        <translation>Il disco che contiene la cartella di sincronizzazione è quasi pieno.</translation>
    </message>
    <message>
        <source>The server %1 could not be found. Check the address and try again.</source>
        <translation>Impossibile trovare il server %1. Controllare l'indirizzo e riprovare.</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>Questo campo è obbligatorio.</translation>
    </message>
    <message>
        <source>You have read-only access to this shared folder.</source>
        <translation>Si dispone di accesso in sola lettura a questa cartella condivisa.</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copia collegamento</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Indietro</translation>
    </message>
    <message>
        <source>View Previous Versions</source>
        <translation>Visualizza versioni precedenti</translation>
    </message>
    <message>
        <source>Complete the sign-in in your web browser.</source>
        <translation>Completare l'accesso nel browser web.</translation>
    </message>
    <message>
        <source>Directory user</source>
        <translation>Utente di directory</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Confronta</translation>
    </message>
    <message>
        <source>Always Keep on This Device</source>
        <translation>Mantieni sempre su questo dispositivo</translation>
    </message>
    <message>
        <source>You do not have write permission for the destination shared folder.</source>
        <translation>Non si dispone dell'autorizzazione di scrittura per la cartella condivisa di destinazione.</translation>
    </message>
    <message>
        <source>Open Quenmark Zelto Client</source>
        <translation>Apri Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Chiaro</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>Notifica</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Interrompi</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>The folder is already used by another sync task.</source>
        <translation>La cartella è già utilizzata da un'altra attività di sincronizzazione.</translation>
    </message>
    <message>
        <source>This link has expired.</source>
        <translation>Questo collegamento è scaduto.</translation>
    </message>
    <message>
        <source>Installing [ProductName]</source>
        <translation>Installazione di [ProductName]</translation>
    </message>
    <message>
        <source>Rename the server file</source>
        <translation>Rinomina il file sul server</translation>
    </message>
    <message>
        <source>Your files are now being synced. You can follow the progress from the icon in the notification area.</source>
        <translation>I file sono in fase di sincronizzazione. È possibile seguire l'avanzamento dall'icona nell'area di notifica.</translation>
    </message>
    <message>
        <source>&amp;Disk Usage</source>
        <translation>Utilizzo &amp;disco</translation>
    </message>
    <message>
        <source>Syncing</source>
        <translation>Sincronizzazione</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client is running. Quit it and click Retry, or click Cancel to stop the setup.</source>
        <translation>Quenmark Zelto Client è in esecuzione. Chiuderlo e fare clic su Riprova, oppure fare clic su Annulla per interrompere l'installazione.</translation>
    </message>
    <message>
        <source>Share with users on the server</source>
        <translation>Condividi con utenti del server</translation>
    </message>
    <message>
        <source>Can edit</source>
        <translation>Può modificare</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercoledì</translation>
    </message>
    <message>
        <source>Looking for changed files...</source>
        <translation>Ricerca dei file modificati...</translation>
    </message>
    <message>
        <source>Copy folders on this computer to the server on a schedule. Files deleted on this computer are kept on the server.</source>
        <translation>Copia le cartelle del computer sul server secondo una pianificazione. I file eliminati dal computer vengono mantenuti sul server.</translation>
    </message>
    <message>
        <source>Some settings could not be moved. Please check your sync tasks.</source>
        <translation>Non è stato possibile trasferire alcune impostazioni. Controllare le attività di sincronizzazione.</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Sincronizza ora</translation>
    </message>
    <message>
        <source>On-demand</source>
        <translation>Su richiesta</translation>
    </message>
    <message>
        <source>Saved accounts</source>
        <translation>Account salvati</translation>
    </message>
    <message>
        <source>Restore...</source>
        <translation>Ripristina...</translation>
    </message>
    <message>
        <source>Attach diagnostic logs</source>
        <translation>Allega i log di diagnostica</translation>
    </message>
    <message>
        <source>%1 results</source>
        <translation>%1 risultati</translation>
    </message>
    <message>
        <source>Open Sync Folder</source>
        <translation>Apri cartella di sincronizzazione</translation>
    </message>
    <message>
        <source>%1 could not be updated. The installed version will be started.</source>
        <translation>Impossibile aggiornare %1. Verrà avviata la versione installata.</translation>
    </message>
    <message>
        <source>%1 was not synced because it is larger than the maximum file size.</source>
        <translation>%1 non è stato sincronizzato perché supera la dimensione massima consentita.</translation>
    </message>
    <message>
        <source>View on Web Portal</source>
        <translation>Visualizza nel portale web</translation>
    </message>
    <message>
        <source>Open the local folder</source>
        <translation>Apri la cartella locale</translation>
    </message>
    <message>
        <source>Permission</source>
        <translation>Autorizzazione</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Eliminato</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard removes [ProductName].</source>
        <translation>Attendere mentre l'installazione guidata rimuove [ProductName].</translation>
    </message>
    <message>
        <source>Moving Your Data</source>
        <translation>Trasferimento dei dati</translation>
    </message>
    <message>
        <source>Ask when more than %1 files are deleted at once</source>
        <translation>Chiedi conferma quando vengono eliminati più di %1 file alla volta</translation>
    </message>
    <message>
        <source>Uploaded</source>
        <translation>Caricato</translation>
    </message>
    <message>
        <source>Server name</source>
        <translation>Nome del server</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>S&amp;tampa</translation>
    </message>
    <message>
        <source>Signed in as %1</source>
        <translation>Accesso eseguito come %1</translation>
    </message>
    <message>
        <source>The recycle bin is not enabled for this shared folder. Deleted files cannot be restored.</source>
        <translation>Il cestino non è attivato per questa cartella condivisa. I file eliminati non possono essere ripristinati.</translation>
    </message>
    <message>
        <source>Uploading %1</source>
        <translation>Caricamento di %1</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of [ProductName]. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Fare clic su Ripristina per ripristinare l'installazione di [ProductName]. Fare clic su Indietro per rivedere o modificare le impostazioni di installazione. Fare clic su Annulla per uscire dalla procedura guidata.</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>In esecuzione</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Proprio ora</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Sempre in primo piano</translation>
    </message>
    <message>
        <source>Verification code</source>
        <translation>Codice di verifica</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Ieri</translation>
    </message>
    <message>
        <source>Use the default folder (%1)</source>
        <translation>Usa la cartella predefinita (%1)</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>Rilasciare qui i file</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Venerdì</translation>
    </message>
    <message>
        <source>Username field</source>
        <translation>Campo nome utente</translation>
    </message>
    <message>
        <source>Encrypt data during transfer</source>
        <translation>Crittografa i dati durante il trasferimento</translation>
    </message>
    <message>
        <source>%1 files were changed.</source>
        <translation>%1 file sono stati modificati.</translation>
    </message>
    <message>
        <source>Sign In...</source>
        <translation>Accedi...</translation>
    </message>
    <message>
        <source>You do not have permission to perform this operation.</source>
        <translation>Non si dispone dell'autorizzazione per eseguire questa operazione.</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Pagine delle impostazioni</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Usa le impostazioni proxy di sistema</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>In attesa</translation>
    </message>
    <message>
        <source>The folder is read-only. Files cannot be written to it.</source>
        <translation>La cartella è di sola lettura. Non è possibile scrivervi file.</translation>
    </message>
    <message>
        <source>Next backup: %1</source>
        <translation>Prossimo backup: %1</translation>
    </message>
    <message>
        <source>The disk space required for the installation of the selected features.</source>
        <translation>Spazio su disco richiesto per l'installazione delle funzionalità selezionate.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <translation>File temporanei</translation>
    </message>
    <message>
        <source>Issued to</source>
        <translation>Rilasciato a</translation>
    </message>
    <message>
        <source>More actions</source>
        <translation>Altre azioni</translation>
    </message>
    <message>
        <source>Download This Version</source>
        <translation>Scarica questa versione</translation>
    </message>
    <message>
        <source>Include in Sync</source>
        <translation>Includi nella sincronizzazione</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Notify me when a backup finishes</source>
        <translation>Avvisami al termine di un backup</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunedì</translation>
    </message>
    <message>
        <source>Unable to delete %1.</source>
        <translation>Impossibile eliminare %1.</translation>
    </message>
    <message>
        <source>Open the sync folder</source>
        <translation>Apri la cartella di sincronizzazione</translation>
    </message>
    <message>
        <source>Create a shortcut on the &amp;desktop</source>
        <translation>Crea un collegamento sul &amp;desktop</translation>
    </message>
    <message>
        <source>Unable to save the settings.</source>
        <translation>Impossibile salvare le impostazioni.</translation>
    </message>
    <message>
        <source>Email the report after each backup</source>
        <translation>Invia il rapporto via e-mail dopo ogni backup</translation>
    </message>
    <message>
        <source>Cache location</source>
        <translation>Posizione della cache</translation>
    </message>
    <message>
        <source>Include folder %1</source>
        <translation>Includi la cartella %1</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Dimensione carattere</translation>
    </message>
    <message>
        <source>Unable to create %1.</source>
        <translation>Impossibile creare %1.</translation>
    </message>
    <message>
        <source>Scanning local files...</source>
        <translation>Analisi dei file locali...</translation>
    </message>
    <message>
        <source>Back up on a schedule</source>
        <translation>Esegui il backup secondo una pianificazione</translation>
    </message>
    <message>
        <source>&amp;Keep my settings and sync tasks</source>
        <translation>&amp;Mantieni le impostazioni e le attività di sincronizzazione</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Ripristina impostazioni predefinite</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Notifiche</translation>
    </message>
    <message>
        <source>Cache size</source>
        <translation>Dimensione della cache</translation>
    </message>
    <message>
        <source>Never expires</source>
        <translation>Non scade mai</translation>
    </message>
    <message>
        <source>Select a server from the list or enter its address.</source>
        <translation>Selezionare un server dall'elenco o immetterne l'indirizzo.</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mer</translation>
    </message>
    <message>
        <source>%1 was deleted.</source>
        <translation>%1 è stato eliminato.</translation>
    </message>
    <message>
        <source>The server is offline.</source>
        <translation>Il server è offline.</translation>
    </message>
    <message>
        <source>Open Recycle Bin</source>
        <translation>Apri cestino</translation>
    </message>
    <message>
        <source>Exclude from Sync</source>
        <translation>Escludi dalla sincronizzazione</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
    <message>
        <source>Version on the server</source>
        <translation>Versione sul server</translation>
    </message>
    <message>
        <source>Calculating time remaining...</source>
        <translation>Calcolo del tempo rimanente...</translation>
    </message>
    <message>
        <source>SMTP port</source>
        <translation>Porta SMTP</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Nessun proxy</translation>
    </message>
    <message>
        <source>Pause for 1 hour</source>
        <translation>Sospendi per 1 ora</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Rename the local file</source>
        <translation>Rinomina il file locale</translation>
    </message>
    <message>
        <source>Show Previous Versions</source>
        <translation>Mostra versioni precedenti</translation>
    </message>
    <message>
        <source>Notify me when a sync finishes</source>
        <translation>Avvisami al termine di una sincronizzazione</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Esporta...</translation>
    </message>
    <message>
        <source>Current status</source>
        <translation>Stato attuale</translation>
    </message>
    <message>
        <source>Stop Backup</source>
        <translation>Interrompi backup</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation>File in uso</translation>
    </message>
    <message>
        <source>Do not sync temporary files</source>
        <translation>Non sincronizzare i file temporanei</translation>
    </message>
    <message>
        <source>Unable to unpack the installation package.</source>
        <translation>Impossibile estrarre il pacchetto di installazione.</translation>
    </message>
    <message>
        <source>The backup could not start because the server is offline.</source>
        <translation>Impossibile avviare il backup perché il server è offline.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Enter a valid IP address.</source>
        <translation>Immettere un indirizzo IP valido.</translation>
    </message>
    <message>
        <source>IP address, domain name or relay ID</source>
        <translation>Indirizzo IP, nome di dominio o ID relay</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domenica</translation>
    </message>
    <message>
        <source>You do not have permission to use this service. Contact your system administrator.</source>
        <translation>Non si dispone dell'autorizzazione per utilizzare questo servizio. Contattare l'amministratore di sistema.</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>The backup is intact.</source>
        <translation>Il backup è integro.</translation>
    </message>
    <message>
        <source>Select at least one day.</source>
        <translation>Selezionare almeno un giorno.</translation>
    </message>
    <message>
        <source>%1 files were deleted from the sync folder. Do you also want to delete them from the server?</source>
        <translation>%1 file sono stati eliminati dalla cartella di sincronizzazione. Eliminarli anche dal server?</translation>
    </message>
    <message>
        <source>Certificate Warning</source>
        <translation>Avviso relativo al certificato</translation>
    </message>
    <message>
        <source>Remember my password</source>
        <translation>Ricorda la password</translation>
    </message>
    <message>
        <source>Weekly schedule grid</source>
        <translation>Griglia della pianificazione settimanale</translation>
    </message>
    <message>
        <source>Enter a number between %1 and %2.</source>
        <translation>Immettere un numero compreso tra %1 e %2.</translation>
    </message>
    <message>
        <source>The username or password you entered is incorrect.</source>
        <translation>Il nome utente o la password non sono corretti.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Condividi</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Mostra finestra</translation>
    </message>
    <message>
        <source>Backing up %1 of %2 files</source>
        <translation>Backup di %1 file su %2</translation>
    </message>
    <message>
        <source>Keep only the latest versions</source>
        <translation>Conserva solo le versioni più recenti</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <translation>Spazio libero insufficiente sul disco locale.</translation>
    </message>
    <message>
        <source>The file was changed both on this computer and on the server since the last sync.</source>
        <translation>Dall'ultima sincronizzazione il file è stato modificato sia su questo computer sia sul server.</translation>
    </message>
    <message>
        <source>Everything is up to date</source>
        <translation>È tutto aggiornato</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Suggerimento</translation>
    </message>
    <message>
        <source>Scan complete</source>
        <translation>Analisi completata</translation>
    </message>
    <message>
        <source>Welcome to the [ProductName] Setup Wizard</source>
        <translation>Installazione guidata di [ProductName]</translation>
    </message>
    <message>
        <source>Choose how to sync</source>
        <translation>Scelta della modalità di sincronizzazione</translation>
    </message>
    <message>
        <source>Use * to match any characters and ? to match one character.</source>
        <translation>Usare * per qualsiasi sequenza di caratteri e ? per un singolo carattere.</translation>
    </message>
    <message>
        <source>Ready to remove [ProductName]</source>
        <translation>Pronto per la rimozione di [ProductName]</translation>
    </message>
    <message>
        <source>Last run time</source>
        <translation>Ultima esecuzione</translation>
    </message>
    <message>
        <source>Backup finished with errors</source>
        <translation>Backup completato con errori</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <translation>Scelta di una cartella sul computer</translation>
    </message>
    <message>
        <source>File name pattern</source>
        <translation>Modello nome file</translation>
    </message>
    <message>
        <source>%1 servers found on your local network.</source>
        <translation>Trovati %1 server nella rete locale.</translation>
    </message>
    <message>
        <source>Restart Later</source>
        <translation>Riavvia più tardi</translation>
    </message>
    <message>
        <source>Last sync</source>
        <translation>Ultima sincronizzazione</translation>
    </message>
    <message>
        <source>Stop Sharing</source>
        <translation>Interrompi condivisione</translation>
    </message>
    <message>
        <source>Unable to connect to the server. Check your network connection and the server address.</source>
        <translation>Impossibile connettersi al server. Controllare la connessione di rete e l'indirizzo del server.</translation>
    </message>
</context>
</TS>
