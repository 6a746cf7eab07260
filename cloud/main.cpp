// kvcloud: the stand-in for the camera and terrain web service, for
// development and tests. Listens on 127.0.0.1 unless told otherwise.

#include "catalog.h"
#include "options.h"
#include "service.h"

#include <csignal>
#include <cstdio>
#include <memory>
#include <string>
#include <sys/prctl.h>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv)
{
    kvcloud::Options options;
    std::string error;
    bool stopWithParent = false;
    // Not an Options field: it concerns the process, not the service.
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::string(argv[i]) == "--stop-with-parent")
            stopWithParent = true;
        else
            args.push_back(argv[i]);
    }
    if (!options.Parse(int(args.size()), args.data(), error)) {
        if (!error.empty())
            std::fprintf(stderr, "kvcloud: %s\n", error.c_str());
        std::fputs(kvcloud::Options::Usage(), error.empty() ? stdout : stderr);
        return error.empty() ? 0 : 2;
    }
    // A test program that dies must not leave its server listening.
    if (stopWithParent) {
        const pid_t parent = getppid();
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent)
            return 0;
    }
    // A client that hangs up mid-reply must not end the process.
    std::signal(SIGPIPE, SIG_IGN);

    kvcloud::Catalog catalog;
    if (!catalog.Load(options.dataDir, error)) {
        std::fprintf(stderr, "kvcloud: %s\n", error.c_str());
        return 2;
    }
    std::unique_ptr<kvcloud::Dem> dem;
    if (!options.demPath.empty()) {
        dem = std::make_unique<kvcloud::Dem>();
        if (!dem->Open(options.demPath, error)) {
            std::fprintf(stderr, "kvcloud: %s\n", error.c_str());
            return 2;
        }
    }
    std::unique_ptr<kvcloud::Tiles> tiles;
    if (!options.tilesPath.empty()) {
        tiles = std::make_unique<kvcloud::Tiles>();
        if (!tiles->Open(options.tilesPath, error)) {
            std::fprintf(stderr, "kvcloud: %s\n", error.c_str());
            return 2;
        }
    }
    kvcloud::Service service(options, std::move(catalog), std::move(dem));
    service.SetTiles(std::move(tiles));
    const int port = service.Bind();
    if (port <= 0) {
        std::fprintf(stderr, "kvcloud: cannot listen on %s:%d\n", options.host.c_str(),
                     options.port);
        return 1;
    }
    std::printf("listening on %s:%d\n", options.host.c_str(), port);
    std::fflush(stdout);
    return service.Run() ? 0 : 1;
}
