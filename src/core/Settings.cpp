#include "core/Settings.h"

#include <QDir>

#include "core/PasswordScrambler.h"
#include "core/ProfileFile.h"

namespace arkwell::core {

namespace {

const QString kMail = QStringLiteral("Mail");
const QString kService = QStringLiteral("Service");

QString recipientKey(int line) {
  return line == 0 ? QStringLiteral("To") : QStringLiteral("To_%1").arg(line);
}

QString serverSection(int slot) {
  return QStringLiteral("FTP-%1").arg(slot + 1);
}

void readServer(const ProfileFile& ini, int slot, FtpServerSettings& server) {
  const QString section = serverSection(slot);
  auto text = [&](const char* key) {
    return ini.readString(section, QLatin1String(key)).left(FtpServerSettings::kMaxTextLength);
  };
  server.name = text("Naam");
  server.host = text("Host");
  server.baseDir = text("BaseDir");
  server.passive = ini.readBool(section, QStringLiteral("Passive"), false);
  server.canBeUsed = ini.readBool(section, QStringLiteral("CanBeUsed"), false);
  server.password =
      UnscramblePassword(ini.readString(section, QStringLiteral("Password"))).left(FtpServerSettings::kMaxTextLength);
  server.port = text("Port");
  server.userId = text("UserID");
}

void writeServer(ProfileFile& ini, int slot, const FtpServerSettings& server) {
  const QString section = serverSection(slot);
  ini.writeString(section, QStringLiteral("Naam"), server.name);
  ini.writeString(section, QStringLiteral("Host"), server.host);
  ini.writeString(section, QStringLiteral("BaseDir"), server.baseDir);
  ini.writeBool(section, QStringLiteral("Passive"), server.passive);
  ini.writeBool(section, QStringLiteral("CanBeUsed"), server.canBeUsed);
  ini.writeString(section, QStringLiteral("Password"), ScramblePassword(server.password));
  ini.writeString(section, QStringLiteral("Port"), server.port);
  ini.writeString(section, QStringLiteral("UserID"), server.userId);
}

}  // namespace

void writeRecipients(ProfileFile& ini, const QString& section, const QStringList& recipients) {
  for (int line = 0; line < std::max<qsizetype>(1, recipients.size()); ++line) {
    ini.writeString(section, recipientKey(line), recipients.value(line));
  }
}

bool loadSettings(const QString& path, Settings& s, const QString& reportsFolder) {
  const ProfileFile ini(path);
  if (!ini.existed()) return false;
  for (int slot = 0; slot < Settings::kFtpServerCount; ++slot) readServer(ini, slot, s.ftpServers[slot]);

  auto str = [&](const char* section, const char* key) {
    return ini.readString(QLatin1String(section), QLatin1String(key));
  };
  auto num = [&](const char* section, const char* key, int defaultValue) {
    return ini.readInteger(QLatin1String(section), QLatin1String(key), defaultValue);
  };
  auto flag = [&](const char* section, const char* key, bool defaultValue) {
    return ini.readBool(QLatin1String(section), QLatin1String(key), defaultValue);
  };
  auto secret = [&](const char* section, const char* key) { return UnscramblePassword(str(section, key)); };

  s.ftpMaxDays = num("FTP", "MaxTijd", 10);
  s.ftpMinKeep = num("FTP", "MinKeep", 10);
  s.detailsVisible = flag("General", "DetailsVisible", false);
  s.debugMode = flag("General", "Debugmode", false);
  s.systemAccount = flag("General", "System", true);
  s.serviceAccount = secret("General", "serviceaccount");
  s.servicePassword = secret("General", "servicepassword");
  s.internetAccess = num("internet", "toegang", 1);
  s.proxyServer = str("internet", "proxyserver");
  s.proxyUserId = str("internet", "UserID");
  s.proxyPassword = secret("internet", "Password");
  s.immediateTargetDir = str("Immediate", "TargetDir");
  s.immediateEvery = num("Immediate", "every", 5);
  s.immediateRemove = num("Immediate", "remove", 1440);
  s.reportsCreate = flag("Reports", "create", true);
  s.reportsFileDetails = flag("Reports", "filedetails", false);
  s.reportsSave = flag("Reports", "savereports", true);
  s.reportsSaveDir = str("Reports", "savedir");
  s.reportsRemoveDays = num("Reports", "removedays", 12);
  s.diskMaxDays = num("Backups", "MaxTijd", 8);
  s.diskMinKeep = num("Backups", "MinKeep", 6);
  s.shutdownDelay = num("Backups", "SDDelay", 60);
  s.defaultDir = str("Doel", "DefaultDir");
  s.runBefore = str("FullDiskBackup", "RunBefore");
  s.runAfter = str("FullDiskBackup", "RunAfter");
  s.mailSend = flag("Mail", "Verzenden", false);
  s.mailFrom = str("Mail", "From");
  s.mailSmtp = str("Mail", "SMTP");
  s.recipients.clear();
  for (int line = 0; line < Settings::kRecipientsRead; ++line) {
    const QString recipient = ini.readString(kMail, recipientKey(line)).trimmed();
    if (!recipient.isEmpty()) s.recipients << recipient;
  }
  s.mailSubject = str("Mail", "Subject");
  s.language = ini.readString(QStringLiteral("Gui"), QStringLiteral("Taal"), kDefaultLanguage);
  if (s.language.trimmed().isEmpty()) s.language = kDefaultLanguage;

  if (s.reportsSaveDir.trimmed().isEmpty() && !reportsFolder.isEmpty() && QDir().mkpath(reportsFolder)) {
    s.reportsSaveDir = reportsFolder;
  }
  return true;
}

void saveSettings(const QString& path, const Settings& s) {
  ProfileFile ini(path);
  ini.setOwnerOnly(true);
  for (int slot = 0; slot < Settings::kFtpServerCount; ++slot) writeServer(ini, slot, s.ftpServers[slot]);

  auto str = [&](const char* section, const char* key, const QString& value) {
    ini.writeString(QLatin1String(section), QLatin1String(key), value);
  };
  auto num = [&](const char* section, const char* key, int value) {
    ini.writeInteger(QLatin1String(section), QLatin1String(key), value);
  };
  auto flag = [&](const char* section, const char* key, bool value) {
    ini.writeBool(QLatin1String(section), QLatin1String(key), value);
  };

  num("FTP", "MaxTijd", s.ftpMaxDays);
  num("FTP", "MinKeep", s.ftpMinKeep);
  num("internet", "toegang", s.internetAccess);
  str("internet", "proxyserver", s.proxyServer);
  str("internet", "UserID", s.proxyUserId);
  str("internet", "Password", ScramblePassword(s.proxyPassword));
  str("Immediate", "TargetDir", s.immediateTargetDir);
  num("Immediate", "every", s.immediateEvery);
  num("Immediate", "remove", s.immediateRemove);
  flag("General", "DetailsVisible", s.detailsVisible);
  flag("General", "Debugmode", s.debugMode);
  flag("General", "System", s.systemAccount);
  str("General", "serviceaccount", ScramblePassword(s.serviceAccount));
  str("General", "servicepassword", ScramblePassword(s.servicePassword));
  str("Gui", "Taal", s.language);
  str("Doel", "DefaultDir", s.defaultDir.trimmed());
  str("FullDiskBackup", "RunBefore", s.runBefore.trimmed());
  str("FullDiskBackup", "RunAfter", s.runAfter.trimmed());
  num("Backups", "MaxTijd", s.diskMaxDays);
  num("Backups", "MinKeep", s.diskMinKeep);
  num("Backups", "SDDelay", s.shutdownDelay);

  // Erased first, so recipients removed since the last save do not come back.
  ini.eraseSection(kMail);
  flag("Mail", "Verzenden", s.mailSend);
  str("Mail", "SMTP", s.mailSmtp);
  str("Mail", "From", s.mailFrom);
  writeRecipients(ini, kMail, s.recipients);
  str("Mail", "Subject", s.mailSubject);

  flag("Reports", "create", s.reportsCreate);
  flag("Reports", "filedetails", s.reportsFileDetails);
  flag("Reports", "savereports", s.reportsSave);
  str("Reports", "savedir", s.reportsSaveDir);
  num("Reports", "removedays", s.reportsRemoveDays);
  ini.flush();
}

bool readServiceInstallRequest(const QString& path, bool defaultValue) {
  return ProfileFile(path).readBool(kService, QStringLiteral("Install"), defaultValue);
}

void clearServiceInstallRequest(const QString& path) {
  ProfileFile ini(path);
  ini.setOwnerOnly(true);
  ini.writeBool(kService, QStringLiteral("install"), false);
  ini.flush();
}

}  // namespace arkwell::core
