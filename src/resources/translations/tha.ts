<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>The quota of destination shared folder has reached the system limit. Please change the quota limit on the server or contact the system administrator.</source>
        <translation>โควตาของโฟลเดอร์ที่แชร์ปลายทางถึงขีดจำกัดของระบบแล้ว โปรดเปลี่ยนขีดจำกัดโควตาบนเซิร์ฟเวอร์หรือติดต่อผู้ดูแลระบบ</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>วันที่แก้ไข</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>ลืมรหัสผ่านใช่หรือไม่</translation>
    </message>
    <message>
        <source>Field cannot exceed %1 numbers.</source>
        <translation>ช่องนี้ต้องมีตัวเลขไม่เกิน %1 หลัก</translation>
    </message>
    <message>
        <source>Show or hide the password</source>
        <translation>แสดงหรือซ่อนรหัสผ่าน</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>ละเว้น(&amp;I)</translation>
    </message>
    <message>
        <source>Verifying files...</source>
        <translation>กำลังตรวจสอบไฟล์...</translation>
    </message>
    <message>
        <source>Dismiss notification</source>
        <translation>ปิดการแจ้งเตือน</translation>
    </message>
    <message>
        <source>Take Snapshot</source>
        <translation>สร้างสแนปช็อต</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>รายละเอียด</translation>
    </message>
    <message>
        <source>Upload queue</source>
        <translation>คิวอัปโหลด</translation>
    </message>
    <message>
        <source>About</source>
        <translation>เกี่ยวกับ</translation>
    </message>
    <message>
        <source>Sync Task</source>
        <translation>งานซิงค์</translation>
    </message>
    <message>
        <source>Starting services</source>
        <translation>กำลังเริ่มบริการ</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation>ดำเนินการต่อ</translation>
    </message>
    <message>
        <source>%1 was not synced because it matches a filter rule.</source>
        <translation>ไม่ได้ซิงค์ %1 เนื่องจากตรงกับกฎตัวกรอง</translation>
    </message>
    <message>
        <source>Resume All</source>
        <translation>ดำเนินการต่อทั้งหมด</translation>
    </message>
    <message>
        <source>Local network only</source>
        <translation>เครือข่ายภายในเท่านั้น</translation>
    </message>
    <message>
        <source>A relay connection can be slower than a direct connection.</source>
        <translation>การเชื่อมต่อผ่านรีเลย์อาจช้ากว่าการเชื่อมต่อโดยตรง</translation>
    </message>
    <message>
        <source>Encryption key</source>
        <translation>คีย์การเข้ารหัส</translation>
    </message>
    <message>
        <source>Back up only when I start it manually</source>
        <translation>สำรองข้อมูลเฉพาะเมื่อฉันสั่งเริ่มเอง</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>ข้อผิดพลาด</translation>
    </message>
    <message>
        <source>Server: %1</source>
        <translation>เซิร์ฟเวอร์: %1</translation>
    </message>
    <message>
        <source>Can view</source>
        <translation>ดูได้</translation>
    </message>
    <message>
        <source>[ProductName] setup was interrupted. Your system has not been modified. To install this program at a later time, please run the installation again.</source>
        <translation>การติดตั้ง [ProductName] ถูกขัดจังหวะ ระบบของคุณไม่มีการเปลี่ยนแปลง หากต้องการติดตั้งโปรแกรมนี้ในภายหลัง โปรดเรียกใช้การติดตั้งอีกครั้ง</translation>
    </message>
    <message>
        <source>Connect to a server</source>
        <translation>เชื่อมต่อกับเซิร์ฟเวอร์</translation>
    </message>
    <message>
        <source>General</source>
        <translation>ทั่วไป</translation>
    </message>
    <message>
        <source>Proxy server requires a password</source>
        <translation>พร็อกซีเซิร์ฟเวอร์ต้องใช้รหัสผ่าน</translation>
    </message>
    <message>
        <source>Field cannot exceed %1 characters.</source>
        <translation>ช่องนี้ต้องมีอักขระไม่เกิน %1 ตัว</translation>
    </message>
    <message>
        <source>I &amp;accept the terms in the License Agreement</source>
        <translation>ฉันยอมรับข้อกำหนดในข้อตกลงการอนุญาตให้ใช้สิทธิ์(&amp;A)</translation>
    </message>
    <message>
        <source>Only the checked folders are synced to this computer.</source>
        <translation>เฉพาะโฟลเดอร์ที่เลือกไว้เท่านั้นที่จะซิงค์มายังคอมพิวเตอร์เครื่องนี้</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>การสำรองข้อมูลล้มเหลว</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation>กำลังอัปเกรด...</translation>
    </message>
    <message>
        <source>Pause syncing on metered connections</source>
        <translation>หยุดการซิงค์ชั่วคราวบนการเชื่อมต่อแบบคิดค่าบริการตามปริมาณ</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>เริ่มต้นใช้งาน</translation>
    </message>
    <message>
        <source>Restore this version? The current version will be saved as a previous version.</source>
        <translation>ต้องการกู้คืนเวอร์ชันนี้หรือไม่ เวอร์ชันปัจจุบันจะถูกบันทึกเป็นเวอร์ชันก่อนหน้า</translation>
    </message>
    <message>
        <source>Updating %1...</source>
        <translation>กำลังอัปเดต %1...</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>ค้นหา</translation>
    </message>
    <message>
        <source>Folders on a network drive cannot be synced.</source>
        <translation>ไม่สามารถซิงค์โฟลเดอร์บนไดรฟ์เครือข่ายได้</translation>
    </message>
    <message>
        <source>Restore Down</source>
        <translation>คืนค่าขนาด</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>มุมมองรายการ</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>ค้นหาเซิร์ฟเวอร์ในเครือข่ายภายใน</translation>
    </message>
    <message>
        <source>There are no previous versions of this file.</source>
        <translation>ไม่มีเวอร์ชันก่อนหน้าของไฟล์นี้</translation>
    </message>
    <message>
        <source>Backup cancelled</source>
        <translation>ยกเลิกการสำรองข้อมูลแล้ว</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>ไม่ต้องแสดงอีก</translation>
    </message>
    <message>
        <source>Enter the encryption key to open this shared folder.</source>
        <translation>ป้อนคีย์การเข้ารหัสเพื่อเปิดโฟลเดอร์ที่แชร์นี้</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>ธีม</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>นำไปใช้</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>ชื่อไฟล์</translation>
    </message>
    <message>
        <source>Do not sync files larger than</source>
        <translation>ไม่ซิงค์ไฟล์ที่ใหญ่กว่า</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>เขียน</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>เปิดไฟล์</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>ส่วนต่าง</translation>
    </message>
    <message>
        <source>Restore Files</source>
        <translation>กู้คืนไฟล์</translation>
    </message>
    <message>
        <source>Files deleted on this computer are moved to the recycle bin of the shared folder on the server.</source>
        <translation>ไฟล์ที่ลบบนคอมพิวเตอร์เครื่องนี้จะถูกย้ายไปยังถังรีไซเคิลของโฟลเดอร์ที่แชร์บนเซิร์ฟเวอร์</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>ติดตั้ง(&amp;I)</translation>
    </message>
    <message>
        <source>%1 files were skipped because they were in use.</source>
        <translation>ข้ามไฟล์ %1 ไฟล์เนื่องจากกำลังถูกใช้งาน</translation>
    </message>
    <message>
        <source>The drive uses the FAT file system, which does not support files larger than 4 GB. Files over this size will not be synced.</source>
        <translation>ไดรฟ์นี้ใช้ระบบไฟล์ FAT ซึ่งไม่รองรับไฟล์ที่ใหญ่กว่า 4 GB ไฟล์ที่ใหญ่กว่านี้จะไม่ถูกซิงค์</translation>
    </message>
    <message>
        <source>%1 files were deleted on the server.</source>
        <translation>มีการลบไฟล์ %1 ไฟล์บนเซิร์ฟเวอร์</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>ความเป็นส่วนตัว</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>ใช่</translation>
    </message>
    <message>
        <source>Connected through the relay service</source>
        <translation>เชื่อมต่อผ่านบริการรีเลย์</translation>
    </message>
    <message>
        <source>Connecting through the relay service...</source>
        <translation>กำลังเชื่อมต่อผ่านบริการรีเลย์...</translation>
    </message>
    <message>
        <source>Install [ProductName] to:</source>
        <translation>ติดตั้ง [ProductName] ไปยัง:</translation>
    </message>
    <message>
        <source>Email Notifications</source>
        <translation>การแจ้งเตือนทางอีเมล</translation>
    </message>
    <message>
        <source>Battery is low. Syncing has been paused.</source>
        <translation>แบตเตอรี่เหลือน้อย การซิงค์หยุดชั่วคราวแล้ว</translation>
    </message>
    <message>
        <source>Client ID</source>
        <translation>ID ไคลเอ็นต์</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>A task with this name already exists.</source>
        <translation>มีงานที่ใช้ชื่อนี้อยู่แล้ว</translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely</source>
        <translation>ตัวช่วยสร้างการติดตั้ง [ProductName] สิ้นสุดก่อนกำหนด</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>คอมพิวเตอร์เครื่องนี้</translation>
    </message>
    <message>
        <source>No</source>
        <translation>ไม่ใช่</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>ล้มเหลว</translation>
    </message>
    <message>
        <source>Connection status</source>
        <translation>สถานะการเชื่อมต่อ</translation>
    </message>
    <message>
        <source>The sync service could not be started.</source>
        <translation>ไม่สามารถเริ่มบริการซิงค์ได้</translation>
    </message>
    <message>
        <source>Rolling back action:</source>
        <translation>กำลังย้อนกลับการดำเนินการ:</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>กำลังเชื่อมต่อกับ %1...</translation>
    </message>
    <message>
        <source>Domain user</source>
        <translation>ผู้ใช้โดเมน</translation>
    </message>
    <message>
        <source>Hide Details</source>
        <translation>ซ่อนรายละเอียด</translation>
    </message>
    <message>
        <source>About Quenmark Zelto Client</source>
        <translation>เกี่ยวกับ Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>เป็นปัจจุบันแล้ว</translation>
    </message>
    <message>
        <source>Notify me about conflicts</source>
        <translation>แจ้งเตือนเมื่อเกิดข้อขัดแย้ง</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client</source>
        <translation>Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Remove saved account</source>
        <translation>นำบัญชีที่บันทึกไว้ออก</translation>
    </message>
    <message>
        <source>Restore to</source>
        <translation>กู้คืนไปยัง</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>อัปเดต(&amp;U)</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>ชื่อคอมพิวเตอร์</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>The path of the folder is too long.</source>
        <translation>พาธของโฟลเดอร์ยาวเกินไป</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>เตือนฉันภายหลัง</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>TB</translation>
    </message>
    <message>
        <source>This account has expired. Contact your system administrator.</source>
        <translation>บัญชีนี้หมดอายุแล้ว โปรดติดต่อผู้ดูแลระบบ</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>การเข้ารหัส</translation>
    </message>
    <message>
        <source>Clear Cache</source>
        <translation>ล้างแคช</translation>
    </message>
    <message>
        <source>Release Notes</source>
        <translation>บันทึกประจำรุ่น</translation>
    </message>
    <message>
        <source>The installation failed. Please reinstall Quenmark Zelto Client.</source>
        <translation>การติดตั้งล้มเหลว โปรดติดตั้ง Quenmark Zelto Client ใหม่</translation>
    </message>
    <message>
        <source>No access</source>
        <translation>ไม่มีสิทธิ์เข้าถึง</translation>
    </message>
    <message>
        <source>Local path</source>
        <translation>พาธในเครื่อง</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>ชื่อ</translation>
    </message>
    <message>
        <source>Save Report...</source>
        <translation>บันทึกรายงาน...</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>เซิร์ฟเวอร์</translation>
    </message>
    <message>
        <source>Connect with HTTPS (recommended)</source>
        <translation>เชื่อมต่อด้วย HTTPS (แนะนำ)</translation>
    </message>
    <message>
        <source>Unable to install the update.</source>
        <translation>ไม่สามารถติดตั้งการอัปเดตได้</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>ชื่อผู้ใช้</translation>
    </message>
    <message>
        <source>The Setup Wizard will update the installed [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>ตัวช่วยสร้างการติดตั้งจะอัปเดต [ProductName] ที่ติดตั้งไว้บนคอมพิวเตอร์ของคุณ คลิกถัดไปเพื่อดำเนินการต่อ หรือคลิกยกเลิกเพื่อออกจากตัวช่วยสร้างการติดตั้ง</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>ข้อขัดแย้ง</translation>
    </message>
    <message>
        <source>Folder on server</source>
        <translation>โฟลเดอร์บนเซิร์ฟเวอร์</translation>
    </message>
    <message>
        <source>All</source>
        <translation>ทั้งหมด</translation>
    </message>
    <message>
        <source>Search file names</source>
        <translation>ค้นหาชื่อไฟล์</translation>
    </message>
    <message>
        <source>Restart File Manager</source>
        <translation>รีสตาร์ตตัวจัดการไฟล์</translation>
    </message>
    <message>
        <source>Verify Backup</source>
        <translation>ตรวจสอบข้อมูลสำรอง</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>ชื่อใหม่</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>ขั้นสูง</translation>
    </message>
    <message>
        <source>Download speed</source>
        <translation>ความเร็วในการดาวน์โหลด</translation>
    </message>
    <message>
        <source>Issued by</source>
        <translation>ออกโดย</translation>
    </message>
    <message>
        <source>Click Remove to remove [ProductName] from your computer. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>คลิกเอาออกเพื่อเอา [ProductName] ออกจากคอมพิวเตอร์ของคุณ คลิกย้อนกลับเพื่อตรวจสอบหรือเปลี่ยนการตั้งค่าการติดตั้ง คลิกยกเลิกเพื่อออกจากตัวช่วยสร้าง</translation>
    </message>
    <message>
        <source>Show all server files on this computer and download them only when you open them, saving local disk space.</source>
        <translation>แสดงไฟล์ทั้งหมดบนเซิร์ฟเวอร์ในคอมพิวเตอร์เครื่องนี้ และดาวน์โหลดเฉพาะเมื่อคุณเปิดไฟล์ ช่วยประหยัดพื้นที่ดิสก์</translation>
    </message>
    <message>
        <source>Destination folder on server</source>
        <translation>โฟลเดอร์ปลายทางบนเซิร์ฟเวอร์</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>ออฟไลน์</translation>
    </message>
    <message>
        <source>There is not enough free space on the server.</source>
        <translation>พื้นที่ว่างบนเซิร์ฟเวอร์ไม่เพียงพอ</translation>
    </message>
    <message>
        <source>You need administrator privileges to install [ProductName]. Sign in as an administrator and run the setup again.</source>
        <translation>คุณต้องมีสิทธิ์ผู้ดูแลระบบเพื่อติดตั้ง [ProductName] โปรดลงชื่อเข้าใช้ในฐานะผู้ดูแลระบบแล้วเรียกใช้การติดตั้งอีกครั้ง</translation>
    </message>
    <message>
        <source>A test email has been sent.</source>
        <translation>ส่งอีเมลทดสอบแล้ว</translation>
    </message>
    <message>
        <source>Enter a name for the task.</source>
        <translation>ป้อนชื่องาน</translation>
    </message>
    <message>
        <source>Syncing %1 of %2 files</source>
        <translation>กำลังซิงค์ไฟล์ %1 จาก %2 ไฟล์</translation>
    </message>
    <message>
        <source>Add Rule</source>
        <translation>เพิ่มกฎ</translation>
    </message>
    <message>
        <source>Password field</source>
        <translation>ช่องรหัสผ่าน</translation>
    </message>
    <message>
        <source>File Conflict</source>
        <translation>ไฟล์ขัดแย้งกัน</translation>
    </message>
    <message>
        <source>Moving your settings to the new version...</source>
        <translation>กำลังย้ายการตั้งค่าของคุณไปยังเวอร์ชันใหม่...</translation>
    </message>
    <message>
        <source>Folders on a removable drive cannot be synced.</source>
        <translation>ไม่สามารถซิงค์โฟลเดอร์บนไดรฟ์แบบถอดได้</translation>
    </message>
    <message>
        <source>Backup Task</source>
        <translation>งานสำรองข้อมูล</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>เปิดโฟลเดอร์บันทึก</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>ยกเลิกแล้ว</translation>
    </message>
    <message>
        <source>Compress data during transfer</source>
        <translation>บีบอัดข้อมูลระหว่างการถ่ายโอน</translation>
    </message>
    <message>
        <source>Backups run automatically at the times you choose. A running backup is not interrupted when its time slot ends.</source>
        <translation>การสำรองข้อมูลจะทำงานโดยอัตโนมัติตามเวลาที่คุณเลือก การสำรองข้อมูลที่กำลังทำงานจะไม่ถูกขัดจังหวะเมื่อหมดช่วงเวลา</translation>
    </message>
    <message>
        <source>Export Settings...</source>
        <translation>ส่งออกการตั้งค่า...</translation>
    </message>
    <message>
        <source>A conflict was found in %1. Both versions have been kept.</source>
        <translation>พบข้อขัดแย้งใน %1 เก็บไว้ทั้งสองเวอร์ชันแล้ว</translation>
    </message>
    <message>
        <source>Start Quenmark Zelto Client when I sign in</source>
        <translation>เริ่ม Quenmark Zelto Client เมื่อฉันลงชื่อเข้าใช้</translation>
    </message>
    <message>
        <source>Copying new files</source>
        <translation>กำลังคัดลอกไฟล์ใหม่</translation>
    </message>
    <message>
        <source>Contact your system administrator.</source>
        <translation>โปรดติดต่อผู้ดูแลระบบของคุณ</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>การตั้งค่า</translation>
    </message>
    <message>
        <source>Create Sharing Link</source>
        <translation>สร้างลิงก์แชร์</translation>
    </message>
    <message>
        <source>The sync service stopped unexpectedly.</source>
        <translation>บริการซิงค์หยุดทำงานโดยไม่คาดคิด</translation>
    </message>
    <message>
        <source>The background service is running.</source>
        <translation>บริการเบื้องหลังกำลังทำงาน</translation>
    </message>
    <message>
        <source>Folders you uncheck will be removed from this computer but stay on the server.</source>
        <translation>โฟลเดอร์ที่คุณยกเลิกการเลือกจะถูกนำออกจากคอมพิวเตอร์เครื่องนี้ แต่ยังคงอยู่บนเซิร์ฟเวอร์</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>ตำแหน่ง</translation>
    </message>
    <message>
        <source>Always trust this certificate</source>
        <translation>เชื่อถือใบรับรองนี้เสมอ</translation>
    </message>
    <message>
        <source>Files are synced into this folder. You can pick an empty folder or a folder that already holds files.</source>
        <translation>ไฟล์จะถูกซิงค์ลงในโฟลเดอร์นี้ คุณสามารถเลือกโฟลเดอร์ว่างหรือโฟลเดอร์ที่มีไฟล์อยู่แล้วได้</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>ไม่เคย</translation>
    </message>
    <message>
        <source>The task has been removed.</source>
        <translation>นำงานออกแล้ว</translation>
    </message>
    <message>
        <source>Local folder path field</source>
        <translation>ช่องพาธของโฟลเดอร์ในเครื่อง</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client %1 is available. You have version %2.</source>
        <translation>Quenmark Zelto Client %1 พร้อมให้ใช้งานแล้ว คุณใช้เวอร์ชัน %2</translation>
    </message>
    <message>
        <source>Original location</source>
        <translation>ตำแหน่งเดิม</translation>
    </message>
    <message>
        <source>Space needed: %1</source>
        <translation>พื้นที่ที่ต้องใช้: %1</translation>
    </message>
    <message>
        <source>Every hour</source>
        <translation>ทุกชั่วโมง</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>นำออก</translation>
    </message>
    <message>
        <source>Modified by</source>
        <translation>แก้ไขโดย</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>ไบต์</translation>
    </message>
    <message>
        <source>%1 was added.</source>
        <translation>เพิ่ม %1 แล้ว</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>เวอร์ชัน %1</translation>
    </message>
    <message>
        <source>Drag files here to upload them.</source>
        <translation>ลากไฟล์มาที่นี่เพื่ออัปโหลด</translation>
    </message>
    <message>
        <source>Smart retention</source>
        <translation>การเก็บรักษาอัจฉริยะ</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>เวลาเริ่มต้น</translation>
    </message>
    <message>
        <source>Your password has expired. Change it on the server, then sign in again.</source>
        <translation>รหัสผ่านของคุณหมดอายุแล้ว โปรดเปลี่ยนรหัสผ่านบนเซิร์ฟเวอร์แล้วลงชื่อเข้าใช้อีกครั้ง</translation>
    </message>
    <message>
        <source>The proxy server requires authentication.</source>
        <translation>พร็อกซีเซิร์ฟเวอร์ต้องการการยืนยันตัวตน</translation>
    </message>
    <message>
        <source>Prefer IPv6</source>
        <translation>ใช้ IPv6 เป็นหลัก</translation>
    </message>
    <message>
        <source>Select Folders...</source>
        <translation>เลือกโฟลเดอร์...</translation>
    </message>
    <message>
        <source>The logs have been saved to %1.</source>
        <translation>บันทึกถูกบันทึกไว้ที่ %1 แล้ว</translation>
    </message>
    <message>
        <source>Connected through the local network</source>
        <translation>เชื่อมต่อผ่านเครือข่ายภายใน</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>รีเฟรช</translation>
    </message>
    <message>
        <source>A new version of Quenmark Zelto Client is available.</source>
        <translation>มี Quenmark Zelto Client เวอร์ชันใหม่</translation>
    </message>
    <message>
        <source>No recent changes</source>
        <translation>ไม่มีการเปลี่ยนแปลงล่าสุด</translation>
    </message>
    <message>
        <source>Syncing is paused</source>
        <translation>การซิงค์หยุดชั่วคราว</translation>
    </message>
    <message>
        <source>Keep Files</source>
        <translation>เก็บไฟล์ไว้</translation>
    </message>
    <message>
        <source>Manage Tasks</source>
        <translation>จัดการงาน</translation>
    </message>
    <message>
        <source>Free Up Space</source>
        <translation>เพิ่มพื้นที่ว่าง</translation>
    </message>
    <message>
        <source>Desktop shortcut</source>
        <translation>ทางลัดบนเดสก์ท็อป</translation>
    </message>
    <message>
        <source>[ProductName] cannot be installed on this version of the operating system.</source>
        <translation>ไม่สามารถติดตั้ง [ProductName] บนระบบปฏิบัติการเวอร์ชันนี้ได้</translation>
    </message>
    <message>
        <source>No entries match your search.</source>
        <translation>ไม่มีรายการที่ตรงกับการค้นหา</translation>
    </message>
    <message>
        <source>Show tips at startup</source>
        <translation>แสดงเคล็ดลับเมื่อเริ่มต้น</translation>
    </message>
    <message>
        <source>Last backup failed %1</source>
        <translation>สำรองข้อมูลครั้งล่าสุดล้มเหลวเมื่อ %1</translation>
    </message>
    <message>
        <source>You must restart your system for the configuration changes made to [ProductName] to take effect. Click Yes to restart now or No if you plan to restart later.</source>
        <translation>คุณต้องรีสตาร์ตระบบเพื่อให้การเปลี่ยนแปลงการกำหนดค่าของ [ProductName] มีผล คลิกใช่เพื่อรีสตาร์ตเดี๋ยวนี้ หรือคลิกไม่ใช่หากต้องการรีสตาร์ตในภายหลัง</translation>
    </message>
    <message>
        <source>&amp;Close the applications and attempt to restart them.</source>
        <translation>ปิดแอปพลิเคชันและพยายามเริ่มใหม่(&amp;C)</translation>
    </message>
    <message>
        <source>An unknown error occurred. Please try again later.</source>
        <translation>เกิดข้อผิดพลาดที่ไม่ทราบสาเหตุ โปรดลองอีกครั้งในภายหลัง</translation>
    </message>
    <message>
        <source>Tell us what went wrong or what you would like to see improved.</source>
        <translation>บอกเราว่าเกิดปัญหาอะไร หรือสิ่งที่คุณอยากให้ปรับปรุง</translation>
    </message>
    <message>
        <source>Default port</source>
        <translation>พอร์ตเริ่มต้น</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>สร้างโฟลเดอร์ใหม่</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>โฟลเดอร์นี้ว่างเปล่า</translation>
    </message>
    <message>
        <source>Copied to the clipboard</source>
        <translation>คัดลอกไปยังคลิปบอร์ดแล้ว</translation>
    </message>
    <message>
        <source>Change, repair, or remove installation</source>
        <translation>เปลี่ยน ซ่อมแซม หรือเอาการติดตั้งออก</translation>
    </message>
    <message>
        <source>Unable to open the local database.</source>
        <translation>ไม่สามารถเปิดฐานข้อมูลภายในเครื่องได้</translation>
    </message>
    <message>
        <source>Back Up This Folder</source>
        <translation>สำรองข้อมูลโฟลเดอร์นี้</translation>
    </message>
    <message>
        <source>Add Account...</source>
        <translation>เพิ่มบัญชี...</translation>
    </message>
    <message>
        <source>Do this for all conflicts</source>
        <translation>ทำเช่นนี้กับข้อขัดแย้งทั้งหมด</translation>
    </message>
    <message>
        <source>View Issues</source>
        <translation>ดูปัญหา</translation>
    </message>
    <message>
        <source>The highlighted volumes do not have enough disk space available for the currently selected features. You can remove some files from the highlighted volumes, or cancel the installation.</source>
        <translation>วอลุ่มที่ไฮไลต์มีพื้นที่ดิสก์ไม่เพียงพอสำหรับคุณลักษณะที่เลือก คุณสามารถลบไฟล์บางไฟล์ออกจากวอลุ่มที่ไฮไลต์ หรือยกเลิกการติดตั้ง</translation>
    </message>
    <message>
        <source>Fine-tune what is synced. You can change these options later in Settings.</source>
        <translation>ปรับแต่งสิ่งที่จะซิงค์ คุณสามารถเปลี่ยนตัวเลือกเหล่านี้ได้ภายหลังในการตั้งค่า</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>อุปกรณ์</translation>
    </message>
    <message>
        <source>Do you want to sign out? All sync tasks of this account will stop.</source>
        <translation>คุณต้องการออกจากระบบหรือไม่ งานซิงค์ทั้งหมดของบัญชีนี้จะหยุดทำงาน</translation>
    </message>
    <message>
        <source>Notify me when others change shared files</source>
        <translation>แจ้งเตือนเมื่อผู้อื่นเปลี่ยนแปลงไฟล์ที่แชร์</translation>
    </message>
    <message>
        <source>Click Next to install to the default folder or click Change to choose another.</source>
        <translation>คลิกถัดไปเพื่อติดตั้งลงในโฟลเดอร์เริ่มต้น หรือคลิกเปลี่ยนเพื่อเลือกโฟลเดอร์อื่น</translation>
    </message>
    <message>
        <source>Previous Versions</source>
        <translation>เวอร์ชันก่อนหน้า</translation>
    </message>
    <message>
        <source>I lost my authentication device</source>
        <translation>ฉันทำอุปกรณ์ยืนยันตัวตนหาย</translation>
    </message>
    <message>
        <source>Enter the address of the server you want to sync with.</source>
        <translation>ป้อนที่อยู่ของเซิร์ฟเวอร์ที่คุณต้องการซิงค์ด้วย</translation>
    </message>
    <message>
        <source>Check file consistency after sync</source>
        <translation>ตรวจสอบความถูกต้องของไฟล์หลังการซิงค์</translation>
    </message>
    <message>
        <source>The identity of the server has changed. If you did not expect this, someone may be intercepting your connection.</source>
        <translation>ข้อมูลประจำตัวของเซิร์ฟเวอร์เปลี่ยนไป หากคุณไม่ได้คาดไว้ อาจมีผู้พยายามดักจับการเชื่อมต่อของคุณ</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>ล้างประวัติ</translation>
    </message>
    <message>
        <source>Quit Quenmark Zelto Client</source>
        <translation>ออกจาก Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Server folder path field</source>
        <translation>ช่องพาธของโฟลเดอร์บนเซิร์ฟเวอร์</translation>
    </message>
    <message>
        <source>Remove Folder</source>
        <translation>นำโฟลเดอร์ออก</translation>
    </message>
    <message>
        <source>Opened %1 times</source>
        <translation>เปิดแล้ว %1 ครั้ง</translation>
    </message>
    <message>
        <source>%1 files backed up, %2 skipped</source>
        <translation>สำรองข้อมูลแล้ว %1 ไฟล์ ข้าม %2 ไฟล์</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>พร็อกซี</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>กำลังสำรองข้อมูล...</translation>
    </message>
    <message>
        <source>Do you want to disconnect this computer from %1?</source>
        <translation>คุณต้องการยกเลิกการเชื่อมต่อคอมพิวเตอร์เครื่องนี้จาก %1 หรือไม่</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>แสดง</translation>
    </message>
    <message>
        <source>Show the sync folder in the file manager sidebar</source>
        <translation>แสดงโฟลเดอร์ซิงค์ในแถบด้านข้างของตัวจัดการไฟล์</translation>
    </message>
    <message>
        <source>Run Diagnostics</source>
        <translation>เรียกใช้การวินิจฉัย</translation>
    </message>
    <message>
        <source>Notify me about errors</source>
        <translation>แจ้งเตือนเมื่อเกิดข้อผิดพลาด</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>เปลี่ยน(&amp;C)...</translation>
    </message>
    <message>
        <source>Separate extensions with commas, for example tmp, bak</source>
        <translation>คั่นนามสกุลด้วยเครื่องหมายจุลภาค เช่น tmp, bak</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>ว่าง</translation>
    </message>
    <message>
        <source>Scanning files on the server...</source>
        <translation>กำลังสแกนไฟล์บนเซิร์ฟเวอร์...</translation>
    </message>
    <message>
        <source>Keep history for %1 days</source>
        <translation>เก็บประวัติไว้ %1 วัน</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>อ่าน</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>กลับ</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>การดำเนินการล้มเหลว</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>เรียกดู(&amp;B)...</translation>
    </message>
    <message>
        <source>Restart Now</source>
        <translation>รีสตาร์ตเดี๋ยวนี้</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>สถานะ</translation>
    </message>
    <message>
        <source>Unable to connect through the proxy server.</source>
        <translation>ไม่สามารถเชื่อมต่อผ่านพร็อกซีเซิร์ฟเวอร์ได้</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>ประเภท</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>กำลังดาวน์โหลด %1</translation>
    </message>
    <message>
        <source>Delete Files</source>
        <translation>ลบไฟล์</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>อา.</translation>
    </message>
    <message>
        <source>Access from your IP address has been denied by the server. Contact the system administrator.</source>
        <translation>เซิร์ฟเวอร์ปฏิเสธการเข้าถึงจากที่อยู่ IP ของคุณ โปรดติดต่อผู้ดูแลระบบ</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>ออก(&amp;X)</translation>
    </message>
    <message>
        <source>Import Settings...</source>
        <translation>นำเข้าการตั้งค่า...</translation>
    </message>
    <message>
        <source>There is not enough memory to complete the operation.</source>
        <translation>หน่วยความจำไม่เพียงพอที่จะดำเนินการให้เสร็จ</translation>
    </message>
    <message>
        <source>Unable to load the settings. Default settings will be used.</source>
        <translation>ไม่สามารถโหลดการตั้งค่าได้ จะใช้การตั้งค่าเริ่มต้นแทน</translation>
    </message>
    <message>
        <source>The server is busy. Please try again later.</source>
        <translation>เซิร์ฟเวอร์ไม่ว่าง โปรดลองอีกครั้งในภายหลัง</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>แบนด์วิดท์</translation>
    </message>
    <message>
        <source>Low disk space</source>
        <translation>พื้นที่ดิสก์เหลือน้อย</translation>
    </message>
    <message>
        <source>Verifying backup...</source>
        <translation>กำลังตรวจสอบข้อมูลสำรอง...</translation>
    </message>
    <message>
        <source>Running diagnostics...</source>
        <translation>กำลังวินิจฉัย...</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>เรียกดู...</translation>
    </message>
    <message>
        <source>Skip existing files</source>
        <translation>ข้ามไฟล์ที่มีอยู่</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>ชื่อไฟล์</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Files already in it will be merged with the files on the server.</source>
        <translation>โฟลเดอร์ที่เลือกไม่ว่าง ไฟล์ที่มีอยู่จะถูกรวมกับไฟล์บนเซิร์ฟเวอร์</translation>
    </message>
    <message>
        <source>SOCKS5</source>
        <translation>SOCKS5</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Your IP address has been blocked for %1 minutes.</source>
        <translation>ลงชื่อเข้าใช้ไม่สำเร็จหลายครั้งเกินไป ที่อยู่ IP ของคุณถูกบล็อกเป็นเวลา %1 นาที</translation>
    </message>
    <message>
        <source>Limit to</source>
        <translation>จำกัดที่</translation>
    </message>
    <message>
        <source>Show a pop-up message</source>
        <translation>แสดงข้อความป๊อปอัป</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>ตัดการเชื่อมต่อแล้ว</translation>
    </message>
    <message>
        <source>Two-step verification</source>
        <translation>การยืนยันแบบสองขั้นตอน</translation>
    </message>
    <message>
        <source>Ready to repair [ProductName]</source>
        <translation>พร้อมซ่อมแซม [ProductName]</translation>
    </message>
    <message>
        <source>The source folder %1 could not be found. Connect the drive or remove the folder from the backup.</source>
        <translation>ไม่พบโฟลเดอร์ต้นทาง %1 โปรดเชื่อมต่อไดรฟ์หรือนำโฟลเดอร์ออกจากการสำรองข้อมูล</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>พอร์ต</translation>
    </message>
    <message>
        <source>The end time must be later than the start time.</source>
        <translation>เวลาสิ้นสุดต้องอยู่หลังเวลาเริ่มต้น</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>เวลา</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>ที่มีอยู่</translation>
    </message>
    <message>
        <source>Enable debug logging</source>
        <translation>เปิดใช้การบันทึกเพื่อแก้จุดบกพร่อง</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics to help improve the product</source>
        <translation>ส่งสถิติการใช้งานแบบไม่ระบุตัวตนเพื่อช่วยปรับปรุงผลิตภัณฑ์</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>ล้างการค้นหา</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>แสดงรหัสผ่าน</translation>
    </message>
    <message>
        <source>The link was created.</source>
        <translation>สร้างลิงก์แล้ว</translation>
    </message>
    <message>
        <source>This server has no shared folder you can access. Ask the administrator for permission.</source>
        <translation>เซิร์ฟเวอร์นี้ไม่มีโฟลเดอร์ที่แชร์ซึ่งคุณเข้าถึงได้ โปรดขอสิทธิ์จากผู้ดูแลระบบ</translation>
    </message>
    <message>
        <source>The background service is not running.</source>
        <translation>บริการเบื้องหลังไม่ได้ทำงาน</translation>
    </message>
    <message>
        <source>Restore files as they were on</source>
        <translation>กู้คืนไฟล์ให้เป็นเหมือนเมื่อ</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>ดำเนินการต่อ</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs [ProductName].</source>
        <translation>โปรดรอขณะที่ตัวช่วยสร้างการติดตั้งติดตั้ง [ProductName]</translation>
    </message>
    <message>
        <source>Syncing is paused on a metered connection.</source>
        <translation>การซิงค์หยุดชั่วคราวบนการเชื่อมต่อแบบคิดค่าบริการตามปริมาณ</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>ไม่ทราบ</translation>
    </message>
    <message>
        <source>This rule already exists.</source>
        <translation>มีกฎนี้อยู่แล้ว</translation>
    </message>
    <message>
        <source>List of recent file changes</source>
        <translation>รายการการเปลี่ยนแปลงไฟล์ล่าสุด</translation>
    </message>
    <message>
        <source>Team Folders</source>
        <translation>โฟลเดอร์ทีม</translation>
    </message>
    <message>
        <source>Remove the selected task</source>
        <translation>นำงานที่เลือกออก</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>รหัสผ่านปัจจุบัน</translation>
    </message>
    <message>
        <source>Same as the system</source>
        <translation>เหมือนกับระบบ</translation>
    </message>
    <message>
        <source>Review the settings below, then click Done to start syncing.</source>
        <translation>ตรวจสอบการตั้งค่าด้านล่าง แล้วคลิกเสร็จสิ้นเพื่อเริ่มซิงค์</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>การวินิจฉัย</translation>
    </message>
    <message>
        <source>Unable to read %1.</source>
        <translation>ไม่สามารถอ่าน %1 ได้</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>ซิงค์เสร็จสมบูรณ์</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>บัญชี</translation>
    </message>
    <message>
        <source>Start minimized to the notification area</source>
        <translation>เริ่มโดยย่อไว้ในพื้นที่แจ้งเตือน</translation>
    </message>
    <message>
        <source>This wizard helps you connect this computer to your server and choose which folders to keep in sync.</source>
        <translation>วิซาร์ดนี้จะช่วยคุณเชื่อมต่อคอมพิวเตอร์เครื่องนี้กับเซิร์ฟเวอร์ และเลือกโฟลเดอร์ที่ต้องการซิงค์</translation>
    </message>
    <message>
        <source>You are using the latest version.</source>
        <translation>คุณกำลังใช้เวอร์ชันล่าสุด</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached.</source>
        <translation>คุณใช้โควตาพื้นที่จัดเก็บบนเซิร์ฟเวอร์ครบแล้ว</translation>
    </message>
    <message>
        <source>Show Toolbar</source>
        <translation>แสดงแถบเครื่องมือ</translation>
    </message>
    <message>
        <source>%1 changes are waiting to be synced.</source>
        <translation>มีการเปลี่ยนแปลง %1 รายการที่รอการซิงค์</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>หยุดชั่วคราว</translation>
    </message>
    <message>
        <source>Do you want to remove Quenmark Zelto Client and all of its components?</source>
        <translation>คุณต้องการเอา Quenmark Zelto Client และคอมโพเนนต์ทั้งหมดออกหรือไม่</translation>
    </message>
    <message>
        <source>I accept the terms of the license agreement</source>
        <translation>ฉันยอมรับข้อกำหนดของข้อตกลงการอนุญาตให้ใช้สิทธิ์</translation>
    </message>
    <message>
        <source>System folders cannot be synced. Choose another folder.</source>
        <translation>ไม่สามารถซิงค์โฟลเดอร์ระบบได้ โปรดเลือกโฟลเดอร์อื่น</translation>
    </message>
    <message>
        <source>Launch at startup</source>
        <translation>เปิดเมื่อเริ่มระบบ</translation>
    </message>
    <message>
        <source>Two-step verification is required for this account.</source>
        <translation>บัญชีนี้ต้องใช้การยืนยันแบบสองขั้นตอน</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>Rebuild Database</source>
        <translation>สร้างฐานข้อมูลใหม่</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>ลงชื่อเข้าใช้</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>วันเสาร์</translation>
    </message>
    <message>
        <source>The connection to the server timed out.</source>
        <translation>การเชื่อมต่อกับเซิร์ฟเวอร์หมดเวลา</translation>
    </message>
    <message>
        <source>Internet access</source>
        <translation>การเข้าถึงผ่านอินเทอร์เน็ต</translation>
    </message>
    <message>
        <source>Show Quenmark Zelto Client items in the file manager context menu</source>
        <translation>แสดงรายการของ Quenmark Zelto Client ในเมนูบริบทของตัวจัดการไฟล์</translation>
    </message>
    <message>
        <source>&amp;Repair</source>
        <translation>ซ่อมแซม(&amp;R)</translation>
    </message>
    <message>
        <source>Select the files and folders to restore.</source>
        <translation>เลือกไฟล์และโฟลเดอร์ที่จะกู้คืน</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>แคช</translation>
    </message>
    <message>
        <source>%1 is a reserved name and cannot be used.</source>
        <translation>%1 เป็นชื่อที่สงวนไว้และไม่สามารถใช้ได้</translation>
    </message>
    <message>
        <source>%1 was updated.</source>
        <translation>อัปเดต %1 แล้ว</translation>
    </message>
    <message>
        <source>SMTP server</source>
        <translation>เซิร์ฟเวอร์ SMTP</translation>
    </message>
    <message>
        <source>No file has been synced yet.</source>
        <translation>ยังไม่มีไฟล์ที่ถูกซิงค์</translation>
    </message>
    <message>
        <source>Open Web Portal</source>
        <translation>เปิดเว็บพอร์ทัล</translation>
    </message>
    <message>
        <source>Background service</source>
        <translation>บริการเบื้องหลัง</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>ลองใหม่</translation>
    </message>
    <message>
        <source>View Certificate</source>
        <translation>ดูใบรับรอง</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>นาที</translation>
    </message>
    <message>
        <source>Not synced</source>
        <translation>ไม่ได้ซิงค์</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>วิธีใช้ออนไลน์</translation>
    </message>
    <message>
        <source>The server name could not be resolved.</source>
        <translation>ไม่สามารถแปลงชื่อเซิร์ฟเวอร์ได้</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>คำเตือน</translation>
    </message>
    <message>
        <source>The link could not be copied.</source>
        <translation>ไม่สามารถคัดลอกลิงก์ได้</translation>
    </message>
    <message>
        <source>Run a missed backup when the computer starts</source>
        <translation>สำรองข้อมูลที่พลาดไปเมื่อคอมพิวเตอร์เริ่มทำงาน</translation>
    </message>
    <message>
        <source>Every %1 hours</source>
        <translation>ทุก %1 ชั่วโมง</translation>
    </message>
    <message>
        <source>Out of Disk Space</source>
        <translation>พื้นที่ดิสก์ไม่พอ</translation>
    </message>
    <message>
        <source>The link has been copied to the clipboard.</source>
        <translation>คัดลอกลิงก์ไปยังคลิปบอร์ดแล้ว</translation>
    </message>
    <message>
        <source>Open settings</source>
        <translation>เปิดการตั้งค่า</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel [ProductName] installation?</source>
        <translation>คุณแน่ใจหรือไม่ว่าต้องการยกเลิกการติดตั้ง [ProductName]</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>แก้ไข</translation>
    </message>
    <message>
        <source>Enter a port number between 1 and 65535.</source>
        <translation>ป้อนหมายเลขพอร์ตระหว่าง 1 ถึง 65535</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>ตัวกรอง</translation>
    </message>
    <message>
        <source>Disk Size</source>
        <translation>ขนาดดิสก์</translation>
    </message>
    <message>
        <source>This version of the file is no longer available.</source>
        <translation>ไฟล์เวอร์ชันนี้ไม่มีให้ใช้งานแล้ว</translation>
    </message>
    <message>
        <source>Hide Window</source>
        <translation>ซ่อนหน้าต่าง</translation>
    </message>
    <message>
        <source>Remove Rule</source>
        <translation>นำกฎออก</translation>
    </message>
    <message>
        <source>Your session has expired. Please sign in again.</source>
        <translation>เซสชันของคุณหมดอายุแล้ว โปรดลงชื่อเข้าใช้อีกครั้ง</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>โดเมน</translation>
    </message>
    <message>
        <source>Symbolic links are not synced.</source>
        <translation>จะไม่ซิงค์ลิงก์สัญลักษณ์</translation>
    </message>
    <message>
        <source>Create Backup Task</source>
        <translation>สร้างงานสำรองข้อมูล</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>คัดลอก</translation>
    </message>
    <message>
        <source>Overwrite existing files</source>
        <translation>เขียนทับไฟล์ที่มีอยู่</translation>
    </message>
    <message>
        <source>Unpacking %1...</source>
        <translation>กำลังแตกไฟล์ %1...</translation>
    </message>
    <message>
        <source>Keep the files in a folder on this computer and a folder on the server identical. Changes on either side are applied to the other.</source>
        <translation>ทำให้ไฟล์ในโฟลเดอร์บนคอมพิวเตอร์เครื่องนี้และโฟลเดอร์บนเซิร์ฟเวอร์ตรงกันเสมอ การเปลี่ยนแปลงฝั่งหนึ่งจะนำไปใช้กับอีกฝั่ง</translation>
    </message>
    <message>
        <source>Select the type of task you want to create. You can add more tasks later.</source>
        <translation>เลือกประเภทของงานที่ต้องการสร้าง คุณสามารถเพิ่มงานได้อีกในภายหลัง</translation>
    </message>
    <message>
        <source>Rename Task</source>
        <translation>เปลี่ยนชื่องาน</translation>
    </message>
    <message>
        <source>Change Password...</source>
        <translation>เปลี่ยนรหัสผ่าน...</translation>
    </message>
    <message>
        <source>Syncing is paused to save battery power.</source>
        <translation>การซิงค์หยุดชั่วคราวเพื่อประหยัดแบตเตอรี่</translation>
    </message>
    <message>
        <source>The Setup Wizard will install [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>ตัวช่วยสร้างการติดตั้งจะติดตั้ง [ProductName] บนคอมพิวเตอร์ของคุณ คลิกถัดไปเพื่อดำเนินการต่อ หรือคลิกยกเลิกเพื่อออกจากตัวช่วยสร้างการติดตั้ง</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>สิทธิ์</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>แสดงในโฟลเดอร์</translation>
    </message>
    <message>
        <source>Keep file versions</source>
        <translation>เก็บเวอร์ชันของไฟล์</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <source>The connection to the server was lost. Syncing will resume when the connection is restored.</source>
        <translation>การเชื่อมต่อกับเซิร์ฟเวอร์ขาดหาย การซิงค์จะดำเนินต่อเมื่อการเชื่อมต่อกลับมา</translation>
    </message>
    <message>
        <source>The shared folder is encrypted and has not been mounted on the server.</source>
        <translation>โฟลเดอร์ที่แชร์ถูกเข้ารหัสและยังไม่ได้เมานต์บนเซิร์ฟเวอร์</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>ปิด(&amp;C)</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client - %1</source>
        <translation>Quenmark Zelto Client - %1</translation>
    </message>
    <message>
        <source>The version of the server is too old. Update the server to version %1 or later.</source>
        <translation>เวอร์ชันของเซิร์ฟเวอร์เก่าเกินไป โปรดอัปเดตเซิร์ฟเวอร์เป็นเวอร์ชัน %1 หรือใหม่กว่า</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>เพิ่มโฟลเดอร์...</translation>
    </message>
    <message>
        <source>Restored</source>
        <translation>กู้คืนแล้ว</translation>
    </message>
    <message>
        <source>Reconnecting in %1 seconds...</source>
        <translation>จะเชื่อมต่อใหม่ใน %1 วินาที...</translation>
    </message>
    <message>
        <source>Unable to connect through the proxy server %1.</source>
        <translation>ไม่สามารถเชื่อมต่อผ่านพร็อกซีเซิร์ฟเวอร์ %1 ได้</translation>
    </message>
    <message>
        <source>Protect with a password</source>
        <translation>ป้องกันด้วยรหัสผ่าน</translation>
    </message>
    <message>
        <source>Enter a rate between 1 and 1048576 KB/s.</source>
        <translation>ป้อนอัตราระหว่าง 1 ถึง 1048576 KB/s</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>การอัปเดตซอฟต์แวร์</translation>
    </message>
    <message>
        <source>Please wait while the installer finishes determining your disk space requirements.</source>
        <translation>โปรดรอขณะที่โปรแกรมติดตั้งคำนวณพื้นที่ดิสก์ที่ต้องใช้</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>จ.</translation>
    </message>
    <message>
        <source>The rule %1 is not valid.</source>
        <translation>กฎ %1 ไม่ถูกต้อง</translation>
    </message>
    <message>
        <source>Deleted files can be restored from the recycle bin of the shared folder.</source>
        <translation>สามารถกู้คืนไฟล์ที่ลบแล้วได้จากถังรีไซเคิลของโฟลเดอร์ที่แชร์</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>ไม่จำกัด</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>หยุด</translation>
    </message>
    <message>
        <source>%1 is initializing...</source>
        <translation>กำลังเริ่มต้น %1...</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client main window</source>
        <translation>หน้าต่างหลักของ Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>เปลี่ยนชื่อ</translation>
    </message>
    <message>
        <source>Unable to write %1.</source>
        <translation>ไม่สามารถเขียน %1 ได้</translation>
    </message>
    <message>
        <source>Log level</source>
        <translation>ระดับการบันทึก</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>รหัสผ่าน</translation>
    </message>
    <message>
        <source>days</source>
        <translation>วัน</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>อัปโหลด</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>ผู้เยี่ยมชม</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>Pause All</source>
        <translation>หยุดทั้งหมดชั่วคราว</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>ทุกเดือน</translation>
    </message>
    <message>
        <source>Prevent the computer from sleeping while syncing</source>
        <translation>ป้องกันไม่ให้คอมพิวเตอร์เข้าสู่โหมดสลีประหว่างการซิงค์</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>ขนาด</translation>
    </message>
    <message>
        <source>History</source>
        <translation>ประวัติ</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>ที่อยู่เซิร์ฟเวอร์</translation>
    </message>
    <message>
        <source>Browse to the destination folder</source>
        <translation>เรียกดูไปยังโฟลเดอร์ปลายทาง</translation>
    </message>
    <message>
        <source>Do you want to clear the history? This does not affect your files.</source>
        <translation>คุณต้องการล้างประวัติหรือไม่ การดำเนินการนี้ไม่มีผลกับไฟล์ของคุณ</translation>
    </message>
    <message>
        <source>Remove old data</source>
        <translation>นำข้อมูลเก่าออก</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>จดจำฉันไว้</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>ทุกสัปดาห์</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>อยู่ในคิว</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>อัปเดตเดี๋ยวนี้</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>วันพฤหัสบดี</translation>
    </message>
    <message>
        <source>The selected file does not contain valid settings.</source>
        <translation>ไฟล์ที่เลือกไม่มีการตั้งค่าที่ถูกต้อง</translation>
    </message>
    <message>
        <source>The password is too weak.</source>
        <translation>รหัสผ่านคาดเดาง่ายเกินไป</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>เลือกโฟลเดอร์</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard repairs [ProductName].</source>
        <translation>โปรดรอขณะที่ตัวช่วยสร้างการติดตั้งซ่อมแซม [ProductName]</translation>
    </message>
    <message>
        <source>For example: tmp, log, iso</source>
        <translation>ตัวอย่าง: tmp, log, iso</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>ออกจากระบบ</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>ไม่สามารถสร้างการเชื่อมต่อที่ปลอดภัยกับเซิร์ฟเวอร์ได้</translation>
    </message>
    <message>
        <source>Pause the selected task</source>
        <translation>หยุดงานที่เลือกชั่วคราว</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>ระบบปฏิบัติการ</translation>
    </message>
    <message>
        <source>Do you want to remove the task %1? The files in the folders will not be deleted.</source>
        <translation>คุณต้องการนำงาน %1 ออกหรือไม่ ไฟล์ในโฟลเดอร์จะไม่ถูกลบ</translation>
    </message>
    <message>
        <source>[ProductName] Setup</source>
        <translation>การติดตั้ง [ProductName]</translation>
    </message>
    <message>
        <source>This account has been disabled. Contact your system administrator.</source>
        <translation>บัญชีนี้ถูกปิดใช้งาน โปรดติดต่อผู้ดูแลระบบ</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>วันนี้</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>ที่อยู่อีเมล</translation>
    </message>
    <message>
        <source>The verification code is incorrect or has expired.</source>
        <translation>รหัสยืนยันไม่ถูกต้องหรือหมดอายุแล้ว</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>บันทึก</translation>
    </message>
    <message>
        <source>List of sync and backup tasks</source>
        <translation>รายการงานซิงค์และงานสำรองข้อมูล</translation>
    </message>
    <message>
        <source>Keep up to %1 versions of each file</source>
        <translation>เก็บไฟล์ละไม่เกิน %1 เวอร์ชัน</translation>
    </message>
    <message>
        <source>%1 will be synced with %2.</source>
        <translation>%1 จะถูกซิงค์กับ %2</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>เลือกทั้งหมด</translation>
    </message>
    <message>
        <source>Syncing %1</source>
        <translation>กำลังซิงค์ %1</translation>
    </message>
    <message>
        <source>Free space</source>
        <translation>พื้นที่ว่าง</translation>
    </message>
    <message>
        <source>Your feedback could not be sent. Please try again later.</source>
        <translation>ไม่สามารถส่งความคิดเห็นของคุณได้ โปรดลองอีกครั้งในภายหลัง</translation>
    </message>
    <message>
        <source>File manager integration</source>
        <translation>การผสานรวมกับตัวจัดการไฟล์</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>รหัสผ่านใหม่</translation>
    </message>
    <message>
        <source>Sign In with SSO</source>
        <translation>ลงชื่อเข้าใช้ด้วย SSO</translation>
    </message>
    <message>
        <source>My Files</source>
        <translation>ไฟล์ของฉัน</translation>
    </message>
    <message>
        <source>Sync new folders automatically</source>
        <translation>ซิงค์โฟลเดอร์ใหม่โดยอัตโนมัติ</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>ตรวจหาการอัปเดต</translation>
    </message>
    <message>
        <source>Enter the 6-digit code from your authenticator app.</source>
        <translation>ป้อนรหัส 6 หลักจากแอปยืนยันตัวตนของคุณ</translation>
    </message>
    <message>
        <source>Right-click a file for more options.</source>
        <translation>คลิกขวาที่ไฟล์เพื่อดูตัวเลือกเพิ่มเติม</translation>
    </message>
    <message>
        <source>Server version</source>
        <translation>เวอร์ชันของเซิร์ฟเวอร์</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client was removed from your computer.</source>
        <translation>เอา Quenmark Zelto Client ออกจากคอมพิวเตอร์ของคุณแล้ว</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>ชื่อโฟลเดอร์</translation>
    </message>
    <message>
        <source>You have no tasks yet. Click Create Task to sync or back up a folder.</source>
        <translation>คุณยังไม่มีงาน คลิกสร้างงานเพื่อซิงค์หรือสำรองข้อมูลโฟลเดอร์</translation>
    </message>
    <message>
        <source>Indexing files...</source>
        <translation>กำลังสร้างดัชนีไฟล์...</translation>
    </message>
    <message>
        <source>Verification code field</source>
        <translation>ช่องรหัสยืนยัน</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>ดิสก์เต็ม</translation>
    </message>
    <message>
        <source>Backup started</source>
        <translation>เริ่มการสำรองข้อมูลแล้ว</translation>
    </message>
    <message>
        <source>The sync folder %1 was moved or deleted. Syncing has stopped for this task.</source>
        <translation>โฟลเดอร์ซิงค์ %1 ถูกย้ายหรือลบ การซิงค์ของงานนี้หยุดแล้ว</translation>
    </message>
    <message>
        <source>The file was damaged during transfer and will be downloaded again.</source>
        <translation>ไฟล์เสียหายระหว่างการถ่ายโอนและจะถูกดาวน์โหลดใหม่</translation>
    </message>
    <message>
        <source>You have reached the maximum number of tasks (%1).</source>
        <translation>คุณสร้างงานครบจำนวนสูงสุด (%1) แล้ว</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>ชั่วโมง</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Icon View</source>
        <translation>มุมมองไอคอน</translation>
    </message>
    <message>
        <source>Backup finished</source>
        <translation>สำรองข้อมูลเสร็จสิ้น</translation>
    </message>
    <message>
        <source>Starting %1 for the first time. This may take a minute.</source>
        <translation>กำลังเริ่ม %1 เป็นครั้งแรก อาจใช้เวลาประมาณหนึ่งนาที</translation>
    </message>
    <message>
        <source>Server path</source>
        <translation>พาธบนเซิร์ฟเวอร์</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>เปลี่ยนรหัสผ่าน</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>ที่อยู่ IP</translation>
    </message>
    <message>
        <source>Sync file permissions and timestamps</source>
        <translation>ซิงค์สิทธิ์และเวลาของไฟล์</translation>
    </message>
    <message>
        <source>Syncing will stop when you quit. Quit Quenmark Zelto Client anyway?</source>
        <translation>การซิงค์จะหยุดเมื่อคุณออก ต้องการออกจาก Quenmark Zelto Client หรือไม่</translation>
    </message>
    <message>
        <source>Hidden files</source>
        <translation>ไฟล์ที่ซ่อนอยู่</translation>
    </message>
    <message>
        <source>The folder cannot be inside or contain a folder that is already synced.</source>
        <translation>โฟลเดอร์ต้องไม่อยู่ภายในหรือมีโฟลเดอร์ที่กำลังซิงค์อยู่แล้ว</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached. The backup cannot continue until space is freed.</source>
        <translation>คุณใช้โควตาพื้นที่จัดเก็บบนเซิร์ฟเวอร์ครบแล้ว การสำรองข้อมูลจะดำเนินต่อไม่ได้จนกว่าจะมีพื้นที่ว่าง</translation>
    </message>
    <message>
        <source>Download queue</source>
        <translation>คิวดาวน์โหลด</translation>
    </message>
    <message>
        <source>This computer is registered with the server.</source>
        <translation>คอมพิวเตอร์เครื่องนี้ลงทะเบียนกับเซิร์ฟเวอร์แล้ว</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>ถังรีไซเคิล</translation>
    </message>
    <message>
        <source>Back up changes continuously</source>
        <translation>สำรองข้อมูลการเปลี่ยนแปลงอย่างต่อเนื่อง</translation>
    </message>
    <message>
        <source>Source folders</source>
        <translation>โฟลเดอร์ต้นทาง</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>ข้อตกลงการอนุญาตให้ใช้สิทธิ์</translation>
    </message>
    <message>
        <source>Sync options</source>
        <translation>ตัวเลือกการซิงค์</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>เรียบร้อยแล้ว!</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>ข้าม</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>ภาษา</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>โฟลเดอร์ใหม่</translation>
    </message>
    <message>
        <source>Add to the &amp;Start menu</source>
        <translation>เพิ่มลงในเมนูเริ่ม(&amp;S)</translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation>กำลังลงชื่อเข้าใช้...</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>คลิกติดตั้งเพื่อเริ่มการติดตั้ง คลิกย้อนกลับเพื่อตรวจสอบหรือเปลี่ยนการตั้งค่าการติดตั้ง คลิกยกเลิกเพื่อออกจากตัวช่วยสร้าง</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client cannot write to %1. Check the folder permissions.</source>
        <translation>Quenmark Zelto Client ไม่สามารถเขียนลงใน %1 ได้ โปรดตรวจสอบสิทธิ์ของโฟลเดอร์</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>ข้ามเวอร์ชันนี้</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>เยี่ยมชมเว็บไซต์ของเรา</translation>
    </message>
    <message>
        <source>Open Local Folder</source>
        <translation>เปิดโฟลเดอร์ในเครื่อง</translation>
    </message>
    <message>
        <source>Removing [ProductName]</source>
        <translation>กำลังเอา [ProductName] ออก</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>เปิดโฟลเดอร์</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>เพิ่ม</translation>
    </message>
    <message>
        <source>Copyright (c) Quenmark. All rights reserved.</source>
        <translation>Copyright (c) Quenmark สงวนลิขสิทธิ์</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>นำอุปกรณ์ออก</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>The session is locked.</source>
        <translation>เซสชันถูกล็อกอยู่</translation>
    </message>
    <message>
        <source>Downloading on demand...</source>
        <translation>กำลังดาวน์โหลดตามต้องการ...</translation>
    </message>
    <message>
        <source>Sign-in required</source>
        <translation>ต้องลงชื่อเข้าใช้</translation>
    </message>
    <message>
        <source>Unable to copy %1.</source>
        <translation>ไม่สามารถคัดลอก %1 ได้</translation>
    </message>
    <message>
        <source>List of filter rules</source>
        <translation>รายการกฎตัวกรอง</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>สแนปช็อต</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>หยุดแล้ว</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>วอลุ่ม</translation>
    </message>
    <message>
        <source>Change destination folder</source>
        <translation>เปลี่ยนโฟลเดอร์ปลายทาง</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>กำลังซิงค์...</translation>
    </message>
    <message>
        <source>Back up only when the computer is plugged in</source>
        <translation>สำรองข้อมูลเฉพาะเมื่อคอมพิวเตอร์เสียบปลั๊กอยู่</translation>
    </message>
    <message>
        <source>Resume Syncing</source>
        <translation>ซิงค์ต่อ</translation>
    </message>
    <message>
        <source>A new version is available.</source>
        <translation>มีเวอร์ชันใหม่</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation>คำถามที่พบบ่อย</translation>
    </message>
    <message>
        <source>View</source>
        <translation>มุมมอง</translation>
    </message>
    <message>
        <source>Run on</source>
        <translation>ทำงานในวัน</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>ออก</translation>
    </message>
    <message>
        <source>Unable to download the update.</source>
        <translation>ไม่สามารถดาวน์โหลดการอัปเดตได้</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>ทดสอบการเชื่อมต่อ</translation>
    </message>
    <message>
        <source>You have been signed out.</source>
        <translation>คุณออกจากระบบแล้ว</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>ซิงค์</translation>
    </message>
    <message>
        <source>Last backup completed %1</source>
        <translation>สำรองข้อมูลครั้งล่าสุดเสร็จเมื่อ %1</translation>
    </message>
    <message>
        <source>Pause Syncing</source>
        <translation>หยุดการซิงค์ชั่วคราว</translation>
    </message>
    <message>
        <source>Limit automatically</source>
        <translation>จำกัดโดยอัตโนมัติ</translation>
    </message>
    <message>
        <source>Keep the version on the server</source>
        <translation>เก็บเวอร์ชันบนเซิร์ฟเวอร์</translation>
    </message>
    <message>
        <source>Open menu</source>
        <translation>เปิดเมนู</translation>
    </message>
    <message>
        <source>The file is larger than the limit allowed by the server.</source>
        <translation>ไฟล์มีขนาดเกินกว่าที่เซิร์ฟเวอร์อนุญาต</translation>
    </message>
    <message>
        <source>Your data was moved successfully.</source>
        <translation>ย้ายข้อมูลของคุณเรียบร้อยแล้ว</translation>
    </message>
    <message>
        <source>Ready to install [ProductName]</source>
        <translation>พร้อมติดตั้ง [ProductName]</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>ไม่มีไฟล์ %1</translation>
    </message>
    <message>
        <source>Export Logs...</source>
        <translation>ส่งออกบันทึก...</translation>
    </message>
    <message>
        <source>Syncing has resumed</source>
        <translation>การซิงค์ดำเนินต่อแล้ว</translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely because of an error. Your system has not been modified. To install this program at a later time, run the Setup Wizard again.</source>
        <translation>ตัวช่วยสร้างการติดตั้ง [ProductName] สิ้นสุดก่อนกำหนดเนื่องจากเกิดข้อผิดพลาด ระบบของคุณไม่มีการเปลี่ยนแปลง หากต้องการติดตั้งโปรแกรมนี้ในภายหลัง โปรดเรียกใช้ตัวช่วยสร้างการติดตั้งอีกครั้ง</translation>
    </message>
    <message>
        <source>Select the server folder to sync with this computer.</source>
        <translation>เลือกโฟลเดอร์บนเซิร์ฟเวอร์ที่จะซิงค์กับคอมพิวเตอร์เครื่องนี้</translation>
    </message>
    <message>
        <source>Upload changes to the server only</source>
        <translation>อัปโหลดการเปลี่ยนแปลงไปยังเซิร์ฟเวอร์เท่านั้น</translation>
    </message>
    <message>
        <source>Time remaining unknown</source>
        <translation>ไม่ทราบเวลาที่เหลือ</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>วิธีใช้</translation>
    </message>
    <message>
        <source>%1 files were skipped. See the history for details.</source>
        <translation>ข้ามไฟล์ %1 ไฟล์ ดูรายละเอียดได้ในประวัติ</translation>
    </message>
    <message>
        <source>Keep all versions</source>
        <translation>เก็บทุกเวอร์ชัน</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>ส่งออก</translation>
    </message>
    <message>
        <source>Sync progress</source>
        <translation>ความคืบหน้าการซิงค์</translation>
    </message>
    <message>
        <source>The new language will be used after Quenmark Zelto Client restarts.</source>
        <translation>ภาษาใหม่จะมีผลหลังจากรีสตาร์ต Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>สร้างแล้ว</translation>
    </message>
    <message>
        <source>%1 used of %2</source>
        <translation>ใช้ไป %1 จาก %2</translation>
    </message>
    <message>
        <source>Version Retention</source>
        <translation>การเก็บรักษาเวอร์ชัน</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>เวลาสิ้นสุด</translation>
    </message>
    <message>
        <source>Proxy type</source>
        <translation>ชนิดพร็อกซี</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>เรียงตามชื่อ</translation>
    </message>
    <message>
        <source>On-demand sync is not supported on this file system.</source>
        <translation>ระบบไฟล์นี้ไม่รองรับการซิงค์ตามต้องการ</translation>
    </message>
    <message>
        <source>Connected through the Internet</source>
        <translation>เชื่อมต่อผ่านอินเทอร์เน็ต</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>ลองใหม่(&amp;R)</translation>
    </message>
    <message>
        <source>Authentication required</source>
        <translation>ต้องมีการยืนยันตัวตน</translation>
    </message>
    <message>
        <source>Access Denied</source>
        <translation>การเข้าถึงถูกปฏิเสธ</translation>
    </message>
    <message>
        <source>Upload rate</source>
        <translation>อัตราการอัปโหลด</translation>
    </message>
    <message>
        <source>The system limit on watched folders has been reached. Some changes may be detected late.</source>
        <translation>จำนวนโฟลเดอร์ที่เฝ้าติดตามถึงขีดจำกัดของระบบแล้ว การเปลี่ยนแปลงบางอย่างอาจถูกตรวจพบล่าช้า</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>ย้ายแล้ว</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>Sort by Date</source>
        <translation>เรียงตามวันที่</translation>
    </message>
    <message>
        <source>Do not sync hidden files</source>
        <translation>ไม่ซิงค์ไฟล์ที่ซ่อนอยู่</translation>
    </message>
    <message>
        <source>Sync This Folder</source>
        <translation>ซิงค์โฟลเดอร์นี้</translation>
    </message>
    <message>
        <source>%1 is very large. Uploading it may take a long time.</source>
        <translation>%1 มีขนาดใหญ่มาก การอัปโหลดอาจใช้เวลานาน</translation>
    </message>
    <message>
        <source>Access control lists are not supported on this file system and will not be synced.</source>
        <translation>ระบบไฟล์นี้ไม่รองรับรายการควบคุมการเข้าถึง จึงจะไม่มีการซิงค์รายการดังกล่าว</translation>
    </message>
    <message>
        <source>Enter the verification code</source>
        <translation>ป้อนรหัสยืนยัน</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>รหัสผ่านไม่ตรงกัน</translation>
    </message>
    <message>
        <source>The security certificate of %1 is not trusted. Your connection may not be secure.</source>
        <translation>ใบรับรองความปลอดภัยของ %1 ไม่น่าเชื่อถือ การเชื่อมต่อของคุณอาจไม่ปลอดภัย</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>เสร็จสิ้น</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>รายงาน</translation>
    </message>
    <message>
        <source>%1, %2 o'clock</source>
        <translation>%1 เวลา %2 นาฬิกา</translation>
    </message>
    <message>
        <source>The Setup Wizard allows you to repair the installation of [ProductName] or remove it from your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>ตัวช่วยสร้างการติดตั้งช่วยให้คุณซ่อมแซมการติดตั้ง [ProductName] หรือเอาออกจากคอมพิวเตอร์ของคุณ คลิกถัดไปเพื่อดำเนินการต่อ หรือคลิกยกเลิกเพื่อออกจากตัวช่วยสร้างการติดตั้ง</translation>
    </message>
    <message>
        <source>Read and write</source>
        <translation>อ่านและเขียน</translation>
    </message>
    <message>
        <source>Pause for 8 hours</source>
        <translation>หยุดชั่วคราว 8 ชั่วโมง</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>สำรองข้อมูล</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>หยุดชั่วคราว</translation>
    </message>
    <message>
        <source>Edit the selected task</source>
        <translation>แก้ไขงานที่เลือก</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>ยินดีต้อนรับ</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>เปิดในเบราว์เซอร์</translation>
    </message>
    <message>
        <source>Task %1, status %2</source>
        <translation>งาน %1 สถานะ %2</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation>คลิกปุ่มเสร็จสิ้นเพื่อออกจากตัวช่วยสร้างการติดตั้ง</translation>
    </message>
    <message>
        <source>Relay ID</source>
        <translation>ID รีเลย์</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>ลงชื่อเข้าใช้</translation>
    </message>
    <message>
        <source>Do not limit</source>
        <translation>ไม่จำกัด</translation>
    </message>
    <message>
        <source>Download changes from the server only</source>
        <translation>ดาวน์โหลดการเปลี่ยนแปลงจากเซิร์ฟเวอร์เท่านั้น</translation>
    </message>
    <message>
        <source>Unable to move %1 to %2.</source>
        <translation>ไม่สามารถย้าย %1 ไปยัง %2 ได้</translation>
    </message>
    <message>
        <source>Add a task</source>
        <translation>เพิ่มงาน</translation>
    </message>
    <message>
        <source>Your storage space on %1 is almost full.</source>
        <translation>พื้นที่จัดเก็บของคุณบน %1 ใกล้เต็มแล้ว</translation>
    </message>
    <message>
        <source>Install updates automatically</source>
        <translation>ติดตั้งการอัปเดตโดยอัตโนมัติ</translation>
    </message>
    <message>
        <source>Recent Changes</source>
        <translation>การเปลี่ยนแปลงล่าสุด</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>ชื่อที่แสดง</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>กำลังเชื่อมต่อ...</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>การเตือน</translation>
    </message>
    <message>
        <source>Preparing to sync...</source>
        <translation>กำลังเตรียมการซิงค์...</translation>
    </message>
    <message>
        <source>Single Sign-On</source>
        <translation>การลงชื่อเข้าใช้ครั้งเดียว</translation>
    </message>
    <message>
        <source>Ready to sync</source>
        <translation>พร้อมซิงค์</translation>
    </message>
    <message>
        <source>Advanced Filters...</source>
        <translation>ตัวกรองขั้นสูง...</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <translation>แสดงการแจ้งเตือนบนเดสก์ท็อป</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>ย่อ</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>กำลังตรวจหาการอัปเดต...</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>ดาวน์โหลดแล้ว</translation>
    </message>
    <message>
        <source>Choose a folder on the server</source>
        <translation>เลือกโฟลเดอร์บนเซิร์ฟเวอร์</translation>
    </message>
    <message>
        <source>Excluded from sync</source>
        <translation>ไม่รวมในการซิงค์</translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <translation>กำลังซิงค์ %1 ไฟล์</translation>
    </message>
    <message>
        <source>Loading folders...</source>
        <translation>กำลังโหลดโฟลเดอร์...</translation>
    </message>
    <message>
        <source>This version of Quenmark Zelto Client is no longer supported by the server. Please update the client.</source>
        <translation>เซิร์ฟเวอร์ไม่รองรับ Quenmark Zelto Client เวอร์ชันนี้แล้ว โปรดอัปเดตไคลเอ็นต์</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>แชร์แล้ว</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>วินาที</translation>
    </message>
    <message>
        <source>Repairing [ProductName]</source>
        <translation>กำลังซ่อมแซม [ProductName]</translation>
    </message>
    <message>
        <source>Upload speed</source>
        <translation>ความเร็วในการอัปโหลด</translation>
    </message>
    <message>
        <source>Open on Server</source>
        <translation>เปิดบนเซิร์ฟเวอร์</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>เสร็จสิ้น(&amp;F)</translation>
    </message>
    <message>
        <source>Your settings have been saved.</source>
        <translation>บันทึกการตั้งค่าของคุณแล้ว</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>ปิดใช้งาน</translation>
    </message>
    <message>
        <source>Create Sync Task</source>
        <translation>สร้างงานซิงค์</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>สำรองข้อมูลเดี๋ยวนี้</translation>
    </message>
    <message>
        <source>The upgrade is complete.</source>
        <translation>อัปเกรดเสร็จสมบูรณ์</translation>
    </message>
    <message>
        <source>Version %1 (build %2)</source>
        <translation>เวอร์ชัน %1 (บิลด์ %2)</translation>
    </message>
    <message>
        <source>Launch [ProductName] now</source>
        <translation>เริ่ม [ProductName] เดี๋ยวนี้</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>ส่งความคิดเห็น</translation>
    </message>
    <message>
        <source>No results found.</source>
        <translation>ไม่พบผลลัพธ์</translation>
    </message>
    <message>
        <source>Copy Sharing Link</source>
        <translation>คัดลอกลิงก์แชร์</translation>
    </message>
    <message>
        <source>The task no longer exists.</source>
        <translation>งานนี้ไม่มีอยู่แล้ว</translation>
    </message>
    <message>
        <source>&amp;Do not close applications. A reboot will be required.</source>
        <translation>ไม่ปิดแอปพลิเคชัน(&amp;D) จะต้องรีบูตเครื่อง</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>งาน</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>ศ.</translation>
    </message>
    <message>
        <source>Deleting %1</source>
        <translation>กำลังลบ %1</translation>
    </message>
    <message>
        <source>Enter at least %1 characters.</source>
        <translation>ป้อนอักขระอย่างน้อย %1 ตัว</translation>
    </message>
    <message>
        <source>Unable to restore the selected files.</source>
        <translation>ไม่สามารถกู้คืนไฟล์ที่เลือกได้</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation>ซิงค์ตามต้องการ</translation>
    </message>
    <message>
        <source>Checking the environment...</source>
        <translation>กำลังตรวจสอบสภาพแวดล้อม...</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation>ซิงค์สองทาง</translation>
    </message>
    <message>
        <source>Valid until</source>
        <translation>ใช้ได้ถึง</translation>
    </message>
    <message>
        <source>The history was exported to %1.</source>
        <translation>ส่งออกประวัติไปยัง %1 แล้ว</translation>
    </message>
    <message>
        <source>Files and folders that match these rules are not synced.</source>
        <translation>ไฟล์และโฟลเดอร์ที่ตรงกับกฎเหล่านี้จะไม่ถูกซิงค์</translation>
    </message>
    <message>
        <source>Available offline</source>
        <translation>ใช้ได้แบบออฟไลน์</translation>
    </message>
    <message>
        <source>The files have been restored.</source>
        <translation>กู้คืนไฟล์แล้ว</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>ชื่ออุปกรณ์</translation>
    </message>
    <message>
        <source>Renaming %1</source>
        <translation>กำลังเปลี่ยนชื่อ %1</translation>
    </message>
    <message>
        <source>Some files could not be synced</source>
        <translation>ไม่สามารถซิงค์ไฟล์บางไฟล์ได้</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>เครือข่าย</translation>
    </message>
    <message>
        <source>Task name</source>
        <translation>ชื่องาน</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by fixing missing and corrupt files, shortcuts, and registry entries.</source>
        <translation>แก้ไขข้อผิดพลาดในการติดตั้งครั้งล่าสุดโดยซ่อมแซมไฟล์ ทางลัด และรายการรีจิสทรีที่หายไปหรือเสียหาย</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>กำลังโหลด...</translation>
    </message>
    <message>
        <source>Pause until I resume</source>
        <translation>หยุดชั่วคราวจนกว่าจะสั่งให้ทำต่อ</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>ถัดไป</translation>
    </message>
    <message>
        <source>No server was found on your local network. Enter the address manually.</source>
        <translation>ไม่พบเซิร์ฟเวอร์ในเครือข่ายภายใน โปรดป้อนที่อยู่ด้วยตนเอง</translation>
    </message>
    <message>
        <source>Removes [ProductName] from your computer.</source>
        <translation>เอา [ProductName] ออกจากคอมพิวเตอร์ของคุณ</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>โฟลเดอร์ในเครื่อง</translation>
    </message>
    <message>
        <source>The quota of the shared folder has been reached.</source>
        <translation>โฟลเดอร์ที่แชร์ใช้โควตาครบแล้ว</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>ข้อตกลงการอนุญาตให้ใช้สิทธิ์สำหรับผู้ใช้</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>ใช่(&amp;Y)</translation>
    </message>
    <message>
        <source>Online only</source>
        <translation>ออนไลน์เท่านั้น</translation>
    </message>
    <message>
        <source>Up one level</source>
        <translation>ขึ้นไปหนึ่งระดับ</translation>
    </message>
    <message>
        <source>Upload: %1/s  Download: %2/s</source>
        <translation>อัปโหลด: %1/s  ดาวน์โหลด: %2/s</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>มืด</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>ทุกวัน</translation>
    </message>
    <message>
        <source>The local version was renamed to %1.</source>
        <translation>เปลี่ยนชื่อเวอร์ชันในเครื่องเป็น %1 แล้ว</translation>
    </message>
    <message>
        <source>%1 is in use by another application and will be synced when it is closed.</source>
        <translation>%1 กำลังถูกใช้โดยแอปพลิเคชันอื่น และจะถูกซิงค์เมื่อแอปพลิเคชันนั้นปิด</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>หยุดชั่วคราวจนถึง %1</translation>
    </message>
    <message>
        <source>View History</source>
        <translation>ดูประวัติ</translation>
    </message>
    <message>
        <source>Confirm new password</source>
        <translation>ยืนยันรหัสผ่านใหม่</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>หมดเวลาการเชื่อมต่อ</translation>
    </message>
    <message>
        <source>Proxy server</source>
        <translation>พร็อกซีเซิร์ฟเวอร์</translation>
    </message>
    <message>
        <source>User</source>
        <translation>ผู้ใช้</translation>
    </message>
    <message>
        <source>Downloading the update... %1%</source>
        <translation>กำลังดาวน์โหลดการอัปเดต... %1%</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>เปลี่ยนชื่อแล้ว</translation>
    </message>
    <message>
        <source>Use dark theme</source>
        <translation>ใช้ธีมสีเข้ม</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>วันอังคาร</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>KB/s</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully</source>
        <translation>โปรดอ่านข้อตกลงการอนุญาตให้ใช้สิทธิ์ต่อไปนี้อย่างละเอียด</translation>
    </message>
    <message>
        <source>Send Test Email</source>
        <translation>ส่งอีเมลทดสอบ</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <translation>ทิศทางการซิงค์</translation>
    </message>
    <message>
        <source>Rebuilding the local database...</source>
        <translation>กำลังสร้างฐานข้อมูลในเครื่องใหม่...</translation>
    </message>
    <message>
        <source>Switch Account</source>
        <translation>สลับบัญชี</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>พร้อม</translation>
    </message>
    <message>
        <source>Folder tree</source>
        <translation>แผนผังโฟลเดอร์</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>กู้คืนเวอร์ชันนี้</translation>
    </message>
    <message>
        <source>The destination shared folder could not be found on the server. Select another destination.</source>
        <translation>ไม่พบโฟลเดอร์ที่แชร์ปลายทางบนเซิร์ฟเวอร์ โปรดเลือกปลายทางอื่น</translation>
    </message>
    <message>
        <source>The security certificate of the server has expired.</source>
        <translation>ใบรับรองความปลอดภัยของเซิร์ฟเวอร์หมดอายุแล้ว</translation>
    </message>
    <message>
        <source>Restart Quenmark Zelto Client to apply the changes.</source>
        <translation>รีสตาร์ต Quenmark Zelto Client เพื่อให้การเปลี่ยนแปลงมีผล</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client status icon</source>
        <translation>ไอคอนสถานะของ Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>พลังงาน</translation>
    </message>
    <message>
        <source>%1 percent complete</source>
        <translation>เสร็จแล้ว %1 เปอร์เซ็นต์</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>ส.</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>พื้นที่จัดเก็บ</translation>
    </message>
    <message>
        <source>Pause syncing when running on battery power</source>
        <translation>หยุดการซิงค์ชั่วคราวเมื่อใช้พลังงานแบตเตอรี่</translation>
    </message>
    <message>
        <source>Enter your server address, username and password.</source>
        <translation>ป้อนที่อยู่เซิร์ฟเวอร์ ชื่อผู้ใช้ และรหัสผ่าน</translation>
    </message>
    <message>
        <source>Every %1 minutes</source>
        <translation>ทุก %1 นาที</translation>
    </message>
    <message>
        <source>Do you want to delete the selected items?</source>
        <translation>คุณต้องการลบรายการที่เลือกหรือไม่</translation>
    </message>
    <message>
        <source>Show sync status icons in the file manager</source>
        <translation>แสดงไอคอนสถานะการซิงค์ในตัวจัดการไฟล์</translation>
    </message>
    <message>
        <source>I &amp;do not accept the terms in the License Agreement</source>
        <translation>ฉันไม่ยอมรับข้อกำหนดในข้อตกลงการอนุญาตให้ใช้สิทธิ์(&amp;D)</translation>
    </message>
    <message>
        <source>Learn more</source>
        <translation>เรียนรู้เพิ่มเติม</translation>
    </message>
    <message>
        <source>Server address field</source>
        <translation>ช่องที่อยู่เซิร์ฟเวอร์</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>ความถี่</translation>
    </message>
    <message>
        <source>Play a sound</source>
        <translation>เล่นเสียง</translation>
    </message>
    <message>
        <source>Locate Folder</source>
        <translation>ระบุตำแหน่งโฟลเดอร์</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>โฟลเดอร์ปลายทาง</translation>
    </message>
    <message>
        <source>Load More</source>
        <translation>โหลดเพิ่มเติม</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>บันทึก</translation>
    </message>
    <message>
        <source>Unable to rename %1 to %2.</source>
        <translation>ไม่สามารถเปลี่ยนชื่อ %1 เป็น %2 ได้</translation>
    </message>
    <message>
        <source>If your network requires a proxy server to reach the Internet, enter its settings here.</source>
        <translation>หากเครือข่ายของคุณต้องใช้พร็อกซีเซิร์ฟเวอร์ในการเชื่อมต่ออินเทอร์เน็ต ให้ป้อนการตั้งค่าที่นี่</translation>
    </message>
    <message>
        <source>Remove the local copies of the selected files? They remain on the server and are downloaded again when you open them.</source>
        <translation>ต้องการนำสำเนาในเครื่องของไฟล์ที่เลือกออกหรือไม่ ไฟล์ยังคงอยู่บนเซิร์ฟเวอร์และจะถูกดาวน์โหลดอีกครั้งเมื่อคุณเปิด</translation>
    </message>
    <message>
        <source>Install Now</source>
        <translation>ติดตั้งเดี๋ยวนี้</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>พฤ.</translation>
    </message>
    <message>
        <source>Display scaling</source>
        <translation>การปรับขนาดการแสดงผล</translation>
    </message>
    <message>
        <source>Restoring %1 of %2 files...</source>
        <translation>กำลังกู้คืนไฟล์ %1 จาก %2 ไฟล์...</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>นามสกุลไฟล์</translation>
    </message>
    <message>
        <source>The update package is damaged or has an invalid signature.</source>
        <translation>แพ็กเกจอัปเดตเสียหายหรือมีลายเซ็นไม่ถูกต้อง</translation>
    </message>
    <message>
        <source>Disk Space Requirements</source>
        <translation>พื้นที่ดิสก์ที่ต้องใช้</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>อัปเกรด</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>งาน</translation>
    </message>
    <message>
        <source>Account: %1</source>
        <translation>บัญชี: %1</translation>
    </message>
    <message>
        <source>The security certificate of the server is not trusted.</source>
        <translation>ใบรับรองความปลอดภัยของเซิร์ฟเวอร์ไม่น่าเชื่อถือ</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>ไม่เลือกรายการใด</translation>
    </message>
    <message>
        <source>An invalid parameter was given.</source>
        <translation>มีการระบุพารามิเตอร์ที่ไม่ถูกต้อง</translation>
    </message>
    <message>
        <source>Ask before deleting many files on the server</source>
        <translation>ถามก่อนลบไฟล์จำนวนมากบนเซิร์ฟเวอร์</translation>
    </message>
    <message>
        <source>&amp;Look in:</source>
        <translation>ค้นหาใน(&amp;L):</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>ที่อยู่ IP ของคุณถูกเซิร์ฟเวอร์บล็อก</translation>
    </message>
    <message>
        <source>Debug logging records detailed information and may slow down syncing. Turn it off when you are done.</source>
        <translation>การบันทึกเพื่อแก้จุดบกพร่องจะเก็บข้อมูลโดยละเอียดและอาจทำให้การซิงค์ช้าลง โปรดปิดเมื่อใช้งานเสร็จ</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>ปลายทาง</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>กำหนดค่าพร็อกซีด้วยตนเอง</translation>
    </message>
    <message>
        <source>Day of the month</source>
        <translation>วันที่ของเดือน</translation>
    </message>
    <message>
        <source>The local database is damaged. Quenmark Zelto Client will rebuild it.</source>
        <translation>ฐานข้อมูลภายในเครื่องเสียหาย Quenmark Zelto Client จะสร้างขึ้นใหม่</translation>
    </message>
    <message>
        <source>Are you sure you want to quit the setup? No task will be created.</source>
        <translation>คุณแน่ใจหรือไม่ว่าต้องการออกจากการตั้งค่า จะไม่มีการสร้างงานใดๆ</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>ยังไม่เคยซิงค์</translation>
    </message>
    <message>
        <source>The shared folder no longer exists on the server.</source>
        <translation>โฟลเดอร์ที่แชร์ไม่มีอยู่บนเซิร์ฟเวอร์อีกต่อไป</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>อ.</translation>
    </message>
    <message>
        <source>Use SSL/TLS</source>
        <translation>ใช้ SSL/TLS</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <translation>โหมดการซิงค์</translation>
    </message>
    <message>
        <source>The update has been downloaded and will be installed when you quit Quenmark Zelto Client.</source>
        <translation>ดาวน์โหลดการอัปเดตแล้ว และจะติดตั้งเมื่อคุณออกจาก Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>The server is under maintenance. Syncing will resume automatically.</source>
        <translation>เซิร์ฟเวอร์อยู่ระหว่างการบำรุงรักษา การซิงค์จะดำเนินต่อโดยอัตโนมัติ</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client Setup</source>
        <translation>การตั้งค่า Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>ขยายใหญ่สุด</translation>
    </message>
    <message>
        <source>Enable backup schedule</source>
        <translation>เปิดใช้กำหนดการสำรองข้อมูล</translation>
    </message>
    <message>
        <source>The first sync may take a while, depending on the number and size of your files.</source>
        <translation>การซิงค์ครั้งแรกอาจใช้เวลาสักครู่ ขึ้นอยู่กับจำนวนและขนาดของไฟล์</translation>
    </message>
    <message>
        <source>Sign in with the account you use on %1.</source>
        <translation>ลงชื่อเข้าใช้ด้วยบัญชีที่คุณใช้บน %1</translation>
    </message>
    <message>
        <source>Backup Schedule</source>
        <translation>กำหนดการสำรองข้อมูล</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>ชื่อไฟล์ยาวเกินไป</translation>
    </message>
    <message>
        <source>The file manager will be restarted to unload the extension.</source>
        <translation>ตัวจัดการไฟล์จะรีสตาร์ตเพื่อยกเลิกการโหลดส่วนขยาย</translation>
    </message>
    <message>
        <source>Keep both versions</source>
        <translation>เก็บทั้งสองเวอร์ชัน</translation>
    </message>
    <message>
        <source>Available when online</source>
        <translation>ใช้ได้เมื่อออนไลน์</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>ย้อนกลับ</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>ยกเลิกการเลือกทั้งหมด</translation>
    </message>
    <message>
        <source>Total size</source>
        <translation>ขนาดทั้งหมด</translation>
    </message>
    <message>
        <source>Open source licenses</source>
        <translation>สัญญาอนุญาตโอเพนซอร์ส</translation>
    </message>
    <message>
        <source>No backup is scheduled.</source>
        <translation>ไม่มีการสำรองข้อมูลตามกำหนดการ</translation>
    </message>
    <message>
        <source>Syncing was paused while the computer was asleep.</source>
        <translation>การซิงค์หยุดชั่วคราวขณะที่คอมพิวเตอร์อยู่ในโหมดสลีป</translation>
    </message>
    <message>
        <source>Team Folder</source>
        <translation>โฟลเดอร์ทีม</translation>
    </message>
    <message>
        <source>Overall progress</source>
        <translation>ความคืบหน้าโดยรวม</translation>
    </message>
    <message>
        <source>Checking the connection to %1...</source>
        <translation>กำลังตรวจสอบการเชื่อมต่อกับ %1...</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <translation>%1 พร้อมใช้งานแล้ว</translation>
    </message>
    <message>
        <source>When a conflict occurs</source>
        <translation>เมื่อเกิดข้อขัดแย้ง</translation>
    </message>
    <message>
        <source>The security certificate was issued to %1, not to %2.</source>
        <translation>ใบรับรองความปลอดภัยนี้ออกให้กับ %1 ไม่ใช่ %2</translation>
    </message>
    <message>
        <source>Trust this computer</source>
        <translation>เชื่อถือคอมพิวเตอร์เครื่องนี้</translation>
    </message>
    <message>
        <source>Select the operation you wish to perform.</source>
        <translation>เลือกการดำเนินการที่คุณต้องการ</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>เปิดใช้งาน</translation>
    </message>
    <message>
        <source>File size limit</source>
        <translation>ขีดจำกัดขนาดไฟล์</translation>
    </message>
    <message>
        <source>Unable to create the task.</source>
        <translation>ไม่สามารถสร้างงานได้</translation>
    </message>
    <message>
        <source>Create Task</source>
        <translation>สร้างงาน</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <translation>ไฟล์บางไฟล์ที่ต้องอัปเดตกำลังถูกใช้งานอยู่</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>โปรดรอสักครู่...</translation>
    </message>
    <message>
        <source>Searching for servers on your local network...</source>
        <translation>กำลังค้นหาเซิร์ฟเวอร์ในเครือข่ายภายใน...</translation>
    </message>
    <message>
        <source>Disk space required for the installation exceeds available disk space.</source>
        <translation>พื้นที่ดิสก์ที่ต้องใช้ในการติดตั้งเกินพื้นที่ที่มีอยู่</translation>
    </message>
    <message>
        <source>The following applications are using files that need to be updated by this setup. Close these applications and then click &amp;Retry to continue the installation or Cancel to exit it.</source>
        <translation>แอปพลิเคชันต่อไปนี้กำลังใช้ไฟล์ที่การติดตั้งนี้ต้องอัปเดต โปรดปิดแอปพลิเคชันเหล่านี้ แล้วคลิกลองใหม่(&amp;R) เพื่อติดตั้งต่อ หรือคลิกยกเลิกเพื่อออก</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>ไม่มีโฟลเดอร์ %1</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>เจ้าของ</translation>
    </message>
    <message>
        <source>Play sounds</source>
        <translation>เล่นเสียงประกอบ</translation>
    </message>
    <message>
        <source>Synced</source>
        <translation>ซิงค์แล้ว</translation>
    </message>
    <message>
        <source>Last day of the month</source>
        <translation>วันสุดท้ายของเดือน</translation>
    </message>
    <message>
        <source>Keep the version on this computer</source>
        <translation>เก็บเวอร์ชันบนคอมพิวเตอร์เครื่องนี้</translation>
    </message>
    <message>
        <source>Resume the selected task</source>
        <translation>ดำเนินงานที่เลือกต่อ</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>ฝ่ายสนับสนุน</translation>
    </message>
    <message>
        <source>Sort by Size</source>
        <translation>เรียงตามขนาด</translation>
    </message>
    <message>
        <source>Storage Details</source>
        <translation>รายละเอียดพื้นที่จัดเก็บ</translation>
    </message>
    <message>
        <source>Apply limits only during these hours</source>
        <translation>ใช้การจำกัดเฉพาะในช่วงเวลาเหล่านี้</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>กลุ่ม</translation>
    </message>
    <message>
        <source>Welcome to Quenmark Zelto Client</source>
        <translation>ยินดีต้อนรับสู่ Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>การดำเนินการ</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>เชื่อมต่อแล้ว</translation>
    </message>
    <message>
        <source>Data from an earlier version was found on this computer.</source>
        <translation>พบข้อมูลจากเวอร์ชันก่อนหน้าบนคอมพิวเตอร์เครื่องนี้</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>อีเมล</translation>
    </message>
    <message>
        <source>Pause for 30 minutes</source>
        <translation>หยุดชั่วคราว 30 นาที</translation>
    </message>
    <message>
        <source>Open in File Manager</source>
        <translation>เปิดในตัวจัดการไฟล์</translation>
    </message>
    <message>
        <source>Completed the [ProductName] Setup Wizard</source>
        <translation>ตัวช่วยสร้างการติดตั้ง [ProductName] เสร็จสมบูรณ์</translation>
    </message>
    <message>
        <source>Last synced %1</source>
        <translation>ซิงค์ล่าสุด: %1</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>ขั้นตอนที่ %1 จาก %2</translation>
    </message>
    <message>
        <source>Retry Now</source>
        <translation>ลองใหม่เดี๋ยวนี้</translation>
    </message>
    <message>
        <source>%1 of %2 used</source>
        <translation>ใช้ไป %1 จาก %2</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>ข้ามแล้ว</translation>
    </message>
    <message>
        <source>You have used %1 of your storage quota.</source>
        <translation>คุณใช้โควตาพื้นที่จัดเก็บไปแล้ว %1</translation>
    </message>
    <message>
        <source>A newer version of [ProductName] is already installed. Setup will now exit.</source>
        <translation>มีการติดตั้ง [ProductName] เวอร์ชันที่ใหม่กว่าอยู่แล้ว โปรแกรมติดตั้งจะปิดลง</translation>
    </message>
    <message>
        <source>No problem was found.</source>
        <translation>ไม่พบปัญหา</translation>
    </message>
    <message>
        <source>Keep files on the server that were deleted on this computer</source>
        <translation>เก็บไฟล์ที่ลบบนคอมพิวเตอร์เครื่องนี้ไว้บนเซิร์ฟเวอร์</translation>
    </message>
    <message>
        <source>Scanning for changes...</source>
        <translation>กำลังตรวจหาการเปลี่ยนแปลง...</translation>
    </message>
    <message>
        <source>Registering product</source>
        <translation>กำลังลงทะเบียนผลิตภัณฑ์</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>ภาษาของอินเทอร์เฟซ</translation>
    </message>
    <message>
        <source>You are not running the setup as an administrator. Some features may not be installed correctly. Continue anyway?</source>
        <translation>คุณไม่ได้เรียกใช้การติดตั้งในฐานะผู้ดูแลระบบ คุณลักษณะบางอย่างอาจติดตั้งไม่ถูกต้อง ต้องการดำเนินการต่อหรือไม่</translation>
    </message>
    <message>
        <source>There is not enough free space on %1. At least %2 is needed.</source>
        <translation>พื้นที่ว่างบน %1 ไม่เพียงพอ ต้องใช้อย่างน้อย %2</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>ติดต่อฝ่ายสนับสนุน</translation>
    </message>
    <message>
        <source>Task Details</source>
        <translation>รายละเอียดงาน</translation>
    </message>
    <message>
        <source>Back up only when the computer is idle</source>
        <translation>สำรองข้อมูลเฉพาะเมื่อคอมพิวเตอร์ไม่ได้ใช้งาน</translation>
    </message>
    <message>
        <source>Open the folder on the server in a web browser</source>
        <translation>เปิดโฟลเดอร์บนเซิร์ฟเวอร์ในเว็บเบราว์เซอร์</translation>
    </message>
    <message>
        <source>Administrator permission is required.</source>
        <translation>ต้องใช้สิทธิ์ผู้ดูแลระบบ</translation>
    </message>
    <message>
        <source>Creating shortcuts</source>
        <translation>กำลังสร้างทางลัด</translation>
    </message>
    <message>
        <source>Your email address (optional)</source>
        <translation>ที่อยู่อีเมลของคุณ (ไม่บังคับ)</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>ความคืบหน้า</translation>
    </message>
    <message>
        <source>Free space on this drive: %1</source>
        <translation>พื้นที่ว่างบนไดรฟ์นี้: %1</translation>
    </message>
    <message>
        <source>The proxy connection works.</source>
        <translation>การเชื่อมต่อผ่านพร็อกซีใช้งานได้</translation>
    </message>
    <message>
        <source>Privacy statement</source>
        <translation>นโยบายความเป็นส่วนตัว</translation>
    </message>
    <message>
        <source>Install the file manager extension (status icons and context menu)</source>
        <translation>ติดตั้งส่วนขยายของตัวจัดการไฟล์ (ไอคอนสถานะและเมนูบริบท)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>นำเข้า</translation>
    </message>
    <message>
        <source>Select Folders</source>
        <translation>เลือกโฟลเดอร์</translation>
    </message>
    <message>
        <source>The file is locked by another application.</source>
        <translation>ไฟล์ถูกล็อกโดยแอปพลิเคชันอื่น</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>สถานะ:</translation>
    </message>
    <message>
        <source>Thank you! Your feedback has been sent.</source>
        <translation>ขอบคุณ! ส่งความคิดเห็นของคุณแล้ว</translation>
    </message>
    <message>
        <source>Sync directly with computers on the same network when possible</source>
        <translation>ซิงค์กับคอมพิวเตอร์ในเครือข่ายเดียวกันโดยตรงเมื่อทำได้</translation>
    </message>
    <message>
        <source>Download rate</source>
        <translation>อัตราการดาวน์โหลด</translation>
    </message>
    <message>
        <source>&amp;Folder name:</source>
        <translation>ชื่อโฟลเดอร์(&amp;F):</translation>
    </message>
    <message>
        <source>%1 files, %2</source>
        <translation>%1 ไฟล์, %2</translation>
    </message>
    <message>
        <source>Version on this computer</source>
        <translation>เวอร์ชันบนคอมพิวเตอร์เครื่องนี้</translation>
    </message>
    <message>
        <source>The file name contains characters that are not allowed: %1</source>
        <translation>ชื่อไฟล์มีอักขระที่ไม่อนุญาต: %1</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>ถัดไป(&amp;N) &gt;</translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>ต้องดำเนินการ</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>ที่ต้องใช้</translation>
    </message>
    <message>
        <source>Your settings and sync tasks are being moved to the new version of Quenmark Zelto Client. Do not turn off the computer.</source>
        <translation>กำลังย้ายการตั้งค่าและงานซิงค์ของคุณไปยัง Quenmark Zelto Client เวอร์ชันใหม่ โปรดอย่าปิดคอมพิวเตอร์</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>คู่มือผู้ใช้</translation>
    </message>
    <message>
        <source>Expiration date</source>
        <translation>วันหมดอายุ</translation>
    </message>
    <message>
        <source>The disk where your sync folder is located is almost full.</source>
        <translation>ดิสก์ที่เก็บโฟลเดอร์ซิงค์ของคุณใกล้เต็มแล้ว</translation>
    </message>
    <message>
        <source>The server %1 could not be found. Check the address and try again.</source>
        <translation>ไม่พบเซิร์ฟเวอร์ %1 โปรดตรวจสอบที่อยู่แล้วลองอีกครั้ง</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>ต้องกรอกช่องนี้</translation>
    </message>
    <message>
        <source>You have read-only access to this shared folder.</source>
        <translation>คุณมีสิทธิ์อ่านอย่างเดียวสำหรับโฟลเดอร์ที่แชร์นี้</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>คัดลอกลิงก์</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; ย้อนกลับ(&amp;B)</translation>
    </message>
    <message>
        <source>View Previous Versions</source>
        <translation>ดูเวอร์ชันก่อนหน้า</translation>
    </message>
    <message>
        <source>Complete the sign-in in your web browser.</source>
        <translation>โปรดลงชื่อเข้าใช้ให้เสร็จในเว็บเบราว์เซอร์</translation>
    </message>
    <message>
        <source>Directory user</source>
        <translation>ผู้ใช้ไดเรกทอรี</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>ข้อมูล</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>เปรียบเทียบ</translation>
    </message>
    <message>
        <source>Always Keep on This Device</source>
        <translation>เก็บไว้บนอุปกรณ์นี้เสมอ</translation>
    </message>
    <message>
        <source>You do not have write permission for the destination shared folder.</source>
        <translation>คุณไม่มีสิทธิ์เขียนในโฟลเดอร์ที่แชร์ปลายทาง</translation>
    </message>
    <message>
        <source>Open Quenmark Zelto Client</source>
        <translation>เปิด Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>สว่าง</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>การแจ้งเตือน</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ดาวน์โหลด</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>รุ่น</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>ยกเลิกกลางคัน(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>ไม่ใช่(&amp;N)</translation>
    </message>
    <message>
        <source>The folder is already used by another sync task.</source>
        <translation>โฟลเดอร์นี้ถูกใช้โดยงานซิงค์อื่นอยู่แล้ว</translation>
    </message>
    <message>
        <source>This link has expired.</source>
        <translation>ลิงก์นี้หมดอายุแล้ว</translation>
    </message>
    <message>
        <source>Installing [ProductName]</source>
        <translation>กำลังติดตั้ง [ProductName]</translation>
    </message>
    <message>
        <source>Rename the server file</source>
        <translation>เปลี่ยนชื่อไฟล์บนเซิร์ฟเวอร์</translation>
    </message>
    <message>
        <source>Your files are now being synced. You can follow the progress from the icon in the notification area.</source>
        <translation>ไฟล์ของคุณกำลังถูกซิงค์ คุณสามารถติดตามความคืบหน้าได้จากไอคอนในพื้นที่แจ้งเตือน</translation>
    </message>
    <message>
        <source>&amp;Disk Usage</source>
        <translation>การใช้ดิสก์(&amp;D)</translation>
    </message>
    <message>
        <source>Syncing</source>
        <translation>กำลังซิงค์</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client is running. Quit it and click Retry, or click Cancel to stop the setup.</source>
        <translation>Quenmark Zelto Client กำลังทำงานอยู่ โปรดออกจากโปรแกรมแล้วคลิกลองใหม่ หรือคลิกยกเลิกเพื่อหยุดการติดตั้ง</translation>
    </message>
    <message>
        <source>Share with users on the server</source>
        <translation>แชร์กับผู้ใช้บนเซิร์ฟเวอร์</translation>
    </message>
    <message>
        <source>Can edit</source>
        <translation>แก้ไขได้</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>วันพุธ</translation>
    </message>
    <message>
        <source>Looking for changed files...</source>
        <translation>กำลังค้นหาไฟล์ที่เปลี่ยนแปลง...</translation>
    </message>
    <message>
        <source>Copy folders on this computer to the server on a schedule. Files deleted on this computer are kept on the server.</source>
        <translation>คัดลอกโฟลเดอร์บนคอมพิวเตอร์เครื่องนี้ไปยังเซิร์ฟเวอร์ตามกำหนดการ ไฟล์ที่ลบบนคอมพิวเตอร์นี้จะยังคงเก็บไว้บนเซิร์ฟเวอร์</translation>
    </message>
    <message>
        <source>Some settings could not be moved. Please check your sync tasks.</source>
        <translation>ไม่สามารถย้ายการตั้งค่าบางอย่างได้ โปรดตรวจสอบงานซิงค์ของคุณ</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>ซิงค์เดี๋ยวนี้</translation>
    </message>
    <message>
        <source>On-demand</source>
        <translation>ตามต้องการ</translation>
    </message>
    <message>
        <source>Saved accounts</source>
        <translation>บัญชีที่บันทึกไว้</translation>
    </message>
    <message>
        <source>Restore...</source>
        <translation>กู้คืน...</translation>
    </message>
    <message>
        <source>Attach diagnostic logs</source>
        <translation>แนบบันทึกการวินิจฉัย</translation>
    </message>
    <message>
        <source>%1 results</source>
        <translation>%1 ผลลัพธ์</translation>
    </message>
    <message>
        <source>Open Sync Folder</source>
        <translation>เปิดโฟลเดอร์ซิงค์</translation>
    </message>
    <message>
        <source>%1 could not be updated. The installed version will be started.</source>
        <translation>ไม่สามารถอัปเดต %1 ได้ จะเริ่มเวอร์ชันที่ติดตั้งไว้แทน</translation>
    </message>
    <message>
        <source>%1 was not synced because it is larger than the maximum file size.</source>
        <translation>ไม่ได้ซิงค์ %1 เนื่องจากมีขนาดเกินขนาดไฟล์สูงสุด</translation>
    </message>
    <message>
        <source>View on Web Portal</source>
        <translation>ดูบนเว็บพอร์ทัล</translation>
    </message>
    <message>
        <source>Open the local folder</source>
        <translation>เปิดโฟลเดอร์ในเครื่อง</translation>
    </message>
    <message>
        <source>Permission</source>
        <translation>สิทธิ์</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>ลบแล้ว</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard removes [ProductName].</source>
        <translation>โปรดรอขณะที่ตัวช่วยสร้างการติดตั้งเอา [ProductName] ออก</translation>
    </message>
    <message>
        <source>Moving Your Data</source>
        <translation>กำลังย้ายข้อมูลของคุณ</translation>
    </message>
    <message>
        <source>Ask when more than %1 files are deleted at once</source>
        <translation>ถามเมื่อมีการลบไฟล์มากกว่า %1 ไฟล์ในครั้งเดียว</translation>
    </message>
    <message>
        <source>Uploaded</source>
        <translation>อัปโหลดแล้ว</translation>
    </message>
    <message>
        <source>Server name</source>
        <translation>ชื่อเซิร์ฟเวอร์</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>พิมพ์(&amp;P)</translation>
    </message>
    <message>
        <source>Signed in as %1</source>
        <translation>ลงชื่อเข้าใช้เป็น %1</translation>
    </message>
    <message>
        <source>The recycle bin is not enabled for this shared folder. Deleted files cannot be restored.</source>
        <translation>ถังรีไซเคิลไม่ได้เปิดใช้งานสำหรับโฟลเดอร์ที่แชร์นี้ ไม่สามารถกู้คืนไฟล์ที่ลบแล้วได้</translation>
    </message>
    <message>
        <source>Uploading %1</source>
        <translation>กำลังอัปโหลด %1</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of [ProductName]. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>คลิกซ่อมแซมเพื่อซ่อมแซมการติดตั้ง [ProductName] คลิกย้อนกลับเพื่อตรวจสอบหรือเปลี่ยนการตั้งค่าการติดตั้ง คลิกยกเลิกเพื่อออกจากตัวช่วยสร้าง</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>กำลังทำงาน</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>เมื่อสักครู่</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>อยู่ด้านบนเสมอ</translation>
    </message>
    <message>
        <source>Verification code</source>
        <translation>รหัสยืนยัน</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>เมื่อวาน</translation>
    </message>
    <message>
        <source>Use the default folder (%1)</source>
        <translation>ใช้โฟลเดอร์เริ่มต้น (%1)</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>วางไฟล์ที่นี่</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>วันศุกร์</translation>
    </message>
    <message>
        <source>Username field</source>
        <translation>ช่องชื่อผู้ใช้</translation>
    </message>
    <message>
        <source>Encrypt data during transfer</source>
        <translation>เข้ารหัสข้อมูลระหว่างการถ่ายโอน</translation>
    </message>
    <message>
        <source>%1 files were changed.</source>
        <translation>มีการเปลี่ยนแปลงไฟล์ %1 ไฟล์</translation>
    </message>
    <message>
        <source>Sign In...</source>
        <translation>ลงชื่อเข้าใช้...</translation>
    </message>
    <message>
        <source>You do not have permission to perform this operation.</source>
        <translation>คุณไม่มีสิทธิ์ดำเนินการนี้</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>หน้าการตั้งค่า</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>ใช้การตั้งค่าพร็อกซีของระบบ</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>กำลังรอ</translation>
    </message>
    <message>
        <source>The folder is read-only. Files cannot be written to it.</source>
        <translation>โฟลเดอร์นี้เป็นแบบอ่านอย่างเดียว ไม่สามารถเขียนไฟล์ลงไปได้</translation>
    </message>
    <message>
        <source>Next backup: %1</source>
        <translation>การสำรองข้อมูลครั้งถัดไป: %1</translation>
    </message>
    <message>
        <source>The disk space required for the installation of the selected features.</source>
        <translation>พื้นที่ดิสก์ที่ต้องใช้ในการติดตั้งคุณลักษณะที่เลือก</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <translation>ไฟล์ชั่วคราว</translation>
    </message>
    <message>
        <source>Issued to</source>
        <translation>ออกให้กับ</translation>
    </message>
    <message>
        <source>More actions</source>
        <translation>การดำเนินการเพิ่มเติม</translation>
    </message>
    <message>
        <source>Download This Version</source>
        <translation>ดาวน์โหลดเวอร์ชันนี้</translation>
    </message>
    <message>
        <source>Include in Sync</source>
        <translation>รวมในการซิงค์</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Notify me when a backup finishes</source>
        <translation>แจ้งเตือนเมื่อการสำรองข้อมูลเสร็จสิ้น</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>วันจันทร์</translation>
    </message>
    <message>
        <source>Unable to delete %1.</source>
        <translation>ไม่สามารถลบ %1 ได้</translation>
    </message>
    <message>
        <source>Open the sync folder</source>
        <translation>เปิดโฟลเดอร์ซิงค์</translation>
    </message>
    <message>
        <source>Create a shortcut on the &amp;desktop</source>
        <translation>สร้างทางลัดบนเดสก์ท็อป(&amp;D)</translation>
    </message>
    <message>
        <source>Unable to save the settings.</source>
        <translation>ไม่สามารถบันทึกการตั้งค่าได้</translation>
    </message>
    <message>
        <source>Email the report after each backup</source>
        <translation>ส่งรายงานทางอีเมลหลังการสำรองข้อมูลแต่ละครั้ง</translation>
    </message>
    <message>
        <source>Cache location</source>
        <translation>ตำแหน่งแคช</translation>
    </message>
    <message>
        <source>Include folder %1</source>
        <translation>รวมโฟลเดอร์ %1</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>ขนาดแบบอักษร</translation>
    </message>
    <message>
        <source>Unable to create %1.</source>
        <translation>ไม่สามารถสร้าง %1 ได้</translation>
    </message>
    <message>
        <source>Scanning local files...</source>
        <translation>กำลังสแกนไฟล์ในเครื่อง...</translation>
    </message>
    <message>
        <source>Back up on a schedule</source>
        <translation>สำรองข้อมูลตามกำหนดการ</translation>
    </message>
    <message>
        <source>&amp;Keep my settings and sync tasks</source>
        <translation>เก็บการตั้งค่าและงานซิงค์ของฉันไว้(&amp;K)</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>คืนค่าเริ่มต้น</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>การแจ้งเตือน</translation>
    </message>
    <message>
        <source>Cache size</source>
        <translation>ขนาดแคช</translation>
    </message>
    <message>
        <source>Never expires</source>
        <translation>ไม่มีวันหมดอายุ</translation>
    </message>
    <message>
        <source>Select a server from the list or enter its address.</source>
        <translation>เลือกเซิร์ฟเวอร์จากรายการหรือป้อนที่อยู่</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>พ.</translation>
    </message>
    <message>
        <source>%1 was deleted.</source>
        <translation>ลบ %1 แล้ว</translation>
    </message>
    <message>
        <source>The server is offline.</source>
        <translation>เซิร์ฟเวอร์ออฟไลน์</translation>
    </message>
    <message>
        <source>Open Recycle Bin</source>
        <translation>เปิดถังรีไซเคิล</translation>
    </message>
    <message>
        <source>Exclude from Sync</source>
        <translation>ไม่รวมในการซิงค์</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>ส่ง</translation>
    </message>
    <message>
        <source>Version on the server</source>
        <translation>เวอร์ชันบนเซิร์ฟเวอร์</translation>
    </message>
    <message>
        <source>Calculating time remaining...</source>
        <translation>กำลังคำนวณเวลาที่เหลือ...</translation>
    </message>
    <message>
        <source>SMTP port</source>
        <translation>พอร์ต SMTP</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>ไม่ใช้พร็อกซี</translation>
    </message>
    <message>
        <source>Pause for 1 hour</source>
        <translation>หยุดชั่วคราว 1 ชั่วโมง</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>ยืนยัน</translation>
    </message>
    <message>
        <source>Rename the local file</source>
        <translation>เปลี่ยนชื่อไฟล์ในเครื่อง</translation>
    </message>
    <message>
        <source>Show Previous Versions</source>
        <translation>แสดงเวอร์ชันก่อนหน้า</translation>
    </message>
    <message>
        <source>Notify me when a sync finishes</source>
        <translation>แจ้งเตือนเมื่อการซิงค์เสร็จสิ้น</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>ส่งออก...</translation>
    </message>
    <message>
        <source>Current status</source>
        <translation>สถานะปัจจุบัน</translation>
    </message>
    <message>
        <source>Stop Backup</source>
        <translation>หยุดการสำรองข้อมูล</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation>ไฟล์ที่กำลังใช้งาน</translation>
    </message>
    <message>
        <source>Do not sync temporary files</source>
        <translation>ไม่ซิงค์ไฟล์ชั่วคราว</translation>
    </message>
    <message>
        <source>Unable to unpack the installation package.</source>
        <translation>ไม่สามารถแตกแพ็กเกจการติดตั้งได้</translation>
    </message>
    <message>
        <source>The backup could not start because the server is offline.</source>
        <translation>ไม่สามารถเริ่มการสำรองข้อมูลได้เนื่องจากเซิร์ฟเวอร์ออฟไลน์</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ไฟล์</translation>
    </message>
    <message>
        <source>Enter a valid IP address.</source>
        <translation>ป้อนที่อยู่ IP ที่ถูกต้อง</translation>
    </message>
    <message>
        <source>IP address, domain name or relay ID</source>
        <translation>ที่อยู่ IP ชื่อโดเมน หรือ ID รีเลย์</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>วันอาทิตย์</translation>
    </message>
    <message>
        <source>You do not have permission to use this service. Contact your system administrator.</source>
        <translation>คุณไม่มีสิทธิ์ใช้บริการนี้ โปรดติดต่อผู้ดูแลระบบ</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>เอาออก(&amp;R)</translation>
    </message>
    <message>
        <source>The backup is intact.</source>
        <translation>ข้อมูลสำรองสมบูรณ์</translation>
    </message>
    <message>
        <source>Select at least one day.</source>
        <translation>โปรดเลือกอย่างน้อยหนึ่งวัน</translation>
    </message>
    <message>
        <source>%1 files were deleted from the sync folder. Do you also want to delete them from the server?</source>
        <translation>มีการลบไฟล์ %1 ไฟล์ออกจากโฟลเดอร์ซิงค์ คุณต้องการลบไฟล์เหล่านี้ออกจากเซิร์ฟเวอร์ด้วยหรือไม่</translation>
    </message>
    <message>
        <source>Certificate Warning</source>
        <translation>คำเตือนเกี่ยวกับใบรับรอง</translation>
    </message>
    <message>
        <source>Remember my password</source>
        <translation>จดจำรหัสผ่านของฉัน</translation>
    </message>
    <message>
        <source>Weekly schedule grid</source>
        <translation>ตารางกำหนดการรายสัปดาห์</translation>
    </message>
    <message>
        <source>Enter a number between %1 and %2.</source>
        <translation>ป้อนตัวเลขระหว่าง %1 ถึง %2</translation>
    </message>
    <message>
        <source>The username or password you entered is incorrect.</source>
        <translation>ชื่อผู้ใช้หรือรหัสผ่านไม่ถูกต้อง</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>แชร์</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>แสดงหน้าต่าง</translation>
    </message>
    <message>
        <source>Backing up %1 of %2 files</source>
        <translation>กำลังสำรองข้อมูลไฟล์ %1 จาก %2 ไฟล์</translation>
    </message>
    <message>
        <source>Keep only the latest versions</source>
        <translation>เก็บเฉพาะเวอร์ชันล่าสุด</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <translation>พื้นที่ว่างบนดิสก์ภายในเครื่องไม่เพียงพอ</translation>
    </message>
    <message>
        <source>The file was changed both on this computer and on the server since the last sync.</source>
        <translation>ไฟล์นี้ถูกเปลี่ยนแปลงทั้งบนคอมพิวเตอร์เครื่องนี้และบนเซิร์ฟเวอร์ตั้งแต่การซิงค์ครั้งล่าสุด</translation>
    </message>
    <message>
        <source>Everything is up to date</source>
        <translation>ทุกอย่างเป็นปัจจุบันแล้ว</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>เคล็ดลับ</translation>
    </message>
    <message>
        <source>Scan complete</source>
        <translation>สแกนเสร็จสมบูรณ์</translation>
    </message>
    <message>
        <source>Welcome to the [ProductName] Setup Wizard</source>
        <translation>ยินดีต้อนรับสู่ตัวช่วยสร้างการติดตั้ง [ProductName]</translation>
    </message>
    <message>
        <source>Choose how to sync</source>
        <translation>เลือกวิธีการซิงค์</translation>
    </message>
    <message>
        <source>Use * to match any characters and ? to match one character.</source>
        <translation>ใช้ * แทนอักขระใดๆ และใช้ ? แทนอักขระหนึ่งตัว</translation>
    </message>
    <message>
        <source>Ready to remove [ProductName]</source>
        <translation>พร้อมเอา [ProductName] ออก</translation>
    </message>
    <message>
        <source>Last run time</source>
        <translation>เวลาที่ทำงานครั้งล่าสุด</translation>
    </message>
    <message>
        <source>Backup finished with errors</source>
        <translation>สำรองข้อมูลเสร็จสิ้นแต่มีข้อผิดพลาด</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <translation>เลือกโฟลเดอร์บนคอมพิวเตอร์เครื่องนี้</translation>
    </message>
    <message>
        <source>File name pattern</source>
        <translation>รูปแบบชื่อไฟล์</translation>
    </message>
    <message>
        <source>%1 servers found on your local network.</source>
        <translation>พบเซิร์ฟเวอร์ %1 เครื่องในเครือข่ายภายใน</translation>
    </message>
    <message>
        <source>Restart Later</source>
        <translation>รีสตาร์ตภายหลัง</translation>
    </message>
    <message>
        <source>Last sync</source>
        <translation>ซิงค์ล่าสุด</translation>
    </message>
    <message>
        <source>Stop Sharing</source>
        <translation>หยุดการแชร์</translation>
    </message>
    <message>
        <source>Unable to connect to the server. Check your network connection and the server address.</source>
        <translation>ไม่สามารถเชื่อมต่อกับเซิร์ฟเวอร์ได้ โปรดตรวจสอบการเชื่อมต่อเครือข่ายและที่อยู่เซิร์ฟเวอร์</translation>
    </message>
</context>
</TS>
