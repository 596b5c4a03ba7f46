// Every text Larkspoon tells or asks its users, in one catalogue: the desktop program shows them
// in message boxes with their captions and icons, larkspoon-cli prints the same words.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace lk {

inline constexpr std::string_view kAppCaption = "Larkspoon";
inline constexpr std::string_view kErrorCaption = "Larkspoon Error";
inline constexpr std::string_view kWarningCaption = "Larkspoon Warning!";
inline constexpr std::string_view kDebugCaption = "Debug";

enum class MessageIcon : uint8_t { None, Warning, Error, Question, Information };

enum class MessageKind : uint8_t {
    Notice,   // a message box with an OK button
    Problem,  // the one warning box: an empty value reads "untitled"
    Question, // Yes and No
    Fragment, // a piece of other messages, never shown alone
};

enum class MessageId : uint16_t {
    // Opening an image
    CouldNotRead,
    TooLargeForImage,
    NotTrue2Img,
    UnableToResizeBuffer,
    FileSizeMustBe143360,
    NotProdosOrDos33,
    // Damage: the message, the pieces it is made of, and what was found
    VolumeDamaged,
    OneMoreFault,
    MoreFaults,
    ShowsPartOfCatalog,
    PartsLeftAsZero,
    BitMapCut,
    NoteFolderNesting,
    NoteDirectoryOutside,
    NoteDirectoryLoop,
    NoteEntryOutside,
    NoteDataBlockOutside,
    NoteIndexBlockOutside,
    NoteMasterIndexOutside,
    NoteExtendedKeyOutside,
    NoteBitMapCut,
    NoteCatalogLoop,
    NoteCatalogOutside,
    NoteDosSectorOutside,
    NoteDosListLoop,
    NoteDosListOutside,
    // Reading files
    ExtendedFileAt,
    DosNoBuffers,
    DosFileNotFound,
    DosDeletedFile,
    DosNotStandard,
    DosVtocError,
    DosIoError,
    // Exporting
    NothingToExport,
    CouldNotWriteFile,
    // Blocks, sectors and the catalog listing
    BlockOutOfRange,
    TrackOutOfRange,
    SectorOutOfRange,
    CatalogListingError,
    // The display pane
    CantPasteBitmap,
    OutOfSpace,
    TextNotFound,
    // Printing
    StartDocError,
    StartPageError,
    DisplayBandError,
    EndPageError,
    EndDocError,
    // Closing
    QuitQuestion,
    // larkspoon-cli
    NoSuchPath,
    CannotReadAsFile,
    CannotExport,
    NoResourceFork,
    NothingToShow,
    QuestionAnsweredNo,
    // AppleWorks files
    AppleWorksDbVersion,
    // Pictures: the decoders, the picture pane, larkspoon-cli picture
    UnableHiRes,
    UnableDoubleHiRes,
    UnableSuperHiRes,
    PackedPictureError,
    UnableIcon,
    IconImagePastEnd,
    IconRecordPastEnd,
    CouldNotCreateBitmap,
    NotAPicture,
    ViewIsAPicture,
    // Nibble, TrackStar, FDI and WOZ images
    CannotReadNibbleImage,
    CannotReadTrackStarImage,
    NibbleNotStandard,
    NibbleSummary,
    SaveAsChangesImageType,
    CouldNotSaveImage,
    NotRealFdi,
    FdiVersionNotSupported,
    FdiTracksNotSupported,
    NotWozImage,
    WozDamaged,
    WozNotFiveInch,
    WozFluxTracks,
    WozNoSixAndTwo,
    WozChecksumQuestion,
    NoImageLoaded,

    // Changing ProDOS volumes: creating, pasting, deleting, naming, checking and saving
    CreateNoPlaceImport,
    CreateNoPlacePaste,
    CreateNoPlaceFolder,
    CreateNoBitMapBuffer,
    CreateTooLarge,
    CreateNoSpace,
    CreateUnsupportedStorage,
    CreateNonStandardEntry,
    CreateRootFullFile,
    CreateRootFullFolder,
    CreateErrorNumber,
    PlaceOpenImageFirst,
    PlaceSelectNewFolder,
    PlaceSelectPaste,
    PlaceSelectFile,
    PlaceCouldNotGetPath,
    PlaceCantImport,
    PlaceCantCreateFolder,
    PlaceCantPaste,
    PlaceCantRename,
    PathnameTooLong,
    PathLengthOver128,
    PathLengthOver64,
    NotEnoughSpaceImport,
    NotEnoughSpacePaste,
    NotEnoughSpaceFolder,
    CouldNotCopyFile,
    DeleteFileQuestion,
    DeleteFolderQuestion,
    DeleteAllQuestion,
    UnsupportedStorageType,
    ErrorNumber,
    DuplicateName,
    NameLength,
    NameFirstLetter,
    NameCharacters,
    TypeLength,
    TypeUnknown,
    NoItemSelected,
    NothingChanged,
    NotAllDeleted,
    NoteWriteMapOutside,
    NoteWriteVolumeBeyondImage,
    NoteWriteParentOutside,
    NoteWriteParentEntryZero,
    NoteWriteNoHeader,
    NoteDeleteChainShort,
    NoteDeleteChainLong,
    NoteDeleteCountShort,
    NoteDeleteBlockFree,
    NoteDeleteBlockOutside,
    NoteDeleteForkType,
    NoteDeleteHeaderPointer,
    NoteDeleteChildKept,
    NoteDeleteCountZero,
    CheckSound,
    CheckSummary,
    CheckVolumeBeyondImage,
    CheckMapOutside,
    CheckBlockOutside,
    CheckBlockShared,
    CheckBlockMarkedFree,
    CheckChainLoop,
    CheckChainBackLink,
    CheckEntryFormat,
    CheckFileCount,
    CheckHeaderPointer,
    CheckParentLink,
    CheckFolderSize,
    CheckBlocksUsed,
    CheckForkBlocksUsed,
    CheckPastEof,
    CheckStorageType,
    CheckNesting,
    CheckUnownedBlock,
    CheckUnownedBlocks,
    CheckMoreFindings,
    NotProdosVolume,
    FolderNeedsRecursive,
    HostFolderUnreadable,
    CouldNotMakeFolder,
    NibbleImageReadOnly,
    // New images
    NewImageExists,
    NewImageNameUnusable,
    NewImageExistsUseForce,

    // The Apple file commands of the window: import, paste, new folder, and unsaved changes
    CouldNotPaste,
    TooManyFilesSelected,
    SaveChangesQuestion,

    Count // the number of messages: keep it last
};

struct MessageDef {
    MessageId id;
    MessageKind kind;
    MessageIcon icon;
    std::string_view caption;
    std::string_view text; // a printf-style format
};

const MessageDef& messageDef(MessageId id);
std::span<const MessageDef> messageCatalogue();

} // namespace lk
