-- Headless Ardour with its default plug-in folders: both plug-ins must be there as VST 3
-- bundles from /usr/lib/vst3 and as VST 2 modules from /usr/lib/lxvst, and each VST 3 one,
-- inserted on a track, must offer the factory presets of /usr/share/vst3/presets and take the
-- setting of one ("Omni": every control point omni, where the default is cardioid).
dofile(debug.getinfo(1, "S").source:sub(2):match("(.*/)") .. "../ardour/ardour_engine.lua")
start_engine(true)

local wanted = {
  { type = ARDOUR.PluginType.VST3, folder = "/usr/lib/vst3/", format = "VST 3" },
  { type = ARDOUR.PluginType.LXVST, folder = "/usr/lib/lxvst/", format = "VST 2" },
}
for _, v in ipairs(variants) do
  for _, w in ipairs(wanted) do
    local path = nil
    for p in ARDOUR.LuaAPI.list_plugins():iter() do
      if p.name == v.name and p.type == w.type and p.path:sub(1, #w.folder) == w.folder then path = p.path end
    end
    assert(path, v.name .. ": no " .. w.format .. " plug-in found in " .. w.folder)
    print(string.format("%s: %s from %s", v.name, w.format, path))
  end
end

assert(create_session(session_dir, "installed", 48000), "no session")
for _, v in ipairs(variants) do
  local track = Session:new_audio_track(v.inputs, 2, nil, 1, v.name, ARDOUR.PresentationInfo.max_order,
                                        ARDOUR.TrackMode.Normal, true):front()
  local processor = ARDOUR.LuaAPI.new_plugin(Session, v.name, ARDOUR.PluginType.VST3, "")
  assert(not processor:isnil(), "Ardour cannot instantiate " .. v.name)
  assert(track:add_processor_by_index(processor, 0, nil, true) == 0, "Ardour cannot insert " .. v.name)
  local plugin = processor:to_insert():plugin(0)
  local omni = plugin:preset_by_label("Omni")
  assert(omni, v.name .. ": Ardour offers no preset \"Omni\"")
  local before = ARDOUR.LuaAPI.get_processor_param(processor, 0)
  assert(plugin:load_preset(omni), v.name .. ": Ardour could not load the preset \"Omni\"")
  local read, all_set = parameters_when_set(processor, { [0] = 1.0 })
  local after = read[0]
  print(string.format("%s: the preset \"Omni\" (%s) sets Low Type %.2f -> %.2f", v.name, omni.uri, before, after))
  assert(all_set, v.name .. ": the preset \"Omni\" did not take")
end
close_session()
print("PASS")
