#pragma once
// Every value of the settings file, as plain data that the window edits and
// the agent configuration is written from. Passwords are held in clear text
// and scrambled only in the file.
//
// Two sets of defaults: a default-constructed Settings holds the values of a
// first start (no settings file at all); a settings file that lacks a key
// gives that key's own default instead (see loadSettings).
#include <QString>
#include <QStringList>
#include <array>

namespace arkwell::core {

// The language of a first start and of an empty language setting.
inline const QString kDefaultLanguage = QStringLiteral("Nederlands");

struct FtpServerSettings {
  // Server strings are cut to this many characters when read.
  static constexpr int kMaxTextLength = 100;
  QString name;
  QString host;
  QString baseDir;
  bool passive = false;
  bool canBeUsed = false;
  QString password;
  QString port;  // stored as text
  QString userId;

  bool operator==(const FtpServerSettings&) const = default;
};

struct Settings {
  static constexpr int kFtpServerCount = 5;
  // Recipients beyond the first six are written but not read back.
  static constexpr int kRecipientsRead = 6;

  std::array<FtpServerSettings, kFtpServerCount> ftpServers;
  int ftpMaxDays = 14;  // "FTP" section
  int ftpMinKeep = 3;

  // "General". On a first start the window shows the details panel but this
  // stays false until the user toggles it.
  bool detailsVisible = false;
  bool debugMode = false;
  bool systemAccount = true;
  QString serviceAccount;
  QString servicePassword;

  int internetAccess = 1;  // 0 no internet, 1 direct / modem / LAN, 2 via proxy
  QString proxyServer;
  QString proxyUserId;
  QString proxyPassword;

  QString immediateTargetDir;
  int immediateEvery = 5;      // minutes
  int immediateRemove = 1440;  // minutes

  bool reportsCreate = false;
  bool reportsFileDetails = false;
  bool reportsSave = false;
  QString reportsSaveDir;
  int reportsRemoveDays = 14;

  int diskMaxDays = 14;  // "Backups" section
  int diskMinKeep = 3;
  int shutdownDelay = 5;  // seconds

  QString defaultDir;  // "Doel"
  QString runBefore;   // "FullDiskBackup"
  QString runAfter;

  bool mailSend = false;
  QString mailSmtp;
  QString mailFrom;
  QStringList recipients;  // one per line, the first is "To"
  QString mailSubject;

  QString language = kDefaultLanguage;  // "Gui" "Taal"

  bool operator==(const Settings&) const = default;
};

// Reads the settings file into `settings`. Returns false, leaving `settings`
// untouched, when there is no settings file. When the file exists but its
// report folder is blank, `reportsFolder` fills it if that folder exists or
// can be created.
bool loadSettings(const QString& path, Settings& settings, const QString& reportsFolder);
// Writes every section in its fixed order and flushes the file. Throws
// CoreError "Unable to write to <file>" on failure.
void saveSettings(const QString& path, const Settings& settings);

class ProfileFile;
// Writes the recipient lines as "To", "To_1", "To_2", ... into `section`
// ("To" even when there is none).
void writeRecipients(ProfileFile& ini, const QString& section, const QStringList& recipients);

// The request to install the agent at the next start ("Service" "Install"),
// read and written on its own, outside the full save.
bool readServiceInstallRequest(const QString& path, bool defaultValue);
void clearServiceInstallRequest(const QString& path);

}  // namespace arkwell::core
