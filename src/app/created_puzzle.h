#pragma once

#include <string>

namespace lumeta {

// The file a created puzzle is played from, one per running copy of the program.
//
// Every copy creates its puzzles under the same name ("tempcellnetpuzzle.txt"), which the
// settings remember. Were that one file also the file each copy plays from, a second copy
// creating a puzzle would change the first copy's puzzle under it (a reset would load the
// other copy's). So each copy plays from a file of its own, in a hidden folder beside the
// shared name, made exclusively and removed when the copy ends (folders of copies that
// died are removed by the next copy that makes or ends its own). The shared file still
// receives every created puzzle and, when the settings are saved, the puzzle of the copy
// that saves them.
class CreatedPuzzleFile {
  public:
    // sharedPath: where created puzzles are remembered; a relative name is taken from the
    // working folder of this moment.
    explicit CreatedPuzzleFile(const std::string& sharedPath);
    ~CreatedPuzzleFile();
    CreatedPuzzleFile(const CreatedPuzzleFile&) = delete;
    CreatedPuzzleFile& operator=(const CreatedPuzzleFile&) = delete;

    // The name the settings remember, as the program names it.
    const std::string& SharedPath() const { return shared_; }
    // This copy's own file, its folder made on first use; the shared name when no folder
    // can be made there (a write to it then fails as well, with the same message).
    std::string OwnPath();
    // After a created puzzle went into OwnPath: the shared file gets it too, as the
    // puzzle created last. A failure there changes nothing for this copy.
    void Publish();
    // A remembered puzzle file: when it is the shared file, a copy of it in this copy's
    // own file to play from; any other file unchanged.
    std::string TakeRemembered(const std::string& remembered);
    // The puzzle file to remember in the settings: for this copy's own file, the shared
    // name, after the shared file took this copy's puzzle (empty when it could not);
    // any other file unchanged.
    std::string NameToRemember(const std::string& current);

  private:
    bool CopyFileBytes(const std::string& from, const std::string& to) const;

    std::string shared_;  // as given
    std::string folder_;  // where the private folders lie, absolute, ending with "/"
    std::string own_;     // this copy's file; empty until made
};

// The prefix of every private folder: "." + the shared file's name + "-" + host + "-".
std::string OwnFolderPrefix(const std::string& sharedName);

// Removes the private folders beside the shared file whose copies (on this host) have
// ended. Returns how many were removed.
int RemoveFoldersOfEndedCopies(const std::string& folder, const std::string& sharedName);

}  // namespace lumeta
