#pragma once
// Shows a fetched text file to the operator in the desktop's own viewer: one window per file,
// never waited for.

#include <QString>

namespace q7 {

class Viewer {
public:
    virtual ~Viewer() = default;
    virtual void open(const QString& path) = 0;
};

class QtViewer final : public Viewer {
public:
    void open(const QString& path) override;
};

}  // namespace q7
