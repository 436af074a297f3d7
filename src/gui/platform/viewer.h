#pragma once
// Shows a fetched text file to the operator in the desktop's own viewer: one window per file,
// never waited for. False when no viewer could be started for it.

#include <QString>

namespace q7 {

class Viewer {
public:
    virtual ~Viewer() = default;
    virtual bool open(const QString& path) = 0;
};

class QtViewer final : public Viewer {
public:
    bool open(const QString& path) override;
};

}  // namespace q7
