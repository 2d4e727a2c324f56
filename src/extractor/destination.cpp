// Resolves the destination once and refuses, entry by entry, what would
// make libarchive's disk writer act outside it. Logs as the extractor.
#include "destination.h"

#define LOG_COMPONENT "extractor_debug"
#define LOG_MODULE "extractor.cpp"
#include "log.h"

#include "file-op-base.h"

#include <archive_entry.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <fcntl.h>
#include <unistd.h>

using fileop::UniqueFd;

namespace extractor {

namespace {

void stripTrailingSlashes(std::string *path)
{
    while (path->size() > 1 && path->back() == '/')
        path->pop_back();
}

} // namespace

int resolveDestination(const std::string &destination, Destination *out)
{
    std::string head = destination;
    std::vector<std::string> missing;  // innermost first
    for (;;) {
        stripTrailingSlashes(&head);
        std::unique_ptr<char, decltype(&free)> real(realpath(head.empty() ? "." : head.c_str(), nullptr), &free);
        if (real)
            break;
        int err = errno;
        if (err != ENOENT) {
            LOG_ERROR("Failed to resolve destination '%s' at '%s': %s (%d)\n", destination.c_str(), head.c_str(),
                      fileop::ErrorText(err).c_str(), err);
            return -1;
        }
        // realpath() found every component before the last one, and lstat()
        // finds the last: a link whose target is missing.
        struct stat st;
        if (!head.empty() && lstat(head.c_str(), &st) == 0) {
            LOG_ERROR("Destination '%s' goes through the dangling symbolic link '%s'\n", destination.c_str(),
                      head.c_str());
            return -1;
        }
        const std::string::size_type slash = head.rfind('/');
        std::string component = slash == std::string::npos ? head : head.substr(slash + 1);
        if (component.empty()) {
            LOG_ERROR("Failed to resolve destination '%s' at '%s': %s (%d)\n", destination.c_str(), head.c_str(),
                      fileop::ErrorText(err).c_str(), err);
            return -1;
        }
        if (component != ".")
            missing.push_back(std::move(component));
        head = slash == std::string::npos ? std::string() : head.substr(0, slash == 0 ? 1 : slash);
    }

    std::unique_ptr<char, decltype(&free)> real(realpath(head.empty() ? "." : head.c_str(), nullptr), &free);
    if (!real) {
        const int err = errno;
        LOG_ERROR("Failed to resolve destination '%s' at '%s': %s (%d)\n", destination.c_str(), head.c_str(),
                  fileop::ErrorText(err).c_str(), err);
        return -1;
    }
    // A file where a folder of the destination should be would be unlinked
    // by the writer as an obstacle.
    UniqueFd base(open(real.get(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!base.valid()) {
        const int err = errno;
        LOG_ERROR("Failed to resolve destination '%s' at '%s': %s (%d)\n", destination.c_str(), real.get(),
                  fileop::ErrorText(err).c_str(), err);
        return -1;
    }
    out->existing = real.get();
    out->base = std::move(base);
    out->missing.assign(missing.rbegin(), missing.rend());
    out->prefix = out->existing;
    for (const std::string &m : out->missing) {
        if (out->prefix.back() != '/')
            out->prefix += '/';
        out->prefix += m;
    }
    if (out->prefix.back() != '/')
        out->prefix += '/';
    return 0;
}

bool splitName(const char *name, std::vector<std::string> *components)
{
    components->clear();
    const char *p = name;
    while (*p) {
        const char *end = strchr(p, '/');
        if (!end)
            end = p + strlen(p);
        const std::string::size_type n = std::string::size_type(end - p);
        if (n == 2 && p[0] == '.' && p[1] == '.')
            return false;
        if (n > 0 && !(n == 1 && p[0] == '.'))
            components->emplace_back(p, n);
        p = *end ? end + 1 : end;
    }
    return true;
}

Found lookUp(const Destination &destination, const std::vector<std::string> &components)
{
    std::vector<const std::string *> parts;
    for (const std::string &m : destination.missing)
        parts.push_back(&m);
    for (const std::string &c : components)
        parts.push_back(&c);

    Found found;
    UniqueFd held;
    int at = destination.base.get();
    for (size_t i = 0; i < parts.size(); ++i) {
        struct stat st;
        // Missing, or a failure that the writer meets and reports itself.
        if (fstatat(at, parts[i]->c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            return found;
        const bool last = i + 1 == parts.size();
        if (last || S_ISLNK(st.st_mode)) {
            found.kind = last ? Found::Here : Found::ThroughLink;
            found.st = st;
            found.path = destination.existing;
            for (size_t j = 0; j <= i; ++j) {
                if (found.path.back() != '/')
                    found.path += '/';
                found.path += *parts[j];
            }
            return found;
        }
        // A file in the way is replaced by a folder; nothing lies below it.
        if (!S_ISDIR(st.st_mode))
            return found;
        UniqueFd next(openat(at, parts[i]->c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!next.valid())
            return found;
        held = std::move(next);
        at = held.get();
    }
    return found;
}

std::string refusal(const Destination &destination, struct archive_entry *entry,
                    const std::vector<std::string> &components, const Written &written)
{
    const char *target = archive_entry_hardlink(entry);
    if (components.empty()) {
        if (!target && archive_entry_filetype(entry) == AE_IFDIR)
            return std::string();
        return "Cannot replace the destination " + destination.path() + " by the entry '"
               + archive_entry_pathname(entry) + "'";
    }
    const Found at = lookUp(destination, components);
    if (at.kind == Found::ThroughLink)
        return "Cannot extract through symlink " + at.path;
    if (at.kind == Found::Here && S_ISLNK(at.st.st_mode) && written.links.count(Written::key(at.st)))
        return "Cannot replace symlink " + at.path + " planted by this archive";
    if (!target)
        return std::string();

    std::vector<std::string> targetComponents;
    if (!splitName(target, &targetComponents))
        return std::string();
    if (targetComponents.empty())
        return "Cannot hard link to the destination " + destination.path();
    const Found to = lookUp(destination, targetComponents);
    if (to.kind == Found::ThroughLink)
        return "Cannot extract through symlink " + to.path;
    if (to.kind == Found::Here) {
        if (S_ISLNK(to.st.st_mode))
            return "Cannot hard link to symlink " + to.path;
        if (!S_ISDIR(to.st.st_mode) && !written.others.count(Written::key(to.st)))
            return "Cannot hard link to " + to.path + ", which this archive did not write";
    }
    return std::string();
}

} // namespace extractor
