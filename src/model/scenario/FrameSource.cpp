// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/scenario/FrameSource.h"

#include "model/scenario/Scenario.h"
#include "platform/files/Files.h"

namespace vantor {

std::size_t pictureBytes(const Bitmap& picture) {
    const std::size_t perPixel = picture.format() == PixelFormat::Indexed8 ? 1 : 4;
    return static_cast<std::size_t>(picture.width()) * static_cast<std::size_t>(picture.height()) * perPixel;
}

FrameSource::FrameSource(const Files& files, std::string folder, std::size_t budgetBytes, Loader load)
    : m_files(files), m_folder(std::move(folder)), m_budget(budgetBytes),
      m_load(load ? std::move(load) : Loader(&loadFramePicture)) {}

FrameSource::Frame FrameSource::frame(const std::string& name) {
    auto [it, fresh] = m_entries.try_emplace(name);
    Entry& entry = it->second;
    if (fresh) {
        entry.id = m_entries.size() - 1;
        entry.exists = m_files.fileExists(framePath(m_folder, name, ".bmp"));
    }
    if (!entry.exists) return {entry.id, nullptr};
    if (entry.picture) {
        m_recent.splice(m_recent.begin(), m_recent, entry.recent);
        return {entry.id, entry.picture};
    }
    entry.picture = std::make_shared<const Bitmap>(m_load(m_files, m_folder, name));
    ++m_decodes;
    keep(name, entry);
    return {entry.id, entry.picture};
}

void FrameSource::keep(const std::string& name, Entry& entry) {
    m_recent.push_front(name);
    entry.recent = m_recent.begin();
    m_keptBytes += pictureBytes(*entry.picture);
    // Never the newest: it is the one most likely asked for next.
    while (m_keptBytes > m_budget && m_recent.size() > 1) {
        Entry& old = m_entries.at(m_recent.back());
        m_keptBytes -= pictureBytes(*old.picture);
        old.picture.reset();
        m_recent.pop_back();
    }
}

}  // namespace vantor
