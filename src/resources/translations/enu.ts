<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>The quota of destination shared folder has reached the system limit. Please change the quota limit on the server or contact the system administrator.</source>
        <translation>The quota of destination shared folder has reached the system limit. Please change the quota limit on the server or contact the system administrator.</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modified</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>Forgot your password?</translation>
    </message>
    <message>
        <source>Field cannot exceed %1 numbers.</source>
        <translation>Field cannot exceed %1 numbers.</translation>
    </message>
    <message>
        <source>Show or hide the password</source>
        <translation>Show or hide the password</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignore</translation>
    </message>
    <message>
        <source>Verifying files...</source>
        <translation>Verifying files...</translation>
    </message>
    <message>
        <source>Dismiss notification</source>
        <translation>Dismiss notification</translation>
    </message>
    <message>
        <source>Take Snapshot</source>
        <translation>Take Snapshot</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Upload queue</source>
        <translation>Upload queue</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Sync Task</source>
        <translation>Sync Task</translation>
    </message>
    <message>
        <source>Starting services</source>
        <translation>Starting services</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation>Continue Anyway</translation>
    </message>
    <message>
        <source>%1 was not synced because it matches a filter rule.</source>
        <translation>%1 was not synced because it matches a filter rule.</translation>
    </message>
    <message>
        <source>Resume All</source>
        <translation>Resume All</translation>
    </message>
    <message>
        <source>Local network only</source>
        <translation>Local network only</translation>
    </message>
    <message>
        <source>A relay connection can be slower than a direct connection.</source>
        <translation>A relay connection can be slower than a direct connection.</translation>
    </message>
    <message>
        <source>Encryption key</source>
        <translation>Encryption key</translation>
    </message>
    <message>
        <source>Back up only when I start it manually</source>
        <translation>Back up only when I start it manually</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Server: %1</source>
        <translation>Server: %1</translation>
    </message>
    <message>
        <source>Can view</source>
        <translation>Can view</translation>
    </message>
    <message>
        <source>[ProductName] setup was interrupted. Your system has not been modified. To install this program at a later time, please run the installation again.</source>
        <translation>[ProductName] setup was interrupted. Your system has not been modified. To install this program at a later time, please run the installation again.</translation>
    </message>
    <message>
        <source>Connect to a server</source>
        <translation>Connect to a server</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Proxy server requires a password</source>
        <translation>Proxy server requires a password</translation>
    </message>
    <message>
        <source>Field cannot exceed %1 characters.</source>
        <translation>Field cannot exceed %1 characters.</translation>
    </message>
    <message>
        <source>I &amp;accept the terms in the License Agreement</source>
        <translation>I &amp;accept the terms in the License Agreement</translation>
    </message>
    <message>
        <source>Only the checked folders are synced to this computer.</source>
        <translation>Only the checked folders are synced to this computer.</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>The backup failed.</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation>Upgrading...</translation>
    </message>
    <message>
        <source>Pause syncing on metered connections</source>
        <translation>Pause syncing on metered connections</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Get Started</translation>
    </message>
    <message>
        <source>Restore this version? The current version will be saved as a previous version.</source>
        <translation>Restore this version? The current version will be saved as a previous version.</translation>
    </message>
    <message>
        <source>Updating %1...</source>
        <translation>Updating %1...</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Folders on a network drive cannot be synced.</source>
        <translation>Folders on a network drive cannot be synced.</translation>
    </message>
    <message>
        <source>Restore Down</source>
        <translation>Restore Down</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>List View</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Find servers on the local network</translation>
    </message>
    <message>
        <source>There are no previous versions of this file.</source>
        <translation>There are no previous versions of this file.</translation>
    </message>
    <message>
        <source>Backup cancelled</source>
        <translation>Backup cancelled</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>Do not show this again</translation>
    </message>
    <message>
        <source>Enter the encryption key to open this shared folder.</source>
        <translation>Enter the encryption key to open this shared folder.</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Theme</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>File names</translation>
    </message>
    <message>
        <source>Do not sync files larger than</source>
        <translation>Do not sync files larger than</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Difference</translation>
    </message>
    <message>
        <source>Restore Files</source>
        <translation>Restore Files</translation>
    </message>
    <message>
        <source>Files deleted on this computer are moved to the recycle bin of the shared folder on the server.</source>
        <translation>Files deleted on this computer are moved to the recycle bin of the shared folder on the server.</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>&amp;Install</translation>
    </message>
    <message>
        <source>%1 files were skipped because they were in use.</source>
        <translation>%1 files were skipped because they were in use.</translation>
    </message>
    <message>
        <source>The drive uses the FAT file system, which does not support files larger than 4 GB. Files over this size will not be synced.</source>
        <translation>The drive uses the FAT file system, which does not support files larger than 4 GB. Files over this size will not be synced.</translation>
    </message>
    <message>
        <source>%1 files were deleted on the server.</source>
        <translation>%1 files were deleted on the server.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privacy</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Connected through the relay service</source>
        <translation>Connected through the relay service</translation>
    </message>
    <message>
        <source>Connecting through the relay service...</source>
        <translation>Connecting through the relay service...</translation>
    </message>
    <message>
        <source>Install [ProductName] to:</source>
        <translation>Install [ProductName] to:</translation>
    </message>
    <message>
        <source>Email Notifications</source>
        <translation>Email Notifications</translation>
    </message>
    <message>
        <source>Battery is low. Syncing has been paused.</source>
        <translation>Battery is low. Syncing has been paused.</translation>
    </message>
    <message>
        <source>Client ID</source>
        <translation>Client ID</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A task with this name already exists.</source>
        <translation>A task with this name already exists.</translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely</source>
        <translation>[ProductName] Setup Wizard ended prematurely</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>This computer</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>Connection status</source>
        <translation>Connection status</translation>
    </message>
    <message>
        <source>The sync service could not be started.</source>
        <translation>The sync service could not be started.</translation>
    </message>
    <message>
        <source>Rolling back action:</source>
        <translation>Rolling back action:</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Connecting to %1...</translation>
    </message>
    <message>
        <source>Domain user</source>
        <translation>Domain user</translation>
    </message>
    <message>
        <source>Hide Details</source>
        <translation>Hide Details</translation>
    </message>
    <message>
        <source>About Quenmark Zelto Client</source>
        <translation>About Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Up to date</translation>
    </message>
    <message>
        <source>Notify me about conflicts</source>
        <translation>Notify me about conflicts</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client</source>
        <translation>Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Remove saved account</source>
        <translation>Remove saved account</translation>
    </message>
    <message>
        <source>Restore to</source>
        <translation>Restore to</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Update</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Computer name</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>The path of the folder is too long.</source>
        <translation>The path of the folder is too long.</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Remind Me Later</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>TB</translation>
    </message>
    <message>
        <source>This account has expired. Contact your system administrator.</source>
        <translation>This account has expired. Contact your system administrator.</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Encryption</translation>
    </message>
    <message>
        <source>Clear Cache</source>
        <translation>Clear Cache</translation>
    </message>
    <message>
        <source>Release Notes</source>
        <translation>Release Notes</translation>
    </message>
    <message>
        <source>The installation failed. Please reinstall Quenmark Zelto Client.</source>
        <translation>The installation failed. Please reinstall Quenmark Zelto Client.</translation>
    </message>
    <message>
        <source>No access</source>
        <translation>No access</translation>
    </message>
    <message>
        <source>Local path</source>
        <translation>Local path</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Save Report...</source>
        <translation>Save Report...</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Connect with HTTPS (recommended)</source>
        <translation>Connect with HTTPS (recommended)</translation>
    </message>
    <message>
        <source>Unable to install the update.</source>
        <translation>Unable to install the update.</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Username</translation>
    </message>
    <message>
        <source>The Setup Wizard will update the installed [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>The Setup Wizard will update the installed [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>Conflict</translation>
    </message>
    <message>
        <source>Folder on server</source>
        <translation>Folder on server</translation>
    </message>
    <message>
        <source>All</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Search file names</source>
        <translation>Search file names</translation>
    </message>
    <message>
        <source>Restart File Manager</source>
        <translation>Restart File Manager</translation>
    </message>
    <message>
        <source>Verify Backup</source>
        <translation>Verify Backup</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>New name</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>Download speed</source>
        <translation>Download speed</translation>
    </message>
    <message>
        <source>Issued by</source>
        <translation>Issued by</translation>
    </message>
    <message>
        <source>Click Remove to remove [ProductName] from your computer. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Click Remove to remove [ProductName] from your computer. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</translation>
    </message>
    <message>
        <source>Show all server files on this computer and download them only when you open them, saving local disk space.</source>
        <translation>Show all server files on this computer and download them only when you open them, saving local disk space.</translation>
    </message>
    <message>
        <source>Destination folder on server</source>
        <translation>Destination folder on server</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>There is not enough free space on the server.</source>
        <translation>There is not enough free space on the server.</translation>
    </message>
    <message>
        <source>You need administrator privileges to install [ProductName]. Sign in as an administrator and run the setup again.</source>
        <translation>You need administrator privileges to install [ProductName]. Sign in as an administrator and run the setup again.</translation>
    </message>
    <message>
        <source>A test email has been sent.</source>
        <translation>A test email has been sent.</translation>
    </message>
    <message>
        <source>Enter a name for the task.</source>
        <translation>Enter a name for the task.</translation>
    </message>
    <message>
        <source>Syncing %1 of %2 files</source>
        <translation>Syncing %1 of %2 files</translation>
    </message>
    <message>
        <source>Add Rule</source>
        <translation>Add Rule</translation>
    </message>
    <message>
        <source>Password field</source>
        <translation>Password field</translation>
    </message>
    <message>
        <source>File Conflict</source>
        <translation>File Conflict</translation>
    </message>
    <message>
        <source>Moving your settings to the new version...</source>
        <translation>Moving your settings to the new version...</translation>
    </message>
    <message>
        <source>Folders on a removable drive cannot be synced.</source>
        <translation>Folders on a removable drive cannot be synced.</translation>
    </message>
    <message>
        <source>Backup Task</source>
        <translation>Backup Task</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Open Log Folder</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelled</translation>
    </message>
    <message>
        <source>Compress data during transfer</source>
        <translation>Compress data during transfer</translation>
    </message>
    <message>
        <source>Backups run automatically at the times you choose. A running backup is not interrupted when its time slot ends.</source>
        <translation>Backups run automatically at the times you choose. A running backup is not interrupted when its time slot ends.</translation>
    </message>
    <message>
        <source>Export Settings...</source>
        <translation>Export Settings...</translation>
    </message>
    <message>
        <source>A conflict was found in %1. Both versions have been kept.</source>
        <translation>A conflict was found in %1. Both versions have been kept.</translation>
    </message>
    <message>
        <source>Start Quenmark Zelto Client when I sign in</source>
        <translation>Start Quenmark Zelto Client when I sign in</translation>
    </message>
    <message>
        <source>Copying new files</source>
        <translation>Copying new files</translation>
    </message>
    <message>
        <source>Contact your system administrator.</source>
        <translation>Contact your system administrator.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Create Sharing Link</source>
        <translation>Create Sharing Link</translation>
    </message>
    <message>
        <source>The sync service stopped unexpectedly.</source>
        <translation>The sync service stopped unexpectedly.</translation>
    </message>
    <message>
        <source>The background service is running.</source>
        <translation>The background service is running.</translation>
    </message>
    <message>
        <source>Folders you uncheck will be removed from this computer but stay on the server.</source>
        <translation>Folders you uncheck will be removed from this computer but stay on the server.</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>Always trust this certificate</source>
        <translation>Always trust this certificate</translation>
    </message>
    <message>
        <source>Files are synced into this folder. You can pick an empty folder or a folder that already holds files.</source>
        <translation>Files are synced into this folder. You can pick an empty folder or a folder that already holds files.</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Never</translation>
    </message>
    <message>
        <source>The task has been removed.</source>
        <translation>The task has been removed.</translation>
    </message>
    <message>
        <source>Local folder path field</source>
        <translation>Local folder path field</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client %1 is available. You have version %2.</source>
        <translation>Quenmark Zelto Client %1 is available. You have version %2.</translation>
    </message>
    <message>
        <source>Original location</source>
        <translation>Original location</translation>
    </message>
    <message>
        <source>Space needed: %1</source>
        <translation>Space needed: %1</translation>
    </message>
    <message>
        <source>Every hour</source>
        <translation>Every hour</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Modified by</source>
        <translation>Modified by</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>bytes</translation>
    </message>
    <message>
        <source>%1 was added.</source>
        <translation>%1 was added.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Drag files here to upload them.</source>
        <translation>Drag files here to upload them.</translation>
    </message>
    <message>
        <source>Smart retention</source>
        <translation>Smart retention</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Start time</translation>
    </message>
    <message>
        <source>Your password has expired. Change it on the server, then sign in again.</source>
        <translation>Your password has expired. Change it on the server, then sign in again.</translation>
    </message>
    <message>
        <source>The proxy server requires authentication.</source>
        <translation>The proxy server requires authentication.</translation>
    </message>
    <message>
        <source>Prefer IPv6</source>
        <translation>Prefer IPv6</translation>
    </message>
    <message>
        <source>Select Folders...</source>
        <translation>Select Folders...</translation>
    </message>
    <message>
        <source>The logs have been saved to %1.</source>
        <translation>The logs have been saved to %1.</translation>
    </message>
    <message>
        <source>Connected through the local network</source>
        <translation>Connected through the local network</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>A new version of Quenmark Zelto Client is available.</source>
        <translation>A new version of Quenmark Zelto Client is available.</translation>
    </message>
    <message>
        <source>No recent changes</source>
        <translation>No recent changes</translation>
    </message>
    <message>
        <source>Syncing is paused</source>
        <translation>Syncing is paused</translation>
    </message>
    <message>
        <source>Keep Files</source>
        <translation>Keep Files</translation>
    </message>
    <message>
        <source>Manage Tasks</source>
        <translation>Manage Tasks</translation>
    </message>
    <message>
        <source>Free Up Space</source>
        <translation>Free Up Space</translation>
    </message>
    <message>
        <source>Desktop shortcut</source>
        <translation>Desktop shortcut</translation>
    </message>
    <message>
        <source>[ProductName] cannot be installed on this version of the operating system.</source>
        <translation>[ProductName] cannot be installed on this version of the operating system.</translation>
    </message>
    <message>
        <source>No entries match your search.</source>
        <translation>No entries match your search.</translation>
    </message>
    <message>
        <source>Show tips at startup</source>
        <translation>Show tips at startup</translation>
    </message>
    <message>
        <source>Last backup failed %1</source>
        <translation>Last backup failed %1</translation>
    </message>
    <message>
        <source>You must restart your system for the configuration changes made to [ProductName] to take effect. Click Yes to restart now or No if you plan to restart later.</source>
        <translation>You must restart your system for the configuration changes made to [ProductName] to take effect. Click Yes to restart now or No if you plan to restart later.</translation>
    </message>
    <message>
        <source>&amp;Close the applications and attempt to restart them.</source>
        <translation>&amp;Close the applications and attempt to restart them.</translation>
    </message>
    <message>
        <source>An unknown error occurred. Please try again later.</source>
        <translation>An unknown error occurred. Please try again later.</translation>
    </message>
    <message>
        <source>Tell us what went wrong or what you would like to see improved.</source>
        <translation>Tell us what went wrong or what you would like to see improved.</translation>
    </message>
    <message>
        <source>Default port</source>
        <translation>Default port</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>Create a new folder</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>This folder is empty.</translation>
    </message>
    <message>
        <source>Copied to the clipboard</source>
        <translation>Copied to the clipboard</translation>
    </message>
    <message>
        <source>Change, repair, or remove installation</source>
        <translation>Change, repair, or remove installation</translation>
    </message>
    <message>
        <source>Unable to open the local database.</source>
        <translation>Unable to open the local database.</translation>
    </message>
    <message>
        <source>Back Up This Folder</source>
        <translation>Back Up This Folder</translation>
    </message>
    <message>
        <source>Add Account...</source>
        <translation>Add Account...</translation>
    </message>
    <message>
        <source>Do this for all conflicts</source>
        <translation>Do this for all conflicts</translation>
    </message>
    <message>
        <source>View Issues</source>
        <translation>View Issues</translation>
    </message>
    <message>
        <source>The highlighted volumes do not have enough disk space available for the currently selected features. You can remove some files from the highlighted volumes, or cancel the installation.</source>
        <translation>The highlighted volumes do not have enough disk space available for the currently selected features. You can remove some files from the highlighted volumes, or cancel the installation.</translation>
    </message>
    <message>
        <source>Fine-tune what is synced. You can change these options later in Settings.</source>
        <translation>Fine-tune what is synced. You can change these options later in Settings.</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Devices</translation>
    </message>
    <message>
        <source>Do you want to sign out? All sync tasks of this account will stop.</source>
        <translation>Do you want to sign out? All sync tasks of this account will stop.</translation>
    </message>
    <message>
        <source>Notify me when others change shared files</source>
        <translation>Notify me when others change shared files</translation>
    </message>
    <message>
        <source>Click Next to install to the default folder or click Change to choose another.</source>
        <translation>Click Next to install to the default folder or click Change to choose another.</translation>
    </message>
    <message>
        <source>Previous Versions</source>
        <translation>Previous Versions</translation>
    </message>
    <message>
        <source>I lost my authentication device</source>
        <translation>I lost my authentication device</translation>
    </message>
    <message>
        <source>Enter the address of the server you want to sync with.</source>
        <translation>Enter the address of the server you want to sync with.</translation>
    </message>
    <message>
        <source>Check file consistency after sync</source>
        <translation>Check file consistency after sync</translation>
    </message>
    <message>
        <source>The identity of the server has changed. If you did not expect this, someone may be intercepting your connection.</source>
        <translation>The identity of the server has changed. If you did not expect this, someone may be intercepting your connection.</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Clear History</translation>
    </message>
    <message>
        <source>Quit Quenmark Zelto Client</source>
        <translation>Quit Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Server folder path field</source>
        <translation>Server folder path field</translation>
    </message>
    <message>
        <source>Remove Folder</source>
        <translation>Remove Folder</translation>
    </message>
    <message>
        <source>Opened %1 times</source>
        <translation>Opened %1 times</translation>
    </message>
    <message>
        <source>%1 files backed up, %2 skipped</source>
        <translation>%1 files backed up, %2 skipped</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Backing up...</translation>
    </message>
    <message>
        <source>Do you want to disconnect this computer from %1?</source>
        <translation>Do you want to disconnect this computer from %1?</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Show the sync folder in the file manager sidebar</source>
        <translation>Show the sync folder in the file manager sidebar</translation>
    </message>
    <message>
        <source>Run Diagnostics</source>
        <translation>Run Diagnostics</translation>
    </message>
    <message>
        <source>Notify me about errors</source>
        <translation>Notify me about errors</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>&amp;Change...</translation>
    </message>
    <message>
        <source>Separate extensions with commas, for example tmp, bak</source>
        <translation>Separate extensions with commas, for example tmp, bak</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Idle</translation>
    </message>
    <message>
        <source>Scanning files on the server...</source>
        <translation>Scanning files on the server...</translation>
    </message>
    <message>
        <source>Keep history for %1 days</source>
        <translation>Keep history for %1 days</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Go back</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>The operation failed.</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Browse...</translation>
    </message>
    <message>
        <source>Restart Now</source>
        <translation>Restart Now</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Unable to connect through the proxy server.</source>
        <translation>Unable to connect through the proxy server.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Downloading %1</translation>
    </message>
    <message>
        <source>Delete Files</source>
        <translation>Delete Files</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>Access from your IP address has been denied by the server. Contact the system administrator.</source>
        <translation>Access from your IP address has been denied by the server. Contact the system administrator.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Import Settings...</source>
        <translation>Import Settings...</translation>
    </message>
    <message>
        <source>There is not enough memory to complete the operation.</source>
        <translation>There is not enough memory to complete the operation.</translation>
    </message>
    <message>
        <source>Unable to load the settings. Default settings will be used.</source>
        <translation>Unable to load the settings. Default settings will be used.</translation>
    </message>
    <message>
        <source>The server is busy. Please try again later.</source>
        <translation>The server is busy. Please try again later.</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Bandwidth</translation>
    </message>
    <message>
        <source>Low disk space</source>
        <translation>Low disk space</translation>
    </message>
    <message>
        <source>Verifying backup...</source>
        <translation>Verifying backup...</translation>
    </message>
    <message>
        <source>Running diagnostics...</source>
        <translation>Running diagnostics...</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>Skip existing files</source>
        <translation>Skip existing files</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Files already in it will be merged with the files on the server.</source>
        <translation>The selected folder is not empty. Files already in it will be merged with the files on the server.</translation>
    </message>
    <message>
        <source>SOCKS5</source>
        <translation>SOCKS5</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Your IP address has been blocked for %1 minutes.</source>
        <translation>Too many failed sign-in attempts. Your IP address has been blocked for %1 minutes.</translation>
    </message>
    <message>
        <source>Limit to</source>
        <translation>Limit to</translation>
    </message>
    <message>
        <source>Show a pop-up message</source>
        <translation>Show a pop-up message</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Disconnected</translation>
    </message>
    <message>
        <source>Two-step verification</source>
        <translation>Two-step verification</translation>
    </message>
    <message>
        <source>Ready to repair [ProductName]</source>
        <translation>Ready to repair [ProductName]</translation>
    </message>
    <message>
        <source>The source folder %1 could not be found. Connect the drive or remove the folder from the backup.</source>
        <translation>The source folder %1 could not be found. Connect the drive or remove the folder from the backup.</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>The end time must be later than the start time.</source>
        <translation>The end time must be later than the start time.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Available</translation>
    </message>
    <message>
        <source>Enable debug logging</source>
        <translation>Enable debug logging</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics to help improve the product</source>
        <translation>Send anonymous usage statistics to help improve the product</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Clear search</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Show password</translation>
    </message>
    <message>
        <source>The link was created.</source>
        <translation>The link was created.</translation>
    </message>
    <message>
        <source>This server has no shared folder you can access. Ask the administrator for permission.</source>
        <translation>This server has no shared folder you can access. Ask the administrator for permission.</translation>
    </message>
    <message>
        <source>The background service is not running.</source>
        <translation>The background service is not running.</translation>
    </message>
    <message>
        <source>Restore files as they were on</source>
        <translation>Restore files as they were on</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs [ProductName].</source>
        <translation>Please wait while the Setup Wizard installs [ProductName].</translation>
    </message>
    <message>
        <source>Syncing is paused on a metered connection.</source>
        <translation>Syncing is paused on a metered connection.</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>This rule already exists.</source>
        <translation>This rule already exists.</translation>
    </message>
    <message>
        <source>List of recent file changes</source>
        <translation>List of recent file changes</translation>
    </message>
    <message>
        <source>Team Folders</source>
        <translation>Team Folders</translation>
    </message>
    <message>
        <source>Remove the selected task</source>
        <translation>Remove the selected task</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>Current password</translation>
    </message>
    <message>
        <source>Same as the system</source>
        <translation>Same as the system</translation>
    </message>
    <message>
        <source>Review the settings below, then click Done to start syncing.</source>
        <translation>Review the settings below, then click Done to start syncing.</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Diagnostics</translation>
    </message>
    <message>
        <source>Unable to read %1.</source>
        <translation>Unable to read %1.</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>Sync complete</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Start minimized to the notification area</source>
        <translation>Start minimized to the notification area</translation>
    </message>
    <message>
        <source>This wizard helps you connect this computer to your server and choose which folders to keep in sync.</source>
        <translation>This wizard helps you connect this computer to your server and choose which folders to keep in sync.</translation>
    </message>
    <message>
        <source>You are using the latest version.</source>
        <translation>You are using the latest version.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached.</source>
        <translation>Your storage quota on the server has been reached.</translation>
    </message>
    <message>
        <source>Show Toolbar</source>
        <translation>Show Toolbar</translation>
    </message>
    <message>
        <source>%1 changes are waiting to be synced.</source>
        <translation>%1 changes are waiting to be synced.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Do you want to remove Quenmark Zelto Client and all of its components?</source>
        <translation>Do you want to remove Quenmark Zelto Client and all of its components?</translation>
    </message>
    <message>
        <source>I accept the terms of the license agreement</source>
        <translation>I accept the terms of the license agreement</translation>
    </message>
    <message>
        <source>System folders cannot be synced. Choose another folder.</source>
        <translation>System folders cannot be synced. Choose another folder.</translation>
    </message>
    <message>
        <source>Launch at startup</source>
        <translation>Launch at startup</translation>
    </message>
    <message>
        <source>Two-step verification is required for this account.</source>
        <translation>Two-step verification is required for this account.</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>Rebuild Database</source>
        <translation>Rebuild Database</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Sign in</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>The connection to the server timed out.</source>
        <translation>The connection to the server timed out.</translation>
    </message>
    <message>
        <source>Internet access</source>
        <translation>Internet access</translation>
    </message>
    <message>
        <source>Show Quenmark Zelto Client items in the file manager context menu</source>
        <translation>Show Quenmark Zelto Client items in the file manager context menu</translation>
    </message>
    <message>
        <source>&amp;Repair</source>
        <translation>&amp;Repair</translation>
    </message>
    <message>
        <source>Select the files and folders to restore.</source>
        <translation>Select the files and folders to restore.</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Cache</translation>
    </message>
    <message>
        <source>%1 is a reserved name and cannot be used.</source>
        <translation>%1 is a reserved name and cannot be used.</translation>
    </message>
    <message>
        <source>%1 was updated.</source>
        <translation>%1 was updated.</translation>
    </message>
    <message>
        <source>SMTP server</source>
        <translation>SMTP server</translation>
    </message>
    <message>
        <source>No file has been synced yet.</source>
        <translation>No file has been synced yet.</translation>
    </message>
    <message>
        <source>Open Web Portal</source>
        <translation>Open Web Portal</translation>
    </message>
    <message>
        <source>Background service</source>
        <translation>Background service</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>View Certificate</source>
        <translation>View Certificate</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Not synced</source>
        <translation>Not synced</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Online Help</translation>
    </message>
    <message>
        <source>The server name could not be resolved.</source>
        <translation>The server name could not be resolved.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>The link could not be copied.</source>
        <translation>The link could not be copied.</translation>
    </message>
    <message>
        <source>Run a missed backup when the computer starts</source>
        <translation>Run a missed backup when the computer starts</translation>
    </message>
    <message>
        <source>Every %1 hours</source>
        <translation>Every %1 hours</translation>
    </message>
    <message>
        <source>Out of Disk Space</source>
        <translation>Out of Disk Space</translation>
    </message>
    <message>
        <source>The link has been copied to the clipboard.</source>
        <translation>The link has been copied to the clipboard.</translation>
    </message>
    <message>
        <source>Open settings</source>
        <translation>Open settings</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel [ProductName] installation?</source>
        <translation>Are you sure you want to cancel [ProductName] installation?</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Enter a port number between 1 and 65535.</source>
        <translation>Enter a port number between 1 and 65535.</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filters</translation>
    </message>
    <message>
        <source>Disk Size</source>
        <translation>Disk Size</translation>
    </message>
    <message>
        <source>This version of the file is no longer available.</source>
        <translation>This version of the file is no longer available.</translation>
    </message>
    <message>
        <source>Hide Window</source>
        <translation>Hide Window</translation>
    </message>
    <message>
        <source>Remove Rule</source>
        <translation>Remove Rule</translation>
    </message>
    <message>
        <source>Your session has expired. Please sign in again.</source>
        <translation>Your session has expired. Please sign in again.</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Domain</translation>
    </message>
    <message>
        <source>Symbolic links are not synced.</source>
        <translation>Symbolic links are not synced.</translation>
    </message>
    <message>
        <source>Create Backup Task</source>
        <translation>Create Backup Task</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Overwrite existing files</source>
        <translation>Overwrite existing files</translation>
    </message>
    <message>
        <source>Unpacking %1...</source>
        <translation>Unpacking %1...</translation>
    </message>
    <message>
        <source>Keep the files in a folder on this computer and a folder on the server identical. Changes on either side are applied to the other.</source>
        <translation>Keep the files in a folder on this computer and a folder on the server identical. Changes on either side are applied to the other.</translation>
    </message>
    <message>
        <source>Select the type of task you want to create. You can add more tasks later.</source>
        <translation>Select the type of task you want to create. You can add more tasks later.</translation>
    </message>
    <message>
        <source>Rename Task</source>
        <translation>Rename Task</translation>
    </message>
    <message>
        <source>Change Password...</source>
        <translation>Change Password...</translation>
    </message>
    <message>
        <source>Syncing is paused to save battery power.</source>
        <translation>Syncing is paused to save battery power.</translation>
    </message>
    <message>
        <source>The Setup Wizard will install [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>The Setup Wizard will install [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Permissions</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Show in Folder</translation>
    </message>
    <message>
        <source>Keep file versions</source>
        <translation>Keep file versions</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>The connection to the server was lost. Syncing will resume when the connection is restored.</source>
        <translation>The connection to the server was lost. Syncing will resume when the connection is restored.</translation>
    </message>
    <message>
        <source>The shared folder is encrypted and has not been mounted on the server.</source>
        <translation>The shared folder is encrypted and has not been mounted on the server.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client - %1</source>
        <translation>Quenmark Zelto Client - %1</translation>
    </message>
    <message>
        <source>The version of the server is too old. Update the server to version %1 or later.</source>
        <translation>The version of the server is too old. Update the server to version %1 or later.</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Add Folder...</translation>
    </message>
    <message>
        <source>Restored</source>
        <translation>Restored</translation>
    </message>
    <message>
        <source>Reconnecting in %1 seconds...</source>
        <translation>Reconnecting in %1 seconds...</translation>
    </message>
    <message>
        <source>Unable to connect through the proxy server %1.</source>
        <translation>Unable to connect through the proxy server %1.</translation>
    </message>
    <message>
        <source>Protect with a password</source>
        <translation>Protect with a password</translation>
    </message>
    <message>
        <source>Enter a rate between 1 and 1048576 KB/s.</source>
        <translation>Enter a rate between 1 and 1048576 KB/s.</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Software Update</translation>
    </message>
    <message>
        <source>Please wait while the installer finishes determining your disk space requirements.</source>
        <translation>Please wait while the installer finishes determining your disk space requirements.</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Mon</translation>
    </message>
    <message>
        <source>The rule %1 is not valid.</source>
        <translation>The rule %1 is not valid.</translation>
    </message>
    <message>
        <source>Deleted files can be restored from the recycle bin of the shared folder.</source>
        <translation>Deleted files can be restored from the recycle bin of the shared folder.</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Unlimited</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>%1 is initializing...</source>
        <translation>%1 is initializing...</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client main window</source>
        <translation>Quenmark Zelto Client main window</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Unable to write %1.</source>
        <translation>Unable to write %1.</translation>
    </message>
    <message>
        <source>Log level</source>
        <translation>Log level</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>days</source>
        <translation>days</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Guest</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>Pause All</source>
        <translation>Pause All</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monthly</translation>
    </message>
    <message>
        <source>Prevent the computer from sleeping while syncing</source>
        <translation>Prevent the computer from sleeping while syncing</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>History</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Server address</translation>
    </message>
    <message>
        <source>Browse to the destination folder</source>
        <translation>Browse to the destination folder</translation>
    </message>
    <message>
        <source>Do you want to clear the history? This does not affect your files.</source>
        <translation>Do you want to clear the history? This does not affect your files.</translation>
    </message>
    <message>
        <source>Remove old data</source>
        <translation>Remove old data</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Remember me</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Weekly</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>Queued</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Update Now</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>The selected file does not contain valid settings.</source>
        <translation>The selected file does not contain valid settings.</translation>
    </message>
    <message>
        <source>The password is too weak.</source>
        <translation>The password is too weak.</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Select Folder</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard repairs [ProductName].</source>
        <translation>Please wait while the Setup Wizard repairs [ProductName].</translation>
    </message>
    <message>
        <source>For example: tmp, log, iso</source>
        <translation>For example: tmp, log, iso</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Sign Out</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>A secure connection to the server could not be established.</translation>
    </message>
    <message>
        <source>Pause the selected task</source>
        <translation>Pause the selected task</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>Operating system</translation>
    </message>
    <message>
        <source>Do you want to remove the task %1? The files in the folders will not be deleted.</source>
        <translation>Do you want to remove the task %1? The files in the folders will not be deleted.</translation>
    </message>
    <message>
        <source>[ProductName] Setup</source>
        <translation>[ProductName] Setup</translation>
    </message>
    <message>
        <source>This account has been disabled. Contact your system administrator.</source>
        <translation>This account has been disabled. Contact your system administrator.</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>Email address</translation>
    </message>
    <message>
        <source>The verification code is incorrect or has expired.</source>
        <translation>The verification code is incorrect or has expired.</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>Logs</translation>
    </message>
    <message>
        <source>List of sync and backup tasks</source>
        <translation>List of sync and backup tasks</translation>
    </message>
    <message>
        <source>Keep up to %1 versions of each file</source>
        <translation>Keep up to %1 versions of each file</translation>
    </message>
    <message>
        <source>%1 will be synced with %2.</source>
        <translation>%1 will be synced with %2.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>Syncing %1</source>
        <translation>Syncing %1</translation>
    </message>
    <message>
        <source>Free space</source>
        <translation>Free space</translation>
    </message>
    <message>
        <source>Your feedback could not be sent. Please try again later.</source>
        <translation>Your feedback could not be sent. Please try again later.</translation>
    </message>
    <message>
        <source>File manager integration</source>
        <translation>File manager integration</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>New password</translation>
    </message>
    <message>
        <source>Sign In with SSO</source>
        <translation>Sign In with SSO</translation>
    </message>
    <message>
        <source>My Files</source>
        <translation>My Files</translation>
    </message>
    <message>
        <source>Sync new folders automatically</source>
        <translation>Sync new folders automatically</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Check for Updates</translation>
    </message>
    <message>
        <source>Enter the 6-digit code from your authenticator app.</source>
        <translation>Enter the 6-digit code from your authenticator app.</translation>
    </message>
    <message>
        <source>Right-click a file for more options.</source>
        <translation>Right-click a file for more options.</translation>
    </message>
    <message>
        <source>Server version</source>
        <translation>Server version</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client was removed from your computer.</source>
        <translation>Quenmark Zelto Client was removed from your computer.</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Folder name</translation>
    </message>
    <message>
        <source>You have no tasks yet. Click Create Task to sync or back up a folder.</source>
        <translation>You have no tasks yet. Click Create Task to sync or back up a folder.</translation>
    </message>
    <message>
        <source>Indexing files...</source>
        <translation>Indexing files...</translation>
    </message>
    <message>
        <source>Verification code field</source>
        <translation>Verification code field</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disk full</translation>
    </message>
    <message>
        <source>Backup started</source>
        <translation>Backup started</translation>
    </message>
    <message>
        <source>The sync folder %1 was moved or deleted. Syncing has stopped for this task.</source>
        <translation>The sync folder %1 was moved or deleted. Syncing has stopped for this task.</translation>
    </message>
    <message>
        <source>The file was damaged during transfer and will be downloaded again.</source>
        <translation>The file was damaged during transfer and will be downloaded again.</translation>
    </message>
    <message>
        <source>You have reached the maximum number of tasks (%1).</source>
        <translation>You have reached the maximum number of tasks (%1).</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>hours</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Icon View</source>
        <translation>Icon View</translation>
    </message>
    <message>
        <source>Backup finished</source>
        <translation>Backup finished</translation>
    </message>
    <message>
        <source>Starting %1 for the first time. This may take a minute.</source>
        <translation>Starting %1 for the first time. This may take a minute.</translation>
    </message>
    <message>
        <source>Server path</source>
        <translation>Server path</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Change Password</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>Sync file permissions and timestamps</source>
        <translation>Sync file permissions and timestamps</translation>
    </message>
    <message>
        <source>Syncing will stop when you quit. Quit Quenmark Zelto Client anyway?</source>
        <translation>Syncing will stop when you quit. Quit Quenmark Zelto Client anyway?</translation>
    </message>
    <message>
        <source>Hidden files</source>
        <translation>Hidden files</translation>
    </message>
    <message>
        <source>The folder cannot be inside or contain a folder that is already synced.</source>
        <translation>The folder cannot be inside or contain a folder that is already synced.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached. The backup cannot continue until space is freed.</source>
        <translation>Your storage quota on the server has been reached. The backup cannot continue until space is freed.</translation>
    </message>
    <message>
        <source>Download queue</source>
        <translation>Download queue</translation>
    </message>
    <message>
        <source>This computer is registered with the server.</source>
        <translation>This computer is registered with the server.</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Recycle Bin</translation>
    </message>
    <message>
        <source>Back up changes continuously</source>
        <translation>Back up changes continuously</translation>
    </message>
    <message>
        <source>Source folders</source>
        <translation>Source folders</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>License Agreement</translation>
    </message>
    <message>
        <source>Sync options</source>
        <translation>Sync options</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>All set!</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Skip</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>New Folder</translation>
    </message>
    <message>
        <source>Add to the &amp;Start menu</source>
        <translation>Add to the &amp;Start menu</translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation>Signing in...</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Click Install to begin the installation. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client cannot write to %1. Check the folder permissions.</source>
        <translation>Quenmark Zelto Client cannot write to %1. Check the folder permissions.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Skip This Version</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>Visit our website</translation>
    </message>
    <message>
        <source>Open Local Folder</source>
        <translation>Open Local Folder</translation>
    </message>
    <message>
        <source>Removing [ProductName]</source>
        <translation>Removing [ProductName]</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Open Folder</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Copyright (c) Quenmark. All rights reserved.</source>
        <translation>Copyright (c) Quenmark. All rights reserved.</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Remove Device</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>The session is locked.</source>
        <translation>The session is locked.</translation>
    </message>
    <message>
        <source>Downloading on demand...</source>
        <translation>Downloading on demand...</translation>
    </message>
    <message>
        <source>Sign-in required</source>
        <translation>Sign-in required</translation>
    </message>
    <message>
        <source>Unable to copy %1.</source>
        <translation>Unable to copy %1.</translation>
    </message>
    <message>
        <source>List of filter rules</source>
        <translation>List of filter rules</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>Snapshots</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Stopped</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Change destination folder</source>
        <translation>Change destination folder</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Syncing...</translation>
    </message>
    <message>
        <source>Back up only when the computer is plugged in</source>
        <translation>Back up only when the computer is plugged in</translation>
    </message>
    <message>
        <source>Resume Syncing</source>
        <translation>Resume Syncing</translation>
    </message>
    <message>
        <source>A new version is available.</source>
        <translation>A new version is available.</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation>Frequently Asked Questions</translation>
    </message>
    <message>
        <source>View</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Run on</source>
        <translation>Run on</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Unable to download the update.</source>
        <translation>Unable to download the update.</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>Test Connection</translation>
    </message>
    <message>
        <source>You have been signed out.</source>
        <translation>You have been signed out.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sync</translation>
    </message>
    <message>
        <source>Last backup completed %1</source>
        <translation>Last backup completed %1</translation>
    </message>
    <message>
        <source>Pause Syncing</source>
        <translation>Pause Syncing</translation>
    </message>
    <message>
        <source>Limit automatically</source>
        <translation>Limit automatically</translation>
    </message>
    <message>
        <source>Keep the version on the server</source>
        <translation>Keep the version on the server</translation>
    </message>
    <message>
        <source>Open menu</source>
        <translation>Open menu</translation>
    </message>
    <message>
        <source>The file is larger than the limit allowed by the server.</source>
        <translation>The file is larger than the limit allowed by the server.</translation>
    </message>
    <message>
        <source>Your data was moved successfully.</source>
        <translation>Your data was moved successfully.</translation>
    </message>
    <message>
        <source>Ready to install [ProductName]</source>
        <translation>Ready to install [ProductName]</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>The file %1 does not exist.</translation>
    </message>
    <message>
        <source>Export Logs...</source>
        <translation>Export Logs...</translation>
    </message>
    <message>
        <source>Syncing has resumed</source>
        <translation>Syncing has resumed</translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely because of an error. Your system has not been modified. To install this program at a later time, run the Setup Wizard again.</source>
        <translation>[ProductName] Setup Wizard ended prematurely because of an error. Your system has not been modified. To install this program at a later time, run the Setup Wizard again.</translation>
    </message>
    <message>
        <source>Select the server folder to sync with this computer.</source>
        <translation>Select the server folder to sync with this computer.</translation>
    </message>
    <message>
        <source>Upload changes to the server only</source>
        <translation>Upload changes to the server only</translation>
    </message>
    <message>
        <source>Time remaining unknown</source>
        <translation>Time remaining unknown</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>%1 files were skipped. See the history for details.</source>
        <translation>%1 files were skipped. See the history for details.</translation>
    </message>
    <message>
        <source>Keep all versions</source>
        <translation>Keep all versions</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Sync progress</source>
        <translation>Sync progress</translation>
    </message>
    <message>
        <source>The new language will be used after Quenmark Zelto Client restarts.</source>
        <translation>The new language will be used after Quenmark Zelto Client restarts.</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Created</translation>
    </message>
    <message>
        <source>%1 used of %2</source>
        <translation>%1 used of %2</translation>
    </message>
    <message>
        <source>Version Retention</source>
        <translation>Version Retention</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>End time</translation>
    </message>
    <message>
        <source>Proxy type</source>
        <translation>Proxy type</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>Sort by Name</translation>
    </message>
    <message>
        <source>On-demand sync is not supported on this file system.</source>
        <translation>On-demand sync is not supported on this file system.</translation>
    </message>
    <message>
        <source>Connected through the Internet</source>
        <translation>Connected through the Internet</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Retry</translation>
    </message>
    <message>
        <source>Authentication required</source>
        <translation>Authentication required</translation>
    </message>
    <message>
        <source>Access Denied</source>
        <translation>Access Denied</translation>
    </message>
    <message>
        <source>Upload rate</source>
        <translation>Upload rate</translation>
    </message>
    <message>
        <source>The system limit on watched folders has been reached. Some changes may be detected late.</source>
        <translation>The system limit on watched folders has been reached. Some changes may be detected late.</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Moved</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Dismiss</translation>
    </message>
    <message>
        <source>Sort by Date</source>
        <translation>Sort by Date</translation>
    </message>
    <message>
        <source>Do not sync hidden files</source>
        <translation>Do not sync hidden files</translation>
    </message>
    <message>
        <source>Sync This Folder</source>
        <translation>Sync This Folder</translation>
    </message>
    <message>
        <source>%1 is very large. Uploading it may take a long time.</source>
        <translation>%1 is very large. Uploading it may take a long time.</translation>
    </message>
    <message>
        <source>Access control lists are not supported on this file system and will not be synced.</source>
        <translation>Access control lists are not supported on this file system and will not be synced.</translation>
    </message>
    <message>
        <source>Enter the verification code</source>
        <translation>Enter the verification code</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>The passwords do not match.</translation>
    </message>
    <message>
        <source>The security certificate of %1 is not trusted. Your connection may not be secure.</source>
        <translation>The security certificate of %1 is not trusted. Your connection may not be secure.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>%1, %2 o'clock</source>
        <translation>%1, %2 o'clock</translation>
    </message>
    <message>
        <source>The Setup Wizard allows you to repair the installation of [ProductName] or remove it from your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>The Setup Wizard allows you to repair the installation of [ProductName] or remove it from your computer. Click Next to continue or Cancel to exit the Setup Wizard.</translation>
    </message>
    <message>
        <source>Read and write</source>
        <translation>Read and write</translation>
    </message>
    <message>
        <source>Pause for 8 hours</source>
        <translation>Pause for 8 hours</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>Edit the selected task</source>
        <translation>Edit the selected task</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Welcome</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Open in Browser</translation>
    </message>
    <message>
        <source>Task %1, status %2</source>
        <translation>Task %1, status %2</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation>Click the Finish button to exit the Setup Wizard.</translation>
    </message>
    <message>
        <source>Relay ID</source>
        <translation>Relay ID</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Sign In</translation>
    </message>
    <message>
        <source>Do not limit</source>
        <translation>Do not limit</translation>
    </message>
    <message>
        <source>Download changes from the server only</source>
        <translation>Download changes from the server only</translation>
    </message>
    <message>
        <source>Unable to move %1 to %2.</source>
        <translation>Unable to move %1 to %2.</translation>
    </message>
    <message>
        <source>Add a task</source>
        <translation>Add a task</translation>
    </message>
    <message>
        <source>Your storage space on %1 is almost full.</source>
        <translation>Your storage space on %1 is almost full.</translation>
    </message>
    <message>
        <source>Install updates automatically</source>
        <translation>Install updates automatically</translation>
    </message>
    <message>
        <source>Recent Changes</source>
        <translation>Recent Changes</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>Display name</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connecting...</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Alerts</translation>
    </message>
    <message>
        <source>Preparing to sync...</source>
        <translation>Preparing to sync...</translation>
    </message>
    <message>
        <source>Single Sign-On</source>
        <translation>Single Sign-On</translation>
    </message>
    <message>
        <source>Ready to sync</source>
        <translation>Ready to sync</translation>
    </message>
    <message>
        <source>Advanced Filters...</source>
        <translation>Advanced Filters...</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <translation>Show desktop notifications</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Checking for updates...</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Downloaded</translation>
    </message>
    <message>
        <source>Choose a folder on the server</source>
        <translation>Choose a folder on the server</translation>
    </message>
    <message>
        <source>Excluded from sync</source>
        <translation>Excluded from sync</translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <translation>Syncing %1 files</translation>
    </message>
    <message>
        <source>Loading folders...</source>
        <translation>Loading folders...</translation>
    </message>
    <message>
        <source>This version of Quenmark Zelto Client is no longer supported by the server. Please update the client.</source>
        <translation>This version of Quenmark Zelto Client is no longer supported by the server. Please update the client.</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Shared</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>seconds</translation>
    </message>
    <message>
        <source>Repairing [ProductName]</source>
        <translation>Repairing [ProductName]</translation>
    </message>
    <message>
        <source>Upload speed</source>
        <translation>Upload speed</translation>
    </message>
    <message>
        <source>Open on Server</source>
        <translation>Open on Server</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Finish</translation>
    </message>
    <message>
        <source>Your settings have been saved.</source>
        <translation>Your settings have been saved.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Disabled</translation>
    </message>
    <message>
        <source>Create Sync Task</source>
        <translation>Create Sync Task</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Back Up Now</translation>
    </message>
    <message>
        <source>The upgrade is complete.</source>
        <translation>The upgrade is complete.</translation>
    </message>
    <message>
        <source>Version %1 (build %2)</source>
        <translation>Version %1 (build %2)</translation>
    </message>
    <message>
        <source>Launch [ProductName] now</source>
        <translation>Launch [ProductName] now</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Send Feedback</translation>
    </message>
    <message>
        <source>No results found.</source>
        <translation>No results found.</translation>
    </message>
    <message>
        <source>Copy Sharing Link</source>
        <translation>Copy Sharing Link</translation>
    </message>
    <message>
        <source>The task no longer exists.</source>
        <translation>The task no longer exists.</translation>
    </message>
    <message>
        <source>&amp;Do not close applications. A reboot will be required.</source>
        <translation>&amp;Do not close applications. A reboot will be required.</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Task</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fri</translation>
    </message>
    <message>
        <source>Deleting %1</source>
        <translation>Deleting %1</translation>
    </message>
    <message>
        <source>Enter at least %1 characters.</source>
        <translation>Enter at least %1 characters.</translation>
    </message>
    <message>
        <source>Unable to restore the selected files.</source>
        <translation>Unable to restore the selected files.</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation>On-demand Sync</translation>
    </message>
    <message>
        <source>Checking the environment...</source>
        <translation>Checking the environment...</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation>Two-way sync</translation>
    </message>
    <message>
        <source>Valid until</source>
        <translation>Valid until</translation>
    </message>
    <message>
        <source>The history was exported to %1.</source>
        <translation>The history was exported to %1.</translation>
    </message>
    <message>
        <source>Files and folders that match these rules are not synced.</source>
        <translation>Files and folders that match these rules are not synced.</translation>
    </message>
    <message>
        <source>Available offline</source>
        <translation>Available offline</translation>
    </message>
    <message>
        <source>The files have been restored.</source>
        <translation>The files have been restored.</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Device name</translation>
    </message>
    <message>
        <source>Renaming %1</source>
        <translation>Renaming %1</translation>
    </message>
    <message>
        <source>Some files could not be synced</source>
        <translation>Some files could not be synced</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>Task name</source>
        <translation>Task name</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by fixing missing and corrupt files, shortcuts, and registry entries.</source>
        <translation>Repairs errors in the most recent installation by fixing missing and corrupt files, shortcuts, and registry entries.</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Loading...</translation>
    </message>
    <message>
        <source>Pause until I resume</source>
        <translation>Pause until I resume</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>No server was found on your local network. Enter the address manually.</source>
        <translation>No server was found on your local network. Enter the address manually.</translation>
    </message>
    <message>
        <source>Removes [ProductName] from your computer.</source>
        <translation>Removes [ProductName] from your computer.</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>Local folder</translation>
    </message>
    <message>
        <source>The quota of the shared folder has been reached.</source>
        <translation>The quota of the shared folder has been reached.</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>End-User License Agreement</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>Online only</source>
        <translation>Online only</translation>
    </message>
    <message>
        <source>Up one level</source>
        <translation>Up one level</translation>
    </message>
    <message>
        <source>Upload: %1/s  Download: %2/s</source>
        <translation>Upload: %1/s  Download: %2/s</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dark</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Daily</translation>
    </message>
    <message>
        <source>The local version was renamed to %1.</source>
        <translation>The local version was renamed to %1.</translation>
    </message>
    <message>
        <source>%1 is in use by another application and will be synced when it is closed.</source>
        <translation>%1 is in use by another application and will be synced when it is closed.</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Paused until %1</translation>
    </message>
    <message>
        <source>View History</source>
        <translation>View History</translation>
    </message>
    <message>
        <source>Confirm new password</source>
        <translation>Confirm new password</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>Connection timeout</translation>
    </message>
    <message>
        <source>Proxy server</source>
        <translation>Proxy server</translation>
    </message>
    <message>
        <source>User</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Downloading the update... %1%</source>
        <translation>Downloading the update... %1%</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Renamed</translation>
    </message>
    <message>
        <source>Use dark theme</source>
        <translation>Use dark theme</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>KB/s</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully</source>
        <translation>Please read the following license agreement carefully</translation>
    </message>
    <message>
        <source>Send Test Email</source>
        <translation>Send Test Email</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <translation>Sync direction</translation>
    </message>
    <message>
        <source>Rebuilding the local database...</source>
        <translation>Rebuilding the local database...</translation>
    </message>
    <message>
        <source>Switch Account</source>
        <translation>Switch Account</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Folder tree</source>
        <translation>Folder tree</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>Restore This Version</translation>
    </message>
    <message>
        <source>The destination shared folder could not be found on the server. Select another destination.</source>
        <translation>The destination shared folder could not be found on the server. Select another destination.</translation>
    </message>
    <message>
        <source>The security certificate of the server has expired.</source>
        <translation>The security certificate of the server has expired.</translation>
    </message>
    <message>
        <source>Restart Quenmark Zelto Client to apply the changes.</source>
        <translation>Restart Quenmark Zelto Client to apply the changes.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client status icon</source>
        <translation>Quenmark Zelto Client status icon</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>%1 percent complete</source>
        <translation>%1 percent complete</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sat</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Storage</translation>
    </message>
    <message>
        <source>Pause syncing when running on battery power</source>
        <translation>Pause syncing when running on battery power</translation>
    </message>
    <message>
        <source>Enter your server address, username and password.</source>
        <translation>Enter your server address, username and password.</translation>
    </message>
    <message>
        <source>Every %1 minutes</source>
        <translation>Every %1 minutes</translation>
    </message>
    <message>
        <source>Do you want to delete the selected items?</source>
        <translation>Do you want to delete the selected items?</translation>
    </message>
    <message>
        <source>Show sync status icons in the file manager</source>
        <translation>Show sync status icons in the file manager</translation>
    </message>
    <message>
        <source>I &amp;do not accept the terms in the License Agreement</source>
        <translation>I &amp;do not accept the terms in the License Agreement</translation>
    </message>
    <message>
        <source>Learn more</source>
        <translation>Learn more</translation>
    </message>
    <message>
        <source>Server address field</source>
        <translation>Server address field</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Play a sound</source>
        <translation>Play a sound</translation>
    </message>
    <message>
        <source>Locate Folder</source>
        <translation>Locate Folder</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>Destination Folder</translation>
    </message>
    <message>
        <source>Load More</source>
        <translation>Load More</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Unable to rename %1 to %2.</source>
        <translation>Unable to rename %1 to %2.</translation>
    </message>
    <message>
        <source>If your network requires a proxy server to reach the Internet, enter its settings here.</source>
        <translation>If your network requires a proxy server to reach the Internet, enter its settings here.</translation>
    </message>
    <message>
        <source>Remove the local copies of the selected files? They remain on the server and are downloaded again when you open them.</source>
        <translation>Remove the local copies of the selected files? They remain on the server and are downloaded again when you open them.</translation>
    </message>
    <message>
        <source>Install Now</source>
        <translation>Install Now</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Thu</translation>
    </message>
    <message>
        <source>Display scaling</source>
        <translation>Display scaling</translation>
    </message>
    <message>
        <source>Restoring %1 of %2 files...</source>
        <translation>Restoring %1 of %2 files...</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>File extensions</translation>
    </message>
    <message>
        <source>The update package is damaged or has an invalid signature.</source>
        <translation>The update package is damaged or has an invalid signature.</translation>
    </message>
    <message>
        <source>Disk Space Requirements</source>
        <translation>Disk Space Requirements</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Upgrade</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Tasks</translation>
    </message>
    <message>
        <source>Account: %1</source>
        <translation>Account: %1</translation>
    </message>
    <message>
        <source>The security certificate of the server is not trusted.</source>
        <translation>The security certificate of the server is not trusted.</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Select None</translation>
    </message>
    <message>
        <source>An invalid parameter was given.</source>
        <translation>An invalid parameter was given.</translation>
    </message>
    <message>
        <source>Ask before deleting many files on the server</source>
        <translation>Ask before deleting many files on the server</translation>
    </message>
    <message>
        <source>&amp;Look in:</source>
        <translation>&amp;Look in:</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>Your IP address has been blocked by the server.</translation>
    </message>
    <message>
        <source>Debug logging records detailed information and may slow down syncing. Turn it off when you are done.</source>
        <translation>Debug logging records detailed information and may slow down syncing. Turn it off when you are done.</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Manual proxy configuration</translation>
    </message>
    <message>
        <source>Day of the month</source>
        <translation>Day of the month</translation>
    </message>
    <message>
        <source>The local database is damaged. Quenmark Zelto Client will rebuild it.</source>
        <translation>The local database is damaged. Quenmark Zelto Client will rebuild it.</translation>
    </message>
    <message>
        <source>Are you sure you want to quit the setup? No task will be created.</source>
        <translation>Are you sure you want to quit the setup? No task will be created.</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Never synced</translation>
    </message>
    <message>
        <source>The shared folder no longer exists on the server.</source>
        <translation>The shared folder no longer exists on the server.</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Tue</translation>
    </message>
    <message>
        <source>Use SSL/TLS</source>
        <translation>Use SSL/TLS</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <translation>Sync mode</translation>
    </message>
    <message>
        <source>The update has been downloaded and will be installed when you quit Quenmark Zelto Client.</source>
        <translation>The update has been downloaded and will be installed when you quit Quenmark Zelto Client.</translation>
    </message>
    <message>
        <source>The server is under maintenance. Syncing will resume automatically.</source>
        <translation>The server is under maintenance. Syncing will resume automatically.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client Setup</source>
        <translation>Quenmark Zelto Client Setup</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximize</translation>
    </message>
    <message>
        <source>Enable backup schedule</source>
        <translation>Enable backup schedule</translation>
    </message>
    <message>
        <source>The first sync may take a while, depending on the number and size of your files.</source>
        <translation>The first sync may take a while, depending on the number and size of your files.</translation>
    </message>
    <message>
        <source>Sign in with the account you use on %1.</source>
        <translation>Sign in with the account you use on %1.</translation>
    </message>
    <message>
        <source>Backup Schedule</source>
        <translation>Backup Schedule</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>The file name is too long.</translation>
    </message>
    <message>
        <source>The file manager will be restarted to unload the extension.</source>
        <translation>The file manager will be restarted to unload the extension.</translation>
    </message>
    <message>
        <source>Keep both versions</source>
        <translation>Keep both versions</translation>
    </message>
    <message>
        <source>Available when online</source>
        <translation>Available when online</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Deselect All</translation>
    </message>
    <message>
        <source>Total size</source>
        <translation>Total size</translation>
    </message>
    <message>
        <source>Open source licenses</source>
        <translation>Open source licenses</translation>
    </message>
    <message>
        <source>No backup is scheduled.</source>
        <translation>No backup is scheduled.</translation>
    </message>
    <message>
        <source>Syncing was paused while the computer was asleep.</source>
        <translation>Syncing was paused while the computer was asleep.</translation>
    </message>
    <message>
        <source>Team Folder</source>
        <translation>Team Folder</translation>
    </message>
    <message>
        <source>Overall progress</source>
        <translation>Overall progress</translation>
    </message>
    <message>
        <source>Checking the connection to %1...</source>
        <translation>Checking the connection to %1...</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <translation>%1 is ready.</translation>
    </message>
    <message>
        <source>When a conflict occurs</source>
        <translation>When a conflict occurs</translation>
    </message>
    <message>
        <source>The security certificate was issued to %1, not to %2.</source>
        <translation>The security certificate was issued to %1, not to %2.</translation>
    </message>
    <message>
        <source>Trust this computer</source>
        <translation>Trust this computer</translation>
    </message>
    <message>
        <source>Select the operation you wish to perform.</source>
        <translation>Select the operation you wish to perform.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Enabled</translation>
    </message>
    <message>
        <source>File size limit</source>
        <translation>File size limit</translation>
    </message>
    <message>
        <source>Unable to create the task.</source>
        <translation>Unable to create the task.</translation>
    </message>
    <message>
        <source>Create Task</source>
        <translation>Create Task</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <translation>Some files that need to be updated are currently in use.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Please wait...</translation>
    </message>
    <message>
        <source>Searching for servers on your local network...</source>
        <translation>Searching for servers on your local network...</translation>
    </message>
    <message>
        <source>Disk space required for the installation exceeds available disk space.</source>
        <translation>Disk space required for the installation exceeds available disk space.</translation>
    </message>
    <message>
        <source>The following applications are using files that need to be updated by this setup. Close these applications and then click &amp;Retry to continue the installation or Cancel to exit it.</source>
        <translation>The following applications are using files that need to be updated by this setup. Close these applications and then click &amp;Retry to continue the installation or Cancel to exit it.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>The folder %1 does not exist.</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Owner</translation>
    </message>
    <message>
        <source>Play sounds</source>
        <translation>Play sounds</translation>
    </message>
    <message>
        <source>Synced</source>
        <translation>Synced</translation>
    </message>
    <message>
        <source>Last day of the month</source>
        <translation>Last day of the month</translation>
    </message>
    <message>
        <source>Keep the version on this computer</source>
        <translation>Keep the version on this computer</translation>
    </message>
    <message>
        <source>Resume the selected task</source>
        <translation>Resume the selected task</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>Sort by Size</source>
        <translation>Sort by Size</translation>
    </message>
    <message>
        <source>Storage Details</source>
        <translation>Storage Details</translation>
    </message>
    <message>
        <source>Apply limits only during these hours</source>
        <translation>Apply limits only during these hours</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Welcome to Quenmark Zelto Client</source>
        <translation>Welcome to Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>Data from an earlier version was found on this computer.</source>
        <translation>Data from an earlier version was found on this computer.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Pause for 30 minutes</source>
        <translation>Pause for 30 minutes</translation>
    </message>
    <message>
        <source>Open in File Manager</source>
        <translation>Open in File Manager</translation>
    </message>
    <message>
        <source>Completed the [ProductName] Setup Wizard</source>
        <translation>Completed the [ProductName] Setup Wizard</translation>
    </message>
    <message>
        <source>Last synced %1</source>
        <translation>Last synced %1</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Step %1 of %2</translation>
    </message>
    <message>
        <source>Retry Now</source>
        <translation>Retry Now</translation>
    </message>
    <message>
        <source>%1 of %2 used</source>
        <translation>%1 of %2 used</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Skipped</translation>
    </message>
    <message>
        <source>You have used %1 of your storage quota.</source>
        <translation>You have used %1 of your storage quota.</translation>
    </message>
    <message>
        <source>A newer version of [ProductName] is already installed. Setup will now exit.</source>
        <translation>A newer version of [ProductName] is already installed. Setup will now exit.</translation>
    </message>
    <message>
        <source>No problem was found.</source>
        <translation>No problem was found.</translation>
    </message>
    <message>
        <source>Keep files on the server that were deleted on this computer</source>
        <translation>Keep files on the server that were deleted on this computer</translation>
    </message>
    <message>
        <source>Scanning for changes...</source>
        <translation>Scanning for changes...</translation>
    </message>
    <message>
        <source>Registering product</source>
        <translation>Registering product</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Interface language</translation>
    </message>
    <message>
        <source>You are not running the setup as an administrator. Some features may not be installed correctly. Continue anyway?</source>
        <translation>You are not running the setup as an administrator. Some features may not be installed correctly. Continue anyway?</translation>
    </message>
    <message>
        <source>There is not enough free space on %1. At least %2 is needed.</source>
        <translation>There is not enough free space on %1. At least %2 is needed.</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Contact Support</translation>
    </message>
    <message>
        <source>Task Details</source>
        <translation>Task Details</translation>
    </message>
    <message>
        <source>Back up only when the computer is idle</source>
        <translation>Back up only when the computer is idle</translation>
    </message>
    <message>
        <source>Open the folder on the server in a web browser</source>
        <translation>Open the folder on the server in a web browser</translation>
    </message>
    <message>
        <source>Administrator permission is required.</source>
        <translation>Administrator permission is required.</translation>
    </message>
    <message>
        <source>Creating shortcuts</source>
        <translation>Creating shortcuts</translation>
    </message>
    <message>
        <source>Your email address (optional)</source>
        <translation>Your email address (optional)</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Free space on this drive: %1</source>
        <translation>Free space on this drive: %1</translation>
    </message>
    <message>
        <source>The proxy connection works.</source>
        <translation>The proxy connection works.</translation>
    </message>
    <message>
        <source>Privacy statement</source>
        <translation>Privacy statement</translation>
    </message>
    <message>
        <source>Install the file manager extension (status icons and context menu)</source>
        <translation>Install the file manager extension (status icons and context menu)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Select Folders</source>
        <translation>Select Folders</translation>
    </message>
    <message>
        <source>The file is locked by another application.</source>
        <translation>The file is locked by another application.</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Thank you! Your feedback has been sent.</source>
        <translation>Thank you! Your feedback has been sent.</translation>
    </message>
    <message>
        <source>Sync directly with computers on the same network when possible</source>
        <translation>Sync directly with computers on the same network when possible</translation>
    </message>
    <message>
        <source>Download rate</source>
        <translation>Download rate</translation>
    </message>
    <message>
        <source>&amp;Folder name:</source>
        <translation>&amp;Folder name:</translation>
    </message>
    <message>
        <source>%1 files, %2</source>
        <translation>%1 files, %2</translation>
    </message>
    <message>
        <source>Version on this computer</source>
        <translation>Version on this computer</translation>
    </message>
    <message>
        <source>The file name contains characters that are not allowed: %1</source>
        <translation>The file name contains characters that are not allowed: %1</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Next &gt;</translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>Needs attention</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Required</translation>
    </message>
    <message>
        <source>Your settings and sync tasks are being moved to the new version of Quenmark Zelto Client. Do not turn off the computer.</source>
        <translation>Your settings and sync tasks are being moved to the new version of Quenmark Zelto Client. Do not turn off the computer.</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>User Guide</translation>
    </message>
    <message>
        <source>Expiration date</source>
        <translation>Expiration date</translation>
    </message>
    <message>
        <source>The disk where your sync folder is located is almost full.</source>
        <translation>The disk where your sync folder is located is almost full.</translation>
    </message>
    <message>
        <source>The server %1 could not be found. Check the address and try again.</source>
        <translation>The server %1 could not be found. Check the address and try again.</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>This field is required.</translation>
    </message>
    <message>
        <source>You have read-only access to this shared folder.</source>
        <translation>You have read-only access to this shared folder.</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copy Link</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Back</translation>
    </message>
    <message>
        <source>View Previous Versions</source>
        <translation>View Previous Versions</translation>
    </message>
    <message>
        <source>Complete the sign-in in your web browser.</source>
        <translation>Complete the sign-in in your web browser.</translation>
    </message>
    <message>
        <source>Directory user</source>
        <translation>Directory user</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>Always Keep on This Device</source>
        <translation>Always Keep on This Device</translation>
    </message>
    <message>
        <source>You do not have write permission for the destination shared folder.</source>
        <translation>You do not have write permission for the destination shared folder.</translation>
    </message>
    <message>
        <source>Open Quenmark Zelto Client</source>
        <translation>Open Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>Notification</translation>
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
        <translation>&amp;Abort</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>The folder is already used by another sync task.</source>
        <translation>The folder is already used by another sync task.</translation>
    </message>
    <message>
        <source>This link has expired.</source>
        <translation>This link has expired.</translation>
    </message>
    <message>
        <source>Installing [ProductName]</source>
        <translation>Installing [ProductName]</translation>
    </message>
    <message>
        <source>Rename the server file</source>
        <translation>Rename the server file</translation>
    </message>
    <message>
        <source>Your files are now being synced. You can follow the progress from the icon in the notification area.</source>
        <translation>Your files are now being synced. You can follow the progress from the icon in the notification area.</translation>
    </message>
    <message>
        <source>&amp;Disk Usage</source>
        <translation>&amp;Disk Usage</translation>
    </message>
    <message>
        <source>Syncing</source>
        <translation>Syncing</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client is running. Quit it and click Retry, or click Cancel to stop the setup.</source>
        <translation>Quenmark Zelto Client is running. Quit it and click Retry, or click Cancel to stop the setup.</translation>
    </message>
    <message>
        <source>Share with users on the server</source>
        <translation>Share with users on the server</translation>
    </message>
    <message>
        <source>Can edit</source>
        <translation>Can edit</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>Looking for changed files...</source>
        <translation>Looking for changed files...</translation>
    </message>
    <message>
        <source>Copy folders on this computer to the server on a schedule. Files deleted on this computer are kept on the server.</source>
        <translation>Copy folders on this computer to the server on a schedule. Files deleted on this computer are kept on the server.</translation>
    </message>
    <message>
        <source>Some settings could not be moved. Please check your sync tasks.</source>
        <translation>Some settings could not be moved. Please check your sync tasks.</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Sync Now</translation>
    </message>
    <message>
        <source>On-demand</source>
        <translation>On-demand</translation>
    </message>
    <message>
        <source>Saved accounts</source>
        <translation>Saved accounts</translation>
    </message>
    <message>
        <source>Restore...</source>
        <translation>Restore...</translation>
    </message>
    <message>
        <source>Attach diagnostic logs</source>
        <translation>Attach diagnostic logs</translation>
    </message>
    <message>
        <source>%1 results</source>
        <translation>%1 results</translation>
    </message>
    <message>
        <source>Open Sync Folder</source>
        <translation>Open Sync Folder</translation>
    </message>
    <message>
        <source>%1 could not be updated. The installed version will be started.</source>
        <translation>%1 could not be updated. The installed version will be started.</translation>
    </message>
    <message>
        <source>%1 was not synced because it is larger than the maximum file size.</source>
        <translation>%1 was not synced because it is larger than the maximum file size.</translation>
    </message>
    <message>
        <source>View on Web Portal</source>
        <translation>View on Web Portal</translation>
    </message>
    <message>
        <source>Open the local folder</source>
        <translation>Open the local folder</translation>
    </message>
    <message>
        <source>Permission</source>
        <translation>Permission</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Deleted</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard removes [ProductName].</source>
        <translation>Please wait while the Setup Wizard removes [ProductName].</translation>
    </message>
    <message>
        <source>Moving Your Data</source>
        <translation>Moving Your Data</translation>
    </message>
    <message>
        <source>Ask when more than %1 files are deleted at once</source>
        <translation>Ask when more than %1 files are deleted at once</translation>
    </message>
    <message>
        <source>Uploaded</source>
        <translation>Uploaded</translation>
    </message>
    <message>
        <source>Server name</source>
        <translation>Server name</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Signed in as %1</source>
        <translation>Signed in as %1</translation>
    </message>
    <message>
        <source>The recycle bin is not enabled for this shared folder. Deleted files cannot be restored.</source>
        <translation>The recycle bin is not enabled for this shared folder. Deleted files cannot be restored.</translation>
    </message>
    <message>
        <source>Uploading %1</source>
        <translation>Uploading %1</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of [ProductName]. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Click Repair to repair the installation of [ProductName]. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Running</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Just now</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Always on top</translation>
    </message>
    <message>
        <source>Verification code</source>
        <translation>Verification code</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Yesterday</translation>
    </message>
    <message>
        <source>Use the default folder (%1)</source>
        <translation>Use the default folder (%1)</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>Drop files here</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>Username field</source>
        <translation>Username field</translation>
    </message>
    <message>
        <source>Encrypt data during transfer</source>
        <translation>Encrypt data during transfer</translation>
    </message>
    <message>
        <source>%1 files were changed.</source>
        <translation>%1 files were changed.</translation>
    </message>
    <message>
        <source>Sign In...</source>
        <translation>Sign In...</translation>
    </message>
    <message>
        <source>You do not have permission to perform this operation.</source>
        <translation>You do not have permission to perform this operation.</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Settings pages</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Use system proxy settings</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Waiting</translation>
    </message>
    <message>
        <source>The folder is read-only. Files cannot be written to it.</source>
        <translation>The folder is read-only. Files cannot be written to it.</translation>
    </message>
    <message>
        <source>Next backup: %1</source>
        <translation>Next backup: %1</translation>
    </message>
    <message>
        <source>The disk space required for the installation of the selected features.</source>
        <translation>The disk space required for the installation of the selected features.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <translation>Temporary files</translation>
    </message>
    <message>
        <source>Issued to</source>
        <translation>Issued to</translation>
    </message>
    <message>
        <source>More actions</source>
        <translation>More actions</translation>
    </message>
    <message>
        <source>Download This Version</source>
        <translation>Download This Version</translation>
    </message>
    <message>
        <source>Include in Sync</source>
        <translation>Include in Sync</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Notify me when a backup finishes</source>
        <translation>Notify me when a backup finishes</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>Unable to delete %1.</source>
        <translation>Unable to delete %1.</translation>
    </message>
    <message>
        <source>Open the sync folder</source>
        <translation>Open the sync folder</translation>
    </message>
    <message>
        <source>Create a shortcut on the &amp;desktop</source>
        <translation>Create a shortcut on the &amp;desktop</translation>
    </message>
    <message>
        <source>Unable to save the settings.</source>
        <translation>Unable to save the settings.</translation>
    </message>
    <message>
        <source>Email the report after each backup</source>
        <translation>Email the report after each backup</translation>
    </message>
    <message>
        <source>Cache location</source>
        <translation>Cache location</translation>
    </message>
    <message>
        <source>Include folder %1</source>
        <translation>Include folder %1</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Font size</translation>
    </message>
    <message>
        <source>Unable to create %1.</source>
        <translation>Unable to create %1.</translation>
    </message>
    <message>
        <source>Scanning local files...</source>
        <translation>Scanning local files...</translation>
    </message>
    <message>
        <source>Back up on a schedule</source>
        <translation>Back up on a schedule</translation>
    </message>
    <message>
        <source>&amp;Keep my settings and sync tasks</source>
        <translation>&amp;Keep my settings and sync tasks</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restore Defaults</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Notifications</translation>
    </message>
    <message>
        <source>Cache size</source>
        <translation>Cache size</translation>
    </message>
    <message>
        <source>Never expires</source>
        <translation>Never expires</translation>
    </message>
    <message>
        <source>Select a server from the list or enter its address.</source>
        <translation>Select a server from the list or enter its address.</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Wed</translation>
    </message>
    <message>
        <source>%1 was deleted.</source>
        <translation>%1 was deleted.</translation>
    </message>
    <message>
        <source>The server is offline.</source>
        <translation>The server is offline.</translation>
    </message>
    <message>
        <source>Open Recycle Bin</source>
        <translation>Open Recycle Bin</translation>
    </message>
    <message>
        <source>Exclude from Sync</source>
        <translation>Exclude from Sync</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Version on the server</source>
        <translation>Version on the server</translation>
    </message>
    <message>
        <source>Calculating time remaining...</source>
        <translation>Calculating time remaining...</translation>
    </message>
    <message>
        <source>SMTP port</source>
        <translation>SMTP port</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>No proxy</translation>
    </message>
    <message>
        <source>Pause for 1 hour</source>
        <translation>Pause for 1 hour</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Rename the local file</source>
        <translation>Rename the local file</translation>
    </message>
    <message>
        <source>Show Previous Versions</source>
        <translation>Show Previous Versions</translation>
    </message>
    <message>
        <source>Notify me when a sync finishes</source>
        <translation>Notify me when a sync finishes</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Export...</translation>
    </message>
    <message>
        <source>Current status</source>
        <translation>Current status</translation>
    </message>
    <message>
        <source>Stop Backup</source>
        <translation>Stop Backup</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation>Files in Use</translation>
    </message>
    <message>
        <source>Do not sync temporary files</source>
        <translation>Do not sync temporary files</translation>
    </message>
    <message>
        <source>Unable to unpack the installation package.</source>
        <translation>Unable to unpack the installation package.</translation>
    </message>
    <message>
        <source>The backup could not start because the server is offline.</source>
        <translation>The backup could not start because the server is offline.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Enter a valid IP address.</source>
        <translation>Enter a valid IP address.</translation>
    </message>
    <message>
        <source>IP address, domain name or relay ID</source>
        <translation>IP address, domain name or relay ID</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>You do not have permission to use this service. Contact your system administrator.</source>
        <translation>You do not have permission to use this service. Contact your system administrator.</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>The backup is intact.</source>
        <translation>The backup is intact.</translation>
    </message>
    <message>
        <source>Select at least one day.</source>
        <translation>Select at least one day.</translation>
    </message>
    <message>
        <source>%1 files were deleted from the sync folder. Do you also want to delete them from the server?</source>
        <translation>%1 files were deleted from the sync folder. Do you also want to delete them from the server?</translation>
    </message>
    <message>
        <source>Certificate Warning</source>
        <translation>Certificate Warning</translation>
    </message>
    <message>
        <source>Remember my password</source>
        <translation>Remember my password</translation>
    </message>
    <message>
        <source>Weekly schedule grid</source>
        <translation>Weekly schedule grid</translation>
    </message>
    <message>
        <source>Enter a number between %1 and %2.</source>
        <translation>Enter a number between %1 and %2.</translation>
    </message>
    <message>
        <source>The username or password you entered is incorrect.</source>
        <translation>The username or password you entered is incorrect.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Show Window</translation>
    </message>
    <message>
        <source>Backing up %1 of %2 files</source>
        <translation>Backing up %1 of %2 files</translation>
    </message>
    <message>
        <source>Keep only the latest versions</source>
        <translation>Keep only the latest versions</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <translation>There is not enough free space on the local disk.</translation>
    </message>
    <message>
        <source>The file was changed both on this computer and on the server since the last sync.</source>
        <translation>The file was changed both on this computer and on the server since the last sync.</translation>
    </message>
    <message>
        <source>Everything is up to date</source>
        <translation>Everything is up to date</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Scan complete</source>
        <translation>Scan complete</translation>
    </message>
    <message>
        <source>Welcome to the [ProductName] Setup Wizard</source>
        <translation>Welcome to the [ProductName] Setup Wizard</translation>
    </message>
    <message>
        <source>Choose how to sync</source>
        <translation>Choose how to sync</translation>
    </message>
    <message>
        <source>Use * to match any characters and ? to match one character.</source>
        <translation>Use * to match any characters and ? to match one character.</translation>
    </message>
    <message>
        <source>Ready to remove [ProductName]</source>
        <translation>Ready to remove [ProductName]</translation>
    </message>
    <message>
        <source>Last run time</source>
        <translation>Last run time</translation>
    </message>
    <message>
        <source>Backup finished with errors</source>
        <translation>Backup finished with errors</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <translation>Choose a folder on this computer</translation>
    </message>
    <message>
        <source>File name pattern</source>
        <translation>File name pattern</translation>
    </message>
    <message>
        <source>%1 servers found on your local network.</source>
        <translation>%1 servers found on your local network.</translation>
    </message>
    <message>
        <source>Restart Later</source>
        <translation>Restart Later</translation>
    </message>
    <message>
        <source>Last sync</source>
        <translation>Last sync</translation>
    </message>
    <message>
        <source>Stop Sharing</source>
        <translation>Stop Sharing</translation>
    </message>
    <message>
        <source>Unable to connect to the server. Check your network connection and the server address.</source>
        <translation>Unable to connect to the server. Check your network connection and the server address.</translation>
    </message>
</context>
</TS>
