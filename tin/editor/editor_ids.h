#pragma once
// Ids of the TIN editor's dialogs and their controls
// (resources/dialogs/tin_editor.dlg; 107 is in templates.dlg).

namespace tarnex::tin {

// The file-name dialog.
constexpr int kFileNameDialog = 104;
constexpr int kFileRoot = 1002;
constexpr int kBrowse = 1270;
constexpr int kBeginEditing = 1271;

// The editor dialog.
constexpr int kEditorDialog = 108;
constexpr int kRecordTypeDescription = 1259;
constexpr int kCreate = 1026;
constexpr int kFileView = 1011;
constexpr int kColumnScroll = 1173;
constexpr int kMoveUp = 1012;
constexpr int kMoveDown = 1013;
constexpr int kEdit = 1014;
constexpr int kDelete = 1015;
constexpr int kHelp = 1187;
constexpr int kBuild = 1018;
constexpr int kEditedFileName = 1185;
constexpr int kCurrentRecordType = 1186;

// Error reports of Begin Editing.
constexpr int kFileNotFoundDialog = 105;
constexpr int kFileNotFoundName = 1007;
constexpr int kLoadErrorDialog = 106;
constexpr int kLoadErrorText = 1188;
constexpr int kInvalidFileNameDialog = 107;

}  // namespace tarnex::tin
