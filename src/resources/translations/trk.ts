<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>The quota of destination shared folder has reached the system limit. Please change the quota limit on the server or contact the system administrator.</source>
        <translation>Hedef paylaşılan klasörün kotası sistem sınırına ulaştı. Sunucudaki kota sınırını değiştirin veya sistem yöneticisine başvurun.</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Değiştirilme</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>Parolanızı mı unuttunuz?</translation>
    </message>
    <message>
        <source>Field cannot exceed %1 numbers.</source>
        <translation>Bu alan en fazla %1 rakam içerebilir.</translation>
    </message>
    <message>
        <source>Show or hide the password</source>
        <translation>Parolayı göster veya gizle</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Yoksay</translation>
    </message>
    <message>
        <source>Verifying files...</source>
        <translation>Dosyalar doğrulanıyor...</translation>
    </message>
    <message>
        <source>Dismiss notification</source>
        <translation>Bildirimi kapat</translation>
    </message>
    <message>
        <source>Take Snapshot</source>
        <translation>Anlık görüntü al</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Ayrıntılar</translation>
    </message>
    <message>
        <source>Upload queue</source>
        <translation>Karşıya yükleme kuyruğu</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Sync Task</source>
        <translation>Eşitleme görevi</translation>
    </message>
    <message>
        <source>Starting services</source>
        <translation>Hizmetler başlatılıyor</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation>Yine de devam et</translation>
    </message>
    <message>
        <source>%1 was not synced because it matches a filter rule.</source>
        <translation>%1 bir filtre kuralıyla eşleştiği için eşitlenmedi.</translation>
    </message>
    <message>
        <source>Resume All</source>
        <translation>Tümünü sürdür</translation>
    </message>
    <message>
        <source>Local network only</source>
        <translation>Yalnızca yerel ağ</translation>
    </message>
    <message>
        <source>A relay connection can be slower than a direct connection.</source>
        <translation>Aktarma bağlantısı doğrudan bağlantıdan daha yavaş olabilir.</translation>
    </message>
    <message>
        <source>Encryption key</source>
        <translation>Şifreleme anahtarı</translation>
    </message>
    <message>
        <source>Back up only when I start it manually</source>
        <translation>Yalnızca ben başlattığımda yedekle</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>Server: %1</source>
        <translation>Sunucu: %1</translation>
    </message>
    <message>
        <source>Can view</source>
        <translation>Görüntüleyebilir</translation>
    </message>
    <message>
        <source>[ProductName] setup was interrupted. Your system has not been modified. To install this program at a later time, please run the installation again.</source>
        <translation>[ProductName] kurulumu yarıda kesildi. Sisteminizde değişiklik yapılmadı. Bu programı daha sonra yüklemek için kurulumu yeniden çalıştırın.</translation>
    </message>
    <message>
        <source>Connect to a server</source>
        <translation>Bir sunucuya bağlanın</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Genel</translation>
    </message>
    <message>
        <source>Proxy server requires a password</source>
        <translation>Ara sunucu parola istiyor</translation>
    </message>
    <message>
        <source>Field cannot exceed %1 characters.</source>
        <translation>Bu alan en fazla %1 karakter içerebilir.</translation>
    </message>
    <message>
        <source>I &amp;accept the terms in the License Agreement</source>
        <translation>Lisans Sözleşmesi'nin koşullarını &amp;kabul ediyorum</translation>
    </message>
    <message>
        <source>Only the checked folders are synced to this computer.</source>
        <translation>Bu bilgisayara yalnızca işaretli klasörler eşitlenir.</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>Yedekleme başarısız oldu.</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation>Yükseltiliyor...</translation>
    </message>
    <message>
        <source>Pause syncing on metered connections</source>
        <translation>Tarifeli bağlantılarda eşitlemeyi duraklat</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Başlayın</translation>
    </message>
    <message>
        <source>Restore this version? The current version will be saved as a previous version.</source>
        <translation>Bu sürüm geri yüklensin mi? Geçerli sürüm önceki sürüm olarak kaydedilecek.</translation>
    </message>
    <message>
        <source>Updating %1...</source>
        <translation>%1 güncelleniyor...</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Ara</translation>
    </message>
    <message>
        <source>Folders on a network drive cannot be synced.</source>
        <translation>Ağ sürücüsündeki klasörler eşitlenemez.</translation>
    </message>
    <message>
        <source>Restore Down</source>
        <translation>Önceki boyuta getir</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Liste görünümü</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Yerel ağdaki sunucuları bul</translation>
    </message>
    <message>
        <source>There are no previous versions of this file.</source>
        <translation>Bu dosyanın önceki sürümü yok.</translation>
    </message>
    <message>
        <source>Backup cancelled</source>
        <translation>Yedekleme iptal edildi</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>Bir daha gösterme</translation>
    </message>
    <message>
        <source>Enter the encryption key to open this shared folder.</source>
        <translation>Bu paylaşılan klasörü açmak için şifreleme anahtarını girin.</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Dosya adları</translation>
    </message>
    <message>
        <source>Do not sync files larger than</source>
        <translation>Şu boyuttan büyük dosyaları eşitleme</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Yazma</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Dosyayı aç</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Fark</translation>
    </message>
    <message>
        <source>Restore Files</source>
        <translation>Dosyaları geri yükle</translation>
    </message>
    <message>
        <source>Files deleted on this computer are moved to the recycle bin of the shared folder on the server.</source>
        <translation>Bu bilgisayarda silinen dosyalar, sunucudaki paylaşılan klasörün geri dönüşüm kutusuna taşınır.</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>&amp;Yükle</translation>
    </message>
    <message>
        <source>%1 files were skipped because they were in use.</source>
        <translation>Kullanımda olduğu için %1 dosya atlandı.</translation>
    </message>
    <message>
        <source>The drive uses the FAT file system, which does not support files larger than 4 GB. Files over this size will not be synced.</source>
        <translation>Sürücü, 4 GB'tan büyük dosyaları desteklemeyen FAT dosya sistemini kullanıyor. Bu boyutu aşan dosyalar eşitlenmeyecek.</translation>
    </message>
    <message>
        <source>%1 files were deleted on the server.</source>
        <translation>Sunucuda %1 dosya silindi.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Gizlilik</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>Connected through the relay service</source>
        <translation>Aktarma hizmeti üzerinden bağlı</translation>
    </message>
    <message>
        <source>Connecting through the relay service...</source>
        <translation>Aktarma hizmeti üzerinden bağlanılıyor...</translation>
    </message>
    <message>
        <source>Install [ProductName] to:</source>
        <translation>[ProductName] yükleme konumu:</translation>
    </message>
    <message>
        <source>Email Notifications</source>
        <translation>E-posta bildirimleri</translation>
    </message>
    <message>
        <source>Battery is low. Syncing has been paused.</source>
        <translation>Pil düşük. Eşitleme duraklatıldı.</translation>
    </message>
    <message>
        <source>Client ID</source>
        <translation>İstemci kimliği</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>A task with this name already exists.</source>
        <translation>Bu adda bir görev zaten var.</translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely</source>
        <translation>[ProductName] Kurulum Sihirbazı erken sona erdi</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Bu bilgisayar</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Başarısız</translation>
    </message>
    <message>
        <source>Connection status</source>
        <translation>Bağlantı durumu</translation>
    </message>
    <message>
        <source>The sync service could not be started.</source>
        <translation>Eşitleme hizmeti başlatılamadı.</translation>
    </message>
    <message>
        <source>Rolling back action:</source>
        <translation>İşlem geri alınıyor:</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>%1 sunucusuna bağlanılıyor...</translation>
    </message>
    <message>
        <source>Domain user</source>
        <translation>Etki alanı kullanıcısı</translation>
    </message>
    <message>
        <source>Hide Details</source>
        <translation>Ayrıntıları gizle</translation>
    </message>
    <message>
        <source>About Quenmark Zelto Client</source>
        <translation>Quenmark Zelto Client hakkında</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Güncel</translation>
    </message>
    <message>
        <source>Notify me about conflicts</source>
        <translation>Çakışmaları bildir</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client</source>
        <translation>Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Remove saved account</source>
        <translation>Kayıtlı hesabı kaldır</translation>
    </message>
    <message>
        <source>Restore to</source>
        <translation>Geri yükleme konumu</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Güncelleştir</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Bilgisayar adı</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>The path of the folder is too long.</source>
        <translation>Klasör yolu çok uzun.</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Daha sonra hatırlat</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>TB</translation>
    </message>
    <message>
        <source>This account has expired. Contact your system administrator.</source>
        <translation>Bu hesabın süresi doldu. Sistem yöneticinize başvurun.</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Şifreleme</translation>
    </message>
    <message>
        <source>Clear Cache</source>
        <translation>Önbelleği temizle</translation>
    </message>
    <message>
        <source>Release Notes</source>
        <translation>Sürüm notları</translation>
    </message>
    <message>
        <source>The installation failed. Please reinstall Quenmark Zelto Client.</source>
        <translation>Yükleme başarısız oldu. Lütfen Quenmark Zelto Client'ı yeniden yükleyin.</translation>
    </message>
    <message>
        <source>No access</source>
        <translation>Erişim yok</translation>
    </message>
    <message>
        <source>Local path</source>
        <translation>Yerel yol</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Save Report...</source>
        <translation>Raporu kaydet...</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Sunucu</translation>
    </message>
    <message>
        <source>Connect with HTTPS (recommended)</source>
        <translation>HTTPS ile bağlan (önerilir)</translation>
    </message>
    <message>
        <source>Unable to install the update.</source>
        <translation>Güncelleme yüklenemiyor.</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Kullanıcı adı</translation>
    </message>
    <message>
        <source>The Setup Wizard will update the installed [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>Kurulum Sihirbazı bilgisayarınızda yüklü olan [ProductName] uygulamasını güncelleştirecek. Devam etmek için İleri'ye, sihirbazdan çıkmak için İptal'e tıklayın.</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>Çakışma</translation>
    </message>
    <message>
        <source>Folder on server</source>
        <translation>Sunucudaki klasör</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tümü</translation>
    </message>
    <message>
        <source>Search file names</source>
        <translation>Dosya adlarında ara</translation>
    </message>
    <message>
        <source>Restart File Manager</source>
        <translation>Dosya yöneticisini yeniden başlat</translation>
    </message>
    <message>
        <source>Verify Backup</source>
        <translation>Yedeği doğrula</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Yeni ad</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Gelişmiş</translation>
    </message>
    <message>
        <source>Download speed</source>
        <translation>İndirme hızı</translation>
    </message>
    <message>
        <source>Issued by</source>
        <translation>Veren</translation>
    </message>
    <message>
        <source>Click Remove to remove [ProductName] from your computer. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>[ProductName] uygulamasını bilgisayarınızdan kaldırmak için Kaldır'a tıklayın. Yükleme ayarlarını gözden geçirmek veya değiştirmek için Geri'ye tıklayın. Sihirbazdan çıkmak için İptal'e tıklayın.</translation>
    </message>
    <message>
        <source>Show all server files on this computer and download them only when you open them, saving local disk space.</source>
        <translation>Sunucudaki tüm dosyaları bu bilgisayarda gösterir ve yalnızca açtığınızda indirir; böylece yerel disk alanından tasarruf edersiniz.</translation>
    </message>
    <message>
        <source>Destination folder on server</source>
        <translation>Sunucudaki hedef klasör</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Çevrimdışı</translation>
    </message>
    <message>
        <source>There is not enough free space on the server.</source>
        <translation>Sunucuda yeterli boş alan yok.</translation>
    </message>
    <message>
        <source>You need administrator privileges to install [ProductName]. Sign in as an administrator and run the setup again.</source>
        <translation>[ProductName] uygulamasını yüklemek için yönetici ayrıcalıkları gerekir. Yönetici olarak oturum açın ve kurulumu yeniden çalıştırın.</translation>
    </message>
    <message>
        <source>A test email has been sent.</source>
        <translation>Bir test e-postası gönderildi.</translation>
    </message>
    <message>
        <source>Enter a name for the task.</source>
        <translation>Görev için bir ad girin.</translation>
    </message>
    <message>
        <source>Syncing %1 of %2 files</source>
        <translation>%2 dosyadan %1 tanesi eşitleniyor</translation>
    </message>
    <message>
        <source>Add Rule</source>
        <translation>Kural ekle</translation>
    </message>
    <message>
        <source>Password field</source>
        <translation>Parola alanı</translation>
    </message>
    <message>
        <source>File Conflict</source>
        <translation>Dosya çakışması</translation>
    </message>
    <message>
        <source>Moving your settings to the new version...</source>
        <translation>Ayarlarınız yeni sürüme taşınıyor...</translation>
    </message>
    <message>
        <source>Folders on a removable drive cannot be synced.</source>
        <translation>Çıkarılabilir sürücüdeki klasörler eşitlenemez.</translation>
    </message>
    <message>
        <source>Backup Task</source>
        <translation>Yedekleme görevi</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Günlük klasörünü aç</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>İptal edildi</translation>
    </message>
    <message>
        <source>Compress data during transfer</source>
        <translation>Aktarım sırasında verileri sıkıştır</translation>
    </message>
    <message>
        <source>Backups run automatically at the times you choose. A running backup is not interrupted when its time slot ends.</source>
        <translation>Yedeklemeler seçtiğiniz saatlerde otomatik olarak çalışır. Devam eden bir yedekleme, zaman aralığı sona erdiğinde kesilmez.</translation>
    </message>
    <message>
        <source>Export Settings...</source>
        <translation>Ayarları dışa aktar...</translation>
    </message>
    <message>
        <source>A conflict was found in %1. Both versions have been kept.</source>
        <translation>%1 içinde bir çakışma bulundu. İki sürüm de saklandı.</translation>
    </message>
    <message>
        <source>Start Quenmark Zelto Client when I sign in</source>
        <translation>Oturum açtığımda Quenmark Zelto Client'ı başlat</translation>
    </message>
    <message>
        <source>Copying new files</source>
        <translation>Yeni dosyalar kopyalanıyor</translation>
    </message>
    <message>
        <source>Contact your system administrator.</source>
        <translation>Sistem yöneticinize başvurun.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Create Sharing Link</source>
        <translation>Paylaşım bağlantısı oluştur</translation>
    </message>
    <message>
        <source>The sync service stopped unexpectedly.</source>
        <translation>Eşitleme hizmeti beklenmedik şekilde durdu.</translation>
    </message>
    <message>
        <source>The background service is running.</source>
        <translation>Arka plan hizmeti çalışıyor.</translation>
    </message>
    <message>
        <source>Folders you uncheck will be removed from this computer but stay on the server.</source>
        <translation>İşaretini kaldırdığınız klasörler bu bilgisayardan kaldırılır ancak sunucuda kalır.</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Konum</translation>
    </message>
    <message>
        <source>Always trust this certificate</source>
        <translation>Bu sertifikaya her zaman güven</translation>
    </message>
    <message>
        <source>Files are synced into this folder. You can pick an empty folder or a folder that already holds files.</source>
        <translation>Dosyalar bu klasöre eşitlenir. Boş bir klasör veya zaten dosya içeren bir klasör seçebilirsiniz.</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Hiçbir zaman</translation>
    </message>
    <message>
        <source>The task has been removed.</source>
        <translation>Görev kaldırıldı.</translation>
    </message>
    <message>
        <source>Local folder path field</source>
        <translation>Yerel klasör yolu alanı</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client %1 is available. You have version %2.</source>
        <translation>Quenmark Zelto Client %1 kullanılabilir. Sizdeki sürüm: %2.</translation>
    </message>
    <message>
        <source>Original location</source>
        <translation>Özgün konum</translation>
    </message>
    <message>
        <source>Space needed: %1</source>
        <translation>Gereken alan: %1</translation>
    </message>
    <message>
        <source>Every hour</source>
        <translation>Saatte bir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Kaldır</translation>
    </message>
    <message>
        <source>Modified by</source>
        <translation>Değiştiren</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>bayt</translation>
    </message>
    <message>
        <source>%1 was added.</source>
        <translation>%1 eklendi.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Sürüm %1</translation>
    </message>
    <message>
        <source>Drag files here to upload them.</source>
        <translation>Karşıya yüklemek için dosyaları buraya sürükleyin.</translation>
    </message>
    <message>
        <source>Smart retention</source>
        <translation>Akıllı saklama</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Başlangıç saati</translation>
    </message>
    <message>
        <source>Your password has expired. Change it on the server, then sign in again.</source>
        <translation>Parolanızın süresi doldu. Parolayı sunucuda değiştirip yeniden oturum açın.</translation>
    </message>
    <message>
        <source>The proxy server requires authentication.</source>
        <translation>Ara sunucu kimlik doğrulaması istiyor.</translation>
    </message>
    <message>
        <source>Prefer IPv6</source>
        <translation>IPv6'yı tercih et</translation>
    </message>
    <message>
        <source>Select Folders...</source>
        <translation>Klasörleri seç...</translation>
    </message>
    <message>
        <source>The logs have been saved to %1.</source>
        <translation>Günlükler %1 konumuna kaydedildi.</translation>
    </message>
    <message>
        <source>Connected through the local network</source>
        <translation>Yerel ağ üzerinden bağlı</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Yenile</translation>
    </message>
    <message>
        <source>A new version of Quenmark Zelto Client is available.</source>
        <translation>Quenmark Zelto Client'ın yeni bir sürümü var.</translation>
    </message>
    <message>
        <source>No recent changes</source>
        <translation>Son değişiklik yok</translation>
    </message>
    <message>
        <source>Syncing is paused</source>
        <translation>Eşitleme duraklatıldı</translation>
    </message>
    <message>
        <source>Keep Files</source>
        <translation>Dosyaları sakla</translation>
    </message>
    <message>
        <source>Manage Tasks</source>
        <translation>Görevleri yönet</translation>
    </message>
    <message>
        <source>Free Up Space</source>
        <translation>Yer aç</translation>
    </message>
    <message>
        <source>Desktop shortcut</source>
        <translation>Masaüstü kısayolu</translation>
    </message>
    <message>
        <source>[ProductName] cannot be installed on this version of the operating system.</source>
        <translation>[ProductName] işletim sisteminin bu sürümüne yüklenemez.</translation>
    </message>
    <message>
        <source>No entries match your search.</source>
        <translation>Aramanızla eşleşen kayıt yok.</translation>
    </message>
    <message>
        <source>Show tips at startup</source>
        <translation>Başlangıçta ipuçlarını göster</translation>
    </message>
    <message>
        <source>Last backup failed %1</source>
        <translation>Son yedekleme başarısız oldu: %1</translation>
    </message>
    <message>
        <source>You must restart your system for the configuration changes made to [ProductName] to take effect. Click Yes to restart now or No if you plan to restart later.</source>
        <translation>[ProductName] için yapılan yapılandırma değişikliklerinin etkili olması için sisteminizi yeniden başlatmanız gerekir. Şimdi yeniden başlatmak için Evet'e, daha sonra yeniden başlatmak için Hayır'a tıklayın.</translation>
    </message>
    <message>
        <source>&amp;Close the applications and attempt to restart them.</source>
        <translation>Uygulamaları &amp;kapat ve yeniden başlatmayı dene.</translation>
    </message>
    <message>
        <source>An unknown error occurred. Please try again later.</source>
        <translation>Bilinmeyen bir hata oluştu. Lütfen daha sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>Tell us what went wrong or what you would like to see improved.</source>
        <translation>Neyin yanlış gittiğini veya neyin iyileştirilmesini istediğinizi bize bildirin.</translation>
    </message>
    <message>
        <source>Default port</source>
        <translation>Varsayılan bağlantı noktası</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>Yeni klasör oluştur</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>Bu klasör boş.</translation>
    </message>
    <message>
        <source>Copied to the clipboard</source>
        <translation>Panoya kopyalandı</translation>
    </message>
    <message>
        <source>Change, repair, or remove installation</source>
        <translation>Yüklemeyi değiştir, onar veya kaldır</translation>
    </message>
    <message>
        <source>Unable to open the local database.</source>
        <translation>Yerel veritabanı açılamıyor.</translation>
    </message>
    <message>
        <source>Back Up This Folder</source>
        <translation>Bu klasörü yedekle</translation>
    </message>
    <message>
        <source>Add Account...</source>
        <translation>Hesap ekle...</translation>
    </message>
    <message>
        <source>Do this for all conflicts</source>
        <translation>Tüm çakışmalar için bunu yap</translation>
    </message>
    <message>
        <source>View Issues</source>
        <translation>Sorunları görüntüle</translation>
    </message>
    <message>
        <source>The highlighted volumes do not have enough disk space available for the currently selected features. You can remove some files from the highlighted volumes, or cancel the installation.</source>
        <translation>Vurgulanan birimlerde, seçili özellikler için yeterli disk alanı yok. Vurgulanan birimlerden bazı dosyaları kaldırabilir veya yüklemeyi iptal edebilirsiniz.</translation>
    </message>
    <message>
        <source>Fine-tune what is synced. You can change these options later in Settings.</source>
        <translation>Nelerin eşitleneceğini ayarlayın. Bu seçenekleri daha sonra Ayarlar'dan değiştirebilirsiniz.</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Cihazlar</translation>
    </message>
    <message>
        <source>Do you want to sign out? All sync tasks of this account will stop.</source>
        <translation>Oturumu kapatmak istiyor musunuz? Bu hesabın tüm eşitleme görevleri durdurulacak.</translation>
    </message>
    <message>
        <source>Notify me when others change shared files</source>
        <translation>Başkaları paylaşılan dosyaları değiştirdiğinde bildir</translation>
    </message>
    <message>
        <source>Click Next to install to the default folder or click Change to choose another.</source>
        <translation>Varsayılan klasöre yüklemek için İleri'ye, başka bir klasör seçmek için Değiştir'e tıklayın.</translation>
    </message>
    <message>
        <source>Previous Versions</source>
        <translation>Önceki sürümler</translation>
    </message>
    <message>
        <source>I lost my authentication device</source>
        <translation>Kimlik doğrulama cihazımı kaybettim</translation>
    </message>
    <message>
        <source>Enter the address of the server you want to sync with.</source>
        <translation>Eşitleme yapmak istediğiniz sunucunun adresini girin.</translation>
    </message>
    <message>
        <source>Check file consistency after sync</source>
        <translation>Eşitlemeden sonra dosya tutarlılığını denetle</translation>
    </message>
    <message>
        <source>The identity of the server has changed. If you did not expect this, someone may be intercepting your connection.</source>
        <translation>Sunucunun kimliği değişti. Bunu beklemiyorsanız, biri bağlantınızı dinliyor olabilir.</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Geçmişi temizle</translation>
    </message>
    <message>
        <source>Quit Quenmark Zelto Client</source>
        <translation>Quenmark Zelto Client'tan çık</translation>
    </message>
    <message>
        <source>Server folder path field</source>
        <translation>Sunucu klasörü yolu alanı</translation>
    </message>
    <message>
        <source>Remove Folder</source>
        <translation>Klasörü kaldır</translation>
    </message>
    <message>
        <source>Opened %1 times</source>
        <translation>%1 kez açıldı</translation>
    </message>
    <message>
        <source>%1 files backed up, %2 skipped</source>
        <translation>%1 dosya yedeklendi, %2 dosya atlandı</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Ara sunucu</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Yedekleniyor...</translation>
    </message>
    <message>
        <source>Do you want to disconnect this computer from %1?</source>
        <translation>Bu bilgisayarın %1 ile bağlantısını kesmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Göster</translation>
    </message>
    <message>
        <source>Show the sync folder in the file manager sidebar</source>
        <translation>Eşitleme klasörünü dosya yöneticisinin kenar çubuğunda göster</translation>
    </message>
    <message>
        <source>Run Diagnostics</source>
        <translation>Tanılamayı çalıştır</translation>
    </message>
    <message>
        <source>Notify me about errors</source>
        <translation>Hataları bildir</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>&amp;Değiştir...</translation>
    </message>
    <message>
        <source>Separate extensions with commas, for example tmp, bak</source>
        <translation>Uzantıları virgülle ayırın, örneğin tmp, bak</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Boşta</translation>
    </message>
    <message>
        <source>Scanning files on the server...</source>
        <translation>Sunucudaki dosyalar taranıyor...</translation>
    </message>
    <message>
        <source>Keep history for %1 days</source>
        <translation>Geçmişi %1 gün sakla</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Okuma</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Geri dön</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>İşlem başarısız oldu.</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Gözat...</translation>
    </message>
    <message>
        <source>Restart Now</source>
        <translation>Şimdi yeniden başlat</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Durum</translation>
    </message>
    <message>
        <source>Unable to connect through the proxy server.</source>
        <translation>Ara sunucu üzerinden bağlanılamıyor.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>%1 indiriliyor</translation>
    </message>
    <message>
        <source>Delete Files</source>
        <translation>Dosyaları sil</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Paz</translation>
    </message>
    <message>
        <source>Access from your IP address has been denied by the server. Contact the system administrator.</source>
        <translation>Sunucu, IP adresinizden gelen erişimi reddetti. Sistem yöneticisine başvurun.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>Import Settings...</source>
        <translation>Ayarları içe aktar...</translation>
    </message>
    <message>
        <source>There is not enough memory to complete the operation.</source>
        <translation>İşlemi tamamlamak için yeterli bellek yok.</translation>
    </message>
    <message>
        <source>Unable to load the settings. Default settings will be used.</source>
        <translation>Ayarlar yüklenemiyor. Varsayılan ayarlar kullanılacak.</translation>
    </message>
    <message>
        <source>The server is busy. Please try again later.</source>
        <translation>Sunucu meşgul. Lütfen daha sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Bant genişliği</translation>
    </message>
    <message>
        <source>Low disk space</source>
        <translation>Disk alanı az</translation>
    </message>
    <message>
        <source>Verifying backup...</source>
        <translation>Yedek doğrulanıyor...</translation>
    </message>
    <message>
        <source>Running diagnostics...</source>
        <translation>Tanılama çalışıyor...</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Gözat...</translation>
    </message>
    <message>
        <source>Skip existing files</source>
        <translation>Var olan dosyaları atla</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Dosya adı</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Files already in it will be merged with the files on the server.</source>
        <translation>Seçilen klasör boş değil. İçindeki dosyalar sunucudaki dosyalarla birleştirilecek.</translation>
    </message>
    <message>
        <source>SOCKS5</source>
        <translation>SOCKS5</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Your IP address has been blocked for %1 minutes.</source>
        <translation>Çok fazla başarısız oturum açma denemesi yapıldı. IP adresiniz %1 dakika süreyle engellendi.</translation>
    </message>
    <message>
        <source>Limit to</source>
        <translation>Şu değerle sınırla</translation>
    </message>
    <message>
        <source>Show a pop-up message</source>
        <translation>Açılır ileti göster</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Bağlantı kesildi</translation>
    </message>
    <message>
        <source>Two-step verification</source>
        <translation>İki adımlı doğrulama</translation>
    </message>
    <message>
        <source>Ready to repair [ProductName]</source>
        <translation>[ProductName] onarmaya hazır</translation>
    </message>
    <message>
        <source>The source folder %1 could not be found. Connect the drive or remove the folder from the backup.</source>
        <translation>%1 kaynak klasörü bulunamadı. Sürücüyü bağlayın veya klasörü yedeklemeden kaldırın.</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Bağlantı noktası</translation>
    </message>
    <message>
        <source>The end time must be later than the start time.</source>
        <translation>Bitiş saati başlangıç saatinden sonra olmalıdır.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Saat</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Kullanılabilir</translation>
    </message>
    <message>
        <source>Enable debug logging</source>
        <translation>Hata ayıklama günlüğünü etkinleştir</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics to help improve the product</source>
        <translation>Ürünün geliştirilmesine yardımcı olmak için anonim kullanım istatistikleri gönder</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Aramayı temizle</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Parolayı göster</translation>
    </message>
    <message>
        <source>The link was created.</source>
        <translation>Bağlantı oluşturuldu.</translation>
    </message>
    <message>
        <source>This server has no shared folder you can access. Ask the administrator for permission.</source>
        <translation>Bu sunucuda erişebileceğiniz paylaşılan klasör yok. Yöneticiden izin isteyin.</translation>
    </message>
    <message>
        <source>The background service is not running.</source>
        <translation>Arka plan hizmeti çalışmıyor.</translation>
    </message>
    <message>
        <source>Restore files as they were on</source>
        <translation>Dosyaları şu tarihteki hâline geri yükle</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Sürdür</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs [ProductName].</source>
        <translation>Kurulum Sihirbazı [ProductName] uygulamasını yüklerken lütfen bekleyin.</translation>
    </message>
    <message>
        <source>Syncing is paused on a metered connection.</source>
        <translation>Tarifeli bağlantıda eşitleme duraklatıldı.</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Bilinmiyor</translation>
    </message>
    <message>
        <source>This rule already exists.</source>
        <translation>Bu kural zaten var.</translation>
    </message>
    <message>
        <source>List of recent file changes</source>
        <translation>Son dosya değişiklikleri listesi</translation>
    </message>
    <message>
        <source>Team Folders</source>
        <translation>Ekip klasörleri</translation>
    </message>
    <message>
        <source>Remove the selected task</source>
        <translation>Seçili görevi kaldır</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>Geçerli parola</translation>
    </message>
    <message>
        <source>Same as the system</source>
        <translation>Sistemle aynı</translation>
    </message>
    <message>
        <source>Review the settings below, then click Done to start syncing.</source>
        <translation>Aşağıdaki ayarları gözden geçirin, ardından eşitlemeyi başlatmak için Bitti'ye tıklayın.</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Tanılama</translation>
    </message>
    <message>
        <source>Unable to read %1.</source>
        <translation>%1 okunamıyor.</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>Eşitleme tamamlandı</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Hesap</translation>
    </message>
    <message>
        <source>Start minimized to the notification area</source>
        <translation>Bildirim alanında simge durumunda başlat</translation>
    </message>
    <message>
        <source>This wizard helps you connect this computer to your server and choose which folders to keep in sync.</source>
        <translation>Bu sihirbaz, bilgisayarınızı sunucunuza bağlamanıza ve eşitlenecek klasörleri seçmenize yardımcı olur.</translation>
    </message>
    <message>
        <source>You are using the latest version.</source>
        <translation>En son sürümü kullanıyorsunuz.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached.</source>
        <translation>Sunucudaki depolama kotanıza ulaşıldı.</translation>
    </message>
    <message>
        <source>Show Toolbar</source>
        <translation>Araç çubuğunu göster</translation>
    </message>
    <message>
        <source>%1 changes are waiting to be synced.</source>
        <translation>%1 değişiklik eşitlenmeyi bekliyor.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Duraklat</translation>
    </message>
    <message>
        <source>Do you want to remove Quenmark Zelto Client and all of its components?</source>
        <translation>Quenmark Zelto Client'ı ve tüm bileşenlerini kaldırmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>I accept the terms of the license agreement</source>
        <translation>Lisans sözleşmesinin koşullarını kabul ediyorum</translation>
    </message>
    <message>
        <source>System folders cannot be synced. Choose another folder.</source>
        <translation>Sistem klasörleri eşitlenemez. Başka bir klasör seçin.</translation>
    </message>
    <message>
        <source>Launch at startup</source>
        <translation>Sistem başlangıcında çalıştır</translation>
    </message>
    <message>
        <source>Two-step verification is required for this account.</source>
        <translation>Bu hesap için iki adımlı doğrulama gerekiyor.</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>Rebuild Database</source>
        <translation>Veritabanını yeniden oluştur</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Oturum aç</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Cumartesi</translation>
    </message>
    <message>
        <source>The connection to the server timed out.</source>
        <translation>Sunucu bağlantısı zaman aşımına uğradı.</translation>
    </message>
    <message>
        <source>Internet access</source>
        <translation>İnternet erişimi</translation>
    </message>
    <message>
        <source>Show Quenmark Zelto Client items in the file manager context menu</source>
        <translation>Dosya yöneticisinin bağlam menüsünde Quenmark Zelto Client öğelerini göster</translation>
    </message>
    <message>
        <source>&amp;Repair</source>
        <translation>&amp;Onar</translation>
    </message>
    <message>
        <source>Select the files and folders to restore.</source>
        <translation>Geri yüklenecek dosya ve klasörleri seçin.</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Önbellek</translation>
    </message>
    <message>
        <source>%1 is a reserved name and cannot be used.</source>
        <translation>%1 ayrılmış bir addır ve kullanılamaz.</translation>
    </message>
    <message>
        <source>%1 was updated.</source>
        <translation>%1 güncellendi.</translation>
    </message>
    <message>
        <source>SMTP server</source>
        <translation>SMTP sunucusu</translation>
    </message>
    <message>
        <source>No file has been synced yet.</source>
        <translation>Henüz hiçbir dosya eşitlenmedi.</translation>
    </message>
    <message>
        <source>Open Web Portal</source>
        <translation>Web portalını aç</translation>
    </message>
    <message>
        <source>Background service</source>
        <translation>Arka plan hizmeti</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Yeniden dene</translation>
    </message>
    <message>
        <source>View Certificate</source>
        <translation>Sertifikayı görüntüle</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>dakika</translation>
    </message>
    <message>
        <source>Not synced</source>
        <translation>Eşitlenmedi</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Çevrimiçi yardım</translation>
    </message>
    <message>
        <source>The server name could not be resolved.</source>
        <translation>Sunucu adı çözümlenemedi.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Uyarı</translation>
    </message>
    <message>
        <source>The link could not be copied.</source>
        <translation>Bağlantı kopyalanamadı.</translation>
    </message>
    <message>
        <source>Run a missed backup when the computer starts</source>
        <translation>Kaçırılan yedeklemeyi bilgisayar açıldığında çalıştır</translation>
    </message>
    <message>
        <source>Every %1 hours</source>
        <translation>%1 saatte bir</translation>
    </message>
    <message>
        <source>Out of Disk Space</source>
        <translation>Disk alanı yetersiz</translation>
    </message>
    <message>
        <source>The link has been copied to the clipboard.</source>
        <translation>Bağlantı panoya kopyalandı.</translation>
    </message>
    <message>
        <source>Open settings</source>
        <translation>Ayarları aç</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel [ProductName] installation?</source>
        <translation>[ProductName] yüklemesini iptal etmek istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Düzenle</translation>
    </message>
    <message>
        <source>Enter a port number between 1 and 65535.</source>
        <translation>1 ile 65535 arasında bir bağlantı noktası numarası girin.</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filtreler</translation>
    </message>
    <message>
        <source>Disk Size</source>
        <translation>Disk boyutu</translation>
    </message>
    <message>
        <source>This version of the file is no longer available.</source>
        <translation>Dosyanın bu sürümü artık kullanılamıyor.</translation>
    </message>
    <message>
        <source>Hide Window</source>
        <translation>Pencereyi gizle</translation>
    </message>
    <message>
        <source>Remove Rule</source>
        <translation>Kuralı kaldır</translation>
    </message>
    <message>
        <source>Your session has expired. Please sign in again.</source>
        <translation>Oturumunuzun süresi doldu. Lütfen yeniden oturum açın.</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Etki alanı</translation>
    </message>
    <message>
        <source>Symbolic links are not synced.</source>
        <translation>Sembolik bağlantılar eşitlenmez.</translation>
    </message>
    <message>
        <source>Create Backup Task</source>
        <translation>Yedekleme görevi oluştur</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopyala</translation>
    </message>
    <message>
        <source>Overwrite existing files</source>
        <translation>Var olan dosyaların üzerine yaz</translation>
    </message>
    <message>
        <source>Unpacking %1...</source>
        <translation>%1 paketten çıkarılıyor...</translation>
    </message>
    <message>
        <source>Keep the files in a folder on this computer and a folder on the server identical. Changes on either side are applied to the other.</source>
        <translation>Bu bilgisayardaki bir klasörle sunucudaki bir klasördeki dosyaları aynı tutar. Bir taraftaki değişiklikler diğerine uygulanır.</translation>
    </message>
    <message>
        <source>Select the type of task you want to create. You can add more tasks later.</source>
        <translation>Oluşturmak istediğiniz görev türünü seçin. Daha sonra başka görevler ekleyebilirsiniz.</translation>
    </message>
    <message>
        <source>Rename Task</source>
        <translation>Görevi yeniden adlandır</translation>
    </message>
    <message>
        <source>Change Password...</source>
        <translation>Parolayı değiştir...</translation>
    </message>
    <message>
        <source>Syncing is paused to save battery power.</source>
        <translation>Pil tasarrufu için eşitleme duraklatıldı.</translation>
    </message>
    <message>
        <source>The Setup Wizard will install [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>Kurulum Sihirbazı [ProductName] uygulamasını bilgisayarınıza yükleyecek. Devam etmek için İleri'ye, sihirbazdan çıkmak için İptal'e tıklayın.</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>İzinler</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Klasörde göster</translation>
    </message>
    <message>
        <source>Keep file versions</source>
        <translation>Dosya sürümlerini sakla</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>The connection to the server was lost. Syncing will resume when the connection is restored.</source>
        <translation>Sunucu bağlantısı kesildi. Bağlantı yeniden kurulduğunda eşitleme sürecek.</translation>
    </message>
    <message>
        <source>The shared folder is encrypted and has not been mounted on the server.</source>
        <translation>Paylaşılan klasör şifreli ve sunucuda bağlanmamış.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Kapat</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client - %1</source>
        <translation>Quenmark Zelto Client - %1</translation>
    </message>
    <message>
        <source>The version of the server is too old. Update the server to version %1 or later.</source>
        <translation>Sunucu sürümü çok eski. Sunucuyu %1 veya daha yeni bir sürüme güncelleyin.</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Klasör ekle...</translation>
    </message>
    <message>
        <source>Restored</source>
        <translation>Geri yüklendi</translation>
    </message>
    <message>
        <source>Reconnecting in %1 seconds...</source>
        <translation>%1 saniye içinde yeniden bağlanılacak...</translation>
    </message>
    <message>
        <source>Unable to connect through the proxy server %1.</source>
        <translation>%1 ara sunucusu üzerinden bağlanılamıyor.</translation>
    </message>
    <message>
        <source>Protect with a password</source>
        <translation>Parolayla koru</translation>
    </message>
    <message>
        <source>Enter a rate between 1 and 1048576 KB/s.</source>
        <translation>1 ile 1048576 KB/sn arasında bir hız girin.</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Yazılım güncelleştirmesi</translation>
    </message>
    <message>
        <source>Please wait while the installer finishes determining your disk space requirements.</source>
        <translation>Yükleyici gereken disk alanını belirlerken lütfen bekleyin.</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Pzt</translation>
    </message>
    <message>
        <source>The rule %1 is not valid.</source>
        <translation>%1 kuralı geçerli değil.</translation>
    </message>
    <message>
        <source>Deleted files can be restored from the recycle bin of the shared folder.</source>
        <translation>Silinen dosyalar paylaşılan klasörün geri dönüşüm kutusundan geri yüklenebilir.</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Sınırsız</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>%1 is initializing...</source>
        <translation>%1 başlatılıyor...</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client main window</source>
        <translation>Quenmark Zelto Client ana penceresi</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Yeniden adlandır</translation>
    </message>
    <message>
        <source>Unable to write %1.</source>
        <translation>%1 yazılamıyor.</translation>
    </message>
    <message>
        <source>Log level</source>
        <translation>Günlük düzeyi</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>days</source>
        <translation>gün</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Karşıya yükle</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Konuk</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>Pause All</source>
        <translation>Tümünü duraklat</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Her ay</translation>
    </message>
    <message>
        <source>Prevent the computer from sleeping while syncing</source>
        <translation>Eşitleme sırasında bilgisayarın uyku moduna geçmesini engelle</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Boyut</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Geçmiş</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Sunucu adresi</translation>
    </message>
    <message>
        <source>Browse to the destination folder</source>
        <translation>Hedef klasöre gidin</translation>
    </message>
    <message>
        <source>Do you want to clear the history? This does not affect your files.</source>
        <translation>Geçmişi temizlemek istiyor musunuz? Bu işlem dosyalarınızı etkilemez.</translation>
    </message>
    <message>
        <source>Remove old data</source>
        <translation>Eski verileri kaldır</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Beni hatırla</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Her hafta</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>Kuyrukta</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Şimdi güncelle</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Perşembe</translation>
    </message>
    <message>
        <source>The selected file does not contain valid settings.</source>
        <translation>Seçilen dosya geçerli ayarlar içermiyor.</translation>
    </message>
    <message>
        <source>The password is too weak.</source>
        <translation>Parola çok zayıf.</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Klasör seç</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard repairs [ProductName].</source>
        <translation>Kurulum Sihirbazı [ProductName] uygulamasını onarırken lütfen bekleyin.</translation>
    </message>
    <message>
        <source>For example: tmp, log, iso</source>
        <translation>Örneğin: tmp, log, iso</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Oturumu kapat</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Sunucuyla güvenli bağlantı kurulamadı.</translation>
    </message>
    <message>
        <source>Pause the selected task</source>
        <translation>Seçili görevi duraklat</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>İşletim sistemi</translation>
    </message>
    <message>
        <source>Do you want to remove the task %1? The files in the folders will not be deleted.</source>
        <translation>%1 görevini kaldırmak istiyor musunuz? Klasörlerdeki dosyalar silinmez.</translation>
    </message>
    <message>
        <source>[ProductName] Setup</source>
        <translation>[ProductName] Kurulumu</translation>
    </message>
    <message>
        <source>This account has been disabled. Contact your system administrator.</source>
        <translation>Bu hesap devre dışı bırakıldı. Sistem yöneticinize başvurun.</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Bugün</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>E-posta adresi</translation>
    </message>
    <message>
        <source>The verification code is incorrect or has expired.</source>
        <translation>Doğrulama kodu yanlış veya süresi dolmuş.</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>Günlükler</translation>
    </message>
    <message>
        <source>List of sync and backup tasks</source>
        <translation>Eşitleme ve yedekleme görevleri listesi</translation>
    </message>
    <message>
        <source>Keep up to %1 versions of each file</source>
        <translation>Her dosyanın en fazla %1 sürümünü sakla</translation>
    </message>
    <message>
        <source>%1 will be synced with %2.</source>
        <translation>%1, %2 ile eşitlenecek.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tümünü seç</translation>
    </message>
    <message>
        <source>Syncing %1</source>
        <translation>%1 eşitleniyor</translation>
    </message>
    <message>
        <source>Free space</source>
        <translation>Boş alan</translation>
    </message>
    <message>
        <source>Your feedback could not be sent. Please try again later.</source>
        <translation>Geri bildiriminiz gönderilemedi. Lütfen daha sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>File manager integration</source>
        <translation>Dosya yöneticisi tümleştirmesi</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Yeni parola</translation>
    </message>
    <message>
        <source>Sign In with SSO</source>
        <translation>SSO ile oturum aç</translation>
    </message>
    <message>
        <source>My Files</source>
        <translation>Dosyalarım</translation>
    </message>
    <message>
        <source>Sync new folders automatically</source>
        <translation>Yeni klasörleri otomatik eşitle</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Güncellemeleri denetle</translation>
    </message>
    <message>
        <source>Enter the 6-digit code from your authenticator app.</source>
        <translation>Kimlik doğrulama uygulamanızdaki 6 haneli kodu girin.</translation>
    </message>
    <message>
        <source>Right-click a file for more options.</source>
        <translation>Daha fazla seçenek için bir dosyaya sağ tıklayın.</translation>
    </message>
    <message>
        <source>Server version</source>
        <translation>Sunucu sürümü</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client was removed from your computer.</source>
        <translation>Quenmark Zelto Client bilgisayarınızdan kaldırıldı.</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Klasör adı</translation>
    </message>
    <message>
        <source>You have no tasks yet. Click Create Task to sync or back up a folder.</source>
        <translation>Henüz göreviniz yok. Bir klasörü eşitlemek veya yedeklemek için Görev oluştur'a tıklayın.</translation>
    </message>
    <message>
        <source>Indexing files...</source>
        <translation>Dosyalar dizine ekleniyor...</translation>
    </message>
    <message>
        <source>Verification code field</source>
        <translation>Doğrulama kodu alanı</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disk dolu</translation>
    </message>
    <message>
        <source>Backup started</source>
        <translation>Yedekleme başladı</translation>
    </message>
    <message>
        <source>The sync folder %1 was moved or deleted. Syncing has stopped for this task.</source>
        <translation>%1 eşitleme klasörü taşındı veya silindi. Bu görevin eşitlemesi durduruldu.</translation>
    </message>
    <message>
        <source>The file was damaged during transfer and will be downloaded again.</source>
        <translation>Dosya aktarım sırasında bozuldu ve yeniden indirilecek.</translation>
    </message>
    <message>
        <source>You have reached the maximum number of tasks (%1).</source>
        <translation>En fazla görev sayısına (%1) ulaştınız.</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>saat</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Icon View</source>
        <translation>Simge görünümü</translation>
    </message>
    <message>
        <source>Backup finished</source>
        <translation>Yedekleme tamamlandı</translation>
    </message>
    <message>
        <source>Starting %1 for the first time. This may take a minute.</source>
        <translation>%1 ilk kez başlatılıyor. Bu işlem bir dakika sürebilir.</translation>
    </message>
    <message>
        <source>Server path</source>
        <translation>Sunucu yolu</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Parolayı değiştir</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP adresi</translation>
    </message>
    <message>
        <source>Sync file permissions and timestamps</source>
        <translation>Dosya izinlerini ve zaman damgalarını eşitle</translation>
    </message>
    <message>
        <source>Syncing will stop when you quit. Quit Quenmark Zelto Client anyway?</source>
        <translation>Çıkarsanız eşitleme durur. Yine de Quenmark Zelto Client'tan çıkılsın mı?</translation>
    </message>
    <message>
        <source>Hidden files</source>
        <translation>Gizli dosyalar</translation>
    </message>
    <message>
        <source>The folder cannot be inside or contain a folder that is already synced.</source>
        <translation>Klasör, zaten eşitlenen bir klasörün içinde olamaz ve böyle bir klasörü içeremez.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached. The backup cannot continue until space is freed.</source>
        <translation>Sunucudaki depolama kotanıza ulaşıldı. Yer açılana kadar yedekleme devam edemez.</translation>
    </message>
    <message>
        <source>Download queue</source>
        <translation>İndirme kuyruğu</translation>
    </message>
    <message>
        <source>This computer is registered with the server.</source>
        <translation>Bu bilgisayar sunucuya kayıtlı.</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Geri Dönüşüm Kutusu</translation>
    </message>
    <message>
        <source>Back up changes continuously</source>
        <translation>Değişiklikleri sürekli yedekle</translation>
    </message>
    <message>
        <source>Source folders</source>
        <translation>Kaynak klasörler</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Lisans Sözleşmesi</translation>
    </message>
    <message>
        <source>Sync options</source>
        <translation>Eşitleme seçenekleri</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>Her şey hazır!</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Atla</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Yeni klasör</translation>
    </message>
    <message>
        <source>Add to the &amp;Start menu</source>
        <translation>&amp;Başlat menüsüne ekle</translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation>Oturum açılıyor...</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Yüklemeyi başlatmak için Yükle'ye tıklayın. Yükleme ayarlarını gözden geçirmek veya değiştirmek için Geri'ye tıklayın. Sihirbazdan çıkmak için İptal'e tıklayın.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client cannot write to %1. Check the folder permissions.</source>
        <translation>Quenmark Zelto Client %1 konumuna yazamıyor. Klasör izinlerini denetleyin.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Bu sürümü atla</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>Web sitemizi ziyaret edin</translation>
    </message>
    <message>
        <source>Open Local Folder</source>
        <translation>Yerel klasörü aç</translation>
    </message>
    <message>
        <source>Removing [ProductName]</source>
        <translation>[ProductName] kaldırılıyor</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Klasörü aç</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>Copyright (c) Quenmark. All rights reserved.</source>
        <translation>Telif hakkı (c) Quenmark. Tüm hakları saklıdır.</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Cihazı kaldır</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>The session is locked.</source>
        <translation>Oturum kilitli.</translation>
    </message>
    <message>
        <source>Downloading on demand...</source>
        <translation>İsteğe bağlı indiriliyor...</translation>
    </message>
    <message>
        <source>Sign-in required</source>
        <translation>Oturum açmanız gerekiyor</translation>
    </message>
    <message>
        <source>Unable to copy %1.</source>
        <translation>%1 kopyalanamıyor.</translation>
    </message>
    <message>
        <source>List of filter rules</source>
        <translation>Filtre kuralları listesi</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>Anlık görüntüler</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Durduruldu</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Birim</translation>
    </message>
    <message>
        <source>Change destination folder</source>
        <translation>Hedef klasörü değiştir</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Eşitleniyor...</translation>
    </message>
    <message>
        <source>Back up only when the computer is plugged in</source>
        <translation>Yalnızca bilgisayar prize takılıyken yedekle</translation>
    </message>
    <message>
        <source>Resume Syncing</source>
        <translation>Eşitlemeyi sürdür</translation>
    </message>
    <message>
        <source>A new version is available.</source>
        <translation>Yeni bir sürüm var.</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation>Sık sorulan sorular</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Görünüm</translation>
    </message>
    <message>
        <source>Run on</source>
        <translation>Çalışma günü</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Unable to download the update.</source>
        <translation>Güncelleme indirilemiyor.</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>Bağlantıyı sına</translation>
    </message>
    <message>
        <source>You have been signed out.</source>
        <translation>Oturumunuz kapatıldı.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Eşitleme</translation>
    </message>
    <message>
        <source>Last backup completed %1</source>
        <translation>Son yedekleme tamamlandı: %1</translation>
    </message>
    <message>
        <source>Pause Syncing</source>
        <translation>Eşitlemeyi duraklat</translation>
    </message>
    <message>
        <source>Limit automatically</source>
        <translation>Otomatik sınırla</translation>
    </message>
    <message>
        <source>Keep the version on the server</source>
        <translation>Sunucudaki sürümü sakla</translation>
    </message>
    <message>
        <source>Open menu</source>
        <translation>Menüyü aç</translation>
    </message>
    <message>
        <source>The file is larger than the limit allowed by the server.</source>
        <translation>Dosya, sunucunun izin verdiği boyutu aşıyor.</translation>
    </message>
    <message>
        <source>Your data was moved successfully.</source>
        <translation>Verileriniz başarıyla taşındı.</translation>
    </message>
    <message>
        <source>Ready to install [ProductName]</source>
        <translation>[ProductName] yüklemeye hazır</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>%1 dosyası yok.</translation>
    </message>
    <message>
        <source>Export Logs...</source>
        <translation>Günlükleri dışa aktar...</translation>
    </message>
    <message>
        <source>Syncing has resumed</source>
        <translation>Eşitleme sürdürüldü</translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely because of an error. Your system has not been modified. To install this program at a later time, run the Setup Wizard again.</source>
        <translation>[ProductName] Kurulum Sihirbazı bir hata nedeniyle erken sona erdi. Sisteminizde değişiklik yapılmadı. Bu programı daha sonra yüklemek için Kurulum Sihirbazını yeniden çalıştırın.</translation>
    </message>
    <message>
        <source>Select the server folder to sync with this computer.</source>
        <translation>Bu bilgisayarla eşitlenecek sunucu klasörünü seçin.</translation>
    </message>
    <message>
        <source>Upload changes to the server only</source>
        <translation>Yalnızca değişiklikleri sunucuya yükle</translation>
    </message>
    <message>
        <source>Time remaining unknown</source>
        <translation>Kalan süre bilinmiyor</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>%1 files were skipped. See the history for details.</source>
        <translation>%1 dosya atlandı. Ayrıntılar için geçmişe bakın.</translation>
    </message>
    <message>
        <source>Keep all versions</source>
        <translation>Tüm sürümleri sakla</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Dışa aktar</translation>
    </message>
    <message>
        <source>Sync progress</source>
        <translation>Eşitleme ilerlemesi</translation>
    </message>
    <message>
        <source>The new language will be used after Quenmark Zelto Client restarts.</source>
        <translation>Yeni dil, Quenmark Zelto Client yeniden başlatıldıktan sonra kullanılacak.</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Oluşturuldu</translation>
    </message>
    <message>
        <source>%1 used of %2</source>
        <translation>%2 alanın %1 kadarı kullanılıyor</translation>
    </message>
    <message>
        <source>Version Retention</source>
        <translation>Sürüm saklama</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Bitiş saati</translation>
    </message>
    <message>
        <source>Proxy type</source>
        <translation>Ara sunucu türü</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>Ada göre sırala</translation>
    </message>
    <message>
        <source>On-demand sync is not supported on this file system.</source>
        <translation>Bu dosya sisteminde isteğe bağlı eşitleme desteklenmiyor.</translation>
    </message>
    <message>
        <source>Connected through the Internet</source>
        <translation>İnternet üzerinden bağlı</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Yeniden dene</translation>
    </message>
    <message>
        <source>Authentication required</source>
        <translation>Kimlik doğrulama gerekli</translation>
    </message>
    <message>
        <source>Access Denied</source>
        <translation>Erişim reddedildi</translation>
    </message>
    <message>
        <source>Upload rate</source>
        <translation>Karşıya yükleme hızı</translation>
    </message>
    <message>
        <source>The system limit on watched folders has been reached. Some changes may be detected late.</source>
        <translation>İzlenen klasörler için sistem sınırına ulaşıldı. Bazı değişiklikler geç algılanabilir.</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Taşındı</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Sort by Date</source>
        <translation>Tarihe göre sırala</translation>
    </message>
    <message>
        <source>Do not sync hidden files</source>
        <translation>Gizli dosyaları eşitleme</translation>
    </message>
    <message>
        <source>Sync This Folder</source>
        <translation>Bu klasörü eşitle</translation>
    </message>
    <message>
        <source>%1 is very large. Uploading it may take a long time.</source>
        <translation>%1 çok büyük. Karşıya yüklenmesi uzun sürebilir.</translation>
    </message>
    <message>
        <source>Access control lists are not supported on this file system and will not be synced.</source>
        <translation>Erişim denetim listeleri bu dosya sisteminde desteklenmediğinden eşitlenmeyecek.</translation>
    </message>
    <message>
        <source>Enter the verification code</source>
        <translation>Doğrulama kodunu girin</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>Parolalar eşleşmiyor.</translation>
    </message>
    <message>
        <source>The security certificate of %1 is not trusted. Your connection may not be secure.</source>
        <translation>%1 güvenlik sertifikasına güvenilmiyor. Bağlantınız güvenli olmayabilir.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Bitti</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapor</translation>
    </message>
    <message>
        <source>%1, %2 o'clock</source>
        <translation>%1, saat %2</translation>
    </message>
    <message>
        <source>The Setup Wizard allows you to repair the installation of [ProductName] or remove it from your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>Kurulum Sihirbazı, [ProductName] yüklemesini onarmanıza veya uygulamayı bilgisayarınızdan kaldırmanıza olanak tanır. Devam etmek için İleri'ye, sihirbazdan çıkmak için İptal'e tıklayın.</translation>
    </message>
    <message>
        <source>Read and write</source>
        <translation>Okuma ve yazma</translation>
    </message>
    <message>
        <source>Pause for 8 hours</source>
        <translation>8 saat duraklat</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Yedekleme</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Duraklatıldı</translation>
    </message>
    <message>
        <source>Edit the selected task</source>
        <translation>Seçili görevi düzenle</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Hoş geldiniz</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Tarayıcıda aç</translation>
    </message>
    <message>
        <source>Task %1, status %2</source>
        <translation>Görev %1, durum %2</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation>Kurulum Sihirbazından çıkmak için Son düğmesine tıklayın.</translation>
    </message>
    <message>
        <source>Relay ID</source>
        <translation>Aktarma kimliği</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Oturum aç</translation>
    </message>
    <message>
        <source>Do not limit</source>
        <translation>Sınırlama</translation>
    </message>
    <message>
        <source>Download changes from the server only</source>
        <translation>Yalnızca sunucudaki değişiklikleri indir</translation>
    </message>
    <message>
        <source>Unable to move %1 to %2.</source>
        <translation>%1, %2 konumuna taşınamıyor.</translation>
    </message>
    <message>
        <source>Add a task</source>
        <translation>Görev ekle</translation>
    </message>
    <message>
        <source>Your storage space on %1 is almost full.</source>
        <translation>%1 üzerindeki depolama alanınız neredeyse dolu.</translation>
    </message>
    <message>
        <source>Install updates automatically</source>
        <translation>Güncelleştirmeleri otomatik yükle</translation>
    </message>
    <message>
        <source>Recent Changes</source>
        <translation>Son değişiklikler</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>Görünen ad</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Bağlanılıyor...</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Uyarılar</translation>
    </message>
    <message>
        <source>Preparing to sync...</source>
        <translation>Eşitleme hazırlanıyor...</translation>
    </message>
    <message>
        <source>Single Sign-On</source>
        <translation>Çoklu oturum açma</translation>
    </message>
    <message>
        <source>Ready to sync</source>
        <translation>Eşitlemeye hazır</translation>
    </message>
    <message>
        <source>Advanced Filters...</source>
        <translation>Gelişmiş filtreler...</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <translation>Masaüstü bildirimlerini göster</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Simge durumuna küçült</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Güncellemeler denetleniyor...</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>İndirildi</translation>
    </message>
    <message>
        <source>Choose a folder on the server</source>
        <translation>Sunucuda bir klasör seçin</translation>
    </message>
    <message>
        <source>Excluded from sync</source>
        <translation>Eşitlemenin dışında</translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <translation>%1 dosya eşitleniyor</translation>
    </message>
    <message>
        <source>Loading folders...</source>
        <translation>Klasörler yükleniyor...</translation>
    </message>
    <message>
        <source>This version of Quenmark Zelto Client is no longer supported by the server. Please update the client.</source>
        <translation>Bu Quenmark Zelto Client sürümü artık sunucu tarafından desteklenmiyor. Lütfen istemciyi güncelleyin.</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Paylaşılan</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>saniye</translation>
    </message>
    <message>
        <source>Repairing [ProductName]</source>
        <translation>[ProductName] onarılıyor</translation>
    </message>
    <message>
        <source>Upload speed</source>
        <translation>Karşıya yükleme hızı</translation>
    </message>
    <message>
        <source>Open on Server</source>
        <translation>Sunucuda aç</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>Your settings have been saved.</source>
        <translation>Ayarlarınız kaydedildi.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Devre dışı</translation>
    </message>
    <message>
        <source>Create Sync Task</source>
        <translation>Eşitleme görevi oluştur</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Şimdi yedekle</translation>
    </message>
    <message>
        <source>The upgrade is complete.</source>
        <translation>Yükseltme tamamlandı.</translation>
    </message>
    <message>
        <source>Version %1 (build %2)</source>
        <translation>Sürüm %1 (yapı %2)</translation>
    </message>
    <message>
        <source>Launch [ProductName] now</source>
        <translation>[ProductName] uygulamasını şimdi başlat</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Geri bildirim gönder</translation>
    </message>
    <message>
        <source>No results found.</source>
        <translation>Sonuç bulunamadı.</translation>
    </message>
    <message>
        <source>Copy Sharing Link</source>
        <translation>Paylaşım bağlantısını kopyala</translation>
    </message>
    <message>
        <source>The task no longer exists.</source>
        <translation>Görev artık yok.</translation>
    </message>
    <message>
        <source>&amp;Do not close applications. A reboot will be required.</source>
        <translation>Uygulamaları kapat&amp;ma. Yeniden başlatma gerekecek.</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Görev</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Cum</translation>
    </message>
    <message>
        <source>Deleting %1</source>
        <translation>%1 siliniyor</translation>
    </message>
    <message>
        <source>Enter at least %1 characters.</source>
        <translation>En az %1 karakter girin.</translation>
    </message>
    <message>
        <source>Unable to restore the selected files.</source>
        <translation>Seçilen dosyalar geri yüklenemiyor.</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation>İsteğe bağlı eşitleme</translation>
    </message>
    <message>
        <source>Checking the environment...</source>
        <translation>Ortam denetleniyor...</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation>İki yönlü eşitleme</translation>
    </message>
    <message>
        <source>Valid until</source>
        <translation>Geçerlilik sonu</translation>
    </message>
    <message>
        <source>The history was exported to %1.</source>
        <translation>Geçmiş %1 konumuna aktarıldı.</translation>
    </message>
    <message>
        <source>Files and folders that match these rules are not synced.</source>
        <translation>Bu kurallarla eşleşen dosya ve klasörler eşitlenmez.</translation>
    </message>
    <message>
        <source>Available offline</source>
        <translation>Çevrimdışı kullanılabilir</translation>
    </message>
    <message>
        <source>The files have been restored.</source>
        <translation>Dosyalar geri yüklendi.</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Cihaz adı</translation>
    </message>
    <message>
        <source>Renaming %1</source>
        <translation>%1 yeniden adlandırılıyor</translation>
    </message>
    <message>
        <source>Some files could not be synced</source>
        <translation>Bazı dosyalar eşitlenemedi</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Ağ</translation>
    </message>
    <message>
        <source>Task name</source>
        <translation>Görev adı</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by fixing missing and corrupt files, shortcuts, and registry entries.</source>
        <translation>Eksik ve bozuk dosyaları, kısayolları ve kayıt defteri girdilerini düzelterek en son yüklemedeki hataları onarır.</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Yükleniyor...</translation>
    </message>
    <message>
        <source>Pause until I resume</source>
        <translation>Ben sürdürene kadar duraklat</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>İleri</translation>
    </message>
    <message>
        <source>No server was found on your local network. Enter the address manually.</source>
        <translation>Yerel ağınızda sunucu bulunamadı. Adresi elle girin.</translation>
    </message>
    <message>
        <source>Removes [ProductName] from your computer.</source>
        <translation>[ProductName] uygulamasını bilgisayarınızdan kaldırır.</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>Yerel klasör</translation>
    </message>
    <message>
        <source>The quota of the shared folder has been reached.</source>
        <translation>Paylaşılan klasörün kotasına ulaşıldı.</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>Son Kullanıcı Lisans Sözleşmesi</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Evet</translation>
    </message>
    <message>
        <source>Online only</source>
        <translation>Yalnızca çevrimiçi</translation>
    </message>
    <message>
        <source>Up one level</source>
        <translation>Bir düzey yukarı</translation>
    </message>
    <message>
        <source>Upload: %1/s  Download: %2/s</source>
        <translation>Karşıya yükleme: %1/s  İndirme: %2/s</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Koyu</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Her gün</translation>
    </message>
    <message>
        <source>The local version was renamed to %1.</source>
        <translation>Yerel sürümün adı %1 olarak değiştirildi.</translation>
    </message>
    <message>
        <source>%1 is in use by another application and will be synced when it is closed.</source>
        <translation>%1 başka bir uygulama tarafından kullanılıyor; uygulama kapatıldığında eşitlenecek.</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>%1 zamanına kadar duraklatıldı</translation>
    </message>
    <message>
        <source>View History</source>
        <translation>Geçmişi görüntüle</translation>
    </message>
    <message>
        <source>Confirm new password</source>
        <translation>Yeni parolayı onayla</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>Bağlantı zaman aşımı</translation>
    </message>
    <message>
        <source>Proxy server</source>
        <translation>Ara sunucu</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Kullanıcı</translation>
    </message>
    <message>
        <source>Downloading the update... %1%</source>
        <translation>Güncelleme indiriliyor... %1%</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Yeniden adlandırıldı</translation>
    </message>
    <message>
        <source>Use dark theme</source>
        <translation>Koyu tema kullan</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Salı</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>KB/sn</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully</source>
        <translation>Lütfen aşağıdaki lisans sözleşmesini dikkatle okuyun</translation>
    </message>
    <message>
        <source>Send Test Email</source>
        <translation>Test e-postası gönder</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <translation>Eşitleme yönü</translation>
    </message>
    <message>
        <source>Rebuilding the local database...</source>
        <translation>Yerel veritabanı yeniden oluşturuluyor...</translation>
    </message>
    <message>
        <source>Switch Account</source>
        <translation>Hesap değiştir</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Hazır</translation>
    </message>
    <message>
        <source>Folder tree</source>
        <translation>Klasör ağacı</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>Bu sürümü geri yükle</translation>
    </message>
    <message>
        <source>The destination shared folder could not be found on the server. Select another destination.</source>
        <translation>Hedef paylaşılan klasör sunucuda bulunamadı. Başka bir hedef seçin.</translation>
    </message>
    <message>
        <source>The security certificate of the server has expired.</source>
        <translation>Sunucunun güvenlik sertifikasının süresi dolmuş.</translation>
    </message>
    <message>
        <source>Restart Quenmark Zelto Client to apply the changes.</source>
        <translation>Değişikliklerin uygulanması için Quenmark Zelto Client'ı yeniden başlatın.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client status icon</source>
        <translation>Quenmark Zelto Client durum simgesi</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Güç</translation>
    </message>
    <message>
        <source>%1 percent complete</source>
        <translation>Yüzde %1 tamamlandı</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Cmt</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Depolama</translation>
    </message>
    <message>
        <source>Pause syncing when running on battery power</source>
        <translation>Pil gücüyle çalışırken eşitlemeyi duraklat</translation>
    </message>
    <message>
        <source>Enter your server address, username and password.</source>
        <translation>Sunucu adresini, kullanıcı adını ve parolayı girin.</translation>
    </message>
    <message>
        <source>Every %1 minutes</source>
        <translation>%1 dakikada bir</translation>
    </message>
    <message>
        <source>Do you want to delete the selected items?</source>
        <translation>Seçili öğeleri silmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>Show sync status icons in the file manager</source>
        <translation>Dosya yöneticisinde eşitleme durum simgelerini göster</translation>
    </message>
    <message>
        <source>I &amp;do not accept the terms in the License Agreement</source>
        <translation>Lisans Sözleşmesi'nin koşullarını kabul &amp;etmiyorum</translation>
    </message>
    <message>
        <source>Learn more</source>
        <translation>Daha fazla bilgi</translation>
    </message>
    <message>
        <source>Server address field</source>
        <translation>Sunucu adresi alanı</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Sıklık</translation>
    </message>
    <message>
        <source>Play a sound</source>
        <translation>Ses çal</translation>
    </message>
    <message>
        <source>Locate Folder</source>
        <translation>Klasörü bul</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>Hedef klasör</translation>
    </message>
    <message>
        <source>Load More</source>
        <translation>Daha fazla yükle</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Unable to rename %1 to %2.</source>
        <translation>%1 dosyasının adı %2 olarak değiştirilemiyor.</translation>
    </message>
    <message>
        <source>If your network requires a proxy server to reach the Internet, enter its settings here.</source>
        <translation>Ağınız İnternet'e erişmek için bir ara sunucu gerektiriyorsa, ayarlarını buraya girin.</translation>
    </message>
    <message>
        <source>Remove the local copies of the selected files? They remain on the server and are downloaded again when you open them.</source>
        <translation>Seçili dosyaların yerel kopyaları kaldırılsın mı? Dosyalar sunucuda kalır ve açtığınızda yeniden indirilir.</translation>
    </message>
    <message>
        <source>Install Now</source>
        <translation>Şimdi yükle</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Per</translation>
    </message>
    <message>
        <source>Display scaling</source>
        <translation>Ekran ölçeklendirme</translation>
    </message>
    <message>
        <source>Restoring %1 of %2 files...</source>
        <translation>%2 dosyadan %1 tanesi geri yükleniyor...</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Dosya uzantıları</translation>
    </message>
    <message>
        <source>The update package is damaged or has an invalid signature.</source>
        <translation>Güncelleme paketi bozuk veya imzası geçersiz.</translation>
    </message>
    <message>
        <source>Disk Space Requirements</source>
        <translation>Disk alanı gereksinimleri</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Yükseltme</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Görevler</translation>
    </message>
    <message>
        <source>Account: %1</source>
        <translation>Hesap: %1</translation>
    </message>
    <message>
        <source>The security certificate of the server is not trusted.</source>
        <translation>Sunucunun güvenlik sertifikasına güvenilmiyor.</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Hiçbirini seçme</translation>
    </message>
    <message>
        <source>An invalid parameter was given.</source>
        <translation>Geçersiz bir parametre verildi.</translation>
    </message>
    <message>
        <source>Ask before deleting many files on the server</source>
        <translation>Sunucuda çok sayıda dosya silinmeden önce sor</translation>
    </message>
    <message>
        <source>&amp;Look in:</source>
        <translation>&amp;Konum:</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>IP adresiniz sunucu tarafından engellendi.</translation>
    </message>
    <message>
        <source>Debug logging records detailed information and may slow down syncing. Turn it off when you are done.</source>
        <translation>Hata ayıklama günlüğü ayrıntılı bilgi kaydeder ve eşitlemeyi yavaşlatabilir. İşiniz bitince kapatın.</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Hedef</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>El ile ara sunucu yapılandırması</translation>
    </message>
    <message>
        <source>Day of the month</source>
        <translation>Ayın günü</translation>
    </message>
    <message>
        <source>The local database is damaged. Quenmark Zelto Client will rebuild it.</source>
        <translation>Yerel veritabanı bozuk. Quenmark Zelto Client veritabanını yeniden oluşturacak.</translation>
    </message>
    <message>
        <source>Are you sure you want to quit the setup? No task will be created.</source>
        <translation>Kurulumdan çıkmak istediğinizden emin misiniz? Hiçbir görev oluşturulmayacak.</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Hiç eşitlenmedi</translation>
    </message>
    <message>
        <source>The shared folder no longer exists on the server.</source>
        <translation>Paylaşılan klasör artık sunucuda yok.</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Sal</translation>
    </message>
    <message>
        <source>Use SSL/TLS</source>
        <translation>SSL/TLS kullan</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <translation>Eşitleme modu</translation>
    </message>
    <message>
        <source>The update has been downloaded and will be installed when you quit Quenmark Zelto Client.</source>
        <translation>Güncelleme indirildi; Quenmark Zelto Client'tan çıktığınızda yüklenecek.</translation>
    </message>
    <message>
        <source>The server is under maintenance. Syncing will resume automatically.</source>
        <translation>Sunucu bakımda. Eşitleme otomatik olarak sürecek.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client Setup</source>
        <translation>Quenmark Zelto Client Kurulumu</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Ekranı kapla</translation>
    </message>
    <message>
        <source>Enable backup schedule</source>
        <translation>Yedekleme zamanlamasını etkinleştir</translation>
    </message>
    <message>
        <source>The first sync may take a while, depending on the number and size of your files.</source>
        <translation>İlk eşitleme, dosyalarınızın sayısına ve boyutuna bağlı olarak biraz zaman alabilir.</translation>
    </message>
    <message>
        <source>Sign in with the account you use on %1.</source>
        <translation>%1 üzerinde kullandığınız hesapla oturum açın.</translation>
    </message>
    <message>
        <source>Backup Schedule</source>
        <translation>Yedekleme zamanlaması</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>Dosya adı çok uzun.</translation>
    </message>
    <message>
        <source>The file manager will be restarted to unload the extension.</source>
        <translation>Uzantıyı kaldırmak için dosya yöneticisi yeniden başlatılacak.</translation>
    </message>
    <message>
        <source>Keep both versions</source>
        <translation>İki sürümü de sakla</translation>
    </message>
    <message>
        <source>Available when online</source>
        <translation>Çevrimiçiyken kullanılabilir</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Tüm seçimleri kaldır</translation>
    </message>
    <message>
        <source>Total size</source>
        <translation>Toplam boyut</translation>
    </message>
    <message>
        <source>Open source licenses</source>
        <translation>Açık kaynak lisansları</translation>
    </message>
    <message>
        <source>No backup is scheduled.</source>
        <translation>Zamanlanmış yedekleme yok.</translation>
    </message>
    <message>
        <source>Syncing was paused while the computer was asleep.</source>
        <translation>Bilgisayar uykudayken eşitleme duraklatıldı.</translation>
    </message>
    <message>
        <source>Team Folder</source>
        <translation>Ekip klasörü</translation>
    </message>
    <message>
        <source>Overall progress</source>
        <translation>Genel ilerleme</translation>
    </message>
    <message>
        <source>Checking the connection to %1...</source>
        <translation>%1 bağlantısı denetleniyor...</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <translation>%1 hazır.</translation>
    </message>
    <message>
        <source>When a conflict occurs</source>
        <translation>Çakışma olduğunda</translation>
    </message>
    <message>
        <source>The security certificate was issued to %1, not to %2.</source>
        <translation>Güvenlik sertifikası %2 için değil, %1 için verilmiş.</translation>
    </message>
    <message>
        <source>Trust this computer</source>
        <translation>Bu bilgisayara güven</translation>
    </message>
    <message>
        <source>Select the operation you wish to perform.</source>
        <translation>Gerçekleştirmek istediğiniz işlemi seçin.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Etkin</translation>
    </message>
    <message>
        <source>File size limit</source>
        <translation>Dosya boyutu sınırı</translation>
    </message>
    <message>
        <source>Unable to create the task.</source>
        <translation>Görev oluşturulamıyor.</translation>
    </message>
    <message>
        <source>Create Task</source>
        <translation>Görev oluştur</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <translation>Güncelleştirilmesi gereken bazı dosyalar şu anda kullanımda.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Lütfen bekleyin...</translation>
    </message>
    <message>
        <source>Searching for servers on your local network...</source>
        <translation>Yerel ağınızda sunucu aranıyor...</translation>
    </message>
    <message>
        <source>Disk space required for the installation exceeds available disk space.</source>
        <translation>Yükleme için gereken disk alanı, kullanılabilir disk alanını aşıyor.</translation>
    </message>
    <message>
        <source>The following applications are using files that need to be updated by this setup. Close these applications and then click &amp;Retry to continue the installation or Cancel to exit it.</source>
        <translation>Aşağıdaki uygulamalar, bu kurulumun güncelleştirmesi gereken dosyaları kullanıyor. Bu uygulamaları kapatın, ardından yüklemeye devam etmek için &amp;Yeniden dene'ye veya çıkmak için İptal'e tıklayın.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>%1 klasörü yok.</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Sahip</translation>
    </message>
    <message>
        <source>Play sounds</source>
        <translation>Sesleri çal</translation>
    </message>
    <message>
        <source>Synced</source>
        <translation>Eşitlendi</translation>
    </message>
    <message>
        <source>Last day of the month</source>
        <translation>Ayın son günü</translation>
    </message>
    <message>
        <source>Keep the version on this computer</source>
        <translation>Bu bilgisayardaki sürümü sakla</translation>
    </message>
    <message>
        <source>Resume the selected task</source>
        <translation>Seçili görevi sürdür</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Destek</translation>
    </message>
    <message>
        <source>Sort by Size</source>
        <translation>Boyuta göre sırala</translation>
    </message>
    <message>
        <source>Storage Details</source>
        <translation>Depolama ayrıntıları</translation>
    </message>
    <message>
        <source>Apply limits only during these hours</source>
        <translation>Sınırları yalnızca bu saatlerde uygula</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grup</translation>
    </message>
    <message>
        <source>Welcome to Quenmark Zelto Client</source>
        <translation>Quenmark Zelto Client'a hoş geldiniz</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>İşlem</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Bağlandı</translation>
    </message>
    <message>
        <source>Data from an earlier version was found on this computer.</source>
        <translation>Bu bilgisayarda önceki bir sürüme ait veriler bulundu.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-posta</translation>
    </message>
    <message>
        <source>Pause for 30 minutes</source>
        <translation>30 dakika duraklat</translation>
    </message>
    <message>
        <source>Open in File Manager</source>
        <translation>Dosya yöneticisinde aç</translation>
    </message>
    <message>
        <source>Completed the [ProductName] Setup Wizard</source>
        <translation>[ProductName] Kurulum Sihirbazı tamamlandı</translation>
    </message>
    <message>
        <source>Last synced %1</source>
        <translation>Son eşitleme: %1</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Adım %1 / %2</translation>
    </message>
    <message>
        <source>Retry Now</source>
        <translation>Şimdi yeniden dene</translation>
    </message>
    <message>
        <source>%1 of %2 used</source>
        <translation>%2 alanın %1 kadarı kullanılıyor</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Atlandı</translation>
    </message>
    <message>
        <source>You have used %1 of your storage quota.</source>
        <translation>Depolama kotanızın %1 kadarını kullandınız.</translation>
    </message>
    <message>
        <source>A newer version of [ProductName] is already installed. Setup will now exit.</source>
        <translation>[ProductName] uygulamasının daha yeni bir sürümü zaten yüklü. Kurulum şimdi kapanacak.</translation>
    </message>
    <message>
        <source>No problem was found.</source>
        <translation>Sorun bulunamadı.</translation>
    </message>
    <message>
        <source>Keep files on the server that were deleted on this computer</source>
        <translation>Bu bilgisayarda silinen dosyaları sunucuda sakla</translation>
    </message>
    <message>
        <source>Scanning for changes...</source>
        <translation>Değişiklikler aranıyor...</translation>
    </message>
    <message>
        <source>Registering product</source>
        <translation>Ürün kaydediliyor</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Arayüz dili</translation>
    </message>
    <message>
        <source>You are not running the setup as an administrator. Some features may not be installed correctly. Continue anyway?</source>
        <translation>Kurulumu yönetici olarak çalıştırmıyorsunuz. Bazı özellikler doğru yüklenmeyebilir. Yine de devam edilsin mi?</translation>
    </message>
    <message>
        <source>There is not enough free space on %1. At least %2 is needed.</source>
        <translation>%1 üzerinde yeterli boş alan yok. En az %2 gerekiyor.</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Destekle iletişime geç</translation>
    </message>
    <message>
        <source>Task Details</source>
        <translation>Görev ayrıntıları</translation>
    </message>
    <message>
        <source>Back up only when the computer is idle</source>
        <translation>Yalnızca bilgisayar boştayken yedekle</translation>
    </message>
    <message>
        <source>Open the folder on the server in a web browser</source>
        <translation>Sunucudaki klasörü web tarayıcısında aç</translation>
    </message>
    <message>
        <source>Administrator permission is required.</source>
        <translation>Yönetici izni gerekiyor.</translation>
    </message>
    <message>
        <source>Creating shortcuts</source>
        <translation>Kısayollar oluşturuluyor</translation>
    </message>
    <message>
        <source>Your email address (optional)</source>
        <translation>E-posta adresiniz (isteğe bağlı)</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>İlerleme</translation>
    </message>
    <message>
        <source>Free space on this drive: %1</source>
        <translation>Bu sürücüdeki boş alan: %1</translation>
    </message>
    <message>
        <source>The proxy connection works.</source>
        <translation>Ara sunucu bağlantısı çalışıyor.</translation>
    </message>
    <message>
        <source>Privacy statement</source>
        <translation>Gizlilik bildirimi</translation>
    </message>
    <message>
        <source>Install the file manager extension (status icons and context menu)</source>
        <translation>Dosya yöneticisi uzantısını yükle (durum simgeleri ve bağlam menüsü)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>İçe aktar</translation>
    </message>
    <message>
        <source>Select Folders</source>
        <translation>Klasörleri seç</translation>
    </message>
    <message>
        <source>The file is locked by another application.</source>
        <translation>Dosya başka bir uygulama tarafından kilitlendi.</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Durum:</translation>
    </message>
    <message>
        <source>Thank you! Your feedback has been sent.</source>
        <translation>Teşekkürler! Geri bildiriminiz gönderildi.</translation>
    </message>
    <message>
        <source>Sync directly with computers on the same network when possible</source>
        <translation>Mümkün olduğunda aynı ağdaki bilgisayarlarla doğrudan eşitle</translation>
    </message>
    <message>
        <source>Download rate</source>
        <translation>İndirme hızı</translation>
    </message>
    <message>
        <source>&amp;Folder name:</source>
        <translation>&amp;Klasör adı:</translation>
    </message>
    <message>
        <source>%1 files, %2</source>
        <translation>%1 dosya, %2</translation>
    </message>
    <message>
        <source>Version on this computer</source>
        <translation>Bu bilgisayardaki sürüm</translation>
    </message>
    <message>
        <source>The file name contains characters that are not allowed: %1</source>
        <translation>Dosya adı izin verilmeyen karakterler içeriyor: %1</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>İ&amp;leri &gt;</translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>İlgilenilmesi gerekiyor</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Gereken</translation>
    </message>
    <message>
        <source>Your settings and sync tasks are being moved to the new version of Quenmark Zelto Client. Do not turn off the computer.</source>
        <translation>Ayarlarınız ve eşitleme görevleriniz Quenmark Zelto Client'ın yeni sürümüne taşınıyor. Bilgisayarı kapatmayın.</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Kullanıcı kılavuzu</translation>
    </message>
    <message>
        <source>Expiration date</source>
        <translation>Son kullanma tarihi</translation>
    </message>
    <message>
        <source>The disk where your sync folder is located is almost full.</source>
        <translation>Eşitleme klasörünüzün bulunduğu disk neredeyse dolu.</translation>
    </message>
    <message>
        <source>The server %1 could not be found. Check the address and try again.</source>
        <translation>%1 sunucusu bulunamadı. Adresi denetleyip yeniden deneyin.</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>Bu alan zorunludur.</translation>
    </message>
    <message>
        <source>You have read-only access to this shared folder.</source>
        <translation>Bu paylaşılan klasöre yalnızca okuma erişiminiz var.</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Bağlantıyı kopyala</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Geri</translation>
    </message>
    <message>
        <source>View Previous Versions</source>
        <translation>Önceki sürümleri görüntüle</translation>
    </message>
    <message>
        <source>Complete the sign-in in your web browser.</source>
        <translation>Oturum açma işlemini web tarayıcınızda tamamlayın.</translation>
    </message>
    <message>
        <source>Directory user</source>
        <translation>Dizin kullanıcısı</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Karşılaştır</translation>
    </message>
    <message>
        <source>Always Keep on This Device</source>
        <translation>Her zaman bu cihazda tut</translation>
    </message>
    <message>
        <source>You do not have write permission for the destination shared folder.</source>
        <translation>Hedef paylaşılan klasöre yazma izniniz yok.</translation>
    </message>
    <message>
        <source>Open Quenmark Zelto Client</source>
        <translation>Quenmark Zelto Client'ı aç</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Açık</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>Bildirim</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>İndir</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Durdur</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Hayır</translation>
    </message>
    <message>
        <source>The folder is already used by another sync task.</source>
        <translation>Bu klasör zaten başka bir eşitleme görevi tarafından kullanılıyor.</translation>
    </message>
    <message>
        <source>This link has expired.</source>
        <translation>Bu bağlantının süresi doldu.</translation>
    </message>
    <message>
        <source>Installing [ProductName]</source>
        <translation>[ProductName] yükleniyor</translation>
    </message>
    <message>
        <source>Rename the server file</source>
        <translation>Sunucudaki dosyayı yeniden adlandır</translation>
    </message>
    <message>
        <source>Your files are now being synced. You can follow the progress from the icon in the notification area.</source>
        <translation>Dosyalarınız şimdi eşitleniyor. İlerlemeyi bildirim alanındaki simgeden izleyebilirsiniz.</translation>
    </message>
    <message>
        <source>&amp;Disk Usage</source>
        <translation>&amp;Disk kullanımı</translation>
    </message>
    <message>
        <source>Syncing</source>
        <translation>Eşitleniyor</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client is running. Quit it and click Retry, or click Cancel to stop the setup.</source>
        <translation>Quenmark Zelto Client çalışıyor. Uygulamadan çıkıp Yeniden dene'ye tıklayın veya kurulumu durdurmak için İptal'e tıklayın.</translation>
    </message>
    <message>
        <source>Share with users on the server</source>
        <translation>Sunucudaki kullanıcılarla paylaş</translation>
    </message>
    <message>
        <source>Can edit</source>
        <translation>Düzenleyebilir</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Çarşamba</translation>
    </message>
    <message>
        <source>Looking for changed files...</source>
        <translation>Değişen dosyalar aranıyor...</translation>
    </message>
    <message>
        <source>Copy folders on this computer to the server on a schedule. Files deleted on this computer are kept on the server.</source>
        <translation>Bu bilgisayardaki klasörleri bir zamanlamaya göre sunucuya kopyalar. Bu bilgisayarda silinen dosyalar sunucuda saklanır.</translation>
    </message>
    <message>
        <source>Some settings could not be moved. Please check your sync tasks.</source>
        <translation>Bazı ayarlar taşınamadı. Lütfen eşitleme görevlerinizi denetleyin.</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Şimdi eşitle</translation>
    </message>
    <message>
        <source>On-demand</source>
        <translation>İsteğe bağlı</translation>
    </message>
    <message>
        <source>Saved accounts</source>
        <translation>Kayıtlı hesaplar</translation>
    </message>
    <message>
        <source>Restore...</source>
        <translation>Geri yükle...</translation>
    </message>
    <message>
        <source>Attach diagnostic logs</source>
        <translation>Tanılama günlüklerini ekle</translation>
    </message>
    <message>
        <source>%1 results</source>
        <translation>%1 sonuç</translation>
    </message>
    <message>
        <source>Open Sync Folder</source>
        <translation>Eşitleme klasörünü aç</translation>
    </message>
    <message>
        <source>%1 could not be updated. The installed version will be started.</source>
        <translation>%1 güncellenemedi. Yüklü sürüm başlatılacak.</translation>
    </message>
    <message>
        <source>%1 was not synced because it is larger than the maximum file size.</source>
        <translation>%1 en büyük dosya boyutunu aştığı için eşitlenmedi.</translation>
    </message>
    <message>
        <source>View on Web Portal</source>
        <translation>Web portalında görüntüle</translation>
    </message>
    <message>
        <source>Open the local folder</source>
        <translation>Yerel klasörü aç</translation>
    </message>
    <message>
        <source>Permission</source>
        <translation>İzin</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Silindi</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard removes [ProductName].</source>
        <translation>Kurulum Sihirbazı [ProductName] uygulamasını kaldırırken lütfen bekleyin.</translation>
    </message>
    <message>
        <source>Moving Your Data</source>
        <translation>Verileriniz taşınıyor</translation>
    </message>
    <message>
        <source>Ask when more than %1 files are deleted at once</source>
        <translation>Tek seferde %1 dosyadan fazlası silinirken sor</translation>
    </message>
    <message>
        <source>Uploaded</source>
        <translation>Karşıya yüklendi</translation>
    </message>
    <message>
        <source>Server name</source>
        <translation>Sunucu adı</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Yazdır</translation>
    </message>
    <message>
        <source>Signed in as %1</source>
        <translation>%1 olarak oturum açıldı</translation>
    </message>
    <message>
        <source>The recycle bin is not enabled for this shared folder. Deleted files cannot be restored.</source>
        <translation>Bu paylaşılan klasör için geri dönüşüm kutusu etkin değil. Silinen dosyalar geri yüklenemez.</translation>
    </message>
    <message>
        <source>Uploading %1</source>
        <translation>%1 karşıya yükleniyor</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of [ProductName]. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>[ProductName] yüklemesini onarmak için Onar'a tıklayın. Yükleme ayarlarını gözden geçirmek veya değiştirmek için Geri'ye tıklayın. Sihirbazdan çıkmak için İptal'e tıklayın.</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Çalışıyor</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Az önce</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Her zaman üstte</translation>
    </message>
    <message>
        <source>Verification code</source>
        <translation>Doğrulama kodu</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Dün</translation>
    </message>
    <message>
        <source>Use the default folder (%1)</source>
        <translation>Varsayılan klasörü kullan (%1)</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>Dosyaları buraya bırakın</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Cuma</translation>
    </message>
    <message>
        <source>Username field</source>
        <translation>Kullanıcı adı alanı</translation>
    </message>
    <message>
        <source>Encrypt data during transfer</source>
        <translation>Aktarım sırasında verileri şifrele</translation>
    </message>
    <message>
        <source>%1 files were changed.</source>
        <translation>%1 dosya değiştirildi.</translation>
    </message>
    <message>
        <source>Sign In...</source>
        <translation>Oturum aç...</translation>
    </message>
    <message>
        <source>You do not have permission to perform this operation.</source>
        <translation>Bu işlemi gerçekleştirme izniniz yok.</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Ayar sayfaları</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Sistem ara sunucu ayarlarını kullan</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Bekliyor</translation>
    </message>
    <message>
        <source>The folder is read-only. Files cannot be written to it.</source>
        <translation>Klasör salt okunur. Bu klasöre dosya yazılamaz.</translation>
    </message>
    <message>
        <source>Next backup: %1</source>
        <translation>Sonraki yedekleme: %1</translation>
    </message>
    <message>
        <source>The disk space required for the installation of the selected features.</source>
        <translation>Seçili özelliklerin yüklenmesi için gereken disk alanı.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <translation>Geçici dosyalar</translation>
    </message>
    <message>
        <source>Issued to</source>
        <translation>Verilen</translation>
    </message>
    <message>
        <source>More actions</source>
        <translation>Diğer işlemler</translation>
    </message>
    <message>
        <source>Download This Version</source>
        <translation>Bu sürümü indir</translation>
    </message>
    <message>
        <source>Include in Sync</source>
        <translation>Eşitlemeye dahil et</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Notify me when a backup finishes</source>
        <translation>Yedekleme bittiğinde bildir</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Pazartesi</translation>
    </message>
    <message>
        <source>Unable to delete %1.</source>
        <translation>%1 silinemiyor.</translation>
    </message>
    <message>
        <source>Open the sync folder</source>
        <translation>Eşitleme klasörünü aç</translation>
    </message>
    <message>
        <source>Create a shortcut on the &amp;desktop</source>
        <translation>&amp;Masaüstünde kısayol oluştur</translation>
    </message>
    <message>
        <source>Unable to save the settings.</source>
        <translation>Ayarlar kaydedilemiyor.</translation>
    </message>
    <message>
        <source>Email the report after each backup</source>
        <translation>Her yedeklemeden sonra raporu e-postayla gönder</translation>
    </message>
    <message>
        <source>Cache location</source>
        <translation>Önbellek konumu</translation>
    </message>
    <message>
        <source>Include folder %1</source>
        <translation>%1 klasörünü dahil et</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Yazı tipi boyutu</translation>
    </message>
    <message>
        <source>Unable to create %1.</source>
        <translation>%1 oluşturulamıyor.</translation>
    </message>
    <message>
        <source>Scanning local files...</source>
        <translation>Yerel dosyalar taranıyor...</translation>
    </message>
    <message>
        <source>Back up on a schedule</source>
        <translation>Zamanlamaya göre yedekle</translation>
    </message>
    <message>
        <source>&amp;Keep my settings and sync tasks</source>
        <translation>Ayarlarımı ve eşitleme görevlerimi &amp;sakla</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Varsayılanları geri yükle</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Bildirimler</translation>
    </message>
    <message>
        <source>Cache size</source>
        <translation>Önbellek boyutu</translation>
    </message>
    <message>
        <source>Never expires</source>
        <translation>Süresi dolmaz</translation>
    </message>
    <message>
        <source>Select a server from the list or enter its address.</source>
        <translation>Listeden bir sunucu seçin veya adresini girin.</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Çar</translation>
    </message>
    <message>
        <source>%1 was deleted.</source>
        <translation>%1 silindi.</translation>
    </message>
    <message>
        <source>The server is offline.</source>
        <translation>Sunucu çevrimdışı.</translation>
    </message>
    <message>
        <source>Open Recycle Bin</source>
        <translation>Geri Dönüşüm Kutusunu aç</translation>
    </message>
    <message>
        <source>Exclude from Sync</source>
        <translation>Eşitlemenin dışında tut</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Gönder</translation>
    </message>
    <message>
        <source>Version on the server</source>
        <translation>Sunucudaki sürüm</translation>
    </message>
    <message>
        <source>Calculating time remaining...</source>
        <translation>Kalan süre hesaplanıyor...</translation>
    </message>
    <message>
        <source>SMTP port</source>
        <translation>SMTP bağlantı noktası</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Ara sunucu yok</translation>
    </message>
    <message>
        <source>Pause for 1 hour</source>
        <translation>1 saat duraklat</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Onayla</translation>
    </message>
    <message>
        <source>Rename the local file</source>
        <translation>Yerel dosyayı yeniden adlandır</translation>
    </message>
    <message>
        <source>Show Previous Versions</source>
        <translation>Önceki sürümleri göster</translation>
    </message>
    <message>
        <source>Notify me when a sync finishes</source>
        <translation>Eşitleme bittiğinde bildir</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Dışa aktar...</translation>
    </message>
    <message>
        <source>Current status</source>
        <translation>Geçerli durum</translation>
    </message>
    <message>
        <source>Stop Backup</source>
        <translation>Yedeklemeyi durdur</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation>Kullanımdaki dosyalar</translation>
    </message>
    <message>
        <source>Do not sync temporary files</source>
        <translation>Geçici dosyaları eşitleme</translation>
    </message>
    <message>
        <source>Unable to unpack the installation package.</source>
        <translation>Yükleme paketi açılamıyor.</translation>
    </message>
    <message>
        <source>The backup could not start because the server is offline.</source>
        <translation>Sunucu çevrimdışı olduğu için yedekleme başlatılamadı.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>Enter a valid IP address.</source>
        <translation>Geçerli bir IP adresi girin.</translation>
    </message>
    <message>
        <source>IP address, domain name or relay ID</source>
        <translation>IP adresi, etki alanı adı veya aktarma kimliği</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Pazar</translation>
    </message>
    <message>
        <source>You do not have permission to use this service. Contact your system administrator.</source>
        <translation>Bu hizmeti kullanma izniniz yok. Sistem yöneticinize başvurun.</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Kaldır</translation>
    </message>
    <message>
        <source>The backup is intact.</source>
        <translation>Yedek sağlam.</translation>
    </message>
    <message>
        <source>Select at least one day.</source>
        <translation>En az bir gün seçin.</translation>
    </message>
    <message>
        <source>%1 files were deleted from the sync folder. Do you also want to delete them from the server?</source>
        <translation>Eşitleme klasöründen %1 dosya silindi. Bunları sunucudan da silmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>Certificate Warning</source>
        <translation>Sertifika uyarısı</translation>
    </message>
    <message>
        <source>Remember my password</source>
        <translation>Parolamı hatırla</translation>
    </message>
    <message>
        <source>Weekly schedule grid</source>
        <translation>Haftalık zamanlama tablosu</translation>
    </message>
    <message>
        <source>Enter a number between %1 and %2.</source>
        <translation>%1 ile %2 arasında bir sayı girin.</translation>
    </message>
    <message>
        <source>The username or password you entered is incorrect.</source>
        <translation>Kullanıcı adı veya parola yanlış.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Paylaş</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Pencereyi göster</translation>
    </message>
    <message>
        <source>Backing up %1 of %2 files</source>
        <translation>%2 dosyadan %1 tanesi yedekleniyor</translation>
    </message>
    <message>
        <source>Keep only the latest versions</source>
        <translation>Yalnızca en son sürümleri sakla</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <translation>Yerel diskte yeterli boş alan yok.</translation>
    </message>
    <message>
        <source>The file was changed both on this computer and on the server since the last sync.</source>
        <translation>Dosya, son eşitlemeden bu yana hem bu bilgisayarda hem de sunucuda değiştirildi.</translation>
    </message>
    <message>
        <source>Everything is up to date</source>
        <translation>Her şey güncel</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>İpucu</translation>
    </message>
    <message>
        <source>Scan complete</source>
        <translation>Tarama tamamlandı</translation>
    </message>
    <message>
        <source>Welcome to the [ProductName] Setup Wizard</source>
        <translation>[ProductName] Kurulum Sihirbazına hoş geldiniz</translation>
    </message>
    <message>
        <source>Choose how to sync</source>
        <translation>Eşitleme yöntemini seçin</translation>
    </message>
    <message>
        <source>Use * to match any characters and ? to match one character.</source>
        <translation>Herhangi bir karakter dizisi için * ve tek bir karakter için ? kullanın.</translation>
    </message>
    <message>
        <source>Ready to remove [ProductName]</source>
        <translation>[ProductName] kaldırmaya hazır</translation>
    </message>
    <message>
        <source>Last run time</source>
        <translation>Son çalışma zamanı</translation>
    </message>
    <message>
        <source>Backup finished with errors</source>
        <translation>Yedekleme hatalarla tamamlandı</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <translation>Bu bilgisayarda bir klasör seçin</translation>
    </message>
    <message>
        <source>File name pattern</source>
        <translation>Dosya adı deseni</translation>
    </message>
    <message>
        <source>%1 servers found on your local network.</source>
        <translation>Yerel ağınızda %1 sunucu bulundu.</translation>
    </message>
    <message>
        <source>Restart Later</source>
        <translation>Daha sonra yeniden başlat</translation>
    </message>
    <message>
        <source>Last sync</source>
        <translation>Son eşitleme</translation>
    </message>
    <message>
        <source>Stop Sharing</source>
        <translation>Paylaşımı durdur</translation>
    </message>
    <message>
        <source>Unable to connect to the server. Check your network connection and the server address.</source>
        <translation>Sunucuya bağlanılamıyor. Ağ bağlantınızı ve sunucu adresini denetleyin.</translation>
    </message>
</context>
</TS>
