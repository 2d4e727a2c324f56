// Temporary files and names: a file made in a folder, and names drawn
// without bias from one generator that all threads share.
#include "file-op.h"
#include "file-op-private.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>

using namespace fileop;

namespace {

constexpr size_t kTempTemplateSize = 4096;

const char kNameAlphabet[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_";
constexpr int kTempNameLength = 8;

// The minimal-standard generator (16807, 0, 2^31 - 1), drawn from without
// bias: of the 2147483646 possible states only the first 64 * 33554431 are
// used, each block of 33554431 giving one index.
class NameGenerator {
public:
    static NameGenerator &instance()
    {
        static std::once_flag once;
        static NameGenerator *generator = nullptr;
        std::call_once(once, [] { generator = new NameGenerator(); });
        return *generator;
    }

    std::mutex &mutex() { return mutex_; }

    // Callers hold mutex().
    unsigned nextIndex()
    {
        constexpr uint64_t kModulus = 2147483647;
        constexpr uint64_t kBlock = 33554431;
        constexpr uint64_t kLimit = 64 * kBlock;
        uint64_t x;
        do {
            state_ = state_ * 16807 % kModulus;
            x = state_;
        } while (x - 1 >= kLimit);
        return static_cast<unsigned>((x - 1) / kBlock);
    }

private:
    NameGenerator()
    {
        std::random_device device;
        state_ = static_cast<uint64_t>(device()) % 2147483647;
        if (state_ == 0)
            state_ = 1;
    }

    std::mutex mutex_;
    uint64_t state_ = 1;
};

} // namespace

int32_t FSMakeTempFile(const std::string &dir, std::string &path)
{
    char name[kTempTemplateSize];
    // A longer text is cut to fit; mkstemp then refuses the template.
    (void)snprintf(name, sizeof name, "%s/XXXXXX", dir.c_str());
    // mkstemp leaves its last try in the buffer when it fails; the line
    // names the template.
    const std::string pattern = name;
    UniqueFd fd(mkostemp(name, O_CLOEXEC));
    if (!fd.valid()) {
        int err = errno;
        LOG_ERROR("mkstemp(%s): %s\n", pattern.c_str(), ErrorText(err).c_str());
        return -1;
    }
    // Through the descriptor: the name cannot have been swapped meanwhile.
    (void)fchmod(fd.get(), 0644);
    fd.reset();
    path = name;
    return 0;
}

int32_t FSMakeTempName(const std::string &dir, std::string &path)
{
    NameGenerator &generator = NameGenerator::instance();
    char suffix[kTempNameLength];
    {
        // std::mutex::lock throws std::system_error when it fails.
        std::lock_guard<std::mutex> lock(generator.mutex());
        for (char &c : suffix)
            c = kNameAlphabet[generator.nextIndex()];
    }
    path = dir + "/" + std::string(suffix, sizeof suffix);
    return path.empty() ? -1 : 0;
}
