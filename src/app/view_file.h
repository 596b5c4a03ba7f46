// The reading side of View Apple file: the selected file's bytes and the values the translator
// choice needs, whatever the volume.
#pragma once

#include "base/file_data.h"
#include "base/outcome.h"
#include "catalog/catalog_tree.h"
#include "image/disk_image.h"
#include "translate/translator_choice.h"

namespace lk {

// Reads the file of the node (the data fork, or the resource fork for View Resource fork) into
// `file` and describes it in `request`, whose data points into `file`. False when there is
// nothing to show: the file is empty or cannot be read (the outcome says why, where the volume
// says anything).
bool readForView(const DiskImage& image, const CatalogItem& node, Fork fork, FileDataBuffer& file,
                 ViewRequest& request, Outcome& outcome);

} // namespace lk
