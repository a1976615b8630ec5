-- Headless Ardour with its default plug-in folders: both plug-ins must be there as VST 3
-- bundles from /usr/lib/vst3 and as VST 2 modules from /usr/lib/lxvst, and the VST 3 ones
-- must offer their factory presets from /usr/share/vst3/presets.
dofile(debug.getinfo(1, "S").source:sub(2):match("(.*/)") .. "../ardour/ardour_engine.lua")
start_engine(true)

local wanted = {
  { type = ARDOUR.PluginType.VST3, folder = "/usr/lib/vst3/" },
  { type = ARDOUR.PluginType.LXVST, folder = "/usr/lib/lxvst/" },
}
local missing = 0
for _, v in ipairs(variants) do
  for _, w in ipairs(wanted) do
    local found = nil
    for p in ARDOUR.LuaAPI.list_plugins():iter() do
      if p.name == v.name and p.type == w.type and p.path:sub(1, #w.folder) == w.folder then found = p end
    end
    if found then
      local presets = found:get_presets(false)
      print(string.format("%s: %s from %s, %d presets", v.name, found.type == ARDOUR.PluginType.VST3 and "VST 3" or "VST 2",
            found.path, presets:size()))
    else
      print(string.format("%s: not found in %s", v.name, w.folder))
      missing = missing + 1
    end
  end
end
AudioEngine:stop(false)
if missing == 0 then print("PASS") end
