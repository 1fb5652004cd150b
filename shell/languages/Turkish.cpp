// Turkish, in the words of Turkish Windows: görev çubuğu, masaüstü, simge
// durumuna küçültmek, bildirim alanı, "Masaüstünü göster". No access key is
// I or i, whose case differs in Turkish.
#include "shell/HelpText.h"
#include "shell/Texts.h"

namespace tremolux {

namespace {

// Its links lie on its last line and on the third from last.
constexpr const char* kHelp =
    "Tremolux hakkında\r\n"
    "\r\n"
    "    Tremolux, masaüstünüzdeki pencereleri farenin basit hareketleri ve hareket "
    "kısayollarıyla düzenler; böylece aynı anda birkaç pencereyle çalışmak "
    "kolaylaşır.\r\n"
    "\r\n"
    "**********\r\n"
    "Yenilikler\r\n"
    "v" TREMOLUX_VERSION_TEXT
    "\r\n"
    "Yeni: Masaüstüne göz atmak için işaretçiyi ekranın sağ alt köşesinde bekletin (tüm "
    "pencereler bir anlığına simge durumuna küçültülür); işaretçi köşeden ayrılınca tüm "
    "pencereler geri gelir. Görev çubuğunun sağ ucundaki ince çubuğa tıklamak masaüstünü "
    "gösterir: tüm pencereleri simge durumuna küçültür.\r\n"
    "**********\r\n"
    "\r\n"
    "Nasıl çalışır\r\n"
    "\r\n"
    "    Pencerelerinizi çalışma biçiminize uyacak şekilde yerleştirin: \"Sürükle ve "
    "çarp\" modunda (varsayılan) ya da \"Kaydır\" modunda (daha da hızlı).\r\n"
    "\r\n"
    "    \"Sürükle ve çarp\" modunda bir pencereyi başlık çubuğundan, işaretçi ekranın sol "
    "(veya sağ) kenarına çarpana kadar sürükleyin: pencere ekranın sol (veya sağ) yarısını "
    "kaplar. İşaretçi üst kenara çarparsa pencere tüm ekrana yayılır.\r\n"
    "\r\n"
    "    \"Kaydır\" modu, \"Sürükle ve çarp\" modundan daha hızlıdır:\r\n"
    "\r\n"
    "· İşaretçiyi ekranın sol (veya sağ) kenarı boyunca hızla aşağı kaydırın (100 pikselden "
    "fazlası yeterli): geçerli pencere ekranın sol (veya sağ) yarısını kaplar;\r\n"
    "\r\n"
    "· üst kenar boyunca soldan sağa hızla kaydırın (100 pikselden fazla): geçerli pencere "
    "tüm ekrana yayılır;\r\n"
    "\r\n"
    "· alt kenar boyunca soldan sağa hızla kaydırın (100 pikselden fazla): geçerli pencere "
    "simge durumuna küçültülür.\r\n"
    "\r\n"
    "    Bildirim alanındaki simgenin menüsü ve Shift+F1 klavye kısayolu, en son "
    "yerleştirilen pencereyi önceki boyutuna ve konumuna geri getirir.\r\n"
    "\r\n"
    "· Tüm pencereleri bir anlığına simge durumuna küçültüp masaüstüne bakmak için "
    "işaretçiyi ekranın sağ alt köşesinde bekletin; uzaklaştırınca tüm pencereler hemen "
    "geri gelir. O köşedeki ince çubuğa tıklamak \"Masaüstünü göster\" düğmesiyle aynı işi "
    "yapar ve ona ulaşmak çok daha kolaydır; bakmadan bile yapabilirsiniz.\r\n"
    "\r\n"
    "    Bildirim alanı menüsünden Tremolux'un pencereleri ekranı kaplayacak şekilde "
    "büyütmesini ya da simge durumuna küçültmesini veya ikisini birden "
    "engelleyebilirsiniz.\r\n"
    "\r\n"
    "    Tremolux'un Windows ile başlayıp başlamayacağını seçebilirsiniz.\r\n"
    "\r\n"
    "    Tremolux, masaüstünde çok sayıda pencereyle çalışan herkese uygundur; örneğin "
    "pencereleri karşılaştırmak için yan yana koyan ofis çalışanlarına ya da yazılım "
    "geliştiricilerine. Ve elbette klavyeye uzanmaya, hatta fareyle tıklamaya bile "
    "üşenen \"tembeller\" için de ^_^.\r\n"
    "\r\n"
    "    Hazırlayan: Tremolux ekibi\r\n"
    "\r\n"
    "   E-posta:\r\n"
    "\r\n"
    "Web sitesi:";

}  // namespace

constexpr Texts kTurkishTexts{
    .restoreItem = "&Son pencereyi geri yükle",
    .modeMenu = "Çalışma &modu",
    .dragBumpItem = "&Sürükle ve çarp (varsayılan)",
    .slideItem = "&Kaydır",
    .effectsMenu = "&Efektler",
    .noMaxItem = "Pencereleri asla &büyütme",
    .noMinItem = "Pencereleri asla simge &durumuna küçültme",
    .startWithWindowsItem = "&Windows ile başlat",
    .helpItem = "Tremolux &hakkında",
    .cleanUpItem = "&Ayarları sil (kaldırmadan önce)",
    .exitItem = "Çı&kış",
    .alreadyRunning = "Tremolux zaten çalışıyor.",
    .informationCaption = "Tremolux",
    .cleanUpQuestion =
        "Bu işlem, Tremolux'un kayıt defterine kaydettiği her şeyi siler;\r\n"
        "böylece programı kaldırdığınızda geride hiçbir şey kalmaz.\r\n"
        "Tüm ayarlarınız kaybolur.\r\n\r\n"
        "Ayarları silmek istiyor musunuz?",
    .cleanUpCaption = "Tremolux Ayarlarını Sil",
    .cleanUpDone =
        "Ayarlar silindi. Artık Tremolux'u kaldırabilirsiniz.\r\n"
        "Kullandığınız için teşekkür ederiz; önerilerinizi bekliyoruz.",
    .cleanUpRefused =
        "Ayarların tümü silinemedi: yönetici haklarınız olmayabilir.\r\n"
        "Tremolux'u yönetici olarak çalıştırıp yeniden deneyin.",
    .helpTitle = "Tremolux v" TREMOLUX_VERSION_TEXT " beta - Yardım",
    .helpText = kHelp,
    .mailLine = "   E-posta:",
    .homePageLine = "Web sitesi:",
    .mailLink = "E-posta gönder",
    .homePageLink = "Web sitesine git",
    .messageFont = true,
};

static_assert(Complete(kTurkishTexts), "Turkish lacks a text");

}  // namespace tremolux
