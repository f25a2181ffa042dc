#pragma once
// Ids of the template builder's dialogs and their controls
// (resources/dialogs/templates.dlg).

namespace tarnex::templates {

// The name dialog.
constexpr int kNameDialog = 194;
constexpr int kNamePrompt = 1242;
constexpr int kNameRoot = 1241;
constexpr int kNameKind = 1240;
constexpr int kNameCreateFile = 1239;

// The template was written.
constexpr int kWrittenDialog = 195;
constexpr int kWrittenName = 1241;

// The file exists or cannot be created.
constexpr int kFileExistsDialog = 150;
constexpr int kFileExistsName = 1131;

// The root was left blank.
constexpr int kInvalidFilenameDialog = 107;

}  // namespace tarnex::templates
