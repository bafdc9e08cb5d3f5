// The project's own words for the errno values its programs can meet.
#include "systemerror.h"

#include <cerrno>

namespace {

struct Reason {
    int error;
    const char* text;
};

// Opening, reading and writing files, and writing standard output. Each text says what the
// learner can check, in words no C or C++ library uses (.ci/library-wording keeps it so).
const Reason reasons[] = {
    {ENOENT, "there is no such file or folder"},
    {EACCES, "access to it was refused (its permissions, or another program holding it)"},
    {EPERM, "the system did not allow it"},
    {EISDIR, "that is a folder, not a file"},
    {ENOTDIR, "a part of the path is a file, not a folder"},
    {EIO, "the device failed to read or write it"},
    {ENOSPC, "the disk is full"},
    {EROFS, "the disk or folder is read-only"},
    {EMFILE, "the program has opened too many files"},
    {ENFILE, "the system has opened too many files"},
    {ENAMETOOLONG, "the name is too long for the system"},
    {EINVAL, "the name or the request is not valid here"},
    {EBADF, "it is not open (closed before the program started?)"},
    {EPIPE, "the program reading it has stopped"},
    {EFBIG, "the file would grow past its size limit"},
    {ENOMEM, "out of memory"},
    {EBUSY, "it is in use by another program"},
    {EEXIST, "something of that name is already there"},
    {ENXIO, "the device is not there"},
};

}  // namespace

std::string systemErrorText(int error) {
    for (const Reason& reason : reasons) {
        if (reason.error == error) return reason.text;
    }
    return "system error " + std::to_string(error);
}
