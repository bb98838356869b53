#include "files/project_file.h"

#include "text/messages.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

namespace cw::files {

namespace {

// A project file is a few lines; anything near this is not one.
constexpr qint64 kMaxProjectFileBytes = 1 << 20;

ProjectFileResult refused(ProjectFileFault fault, std::string field = {}, long long offset = 0) {
    return {std::nullopt, ProjectFileError{fault, std::move(field), offset}};
}

// Reads the text keys of `object` into `targets`; the first fault found, if any.
struct TextSlot {
    const char* key;
    std::string* value;
};

std::optional<ProjectFileError> readTexts(const QJsonObject& object,
                                          std::initializer_list<TextSlot> targets,
                                          const std::string& prefix) {
    for (auto it = object.begin(); it != object.end(); ++it) {
        const std::string key = it.key().toStdString();
        const TextSlot* slot = nullptr;
        for (const TextSlot& s : targets)
            if (key == s.key)
                slot = &s;
        if (!slot) {
            if (prefix.empty() && key == "revisions")
                continue;
            return ProjectFileError{ProjectFileFault::UnknownKey, prefix + key, 0};
        }
        if (!it.value().isString())
            return ProjectFileError{ProjectFileFault::NotText, prefix + key, 0};
        *slot->value = it.value().toString().trimmed().toStdString();
    }
    return std::nullopt;
}

}  // namespace

ProjectFileResult parseProjectJson(const QByteArray& json) {
    QJsonParseError parseError{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return refused(ProjectFileFault::NotJson, {}, parseError.offset);
    if (!doc.isObject())
        return refused(ProjectFileFault::NotObject);
    const QJsonObject root = doc.object();
    ProjectData p;
    if (auto fault = readTexts(root,
                               {{"name", &p.name},
                                {"site", &p.site},
                                {"client", &p.client},
                                {"engineer", &p.engineer},
                                {"checker", &p.checker}},
                               {}))
        return {std::nullopt, fault};
    if (root.contains(QStringLiteral("revisions"))) {
        const QJsonValue list = root.value(QStringLiteral("revisions"));
        if (!list.isArray())
            return refused(ProjectFileFault::NotList, "revisions");
        const QJsonArray revisions = list.toArray();
        for (qsizetype i = 0; i < revisions.size(); ++i) {
            const std::string at = "revisions[" + std::to_string(i + 1) + "]";
            if (!revisions[i].isObject())
                return refused(ProjectFileFault::NotList, at);
            ProjectRevision r;
            if (auto fault = readTexts(
                    revisions[i].toObject(),
                    {{"revision", &r.revision}, {"date", &r.date}, {"description", &r.description}},
                    at + "."))
                return {std::nullopt, fault};
            p.revisions.push_back(std::move(r));
        }
    }
    if (p.name.empty())
        return refused(ProjectFileFault::NoName, "name");
    return {std::move(p), std::nullopt};
}

ProjectFileResult readProjectFile(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return refused(ProjectFileFault::Unreadable);
    if (file.size() > kMaxProjectFileBytes)
        return refused(ProjectFileFault::TooLarge);
    return parseProjectJson(file.readAll());
}

std::string projectFileErrorMessage(const ProjectFileError& error, const std::string& path,
                                    Language language) {
    using F = ProjectFileFault;
    switch (error.fault) {
    case F::Unreadable: return say(Message::ProjectFileUnreadable, language, {path});
    case F::TooLarge: return say(Message::ProjectFileTooLarge, language, {path});
    case F::NotJson:
        return say(Message::ProjectFileNotJson, language, {path, std::to_string(error.offset)});
    case F::NotObject: return say(Message::ProjectFileNotObject, language, {path});
    case F::NoName: return say(Message::ProjectFileNoName, language, {path});
    case F::NotText: return say(Message::ProjectFileNotText, language, {path, error.field});
    case F::NotList: return say(Message::ProjectFileNotList, language, {path, error.field});
    case F::UnknownKey: return say(Message::ProjectFileUnknownKey, language, {path, error.field});
    }
    return say(Message::ProjectFileUnreadable, language, {path});
}

}  // namespace cw::files
