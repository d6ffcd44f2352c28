#pragma once

#include <QIcon>
#include <QPixmap>

// The program's pictures, drawn in code so that they look the same on every desktop and need no
// image files.

// The toolbar pictures, numbered as the toolbar uses them.
enum class ToolbarPicture : int {
    NewFile,
    OpenFile,
    SaveFile,
    CloseFile,
    AddRecord,
    DeleteRecord,
    EditRecord,
    MergeFiles,
    FileStatistic,
    Search,
    Preview,
    Print,
    Exit,
};
inline constexpr int ToolbarPictureCount = 13;

// 32 x 32 for the toolbar, with a 16 x 16 version for smaller uses.
QIcon toolbarIcon(ToolbarPicture picture);

// The pop-up menu's picture for the column visibility command (16 x 16).
QIcon columnVisibilityIcon();

// The banner at the top of the About window.
QPixmap aboutBanner(int width, int height);
