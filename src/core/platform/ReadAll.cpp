#include "platform/ReadAll.h"

#include <cerrno>
#include <cstddef>
#include <unistd.h>

namespace vantrel {

namespace {
constexpr size_t readChunk = 65536;
} // namespace

int readAll(int fd, std::string& out) {
    for (;;) {
        const size_t had = out.size();
        out.resize(had + readChunk);
        const ssize_t n = ::read(fd, out.data() + had, readChunk);
        out.resize(had + static_cast<size_t>(n > 0 ? n : 0));
        if (n == 0)
            return 0;
        if (n < 0 && errno != EINTR)
            return errno;
    }
}

} // namespace vantrel
