#pragma once

#include <QLatin1StringView>

// A message of the program, by the key its language files name it with (SplashForm.<key>.Caption).
// Only the constants below exist, so a message shown by key is always one the catalog holds.
struct MessageKey {
    const char* name;

    QLatin1StringView text() const { return QLatin1StringView(name); }
    friend bool operator==(MessageKey a, MessageKey b) { return a.text() == b.text(); }
};

namespace Msg {

inline constexpr MessageKey MainPageHint{"TabSheet1"};
inline constexpr MessageKey ClientPageHint{"TabSheet2"};
inline constexpr MessageKey ServerPageHint{"TabSheet3"};
inline constexpr MessageKey BinderPageHint{"TabSheet4"};
inline constexpr MessageKey HudPageHint{"TabSheet5"};
inline constexpr MessageKey ErrorTitle{"Error"};
inline constexpr MessageKey InformationTitle{"Information"};
inline constexpr MessageKey BackupFailed{"Backupfailed"};
inline constexpr MessageKey BackedUp{"Backuped"};
inline constexpr MessageKey Restored{"Restored"};
inline constexpr MessageKey RestoreFailed{"RestoreFailed"};
inline constexpr MessageKey ConfigNotFound{"cfgnotfound"};
inline constexpr MessageKey SpritesPoor{"poor"};
inline constexpr MessageKey SpritesNormal{"normal"};
inline constexpr MessageKey SpritesBest{"best"};
inline constexpr MessageKey KeyIsBoundTo{"thiskeyis"};
inline constexpr MessageKey ClearBindQuestion{"doyouwant"};
inline constexpr MessageKey NoPrimaryForAmmo{"noprimary"};
inline constexpr MessageKey NoSecondaryForAmmo{"nosecondary"};
inline constexpr MessageKey NoWeaponsForAmmo{"noboth"};
inline constexpr MessageKey EnterRadioMessage{"EnterIt"};
inline constexpr MessageKey RemoveAliasesQuestion{"aliases"};
inline constexpr MessageKey ConfigCreated{"ConfigCreate"};
inline constexpr MessageKey WrongExtension{"wrongext"};
inline constexpr MessageKey HudInstalled{"hud_default"};
inline constexpr MessageKey NotConnected{"notconnected"};
inline constexpr MessageKey Connecting{"Connecting"};
inline constexpr MessageKey Disconnected{"Disconnected"};
inline constexpr MessageKey NoNewVersion{"Nonewver"};
inline constexpr MessageKey DownloadingPatch{"Downloadingpatch"};
inline constexpr MessageKey NewsLoading{"Loading"};
inline constexpr MessageKey NewsLoaded{"Loaded"};
inline constexpr MessageKey NotInteger{"notinteger"};
inline constexpr MessageKey NotWritable{"notwritable"};
inline constexpr MessageKey InFile{"infile"};
inline constexpr MessageKey InFileTip{"infiletip"};
inline constexpr MessageKey BadValues{"badvalues"};
inline constexpr MessageKey NothingToApply{"nothingtoapply"};
inline constexpr MessageKey LaterMark{"latermark"};
inline constexpr MessageKey LaterTip{"latertip"};
inline constexpr MessageKey LaterQuestion{"laterquestion"};
inline constexpr MessageKey LaterWriteThere{"laterthere"};
inline constexpr MessageKey LaterWriteHere{"laterhere"};
inline constexpr MessageKey LaterCancel{"latercancel"};
inline constexpr MessageKey Broadband{"broadband"};
inline constexpr MessageKey FastBroadband{"fastbroadband"};
inline constexpr MessageKey Unlimited{"unlimited"};
inline constexpr MessageKey NoConfigFile{"nocfgfile"};
inline constexpr MessageKey DeleteConfigQuestion{"deletecfg"};
inline constexpr MessageKey NoEditor{"noeditor"};
inline constexpr MessageKey ChatCharacters{"chatchars"};
inline constexpr MessageKey BindTooLong{"toolong"};
inline constexpr MessageKey NothingToBind{"nothingtobind"};
inline constexpr MessageKey KeysNotPictured{"keysnotpictured"};
inline constexpr MessageKey KeysUnknown{"keysunknown"};
inline constexpr MessageKey AliasFiles{"aliasfiles"};
inline constexpr MessageKey NotBareName{"notbarename"};
inline constexpr MessageKey ReplaceConfigQuestion{"replacecfg"};
inline constexpr MessageKey WizardSpeedBad{"wizspeed0"};
inline constexpr MessageKey WizardSpeedPoor{"wizspeed1"};
inline constexpr MessageKey WizardSpeedNormal{"wizspeed2"};
inline constexpr MessageKey WizardSpeedGood{"wizspeed3"};
inline constexpr MessageKey WizardSpeedBest{"wizspeed4"};
inline constexpr MessageKey WizardButtonsThree{"wizbuttons3"};
inline constexpr MessageKey WizardButtonsMore{"wizbuttonsmore"};
inline constexpr MessageKey HudOriginalKept{"hudorig"};
inline constexpr MessageKey TrayReady{"trayready"};
inline constexpr MessageKey TrayDownloading{"traydownloading"};
inline constexpr MessageKey InsecureSite{"insecuresite"};
inline constexpr MessageKey BadStatus{"badstatus"};
inline constexpr MessageKey ShortPatch{"shortpatch"};
inline constexpr MessageKey TimedOut{"timedout"};
inline constexpr MessageKey DownloadFailed{"downloadfailed"};
inline constexpr MessageKey CannotSavePatch{"cannotsave"};
inline constexpr MessageKey UpdateAborted{"updateaborted"};
inline constexpr MessageKey PatchSaved{"patchsaved"};
inline constexpr MessageKey PatchNotStarted{"patchnotstarted"};
inline constexpr MessageKey PatchUnsigned{"unsignedpatch"};
inline constexpr MessageKey SignatureMissing{"sigmissing"};
inline constexpr MessageKey SignatureRedirected{"sigredirected"};
inline constexpr MessageKey SignatureTooLarge{"sigtoolarge"};
inline constexpr MessageKey SignatureLength{"siglength"};
inline constexpr MessageKey SignatureWrong{"sigwrong"};
inline constexpr MessageKey SignatureNotFetched{"signotfetched"};
inline constexpr MessageKey NewsFailed{"newsfailed"};
inline constexpr MessageKey NewsStatus{"newsstatus"};
inline constexpr MessageKey NewsTooLarge{"newstoolarge"};
inline constexpr MessageKey NewsTimeout{"newstimeout"};
inline constexpr MessageKey NewsSite{"newssite"};
inline constexpr MessageKey ChangedOutside{"changedoutside"};
inline constexpr MessageKey NothingToUndo{"nothingtoundo"};
inline constexpr MessageKey Undone{"undone"};
inline constexpr MessageKey NotInChain{"notinchain"};
inline constexpr MessageKey CannotRead{"cannotread"};
inline constexpr MessageKey CannotWrite{"cannotwrite"};
inline constexpr MessageKey CannotDelete{"cannotdelete"};
inline constexpr MessageKey FileTooLarge{"filetoolarge"};
inline constexpr MessageKey FileReadOnly{"filereadonly"};
inline constexpr MessageKey FolderMissing{"foldermissing"};
inline constexpr MessageKey FolderReadOnly{"folderreadonly"};
inline constexpr MessageKey FolderReadOnlySave{"folderreadonlysave"};
inline constexpr MessageKey ReviewTitle{"reviewtitle"};
inline constexpr MessageKey ReviewIntro{"reviewintro"};
inline constexpr MessageKey ReviewWrite{"reviewwrite"};
inline constexpr MessageKey ReviewCancel{"reviewcancel"};
inline constexpr MessageKey ReviewDontAsk{"reviewdontask"};
inline constexpr MessageKey NoLineEnd{"nolineend"};
inline constexpr MessageKey HistoryTitle{"historytitle"};
inline constexpr MessageKey HistoryEmpty{"historyempty"};
inline constexpr MessageKey HistoryCompareWith{"historycompare"};
inline constexpr MessageKey HistoryCurrentFile{"historycurrent"};
inline constexpr MessageKey HistoryChangedOutside{"historyoutside"};
inline constexpr MessageKey HistoryRestore{"historyrestore"};
inline constexpr MessageKey HistoryClose{"historyclose"};
inline constexpr MessageKey HistorySame{"historysame"};
inline constexpr MessageKey HistoryRestored{"historyrestored"};
inline constexpr MessageKey BoundInFile{"boundinfile"};
inline constexpr MessageKey BindNotKept{"bindnotkept"};
inline constexpr MessageKey BoundElsewhereQuestion{"boundelsewhere"};

} // namespace Msg
