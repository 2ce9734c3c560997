// The texts of the 24 languages, laid into the table at compile time.
//
// Every record starts as the English record; a language lists only the
// entries it translates, so an entry it keeps in English is one that is
// simply not listed. Texts stay within what the record's code page can
// carry, or they would turn into default characters on the controls.
#include "i18n/LanguageTable.h"

#include <span>
#include <string_view>

namespace dorvane::langtable_detail {
namespace {

struct Translation {
    unsigned Entry;
    std::u16string_view Text;
};

constexpr std::u16string_view EnglishTexts[LanguageEntryCount] = {
    u"USB Phone Control Panel",         // 0 window caption, tray hint
    u"Website",                         // 1 website page tab
    u"Ring Tone",                       // 2 ring tone page tab
    u"Setup",                           // 3 audio page tab
    u"VOXLY",                           // 4 never shown
    u"Name",                            // 5 website name label
    u"Website",                         // 6 website address label
    u"Save",                            // 7 website save button
    u"Ring Tone",                       // 8 ring tone label
    u"Default",                         // 9 default ring tone button
    u"USB Phone",                       // 10 volume group
    u"Speaker Volume:",                 // 11
    u"Mic. Volume:",                    // 12
    u"Ring Volume:",                    // 13
    u"Skype Audio Device",              // 14 Skype group
    u"Output Device:",                  // 15
    u"Input Device:",                   // 16
    u"Windows default sound device:",   // 17
    u"Setup",                           // 18 tray menu
    u"Language",                        // 19 tray menu
    u"Exit",                            // 20 tray menu
    u"English",                         // 21-44 language menu
    u"Chinese traditional",
    u"Chinese simplified",
    u"Japanese",
    u"Korean",
    u"Arabic",
    u"Czech",
    u"Danish",
    u"Dutch",
    u"Finnish",
    u"French",
    u"German",
    u"Greek",
    u"Hebrew",
    u"Hungarian",
    u"Italian",
    u"Norwegian",
    u"Polish",
    u"Portuguese",
    u"Brazil",
    u"Russian",
    u"Spanish",
    u"Swedish",
    u"Turkish",
    u"Windows default sound device",    // 45 first item of the Skype device lists
};

constexpr Translation ChineseTraditional[] = {
    {0, u"USB Phone 主控台"}, {1, u"網址"}, {2, u"鈴聲"}, {3, u"設定"},
    {5, u"名稱"}, {6, u"網址"}, {7, u"儲存"}, {8, u"鈴聲"}, {9, u"預設"},
    {10, u"USB 電話"}, {11, u"喇叭音量："}, {12, u"麥克風音量："}, {13, u"鈴聲音量："},
    {14, u"Skype 音訊裝置"}, {15, u"輸出裝置："}, {16, u"輸入裝置："},
    {17, u"視窗系統預設音效裝置："}, {18, u"設定"}, {19, u"語言"}, {20, u"結束"},
    {21, u"英文"}, {22, u"繁體中文"}, {23, u"簡體中文"}, {24, u"日文"}, {25, u"韓文"},
    {26, u"阿拉伯文"}, {27, u"捷克文"}, {28, u"丹麥文"}, {29, u"荷蘭文"}, {30, u"芬蘭文"},
    {31, u"法文"}, {32, u"德文"}, {33, u"希臘文"}, {34, u"希伯來文"}, {35, u"匈牙利文"},
    {36, u"義大利文"}, {37, u"挪威文"}, {38, u"波蘭文"}, {39, u"葡萄牙文"},
    {40, u"葡萄牙文 (巴西)"}, {41, u"俄文"}, {42, u"西班牙文"}, {43, u"瑞典文"},
    {44, u"土耳其文"}, {45, u"視窗系統預設裝置"},
};

constexpr Translation ChineseSimplified[] = {
    {0, u"USB Phone 控制台"}, {1, u"网址"}, {2, u"铃声"}, {3, u"设置"},
    {5, u"名称"}, {6, u"网址"}, {7, u"保存"}, {8, u"铃声"}, {9, u"默认"},
    {10, u"USB 电话"}, {11, u"扬声器音量："}, {12, u"麦克风音量："}, {13, u"铃声音量："},
    {14, u"Skype 音频设备"}, {15, u"输出设备："}, {16, u"输入设备："},
    {17, u"Windows 默认声音设备："}, {18, u"设置"}, {19, u"语言"}, {20, u"退出"},
    {21, u"英语"}, {22, u"繁体中文"}, {23, u"简体中文"}, {24, u"日语"}, {25, u"韩语"},
    {26, u"阿拉伯语"}, {27, u"捷克语"}, {28, u"丹麦语"}, {29, u"荷兰语"}, {30, u"芬兰语"},
    {31, u"法语"}, {32, u"德语"}, {33, u"希腊语"}, {34, u"希伯来语"}, {35, u"匈牙利语"},
    {36, u"意大利语"}, {37, u"挪威语"}, {38, u"波兰语"}, {39, u"葡萄牙语"},
    {40, u"葡萄牙语 (巴西)"}, {41, u"俄语"}, {42, u"西班牙语"}, {43, u"瑞典语"},
    {44, u"土耳其语"}, {45, u"Windows 默认声音设备"},
};

constexpr Translation Japanese[] = {
    {0, u"USBフォン オーディオコントロール "}, {2, u"着信音"}, {3, u"設定"},
    {5, u"名前"}, {7, u"保存"}, {8, u"着信音"}, {9, u"デフォルト"},
    {10, u"USBフォン"}, {11, u"スピーカー音量："}, {12, u"マイク音量："}, {13, u"着信音量："},
    {14, u"Skype オーディオデバイス"}, {15, u"出力デバイス："}, {16, u"入力デバイス："},
    {17, u"Windows の既定のサウンドデバイス："}, {18, u"設定"}, {19, u"言語"}, {20, u"終了"},
    {44, u"Turkish "}, {45, u"Windows の既定のサウンドデバイス"},
};

constexpr Translation Korean[] = {
    {0, u"USB 전화 제어판"}, {1, u"웹사이트"}, {2, u"벨소리"}, {3, u"설정"},
    {5, u"이름"}, {6, u"웹사이트 주소"}, {7, u"저장"}, {8, u"벨소리"}, {9, u"기본값"},
    {10, u"USB 전화"}, {11, u"스피커 볼륨:"}, {12, u"마이크 볼륨:"}, {13, u"벨소리 볼륨:"},
    {14, u"Skype 오디오 장치"}, {15, u"출력 장치:"}, {16, u"입력 장치:"},
    {17, u"Windows 기본 사운드 장치:"}, {18, u"설정"}, {19, u"언어"}, {20, u"끝내기"},
    {21, u"영어"}, {22, u"중국어(번체)"}, {23, u"중국어(간체)"}, {25, u"한국어"},
    {45, u"Windows 기본 사운드 장치"},
};

constexpr Translation Arabic[] = {
    {2, u"نغمة الرنين"}, {3, u"الإعداد"}, {5, u"الاسم"}, {7, u"حفظ"},
    {8, u"نغمة الرنين"}, {9, u"الافتراضي"}, {10, u"هاتف USB"},
    {11, u"مستوى صوت السماعة:"}, {12, u"مستوى صوت الميكروفون:"}, {13, u"مستوى صوت الرنين:"},
    {14, u"جهاز صوت Skype"}, {15, u"جهاز الإخراج:"}, {16, u"جهاز الإدخال:"},
    {17, u"جهاز الصوت الافتراضي في Windows:"}, {18, u"الإعداد"}, {19, u"اللغة"},
    {20, u"خروج"}, {45, u"جهاز الصوت الافتراضي في Windows"},
};

constexpr Translation Czech[] = {
    {2, u"Vyzváněcí tón"}, {3, u"Nastavení"}, {5, u"Název"}, {7, u"Uložit"},
    {8, u"Vyzváněcí tón"}, {9, u"Výchozí"}, {10, u"USB telefon"},
    {11, u"Hlasitost reproduktoru:"}, {12, u"Hlasitost mikrofonu:"}, {13, u"Hlasitost vyzvánění:"},
    {14, u"Zvukové zařízení Skype"}, {15, u"Výstupní zařízení:"}, {16, u"Vstupní zařízení:"},
    {17, u"Výchozí zvukové zařízení systému Windows:"}, {18, u"Nastavení"}, {19, u"Jazyk"},
    {20, u"Konec"}, {45, u"Výchozí zvukové zařízení systému Windows"},
};

constexpr Translation Danish[] = {
    {2, u"Ringetone"}, {3, u"Opsætning"}, {5, u"Navn"}, {7, u"Gem"},
    {8, u"Ringetone"}, {9, u"Standard"}, {10, u"USB-telefon"},
    {11, u"Højttalerlydstyrke:"}, {12, u"Mikrofonlydstyrke:"}, {13, u"Ringelydstyrke:"},
    {14, u"Skype-lydenhed"}, {15, u"Afspilningsenhed:"}, {16, u"Optageenhed:"},
    {17, u"Standardlydenhed i Windows:"}, {18, u"Opsætning"}, {19, u"Sprog"},
    {20, u"Afslut"}, {45, u"Standardlydenhed i Windows"},
};

// "Setup" is what Dutch users see in their own software, so it stays.
constexpr Translation Dutch[] = {
    {2, u"Beltoon"}, {5, u"Naam"}, {7, u"Opslaan"},
    {8, u"Beltoon"}, {9, u"Standaard"}, {10, u"USB-telefoon"},
    {11, u"Luidsprekervolume:"}, {12, u"Microfoonvolume:"}, {13, u"Belvolume:"},
    {14, u"Skype-audioapparaat"}, {15, u"Uitvoerapparaat:"}, {16, u"Invoerapparaat:"},
    {17, u"Standaardgeluidsapparaat van Windows:"}, {19, u"Taal"},
    {20, u"Afsluiten"}, {45, u"Standaardgeluidsapparaat van Windows"},
};

constexpr Translation Finnish[] = {
    {2, u"Soittoääni"}, {3, u"Asetukset"}, {5, u"Nimi"}, {7, u"Tallenna"},
    {8, u"Soittoääni"}, {9, u"Oletus"}, {10, u"USB-puhelin"},
    {11, u"Kaiuttimen äänenvoimakkuus:"}, {12, u"Mikrofonin äänenvoimakkuus:"},
    {13, u"Soittoäänen voimakkuus:"}, {14, u"Skypen äänilaite"}, {15, u"Toistolaite:"},
    {16, u"Tallennuslaite:"}, {17, u"Windowsin oletusäänilaite:"}, {18, u"Asetukset"},
    {19, u"Kieli"}, {20, u"Lopeta"}, {45, u"Windowsin oletusäänilaite"},
};

constexpr Translation French[] = {
    {2, u"Sonnerie"}, {3, u"Configuration"}, {5, u"Nom"}, {7, u"Enregistrer"},
    {8, u"Sonnerie"}, {9, u"Par défaut"}, {10, u"Téléphone USB"},
    {11, u"Volume du haut-parleur :"}, {12, u"Volume du micro :"},
    {13, u"Volume de la sonnerie :"}, {14, u"Périphérique audio Skype"},
    {15, u"Périphérique de sortie :"}, {16, u"Périphérique d'entrée :"},
    {17, u"Périphérique audio par défaut de Windows :"}, {18, u"Configuration"},
    {19, u"Langue"}, {20, u"Quitter"}, {45, u"Périphérique audio par défaut de Windows"},
};

// German software says "Setup" too, and "Name" is the same word.
constexpr Translation German[] = {
    {2, u"Klingelton"}, {7, u"Speichern"},
    {8, u"Klingelton"}, {9, u"Standard"}, {10, u"USB-Telefon"},
    {11, u"Lautsprecherlautstärke:"}, {12, u"Mikrofonlautstärke:"}, {13, u"Klingellautstärke:"},
    {14, u"Skype-Audiogerät"}, {15, u"Ausgabegerät:"}, {16, u"Eingabegerät:"},
    {17, u"Windows-Standardaudiogerät:"}, {19, u"Sprache"},
    {20, u"Beenden"}, {45, u"Windows-Standardaudiogerät"},
};

constexpr Translation Greek[] = {
    {2, u"Ήχος κλήσης"}, {3, u"Ρυθμίσεις"}, {5, u"Όνομα"}, {7, u"Αποθήκευση"},
    {8, u"Ήχος κλήσης"}, {9, u"Προεπιλογή"}, {10, u"Τηλέφωνο USB"},
    {11, u"Ένταση ηχείου:"}, {12, u"Ένταση μικροφώνου:"}, {13, u"Ένταση κουδουνίσματος:"},
    {14, u"Συσκευή ήχου Skype"}, {15, u"Συσκευή εξόδου:"}, {16, u"Συσκευή εισόδου:"},
    {17, u"Προεπιλεγμένη συσκευή ήχου των Windows:"}, {18, u"Ρυθμίσεις"}, {19, u"Γλώσσα"},
    {20, u"Έξοδος"}, {45, u"Προεπιλεγμένη συσκευή ήχου των Windows"},
};

constexpr Translation Hebrew[] = {
    {2, u"צלצול"}, {3, u"הגדרות"}, {5, u"שם"}, {7, u"שמור"},
    {8, u"צלצול"}, {9, u"ברירת מחדל"}, {10, u"טלפון USB"},
    {11, u"עוצמת רמקול:"}, {12, u"עוצמת מיקרופון:"}, {13, u"עוצמת צלצול:"},
    {14, u"התקן שמע של Skype"}, {15, u"התקן פלט:"}, {16, u"התקן קלט:"},
    {17, u"התקן השמע המוגדר כברירת מחדל ב-Windows:"}, {18, u"הגדרות"}, {19, u"שפה"},
    {20, u"יציאה"}, {45, u"התקן השמע המוגדר כברירת מחדל ב-Windows"},
};

constexpr Translation Hungarian[] = {
    {2, u"Csengőhang"}, {3, u"Beállítás"}, {5, u"Név"}, {7, u"Mentés"},
    {8, u"Csengőhang"}, {9, u"Alapértelmezett"}, {10, u"USB-telefon"},
    {11, u"Hangszóró hangereje:"}, {12, u"Mikrofon hangereje:"}, {13, u"Csengetés hangereje:"},
    {14, u"Skype hangeszköz"}, {15, u"Kimeneti eszköz:"}, {16, u"Bemeneti eszköz:"},
    {17, u"A Windows alapértelmezett hangeszköze:"}, {18, u"Beállítás"}, {19, u"Nyelv"},
    {20, u"Kilépés"}, {45, u"A Windows alapértelmezett hangeszköze"},
};

constexpr Translation Italian[] = {
    {2, u"Suoneria"}, {3, u"Impostazioni"}, {5, u"Nome"}, {7, u"Salva"},
    {8, u"Suoneria"}, {9, u"Predefinita"}, {10, u"Telefono USB"},
    {11, u"Volume altoparlante:"}, {12, u"Volume microfono:"}, {13, u"Volume suoneria:"},
    {14, u"Dispositivo audio Skype"}, {15, u"Dispositivo di uscita:"},
    {16, u"Dispositivo di ingresso:"}, {17, u"Dispositivo audio predefinito di Windows:"},
    {18, u"Impostazioni"}, {19, u"Lingua"}, {20, u"Esci"},
    {45, u"Dispositivo audio predefinito di Windows"},
};

constexpr Translation Norwegian[] = {
    {2, u"Ringetone"}, {3, u"Oppsett"}, {5, u"Navn"}, {7, u"Lagre"},
    {8, u"Ringetone"}, {9, u"Standard"}, {10, u"USB-telefon"},
    {11, u"Høyttalervolum:"}, {12, u"Mikrofonvolum:"}, {13, u"Ringevolum:"},
    {14, u"Skype-lydenhet"}, {15, u"Avspillingsenhet:"}, {16, u"Opptaksenhet:"},
    {17, u"Standard lydenhet i Windows:"}, {18, u"Oppsett"}, {19, u"Språk"},
    {20, u"Avslutt"}, {45, u"Standard lydenhet i Windows"},
};

constexpr Translation Polish[] = {
    {2, u"Dzwonek"}, {3, u"Ustawienia"}, {5, u"Nazwa"}, {7, u"Zapisz"},
    {8, u"Dzwonek"}, {9, u"Domyślny"}, {10, u"Telefon USB"},
    {11, u"Głośność głośnika:"}, {12, u"Głośność mikrofonu:"}, {13, u"Głośność dzwonka:"},
    {14, u"Urządzenie audio Skype"}, {15, u"Urządzenie wyjściowe:"},
    {16, u"Urządzenie wejściowe:"}, {17, u"Domyślne urządzenie dźwiękowe systemu Windows:"},
    {18, u"Ustawienia"}, {19, u"Język"}, {20, u"Zakończ"},
    {45, u"Domyślne urządzenie dźwiękowe systemu Windows"},
};

constexpr Translation Portuguese[] = {
    {2, u"Toque"}, {3, u"Configuração"}, {5, u"Nome"}, {7, u"Guardar"},
    {8, u"Toque"}, {9, u"Predefinido"}, {10, u"Telefone USB"},
    {11, u"Volume do altifalante:"}, {12, u"Volume do microfone:"}, {13, u"Volume do toque:"},
    {14, u"Dispositivo de áudio do Skype"}, {15, u"Dispositivo de saída:"},
    {16, u"Dispositivo de entrada:"}, {17, u"Dispositivo de som predefinido do Windows:"},
    {18, u"Configuração"}, {19, u"Idioma"}, {20, u"Sair"},
    {45, u"Dispositivo de som predefinido do Windows"},
};

constexpr Translation Brazilian[] = {
    {2, u"Toque"}, {3, u"Configuração"}, {5, u"Nome"}, {7, u"Salvar"},
    {8, u"Toque"}, {9, u"Padrão"}, {10, u"Telefone USB"},
    {11, u"Volume do alto-falante:"}, {12, u"Volume do microfone:"}, {13, u"Volume do toque:"},
    {14, u"Dispositivo de áudio do Skype"}, {15, u"Dispositivo de saída:"},
    {16, u"Dispositivo de entrada:"}, {17, u"Dispositivo de som padrão do Windows:"},
    {18, u"Configuração"}, {19, u"Idioma"}, {20, u"Sair"},
    {45, u"Dispositivo de som padrão do Windows"},
};

constexpr Translation Russian[] = {
    {2, u"Мелодия звонка"}, {3, u"Настройка"}, {5, u"Название"}, {7, u"Сохранить"},
    {8, u"Мелодия звонка"}, {9, u"По умолчанию"}, {10, u"USB-телефон"},
    {11, u"Громкость динамика:"}, {12, u"Громкость микрофона:"}, {13, u"Громкость звонка:"},
    {14, u"Звуковое устройство Skype"}, {15, u"Устройство вывода:"},
    {16, u"Устройство ввода:"}, {17, u"Звуковое устройство Windows по умолчанию:"},
    {18, u"Настройка"}, {19, u"Язык"}, {20, u"Выход"},
    {45, u"Звуковое устройство Windows по умолчанию"},
};

constexpr Translation Spanish[] = {
    {2, u"Tono de llamada"}, {3, u"Configuración"}, {5, u"Nombre"}, {7, u"Guardar"},
    {8, u"Tono de llamada"}, {9, u"Predeterminado"}, {10, u"Teléfono USB"},
    {11, u"Volumen del altavoz:"}, {12, u"Volumen del micrófono:"}, {13, u"Volumen del timbre:"},
    {14, u"Dispositivo de audio de Skype"}, {15, u"Dispositivo de salida:"},
    {16, u"Dispositivo de entrada:"}, {17, u"Dispositivo de sonido predeterminado de Windows:"},
    {18, u"Configuración"}, {19, u"Idioma"}, {20, u"Salir"},
    {45, u"Dispositivo de sonido predeterminado de Windows"},
};

constexpr Translation Swedish[] = {
    {2, u"Ringsignal"}, {3, u"Inställningar"}, {5, u"Namn"}, {7, u"Spara"},
    {8, u"&Ringsignal"}, {9, u"Standard"}, {10, u"USB-telefon"},
    {11, u"Högtalarvolym:"}, {12, u"Mikrofonvolym:"}, {13, u"Ringvolym:"},
    {14, u"Skype-ljudenhet"}, {15, u"Uppspelningsenhet:"}, {16, u"Inspelningsenhet:"},
    {17, u"Standardljudenhet i Windows:"}, {18, u"Inställningar"}, {19, u"Språk"},
    {20, u"Avsluta"}, {45, u"Standardljudenhet i Windows"},
};

constexpr Translation Turkish[] = {
    {2, u"Zil sesi"}, {3, u"Ayarlar"}, {5, u"Ad"}, {7, u"Kaydet"},
    {8, u"Zil sesi"}, {9, u"Varsayılan"}, {10, u"USB Telefon"},
    {11, u"Hoparlör ses düzeyi:"}, {12, u"Mikrofon ses düzeyi:"}, {13, u"Zil ses düzeyi:"},
    {14, u"Skype ses aygıtı"}, {15, u"Çıkış aygıtı:"}, {16, u"Giriş aygıtı:"},
    {17, u"Windows varsayılan ses aygıtı:"}, {18, u"Ayarlar"}, {19, u"Dil"},
    {20, u"Çıkış"}, {45, u"Windows varsayılan ses aygıtı"},
};

// A text that does not fit its cell or an entry listed twice stops the build:
// a throw cannot be evaluated at compile time.
constexpr void PutText(LanguageRecord& record, unsigned entry, std::u16string_view text) {
    if (entry >= static_cast<unsigned>(LanguageEntryCount)) throw "entry out of range";
    if (text.size() >= static_cast<std::size_t>(LanguageCellUnits)) throw "text too long for a cell";
    if (text.find(u'\0') != std::u16string_view::npos) throw "NUL inside a text";
    for (std::size_t i = 0; i < static_cast<std::size_t>(LanguageCellUnits); ++i)
        record.Cells[entry][i] = i < text.size() ? text[i] : u'\0';
}

constexpr LanguageRecord MakeRecord(std::uint16_t langId, std::uint8_t charset,
                                    std::uint32_t codePage,
                                    std::span<const Translation> translations = {}) {
    LanguageRecord record{};
    record.LangId = langId;
    record.Charset = charset;
    record.Reserved = 0;
    record.CodePage = codePage;
    for (unsigned e = 0; e < static_cast<unsigned>(LanguageEntryCount); ++e)
        PutText(record, e, EnglishTexts[e]);
    bool translated[LanguageEntryCount] = {};
    for (const Translation& t : translations) {
        if (t.Entry < static_cast<unsigned>(LanguageEntryCount) && translated[t.Entry])
            throw "entry translated twice";
        PutText(record, t.Entry, t.Text);
        translated[t.Entry] = true;
    }
    return record;
}

}  // namespace

constinit const LanguageRecord LanguageTableRecords[LanguageRecordCount] = {
    MakeRecord(0x0409, 0, 0),                            // 0 English
    MakeRecord(0x0404, 136, 950, ChineseTraditional),    // 1
    MakeRecord(0x0804, 134, 936, ChineseSimplified),     // 2
    MakeRecord(0x0411, 128, 932, Japanese),              // 3
    MakeRecord(0x0412, 129, 949, Korean),                // 4
    MakeRecord(0x0401, 0, 1256, Arabic),                 // 5
    MakeRecord(0x0405, 0, 1250, Czech),                  // 6
    MakeRecord(0x0406, 0, 1252, Danish),                 // 7
    MakeRecord(0x0413, 0, 1252, Dutch),                  // 8
    MakeRecord(0x040B, 0, 1252, Finnish),                // 9
    MakeRecord(0x040C, 0, 1252, French),                 // 10
    MakeRecord(0x0407, 0, 1252, German),                 // 11
    MakeRecord(0x0408, 0, 737, Greek),                   // 12
    MakeRecord(0x040D, 0, 862, Hebrew),                  // 13
    MakeRecord(0x040E, 0, 1250, Hungarian),              // 14
    MakeRecord(0x0410, 0, 1252, Italian),                // 15
    MakeRecord(0x0414, 0, 1252, Norwegian),              // 16
    MakeRecord(0x0415, 0, 1250, Polish),                 // 17
    MakeRecord(0x0816, 0, 1252, Portuguese),             // 18
    MakeRecord(0x0416, 0, 1252, Brazilian),              // 19
    MakeRecord(0x0419, 0, 1251, Russian),                // 20
    MakeRecord(0x0C0A, 0, 1252, Spanish),                // 21
    MakeRecord(0x041D, 0, 0, Swedish),                   // 22
    MakeRecord(0x041F, 0, 1254, Turkish),                // 23
};

}  // namespace dorvane::langtable_detail
