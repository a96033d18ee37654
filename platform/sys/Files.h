#pragma once
// Files and folders. Names are String here and UTF-8 at the system's edge.
// Paths are joined with the platform separator by Join, never by literals.
#include <initializer_list>
#include <vector>

#include "platform/sys/String.h"

constexpr Char PathDelim = u'/';

bool FileExists(const String& FileName);       // a file, not a folder
bool PathExists(const String& Name);           // anything under that name
bool DirectoryExists(const String& Dir);
// Creates Dir and any missing parents; true when the folder exists after.
bool ForceDirectories(const String& Dir);
bool CreateDir(const String& Dir);
bool DeleteFile(const String& FileName);
bool RemoveDir(const String& Dir);
bool RenameFile(const String& OldName, const String& NewName);
// Moves a damaged file aside under the first free name FileName + ".bad"
// (then ".1.bad", ...), so that writing a new one loses nothing. Answers
// that name, or "" when the file could not be moved.
String KeepAside(const String& FileName);

enum TFindKind { fkFiles, fkFolders };
// Names (without folder) in Dir matching Pattern ('*' and '?', letters
// without case), files only or folders only, sorted without case.
std::vector<String> FindFiles(const String& Dir, const String& Pattern, TFindKind Kind = fkFiles);
bool MatchesMask(StringView Name, StringView Mask);

String ExtractFileName(const String& FileName);
String ExtractFilePath(const String& FileName);  // with the trailing separator
String ExtractFileDir(const String& FileName);   // without it
String ExtractFileExt(const String& FileName);   // with the dot; "" when none
String ChangeFileExt(const String& FileName, const String& Extension);
String IncludeTrailingPathDelimiter(const String& S);
String ExcludeTrailingPathDelimiter(const String& S);

// Joins parts with one separator between them (empty parts are skipped).
String JoinPath(std::initializer_list<StringView> Parts);
template <class... T>
String Join(const T&... Parts) {
  return JoinPath({StringView(Parts)...});
}

// The folder of the running program (no trailing separator).
String ProgramDir();
// Tests put the program in a temporary folder; an empty value restores it.
void SetProgramDirForTests(const String& Dir);

String GetTempDir();

// Attributes: -1 when the name does not exist.
enum : int { faReadOnly = 0x01, faDirectory = 0x10, faArchive = 0x20 };
int FileGetAttr(const String& FileName);
bool FileIsReadOnly(const String& FileName);
bool FileSetReadOnly(const String& FileName, bool ReadOnly);
