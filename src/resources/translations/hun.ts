<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>The quota of destination shared folder has reached the system limit. Please change the quota limit on the server or contact the system administrator.</source>
        <translation>A cél megosztott mappa kvótája elérte a rendszerkorlátot. Módosítsa a kvótakorlátot a kiszolgálón, vagy forduljon a rendszergazdához.</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Módosítva</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>Elfelejtette a jelszavát?</translation>
    </message>
    <message>
        <source>Field cannot exceed %1 numbers.</source>
        <translation>A mező legfeljebb %1 számjegyet tartalmazhat.</translation>
    </message>
    <message>
        <source>Show or hide the password</source>
        <translation>Jelszó megjelenítése vagy elrejtése</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Kihagyás</translation>
    </message>
    <message>
        <source>Verifying files...</source>
        <translation>Fájlok ellenőrzése...</translation>
    </message>
    <message>
        <source>Dismiss notification</source>
        <translation>Értesítés bezárása</translation>
    </message>
    <message>
        <source>Take Snapshot</source>
        <translation>Pillanatkép készítése</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Részletek</translation>
    </message>
    <message>
        <source>Upload queue</source>
        <translation>Feltöltési sor</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Névjegy</translation>
    </message>
    <message>
        <source>Sync Task</source>
        <translation>Szinkronizálási feladat</translation>
    </message>
    <message>
        <source>Starting services</source>
        <translation>Szolgáltatások indítása</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation>Folytatás mégis</translation>
    </message>
    <message>
        <source>%1 was not synced because it matches a filter rule.</source>
        <translation>A(z) %1 nem szinkronizálódott, mert megfelel egy szűrőszabálynak.</translation>
    </message>
    <message>
        <source>Resume All</source>
        <translation>Összes folytatása</translation>
    </message>
    <message>
        <source>Local network only</source>
        <translation>Csak helyi hálózat</translation>
    </message>
    <message>
        <source>A relay connection can be slower than a direct connection.</source>
        <translation>A továbbított kapcsolat lassabb lehet a közvetlen kapcsolatnál.</translation>
    </message>
    <message>
        <source>Encryption key</source>
        <translation>Titkosítási kulcs</translation>
    </message>
    <message>
        <source>Back up only when I start it manually</source>
        <translation>Mentés csak kézi indításra</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hiba</translation>
    </message>
    <message>
        <source>Server: %1</source>
        <translation>Kiszolgáló: %1</translation>
    </message>
    <message>
        <source>Can view</source>
        <translation>Megtekintheti</translation>
    </message>
    <message>
        <source>[ProductName] setup was interrupted. Your system has not been modified. To install this program at a later time, please run the installation again.</source>
        <translation>A(z) [ProductName] telepítése megszakadt. A rendszer nem módosult. Ha később szeretné telepíteni a programot, futtassa újra a telepítést.</translation>
    </message>
    <message>
        <source>Connect to a server</source>
        <translation>Csatlakozás kiszolgálóhoz</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Általános</translation>
    </message>
    <message>
        <source>Proxy server requires a password</source>
        <translation>A proxykiszolgáló jelszót kér</translation>
    </message>
    <message>
        <source>Field cannot exceed %1 characters.</source>
        <translation>A mező legfeljebb %1 karaktert tartalmazhat.</translation>
    </message>
    <message>
        <source>I &amp;accept the terms in the License Agreement</source>
        <translation>&amp;Elfogadom a licencszerződés feltételeit</translation>
    </message>
    <message>
        <source>Only the checked folders are synced to this computer.</source>
        <translation>Csak a bejelölt mappák szinkronizálódnak erre a számítógépre.</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>A biztonsági mentés nem sikerült.</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation>Frissítés folyamatban...</translation>
    </message>
    <message>
        <source>Pause syncing on metered connections</source>
        <translation>Szinkronizálás szüneteltetése forgalomkorlátos kapcsolaton</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Kezdés</translation>
    </message>
    <message>
        <source>Restore this version? The current version will be saved as a previous version.</source>
        <translation>Visszaállítja ezt a verziót? A jelenlegi verzió korábbi verzióként mentődik.</translation>
    </message>
    <message>
        <source>Updating %1...</source>
        <translation>A(z) %1 frissítése folyamatban...</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Keresés</translation>
    </message>
    <message>
        <source>Folders on a network drive cannot be synced.</source>
        <translation>A hálózati meghajtón lévő mappák nem szinkronizálhatók.</translation>
    </message>
    <message>
        <source>Restore Down</source>
        <translation>Előző méret</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Lista nézet</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Kiszolgálók keresése a helyi hálózaton</translation>
    </message>
    <message>
        <source>There are no previous versions of this file.</source>
        <translation>Ennek a fájlnak nincsenek korábbi verziói.</translation>
    </message>
    <message>
        <source>Backup cancelled</source>
        <translation>A biztonsági mentés megszakítva</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>Ne jelenjen meg többé</translation>
    </message>
    <message>
        <source>Enter the encryption key to open this shared folder.</source>
        <translation>A megosztott mappa megnyitásához adja meg a titkosítási kulcsot.</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Téma</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Alkalmaz</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Fájlnevek</translation>
    </message>
    <message>
        <source>Do not sync files larger than</source>
        <translation>Ne legyenek szinkronizálva az ennél nagyobb fájlok</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Írás</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Fájl megnyitása</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Különbség</translation>
    </message>
    <message>
        <source>Restore Files</source>
        <translation>Fájlok visszaállítása</translation>
    </message>
    <message>
        <source>Files deleted on this computer are moved to the recycle bin of the shared folder on the server.</source>
        <translation>A számítógépen törölt fájlok a kiszolgálón lévő megosztott mappa lomtárába kerülnek.</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>&amp;Telepítés</translation>
    </message>
    <message>
        <source>%1 files were skipped because they were in use.</source>
        <translation>Használatban lévő, kihagyott fájlok: %1.</translation>
    </message>
    <message>
        <source>The drive uses the FAT file system, which does not support files larger than 4 GB. Files over this size will not be synced.</source>
        <translation>A meghajtó FAT fájlrendszert használ, amely nem támogatja a 4 GB-nál nagyobb fájlokat. Az ennél nagyobb fájlok nem szinkronizálódnak.</translation>
    </message>
    <message>
        <source>%1 files were deleted on the server.</source>
        <translation>A kiszolgálón törölt fájlok: %1.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Adatvédelem</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Igen</translation>
    </message>
    <message>
        <source>Connected through the relay service</source>
        <translation>Csatlakozva a továbbítási szolgáltatáson keresztül</translation>
    </message>
    <message>
        <source>Connecting through the relay service...</source>
        <translation>Csatlakozás a továbbítási szolgáltatáson keresztül...</translation>
    </message>
    <message>
        <source>Install [ProductName] to:</source>
        <translation>A(z) [ProductName] telepítési helye:</translation>
    </message>
    <message>
        <source>Email Notifications</source>
        <translation>E-mail-értesítések</translation>
    </message>
    <message>
        <source>Battery is low. Syncing has been paused.</source>
        <translation>Az akkumulátor töltöttsége alacsony. A szinkronizálás szünetel.</translation>
    </message>
    <message>
        <source>Client ID</source>
        <translation>Kliensazonosító</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A task with this name already exists.</source>
        <translation>Már létezik ilyen nevű feladat.</translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely</source>
        <translation>A(z) [ProductName] telepítővarázslója idő előtt befejeződött</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Ez a számítógép</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nem</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Sikertelen</translation>
    </message>
    <message>
        <source>Connection status</source>
        <translation>Kapcsolat állapota</translation>
    </message>
    <message>
        <source>The sync service could not be started.</source>
        <translation>A szinkronizálási szolgáltatást nem sikerült elindítani.</translation>
    </message>
    <message>
        <source>Rolling back action:</source>
        <translation>Művelet visszavonása:</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Csatlakozás: %1...</translation>
    </message>
    <message>
        <source>Domain user</source>
        <translation>Tartományi felhasználó</translation>
    </message>
    <message>
        <source>Hide Details</source>
        <translation>Részletek elrejtése</translation>
    </message>
    <message>
        <source>About Quenmark Zelto Client</source>
        <translation>A Quenmark Zelto Client névjegye</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Naprakész</translation>
    </message>
    <message>
        <source>Notify me about conflicts</source>
        <translation>Értesítés ütközésekről</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client</source>
        <translation>Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Remove saved account</source>
        <translation>Mentett fiók eltávolítása</translation>
    </message>
    <message>
        <source>Restore to</source>
        <translation>Visszaállítás ide</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Frissítés</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Számítógépnév</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>The path of the folder is too long.</source>
        <translation>A mappa elérési útja túl hosszú.</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Emlékeztessen később</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>TB</translation>
    </message>
    <message>
        <source>This account has expired. Contact your system administrator.</source>
        <translation>Ez a fiók lejárt. Forduljon a rendszergazdához.</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Titkosítás</translation>
    </message>
    <message>
        <source>Clear Cache</source>
        <translation>Gyorsítótár ürítése</translation>
    </message>
    <message>
        <source>Release Notes</source>
        <translation>Kiadási megjegyzések</translation>
    </message>
    <message>
        <source>The installation failed. Please reinstall Quenmark Zelto Client.</source>
        <translation>A telepítés nem sikerült. Telepítse újra a Quenmark Zelto Clientet.</translation>
    </message>
    <message>
        <source>No access</source>
        <translation>Nincs hozzáférés</translation>
    </message>
    <message>
        <source>Local path</source>
        <translation>Helyi elérési út</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Név</translation>
    </message>
    <message>
        <source>Save Report...</source>
        <translation>Jelentés mentése...</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Kiszolgáló</translation>
    </message>
    <message>
        <source>Connect with HTTPS (recommended)</source>
        <translation>Csatlakozás HTTPS-en keresztül (ajánlott)</translation>
    </message>
    <message>
        <source>Unable to install the update.</source>
        <translation>A frissítés nem telepíthető.</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Felhasználónév</translation>
    </message>
    <message>
        <source>The Setup Wizard will update the installed [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>A telepítővarázsló frissíti a számítógépre telepített [ProductName] programot. A folytatáshoz kattintson a Tovább, a kilépéshez a Mégse gombra.</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>Ütközés</translation>
    </message>
    <message>
        <source>Folder on server</source>
        <translation>Mappa a kiszolgálón</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Összes</translation>
    </message>
    <message>
        <source>Search file names</source>
        <translation>Keresés a fájlnevekben</translation>
    </message>
    <message>
        <source>Restart File Manager</source>
        <translation>Fájlkezelő újraindítása</translation>
    </message>
    <message>
        <source>Verify Backup</source>
        <translation>Biztonsági mentés ellenőrzése</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Új név</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Speciális</translation>
    </message>
    <message>
        <source>Download speed</source>
        <translation>Letöltési sebesség</translation>
    </message>
    <message>
        <source>Issued by</source>
        <translation>Kiállító</translation>
    </message>
    <message>
        <source>Click Remove to remove [ProductName] from your computer. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>A(z) [ProductName] számítógépről való eltávolításához kattintson az Eltávolítás gombra. A telepítési beállítások áttekintéséhez vagy módosításához kattintson a Vissza, a varázslóból való kilépéshez a Mégse gombra.</translation>
    </message>
    <message>
        <source>Show all server files on this computer and download them only when you open them, saving local disk space.</source>
        <translation>A kiszolgáló összes fájlját megjeleníti ezen a számítógépen, de csak megnyitáskor tölti le őket, így helyet takarít meg a helyi lemezen.</translation>
    </message>
    <message>
        <source>Destination folder on server</source>
        <translation>Célmappa a kiszolgálón</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>There is not enough free space on the server.</source>
        <translation>Nincs elég szabad hely a kiszolgálón.</translation>
    </message>
    <message>
        <source>You need administrator privileges to install [ProductName]. Sign in as an administrator and run the setup again.</source>
        <translation>A(z) [ProductName] telepítéséhez rendszergazdai jogosultság szükséges. Jelentkezzen be rendszergazdaként, és futtassa újra a telepítőt.</translation>
    </message>
    <message>
        <source>A test email has been sent.</source>
        <translation>A teszt e-mail elküldve.</translation>
    </message>
    <message>
        <source>Enter a name for the task.</source>
        <translation>Adjon nevet a feladatnak.</translation>
    </message>
    <message>
        <source>Syncing %1 of %2 files</source>
        <translation>Fájlok szinkronizálása: %1 / %2</translation>
    </message>
    <message>
        <source>Add Rule</source>
        <translation>Szabály hozzáadása</translation>
    </message>
    <message>
        <source>Password field</source>
        <translation>Jelszó mező</translation>
    </message>
    <message>
        <source>File Conflict</source>
        <translation>Fájlütközés</translation>
    </message>
    <message>
        <source>Moving your settings to the new version...</source>
        <translation>A beállítások áthelyezése az új verzióba...</translation>
    </message>
    <message>
        <source>Folders on a removable drive cannot be synced.</source>
        <translation>A cserélhető meghajtón lévő mappák nem szinkronizálhatók.</translation>
    </message>
    <message>
        <source>Backup Task</source>
        <translation>Biztonsági mentési feladat</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Naplómappa megnyitása</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Megszakítva</translation>
    </message>
    <message>
        <source>Compress data during transfer</source>
        <translation>Adatok tömörítése átvitel közben</translation>
    </message>
    <message>
        <source>Backups run automatically at the times you choose. A running backup is not interrupted when its time slot ends.</source>
        <translation>A biztonsági mentések automatikusan futnak a választott időpontokban. A folyamatban lévő mentés nem szakad meg az időablak végén.</translation>
    </message>
    <message>
        <source>Export Settings...</source>
        <translation>Beállítások exportálása...</translation>
    </message>
    <message>
        <source>A conflict was found in %1. Both versions have been kept.</source>
        <translation>Ütközés található itt: %1. Mindkét verzió megmaradt.</translation>
    </message>
    <message>
        <source>Start Quenmark Zelto Client when I sign in</source>
        <translation>A Quenmark Zelto Client indítása bejelentkezéskor</translation>
    </message>
    <message>
        <source>Copying new files</source>
        <translation>Új fájlok másolása</translation>
    </message>
    <message>
        <source>Contact your system administrator.</source>
        <translation>Forduljon a rendszergazdához.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Create Sharing Link</source>
        <translation>Megosztási hivatkozás létrehozása</translation>
    </message>
    <message>
        <source>The sync service stopped unexpectedly.</source>
        <translation>A szinkronizálási szolgáltatás váratlanul leállt.</translation>
    </message>
    <message>
        <source>The background service is running.</source>
        <translation>A háttérszolgáltatás fut.</translation>
    </message>
    <message>
        <source>Folders you uncheck will be removed from this computer but stay on the server.</source>
        <translation>A jelöletlen mappák törlődnek erről a számítógépről, de a kiszolgálón megmaradnak.</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Hely</translation>
    </message>
    <message>
        <source>Always trust this certificate</source>
        <translation>Mindig megbízom ebben a tanúsítványban</translation>
    </message>
    <message>
        <source>Files are synced into this folder. You can pick an empty folder or a folder that already holds files.</source>
        <translation>A fájlok ebbe a mappába szinkronizálódnak. Választhat üres mappát vagy olyat, amely már tartalmaz fájlokat.</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Soha</translation>
    </message>
    <message>
        <source>The task has been removed.</source>
        <translation>A feladat eltávolítva.</translation>
    </message>
    <message>
        <source>Local folder path field</source>
        <translation>Helyi mappa elérési útja mező</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client %1 is available. You have version %2.</source>
        <translation>Elérhető a Quenmark Zelto Client %1. Az Ön verziója: %2.</translation>
    </message>
    <message>
        <source>Original location</source>
        <translation>Eredeti hely</translation>
    </message>
    <message>
        <source>Space needed: %1</source>
        <translation>Szükséges hely: %1</translation>
    </message>
    <message>
        <source>Every hour</source>
        <translation>Óránként</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eltávolítás</translation>
    </message>
    <message>
        <source>Modified by</source>
        <translation>Módosította</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>bájt</translation>
    </message>
    <message>
        <source>%1 was added.</source>
        <translation>Hozzáadva: %1.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Verzió: %1</translation>
    </message>
    <message>
        <source>Drag files here to upload them.</source>
        <translation>Húzza ide a fájlokat a feltöltésükhöz.</translation>
    </message>
    <message>
        <source>Smart retention</source>
        <translation>Intelligens megőrzés</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Kezdési idő</translation>
    </message>
    <message>
        <source>Your password has expired. Change it on the server, then sign in again.</source>
        <translation>A jelszava lejárt. Módosítsa a kiszolgálón, majd jelentkezzen be újra.</translation>
    </message>
    <message>
        <source>The proxy server requires authentication.</source>
        <translation>A proxykiszolgáló hitelesítést kér.</translation>
    </message>
    <message>
        <source>Prefer IPv6</source>
        <translation>IPv6 előnyben részesítése</translation>
    </message>
    <message>
        <source>Select Folders...</source>
        <translation>Mappák kiválasztása...</translation>
    </message>
    <message>
        <source>The logs have been saved to %1.</source>
        <translation>A naplók mentési helye: %1.</translation>
    </message>
    <message>
        <source>Connected through the local network</source>
        <translation>Csatlakozva a helyi hálózaton keresztül</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Frissítés</translation>
    </message>
    <message>
        <source>A new version of Quenmark Zelto Client is available.</source>
        <translation>Elérhető a Quenmark Zelto Client új verziója.</translation>
    </message>
    <message>
        <source>No recent changes</source>
        <translation>Nincsenek friss változások</translation>
    </message>
    <message>
        <source>Syncing is paused</source>
        <translation>A szinkronizálás szüneteltetve</translation>
    </message>
    <message>
        <source>Keep Files</source>
        <translation>Fájlok megtartása</translation>
    </message>
    <message>
        <source>Manage Tasks</source>
        <translation>Feladatok kezelése</translation>
    </message>
    <message>
        <source>Free Up Space</source>
        <translation>Hely felszabadítása</translation>
    </message>
    <message>
        <source>Desktop shortcut</source>
        <translation>Asztali parancsikon</translation>
    </message>
    <message>
        <source>[ProductName] cannot be installed on this version of the operating system.</source>
        <translation>A(z) [ProductName] nem telepíthető az operációs rendszer ezen verziójára.</translation>
    </message>
    <message>
        <source>No entries match your search.</source>
        <translation>Nincs a keresésnek megfelelő bejegyzés.</translation>
    </message>
    <message>
        <source>Show tips at startup</source>
        <translation>Tippek megjelenítése indításkor</translation>
    </message>
    <message>
        <source>Last backup failed %1</source>
        <translation>Legutóbbi biztonsági mentés sikertelen: %1</translation>
    </message>
    <message>
        <source>You must restart your system for the configuration changes made to [ProductName] to take effect. Click Yes to restart now or No if you plan to restart later.</source>
        <translation>A(z) [ProductName] konfigurációs módosításainak érvénybe lépéséhez újra kell indítania a rendszert. Az azonnali újraindításhoz kattintson az Igen, a későbbi újraindításhoz a Nem gombra.</translation>
    </message>
    <message>
        <source>&amp;Close the applications and attempt to restart them.</source>
        <translation>Az alkalmazások &amp;bezárása és újraindításuk megkísérlése.</translation>
    </message>
    <message>
        <source>An unknown error occurred. Please try again later.</source>
        <translation>Ismeretlen hiba történt. Próbálja újra később.</translation>
    </message>
    <message>
        <source>Tell us what went wrong or what you would like to see improved.</source>
        <translation>Írja meg, mi nem működött, vagy min javítsunk.</translation>
    </message>
    <message>
        <source>Default port</source>
        <translation>Alapértelmezett port</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>Új mappa létrehozása</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>Ez a mappa üres.</translation>
    </message>
    <message>
        <source>Copied to the clipboard</source>
        <translation>Vágólapra másolva</translation>
    </message>
    <message>
        <source>Change, repair, or remove installation</source>
        <translation>Telepítés módosítása, javítása vagy eltávolítása</translation>
    </message>
    <message>
        <source>Unable to open the local database.</source>
        <translation>A helyi adatbázis nem nyitható meg.</translation>
    </message>
    <message>
        <source>Back Up This Folder</source>
        <translation>Mappa biztonsági mentése</translation>
    </message>
    <message>
        <source>Add Account...</source>
        <translation>Fiók hozzáadása...</translation>
    </message>
    <message>
        <source>Do this for all conflicts</source>
        <translation>Alkalmazás minden ütközésre</translation>
    </message>
    <message>
        <source>View Issues</source>
        <translation>Problémák megtekintése</translation>
    </message>
    <message>
        <source>The highlighted volumes do not have enough disk space available for the currently selected features. You can remove some files from the highlighted volumes, or cancel the installation.</source>
        <translation>A kiemelt köteteken nincs elég szabad hely a kiválasztott szolgáltatásokhoz. Eltávolíthat fájlokat a kiemelt kötetekről, vagy megszakíthatja a telepítést.</translation>
    </message>
    <message>
        <source>Fine-tune what is synced. You can change these options later in Settings.</source>
        <translation>Finomhangolja, mi legyen szinkronizálva. Ezeket a beállításokat később a Beállításokban módosíthatja.</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Eszközök</translation>
    </message>
    <message>
        <source>Do you want to sign out? All sync tasks of this account will stop.</source>
        <translation>Kijelentkezik? A fiók összes szinkronizálási feladata leáll.</translation>
    </message>
    <message>
        <source>Notify me when others change shared files</source>
        <translation>Értesítés, ha mások módosítják a megosztott fájlokat</translation>
    </message>
    <message>
        <source>Click Next to install to the default folder or click Change to choose another.</source>
        <translation>Az alapértelmezett mappába történő telepítéshez kattintson a Tovább, másik mappa választásához a Módosítás gombra.</translation>
    </message>
    <message>
        <source>Previous Versions</source>
        <translation>Korábbi verziók</translation>
    </message>
    <message>
        <source>I lost my authentication device</source>
        <translation>Elvesztettem a hitelesítő eszközömet</translation>
    </message>
    <message>
        <source>Enter the address of the server you want to sync with.</source>
        <translation>Adja meg annak a kiszolgálónak a címét, amellyel szinkronizálni szeretne.</translation>
    </message>
    <message>
        <source>Check file consistency after sync</source>
        <translation>Fájlok konzisztenciájának ellenőrzése szinkronizálás után</translation>
    </message>
    <message>
        <source>The identity of the server has changed. If you did not expect this, someone may be intercepting your connection.</source>
        <translation>A kiszolgáló azonosítója megváltozott. Ha erre nem számított, lehet, hogy valaki lehallgatja a kapcsolatot.</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Előzmények törlése</translation>
    </message>
    <message>
        <source>Quit Quenmark Zelto Client</source>
        <translation>Kilépés a Quenmark Zelto Clientből</translation>
    </message>
    <message>
        <source>Server folder path field</source>
        <translation>Kiszolgálómappa elérési útja mező</translation>
    </message>
    <message>
        <source>Remove Folder</source>
        <translation>Mappa eltávolítása</translation>
    </message>
    <message>
        <source>Opened %1 times</source>
        <translation>Megnyitások száma: %1</translation>
    </message>
    <message>
        <source>%1 files backed up, %2 skipped</source>
        <translation>Mentett fájlok: %1, kihagyva: %2</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Biztonsági mentés folyamatban...</translation>
    </message>
    <message>
        <source>Do you want to disconnect this computer from %1?</source>
        <translation>Leválasztja ezt a számítógépet erről: %1?</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Megjelenítés</translation>
    </message>
    <message>
        <source>Show the sync folder in the file manager sidebar</source>
        <translation>A szinkronizált mappa megjelenítése a fájlkezelő oldalsávjában</translation>
    </message>
    <message>
        <source>Run Diagnostics</source>
        <translation>Diagnosztika futtatása</translation>
    </message>
    <message>
        <source>Notify me about errors</source>
        <translation>Értesítés hibákról</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>&amp;Módosítás...</translation>
    </message>
    <message>
        <source>Separate extensions with commas, for example tmp, bak</source>
        <translation>A kiterjesztéseket vesszővel válassza el, például: tmp, bak</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Tétlen</translation>
    </message>
    <message>
        <source>Scanning files on the server...</source>
        <translation>A kiszolgálón lévő fájlok vizsgálata...</translation>
    </message>
    <message>
        <source>Keep history for %1 days</source>
        <translation>Előzmények megőrzése %1 napig</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Olvasás</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Vissza</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>A művelet nem sikerült.</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Tallózás...</translation>
    </message>
    <message>
        <source>Restart Now</source>
        <translation>Újraindítás most</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Állapot</translation>
    </message>
    <message>
        <source>Unable to connect through the proxy server.</source>
        <translation>Nem lehet csatlakozni a proxykiszolgálón keresztül.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Típus</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Letöltés: %1</translation>
    </message>
    <message>
        <source>Delete Files</source>
        <translation>Fájlok törlése</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Access from your IP address has been denied by the server. Contact the system administrator.</source>
        <translation>A kiszolgáló megtagadta a hozzáférést az Ön IP-címéről. Forduljon a rendszergazdához.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Kilépés</translation>
    </message>
    <message>
        <source>Import Settings...</source>
        <translation>Beállítások importálása...</translation>
    </message>
    <message>
        <source>There is not enough memory to complete the operation.</source>
        <translation>Nincs elég memória a művelet befejezéséhez.</translation>
    </message>
    <message>
        <source>Unable to load the settings. Default settings will be used.</source>
        <translation>A beállítások nem tölthetők be. Az alapértelmezett beállítások lesznek érvényben.</translation>
    </message>
    <message>
        <source>The server is busy. Please try again later.</source>
        <translation>A kiszolgáló foglalt. Próbálja újra később.</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Sávszélesség</translation>
    </message>
    <message>
        <source>Low disk space</source>
        <translation>Kevés a lemezterület</translation>
    </message>
    <message>
        <source>Verifying backup...</source>
        <translation>A biztonsági mentés ellenőrzése...</translation>
    </message>
    <message>
        <source>Running diagnostics...</source>
        <translation>Diagnosztika folyamatban...</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Tallózás...</translation>
    </message>
    <message>
        <source>Skip existing files</source>
        <translation>Meglévő fájlok kihagyása</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Fájlnév</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Files already in it will be merged with the files on the server.</source>
        <translation>A kijelölt mappa nem üres. A benne lévő fájlok egyesülnek a kiszolgálón lévő fájlokkal.</translation>
    </message>
    <message>
        <source>SOCKS5</source>
        <translation>SOCKS5</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Your IP address has been blocked for %1 minutes.</source>
        <translation>Túl sok sikertelen bejelentkezési kísérlet. Az IP-címét %1 percre letiltottuk.</translation>
    </message>
    <message>
        <source>Limit to</source>
        <translation>Korlátozás erre</translation>
    </message>
    <message>
        <source>Show a pop-up message</source>
        <translation>Előugró üzenet megjelenítése</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Kapcsolat bontva</translation>
    </message>
    <message>
        <source>Two-step verification</source>
        <translation>Kétlépéses azonosítás</translation>
    </message>
    <message>
        <source>Ready to repair [ProductName]</source>
        <translation>A(z) [ProductName] javítása indítható</translation>
    </message>
    <message>
        <source>The source folder %1 could not be found. Connect the drive or remove the folder from the backup.</source>
        <translation>A(z) %1 forrásmappa nem található. Csatlakoztassa a meghajtót, vagy távolítsa el a mappát a biztonsági mentésből.</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>The end time must be later than the start time.</source>
        <translation>A befejezési időnek a kezdési idő utánra kell esnie.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Idő</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Rendelkezésre áll</translation>
    </message>
    <message>
        <source>Enable debug logging</source>
        <translation>Hibakeresési naplózás engedélyezése</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics to help improve the product</source>
        <translation>Névtelen használati statisztikák küldése a termék fejlesztéséhez</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Keresés törlése</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Jelszó megjelenítése</translation>
    </message>
    <message>
        <source>The link was created.</source>
        <translation>A hivatkozás elkészült.</translation>
    </message>
    <message>
        <source>This server has no shared folder you can access. Ask the administrator for permission.</source>
        <translation>Ezen a kiszolgálón nincs Ön által elérhető megosztott mappa. Kérjen engedélyt a rendszergazdától.</translation>
    </message>
    <message>
        <source>The background service is not running.</source>
        <translation>A háttérszolgáltatás nem fut.</translation>
    </message>
    <message>
        <source>Restore files as they were on</source>
        <translation>A fájlok visszaállítása erre az állapotra</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Folytatás</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs [ProductName].</source>
        <translation>Várjon, amíg a telepítővarázsló telepíti a(z) [ProductName] programot.</translation>
    </message>
    <message>
        <source>Syncing is paused on a metered connection.</source>
        <translation>Forgalomkorlátos kapcsolaton a szinkronizálás szünetel.</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Ismeretlen</translation>
    </message>
    <message>
        <source>This rule already exists.</source>
        <translation>Ez a szabály már létezik.</translation>
    </message>
    <message>
        <source>List of recent file changes</source>
        <translation>A legutóbbi fájlváltozások listája</translation>
    </message>
    <message>
        <source>Team Folders</source>
        <translation>Csapatmappák</translation>
    </message>
    <message>
        <source>Remove the selected task</source>
        <translation>A kijelölt feladat eltávolítása</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>Jelenlegi jelszó</translation>
    </message>
    <message>
        <source>Same as the system</source>
        <translation>A rendszerrel azonos</translation>
    </message>
    <message>
        <source>Review the settings below, then click Done to start syncing.</source>
        <translation>Tekintse át az alábbi beállításokat, majd a szinkronizálás indításához kattintson a Kész gombra.</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Diagnosztika</translation>
    </message>
    <message>
        <source>Unable to read %1.</source>
        <translation>Nem olvasható: %1.</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>A szinkronizálás befejeződött</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Fiók</translation>
    </message>
    <message>
        <source>Start minimized to the notification area</source>
        <translation>Indítás kis méretben az értesítési területen</translation>
    </message>
    <message>
        <source>This wizard helps you connect this computer to your server and choose which folders to keep in sync.</source>
        <translation>Ez a varázsló segít a számítógépet a kiszolgálóhoz csatlakoztatni, és kiválasztani a szinkronizálandó mappákat.</translation>
    </message>
    <message>
        <source>You are using the latest version.</source>
        <translation>A legújabb verziót használja.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached.</source>
        <translation>Elérte a tárhelykvótáját a kiszolgálón.</translation>
    </message>
    <message>
        <source>Show Toolbar</source>
        <translation>Eszköztár megjelenítése</translation>
    </message>
    <message>
        <source>%1 changes are waiting to be synced.</source>
        <translation>Szinkronizálásra váró változások: %1.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Szüneteltetés</translation>
    </message>
    <message>
        <source>Do you want to remove Quenmark Zelto Client and all of its components?</source>
        <translation>Eltávolítja a Quenmark Zelto Clientet és minden összetevőjét?</translation>
    </message>
    <message>
        <source>I accept the terms of the license agreement</source>
        <translation>Elfogadom a licencszerződés feltételeit</translation>
    </message>
    <message>
        <source>System folders cannot be synced. Choose another folder.</source>
        <translation>A rendszermappák nem szinkronizálhatók. Válasszon másik mappát.</translation>
    </message>
    <message>
        <source>Launch at startup</source>
        <translation>Indítás a rendszer indulásakor</translation>
    </message>
    <message>
        <source>Two-step verification is required for this account.</source>
        <translation>Ehhez a fiókhoz kétlépéses azonosítás szükséges.</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>Rebuild Database</source>
        <translation>Adatbázis újraépítése</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Bejelentkezés</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Szombat</translation>
    </message>
    <message>
        <source>The connection to the server timed out.</source>
        <translation>A kiszolgálóhoz való csatlakozás túllépte az időkorlátot.</translation>
    </message>
    <message>
        <source>Internet access</source>
        <translation>Internetes hozzáférés</translation>
    </message>
    <message>
        <source>Show Quenmark Zelto Client items in the file manager context menu</source>
        <translation>A Quenmark Zelto Client elemeinek megjelenítése a fájlkezelő helyi menüjében</translation>
    </message>
    <message>
        <source>&amp;Repair</source>
        <translation>&amp;Javítás</translation>
    </message>
    <message>
        <source>Select the files and folders to restore.</source>
        <translation>Jelölje ki a visszaállítandó fájlokat és mappákat.</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Gyorsítótár</translation>
    </message>
    <message>
        <source>%1 is a reserved name and cannot be used.</source>
        <translation>A(z) %1 foglalt név, nem használható.</translation>
    </message>
    <message>
        <source>%1 was updated.</source>
        <translation>Frissítve: %1.</translation>
    </message>
    <message>
        <source>SMTP server</source>
        <translation>SMTP-kiszolgáló</translation>
    </message>
    <message>
        <source>No file has been synced yet.</source>
        <translation>Még egyetlen fájl sem lett szinkronizálva.</translation>
    </message>
    <message>
        <source>Open Web Portal</source>
        <translation>Webportál megnyitása</translation>
    </message>
    <message>
        <source>Background service</source>
        <translation>Háttérszolgáltatás</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Újra</translation>
    </message>
    <message>
        <source>View Certificate</source>
        <translation>Tanúsítvány megtekintése</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>perc</translation>
    </message>
    <message>
        <source>Not synced</source>
        <translation>Nincs szinkronizálva</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Online súgó</translation>
    </message>
    <message>
        <source>The server name could not be resolved.</source>
        <translation>A kiszolgáló nevét nem sikerült feloldani.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Figyelmeztetés</translation>
    </message>
    <message>
        <source>The link could not be copied.</source>
        <translation>A hivatkozást nem sikerült másolni.</translation>
    </message>
    <message>
        <source>Run a missed backup when the computer starts</source>
        <translation>Kimaradt mentés futtatása a számítógép indulásakor</translation>
    </message>
    <message>
        <source>Every %1 hours</source>
        <translation>%1 óránként</translation>
    </message>
    <message>
        <source>Out of Disk Space</source>
        <translation>Nincs elég lemezterület</translation>
    </message>
    <message>
        <source>The link has been copied to the clipboard.</source>
        <translation>A hivatkozás a vágólapra került.</translation>
    </message>
    <message>
        <source>Open settings</source>
        <translation>Beállítások megnyitása</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel [ProductName] installation?</source>
        <translation>Biztosan megszakítja a(z) [ProductName] telepítését?</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Szerkesztés</translation>
    </message>
    <message>
        <source>Enter a port number between 1 and 65535.</source>
        <translation>Adjon meg 1 és 65535 közötti portszámot.</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Szűrők</translation>
    </message>
    <message>
        <source>Disk Size</source>
        <translation>Lemezméret</translation>
    </message>
    <message>
        <source>This version of the file is no longer available.</source>
        <translation>A fájl ezen verziója már nem érhető el.</translation>
    </message>
    <message>
        <source>Hide Window</source>
        <translation>Ablak elrejtése</translation>
    </message>
    <message>
        <source>Remove Rule</source>
        <translation>Szabály eltávolítása</translation>
    </message>
    <message>
        <source>Your session has expired. Please sign in again.</source>
        <translation>A munkamenet lejárt. Jelentkezzen be újra.</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Tartomány</translation>
    </message>
    <message>
        <source>Symbolic links are not synced.</source>
        <translation>A szimbolikus hivatkozások nem szinkronizálódnak.</translation>
    </message>
    <message>
        <source>Create Backup Task</source>
        <translation>Biztonsági mentési feladat létrehozása</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Másolás</translation>
    </message>
    <message>
        <source>Overwrite existing files</source>
        <translation>Meglévő fájlok felülírása</translation>
    </message>
    <message>
        <source>Unpacking %1...</source>
        <translation>A(z) %1 kicsomagolása folyamatban...</translation>
    </message>
    <message>
        <source>Keep the files in a folder on this computer and a folder on the server identical. Changes on either side are applied to the other.</source>
        <translation>Egy mappát ezen a számítógépen és egy mappát a kiszolgálón azonos tartalommal tart. Az egyik oldalon végzett módosítások a másikon is megjelennek.</translation>
    </message>
    <message>
        <source>Select the type of task you want to create. You can add more tasks later.</source>
        <translation>Válassza ki a létrehozandó feladat típusát. Később további feladatokat is felvehet.</translation>
    </message>
    <message>
        <source>Rename Task</source>
        <translation>Feladat átnevezése</translation>
    </message>
    <message>
        <source>Change Password...</source>
        <translation>Jelszó módosítása...</translation>
    </message>
    <message>
        <source>Syncing is paused to save battery power.</source>
        <translation>Az akkumulátor kímélése érdekében a szinkronizálás szünetel.</translation>
    </message>
    <message>
        <source>The Setup Wizard will install [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>A telepítővarázsló telepíti a(z) [ProductName] programot a számítógépre. A folytatáshoz kattintson a Tovább, a kilépéshez a Mégse gombra.</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Engedélyek</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Megjelenítés a mappában</translation>
    </message>
    <message>
        <source>Keep file versions</source>
        <translation>Fájlverziók megőrzése</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Törlés</translation>
    </message>
    <message>
        <source>The connection to the server was lost. Syncing will resume when the connection is restored.</source>
        <translation>Megszakadt a kapcsolat a kiszolgálóval. A szinkronizálás a kapcsolat helyreállása után folytatódik.</translation>
    </message>
    <message>
        <source>The shared folder is encrypted and has not been mounted on the server.</source>
        <translation>A megosztott mappa titkosított, és nincs csatlakoztatva a kiszolgálón.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Bezárás</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client - %1</source>
        <translation>Quenmark Zelto Client - %1</translation>
    </message>
    <message>
        <source>The version of the server is too old. Update the server to version %1 or later.</source>
        <translation>A kiszolgáló verziója túl régi. Frissítse a kiszolgálót legalább a(z) %1 verzióra.</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Mappa hozzáadása...</translation>
    </message>
    <message>
        <source>Restored</source>
        <translation>Visszaállítva</translation>
    </message>
    <message>
        <source>Reconnecting in %1 seconds...</source>
        <translation>Újracsatlakozás %1 másodperc múlva...</translation>
    </message>
    <message>
        <source>Unable to connect through the proxy server %1.</source>
        <translation>Nem lehet csatlakozni a(z) %1 proxykiszolgálón keresztül.</translation>
    </message>
    <message>
        <source>Protect with a password</source>
        <translation>Védelem jelszóval</translation>
    </message>
    <message>
        <source>Enter a rate between 1 and 1048576 KB/s.</source>
        <translation>Adjon meg 1 és 1048576 KB/s közötti sebességet.</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Szoftverfrissítés</translation>
    </message>
    <message>
        <source>Please wait while the installer finishes determining your disk space requirements.</source>
        <translation>Várjon, amíg a telepítő meghatározza a szükséges lemezterületet.</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>H</translation>
    </message>
    <message>
        <source>The rule %1 is not valid.</source>
        <translation>A(z) %1 szabály érvénytelen.</translation>
    </message>
    <message>
        <source>Deleted files can be restored from the recycle bin of the shared folder.</source>
        <translation>A törölt fájlok visszaállíthatók a megosztott mappa lomtárából.</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Korlátlan</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Leállítás</translation>
    </message>
    <message>
        <source>%1 is initializing...</source>
        <translation>A(z) %1 inicializálása folyamatban...</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client main window</source>
        <translation>A Quenmark Zelto Client főablaka</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Átnevezés</translation>
    </message>
    <message>
        <source>Unable to write %1.</source>
        <translation>Nem írható: %1.</translation>
    </message>
    <message>
        <source>Log level</source>
        <translation>Naplózási szint</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Jelszó</translation>
    </message>
    <message>
        <source>days</source>
        <translation>nap</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Feltöltés</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Vendég</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>Pause All</source>
        <translation>Összes szüneteltetése</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Havonta</translation>
    </message>
    <message>
        <source>Prevent the computer from sleeping while syncing</source>
        <translation>A számítógép alvó állapotba lépésének megakadályozása szinkronizálás közben</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Méret</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Előzmények</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Kiszolgáló címe</translation>
    </message>
    <message>
        <source>Browse to the destination folder</source>
        <translation>Tallózzon a célmappához</translation>
    </message>
    <message>
        <source>Do you want to clear the history? This does not affect your files.</source>
        <translation>Törli az előzményeket? A fájljait ez nem érinti.</translation>
    </message>
    <message>
        <source>Remove old data</source>
        <translation>Régi adatok eltávolítása</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Emlékezzen rám</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Hetente</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>Sorban áll</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Frissítés most</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Csütörtök</translation>
    </message>
    <message>
        <source>The selected file does not contain valid settings.</source>
        <translation>A kijelölt fájl nem tartalmaz érvényes beállításokat.</translation>
    </message>
    <message>
        <source>The password is too weak.</source>
        <translation>A jelszó túl gyenge.</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Mappa kiválasztása</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard repairs [ProductName].</source>
        <translation>Várjon, amíg a telepítővarázsló kijavítja a(z) [ProductName] programot.</translation>
    </message>
    <message>
        <source>For example: tmp, log, iso</source>
        <translation>Például: tmp, log, iso</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Kijelentkezés</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Nem sikerült biztonságos kapcsolatot létesíteni a kiszolgálóval.</translation>
    </message>
    <message>
        <source>Pause the selected task</source>
        <translation>A kijelölt feladat szüneteltetése</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>Operációs rendszer</translation>
    </message>
    <message>
        <source>Do you want to remove the task %1? The files in the folders will not be deleted.</source>
        <translation>Eltávolítja a(z) %1 feladatot? A mappákban lévő fájlok nem törlődnek.</translation>
    </message>
    <message>
        <source>[ProductName] Setup</source>
        <translation>A(z) [ProductName] telepítője</translation>
    </message>
    <message>
        <source>This account has been disabled. Contact your system administrator.</source>
        <translation>Ez a fiók le van tiltva. Forduljon a rendszergazdához.</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Ma</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>E-mail-cím</translation>
    </message>
    <message>
        <source>The verification code is incorrect or has expired.</source>
        <translation>Az ellenőrző kód helytelen vagy lejárt.</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>Naplók</translation>
    </message>
    <message>
        <source>List of sync and backup tasks</source>
        <translation>Szinkronizálási és biztonsági mentési feladatok listája</translation>
    </message>
    <message>
        <source>Keep up to %1 versions of each file</source>
        <translation>Legfeljebb %1 verzió megőrzése fájlonként</translation>
    </message>
    <message>
        <source>%1 will be synced with %2.</source>
        <translation>Szinkronizálás: %1 &lt;-&gt; %2.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Összes kijelölése</translation>
    </message>
    <message>
        <source>Syncing %1</source>
        <translation>Szinkronizálás: %1</translation>
    </message>
    <message>
        <source>Free space</source>
        <translation>Szabad hely</translation>
    </message>
    <message>
        <source>Your feedback could not be sent. Please try again later.</source>
        <translation>A visszajelzést nem sikerült elküldeni. Próbálja újra később.</translation>
    </message>
    <message>
        <source>File manager integration</source>
        <translation>Fájlkezelő-integráció</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Új jelszó</translation>
    </message>
    <message>
        <source>Sign In with SSO</source>
        <translation>Bejelentkezés SSO-val</translation>
    </message>
    <message>
        <source>My Files</source>
        <translation>Saját fájlok</translation>
    </message>
    <message>
        <source>Sync new folders automatically</source>
        <translation>Új mappák automatikus szinkronizálása</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Frissítések keresése</translation>
    </message>
    <message>
        <source>Enter the 6-digit code from your authenticator app.</source>
        <translation>Adja meg a hitelesítő alkalmazásban látható 6 jegyű kódot.</translation>
    </message>
    <message>
        <source>Right-click a file for more options.</source>
        <translation>További lehetőségekért kattintson a jobb gombbal egy fájlra.</translation>
    </message>
    <message>
        <source>Server version</source>
        <translation>Kiszolgáló verziója</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client was removed from your computer.</source>
        <translation>A Quenmark Zelto Client el lett távolítva a számítógépről.</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Mappa neve</translation>
    </message>
    <message>
        <source>You have no tasks yet. Click Create Task to sync or back up a folder.</source>
        <translation>Még nincs feladata. Egy mappa szinkronizálásához vagy biztonsági mentéséhez kattintson a Feladat létrehozása gombra.</translation>
    </message>
    <message>
        <source>Indexing files...</source>
        <translation>Fájlok indexelése...</translation>
    </message>
    <message>
        <source>Verification code field</source>
        <translation>Ellenőrző kód mező</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Megtelt a lemez</translation>
    </message>
    <message>
        <source>Backup started</source>
        <translation>A biztonsági mentés elindult</translation>
    </message>
    <message>
        <source>The sync folder %1 was moved or deleted. Syncing has stopped for this task.</source>
        <translation>A(z) %1 szinkronizált mappát áthelyezték vagy törölték. A feladat szinkronizálása leállt.</translation>
    </message>
    <message>
        <source>The file was damaged during transfer and will be downloaded again.</source>
        <translation>A fájl az átvitel során megsérült, ezért újra letöltődik.</translation>
    </message>
    <message>
        <source>You have reached the maximum number of tasks (%1).</source>
        <translation>Elérte a feladatok maximális számát (%1).</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>óra</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Icon View</source>
        <translation>Ikon nézet</translation>
    </message>
    <message>
        <source>Backup finished</source>
        <translation>A biztonsági mentés befejeződött</translation>
    </message>
    <message>
        <source>Starting %1 for the first time. This may take a minute.</source>
        <translation>A(z) %1 első indítása. Ez egy percig is eltarthat.</translation>
    </message>
    <message>
        <source>Server path</source>
        <translation>Elérési út a kiszolgálón</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Jelszó módosítása</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-cím</translation>
    </message>
    <message>
        <source>Sync file permissions and timestamps</source>
        <translation>Fájlengedélyek és időbélyegek szinkronizálása</translation>
    </message>
    <message>
        <source>Syncing will stop when you quit. Quit Quenmark Zelto Client anyway?</source>
        <translation>Kilépéskor a szinkronizálás leáll. Mégis kilép a Quenmark Zelto Clientből?</translation>
    </message>
    <message>
        <source>Hidden files</source>
        <translation>Rejtett fájlok</translation>
    </message>
    <message>
        <source>The folder cannot be inside or contain a folder that is already synced.</source>
        <translation>A mappa nem lehet egy már szinkronizált mappán belül, és nem is tartalmazhat ilyet.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached. The backup cannot continue until space is freed.</source>
        <translation>Elérte a tárhelykvótáját a kiszolgálón. A biztonsági mentés csak hely felszabadítása után folytatódhat.</translation>
    </message>
    <message>
        <source>Download queue</source>
        <translation>Letöltési sor</translation>
    </message>
    <message>
        <source>This computer is registered with the server.</source>
        <translation>Ez a számítógép regisztrálva van a kiszolgálón.</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Lomtár</translation>
    </message>
    <message>
        <source>Back up changes continuously</source>
        <translation>Módosítások folyamatos mentése</translation>
    </message>
    <message>
        <source>Source folders</source>
        <translation>Forrásmappák</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Licencszerződés</translation>
    </message>
    <message>
        <source>Sync options</source>
        <translation>Szinkronizálási beállítások</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>Minden kész!</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Kihagyás</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Nyelv</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Új mappa</translation>
    </message>
    <message>
        <source>Add to the &amp;Start menu</source>
        <translation>Hozzáadás a &amp;Start menühöz</translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation>Bejelentkezés...</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>A telepítés elindításához kattintson a Telepítés gombra. A telepítési beállítások áttekintéséhez vagy módosításához kattintson a Vissza, a varázslóból való kilépéshez a Mégse gombra.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client cannot write to %1. Check the folder permissions.</source>
        <translation>A Quenmark Zelto Client nem tud írni ide: %1. Ellenőrizze a mappa engedélyeit.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Ennek a verziónak a kihagyása</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>Látogasson el webhelyünkre</translation>
    </message>
    <message>
        <source>Open Local Folder</source>
        <translation>Helyi mappa megnyitása</translation>
    </message>
    <message>
        <source>Removing [ProductName]</source>
        <translation>A(z) [ProductName] eltávolítása</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Mappa megnyitása</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hozzáadás</translation>
    </message>
    <message>
        <source>Copyright (c) Quenmark. All rights reserved.</source>
        <translation>Copyright (c) Quenmark. Minden jog fenntartva.</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Eszköz eltávolítása</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>The session is locked.</source>
        <translation>A munkamenet zárolva van.</translation>
    </message>
    <message>
        <source>Downloading on demand...</source>
        <translation>Letöltés igény szerint...</translation>
    </message>
    <message>
        <source>Sign-in required</source>
        <translation>Bejelentkezés szükséges</translation>
    </message>
    <message>
        <source>Unable to copy %1.</source>
        <translation>Nem másolható: %1.</translation>
    </message>
    <message>
        <source>List of filter rules</source>
        <translation>Szűrőszabályok listája</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>Pillanatképek</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Leállítva</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Kötet</translation>
    </message>
    <message>
        <source>Change destination folder</source>
        <translation>Célmappa módosítása</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Szinkronizálás...</translation>
    </message>
    <message>
        <source>Back up only when the computer is plugged in</source>
        <translation>Mentés csak hálózati tápellátás esetén</translation>
    </message>
    <message>
        <source>Resume Syncing</source>
        <translation>Szinkronizálás folytatása</translation>
    </message>
    <message>
        <source>A new version is available.</source>
        <translation>Új verzió érhető el.</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation>Gyakori kérdések</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Nézet</translation>
    </message>
    <message>
        <source>Run on</source>
        <translation>Futtatás napja</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>Unable to download the update.</source>
        <translation>A frissítés nem tölthető le.</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>Kapcsolat tesztelése</translation>
    </message>
    <message>
        <source>You have been signed out.</source>
        <translation>Kijelentkezett.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Szinkronizálás</translation>
    </message>
    <message>
        <source>Last backup completed %1</source>
        <translation>Legutóbbi biztonsági mentés kész: %1</translation>
    </message>
    <message>
        <source>Pause Syncing</source>
        <translation>Szinkronizálás szüneteltetése</translation>
    </message>
    <message>
        <source>Limit automatically</source>
        <translation>Automatikus korlátozás</translation>
    </message>
    <message>
        <source>Keep the version on the server</source>
        <translation>A kiszolgálón lévő verzió megtartása</translation>
    </message>
    <message>
        <source>Open menu</source>
        <translation>Menü megnyitása</translation>
    </message>
    <message>
        <source>The file is larger than the limit allowed by the server.</source>
        <translation>A fájl nagyobb a kiszolgáló által engedélyezettnél.</translation>
    </message>
    <message>
        <source>Your data was moved successfully.</source>
        <translation>Az adatok áthelyezése sikerült.</translation>
    </message>
    <message>
        <source>Ready to install [ProductName]</source>
        <translation>A(z) [ProductName] telepítése indítható</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>A(z) %1 fájl nem létezik.</translation>
    </message>
    <message>
        <source>Export Logs...</source>
        <translation>Naplók exportálása...</translation>
    </message>
    <message>
        <source>Syncing has resumed</source>
        <translation>A szinkronizálás folytatódott</translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely because of an error. Your system has not been modified. To install this program at a later time, run the Setup Wizard again.</source>
        <translation>A(z) [ProductName] telepítővarázslója hiba miatt idő előtt befejeződött. A rendszer nem módosult. Ha később szeretné telepíteni a programot, futtassa újra a telepítővarázslót.</translation>
    </message>
    <message>
        <source>Select the server folder to sync with this computer.</source>
        <translation>Válassza ki a számítógéppel szinkronizálandó kiszolgálómappát.</translation>
    </message>
    <message>
        <source>Upload changes to the server only</source>
        <translation>Csak a módosítások feltöltése a kiszolgálóra</translation>
    </message>
    <message>
        <source>Time remaining unknown</source>
        <translation>A hátralévő idő ismeretlen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Súgó</translation>
    </message>
    <message>
        <source>%1 files were skipped. See the history for details.</source>
        <translation>Kihagyott fájlok: %1. A részleteket az előzményekben találja.</translation>
    </message>
    <message>
        <source>Keep all versions</source>
        <translation>Minden verzió megőrzése</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportálás</translation>
    </message>
    <message>
        <source>Sync progress</source>
        <translation>Szinkronizálás előrehaladása</translation>
    </message>
    <message>
        <source>The new language will be used after Quenmark Zelto Client restarts.</source>
        <translation>Az új nyelv a Quenmark Zelto Client újraindítása után lép érvénybe.</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Létrehozva</translation>
    </message>
    <message>
        <source>%1 used of %2</source>
        <translation>%1 foglalt / %2</translation>
    </message>
    <message>
        <source>Version Retention</source>
        <translation>Verziók megőrzése</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Befejezési idő</translation>
    </message>
    <message>
        <source>Proxy type</source>
        <translation>Proxy típusa</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>Rendezés név szerint</translation>
    </message>
    <message>
        <source>On-demand sync is not supported on this file system.</source>
        <translation>Ezen a fájlrendszeren az igény szerinti szinkronizálás nem támogatott.</translation>
    </message>
    <message>
        <source>Connected through the Internet</source>
        <translation>Csatlakozva az interneten keresztül</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>Ú&amp;jra</translation>
    </message>
    <message>
        <source>Authentication required</source>
        <translation>Hitelesítés szükséges</translation>
    </message>
    <message>
        <source>Access Denied</source>
        <translation>Hozzáférés megtagadva</translation>
    </message>
    <message>
        <source>Upload rate</source>
        <translation>Feltöltési sebesség</translation>
    </message>
    <message>
        <source>The system limit on watched folders has been reached. Some changes may be detected late.</source>
        <translation>Elérte a figyelt mappák rendszerkorlátját. Egyes módosítások késve észlelhetők.</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Áthelyezve</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>Sort by Date</source>
        <translation>Rendezés dátum szerint</translation>
    </message>
    <message>
        <source>Do not sync hidden files</source>
        <translation>Rejtett fájlok kihagyása</translation>
    </message>
    <message>
        <source>Sync This Folder</source>
        <translation>Mappa szinkronizálása</translation>
    </message>
    <message>
        <source>%1 is very large. Uploading it may take a long time.</source>
        <translation>A(z) %1 nagyon nagy. A feltöltése sokáig tarthat.</translation>
    </message>
    <message>
        <source>Access control lists are not supported on this file system and will not be synced.</source>
        <translation>Ez a fájlrendszer nem támogatja a hozzáférés-vezérlési listákat, ezért azok nem szinkronizálódnak.</translation>
    </message>
    <message>
        <source>Enter the verification code</source>
        <translation>Adja meg az ellenőrző kódot</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>A jelszavak nem egyeznek.</translation>
    </message>
    <message>
        <source>The security certificate of %1 is not trusted. Your connection may not be secure.</source>
        <translation>A(z) %1 biztonsági tanúsítványa nem megbízható. Lehet, hogy a kapcsolat nem biztonságos.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Kész</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Jelentés</translation>
    </message>
    <message>
        <source>%1, %2 o'clock</source>
        <translation>%1, %2 óra</translation>
    </message>
    <message>
        <source>The Setup Wizard allows you to repair the installation of [ProductName] or remove it from your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>A telepítővarázslóval kijavíthatja a(z) [ProductName] telepítését, vagy eltávolíthatja a programot a számítógépről. A folytatáshoz kattintson a Tovább, a kilépéshez a Mégse gombra.</translation>
    </message>
    <message>
        <source>Read and write</source>
        <translation>Olvasás és írás</translation>
    </message>
    <message>
        <source>Pause for 8 hours</source>
        <translation>Szüneteltetés 8 órára</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Biztonsági mentés</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Szüneteltetve</translation>
    </message>
    <message>
        <source>Edit the selected task</source>
        <translation>A kijelölt feladat szerkesztése</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Üdvözöljük</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Megnyitás böngészőben</translation>
    </message>
    <message>
        <source>Task %1, status %2</source>
        <translation>%1 feladat, állapot: %2</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation>A telepítővarázslóból való kilépéshez kattintson a Befejezés gombra.</translation>
    </message>
    <message>
        <source>Relay ID</source>
        <translation>Továbbítási azonosító</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Bejelentkezés</translation>
    </message>
    <message>
        <source>Do not limit</source>
        <translation>Nincs korlátozás</translation>
    </message>
    <message>
        <source>Download changes from the server only</source>
        <translation>Csak a kiszolgálón történt módosítások letöltése</translation>
    </message>
    <message>
        <source>Unable to move %1 to %2.</source>
        <translation>Nem lehet áthelyezni: %1 -&gt; %2.</translation>
    </message>
    <message>
        <source>Add a task</source>
        <translation>Feladat hozzáadása</translation>
    </message>
    <message>
        <source>Your storage space on %1 is almost full.</source>
        <translation>A tárhelye itt majdnem megtelt: %1.</translation>
    </message>
    <message>
        <source>Install updates automatically</source>
        <translation>Frissítések automatikus telepítése</translation>
    </message>
    <message>
        <source>Recent Changes</source>
        <translation>Legutóbbi változások</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>Megjelenítendő név</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Csatlakozás...</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Riasztások</translation>
    </message>
    <message>
        <source>Preparing to sync...</source>
        <translation>Szinkronizálás előkészítése...</translation>
    </message>
    <message>
        <source>Single Sign-On</source>
        <translation>Egyszeri bejelentkezés</translation>
    </message>
    <message>
        <source>Ready to sync</source>
        <translation>Készen áll a szinkronizálásra</translation>
    </message>
    <message>
        <source>Advanced Filters...</source>
        <translation>Speciális szűrők...</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <translation>Asztali értesítések megjelenítése</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Kis méret</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Frissítések keresése...</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Letöltve</translation>
    </message>
    <message>
        <source>Choose a folder on the server</source>
        <translation>Mappa kiválasztása a kiszolgálón</translation>
    </message>
    <message>
        <source>Excluded from sync</source>
        <translation>Kizárva a szinkronizálásból</translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <translation>Fájlok szinkronizálása: %1</translation>
    </message>
    <message>
        <source>Loading folders...</source>
        <translation>Mappák betöltése...</translation>
    </message>
    <message>
        <source>This version of Quenmark Zelto Client is no longer supported by the server. Please update the client.</source>
        <translation>A kiszolgáló már nem támogatja a Quenmark Zelto Client ezen verzióját. Frissítse a klienst.</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Megosztva</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>másodperc</translation>
    </message>
    <message>
        <source>Repairing [ProductName]</source>
        <translation>A(z) [ProductName] javítása</translation>
    </message>
    <message>
        <source>Upload speed</source>
        <translation>Feltöltési sebesség</translation>
    </message>
    <message>
        <source>Open on Server</source>
        <translation>Megnyitás a kiszolgálón</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Befejezés</translation>
    </message>
    <message>
        <source>Your settings have been saved.</source>
        <translation>A beállítások mentve.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Letiltva</translation>
    </message>
    <message>
        <source>Create Sync Task</source>
        <translation>Szinkronizálási feladat létrehozása</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Biztonsági mentés most</translation>
    </message>
    <message>
        <source>The upgrade is complete.</source>
        <translation>A frissítés befejeződött.</translation>
    </message>
    <message>
        <source>Version %1 (build %2)</source>
        <translation>Verzió: %1 (build: %2)</translation>
    </message>
    <message>
        <source>Launch [ProductName] now</source>
        <translation>A(z) [ProductName] indítása most</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Visszajelzés küldése</translation>
    </message>
    <message>
        <source>No results found.</source>
        <translation>Nincs találat.</translation>
    </message>
    <message>
        <source>Copy Sharing Link</source>
        <translation>Megosztási hivatkozás másolása</translation>
    </message>
    <message>
        <source>The task no longer exists.</source>
        <translation>A feladat már nem létezik.</translation>
    </message>
    <message>
        <source>&amp;Do not close applications. A reboot will be required.</source>
        <translation>Az alkalmazások &amp;nyitva hagyása. Újraindítás szükséges.</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Feladat</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Deleting %1</source>
        <translation>Törlés: %1</translation>
    </message>
    <message>
        <source>Enter at least %1 characters.</source>
        <translation>Adjon meg legalább %1 karaktert.</translation>
    </message>
    <message>
        <source>Unable to restore the selected files.</source>
        <translation>A kijelölt fájlok nem állíthatók vissza.</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation>Igény szerinti szinkronizálás</translation>
    </message>
    <message>
        <source>Checking the environment...</source>
        <translation>A környezet ellenőrzése...</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation>Kétirányú szinkronizálás</translation>
    </message>
    <message>
        <source>Valid until</source>
        <translation>Érvényesség vége</translation>
    </message>
    <message>
        <source>The history was exported to %1.</source>
        <translation>Az előzmények exportálva ide: %1.</translation>
    </message>
    <message>
        <source>Files and folders that match these rules are not synced.</source>
        <translation>Az ezeknek a szabályoknak megfelelő fájlok és mappák nem szinkronizálódnak.</translation>
    </message>
    <message>
        <source>Available offline</source>
        <translation>Offline is elérhető</translation>
    </message>
    <message>
        <source>The files have been restored.</source>
        <translation>A fájlok visszaállítása megtörtént.</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Eszköznév</translation>
    </message>
    <message>
        <source>Renaming %1</source>
        <translation>Átnevezés: %1</translation>
    </message>
    <message>
        <source>Some files could not be synced</source>
        <translation>Néhány fájlt nem sikerült szinkronizálni</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Hálózat</translation>
    </message>
    <message>
        <source>Task name</source>
        <translation>Feladat neve</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by fixing missing and corrupt files, shortcuts, and registry entries.</source>
        <translation>Kijavítja a legutóbbi telepítés hibáit a hiányzó és sérült fájlok, parancsikonok és beállításjegyzék-bejegyzések helyreállításával.</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Betöltés...</translation>
    </message>
    <message>
        <source>Pause until I resume</source>
        <translation>Szüneteltetés a folytatásig</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Tovább</translation>
    </message>
    <message>
        <source>No server was found on your local network. Enter the address manually.</source>
        <translation>Nem található kiszolgáló a helyi hálózaton. Adja meg a címet kézzel.</translation>
    </message>
    <message>
        <source>Removes [ProductName] from your computer.</source>
        <translation>Eltávolítja a(z) [ProductName] programot a számítógépről.</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>Helyi mappa</translation>
    </message>
    <message>
        <source>The quota of the shared folder has been reached.</source>
        <translation>A megosztott mappa elérte a kvótáját.</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>Végfelhasználói licencszerződés</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Igen</translation>
    </message>
    <message>
        <source>Online only</source>
        <translation>Csak online</translation>
    </message>
    <message>
        <source>Up one level</source>
        <translation>Egy szinttel feljebb</translation>
    </message>
    <message>
        <source>Upload: %1/s  Download: %2/s</source>
        <translation>Feltöltés: %1/s  Letöltés: %2/s</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sötét</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Naponta</translation>
    </message>
    <message>
        <source>The local version was renamed to %1.</source>
        <translation>A helyi verzió új neve: %1.</translation>
    </message>
    <message>
        <source>%1 is in use by another application and will be synced when it is closed.</source>
        <translation>A(z) %1 fájlt egy másik alkalmazás használja; bezárása után szinkronizálódik.</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Szüneteltetve eddig: %1</translation>
    </message>
    <message>
        <source>View History</source>
        <translation>Előzmények megtekintése</translation>
    </message>
    <message>
        <source>Confirm new password</source>
        <translation>Új jelszó megerősítése</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>Kapcsolati időkorlát</translation>
    </message>
    <message>
        <source>Proxy server</source>
        <translation>Proxykiszolgáló</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Felhasználó</translation>
    </message>
    <message>
        <source>Downloading the update... %1%</source>
        <translation>A frissítés letöltése... %1%</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Átnevezve</translation>
    </message>
    <message>
        <source>Use dark theme</source>
        <translation>Sötét téma használata</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Kedd</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>KB/s</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully</source>
        <translation>Olvassa el figyelmesen a következő licencszerződést</translation>
    </message>
    <message>
        <source>Send Test Email</source>
        <translation>Teszt e-mail küldése</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <translation>Szinkronizálás iránya</translation>
    </message>
    <message>
        <source>Rebuilding the local database...</source>
        <translation>A helyi adatbázis újraépítése...</translation>
    </message>
    <message>
        <source>Switch Account</source>
        <translation>Fiókváltás</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Kész</translation>
    </message>
    <message>
        <source>Folder tree</source>
        <translation>Mappafa</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>Ennek a verziónak a visszaállítása</translation>
    </message>
    <message>
        <source>The destination shared folder could not be found on the server. Select another destination.</source>
        <translation>A cél megosztott mappa nem található a kiszolgálón. Válasszon másik célt.</translation>
    </message>
    <message>
        <source>The security certificate of the server has expired.</source>
        <translation>A kiszolgáló biztonsági tanúsítványa lejárt.</translation>
    </message>
    <message>
        <source>Restart Quenmark Zelto Client to apply the changes.</source>
        <translation>A módosítások érvényesítéséhez indítsa újra a Quenmark Zelto Clientet.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client status icon</source>
        <translation>A Quenmark Zelto Client állapotikonja</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Energia</translation>
    </message>
    <message>
        <source>%1 percent complete</source>
        <translation>%1 százalék kész</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Szo</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Tárhely</translation>
    </message>
    <message>
        <source>Pause syncing when running on battery power</source>
        <translation>Szinkronizálás szüneteltetése akkumulátoros üzemben</translation>
    </message>
    <message>
        <source>Enter your server address, username and password.</source>
        <translation>Adja meg a kiszolgáló címét, a felhasználónevet és a jelszót.</translation>
    </message>
    <message>
        <source>Every %1 minutes</source>
        <translation>%1 percenként</translation>
    </message>
    <message>
        <source>Do you want to delete the selected items?</source>
        <translation>Törli a kijelölt elemeket?</translation>
    </message>
    <message>
        <source>Show sync status icons in the file manager</source>
        <translation>Szinkronizálási állapotikonok megjelenítése a fájlkezelőben</translation>
    </message>
    <message>
        <source>I &amp;do not accept the terms in the License Agreement</source>
        <translation>&amp;Nem fogadom el a licencszerződés feltételeit</translation>
    </message>
    <message>
        <source>Learn more</source>
        <translation>További információ</translation>
    </message>
    <message>
        <source>Server address field</source>
        <translation>Kiszolgálócím mező</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Gyakoriság</translation>
    </message>
    <message>
        <source>Play a sound</source>
        <translation>Hang lejátszása</translation>
    </message>
    <message>
        <source>Locate Folder</source>
        <translation>Mappa megkeresése</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>Célmappa</translation>
    </message>
    <message>
        <source>Load More</source>
        <translation>Továbbiak betöltése</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>Unable to rename %1 to %2.</source>
        <translation>Nem lehet átnevezni: %1 -&gt; %2.</translation>
    </message>
    <message>
        <source>If your network requires a proxy server to reach the Internet, enter its settings here.</source>
        <translation>Ha a hálózata proxykiszolgálón keresztül éri el az internetet, itt adja meg annak beállításait.</translation>
    </message>
    <message>
        <source>Remove the local copies of the selected files? They remain on the server and are downloaded again when you open them.</source>
        <translation>Eltávolítja a kijelölt fájlok helyi másolatait? A fájlok a kiszolgálón maradnak, és megnyitáskor újra letöltődnek.</translation>
    </message>
    <message>
        <source>Install Now</source>
        <translation>Telepítés most</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Cs</translation>
    </message>
    <message>
        <source>Display scaling</source>
        <translation>Megjelenítés méretezése</translation>
    </message>
    <message>
        <source>Restoring %1 of %2 files...</source>
        <translation>Fájlok visszaállítása: %1 / %2...</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Fájlkiterjesztések</translation>
    </message>
    <message>
        <source>The update package is damaged or has an invalid signature.</source>
        <translation>A frissítőcsomag sérült, vagy érvénytelen az aláírása.</translation>
    </message>
    <message>
        <source>Disk Space Requirements</source>
        <translation>Lemezterület-igény</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Frissítés új verzióra</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Feladatok</translation>
    </message>
    <message>
        <source>Account: %1</source>
        <translation>Fiók: %1</translation>
    </message>
    <message>
        <source>The security certificate of the server is not trusted.</source>
        <translation>A kiszolgáló biztonsági tanúsítványa nem megbízható.</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Kijelölés nélkül</translation>
    </message>
    <message>
        <source>An invalid parameter was given.</source>
        <translation>Érvénytelen paramétert adott meg.</translation>
    </message>
    <message>
        <source>Ask before deleting many files on the server</source>
        <translation>Rákérdezés sok fájl kiszolgálón történő törlése előtt</translation>
    </message>
    <message>
        <source>&amp;Look in:</source>
        <translation>&amp;Hely:</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>A kiszolgáló letiltotta az IP-címét.</translation>
    </message>
    <message>
        <source>Debug logging records detailed information and may slow down syncing. Turn it off when you are done.</source>
        <translation>A hibakeresési naplózás részletes adatokat rögzít, és lassíthatja a szinkronizálást. Ha végzett, kapcsolja ki.</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Cél</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Kézi proxykonfiguráció</translation>
    </message>
    <message>
        <source>Day of the month</source>
        <translation>A hónap napja</translation>
    </message>
    <message>
        <source>The local database is damaged. Quenmark Zelto Client will rebuild it.</source>
        <translation>A helyi adatbázis sérült. A Quenmark Zelto Client újraépíti.</translation>
    </message>
    <message>
        <source>Are you sure you want to quit the setup? No task will be created.</source>
        <translation>Biztosan kilép a beállításból? Nem jön létre feladat.</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Még nem volt szinkronizálva</translation>
    </message>
    <message>
        <source>The shared folder no longer exists on the server.</source>
        <translation>A megosztott mappa már nem létezik a kiszolgálón.</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Use SSL/TLS</source>
        <translation>SSL/TLS használata</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <translation>Szinkronizálási mód</translation>
    </message>
    <message>
        <source>The update has been downloaded and will be installed when you quit Quenmark Zelto Client.</source>
        <translation>A frissítés letöltődött, és a Quenmark Zelto Clientből való kilépéskor települ.</translation>
    </message>
    <message>
        <source>The server is under maintenance. Syncing will resume automatically.</source>
        <translation>A kiszolgáló karbantartás alatt áll. A szinkronizálás automatikusan folytatódik.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client Setup</source>
        <translation>A Quenmark Zelto Client beállítása</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Teljes méret</translation>
    </message>
    <message>
        <source>Enable backup schedule</source>
        <translation>Ütemezett biztonsági mentés engedélyezése</translation>
    </message>
    <message>
        <source>The first sync may take a while, depending on the number and size of your files.</source>
        <translation>Az első szinkronizálás a fájlok számától és méretétől függően eltarthat egy ideig.</translation>
    </message>
    <message>
        <source>Sign in with the account you use on %1.</source>
        <translation>Jelentkezzen be azzal a fiókkal, amelyet itt használ: %1.</translation>
    </message>
    <message>
        <source>Backup Schedule</source>
        <translation>Biztonsági mentés ütemezése</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>A fájlnév túl hosszú.</translation>
    </message>
    <message>
        <source>The file manager will be restarted to unload the extension.</source>
        <translation>A fájlkezelő újraindul a bővítmény eltávolításához.</translation>
    </message>
    <message>
        <source>Keep both versions</source>
        <translation>Mindkét verzió megtartása</translation>
    </message>
    <message>
        <source>Available when online</source>
        <translation>Online elérhető</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Vissza</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Kijelölés megszüntetése</translation>
    </message>
    <message>
        <source>Total size</source>
        <translation>Teljes méret</translation>
    </message>
    <message>
        <source>Open source licenses</source>
        <translation>Nyílt forráskódú licencek</translation>
    </message>
    <message>
        <source>No backup is scheduled.</source>
        <translation>Nincs ütemezett biztonsági mentés.</translation>
    </message>
    <message>
        <source>Syncing was paused while the computer was asleep.</source>
        <translation>A szinkronizálás szünetelt, amíg a számítógép alvó állapotban volt.</translation>
    </message>
    <message>
        <source>Team Folder</source>
        <translation>Csapatmappa</translation>
    </message>
    <message>
        <source>Overall progress</source>
        <translation>Teljes előrehaladás</translation>
    </message>
    <message>
        <source>Checking the connection to %1...</source>
        <translation>A kapcsolat ellenőrzése: %1...</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <translation>A(z) %1 használatra kész.</translation>
    </message>
    <message>
        <source>When a conflict occurs</source>
        <translation>Ütközés esetén</translation>
    </message>
    <message>
        <source>The security certificate was issued to %1, not to %2.</source>
        <translation>A biztonsági tanúsítványt nem ennek adták ki: %2, hanem ennek: %1.</translation>
    </message>
    <message>
        <source>Trust this computer</source>
        <translation>Megbízom ebben a számítógépben</translation>
    </message>
    <message>
        <source>Select the operation you wish to perform.</source>
        <translation>Válassza ki a végrehajtandó műveletet.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Engedélyezve</translation>
    </message>
    <message>
        <source>File size limit</source>
        <translation>Fájlméretkorlát</translation>
    </message>
    <message>
        <source>Unable to create the task.</source>
        <translation>A feladat nem hozható létre.</translation>
    </message>
    <message>
        <source>Create Task</source>
        <translation>Feladat létrehozása</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <translation>Néhány frissítendő fájl jelenleg használatban van.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Kis türelmet...</translation>
    </message>
    <message>
        <source>Searching for servers on your local network...</source>
        <translation>Kiszolgálók keresése a helyi hálózaton...</translation>
    </message>
    <message>
        <source>Disk space required for the installation exceeds available disk space.</source>
        <translation>A telepítéshez szükséges lemezterület meghaladja a rendelkezésre álló területet.</translation>
    </message>
    <message>
        <source>The following applications are using files that need to be updated by this setup. Close these applications and then click &amp;Retry to continue the installation or Cancel to exit it.</source>
        <translation>A következő alkalmazások olyan fájlokat használnak, amelyeket a telepítőnek frissítenie kell. Zárja be ezeket az alkalmazásokat, majd a telepítés folytatásához kattintson az Ú&amp;jra, a kilépéshez a Mégse gombra.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>A(z) %1 mappa nem létezik.</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Tulajdonos</translation>
    </message>
    <message>
        <source>Play sounds</source>
        <translation>Hangok lejátszása</translation>
    </message>
    <message>
        <source>Synced</source>
        <translation>Szinkronizálva</translation>
    </message>
    <message>
        <source>Last day of the month</source>
        <translation>A hónap utolsó napja</translation>
    </message>
    <message>
        <source>Keep the version on this computer</source>
        <translation>A számítógépen lévő verzió megtartása</translation>
    </message>
    <message>
        <source>Resume the selected task</source>
        <translation>A kijelölt feladat folytatása</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Támogatás</translation>
    </message>
    <message>
        <source>Sort by Size</source>
        <translation>Rendezés méret szerint</translation>
    </message>
    <message>
        <source>Storage Details</source>
        <translation>Tárhely részletei</translation>
    </message>
    <message>
        <source>Apply limits only during these hours</source>
        <translation>Korlátozás csak ezekben az órákban</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Csoport</translation>
    </message>
    <message>
        <source>Welcome to Quenmark Zelto Client</source>
        <translation>Üdvözli a Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Művelet</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Csatlakozva</translation>
    </message>
    <message>
        <source>Data from an earlier version was found on this computer.</source>
        <translation>Egy korábbi verzió adatai találhatók ezen a számítógépen.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Pause for 30 minutes</source>
        <translation>Szüneteltetés 30 percre</translation>
    </message>
    <message>
        <source>Open in File Manager</source>
        <translation>Megnyitás a fájlkezelőben</translation>
    </message>
    <message>
        <source>Completed the [ProductName] Setup Wizard</source>
        <translation>A(z) [ProductName] telepítővarázslója befejeződött</translation>
    </message>
    <message>
        <source>Last synced %1</source>
        <translation>Utolsó szinkronizálás: %1</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>%1. lépés / %2</translation>
    </message>
    <message>
        <source>Retry Now</source>
        <translation>Újrapróbálás most</translation>
    </message>
    <message>
        <source>%1 of %2 used</source>
        <translation>%1 foglalt / %2</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Kihagyva</translation>
    </message>
    <message>
        <source>You have used %1 of your storage quota.</source>
        <translation>A tárhelykvóta %1 részét használta fel.</translation>
    </message>
    <message>
        <source>A newer version of [ProductName] is already installed. Setup will now exit.</source>
        <translation>A(z) [ProductName] újabb verziója már telepítve van. A telepítő most kilép.</translation>
    </message>
    <message>
        <source>No problem was found.</source>
        <translation>Nem található probléma.</translation>
    </message>
    <message>
        <source>Keep files on the server that were deleted on this computer</source>
        <translation>A számítógépen törölt fájlok megtartása a kiszolgálón</translation>
    </message>
    <message>
        <source>Scanning for changes...</source>
        <translation>Változások keresése...</translation>
    </message>
    <message>
        <source>Registering product</source>
        <translation>A termék regisztrálása</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>A felület nyelve</translation>
    </message>
    <message>
        <source>You are not running the setup as an administrator. Some features may not be installed correctly. Continue anyway?</source>
        <translation>Nem rendszergazdaként futtatja a telepítőt. Előfordulhat, hogy egyes szolgáltatások nem települnek megfelelően. Mégis folytatja?</translation>
    </message>
    <message>
        <source>There is not enough free space on %1. At least %2 is needed.</source>
        <translation>Nincs elég szabad hely itt: %1. Legalább %2 szükséges.</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Kapcsolatfelvétel a támogatással</translation>
    </message>
    <message>
        <source>Task Details</source>
        <translation>Feladat részletei</translation>
    </message>
    <message>
        <source>Back up only when the computer is idle</source>
        <translation>Mentés csak akkor, ha a számítógép tétlen</translation>
    </message>
    <message>
        <source>Open the folder on the server in a web browser</source>
        <translation>A kiszolgálón lévő mappa megnyitása böngészőben</translation>
    </message>
    <message>
        <source>Administrator permission is required.</source>
        <translation>Rendszergazdai engedély szükséges.</translation>
    </message>
    <message>
        <source>Creating shortcuts</source>
        <translation>Parancsikonok létrehozása</translation>
    </message>
    <message>
        <source>Your email address (optional)</source>
        <translation>E-mail-cím (nem kötelező)</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Előrehaladás</translation>
    </message>
    <message>
        <source>Free space on this drive: %1</source>
        <translation>Szabad hely ezen a meghajtón: %1</translation>
    </message>
    <message>
        <source>The proxy connection works.</source>
        <translation>A proxykapcsolat működik.</translation>
    </message>
    <message>
        <source>Privacy statement</source>
        <translation>Adatvédelmi nyilatkozat</translation>
    </message>
    <message>
        <source>Install the file manager extension (status icons and context menu)</source>
        <translation>A fájlkezelő-bővítmény telepítése (állapotikonok és helyi menü)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importálás</translation>
    </message>
    <message>
        <source>Select Folders</source>
        <translation>Mappák kiválasztása</translation>
    </message>
    <message>
        <source>The file is locked by another application.</source>
        <translation>A fájlt egy másik alkalmazás zárolta.</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Állapot:</translation>
    </message>
    <message>
        <source>Thank you! Your feedback has been sent.</source>
        <translation>Köszönjük! A visszajelzést elküldtük.</translation>
    </message>
    <message>
        <source>Sync directly with computers on the same network when possible</source>
        <translation>Ha lehetséges, közvetlen szinkronizálás az azonos hálózaton lévő számítógépekkel</translation>
    </message>
    <message>
        <source>Download rate</source>
        <translation>Letöltési sebesség</translation>
    </message>
    <message>
        <source>&amp;Folder name:</source>
        <translation>&amp;Mappa neve:</translation>
    </message>
    <message>
        <source>%1 files, %2</source>
        <translation>Fájlok: %1, %2</translation>
    </message>
    <message>
        <source>Version on this computer</source>
        <translation>Verzió ezen a számítógépen</translation>
    </message>
    <message>
        <source>The file name contains characters that are not allowed: %1</source>
        <translation>A fájlnév nem engedélyezett karaktereket tartalmaz: %1</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Tovább &gt;</translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>Beavatkozást igényel</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Szükséges</translation>
    </message>
    <message>
        <source>Your settings and sync tasks are being moved to the new version of Quenmark Zelto Client. Do not turn off the computer.</source>
        <translation>A beállítások és a szinkronizálási feladatok átkerülnek a Quenmark Zelto Client új verziójába. Ne kapcsolja ki a számítógépet.</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Felhasználói útmutató</translation>
    </message>
    <message>
        <source>Expiration date</source>
        <translation>Lejárat dátuma</translation>
    </message>
    <message>
        <source>The disk where your sync folder is located is almost full.</source>
        <translation>A szinkronizált mappát tartalmazó lemez majdnem megtelt.</translation>
    </message>
    <message>
        <source>The server %1 could not be found. Check the address and try again.</source>
        <translation>A(z) %1 kiszolgáló nem található. Ellenőrizze a címet, és próbálja újra.</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>Ez a mező kötelező.</translation>
    </message>
    <message>
        <source>You have read-only access to this shared folder.</source>
        <translation>Ehhez a megosztott mappához csak olvasási hozzáférése van.</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Hivatkozás másolása</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Vissza</translation>
    </message>
    <message>
        <source>View Previous Versions</source>
        <translation>Korábbi verziók megtekintése</translation>
    </message>
    <message>
        <source>Complete the sign-in in your web browser.</source>
        <translation>Fejezze be a bejelentkezést a webböngészőben.</translation>
    </message>
    <message>
        <source>Directory user</source>
        <translation>Címtárfelhasználó</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Információ</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Összehasonlítás</translation>
    </message>
    <message>
        <source>Always Keep on This Device</source>
        <translation>Mindig legyen ezen az eszközön</translation>
    </message>
    <message>
        <source>You do not have write permission for the destination shared folder.</source>
        <translation>Nincs írási engedélye a cél megosztott mappához.</translation>
    </message>
    <message>
        <source>Open Quenmark Zelto Client</source>
        <translation>A Quenmark Zelto Client megnyitása</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Világos</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>Értesítés</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Letöltés</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Típus</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Megszakítás</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nem</translation>
    </message>
    <message>
        <source>The folder is already used by another sync task.</source>
        <translation>A mappát már egy másik szinkronizálási feladat használja.</translation>
    </message>
    <message>
        <source>This link has expired.</source>
        <translation>Ez a hivatkozás lejárt.</translation>
    </message>
    <message>
        <source>Installing [ProductName]</source>
        <translation>A(z) [ProductName] telepítése</translation>
    </message>
    <message>
        <source>Rename the server file</source>
        <translation>A kiszolgálón lévő fájl átnevezése</translation>
    </message>
    <message>
        <source>Your files are now being synced. You can follow the progress from the icon in the notification area.</source>
        <translation>A fájlok szinkronizálása folyamatban van. Az előrehaladást az értesítési terület ikonján követheti.</translation>
    </message>
    <message>
        <source>&amp;Disk Usage</source>
        <translation>&amp;Lemezhasználat</translation>
    </message>
    <message>
        <source>Syncing</source>
        <translation>Szinkronizálás</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client is running. Quit it and click Retry, or click Cancel to stop the setup.</source>
        <translation>A Quenmark Zelto Client fut. Lépjen ki belőle, és kattintson az Újra gombra, vagy a telepítés leállításához kattintson a Mégse gombra.</translation>
    </message>
    <message>
        <source>Share with users on the server</source>
        <translation>Megosztás a kiszolgáló felhasználóival</translation>
    </message>
    <message>
        <source>Can edit</source>
        <translation>Szerkesztheti</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Szerda</translation>
    </message>
    <message>
        <source>Looking for changed files...</source>
        <translation>Módosult fájlok keresése...</translation>
    </message>
    <message>
        <source>Copy folders on this computer to the server on a schedule. Files deleted on this computer are kept on the server.</source>
        <translation>Ütemezés szerint a kiszolgálóra másolja a számítógép mappáit. A számítógépen törölt fájlok megmaradnak a kiszolgálón.</translation>
    </message>
    <message>
        <source>Some settings could not be moved. Please check your sync tasks.</source>
        <translation>Néhány beállítást nem sikerült áthelyezni. Ellenőrizze a szinkronizálási feladatokat.</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Szinkronizálás most</translation>
    </message>
    <message>
        <source>On-demand</source>
        <translation>Igény szerint</translation>
    </message>
    <message>
        <source>Saved accounts</source>
        <translation>Mentett fiókok</translation>
    </message>
    <message>
        <source>Restore...</source>
        <translation>Visszaállítás...</translation>
    </message>
    <message>
        <source>Attach diagnostic logs</source>
        <translation>Diagnosztikai naplók csatolása</translation>
    </message>
    <message>
        <source>%1 results</source>
        <translation>Találatok: %1</translation>
    </message>
    <message>
        <source>Open Sync Folder</source>
        <translation>Szinkronizált mappa megnyitása</translation>
    </message>
    <message>
        <source>%1 could not be updated. The installed version will be started.</source>
        <translation>A(z) %1 nem frissíthető. A telepített verzió indul el.</translation>
    </message>
    <message>
        <source>%1 was not synced because it is larger than the maximum file size.</source>
        <translation>A(z) %1 nem szinkronizálódott, mert nagyobb a megengedett legnagyobb fájlméretnél.</translation>
    </message>
    <message>
        <source>View on Web Portal</source>
        <translation>Megtekintés a webportálon</translation>
    </message>
    <message>
        <source>Open the local folder</source>
        <translation>A helyi mappa megnyitása</translation>
    </message>
    <message>
        <source>Permission</source>
        <translation>Engedély</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Törölve</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard removes [ProductName].</source>
        <translation>Várjon, amíg a telepítővarázsló eltávolítja a(z) [ProductName] programot.</translation>
    </message>
    <message>
        <source>Moving Your Data</source>
        <translation>Az adatok áthelyezése</translation>
    </message>
    <message>
        <source>Ask when more than %1 files are deleted at once</source>
        <translation>Rákérdezés, ha egyszerre több mint %1 fájl törlődik</translation>
    </message>
    <message>
        <source>Uploaded</source>
        <translation>Feltöltve</translation>
    </message>
    <message>
        <source>Server name</source>
        <translation>Kiszolgáló neve</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Nyomtatás</translation>
    </message>
    <message>
        <source>Signed in as %1</source>
        <translation>Bejelentkezve: %1</translation>
    </message>
    <message>
        <source>The recycle bin is not enabled for this shared folder. Deleted files cannot be restored.</source>
        <translation>Ehhez a megosztott mappához nincs engedélyezve a lomtár. A törölt fájlok nem állíthatók vissza.</translation>
    </message>
    <message>
        <source>Uploading %1</source>
        <translation>Feltöltés: %1</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of [ProductName]. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>A(z) [ProductName] telepítésének javításához kattintson a Javítás gombra. A telepítési beállítások áttekintéséhez vagy módosításához kattintson a Vissza, a varázslóból való kilépéshez a Mégse gombra.</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Fut</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Az imént</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Mindig felül</translation>
    </message>
    <message>
        <source>Verification code</source>
        <translation>Ellenőrző kód</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Tegnap</translation>
    </message>
    <message>
        <source>Use the default folder (%1)</source>
        <translation>Az alapértelmezett mappa használata (%1)</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>Ejtse ide a fájlokat</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Péntek</translation>
    </message>
    <message>
        <source>Username field</source>
        <translation>Felhasználónév mező</translation>
    </message>
    <message>
        <source>Encrypt data during transfer</source>
        <translation>Adatok titkosítása átvitel közben</translation>
    </message>
    <message>
        <source>%1 files were changed.</source>
        <translation>Módosított fájlok: %1.</translation>
    </message>
    <message>
        <source>Sign In...</source>
        <translation>Bejelentkezés...</translation>
    </message>
    <message>
        <source>You do not have permission to perform this operation.</source>
        <translation>Nincs jogosultsága a művelet végrehajtásához.</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Beállítási oldalak</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>A rendszer proxybeállításainak használata</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Várakozik</translation>
    </message>
    <message>
        <source>The folder is read-only. Files cannot be written to it.</source>
        <translation>A mappa csak olvasható. Nem lehet fájlokat írni bele.</translation>
    </message>
    <message>
        <source>Next backup: %1</source>
        <translation>Következő biztonsági mentés: %1</translation>
    </message>
    <message>
        <source>The disk space required for the installation of the selected features.</source>
        <translation>A kiválasztott szolgáltatások telepítéséhez szükséges lemezterület.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <translation>Ideiglenes fájlok</translation>
    </message>
    <message>
        <source>Issued to</source>
        <translation>Kinek kiállítva</translation>
    </message>
    <message>
        <source>More actions</source>
        <translation>További műveletek</translation>
    </message>
    <message>
        <source>Download This Version</source>
        <translation>Ennek a verziónak a letöltése</translation>
    </message>
    <message>
        <source>Include in Sync</source>
        <translation>Felvétel a szinkronizálásba</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Notify me when a backup finishes</source>
        <translation>Értesítés a biztonsági mentés befejezésekor</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Hétfő</translation>
    </message>
    <message>
        <source>Unable to delete %1.</source>
        <translation>Nem törölhető: %1.</translation>
    </message>
    <message>
        <source>Open the sync folder</source>
        <translation>A szinkronizált mappa megnyitása</translation>
    </message>
    <message>
        <source>Create a shortcut on the &amp;desktop</source>
        <translation>Parancsikon létrehozása az &amp;asztalon</translation>
    </message>
    <message>
        <source>Unable to save the settings.</source>
        <translation>A beállítások nem menthetők.</translation>
    </message>
    <message>
        <source>Email the report after each backup</source>
        <translation>Jelentés küldése e-mailben minden biztonsági mentés után</translation>
    </message>
    <message>
        <source>Cache location</source>
        <translation>Gyorsítótár helye</translation>
    </message>
    <message>
        <source>Include folder %1</source>
        <translation>A(z) %1 mappa belefoglalása</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Betűméret</translation>
    </message>
    <message>
        <source>Unable to create %1.</source>
        <translation>Nem hozható létre: %1.</translation>
    </message>
    <message>
        <source>Scanning local files...</source>
        <translation>Helyi fájlok vizsgálata...</translation>
    </message>
    <message>
        <source>Back up on a schedule</source>
        <translation>Mentés ütemezés szerint</translation>
    </message>
    <message>
        <source>&amp;Keep my settings and sync tasks</source>
        <translation>A beállításaim és szinkronizálási feladataim &amp;megtartása</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Alapértelmezések visszaállítása</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Értesítések</translation>
    </message>
    <message>
        <source>Cache size</source>
        <translation>Gyorsítótár mérete</translation>
    </message>
    <message>
        <source>Never expires</source>
        <translation>Soha nem jár le</translation>
    </message>
    <message>
        <source>Select a server from the list or enter its address.</source>
        <translation>Válasszon kiszolgálót a listából, vagy adja meg a címét.</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Sze</translation>
    </message>
    <message>
        <source>%1 was deleted.</source>
        <translation>Törölve: %1.</translation>
    </message>
    <message>
        <source>The server is offline.</source>
        <translation>A kiszolgáló offline.</translation>
    </message>
    <message>
        <source>Open Recycle Bin</source>
        <translation>Lomtár megnyitása</translation>
    </message>
    <message>
        <source>Exclude from Sync</source>
        <translation>Kizárás a szinkronizálásból</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Küldés</translation>
    </message>
    <message>
        <source>Version on the server</source>
        <translation>Verzió a kiszolgálón</translation>
    </message>
    <message>
        <source>Calculating time remaining...</source>
        <translation>A hátralévő idő kiszámítása...</translation>
    </message>
    <message>
        <source>SMTP port</source>
        <translation>SMTP-port</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Nincs proxy</translation>
    </message>
    <message>
        <source>Pause for 1 hour</source>
        <translation>Szüneteltetés 1 órára</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Megerősítés</translation>
    </message>
    <message>
        <source>Rename the local file</source>
        <translation>A helyi fájl átnevezése</translation>
    </message>
    <message>
        <source>Show Previous Versions</source>
        <translation>Korábbi verziók megjelenítése</translation>
    </message>
    <message>
        <source>Notify me when a sync finishes</source>
        <translation>Értesítés a szinkronizálás befejezésekor</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportálás...</translation>
    </message>
    <message>
        <source>Current status</source>
        <translation>Jelenlegi állapot</translation>
    </message>
    <message>
        <source>Stop Backup</source>
        <translation>Biztonsági mentés leállítása</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation>Használatban lévő fájlok</translation>
    </message>
    <message>
        <source>Do not sync temporary files</source>
        <translation>Ideiglenes fájlok kihagyása</translation>
    </message>
    <message>
        <source>Unable to unpack the installation package.</source>
        <translation>A telepítőcsomag nem csomagolható ki.</translation>
    </message>
    <message>
        <source>The backup could not start because the server is offline.</source>
        <translation>A biztonsági mentés nem indult el, mert a kiszolgáló offline.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fájl</translation>
    </message>
    <message>
        <source>Enter a valid IP address.</source>
        <translation>Adjon meg érvényes IP-címet.</translation>
    </message>
    <message>
        <source>IP address, domain name or relay ID</source>
        <translation>IP-cím, tartománynév vagy továbbítási azonosító</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Vasárnap</translation>
    </message>
    <message>
        <source>You do not have permission to use this service. Contact your system administrator.</source>
        <translation>Nincs jogosultsága a szolgáltatás használatához. Forduljon a rendszergazdához.</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Eltávolítás</translation>
    </message>
    <message>
        <source>The backup is intact.</source>
        <translation>A biztonsági mentés ép.</translation>
    </message>
    <message>
        <source>Select at least one day.</source>
        <translation>Válasszon ki legalább egy napot.</translation>
    </message>
    <message>
        <source>%1 files were deleted from the sync folder. Do you also want to delete them from the server?</source>
        <translation>Törölt fájlok a szinkronizált mappából: %1. Törli őket a kiszolgálóról is?</translation>
    </message>
    <message>
        <source>Certificate Warning</source>
        <translation>Tanúsítványfigyelmeztetés</translation>
    </message>
    <message>
        <source>Remember my password</source>
        <translation>Jelszó megjegyzése</translation>
    </message>
    <message>
        <source>Weekly schedule grid</source>
        <translation>Heti ütemezés rácsa</translation>
    </message>
    <message>
        <source>Enter a number between %1 and %2.</source>
        <translation>Adjon meg egy számot %1 és %2 között.</translation>
    </message>
    <message>
        <source>The username or password you entered is incorrect.</source>
        <translation>A felhasználónév vagy a jelszó helytelen.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Megosztás</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Ablak megjelenítése</translation>
    </message>
    <message>
        <source>Backing up %1 of %2 files</source>
        <translation>Biztonsági mentés: %1 / %2 fájl</translation>
    </message>
    <message>
        <source>Keep only the latest versions</source>
        <translation>Csak a legújabb verziók megőrzése</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <translation>Nincs elég szabad hely a helyi lemezen.</translation>
    </message>
    <message>
        <source>The file was changed both on this computer and on the server since the last sync.</source>
        <translation>A fájl a legutóbbi szinkronizálás óta ezen a számítógépen és a kiszolgálón is módosult.</translation>
    </message>
    <message>
        <source>Everything is up to date</source>
        <translation>Minden naprakész</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Scan complete</source>
        <translation>A vizsgálat befejeződött</translation>
    </message>
    <message>
        <source>Welcome to the [ProductName] Setup Wizard</source>
        <translation>Üdvözli a [ProductName] telepítővarázslója</translation>
    </message>
    <message>
        <source>Choose how to sync</source>
        <translation>A szinkronizálás módjának kiválasztása</translation>
    </message>
    <message>
        <source>Use * to match any characters and ? to match one character.</source>
        <translation>A * tetszőleges karaktersorozatnak, a ? egyetlen karakternek felel meg.</translation>
    </message>
    <message>
        <source>Ready to remove [ProductName]</source>
        <translation>A(z) [ProductName] eltávolítása indítható</translation>
    </message>
    <message>
        <source>Last run time</source>
        <translation>Utolsó futás</translation>
    </message>
    <message>
        <source>Backup finished with errors</source>
        <translation>A biztonsági mentés hibákkal fejeződött be</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <translation>Mappa kiválasztása ezen a számítógépen</translation>
    </message>
    <message>
        <source>File name pattern</source>
        <translation>Fájlnévminta</translation>
    </message>
    <message>
        <source>%1 servers found on your local network.</source>
        <translation>Talált kiszolgálók a helyi hálózaton: %1.</translation>
    </message>
    <message>
        <source>Restart Later</source>
        <translation>Újraindítás később</translation>
    </message>
    <message>
        <source>Last sync</source>
        <translation>Utolsó szinkronizálás</translation>
    </message>
    <message>
        <source>Stop Sharing</source>
        <translation>Megosztás leállítása</translation>
    </message>
    <message>
        <source>Unable to connect to the server. Check your network connection and the server address.</source>
        <translation>Nem lehet csatlakozni a kiszolgálóhoz. Ellenőrizze a hálózati kapcsolatot és a kiszolgáló címét.</translation>
    </message>
</context>
</TS>
