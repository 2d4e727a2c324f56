<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>The quota of destination shared folder has reached the system limit. Please change the quota limit on the server or contact the system administrator.</source>
        <translation>Le quota du dossier partagé de destination a atteint la limite du système. Modifiez la limite de quota sur le serveur ou contactez l'administrateur système.</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modifié</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>Mot de passe oublié ?</translation>
    </message>
    <message>
        <source>Field cannot exceed %1 numbers.</source>
        <translation>Le champ ne peut pas dépasser %1 chiffres.</translation>
    </message>
    <message>
        <source>Show or hide the password</source>
        <translation>Afficher ou masquer le mot de passe</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorer</translation>
    </message>
    <message>
        <source>Verifying files...</source>
        <translation>Vérification des fichiers...</translation>
    </message>
    <message>
        <source>Dismiss notification</source>
        <translation>Fermer la notification</translation>
    </message>
    <message>
        <source>Take Snapshot</source>
        <translation>Prendre un instantané</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Upload queue</source>
        <translation>File d'attente d'envoi</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Sync Task</source>
        <translation>Tâche de synchronisation</translation>
    </message>
    <message>
        <source>Starting services</source>
        <translation>Démarrage des services</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation>Continuer quand même</translation>
    </message>
    <message>
        <source>%1 was not synced because it matches a filter rule.</source>
        <translation>%1 n'a pas été synchronisé, car il correspond à une règle de filtrage.</translation>
    </message>
    <message>
        <source>Resume All</source>
        <translation>Tout reprendre</translation>
    </message>
    <message>
        <source>Local network only</source>
        <translation>Réseau local uniquement</translation>
    </message>
    <message>
        <source>A relay connection can be slower than a direct connection.</source>
        <translation>Une connexion par relais peut être plus lente qu'une connexion directe.</translation>
    </message>
    <message>
        <source>Encryption key</source>
        <translation>Clé de chiffrement</translation>
    </message>
    <message>
        <source>Back up only when I start it manually</source>
        <translation>Sauvegarder uniquement quand je le demande</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Server: %1</source>
        <translation>Serveur : %1</translation>
    </message>
    <message>
        <source>Can view</source>
        <translation>Peut afficher</translation>
    </message>
    <message>
        <source>[ProductName] setup was interrupted. Your system has not been modified. To install this program at a later time, please run the installation again.</source>
        <translation>L'installation de [ProductName] a été interrompue. Votre système n'a pas été modifié. Pour installer ce programme ultérieurement, relancez l'installation.</translation>
    </message>
    <message>
        <source>Connect to a server</source>
        <translation>Se connecter à un serveur</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Proxy server requires a password</source>
        <translation>Le serveur proxy exige un mot de passe</translation>
    </message>
    <message>
        <source>Field cannot exceed %1 characters.</source>
        <translation>Le champ ne peut pas dépasser %1 caractères.</translation>
    </message>
    <message>
        <source>I &amp;accept the terms in the License Agreement</source>
        <translation>J'&amp;accepte les termes du contrat de licence</translation>
    </message>
    <message>
        <source>Only the checked folders are synced to this computer.</source>
        <translation>Seuls les dossiers cochés sont synchronisés sur cet ordinateur.</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>La sauvegarde a échoué.</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation>Mise à niveau en cours...</translation>
    </message>
    <message>
        <source>Pause syncing on metered connections</source>
        <translation>Suspendre la synchronisation sur les connexions limitées</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>Restore this version? The current version will be saved as a previous version.</source>
        <translation>Restaurer cette version ? La version actuelle sera enregistrée comme version précédente.</translation>
    </message>
    <message>
        <source>Updating %1...</source>
        <translation>Mise à jour de %1...</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Folders on a network drive cannot be synced.</source>
        <translation>Les dossiers situés sur un lecteur réseau ne peuvent pas être synchronisés.</translation>
    </message>
    <message>
        <source>Restore Down</source>
        <translation>Niveau inférieur</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Affichage en liste</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Rechercher des serveurs sur le réseau local</translation>
    </message>
    <message>
        <source>There are no previous versions of this file.</source>
        <translation>Ce fichier n'a pas de versions précédentes.</translation>
    </message>
    <message>
        <source>Backup cancelled</source>
        <translation>Sauvegarde annulée</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>Ne plus afficher ce message</translation>
    </message>
    <message>
        <source>Enter the encryption key to open this shared folder.</source>
        <translation>Saisissez la clé de chiffrement pour ouvrir ce dossier partagé.</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Noms de fichier</translation>
    </message>
    <message>
        <source>Do not sync files larger than</source>
        <translation>Ne pas synchroniser les fichiers de plus de</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Écriture</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Ouvrir le fichier</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Différence</translation>
    </message>
    <message>
        <source>Restore Files</source>
        <translation>Restaurer des fichiers</translation>
    </message>
    <message>
        <source>Files deleted on this computer are moved to the recycle bin of the shared folder on the server.</source>
        <translation>Les fichiers supprimés sur cet ordinateur sont déplacés dans la corbeille du dossier partagé sur le serveur.</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>&amp;Installer</translation>
    </message>
    <message>
        <source>%1 files were skipped because they were in use.</source>
        <translation>%1 fichiers ont été ignorés, car ils étaient en cours d'utilisation.</translation>
    </message>
    <message>
        <source>The drive uses the FAT file system, which does not support files larger than 4 GB. Files over this size will not be synced.</source>
        <translation>Le lecteur utilise le système de fichiers FAT, qui ne prend pas en charge les fichiers de plus de 4 Go. Les fichiers plus volumineux ne seront pas synchronisés.</translation>
    </message>
    <message>
        <source>%1 files were deleted on the server.</source>
        <translation>%1 fichiers ont été supprimés sur le serveur.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Confidentialité</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Connected through the relay service</source>
        <translation>Connecté via le service de relais</translation>
    </message>
    <message>
        <source>Connecting through the relay service...</source>
        <translation>Connexion via le service de relais...</translation>
    </message>
    <message>
        <source>Install [ProductName] to:</source>
        <translation>Installer [ProductName] dans :</translation>
    </message>
    <message>
        <source>Email Notifications</source>
        <translation>Notifications par e-mail</translation>
    </message>
    <message>
        <source>Battery is low. Syncing has been paused.</source>
        <translation>La batterie est faible. La synchronisation a été suspendue.</translation>
    </message>
    <message>
        <source>Client ID</source>
        <translation>ID du client</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A task with this name already exists.</source>
        <translation>Une tâche portant ce nom existe déjà.</translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely</source>
        <translation>L'Assistant d'installation de [ProductName] s'est interrompu prématurément</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Cet ordinateur</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Connection status</source>
        <translation>État de la connexion</translation>
    </message>
    <message>
        <source>The sync service could not be started.</source>
        <translation>Le service de synchronisation n'a pas pu démarrer.</translation>
    </message>
    <message>
        <source>Rolling back action:</source>
        <translation>Annulation de l'action :</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Connexion à %1...</translation>
    </message>
    <message>
        <source>Domain user</source>
        <translation>Utilisateur du domaine</translation>
    </message>
    <message>
        <source>Hide Details</source>
        <translation>Masquer les détails</translation>
    </message>
    <message>
        <source>About Quenmark Zelto Client</source>
        <translation>À propos de Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>À jour</translation>
    </message>
    <message>
        <source>Notify me about conflicts</source>
        <translation>M'avertir en cas de conflit</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client</source>
        <translation>Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Remove saved account</source>
        <translation>Supprimer le compte enregistré</translation>
    </message>
    <message>
        <source>Restore to</source>
        <translation>Restaurer vers</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Mettre à jour</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Nom de l'ordinateur</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The path of the folder is too long.</source>
        <translation>Le chemin du dossier est trop long.</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Me le rappeler plus tard</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>To</translation>
    </message>
    <message>
        <source>This account has expired. Contact your system administrator.</source>
        <translation>Ce compte a expiré. Contactez votre administrateur système.</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Chiffrement</translation>
    </message>
    <message>
        <source>Clear Cache</source>
        <translation>Vider le cache</translation>
    </message>
    <message>
        <source>Release Notes</source>
        <translation>Notes de version</translation>
    </message>
    <message>
        <source>The installation failed. Please reinstall Quenmark Zelto Client.</source>
        <translation>L'installation a échoué. Veuillez réinstaller Quenmark Zelto Client.</translation>
    </message>
    <message>
        <source>No access</source>
        <translation>Aucun accès</translation>
    </message>
    <message>
        <source>Local path</source>
        <translation>Chemin local</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Save Report...</source>
        <translation>Enregistrer le rapport...</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serveur</translation>
    </message>
    <message>
        <source>Connect with HTTPS (recommended)</source>
        <translation>Se connecter en HTTPS (recommandé)</translation>
    </message>
    <message>
        <source>Unable to install the update.</source>
        <translation>Impossible d'installer la mise à jour.</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Nom d'utilisateur</translation>
    </message>
    <message>
        <source>The Setup Wizard will update the installed [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>L'Assistant d'installation va mettre à jour [ProductName] sur votre ordinateur. Cliquez sur Suivant pour continuer ou sur Annuler pour quitter l'Assistant d'installation.</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>Conflit</translation>
    </message>
    <message>
        <source>Folder on server</source>
        <translation>Dossier sur le serveur</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>Search file names</source>
        <translation>Rechercher des noms de fichiers</translation>
    </message>
    <message>
        <source>Restart File Manager</source>
        <translation>Redémarrer le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Verify Backup</source>
        <translation>Vérifier la sauvegarde</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nouveau nom</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Download speed</source>
        <translation>Vitesse de téléchargement</translation>
    </message>
    <message>
        <source>Issued by</source>
        <translation>Délivré par</translation>
    </message>
    <message>
        <source>Click Remove to remove [ProductName] from your computer. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Cliquez sur Supprimer pour supprimer [ProductName] de votre ordinateur. Cliquez sur Précédent pour vérifier ou modifier les paramètres d'installation. Cliquez sur Annuler pour quitter l'Assistant.</translation>
    </message>
    <message>
        <source>Show all server files on this computer and download them only when you open them, saving local disk space.</source>
        <translation>Affiche tous les fichiers du serveur sur cet ordinateur et ne les télécharge qu'à l'ouverture, ce qui économise de l'espace disque local.</translation>
    </message>
    <message>
        <source>Destination folder on server</source>
        <translation>Dossier de destination sur le serveur</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Hors ligne</translation>
    </message>
    <message>
        <source>There is not enough free space on the server.</source>
        <translation>L'espace libre sur le serveur est insuffisant.</translation>
    </message>
    <message>
        <source>You need administrator privileges to install [ProductName]. Sign in as an administrator and run the setup again.</source>
        <translation>Vous devez disposer des droits d'administrateur pour installer [ProductName]. Connectez-vous en tant qu'administrateur et relancez l'installation.</translation>
    </message>
    <message>
        <source>A test email has been sent.</source>
        <translation>Un e-mail de test a été envoyé.</translation>
    </message>
    <message>
        <source>Enter a name for the task.</source>
        <translation>Saisissez un nom pour la tâche.</translation>
    </message>
    <message>
        <source>Syncing %1 of %2 files</source>
        <translation>Synchronisation de %1 fichiers sur %2</translation>
    </message>
    <message>
        <source>Add Rule</source>
        <translation>Ajouter une règle</translation>
    </message>
    <message>
        <source>Password field</source>
        <translation>Champ du mot de passe</translation>
    </message>
    <message>
        <source>File Conflict</source>
        <translation>Conflit de fichiers</translation>
    </message>
    <message>
        <source>Moving your settings to the new version...</source>
        <translation>Transfert de vos paramètres vers la nouvelle version...</translation>
    </message>
    <message>
        <source>Folders on a removable drive cannot be synced.</source>
        <translation>Les dossiers situés sur un lecteur amovible ne peuvent pas être synchronisés.</translation>
    </message>
    <message>
        <source>Backup Task</source>
        <translation>Tâche de sauvegarde</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Ouvrir le dossier des journaux</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>Compress data during transfer</source>
        <translation>Compresser les données pendant le transfert</translation>
    </message>
    <message>
        <source>Backups run automatically at the times you choose. A running backup is not interrupted when its time slot ends.</source>
        <translation>Les sauvegardes s'exécutent automatiquement aux heures choisies. Une sauvegarde en cours n'est pas interrompue à la fin de sa plage horaire.</translation>
    </message>
    <message>
        <source>Export Settings...</source>
        <translation>Exporter les paramètres...</translation>
    </message>
    <message>
        <source>A conflict was found in %1. Both versions have been kept.</source>
        <translation>Un conflit a été détecté dans %1. Les deux versions ont été conservées.</translation>
    </message>
    <message>
        <source>Start Quenmark Zelto Client when I sign in</source>
        <translation>Démarrer Quenmark Zelto Client à l'ouverture de session</translation>
    </message>
    <message>
        <source>Copying new files</source>
        <translation>Copie des nouveaux fichiers</translation>
    </message>
    <message>
        <source>Contact your system administrator.</source>
        <translation>Contactez votre administrateur système.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Create Sharing Link</source>
        <translation>Créer un lien de partage</translation>
    </message>
    <message>
        <source>The sync service stopped unexpectedly.</source>
        <translation>Le service de synchronisation s'est arrêté de manière inattendue.</translation>
    </message>
    <message>
        <source>The background service is running.</source>
        <translation>Le service d'arrière-plan est en cours d'exécution.</translation>
    </message>
    <message>
        <source>Folders you uncheck will be removed from this computer but stay on the server.</source>
        <translation>Les dossiers décochés seront supprimés de cet ordinateur mais resteront sur le serveur.</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Always trust this certificate</source>
        <translation>Toujours faire confiance à ce certificat</translation>
    </message>
    <message>
        <source>Files are synced into this folder. You can pick an empty folder or a folder that already holds files.</source>
        <translation>Les fichiers sont synchronisés dans ce dossier. Vous pouvez choisir un dossier vide ou un dossier qui contient déjà des fichiers.</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Jamais</translation>
    </message>
    <message>
        <source>The task has been removed.</source>
        <translation>La tâche a été supprimée.</translation>
    </message>
    <message>
        <source>Local folder path field</source>
        <translation>Champ du chemin du dossier local</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client %1 is available. You have version %2.</source>
        <translation>Quenmark Zelto Client %1 est disponible. Vous avez la version %2.</translation>
    </message>
    <message>
        <source>Original location</source>
        <translation>Emplacement d'origine</translation>
    </message>
    <message>
        <source>Space needed: %1</source>
        <translation>Espace nécessaire : %1</translation>
    </message>
    <message>
        <source>Every hour</source>
        <translation>Toutes les heures</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Modified by</source>
        <translation>Modifié par</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>octets</translation>
    </message>
    <message>
        <source>%1 was added.</source>
        <translation>%1 a été ajouté.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Drag files here to upload them.</source>
        <translation>Faites glisser des fichiers ici pour les envoyer.</translation>
    </message>
    <message>
        <source>Smart retention</source>
        <translation>Conservation intelligente</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Heure de début</translation>
    </message>
    <message>
        <source>Your password has expired. Change it on the server, then sign in again.</source>
        <translation>Votre mot de passe a expiré. Modifiez-le sur le serveur, puis reconnectez-vous.</translation>
    </message>
    <message>
        <source>The proxy server requires authentication.</source>
        <translation>Le serveur proxy exige une authentification.</translation>
    </message>
    <message>
        <source>Prefer IPv6</source>
        <translation>Préférer IPv6</translation>
    </message>
    <message>
        <source>Select Folders...</source>
        <translation>Sélectionner des dossiers...</translation>
    </message>
    <message>
        <source>The logs have been saved to %1.</source>
        <translation>Les journaux ont été enregistrés dans %1.</translation>
    </message>
    <message>
        <source>Connected through the local network</source>
        <translation>Connecté via le réseau local</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>A new version of Quenmark Zelto Client is available.</source>
        <translation>Une nouvelle version de Quenmark Zelto Client est disponible.</translation>
    </message>
    <message>
        <source>No recent changes</source>
        <translation>Aucune modification récente</translation>
    </message>
    <message>
        <source>Syncing is paused</source>
        <translation>La synchronisation est suspendue</translation>
    </message>
    <message>
        <source>Keep Files</source>
        <translation>Conserver les fichiers</translation>
    </message>
    <message>
        <source>Manage Tasks</source>
        <translation>Gérer les tâches</translation>
    </message>
    <message>
        <source>Free Up Space</source>
        <translation>Libérer de l'espace</translation>
    </message>
    <message>
        <source>Desktop shortcut</source>
        <translation>Raccourci sur le bureau</translation>
    </message>
    <message>
        <source>[ProductName] cannot be installed on this version of the operating system.</source>
        <translation>[ProductName] ne peut pas être installé sur cette version du système d'exploitation.</translation>
    </message>
    <message>
        <source>No entries match your search.</source>
        <translation>Aucune entrée ne correspond à votre recherche.</translation>
    </message>
    <message>
        <source>Show tips at startup</source>
        <translation>Afficher les astuces au démarrage</translation>
    </message>
    <message>
        <source>Last backup failed %1</source>
        <translation>Échec de la dernière sauvegarde : %1</translation>
    </message>
    <message>
        <source>You must restart your system for the configuration changes made to [ProductName] to take effect. Click Yes to restart now or No if you plan to restart later.</source>
        <translation>Vous devez redémarrer le système pour que les modifications de configuration apportées à [ProductName] prennent effet. Cliquez sur Oui pour redémarrer maintenant ou sur Non pour redémarrer plus tard.</translation>
    </message>
    <message>
        <source>&amp;Close the applications and attempt to restart them.</source>
        <translation>&amp;Fermer les applications et essayer de les redémarrer.</translation>
    </message>
    <message>
        <source>An unknown error occurred. Please try again later.</source>
        <translation>Une erreur inconnue s'est produite. Veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>Tell us what went wrong or what you would like to see improved.</source>
        <translation>Dites-nous ce qui n'a pas fonctionné ou ce que vous aimeriez voir amélioré.</translation>
    </message>
    <message>
        <source>Default port</source>
        <translation>Port par défaut</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>Créer un nouveau dossier</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>Ce dossier est vide.</translation>
    </message>
    <message>
        <source>Copied to the clipboard</source>
        <translation>Copié dans le presse-papiers</translation>
    </message>
    <message>
        <source>Change, repair, or remove installation</source>
        <translation>Modifier, réparer ou supprimer l'installation</translation>
    </message>
    <message>
        <source>Unable to open the local database.</source>
        <translation>Impossible d'ouvrir la base de données locale.</translation>
    </message>
    <message>
        <source>Back Up This Folder</source>
        <translation>Sauvegarder ce dossier</translation>
    </message>
    <message>
        <source>Add Account...</source>
        <translation>Ajouter un compte...</translation>
    </message>
    <message>
        <source>Do this for all conflicts</source>
        <translation>Appliquer à tous les conflits</translation>
    </message>
    <message>
        <source>View Issues</source>
        <translation>Afficher les problèmes</translation>
    </message>
    <message>
        <source>The highlighted volumes do not have enough disk space available for the currently selected features. You can remove some files from the highlighted volumes, or cancel the installation.</source>
        <translation>Les volumes en surbrillance ne disposent pas de suffisamment d'espace pour les fonctionnalités sélectionnées. Vous pouvez supprimer des fichiers de ces volumes ou annuler l'installation.</translation>
    </message>
    <message>
        <source>Fine-tune what is synced. You can change these options later in Settings.</source>
        <translation>Précisez ce qui est synchronisé. Vous pourrez modifier ces options plus tard dans les paramètres.</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Appareils</translation>
    </message>
    <message>
        <source>Do you want to sign out? All sync tasks of this account will stop.</source>
        <translation>Voulez-vous vous déconnecter ? Toutes les tâches de synchronisation de ce compte seront arrêtées.</translation>
    </message>
    <message>
        <source>Notify me when others change shared files</source>
        <translation>M'avertir quand d'autres personnes modifient des fichiers partagés</translation>
    </message>
    <message>
        <source>Click Next to install to the default folder or click Change to choose another.</source>
        <translation>Cliquez sur Suivant pour installer dans le dossier par défaut ou sur Modifier pour en choisir un autre.</translation>
    </message>
    <message>
        <source>Previous Versions</source>
        <translation>Versions précédentes</translation>
    </message>
    <message>
        <source>I lost my authentication device</source>
        <translation>J'ai perdu mon appareil d'authentification</translation>
    </message>
    <message>
        <source>Enter the address of the server you want to sync with.</source>
        <translation>Saisissez l'adresse du serveur avec lequel vous voulez synchroniser.</translation>
    </message>
    <message>
        <source>Check file consistency after sync</source>
        <translation>Vérifier la cohérence des fichiers après la synchronisation</translation>
    </message>
    <message>
        <source>The identity of the server has changed. If you did not expect this, someone may be intercepting your connection.</source>
        <translation>L'identité du serveur a changé. Si vous ne vous y attendiez pas, quelqu'un tente peut-être d'intercepter votre connexion.</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Effacer l'historique</translation>
    </message>
    <message>
        <source>Quit Quenmark Zelto Client</source>
        <translation>Quitter Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Server folder path field</source>
        <translation>Champ du chemin du dossier du serveur</translation>
    </message>
    <message>
        <source>Remove Folder</source>
        <translation>Retirer le dossier</translation>
    </message>
    <message>
        <source>Opened %1 times</source>
        <translation>Ouvert %1 fois</translation>
    </message>
    <message>
        <source>%1 files backed up, %2 skipped</source>
        <translation>%1 fichiers sauvegardés, %2 ignorés</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Sauvegarde en cours...</translation>
    </message>
    <message>
        <source>Do you want to disconnect this computer from %1?</source>
        <translation>Voulez-vous déconnecter cet ordinateur de %1 ?</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Show the sync folder in the file manager sidebar</source>
        <translation>Afficher le dossier de synchronisation dans le panneau latéral du gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Run Diagnostics</source>
        <translation>Lancer le diagnostic</translation>
    </message>
    <message>
        <source>Notify me about errors</source>
        <translation>M'avertir en cas d'erreur</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>Separate extensions with commas, for example tmp, bak</source>
        <translation>Séparez les extensions par des virgules, par exemple tmp, bak</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Inactif</translation>
    </message>
    <message>
        <source>Scanning files on the server...</source>
        <translation>Analyse des fichiers sur le serveur...</translation>
    </message>
    <message>
        <source>Keep history for %1 days</source>
        <translation>Conserver l'historique pendant %1 jours</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Revenir en arrière</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>L'opération a échoué.</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>Restart Now</source>
        <translation>Redémarrer maintenant</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Unable to connect through the proxy server.</source>
        <translation>Impossible de se connecter via le serveur proxy.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Téléchargement de %1</translation>
    </message>
    <message>
        <source>Delete Files</source>
        <translation>Supprimer les fichiers</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dim</translation>
    </message>
    <message>
        <source>Access from your IP address has been denied by the server. Contact the system administrator.</source>
        <translation>Le serveur a refusé l'accès depuis votre adresse IP. Contactez l'administrateur système.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Import Settings...</source>
        <translation>Importer les paramètres...</translation>
    </message>
    <message>
        <source>There is not enough memory to complete the operation.</source>
        <translation>La mémoire est insuffisante pour terminer l'opération.</translation>
    </message>
    <message>
        <source>Unable to load the settings. Default settings will be used.</source>
        <translation>Impossible de charger les paramètres. Les paramètres par défaut seront utilisés.</translation>
    </message>
    <message>
        <source>The server is busy. Please try again later.</source>
        <translation>Le serveur est occupé. Veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Bande passante</translation>
    </message>
    <message>
        <source>Low disk space</source>
        <translation>Espace disque faible</translation>
    </message>
    <message>
        <source>Verifying backup...</source>
        <translation>Vérification de la sauvegarde...</translation>
    </message>
    <message>
        <source>Running diagnostics...</source>
        <translation>Diagnostic en cours...</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Skip existing files</source>
        <translation>Ignorer les fichiers existants</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Files already in it will be merged with the files on the server.</source>
        <translation>Le dossier sélectionné n'est pas vide. Les fichiers qu'il contient seront fusionnés avec ceux du serveur.</translation>
    </message>
    <message>
        <source>SOCKS5</source>
        <translation>SOCKS5</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Your IP address has been blocked for %1 minutes.</source>
        <translation>Trop de tentatives de connexion ont échoué. Votre adresse IP a été bloquée pendant %1 minutes.</translation>
    </message>
    <message>
        <source>Limit to</source>
        <translation>Limiter à</translation>
    </message>
    <message>
        <source>Show a pop-up message</source>
        <translation>Afficher un message contextuel</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>Two-step verification</source>
        <translation>Vérification en deux étapes</translation>
    </message>
    <message>
        <source>Ready to repair [ProductName]</source>
        <translation>Prêt à réparer [ProductName]</translation>
    </message>
    <message>
        <source>The source folder %1 could not be found. Connect the drive or remove the folder from the backup.</source>
        <translation>Le dossier source %1 est introuvable. Connectez le lecteur ou retirez le dossier de la sauvegarde.</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>The end time must be later than the start time.</source>
        <translation>L'heure de fin doit être postérieure à l'heure de début.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Disponible</translation>
    </message>
    <message>
        <source>Enable debug logging</source>
        <translation>Activer la journalisation de débogage</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics to help improve the product</source>
        <translation>Envoyer des statistiques d'utilisation anonymes pour aider à améliorer le produit</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Effacer la recherche</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Afficher le mot de passe</translation>
    </message>
    <message>
        <source>The link was created.</source>
        <translation>Le lien a été créé.</translation>
    </message>
    <message>
        <source>This server has no shared folder you can access. Ask the administrator for permission.</source>
        <translation>Ce serveur ne contient aucun dossier partagé auquel vous avez accès. Demandez l'autorisation à l'administrateur.</translation>
    </message>
    <message>
        <source>The background service is not running.</source>
        <translation>Le service d'arrière-plan n'est pas en cours d'exécution.</translation>
    </message>
    <message>
        <source>Restore files as they were on</source>
        <translation>Restaurer les fichiers tels qu'ils étaient le</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs [ProductName].</source>
        <translation>Veuillez patienter pendant que l'Assistant d'installation installe [ProductName].</translation>
    </message>
    <message>
        <source>Syncing is paused on a metered connection.</source>
        <translation>La synchronisation est suspendue sur une connexion limitée.</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>This rule already exists.</source>
        <translation>Cette règle existe déjà.</translation>
    </message>
    <message>
        <source>List of recent file changes</source>
        <translation>Liste des modifications récentes de fichiers</translation>
    </message>
    <message>
        <source>Team Folders</source>
        <translation>Dossiers d'équipe</translation>
    </message>
    <message>
        <source>Remove the selected task</source>
        <translation>Supprimer la tâche sélectionnée</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>Mot de passe actuel</translation>
    </message>
    <message>
        <source>Same as the system</source>
        <translation>Identique au système</translation>
    </message>
    <message>
        <source>Review the settings below, then click Done to start syncing.</source>
        <translation>Vérifiez les paramètres ci-dessous, puis cliquez sur Terminé pour lancer la synchronisation.</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Diagnostic</translation>
    </message>
    <message>
        <source>Unable to read %1.</source>
        <translation>Impossible de lire %1.</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>Synchronisation terminée</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Start minimized to the notification area</source>
        <translation>Démarrer réduit dans la zone de notification</translation>
    </message>
    <message>
        <source>This wizard helps you connect this computer to your server and choose which folders to keep in sync.</source>
        <translation>Cet assistant vous aide à connecter cet ordinateur à votre serveur et à choisir les dossiers à synchroniser.</translation>
    </message>
    <message>
        <source>You are using the latest version.</source>
        <translation>Vous utilisez la dernière version.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached.</source>
        <translation>Votre quota de stockage sur le serveur est atteint.</translation>
    </message>
    <message>
        <source>Show Toolbar</source>
        <translation>Afficher la barre d'outils</translation>
    </message>
    <message>
        <source>%1 changes are waiting to be synced.</source>
        <translation>%1 modifications sont en attente de synchronisation.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Suspendre</translation>
    </message>
    <message>
        <source>Do you want to remove Quenmark Zelto Client and all of its components?</source>
        <translation>Voulez-vous supprimer Quenmark Zelto Client et tous ses composants ?</translation>
    </message>
    <message>
        <source>I accept the terms of the license agreement</source>
        <translation>J'accepte les termes du contrat de licence</translation>
    </message>
    <message>
        <source>System folders cannot be synced. Choose another folder.</source>
        <translation>Les dossiers système ne peuvent pas être synchronisés. Choisissez un autre dossier.</translation>
    </message>
    <message>
        <source>Launch at startup</source>
        <translation>Lancer au démarrage</translation>
    </message>
    <message>
        <source>Two-step verification is required for this account.</source>
        <translation>La vérification en deux étapes est requise pour ce compte.</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>Rebuild Database</source>
        <translation>Reconstruire la base de données</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <source>The connection to the server timed out.</source>
        <translation>Le délai de connexion au serveur a expiré.</translation>
    </message>
    <message>
        <source>Internet access</source>
        <translation>Accès Internet</translation>
    </message>
    <message>
        <source>Show Quenmark Zelto Client items in the file manager context menu</source>
        <translation>Afficher les éléments de Quenmark Zelto Client dans le menu contextuel du gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>&amp;Repair</source>
        <translation>&amp;Réparer</translation>
    </message>
    <message>
        <source>Select the files and folders to restore.</source>
        <translation>Sélectionnez les fichiers et dossiers à restaurer.</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Cache</translation>
    </message>
    <message>
        <source>%1 is a reserved name and cannot be used.</source>
        <translation>%1 est un nom réservé et ne peut pas être utilisé.</translation>
    </message>
    <message>
        <source>%1 was updated.</source>
        <translation>%1 a été mis à jour.</translation>
    </message>
    <message>
        <source>SMTP server</source>
        <translation>Serveur SMTP</translation>
    </message>
    <message>
        <source>No file has been synced yet.</source>
        <translation>Aucun fichier n'a encore été synchronisé.</translation>
    </message>
    <message>
        <source>Open Web Portal</source>
        <translation>Ouvrir le portail web</translation>
    </message>
    <message>
        <source>Background service</source>
        <translation>Service d'arrière-plan</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>View Certificate</source>
        <translation>Afficher le certificat</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Not synced</source>
        <translation>Non synchronisé</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Aide en ligne</translation>
    </message>
    <message>
        <source>The server name could not be resolved.</source>
        <translation>Impossible de résoudre le nom du serveur.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>The link could not be copied.</source>
        <translation>Impossible de copier le lien.</translation>
    </message>
    <message>
        <source>Run a missed backup when the computer starts</source>
        <translation>Exécuter une sauvegarde manquée au démarrage de l'ordinateur</translation>
    </message>
    <message>
        <source>Every %1 hours</source>
        <translation>Toutes les %1 heures</translation>
    </message>
    <message>
        <source>Out of Disk Space</source>
        <translation>Espace disque insuffisant</translation>
    </message>
    <message>
        <source>The link has been copied to the clipboard.</source>
        <translation>Le lien a été copié dans le presse-papiers.</translation>
    </message>
    <message>
        <source>Open settings</source>
        <translation>Ouvrir les paramètres</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel [ProductName] installation?</source>
        <translation>Voulez-vous vraiment annuler l'installation de [ProductName] ?</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Enter a port number between 1 and 65535.</source>
        <translation>Saisissez un numéro de port compris entre 1 et 65535.</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filtres</translation>
    </message>
    <message>
        <source>Disk Size</source>
        <translation>Taille du disque</translation>
    </message>
    <message>
        <source>This version of the file is no longer available.</source>
        <translation>Cette version du fichier n'est plus disponible.</translation>
    </message>
    <message>
        <source>Hide Window</source>
        <translation>Masquer la fenêtre</translation>
    </message>
    <message>
        <source>Remove Rule</source>
        <translation>Supprimer la règle</translation>
    </message>
    <message>
        <source>Your session has expired. Please sign in again.</source>
        <translation>Votre session a expiré. Veuillez vous reconnecter.</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Domaine</translation>
    </message>
    <message>
        <source>Symbolic links are not synced.</source>
        <translation>Les liens symboliques ne sont pas synchronisés.</translation>
    </message>
    <message>
        <source>Create Backup Task</source>
        <translation>Créer une tâche de sauvegarde</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Overwrite existing files</source>
        <translation>Remplacer les fichiers existants</translation>
    </message>
    <message>
        <source>Unpacking %1...</source>
        <translation>Décompression de %1...</translation>
    </message>
    <message>
        <source>Keep the files in a folder on this computer and a folder on the server identical. Changes on either side are applied to the other.</source>
        <translation>Maintient identiques les fichiers d'un dossier de cet ordinateur et d'un dossier du serveur. Les modifications d'un côté sont appliquées à l'autre.</translation>
    </message>
    <message>
        <source>Select the type of task you want to create. You can add more tasks later.</source>
        <translation>Sélectionnez le type de tâche à créer. Vous pourrez ajouter d'autres tâches plus tard.</translation>
    </message>
    <message>
        <source>Rename Task</source>
        <translation>Renommer la tâche</translation>
    </message>
    <message>
        <source>Change Password...</source>
        <translation>Modifier le mot de passe...</translation>
    </message>
    <message>
        <source>Syncing is paused to save battery power.</source>
        <translation>La synchronisation est suspendue pour économiser la batterie.</translation>
    </message>
    <message>
        <source>The Setup Wizard will install [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>L'Assistant d'installation va installer [ProductName] sur votre ordinateur. Cliquez sur Suivant pour continuer ou sur Annuler pour quitter l'Assistant d'installation.</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Autorisations</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Afficher dans le dossier</translation>
    </message>
    <message>
        <source>Keep file versions</source>
        <translation>Conserver les versions des fichiers</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>The connection to the server was lost. Syncing will resume when the connection is restored.</source>
        <translation>La connexion au serveur a été perdue. La synchronisation reprendra dès que la connexion sera rétablie.</translation>
    </message>
    <message>
        <source>The shared folder is encrypted and has not been mounted on the server.</source>
        <translation>Le dossier partagé est chiffré et n'a pas été monté sur le serveur.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client - %1</source>
        <translation>Quenmark Zelto Client - %1</translation>
    </message>
    <message>
        <source>The version of the server is too old. Update the server to version %1 or later.</source>
        <translation>La version du serveur est trop ancienne. Mettez à jour le serveur vers la version %1 ou ultérieure.</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Ajouter un dossier...</translation>
    </message>
    <message>
        <source>Restored</source>
        <translation>Restauré</translation>
    </message>
    <message>
        <source>Reconnecting in %1 seconds...</source>
        <translation>Reconnexion dans %1 secondes...</translation>
    </message>
    <message>
        <source>Unable to connect through the proxy server %1.</source>
        <translation>Impossible de se connecter via le serveur proxy %1.</translation>
    </message>
    <message>
        <source>Protect with a password</source>
        <translation>Protéger par un mot de passe</translation>
    </message>
    <message>
        <source>Enter a rate between 1 and 1048576 KB/s.</source>
        <translation>Saisissez un débit compris entre 1 et 1048576 Ko/s.</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Mise à jour du logiciel</translation>
    </message>
    <message>
        <source>Please wait while the installer finishes determining your disk space requirements.</source>
        <translation>Veuillez patienter pendant que le programme d'installation détermine l'espace disque nécessaire.</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Lun</translation>
    </message>
    <message>
        <source>The rule %1 is not valid.</source>
        <translation>La règle %1 n'est pas valide.</translation>
    </message>
    <message>
        <source>Deleted files can be restored from the recycle bin of the shared folder.</source>
        <translation>Les fichiers supprimés peuvent être restaurés depuis la corbeille du dossier partagé.</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Illimité</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>%1 is initializing...</source>
        <translation>Initialisation de %1...</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client main window</source>
        <translation>Fenêtre principale de Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Unable to write %1.</source>
        <translation>Impossible d'écrire %1.</translation>
    </message>
    <message>
        <source>Log level</source>
        <translation>Niveau de journalisation</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>days</source>
        <translation>jours</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Invité</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>Pause All</source>
        <translation>Tout suspendre</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Tous les mois</translation>
    </message>
    <message>
        <source>Prevent the computer from sleeping while syncing</source>
        <translation>Empêcher la mise en veille de l'ordinateur pendant la synchronisation</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Adresse du serveur</translation>
    </message>
    <message>
        <source>Browse to the destination folder</source>
        <translation>Accédez au dossier de destination</translation>
    </message>
    <message>
        <source>Do you want to clear the history? This does not affect your files.</source>
        <translation>Voulez-vous effacer l'historique ? Vos fichiers ne sont pas concernés.</translation>
    </message>
    <message>
        <source>Remove old data</source>
        <translation>Supprimer les anciennes données</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Se souvenir de moi</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Toutes les semaines</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>En file d'attente</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Mettre à jour maintenant</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jeudi</translation>
    </message>
    <message>
        <source>The selected file does not contain valid settings.</source>
        <translation>Le fichier sélectionné ne contient pas de paramètres valides.</translation>
    </message>
    <message>
        <source>The password is too weak.</source>
        <translation>Le mot de passe est trop faible.</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Sélectionner un dossier</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard repairs [ProductName].</source>
        <translation>Veuillez patienter pendant que l'Assistant d'installation répare [ProductName].</translation>
    </message>
    <message>
        <source>For example: tmp, log, iso</source>
        <translation>Par exemple : tmp, log, iso</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Se déconnecter</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Impossible d'établir une connexion sécurisée avec le serveur.</translation>
    </message>
    <message>
        <source>Pause the selected task</source>
        <translation>Suspendre la tâche sélectionnée</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>Système d'exploitation</translation>
    </message>
    <message>
        <source>Do you want to remove the task %1? The files in the folders will not be deleted.</source>
        <translation>Voulez-vous supprimer la tâche %1 ? Les fichiers des dossiers ne seront pas supprimés.</translation>
    </message>
    <message>
        <source>[ProductName] Setup</source>
        <translation>Installation de [ProductName]</translation>
    </message>
    <message>
        <source>This account has been disabled. Contact your system administrator.</source>
        <translation>Ce compte a été désactivé. Contactez votre administrateur système.</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd'hui</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>Adresse e-mail</translation>
    </message>
    <message>
        <source>The verification code is incorrect or has expired.</source>
        <translation>Le code de vérification est incorrect ou a expiré.</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>Journaux</translation>
    </message>
    <message>
        <source>List of sync and backup tasks</source>
        <translation>Liste des tâches de synchronisation et de sauvegarde</translation>
    </message>
    <message>
        <source>Keep up to %1 versions of each file</source>
        <translation>Conserver jusqu'à %1 versions de chaque fichier</translation>
    </message>
    <message>
        <source>%1 will be synced with %2.</source>
        <translation>%1 sera synchronisé avec %2.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Syncing %1</source>
        <translation>Synchronisation de %1</translation>
    </message>
    <message>
        <source>Free space</source>
        <translation>Espace libre</translation>
    </message>
    <message>
        <source>Your feedback could not be sent. Please try again later.</source>
        <translation>Impossible d'envoyer vos commentaires. Veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>File manager integration</source>
        <translation>Intégration au gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Nouveau mot de passe</translation>
    </message>
    <message>
        <source>Sign In with SSO</source>
        <translation>Se connecter avec l'authentification unique</translation>
    </message>
    <message>
        <source>My Files</source>
        <translation>Mes fichiers</translation>
    </message>
    <message>
        <source>Sync new folders automatically</source>
        <translation>Synchroniser automatiquement les nouveaux dossiers</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Enter the 6-digit code from your authenticator app.</source>
        <translation>Saisissez le code à 6 chiffres de votre application d'authentification.</translation>
    </message>
    <message>
        <source>Right-click a file for more options.</source>
        <translation>Cliquez avec le bouton droit sur un fichier pour afficher d'autres options.</translation>
    </message>
    <message>
        <source>Server version</source>
        <translation>Version du serveur</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client was removed from your computer.</source>
        <translation>Quenmark Zelto Client a été supprimé de votre ordinateur.</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Nom du dossier</translation>
    </message>
    <message>
        <source>You have no tasks yet. Click Create Task to sync or back up a folder.</source>
        <translation>Vous n'avez encore aucune tâche. Cliquez sur Créer une tâche pour synchroniser ou sauvegarder un dossier.</translation>
    </message>
    <message>
        <source>Indexing files...</source>
        <translation>Indexation des fichiers...</translation>
    </message>
    <message>
        <source>Verification code field</source>
        <translation>Champ du code de vérification</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disque plein</translation>
    </message>
    <message>
        <source>Backup started</source>
        <translation>Sauvegarde démarrée</translation>
    </message>
    <message>
        <source>The sync folder %1 was moved or deleted. Syncing has stopped for this task.</source>
        <translation>Le dossier de synchronisation %1 a été déplacé ou supprimé. La synchronisation de cette tâche est arrêtée.</translation>
    </message>
    <message>
        <source>The file was damaged during transfer and will be downloaded again.</source>
        <translation>Le fichier a été endommagé pendant le transfert et va être téléchargé à nouveau.</translation>
    </message>
    <message>
        <source>You have reached the maximum number of tasks (%1).</source>
        <translation>Vous avez atteint le nombre maximal de tâches (%1).</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>heures</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Icon View</source>
        <translation>Affichage en icônes</translation>
    </message>
    <message>
        <source>Backup finished</source>
        <translation>Sauvegarde terminée</translation>
    </message>
    <message>
        <source>Starting %1 for the first time. This may take a minute.</source>
        <translation>Premier démarrage de %1. Cela peut prendre une minute.</translation>
    </message>
    <message>
        <source>Server path</source>
        <translation>Chemin sur le serveur</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Modifier le mot de passe</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Sync file permissions and timestamps</source>
        <translation>Synchroniser les autorisations et les horodatages des fichiers</translation>
    </message>
    <message>
        <source>Syncing will stop when you quit. Quit Quenmark Zelto Client anyway?</source>
        <translation>La synchronisation s'arrêtera si vous quittez. Quitter Quenmark Zelto Client quand même ?</translation>
    </message>
    <message>
        <source>Hidden files</source>
        <translation>Fichiers cachés</translation>
    </message>
    <message>
        <source>The folder cannot be inside or contain a folder that is already synced.</source>
        <translation>Le dossier ne peut ni se trouver dans un dossier déjà synchronisé ni en contenir un.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached. The backup cannot continue until space is freed.</source>
        <translation>Votre quota de stockage sur le serveur est atteint. La sauvegarde ne peut pas continuer tant que de l'espace n'a pas été libéré.</translation>
    </message>
    <message>
        <source>Download queue</source>
        <translation>File d'attente de téléchargement</translation>
    </message>
    <message>
        <source>This computer is registered with the server.</source>
        <translation>Cet ordinateur est enregistré auprès du serveur.</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Corbeille</translation>
    </message>
    <message>
        <source>Back up changes continuously</source>
        <translation>Sauvegarder les modifications en continu</translation>
    </message>
    <message>
        <source>Source folders</source>
        <translation>Dossiers source</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Contrat de licence</translation>
    </message>
    <message>
        <source>Sync options</source>
        <translation>Options de synchronisation</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>Tout est prêt !</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nouveau dossier</translation>
    </message>
    <message>
        <source>Add to the &amp;Start menu</source>
        <translation>Ajouter au menu &amp;Démarrer</translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation>Connexion en cours...</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Cliquez sur Installer pour commencer l'installation. Cliquez sur Précédent pour vérifier ou modifier les paramètres d'installation. Cliquez sur Annuler pour quitter l'Assistant.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client cannot write to %1. Check the folder permissions.</source>
        <translation>Quenmark Zelto Client ne peut pas écrire dans %1. Vérifiez les autorisations du dossier.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Ignorer cette version</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>Visiter notre site web</translation>
    </message>
    <message>
        <source>Open Local Folder</source>
        <translation>Ouvrir le dossier local</translation>
    </message>
    <message>
        <source>Removing [ProductName]</source>
        <translation>Suppression de [ProductName]</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Copyright (c) Quenmark. All rights reserved.</source>
        <translation>Copyright (c) Quenmark. Tous droits réservés.</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Supprimer l'appareil</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The session is locked.</source>
        <translation>La session est verrouillée.</translation>
    </message>
    <message>
        <source>Downloading on demand...</source>
        <translation>Téléchargement à la demande...</translation>
    </message>
    <message>
        <source>Sign-in required</source>
        <translation>Connexion requise</translation>
    </message>
    <message>
        <source>Unable to copy %1.</source>
        <translation>Impossible de copier %1.</translation>
    </message>
    <message>
        <source>List of filter rules</source>
        <translation>Liste des règles de filtrage</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>Instantanés</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Change destination folder</source>
        <translation>Modifier le dossier de destination</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synchronisation...</translation>
    </message>
    <message>
        <source>Back up only when the computer is plugged in</source>
        <translation>Sauvegarder uniquement lorsque l'ordinateur est branché sur secteur</translation>
    </message>
    <message>
        <source>Resume Syncing</source>
        <translation>Reprendre la synchronisation</translation>
    </message>
    <message>
        <source>A new version is available.</source>
        <translation>Une nouvelle version est disponible.</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation>Foire aux questions</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Run on</source>
        <translation>Exécuter le</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Unable to download the update.</source>
        <translation>Impossible de télécharger la mise à jour.</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>Tester la connexion</translation>
    </message>
    <message>
        <source>You have been signed out.</source>
        <translation>Vous avez été déconnecté.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchronisation</translation>
    </message>
    <message>
        <source>Last backup completed %1</source>
        <translation>Dernière sauvegarde réussie : %1</translation>
    </message>
    <message>
        <source>Pause Syncing</source>
        <translation>Suspendre la synchronisation</translation>
    </message>
    <message>
        <source>Limit automatically</source>
        <translation>Limiter automatiquement</translation>
    </message>
    <message>
        <source>Keep the version on the server</source>
        <translation>Conserver la version du serveur</translation>
    </message>
    <message>
        <source>Open menu</source>
        <translation>Ouvrir le menu</translation>
    </message>
    <message>
        <source>The file is larger than the limit allowed by the server.</source>
        <translation>Le fichier dépasse la taille autorisée par le serveur.</translation>
    </message>
    <message>
        <source>Your data was moved successfully.</source>
        <translation>Vos données ont été transférées.</translation>
    </message>
    <message>
        <source>Ready to install [ProductName]</source>
        <translation>Prêt à installer [ProductName]</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Le fichier %1 n'existe pas.</translation>
    </message>
    <message>
        <source>Export Logs...</source>
        <translation>Exporter les journaux...</translation>
    </message>
    <message>
        <source>Syncing has resumed</source>
        <translation>La synchronisation a repris</translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely because of an error. Your system has not been modified. To install this program at a later time, run the Setup Wizard again.</source>
        <translation>L'Assistant d'installation de [ProductName] s'est interrompu prématurément en raison d'une erreur. Votre système n'a pas été modifié. Pour installer ce programme ultérieurement, relancez l'Assistant d'installation.</translation>
    </message>
    <message>
        <source>Select the server folder to sync with this computer.</source>
        <translation>Sélectionnez le dossier du serveur à synchroniser avec cet ordinateur.</translation>
    </message>
    <message>
        <source>Upload changes to the server only</source>
        <translation>Envoyer uniquement les modifications vers le serveur</translation>
    </message>
    <message>
        <source>Time remaining unknown</source>
        <translation>Temps restant inconnu</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>%1 files were skipped. See the history for details.</source>
        <translation>%1 fichiers ont été ignorés. Consultez l'historique pour plus de détails.</translation>
    </message>
    <message>
        <source>Keep all versions</source>
        <translation>Conserver toutes les versions</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Sync progress</source>
        <translation>Progression de la synchronisation</translation>
    </message>
    <message>
        <source>The new language will be used after Quenmark Zelto Client restarts.</source>
        <translation>La nouvelle langue sera utilisée après le redémarrage de Quenmark Zelto Client.</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Créé</translation>
    </message>
    <message>
        <source>%1 used of %2</source>
        <translation>%1 utilisés sur %2</translation>
    </message>
    <message>
        <source>Version Retention</source>
        <translation>Conservation des versions</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Heure de fin</translation>
    </message>
    <message>
        <source>Proxy type</source>
        <translation>Type de proxy</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>Trier par nom</translation>
    </message>
    <message>
        <source>On-demand sync is not supported on this file system.</source>
        <translation>La synchronisation à la demande n'est pas prise en charge sur ce système de fichiers.</translation>
    </message>
    <message>
        <source>Connected through the Internet</source>
        <translation>Connecté via Internet</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Réessayer</translation>
    </message>
    <message>
        <source>Authentication required</source>
        <translation>Authentification requise</translation>
    </message>
    <message>
        <source>Access Denied</source>
        <translation>Accès refusé</translation>
    </message>
    <message>
        <source>Upload rate</source>
        <translation>Débit d'envoi</translation>
    </message>
    <message>
        <source>The system limit on watched folders has been reached. Some changes may be detected late.</source>
        <translation>La limite système de dossiers surveillés est atteinte. Certaines modifications risquent d'être détectées avec retard.</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Déplacé</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Sort by Date</source>
        <translation>Trier par date</translation>
    </message>
    <message>
        <source>Do not sync hidden files</source>
        <translation>Ne pas synchroniser les fichiers cachés</translation>
    </message>
    <message>
        <source>Sync This Folder</source>
        <translation>Synchroniser ce dossier</translation>
    </message>
    <message>
        <source>%1 is very large. Uploading it may take a long time.</source>
        <translation>%1 est très volumineux. Son envoi peut prendre beaucoup de temps.</translation>
    </message>
    <message>
        <source>Access control lists are not supported on this file system and will not be synced.</source>
        <translation>Les listes de contrôle d'accès ne sont pas prises en charge par ce système de fichiers et ne seront pas synchronisées.</translation>
    </message>
    <message>
        <source>Enter the verification code</source>
        <translation>Saisissez le code de vérification</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>Les mots de passe ne correspondent pas.</translation>
    </message>
    <message>
        <source>The security certificate of %1 is not trusted. Your connection may not be secure.</source>
        <translation>Le certificat de sécurité de %1 n'est pas approuvé. Votre connexion n'est peut-être pas sécurisée.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>%1, %2 o'clock</source>
        <translation>%1, %2 heures</translation>
    </message>
    <message>
        <source>The Setup Wizard allows you to repair the installation of [ProductName] or remove it from your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>L'Assistant d'installation vous permet de réparer l'installation de [ProductName] ou de le supprimer de votre ordinateur. Cliquez sur Suivant pour continuer ou sur Annuler pour quitter l'Assistant d'installation.</translation>
    </message>
    <message>
        <source>Read and write</source>
        <translation>Lecture et écriture</translation>
    </message>
    <message>
        <source>Pause for 8 hours</source>
        <translation>Suspendre pendant 8 heures</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Suspendu</translation>
    </message>
    <message>
        <source>Edit the selected task</source>
        <translation>Modifier la tâche sélectionnée</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenue</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Ouvrir dans le navigateur</translation>
    </message>
    <message>
        <source>Task %1, status %2</source>
        <translation>Tâche %1, état %2</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation>Cliquez sur le bouton Terminer pour quitter l'Assistant d'installation.</translation>
    </message>
    <message>
        <source>Relay ID</source>
        <translation>ID de relais</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>Do not limit</source>
        <translation>Ne pas limiter</translation>
    </message>
    <message>
        <source>Download changes from the server only</source>
        <translation>Télécharger uniquement les modifications du serveur</translation>
    </message>
    <message>
        <source>Unable to move %1 to %2.</source>
        <translation>Impossible de déplacer %1 vers %2.</translation>
    </message>
    <message>
        <source>Add a task</source>
        <translation>Ajouter une tâche</translation>
    </message>
    <message>
        <source>Your storage space on %1 is almost full.</source>
        <translation>Votre espace de stockage sur %1 est presque plein.</translation>
    </message>
    <message>
        <source>Install updates automatically</source>
        <translation>Installer automatiquement les mises à jour</translation>
    </message>
    <message>
        <source>Recent Changes</source>
        <translation>Modifications récentes</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>Nom d'affichage</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connexion...</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Alertes</translation>
    </message>
    <message>
        <source>Preparing to sync...</source>
        <translation>Préparation de la synchronisation...</translation>
    </message>
    <message>
        <source>Single Sign-On</source>
        <translation>Authentification unique</translation>
    </message>
    <message>
        <source>Ready to sync</source>
        <translation>Prêt pour la synchronisation</translation>
    </message>
    <message>
        <source>Advanced Filters...</source>
        <translation>Filtres avancés...</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <translation>Afficher les notifications sur le bureau</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Recherche de mises à jour...</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Téléchargé</translation>
    </message>
    <message>
        <source>Choose a folder on the server</source>
        <translation>Choisir un dossier sur le serveur</translation>
    </message>
    <message>
        <source>Excluded from sync</source>
        <translation>Exclu de la synchronisation</translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <translation>Synchronisation de %1 fichiers</translation>
    </message>
    <message>
        <source>Loading folders...</source>
        <translation>Chargement des dossiers...</translation>
    </message>
    <message>
        <source>This version of Quenmark Zelto Client is no longer supported by the server. Please update the client.</source>
        <translation>Cette version de Quenmark Zelto Client n'est plus prise en charge par le serveur. Veuillez mettre à jour le client.</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Partagé</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>Repairing [ProductName]</source>
        <translation>Réparation de [ProductName]</translation>
    </message>
    <message>
        <source>Upload speed</source>
        <translation>Vitesse d'envoi</translation>
    </message>
    <message>
        <source>Open on Server</source>
        <translation>Ouvrir sur le serveur</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Terminer</translation>
    </message>
    <message>
        <source>Your settings have been saved.</source>
        <translation>Vos paramètres ont été enregistrés.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Create Sync Task</source>
        <translation>Créer une tâche de synchronisation</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Sauvegarder maintenant</translation>
    </message>
    <message>
        <source>The upgrade is complete.</source>
        <translation>La mise à niveau est terminée.</translation>
    </message>
    <message>
        <source>Version %1 (build %2)</source>
        <translation>Version %1 (build %2)</translation>
    </message>
    <message>
        <source>Launch [ProductName] now</source>
        <translation>Lancer [ProductName] maintenant</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Envoyer des commentaires</translation>
    </message>
    <message>
        <source>No results found.</source>
        <translation>Aucun résultat.</translation>
    </message>
    <message>
        <source>Copy Sharing Link</source>
        <translation>Copier le lien de partage</translation>
    </message>
    <message>
        <source>The task no longer exists.</source>
        <translation>La tâche n'existe plus.</translation>
    </message>
    <message>
        <source>&amp;Do not close applications. A reboot will be required.</source>
        <translation>&amp;Ne pas fermer les applications. Un redémarrage sera nécessaire.</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Tâche</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Ven</translation>
    </message>
    <message>
        <source>Deleting %1</source>
        <translation>Suppression de %1</translation>
    </message>
    <message>
        <source>Enter at least %1 characters.</source>
        <translation>Saisissez au moins %1 caractères.</translation>
    </message>
    <message>
        <source>Unable to restore the selected files.</source>
        <translation>Impossible de restaurer les fichiers sélectionnés.</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation>Synchronisation à la demande</translation>
    </message>
    <message>
        <source>Checking the environment...</source>
        <translation>Vérification de l'environnement...</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation>Synchronisation bidirectionnelle</translation>
    </message>
    <message>
        <source>Valid until</source>
        <translation>Valide jusqu'au</translation>
    </message>
    <message>
        <source>The history was exported to %1.</source>
        <translation>L'historique a été exporté vers %1.</translation>
    </message>
    <message>
        <source>Files and folders that match these rules are not synced.</source>
        <translation>Les fichiers et dossiers correspondant à ces règles ne sont pas synchronisés.</translation>
    </message>
    <message>
        <source>Available offline</source>
        <translation>Disponible hors ligne</translation>
    </message>
    <message>
        <source>The files have been restored.</source>
        <translation>Les fichiers ont été restaurés.</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Nom de l'appareil</translation>
    </message>
    <message>
        <source>Renaming %1</source>
        <translation>Renommage de %1</translation>
    </message>
    <message>
        <source>Some files could not be synced</source>
        <translation>Certains fichiers n'ont pas pu être synchronisés</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Task name</source>
        <translation>Nom de la tâche</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by fixing missing and corrupt files, shortcuts, and registry entries.</source>
        <translation>Corrige les erreurs de l'installation la plus récente en réparant les fichiers, raccourcis et entrées de registre manquants ou endommagés.</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Chargement...</translation>
    </message>
    <message>
        <source>Pause until I resume</source>
        <translation>Suspendre jusqu'à la reprise manuelle</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>No server was found on your local network. Enter the address manually.</source>
        <translation>Aucun serveur n'a été trouvé sur votre réseau local. Saisissez l'adresse manuellement.</translation>
    </message>
    <message>
        <source>Removes [ProductName] from your computer.</source>
        <translation>Supprime [ProductName] de votre ordinateur.</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>Dossier local</translation>
    </message>
    <message>
        <source>The quota of the shared folder has been reached.</source>
        <translation>Le quota du dossier partagé est atteint.</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>Contrat de licence utilisateur final</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>Online only</source>
        <translation>En ligne uniquement</translation>
    </message>
    <message>
        <source>Up one level</source>
        <translation>Dossier parent</translation>
    </message>
    <message>
        <source>Upload: %1/s  Download: %2/s</source>
        <translation>Envoi : %1/s  Réception : %2/s</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Tous les jours</translation>
    </message>
    <message>
        <source>The local version was renamed to %1.</source>
        <translation>La version locale a été renommée en %1.</translation>
    </message>
    <message>
        <source>%1 is in use by another application and will be synced when it is closed.</source>
        <translation>%1 est utilisé par une autre application et sera synchronisé après sa fermeture.</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Suspendu jusqu'à %1</translation>
    </message>
    <message>
        <source>View History</source>
        <translation>Afficher l'historique</translation>
    </message>
    <message>
        <source>Confirm new password</source>
        <translation>Confirmer le nouveau mot de passe</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>Délai de connexion</translation>
    </message>
    <message>
        <source>Proxy server</source>
        <translation>Serveur proxy</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Downloading the update... %1%</source>
        <translation>Téléchargement de la mise à jour... %1%</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Renommé</translation>
    </message>
    <message>
        <source>Use dark theme</source>
        <translation>Utiliser le thème sombre</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Mardi</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>Ko/s</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully</source>
        <translation>Veuillez lire attentivement le contrat de licence suivant</translation>
    </message>
    <message>
        <source>Send Test Email</source>
        <translation>Envoyer un e-mail de test</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <translation>Sens de synchronisation</translation>
    </message>
    <message>
        <source>Rebuilding the local database...</source>
        <translation>Reconstruction de la base de données locale...</translation>
    </message>
    <message>
        <source>Switch Account</source>
        <translation>Changer de compte</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Folder tree</source>
        <translation>Arborescence des dossiers</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>Restaurer cette version</translation>
    </message>
    <message>
        <source>The destination shared folder could not be found on the server. Select another destination.</source>
        <translation>Le dossier partagé de destination est introuvable sur le serveur. Sélectionnez une autre destination.</translation>
    </message>
    <message>
        <source>The security certificate of the server has expired.</source>
        <translation>Le certificat de sécurité du serveur a expiré.</translation>
    </message>
    <message>
        <source>Restart Quenmark Zelto Client to apply the changes.</source>
        <translation>Redémarrez Quenmark Zelto Client pour appliquer les modifications.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client status icon</source>
        <translation>Icône d'état de Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Alimentation</translation>
    </message>
    <message>
        <source>%1 percent complete</source>
        <translation>%1 pour cent terminé</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sam</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Stockage</translation>
    </message>
    <message>
        <source>Pause syncing when running on battery power</source>
        <translation>Suspendre la synchronisation sur batterie</translation>
    </message>
    <message>
        <source>Enter your server address, username and password.</source>
        <translation>Saisissez l'adresse du serveur, votre nom d'utilisateur et votre mot de passe.</translation>
    </message>
    <message>
        <source>Every %1 minutes</source>
        <translation>Toutes les %1 minutes</translation>
    </message>
    <message>
        <source>Do you want to delete the selected items?</source>
        <translation>Voulez-vous supprimer les éléments sélectionnés ?</translation>
    </message>
    <message>
        <source>Show sync status icons in the file manager</source>
        <translation>Afficher les icônes d'état de synchronisation dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>I &amp;do not accept the terms in the License Agreement</source>
        <translation>Je &amp;n'accepte pas les termes du contrat de licence</translation>
    </message>
    <message>
        <source>Learn more</source>
        <translation>En savoir plus</translation>
    </message>
    <message>
        <source>Server address field</source>
        <translation>Champ d'adresse du serveur</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Play a sound</source>
        <translation>Émettre un son</translation>
    </message>
    <message>
        <source>Locate Folder</source>
        <translation>Localiser le dossier</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>Dossier de destination</translation>
    </message>
    <message>
        <source>Load More</source>
        <translation>Afficher plus</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Unable to rename %1 to %2.</source>
        <translation>Impossible de renommer %1 en %2.</translation>
    </message>
    <message>
        <source>If your network requires a proxy server to reach the Internet, enter its settings here.</source>
        <translation>Si votre réseau passe par un serveur proxy pour accéder à Internet, saisissez ses paramètres ici.</translation>
    </message>
    <message>
        <source>Remove the local copies of the selected files? They remain on the server and are downloaded again when you open them.</source>
        <translation>Supprimer les copies locales des fichiers sélectionnés ? Elles restent sur le serveur et seront de nouveau téléchargées à l'ouverture.</translation>
    </message>
    <message>
        <source>Install Now</source>
        <translation>Installer maintenant</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Display scaling</source>
        <translation>Mise à l'échelle de l'affichage</translation>
    </message>
    <message>
        <source>Restoring %1 of %2 files...</source>
        <translation>Restauration de %1 fichiers sur %2...</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Extensions de fichier</translation>
    </message>
    <message>
        <source>The update package is damaged or has an invalid signature.</source>
        <translation>Le paquet de mise à jour est endommagé ou sa signature n'est pas valide.</translation>
    </message>
    <message>
        <source>Disk Space Requirements</source>
        <translation>Espace disque nécessaire</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Mise à niveau</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Tâches</translation>
    </message>
    <message>
        <source>Account: %1</source>
        <translation>Compte : %1</translation>
    </message>
    <message>
        <source>The security certificate of the server is not trusted.</source>
        <translation>Le certificat de sécurité du serveur n'est pas approuvé.</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Ne rien sélectionner</translation>
    </message>
    <message>
        <source>An invalid parameter was given.</source>
        <translation>Un paramètre non valide a été fourni.</translation>
    </message>
    <message>
        <source>Ask before deleting many files on the server</source>
        <translation>Demander avant de supprimer de nombreux fichiers sur le serveur</translation>
    </message>
    <message>
        <source>&amp;Look in:</source>
        <translation>&amp;Rechercher dans :</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>Votre adresse IP a été bloquée par le serveur.</translation>
    </message>
    <message>
        <source>Debug logging records detailed information and may slow down syncing. Turn it off when you are done.</source>
        <translation>La journalisation de débogage enregistre des informations détaillées et peut ralentir la synchronisation. Désactivez-la lorsque vous avez terminé.</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Configuration manuelle du proxy</translation>
    </message>
    <message>
        <source>Day of the month</source>
        <translation>Jour du mois</translation>
    </message>
    <message>
        <source>The local database is damaged. Quenmark Zelto Client will rebuild it.</source>
        <translation>La base de données locale est endommagée. Quenmark Zelto Client va la reconstruire.</translation>
    </message>
    <message>
        <source>Are you sure you want to quit the setup? No task will be created.</source>
        <translation>Voulez-vous vraiment quitter la configuration ? Aucune tâche ne sera créée.</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Jamais synchronisé</translation>
    </message>
    <message>
        <source>The shared folder no longer exists on the server.</source>
        <translation>Le dossier partagé n'existe plus sur le serveur.</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Use SSL/TLS</source>
        <translation>Utiliser SSL/TLS</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <translation>Mode de synchronisation</translation>
    </message>
    <message>
        <source>The update has been downloaded and will be installed when you quit Quenmark Zelto Client.</source>
        <translation>La mise à jour a été téléchargée et sera installée lorsque vous quitterez Quenmark Zelto Client.</translation>
    </message>
    <message>
        <source>The server is under maintenance. Syncing will resume automatically.</source>
        <translation>Le serveur est en maintenance. La synchronisation reprendra automatiquement.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client Setup</source>
        <translation>Configuration de Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Enable backup schedule</source>
        <translation>Activer la planification des sauvegardes</translation>
    </message>
    <message>
        <source>The first sync may take a while, depending on the number and size of your files.</source>
        <translation>La première synchronisation peut prendre un certain temps, selon le nombre et la taille de vos fichiers.</translation>
    </message>
    <message>
        <source>Sign in with the account you use on %1.</source>
        <translation>Connectez-vous avec le compte que vous utilisez sur %1.</translation>
    </message>
    <message>
        <source>Backup Schedule</source>
        <translation>Planification des sauvegardes</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>Le nom du fichier est trop long.</translation>
    </message>
    <message>
        <source>The file manager will be restarted to unload the extension.</source>
        <translation>Le gestionnaire de fichiers va redémarrer pour décharger l'extension.</translation>
    </message>
    <message>
        <source>Keep both versions</source>
        <translation>Conserver les deux versions</translation>
    </message>
    <message>
        <source>Available when online</source>
        <translation>Disponible en ligne</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Tout désélectionner</translation>
    </message>
    <message>
        <source>Total size</source>
        <translation>Taille totale</translation>
    </message>
    <message>
        <source>Open source licenses</source>
        <translation>Licences open source</translation>
    </message>
    <message>
        <source>No backup is scheduled.</source>
        <translation>Aucune sauvegarde n'est planifiée.</translation>
    </message>
    <message>
        <source>Syncing was paused while the computer was asleep.</source>
        <translation>La synchronisation a été suspendue pendant la mise en veille de l'ordinateur.</translation>
    </message>
    <message>
        <source>Team Folder</source>
        <translation>Dossier d'équipe</translation>
    </message>
    <message>
        <source>Overall progress</source>
        <translation>Progression globale</translation>
    </message>
    <message>
        <source>Checking the connection to %1...</source>
        <translation>Vérification de la connexion à %1...</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <translation>%1 est prêt.</translation>
    </message>
    <message>
        <source>When a conflict occurs</source>
        <translation>En cas de conflit</translation>
    </message>
    <message>
        <source>The security certificate was issued to %1, not to %2.</source>
        <translation>Le certificat de sécurité a été délivré à %1 et non à %2.</translation>
    </message>
    <message>
        <source>Trust this computer</source>
        <translation>Faire confiance à cet ordinateur</translation>
    </message>
    <message>
        <source>Select the operation you wish to perform.</source>
        <translation>Sélectionnez l'opération à effectuer.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>File size limit</source>
        <translation>Limite de taille de fichier</translation>
    </message>
    <message>
        <source>Unable to create the task.</source>
        <translation>Impossible de créer la tâche.</translation>
    </message>
    <message>
        <source>Create Task</source>
        <translation>Créer une tâche</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>Ko</translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <translation>Certains fichiers à mettre à jour sont actuellement utilisés.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Veuillez patienter...</translation>
    </message>
    <message>
        <source>Searching for servers on your local network...</source>
        <translation>Recherche de serveurs sur votre réseau local...</translation>
    </message>
    <message>
        <source>Disk space required for the installation exceeds available disk space.</source>
        <translation>L'espace disque nécessaire à l'installation dépasse l'espace disponible.</translation>
    </message>
    <message>
        <source>The following applications are using files that need to be updated by this setup. Close these applications and then click &amp;Retry to continue the installation or Cancel to exit it.</source>
        <translation>Les applications suivantes utilisent des fichiers que cette installation doit mettre à jour. Fermez ces applications, puis cliquez sur &amp;Réessayer pour continuer l'installation ou sur Annuler pour la quitter.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Le dossier %1 n'existe pas.</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Propriétaire</translation>
    </message>
    <message>
        <source>Play sounds</source>
        <translation>Activer les sons</translation>
    </message>
    <message>
        <source>Synced</source>
        <translation>Synchronisé</translation>
    </message>
    <message>
        <source>Last day of the month</source>
        <translation>Dernier jour du mois</translation>
    </message>
    <message>
        <source>Keep the version on this computer</source>
        <translation>Conserver la version de cet ordinateur</translation>
    </message>
    <message>
        <source>Resume the selected task</source>
        <translation>Reprendre la tâche sélectionnée</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Assistance</translation>
    </message>
    <message>
        <source>Sort by Size</source>
        <translation>Trier par taille</translation>
    </message>
    <message>
        <source>Storage Details</source>
        <translation>Détails du stockage</translation>
    </message>
    <message>
        <source>Apply limits only during these hours</source>
        <translation>Appliquer les limites uniquement pendant ces heures</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Welcome to Quenmark Zelto Client</source>
        <translation>Bienvenue dans Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Data from an earlier version was found on this computer.</source>
        <translation>Des données d'une version antérieure ont été trouvées sur cet ordinateur.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Pause for 30 minutes</source>
        <translation>Suspendre pendant 30 minutes</translation>
    </message>
    <message>
        <source>Open in File Manager</source>
        <translation>Ouvrir dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Completed the [ProductName] Setup Wizard</source>
        <translation>L'Assistant d'installation de [ProductName] est terminé</translation>
    </message>
    <message>
        <source>Last synced %1</source>
        <translation>Dernière synchronisation : %1</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Étape %1 sur %2</translation>
    </message>
    <message>
        <source>Retry Now</source>
        <translation>Réessayer maintenant</translation>
    </message>
    <message>
        <source>%1 of %2 used</source>
        <translation>%1 utilisés sur %2</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Ignoré</translation>
    </message>
    <message>
        <source>You have used %1 of your storage quota.</source>
        <translation>Vous avez utilisé %1 de votre quota de stockage.</translation>
    </message>
    <message>
        <source>A newer version of [ProductName] is already installed. Setup will now exit.</source>
        <translation>Une version plus récente de [ProductName] est déjà installée. L'installation va se fermer.</translation>
    </message>
    <message>
        <source>No problem was found.</source>
        <translation>Aucun problème n'a été détecté.</translation>
    </message>
    <message>
        <source>Keep files on the server that were deleted on this computer</source>
        <translation>Conserver sur le serveur les fichiers supprimés sur cet ordinateur</translation>
    </message>
    <message>
        <source>Scanning for changes...</source>
        <translation>Recherche de modifications...</translation>
    </message>
    <message>
        <source>Registering product</source>
        <translation>Enregistrement du produit</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Langue de l'interface</translation>
    </message>
    <message>
        <source>You are not running the setup as an administrator. Some features may not be installed correctly. Continue anyway?</source>
        <translation>Vous n'exécutez pas l'installation en tant qu'administrateur. Certaines fonctionnalités risquent de ne pas être installées correctement. Continuer quand même ?</translation>
    </message>
    <message>
        <source>There is not enough free space on %1. At least %2 is needed.</source>
        <translation>L'espace libre sur %1 est insuffisant. Il faut au moins %2.</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Contacter l'assistance</translation>
    </message>
    <message>
        <source>Task Details</source>
        <translation>Détails de la tâche</translation>
    </message>
    <message>
        <source>Back up only when the computer is idle</source>
        <translation>Sauvegarder uniquement lorsque l'ordinateur est inactif</translation>
    </message>
    <message>
        <source>Open the folder on the server in a web browser</source>
        <translation>Ouvrir le dossier du serveur dans un navigateur web</translation>
    </message>
    <message>
        <source>Administrator permission is required.</source>
        <translation>Une autorisation d'administrateur est requise.</translation>
    </message>
    <message>
        <source>Creating shortcuts</source>
        <translation>Création des raccourcis</translation>
    </message>
    <message>
        <source>Your email address (optional)</source>
        <translation>Votre adresse e-mail (facultatif)</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Free space on this drive: %1</source>
        <translation>Espace libre sur ce lecteur : %1</translation>
    </message>
    <message>
        <source>The proxy connection works.</source>
        <translation>La connexion par le proxy fonctionne.</translation>
    </message>
    <message>
        <source>Privacy statement</source>
        <translation>Déclaration de confidentialité</translation>
    </message>
    <message>
        <source>Install the file manager extension (status icons and context menu)</source>
        <translation>Installer l'extension du gestionnaire de fichiers (icônes d'état et menu contextuel)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Select Folders</source>
        <translation>Sélectionner des dossiers</translation>
    </message>
    <message>
        <source>The file is locked by another application.</source>
        <translation>Le fichier est verrouillé par une autre application.</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>État :</translation>
    </message>
    <message>
        <source>Thank you! Your feedback has been sent.</source>
        <translation>Merci ! Vos commentaires ont été envoyés.</translation>
    </message>
    <message>
        <source>Sync directly with computers on the same network when possible</source>
        <translation>Synchroniser directement avec les ordinateurs du même réseau si possible</translation>
    </message>
    <message>
        <source>Download rate</source>
        <translation>Débit de téléchargement</translation>
    </message>
    <message>
        <source>&amp;Folder name:</source>
        <translation>&amp;Nom du dossier :</translation>
    </message>
    <message>
        <source>%1 files, %2</source>
        <translation>%1 fichiers, %2</translation>
    </message>
    <message>
        <source>Version on this computer</source>
        <translation>Version sur cet ordinateur</translation>
    </message>
    <message>
        <source>The file name contains characters that are not allowed: %1</source>
        <translation>Le nom du fichier contient des caractères non autorisés : %1</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Suivant &gt;</translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>Action requise</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Nécessaire</translation>
    </message>
    <message>
        <source>Your settings and sync tasks are being moved to the new version of Quenmark Zelto Client. Do not turn off the computer.</source>
        <translation>Vos paramètres et vos tâches de synchronisation sont transférés vers la nouvelle version de Quenmark Zelto Client. N'éteignez pas l'ordinateur.</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guide de l'utilisateur</translation>
    </message>
    <message>
        <source>Expiration date</source>
        <translation>Date d'expiration</translation>
    </message>
    <message>
        <source>The disk where your sync folder is located is almost full.</source>
        <translation>Le disque contenant votre dossier de synchronisation est presque plein.</translation>
    </message>
    <message>
        <source>The server %1 could not be found. Check the address and try again.</source>
        <translation>Le serveur %1 est introuvable. Vérifiez l'adresse et réessayez.</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>Ce champ est obligatoire.</translation>
    </message>
    <message>
        <source>You have read-only access to this shared folder.</source>
        <translation>Vous disposez d'un accès en lecture seule à ce dossier partagé.</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copier le lien</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Précédent</translation>
    </message>
    <message>
        <source>View Previous Versions</source>
        <translation>Afficher les versions précédentes</translation>
    </message>
    <message>
        <source>Complete the sign-in in your web browser.</source>
        <translation>Terminez la connexion dans votre navigateur web.</translation>
    </message>
    <message>
        <source>Directory user</source>
        <translation>Utilisateur d'annuaire</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>Always Keep on This Device</source>
        <translation>Toujours conserver sur cet appareil</translation>
    </message>
    <message>
        <source>You do not have write permission for the destination shared folder.</source>
        <translation>Vous n'avez pas l'autorisation d'écrire dans le dossier partagé de destination.</translation>
    </message>
    <message>
        <source>Open Quenmark Zelto Client</source>
        <translation>Ouvrir Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>Notification</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Abandonner</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>The folder is already used by another sync task.</source>
        <translation>Ce dossier est déjà utilisé par une autre tâche de synchronisation.</translation>
    </message>
    <message>
        <source>This link has expired.</source>
        <translation>Ce lien a expiré.</translation>
    </message>
    <message>
        <source>Installing [ProductName]</source>
        <translation>Installation de [ProductName]</translation>
    </message>
    <message>
        <source>Rename the server file</source>
        <translation>Renommer le fichier du serveur</translation>
    </message>
    <message>
        <source>Your files are now being synced. You can follow the progress from the icon in the notification area.</source>
        <translation>Vos fichiers sont en cours de synchronisation. Vous pouvez suivre la progression depuis l'icône de la zone de notification.</translation>
    </message>
    <message>
        <source>&amp;Disk Usage</source>
        <translation>&amp;Espace disque</translation>
    </message>
    <message>
        <source>Syncing</source>
        <translation>Synchronisation</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client is running. Quit it and click Retry, or click Cancel to stop the setup.</source>
        <translation>Quenmark Zelto Client est en cours d'exécution. Quittez-le et cliquez sur Réessayer, ou cliquez sur Annuler pour arrêter l'installation.</translation>
    </message>
    <message>
        <source>Share with users on the server</source>
        <translation>Partager avec des utilisateurs du serveur</translation>
    </message>
    <message>
        <source>Can edit</source>
        <translation>Peut modifier</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercredi</translation>
    </message>
    <message>
        <source>Looking for changed files...</source>
        <translation>Recherche des fichiers modifiés...</translation>
    </message>
    <message>
        <source>Copy folders on this computer to the server on a schedule. Files deleted on this computer are kept on the server.</source>
        <translation>Copie des dossiers de cet ordinateur sur le serveur selon une planification. Les fichiers supprimés sur cet ordinateur sont conservés sur le serveur.</translation>
    </message>
    <message>
        <source>Some settings could not be moved. Please check your sync tasks.</source>
        <translation>Certains paramètres n'ont pas pu être transférés. Vérifiez vos tâches de synchronisation.</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Synchroniser maintenant</translation>
    </message>
    <message>
        <source>On-demand</source>
        <translation>À la demande</translation>
    </message>
    <message>
        <source>Saved accounts</source>
        <translation>Comptes enregistrés</translation>
    </message>
    <message>
        <source>Restore...</source>
        <translation>Restaurer...</translation>
    </message>
    <message>
        <source>Attach diagnostic logs</source>
        <translation>Joindre les journaux de diagnostic</translation>
    </message>
    <message>
        <source>%1 results</source>
        <translation>%1 résultats</translation>
    </message>
    <message>
        <source>Open Sync Folder</source>
        <translation>Ouvrir le dossier de synchronisation</translation>
    </message>
    <message>
        <source>%1 could not be updated. The installed version will be started.</source>
        <translation>Impossible de mettre à jour %1. La version installée va être lancée.</translation>
    </message>
    <message>
        <source>%1 was not synced because it is larger than the maximum file size.</source>
        <translation>%1 n'a pas été synchronisé, car il dépasse la taille de fichier maximale.</translation>
    </message>
    <message>
        <source>View on Web Portal</source>
        <translation>Afficher sur le portail web</translation>
    </message>
    <message>
        <source>Open the local folder</source>
        <translation>Ouvrir le dossier local</translation>
    </message>
    <message>
        <source>Permission</source>
        <translation>Autorisation</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Supprimé</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard removes [ProductName].</source>
        <translation>Veuillez patienter pendant que l'Assistant d'installation supprime [ProductName].</translation>
    </message>
    <message>
        <source>Moving Your Data</source>
        <translation>Transfert de vos données</translation>
    </message>
    <message>
        <source>Ask when more than %1 files are deleted at once</source>
        <translation>Demander lorsque plus de %1 fichiers sont supprimés en une fois</translation>
    </message>
    <message>
        <source>Uploaded</source>
        <translation>Envoyé</translation>
    </message>
    <message>
        <source>Server name</source>
        <translation>Nom du serveur</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Signed in as %1</source>
        <translation>Connecté en tant que %1</translation>
    </message>
    <message>
        <source>The recycle bin is not enabled for this shared folder. Deleted files cannot be restored.</source>
        <translation>La corbeille n'est pas activée pour ce dossier partagé. Les fichiers supprimés ne peuvent pas être restaurés.</translation>
    </message>
    <message>
        <source>Uploading %1</source>
        <translation>Envoi de %1</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of [ProductName]. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Cliquez sur Réparer pour réparer l'installation de [ProductName]. Cliquez sur Précédent pour vérifier ou modifier les paramètres d'installation. Cliquez sur Annuler pour quitter l'Assistant.</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>À l'instant</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Toujours au premier plan</translation>
    </message>
    <message>
        <source>Verification code</source>
        <translation>Code de vérification</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Hier</translation>
    </message>
    <message>
        <source>Use the default folder (%1)</source>
        <translation>Utiliser le dossier par défaut (%1)</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>Déposez les fichiers ici</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Vendredi</translation>
    </message>
    <message>
        <source>Username field</source>
        <translation>Champ du nom d'utilisateur</translation>
    </message>
    <message>
        <source>Encrypt data during transfer</source>
        <translation>Chiffrer les données pendant le transfert</translation>
    </message>
    <message>
        <source>%1 files were changed.</source>
        <translation>%1 fichiers ont été modifiés.</translation>
    </message>
    <message>
        <source>Sign In...</source>
        <translation>Se connecter...</translation>
    </message>
    <message>
        <source>You do not have permission to perform this operation.</source>
        <translation>Vous n'avez pas l'autorisation d'effectuer cette opération.</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Pages des paramètres</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Utiliser les paramètres proxy du système</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>The folder is read-only. Files cannot be written to it.</source>
        <translation>Le dossier est en lecture seule. Aucun fichier ne peut y être écrit.</translation>
    </message>
    <message>
        <source>Next backup: %1</source>
        <translation>Prochaine sauvegarde : %1</translation>
    </message>
    <message>
        <source>The disk space required for the installation of the selected features.</source>
        <translation>Espace disque nécessaire à l'installation des fonctionnalités sélectionnées.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <translation>Fichiers temporaires</translation>
    </message>
    <message>
        <source>Issued to</source>
        <translation>Délivré à</translation>
    </message>
    <message>
        <source>More actions</source>
        <translation>Autres actions</translation>
    </message>
    <message>
        <source>Download This Version</source>
        <translation>Télécharger cette version</translation>
    </message>
    <message>
        <source>Include in Sync</source>
        <translation>Inclure dans la synchronisation</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Notify me when a backup finishes</source>
        <translation>M'avertir à la fin d'une sauvegarde</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Unable to delete %1.</source>
        <translation>Impossible de supprimer %1.</translation>
    </message>
    <message>
        <source>Open the sync folder</source>
        <translation>Ouvrir le dossier de synchronisation</translation>
    </message>
    <message>
        <source>Create a shortcut on the &amp;desktop</source>
        <translation>Créer un raccourci sur le &amp;bureau</translation>
    </message>
    <message>
        <source>Unable to save the settings.</source>
        <translation>Impossible d'enregistrer les paramètres.</translation>
    </message>
    <message>
        <source>Email the report after each backup</source>
        <translation>Envoyer le rapport par e-mail après chaque sauvegarde</translation>
    </message>
    <message>
        <source>Cache location</source>
        <translation>Emplacement du cache</translation>
    </message>
    <message>
        <source>Include folder %1</source>
        <translation>Inclure le dossier %1</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <source>Unable to create %1.</source>
        <translation>Impossible de créer %1.</translation>
    </message>
    <message>
        <source>Scanning local files...</source>
        <translation>Analyse des fichiers locaux...</translation>
    </message>
    <message>
        <source>Back up on a schedule</source>
        <translation>Sauvegarder selon une planification</translation>
    </message>
    <message>
        <source>&amp;Keep my settings and sync tasks</source>
        <translation>&amp;Conserver mes paramètres et mes tâches de synchronisation</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Rétablir les valeurs par défaut</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Notifications</translation>
    </message>
    <message>
        <source>Cache size</source>
        <translation>Taille du cache</translation>
    </message>
    <message>
        <source>Never expires</source>
        <translation>N'expire jamais</translation>
    </message>
    <message>
        <source>Select a server from the list or enter its address.</source>
        <translation>Sélectionnez un serveur dans la liste ou saisissez son adresse.</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mer</translation>
    </message>
    <message>
        <source>%1 was deleted.</source>
        <translation>%1 a été supprimé.</translation>
    </message>
    <message>
        <source>The server is offline.</source>
        <translation>Le serveur est hors ligne.</translation>
    </message>
    <message>
        <source>Open Recycle Bin</source>
        <translation>Ouvrir la corbeille</translation>
    </message>
    <message>
        <source>Exclude from Sync</source>
        <translation>Exclure de la synchronisation</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Version on the server</source>
        <translation>Version sur le serveur</translation>
    </message>
    <message>
        <source>Calculating time remaining...</source>
        <translation>Calcul du temps restant...</translation>
    </message>
    <message>
        <source>SMTP port</source>
        <translation>Port SMTP</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Aucun proxy</translation>
    </message>
    <message>
        <source>Pause for 1 hour</source>
        <translation>Suspendre pendant 1 heure</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Rename the local file</source>
        <translation>Renommer le fichier local</translation>
    </message>
    <message>
        <source>Show Previous Versions</source>
        <translation>Afficher les versions précédentes</translation>
    </message>
    <message>
        <source>Notify me when a sync finishes</source>
        <translation>M'avertir à la fin d'une synchronisation</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exporter...</translation>
    </message>
    <message>
        <source>Current status</source>
        <translation>État actuel</translation>
    </message>
    <message>
        <source>Stop Backup</source>
        <translation>Arrêter la sauvegarde</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation>Fichiers en cours d'utilisation</translation>
    </message>
    <message>
        <source>Do not sync temporary files</source>
        <translation>Ne pas synchroniser les fichiers temporaires</translation>
    </message>
    <message>
        <source>Unable to unpack the installation package.</source>
        <translation>Impossible de décompresser le paquet d'installation.</translation>
    </message>
    <message>
        <source>The backup could not start because the server is offline.</source>
        <translation>La sauvegarde n'a pas pu démarrer, car le serveur est hors ligne.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Enter a valid IP address.</source>
        <translation>Saisissez une adresse IP valide.</translation>
    </message>
    <message>
        <source>IP address, domain name or relay ID</source>
        <translation>Adresse IP, nom de domaine ou ID de relais</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>You do not have permission to use this service. Contact your system administrator.</source>
        <translation>Vous n'êtes pas autorisé à utiliser ce service. Contactez votre administrateur système.</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>The backup is intact.</source>
        <translation>La sauvegarde est intacte.</translation>
    </message>
    <message>
        <source>Select at least one day.</source>
        <translation>Sélectionnez au moins un jour.</translation>
    </message>
    <message>
        <source>%1 files were deleted from the sync folder. Do you also want to delete them from the server?</source>
        <translation>%1 fichiers ont été supprimés du dossier de synchronisation. Voulez-vous aussi les supprimer du serveur ?</translation>
    </message>
    <message>
        <source>Certificate Warning</source>
        <translation>Avertissement de certificat</translation>
    </message>
    <message>
        <source>Remember my password</source>
        <translation>Mémoriser mon mot de passe</translation>
    </message>
    <message>
        <source>Weekly schedule grid</source>
        <translation>Grille de planification hebdomadaire</translation>
    </message>
    <message>
        <source>Enter a number between %1 and %2.</source>
        <translation>Saisissez un nombre compris entre %1 et %2.</translation>
    </message>
    <message>
        <source>The username or password you entered is incorrect.</source>
        <translation>Le nom d'utilisateur ou le mot de passe est incorrect.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Afficher la fenêtre</translation>
    </message>
    <message>
        <source>Backing up %1 of %2 files</source>
        <translation>Sauvegarde de %1 fichiers sur %2</translation>
    </message>
    <message>
        <source>Keep only the latest versions</source>
        <translation>Conserver uniquement les dernières versions</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <translation>L'espace libre sur le disque local est insuffisant.</translation>
    </message>
    <message>
        <source>The file was changed both on this computer and on the server since the last sync.</source>
        <translation>Le fichier a été modifié à la fois sur cet ordinateur et sur le serveur depuis la dernière synchronisation.</translation>
    </message>
    <message>
        <source>Everything is up to date</source>
        <translation>Tout est à jour</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Astuce</translation>
    </message>
    <message>
        <source>Scan complete</source>
        <translation>Analyse terminée</translation>
    </message>
    <message>
        <source>Welcome to the [ProductName] Setup Wizard</source>
        <translation>Bienvenue dans l'Assistant d'installation de [ProductName]</translation>
    </message>
    <message>
        <source>Choose how to sync</source>
        <translation>Choisir le mode de synchronisation</translation>
    </message>
    <message>
        <source>Use * to match any characters and ? to match one character.</source>
        <translation>Utilisez * pour remplacer n'importe quels caractères et ? pour un seul caractère.</translation>
    </message>
    <message>
        <source>Ready to remove [ProductName]</source>
        <translation>Prêt à supprimer [ProductName]</translation>
    </message>
    <message>
        <source>Last run time</source>
        <translation>Dernière exécution</translation>
    </message>
    <message>
        <source>Backup finished with errors</source>
        <translation>Sauvegarde terminée avec des erreurs</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <translation>Choisir un dossier sur cet ordinateur</translation>
    </message>
    <message>
        <source>File name pattern</source>
        <translation>Modèle de nom de fichier</translation>
    </message>
    <message>
        <source>%1 servers found on your local network.</source>
        <translation>%1 serveurs trouvés sur votre réseau local.</translation>
    </message>
    <message>
        <source>Restart Later</source>
        <translation>Redémarrer plus tard</translation>
    </message>
    <message>
        <source>Last sync</source>
        <translation>Dernière synchronisation</translation>
    </message>
    <message>
        <source>Stop Sharing</source>
        <translation>Arrêter le partage</translation>
    </message>
    <message>
        <source>Unable to connect to the server. Check your network connection and the server address.</source>
        <translation>Impossible de se connecter au serveur. Vérifiez votre connexion réseau et l'adresse du serveur.</translation>
    </message>
</context>
</TS>
