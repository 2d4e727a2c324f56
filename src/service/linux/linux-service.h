// The Linux installation service: stops the running client before its
// files are replaced and starts it through the package's start script.
#pragma once

#include "cloud-service.h"

class LinuxService : public Service
{
public:
    LinuxService();
    ~LinuxService() override;

    void terminateUI() override;
    int32_t upgrade() override;
    void startUI() override;
    void readVersions() override;
    bool needUpgrade() override;

    // The client's user interface program exists (links followed).
    bool isUIInstalled() const;
};
