// The host file dialogs, set up with their titles, type lists, starting folders and the
// default extension: opening an image, saving one, keeping TrackStar tracks, choosing files to
// import, and naming the host file of an export or of a picture.
#pragma once

#include <QFileDialog>
#include <memory>
#include <string>

namespace lk {

enum class FileDialogKind { OpenImage, SaveImage, NibbleCopy, Import, Export, Graphic };

// The dialog, ready to show.
std::unique_ptr<QFileDialog> makeFileDialog(FileDialogKind kind, const std::string& folder,
                                            QWidget* owner);

} // namespace lk
