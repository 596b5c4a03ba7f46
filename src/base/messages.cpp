#include "base/messages.h"

namespace lk {

namespace {

using enum MessageId;
constexpr MessageKind N = MessageKind::Notice;
constexpr MessageKind P = MessageKind::Problem;
constexpr MessageKind Q = MessageKind::Question;
constexpr MessageKind F = MessageKind::Fragment;
constexpr MessageIcon kWarn = MessageIcon::Warning;
constexpr MessageIcon kError = MessageIcon::Error;
constexpr MessageIcon kAsk = MessageIcon::Question;
constexpr MessageIcon kNone = MessageIcon::None;

constexpr MessageDef kCatalogue[] = {
    {CouldNotRead, P, kWarn, kAppCaption, "Could not read %s"},
    {TooLargeForImage, P, kWarn, kAppCaption,
     "%s is larger than any disk image Larkspoon can hold."},
    {NotTrue2Img, N, kWarn, kAppCaption, "The file is not a true 2IMG disk image!"},
    {UnableToResizeBuffer, N, kWarn, kAppCaption, "Unable to resize buffer to %i!"},
    {FileSizeMustBe143360, N, kWarn, kAppCaption, "Filesize = %u. It must be 143360."},
    {NotProdosOrDos33, N, kWarn, kAppCaption, "Not a ProDOS or DOS 3.3 disk!"},

    {VolumeDamaged, N, kWarn, kAppCaption, "The volume is damaged: %s.%s%s"},
    {OneMoreFault, F, kNone, {}, " One more fault was found."},
    {MoreFaults, F, kNone, {}, " %i more faults were found."},
    {ShowsPartOfCatalog, F, kNone, {}, "Larkspoon shows the part of the catalog it could read."},
    {PartsLeftAsZero, F, kNone, {},
     "The parts of the file that could not be read are left as zero bytes."},
    {BitMapCut, F, kNone, {}, "Only the blocks whose bits lie inside the image are shown."},
    {NoteFolderNesting, F, kNone, {}, "folders are nested more than %d levels deep"},
    {NoteDirectoryOutside, F, kNone, {},
     "a directory points to block %u, beyond the end of the image"},
    {NoteDirectoryLoop, F, kNone, {},
     "the directory chain at block %u leads back to a block already read"},
    {NoteEntryOutside, F, kNone, {}, "a catalog entry lies beyond the end of the image"},
    {NoteDataBlockOutside, F, kNone, {}, "a data block %u lies beyond the end of the image"},
    {NoteIndexBlockOutside, F, kNone, {}, "an index block %u lies beyond the end of the image"},
    {NoteMasterIndexOutside, F, kNone, {},
     "a master index block %u lies beyond the end of the image"},
    {NoteExtendedKeyOutside, F, kNone, {},
     "an extended file's key block %u lies beyond the end of the image"},
    {NoteBitMapCut, F, kNone, {}, "its bit map runs past the end of the image from block %u on"},
    {NoteCatalogLoop, F, kNone, {}, "the catalog leads back to track %u, sector %u, already read"},
    {NoteCatalogOutside, F, kNone, {},
     "the catalog continues at track %u, sector %u, beyond the end of the image"},
    {NoteDosSectorOutside, F, kNone, {},
     "%s names track %u, sector %u, beyond the end of the image"},
    {NoteDosListLoop, F, kNone, {},
     "the track/sector lists of %s lead back to track %u, sector %u, already read"},
    {NoteDosListOutside, F, kNone, {},
     "a track/sector list of %s lies at track %u, sector %u, beyond the end of the image"},

    {ExtendedFileAt, N, kWarn, kAppCaption, "Extended file at: %u ($%X)"},
    {DosNoBuffers, N, kWarn, kAppCaption, "DOS error #%i  No Buffers Available!"},
    {DosFileNotFound, N, kWarn, kAppCaption, "DOS error #%i  File not found!"},
    {DosDeletedFile, N, kWarn, kAppCaption, "DOS error #%i  Deleted File!"},
    {DosNotStandard, N, kWarn, kAppCaption, "DOS error #%i  Not a standard DOS 3.3 disk!"},
    {DosVtocError, N, kWarn, kAppCaption, "DOS error #%i  VTOC error!"},
    {DosIoError, N, kWarn, kAppCaption, "DOS I/O error #%i"},

    {NothingToExport, P, kWarn, kAppCaption, "There is nothing to export from %s."},
    {CouldNotWriteFile, P, kWarn, kAppCaption, "Could not write file %s"},

    {BlockOutOfRange, N, kWarn, kAppCaption,
     "Block# must be between zero & %i ($%0X) for this disk."},
    {TrackOutOfRange, N, kWarn, kAppCaption, "Track number must be between zero and 34!"},
    {SectorOutOfRange, N, kWarn, kAppCaption, "Sector number must be between zero and 15!"},
    {CatalogListingError, N, kWarn, kAppCaption, "error!"},

    {CantPasteBitmap, P, kWarn, kAppCaption, "Can't paste bitmap!"},
    {OutOfSpace, N, kError, kAppCaption, "Edit control out of space."},
    {TextNotFound, N, kWarn, kAppCaption, "Text not found!  Cursor reset to top of document."},

    {StartDocError, N, kError, kErrorCaption, "StartDoc Error!"},
    {StartPageError, N, kError, kErrorCaption, "StartPage Error!"},
    {DisplayBandError, N, kError, kErrorCaption, "Display Band Error!"},
    {EndPageError, N, kError, kErrorCaption, "EndPage Error!"},
    {EndDocError, N, kError, kErrorCaption, "EndDoc Error!"},

    {QuitQuestion, Q, kAsk, kAppCaption, "Are you sure you want to Quit?"},

    {NoSuchPath, N, kWarn, kAppCaption, "No file %s on this volume."},
    {CannotReadAsFile, N, kWarn, kAppCaption, "%s cannot be read as a file."},
    {CannotExport, N, kWarn, kAppCaption, "%s cannot be exported."},
    {NoResourceFork, N, kWarn, kAppCaption, "%s has no resource fork."},
    {NothingToShow, N, kWarn, kAppCaption, "%s has nothing to show."},
    {QuestionAnsweredNo, F, kNone, {}, "%s (answered No)"},

    {AppleWorksDbVersion, Q, kNone, kWarningCaption,
     "AppleWorks DB version %i is not supported! Try anyway?"},
    {UnableHiRes, N, kWarn, kAppCaption, "Unable to display HiRes Graphics image!"},
    {UnableDoubleHiRes, N, kWarn, kAppCaption, "Unable to display Double HiRes Graphics image!"},
    {UnableSuperHiRes, N, kWarn, kAppCaption, "Unable to display Super HiRes Graphics image!"},
    {PackedPictureError, N, kWarn, kAppCaption, "Error # %i."},
    {UnableIcon, N, kWarn, kAppCaption, "Unable to display icon file!"},
    {IconImagePastEnd, N, kWarn, kAppCaption, "bufpos >= fs"},
    {IconRecordPastEnd, N, kWarn, kAppCaption, "ios > fs-1"},
    {CouldNotCreateBitmap, N, kWarn, kAppCaption, "Could not create Bitmap!"},
    {NotAPicture, N, kWarn, kAppCaption, "%s is not a picture."},
    {ViewIsAPicture, N, kWarn, kAppCaption,
     "%s is a picture: write it to a file with larkspoon-cli picture."},
    {CannotReadNibbleImage, N, kWarn, kAppCaption, "Larkspoon cannot read this nibble image!"},
    {CannotReadTrackStarImage, N, kWarn, kAppCaption,
     "Larkspoon cannot read this Trackstar image!"},
    {NibbleNotStandard, Q, kNone, kAppCaption,
     "This .nib image is not standard DOS or ProDOS or possibly corrupt.\n"
     "Try to display it anyway?"},
    {NibbleSummary, N, kNone, kDebugCaption,
     "Number of address headers: %i\nNumber of data headers: %i\nNumber of data bytes "
     "written: %i\nNewsize: %i\nError# $%0X\nBad nibbles: %i"},
    {SaveAsChangesImageType, N, kWarn, kAppCaption,
     "SaveAs cannot be used to change the image type!"},
    {CouldNotSaveImage, N, kWarn, kAppCaption, "Could NOT save disk image!"},
    {NotRealFdi, N, kWarn, kAppCaption, "Not a real FDI!"},
    {FdiVersionNotSupported, N, kWarn, kAppCaption, "Larkspoon only supports FDI version 2.0"},
    {FdiTracksNotSupported, N, kWarn, kAppCaption,
     "Larkspoon only supports 35 track 5.25 in. FDI files!"},
    {NotWozImage, N, kWarn, kAppCaption, "The file is not a true WOZ disk image!"},
    {WozDamaged, N, kWarn, kAppCaption,
     "This WOZ image is damaged: its chunks or tracks run past the end of the file."},
    {WozNotFiveInch, N, kWarn, kAppCaption,
     "This WOZ image holds a 3.5\" disk. Larkspoon reads only 5.25\" disks."},
    {WozFluxTracks, N, kWarn, kAppCaption,
     "This WOZ image keeps its tracks as flux timings, which Larkspoon cannot read."},
    {WozNoSixAndTwo, N, kWarn, kAppCaption,
     "No 16-sector address fields were found: this WOZ image holds a 13-sector or unformatted "
     "disk, which Larkspoon cannot read."},
    {WozChecksumQuestion, Q, kNone, kAppCaption,
     "The checksum of this WOZ image does not match its contents: the file may be damaged.\n"
     "Try to display it anyway?"},
    {NoImageLoaded, N, kWarn, kAppCaption, "%s holds no disk image that Larkspoon reads."},

    {CreateNoPlaceImport, P, kWarn, kAppCaption, "You must select a place for the imported file!"},
    {CreateNoPlacePaste, P, kWarn, kAppCaption, "You must select a place for the file!"},
    {CreateNoPlaceFolder, P, kWarn, kAppCaption, "You must select a place for the folder!"},
    {CreateNoBitMapBuffer, P, kWarn, kAppCaption,
     "Error! Can't create buffer for the volume bit map."},
    {CreateTooLarge, P, kWarn, kAppCaption, "Error! The file is too large for ProDOS"},
    {CreateNoSpace, P, kWarn, kAppCaption, "Error! Not enough free image space available."},
    {CreateUnsupportedStorage, P, kWarn, kAppCaption, "Error! Unsupported storage type."},
    {CreateNonStandardEntry, P, kWarn, kAppCaption, "Error! Non-standard entry length."},
    {CreateRootFullFile, P, kWarn, kAppCaption,
     "Error! ProDOS does not allow more that 51 files in the root foler."},
    {CreateRootFullFolder, P, kWarn, kAppCaption,
     "Error! ProDOS does not allow more that 51 files in the root folder."},
    {CreateErrorNumber, P, kWarn, kAppCaption, "Error # %i "},
    {PlaceOpenImageFirst, P, kWarn, kAppCaption, "You must open a disk image first!"},
    {PlaceSelectNewFolder, P, kWarn, kAppCaption, "You must select a place for the new folder!"},
    {PlaceSelectPaste, P, kWarn, kAppCaption, "You must select a place to paste the file!"},
    {PlaceSelectFile, P, kWarn, kAppCaption, "You must select a file!"},
    {PlaceCouldNotGetPath, P, kWarn, kAppCaption, "Could not get path!"},
    {PlaceCantImport, P, kWarn, kAppCaption, "Can't import the file."},
    {PlaceCantCreateFolder, P, kWarn, kAppCaption, "Can't create the folder."},
    {PlaceCantPaste, P, kWarn, kAppCaption, "Can't paste the file."},
    {PlaceCantRename, P, kWarn, kAppCaption, "Can't rename the file."},
    {PathnameTooLong, P, kWarn, kAppCaption, "Pathname is too long: %i characters."},
    {PathLengthOver128, P, kWarn, kAppCaption,
     "Pathname length is: %i characters. ProDOS only allows 128."},
    {PathLengthOver64, Q, kAsk, kAppCaption,
     "Are you sure you want to create a path that is greater than 64 characters long!"},
    {NotEnoughSpaceImport, P, kWarn, kAppCaption,
     "Not enough space on the disk for the import file!"},
    {NotEnoughSpacePaste, P, kWarn, kAppCaption, "Not enough space to Paste!"},
    {NotEnoughSpaceFolder, P, kWarn, kAppCaption, "Not enough space for a new folder!"},
    {CouldNotCopyFile, P, kWarn, kAppCaption, "Could not copy file %s"},
    {DeleteFileQuestion, Q, kAsk, {}, "Are you sure you want to delete this file?"},
    {DeleteFolderQuestion, Q, kAsk, {},
     "Are you sure you want to remove\nthe directory and all its files?"},
    {DeleteAllQuestion, Q, kAsk, {}, "Do you want to remove all the files on the disk image?"},
    {UnsupportedStorageType, P, kWarn, kAppCaption,
     "Selected file has an unsupported storage type!"},
    {ErrorNumber, P, kWarn, kAppCaption, "Error # %i"},
    {DuplicateName, P, kWarn, kAppCaption, "Duplicate Name!"},
    {NameLength, P, kWarn, kAppCaption, "A ProDOS filename must have between 1 & 15 letters!"},
    {NameFirstLetter, P, kWarn, kAppCaption,
     "The first character of ProDOS filename must be a letter!"},
    {NameCharacters, P, kWarn, kAppCaption,
     "A ProDOS filename may only consist of letters, numbers and period!"},
    {TypeLength, P, kWarn, kAppCaption,
     "Type must be 3 characters long!\nHex numbers start with $"},
    {TypeUnknown, P, kWarn, kAppCaption, "Not a supported type name, use hex!"},
    {NoItemSelected, P, kWarn, kAppCaption, "No item selected!"},
    {NothingChanged, F, kNone, {}, "Nothing was changed."},
    {NotAllDeleted, F, kNone, {}, "Only the blocks Larkspoon could follow were freed."},
    {NoteWriteMapOutside, F, kNone, {}, "its bit map lies outside the image"},
    {NoteWriteVolumeBeyondImage, F, kNone, {},
     "the volume claims %u blocks but the image holds only %u"},
    {NoteWriteParentOutside, F, kNone, {},
     "the folder header at block %u names its entry in block %u, outside the volume"},
    {NoteWriteParentEntryZero, F, kNone, {},
     "the folder header at block %u names entry number %u of its parent"},
    {NoteWriteNoHeader, F, kNone, {}, "the directory at block %u has no header"},
    {NoteDeleteChainShort, F, kNone, {},
     "the chain of folder %s ends %u blocks short of its count"},
    {NoteDeleteChainLong, F, kNone, {}, "the chain of folder %s goes on past its %u blocks"},
    {NoteDeleteCountShort, F, kNone, {}, "%s claims %u more blocks than its index names"},
    {NoteDeleteBlockFree, F, kNone, {}, "block %u of %s was already free"},
    {NoteDeleteBlockOutside, F, kNone, {}, "%s names block %u, outside the volume"},
    {NoteDeleteForkType, F, kNone, {}, "a fork of %s has storage type %u"},
    {NoteDeleteHeaderPointer, F, kNone, {},
     "the entry of %s names block %u as its directory, not block %u"},
    {NoteDeleteChildKept, F, kNone, {}, "%s could not be deleted, so its folder stays"},
    {NoteDeleteCountZero, F, kNone, {}, "the file count of the directory at block %u was 0"},
    {CheckSound, N, kNone, kAppCaption, "The volume is sound."},
    {CheckSummary, N, kNone, kAppCaption, "%i errors, %i notes."},
    {CheckVolumeBeyondImage, N, kWarn, kAppCaption,
     "The volume claims %u blocks but the image holds only %u."},
    {CheckMapOutside, N, kWarn, kAppCaption, "The volume bit map runs past the end of the image."},
    {CheckBlockOutside, N, kWarn, kAppCaption, "%s names block %u, outside the volume."},
    {CheckBlockShared, N, kWarn, kAppCaption, "Block %u belongs to %s and to %s."},
    {CheckBlockMarkedFree, N, kWarn, kAppCaption, "Block %u of %s is marked free in the bit map."},
    {CheckChainLoop, N, kWarn, kAppCaption, "The directory chain of %s leads back to block %u."},
    {CheckChainBackLink, N, kWarn, kAppCaption,
     "Block %u of the directory %s points back to block %u instead of %u."},
    {CheckEntryFormat, N, kWarn, kAppCaption,
     "The directory %s has entries of %u bytes, %u a block."},
    {CheckFileCount, N, kWarn, kAppCaption, "The directory %s counts %u files but holds %u."},
    {CheckHeaderPointer, N, kWarn, kAppCaption,
     "The entry of %s names block %u as its directory, not block %u."},
    {CheckParentLink, N, kWarn, kAppCaption,
     "The folder header of %s names entry %u of block %u, not entry %u of block %u."},
    {CheckFolderSize, N, kWarn, kAppCaption,
     "The folder %s has %u blocks but its entry says %u blocks and %u bytes."},
    {CheckBlocksUsed, N, kWarn, kAppCaption, "%s uses %u blocks but its entry says %u."},
    {CheckForkBlocksUsed, N, kWarn, kAppCaption,
     "A fork of %s uses %u blocks but its key block says %u."},
    {CheckPastEof, N, kWarn, kAppCaption, "The index of %s names block %u past its EOF of %u."},
    {CheckStorageType, N, kWarn, kAppCaption,
     "%s has storage type $%X, which Larkspoon does not follow."},
    {CheckNesting, N, kWarn, kAppCaption, "Folders are nested more than %d levels deep at %s."},
    {CheckUnownedBlock, N, kWarn, kAppCaption, "Block %u is marked used but belongs to no file."},
    {CheckUnownedBlocks, N, kWarn, kAppCaption,
     "Blocks %u to %u are marked used but belong to no file."},
    {CheckMoreFindings, N, kWarn, kAppCaption, "%i more findings are not listed."},
    {NotProdosVolume, N, kWarn, kAppCaption,
     "%s holds a DOS 3.3 volume: Larkspoon changes ProDOS volumes only."},
    {FolderNeedsRecursive, N, kWarn, kAppCaption,
     "%s is a folder: -r takes it with everything in it."},
    {HostFolderUnreadable, N, kWarn, kAppCaption, "Could not read the folder %s"},
    {CouldNotMakeFolder, N, kWarn, kAppCaption, "Could not make the folder %s"},
    {NibbleImageReadOnly, N, kWarn, kAppCaption,
     "%s was converted from nibbles when it was opened: Larkspoon cannot write it back."},

    {CouldNotPaste, P, kWarn, kAppCaption, "Could not Paste!"},
    {TooManyFilesSelected, P, kWarn, kAppCaption, "Too many files selected!"},
    {SaveChangesQuestion, Q, kWarn, kAppCaption,
     "The changes to %s have not been saved.\nDo you want to save them?"},
};

// The catalogue is indexed by its ids: every line must stand at its id's place.
constexpr bool inIdOrder() {
    for (size_t i = 0; i < std::size(kCatalogue); ++i)
        if (size_t(kCatalogue[i].id) != i) return false;
    return true;
}
static_assert(inIdOrder(), "the catalogue's lines must follow the order of MessageId");
static_assert(size_t(Count) == std::size(kCatalogue),
              "every MessageId needs its line in the catalogue");

} // namespace

const MessageDef& messageDef(MessageId id) {
    return kCatalogue[size_t(id)];
}

std::span<const MessageDef> messageCatalogue() {
    return kCatalogue;
}

} // namespace lk
