#pragma once

// Where Windows, its setup programs and a few applications leave junk.
// Constant and compiled in; the standard scan visits the tables in the order
// they stand here, and the rows of each table in their order.

struct SubfolderPattern {
    const char* subfolder;
    const char* pattern;
};

// Searched in "C:\" and again in the root of the drive that holds Windows.
inline constexpr const char* RootPatterns[] = {"*.bak", "*.log", "*.tmp"};

// Searched in the Windows folder itself.
inline constexpr const char* WindowsPatterns[] = {
    "WELCOME.EXE", "WUPDMGR.EXE", "*.bak", "*.bmp",   "*.log",
    "*.old",       "*.tmp",       "*.txt", "winfile.*", "progman.*",
};

// Subfolders of the Windows folder, one search per row.
inline constexpr SubfolderPattern WindowsSubfolderPatterns[] = {
    {"Inf", "*.bak"},
    {"Minidump", "*.dmp"},
    {"Security", "*.chk"},
    {"Security", "*.log"},
    {"Sysbckup", "*.cpl"},
    {"Sysbckup", "*.dll"},
    {"Sysbckup", "*.drv"},
    {"Sysbckup", "*.sys"},
    {"Sysbckup", "*.vxd"},
    {"Command", "*.cpi"},
    {"Command", "coun*.*"},
    {"Command", "drv*.*"},
    {"Command", "keyb*.*"},
    {"System32", "*.bak"},
    {"System32", "*.tmp"},
    {"System32\\Catroot2", "*.log"},
    {"System32\\Msdtc", "*.log"},
    {"System32\\Msdtc\\Trace", "*.log"},
    {"System32\\Ntmsdata", "*.bak"},
    {"System32", "welcome.*"},
    {"System32\\Config", "*.bak"},
    {"Pchealth\\Helpctr", "*.*"},
    {"Pchealth\\UploadLB", "*.*"},
    {"tracing\\wzcmon", "*.*"},
};

// Subfolders of the system drive's root, each searched with one pattern.
inline constexpr const char* SystemDriveSubfolderPattern = "*.bak";
inline constexpr const char* SystemDriveSubfolders[] = {
    "Documents and Settings\\Default User\\Application Data\\Microsoft\\Internet Explorer",
    "Documents and Settings\\Local Settings\\Application Data\\Microsoft\\Internet Explorer",
    "Documents and Settings\\NetworkService\\Application Data\\Microsoft\\Internet Explorer",
    "Documents and Settings\\Local Settings\\Local Settings\\Application Data\\Microsoft\\Windows",
    "Documents and Settings\\NetworkService\\Local Settings\\Application Data\\Microsoft\\Windows",
};

// Under the user's application-data folder, while "APPDATA" is set.
inline constexpr SubfolderPattern AppDataSubfolderPattern = {"Microsoft\\Internet Explorer", "*.bak"};

// Searched in "C:\" itself, whichever drive holds Windows.
inline constexpr const char* RootFileNames[] = {
    "arcldr.exe",   "arcsetup.exe", "classes.1st", "detlog.txt",   "frunlog.txt",  "netlog.txt",
    "setuplog.old", "setuplog.txt", "suhdlog.dat", "system.1st",   "videorom.bin",
};

// Whole folders under the Windows folder. "Printhood\" keeps its backslash,
// so its line ends in a backslash and the three dots. Four folders that
// Windows needs are not here: System32\wbem (the management
// instrumentation), Apppatch (the compatibility database), Csc (Offline
// Files, with changes not yet synchronised) and Driver Cache (the sources
// drivers are installed from).
inline constexpr const char* WindowsFolderEntries[] = {
    "Applog",
    "msapps",
    "Options",
    "Repair",
    "ServicePackFiles",
    "System32\\cache",
    "System32\\dtclog",
    "System32\\logfiles",
    "Prefetch",
    "Security\\Logs",
    "Nethood",
    "Pchealth\\Helpctr\\Config\\Cache",
    "Printhood\\",
    "Application Data\\Microsoft\\Office\\Recent",
    "Application Data\\Microsoft\\Web service\\Cache",
    "Application Data\\Microsoft\\Welcome",
    "Amcdl",
    "Connection Wizard",
    "Debug",
    "System\\Wbem\\Logs",
};

// Whole folders under "ALLUSERSPROFILE", while it is set.
inline constexpr const char* AllUsersFolderEntries[] = {
    "Documents and Settings\\Dr Watson",
    "Application Data\\Microsoft\\Dr Watson",
};

// A whole folder under the application-data folder, while "APPDATA" is set.
inline constexpr const char* AppDataFolderEntry = "Microsoft\\Office\\Recent";

// Per fixed drive: a pattern in its root, subfolders with one pattern, whole folders.
inline constexpr const char* FixedDriveRootPattern = "*.chk";
inline constexpr const char* FixedDriveSubfolderPattern = "*.tmp";
inline constexpr const char* FixedDriveSubfolders[] = {
    "Program Files\\Microsoft\\Office\\Shortcut bar",
    "Program Files\\Microsoft\\Office10\\Shortcut bar",
};
inline constexpr const char* FixedDriveFolderEntries[] = {
    "Documents and Settings\\Default User\\Local Settings\\Tempor~1",
    "Found.000",
    "Program Files\\Directx",
    "Program Files\\Microsoft\\Office\\Recent",
    "Program Files\\Icq\\AteBrowser",
};
