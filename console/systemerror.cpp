// The project's own words for the errno values its programs can meet.
#include "systemerror.h"

#include <cerrno>

namespace {

// Opening, reading and writing files, and writing standard output. Each text says what the
// learner can check, in words no C or C++ library uses (.ci/library-wording keeps it so).
const char* ownWords(int error) {
    switch (error) {
        case 0:
            return "the system gave no reason";
        case ENOENT:
            return "there is no such file or folder";
        case EACCES:
            return "access to it was refused (its permissions, or another program holding it)";
        case EPERM:
            return "the system did not allow it";
        case EISDIR:
            return "that is a folder, not a file";
        case ENOTDIR:
            return "a part of the path is a file, not a folder";
        case EIO:
            return "the device failed to read or write it";
        case ENOSPC:
            return "the disk is full";
        case EROFS:
            return "the disk or folder is read-only";
        case EMFILE:
            return "the program has opened too many files";
        case ENFILE:
            return "the system has opened too many files";
        case ENAMETOOLONG:
            return "the name is too long for the system";
        case EINVAL:
            return "the name or the request is not valid here";
        case EBADF:
            return "it is not open (closed before the program started?)";
        case EPIPE:
            return "the program reading it has stopped";
        case EFBIG:
            return "the file would grow past its size limit";
        case ENOMEM:
            return "out of memory";
        case EBUSY:
            return "it is in use by another program";
        case EEXIST:
            return "something of that name is already there";
        case ENXIO:
            return "the device is not there";
        case EAGAIN:
            return "it is not ready now: try again";
#ifdef EDQUOT  // not in Microsoft's C library
        case EDQUOT:
            return "your disk quota is used up";
#endif
#ifdef ELOOP
        case ELOOP:
            return "the path's links lead round in a circle";
#endif
#ifdef EOVERFLOW
        case EOVERFLOW:
            return "the file is too large for the program to handle";
#endif
#ifdef ETXTBSY
        case ETXTBSY:
            return "it is a program that is running now";
#endif
        default:
            return nullptr;
    }
}

}  // namespace

std::string systemErrorText(int error) {
    const char* words = ownWords(error);
    return words != nullptr ? words : "system error " + std::to_string(error);
}
