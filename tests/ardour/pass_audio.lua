-- Each build on an audio track that monitors its (sine) input live; the track's output
-- meter must show the plug-in passing audio and following its parameters, and, with a
-- figure-eight curve and the omni inputs cut off, passing the figure-eight channels on
-- their own (a host that loses channels beyond the outputs' count shows here). The
-- session is saved for reload_session.lua.
dofile(debug.getinfo(1, "S").source:sub(2):match("(.*/)") .. "ardour_engine.lua")
start_engine()
assert(create_session(session_dir, "lobeshift", 48000), "no session")

local tracks = {}
for _, v in ipairs(variants) do
  local track = Session:new_audio_track(v.inputs, 2, nil, 1, v.name, ARDOUR.PresentationInfo.max_order,
                                        ARDOUR.TrackMode.Normal, true):front()
  track:monitoring_control():set_value(ARDOUR.MonitorChoice.MonitorInput, PBD.GroupControlDisposition.NoGroup)
  local processor = ARDOUR.LuaAPI.new_plugin(Session, v.name, plugin_type, "")
  assert(not processor:isnil(), "Ardour cannot instantiate " .. v.name)
  assert(track:add_processor_by_index(processor, 0, nil, true) == 0, "Ardour cannot insert " .. v.name)
  local insert = processor:to_insert()
  print(string.format("%s (%s): inserted, %d parameters, latency %d samples, %d inputs -> %d outputs", v.name, plugin_format,
        insert:plugin(0):parameter_count(), processor:signal_latency(),
        insert:natural_input_streams():n_audio(), insert:natural_output_streams():n_audio()))
  assert(insert:plugin(0):parameter_count() == v.parameters, "parameter count")
  assert(processor:signal_latency() == 8192, "reported latency")
  tracks[#tracks + 1] = { variant = v, track = track, processor = processor }
end

local track_list = {}
for i, t in ipairs(tracks) do track_list[i] = t.track end

local function levels(label, check, steady)
  local result = output_peaks_when(track_list, check, steady)
  for i, t in ipairs(tracks) do
    print(string.format("%-16s %-17s output peak L %6.1f dBFS, R %6.1f dBFS", label, t.variant.name, result[i][1],
          result[i][2]))
  end
  return result
end

for _, l in ipairs(levels("default setting", audible)) do
  assert(l[1] > -30 and l[2] > -30, "no audio through the plug-in")
end

-- Every control point omni: the output is the omni capsule alone.
for _, t in ipairs(tracks) do
  for _, id in ipairs({ 0, 2, 4 }) do ARDOUR.LuaAPI.set_processor_param(t.processor, id, 1.0) end
end
local omni = levels("omni curve", audible, true)

-- Omni gains to -6 dB: the output drops by 6 dB.
for _, t in ipairs(tracks) do
  for _, id in ipairs(t.variant.omni_gains) do ARDOUR.LuaAPI.set_processor_param(t.processor, id, lowest_gain) end
end
local function six_db_below_omni(reading)
  for i, l in ipairs(reading) do
    for channel = 1, 2 do
      if math.abs(l[channel] - (omni[i][channel] - 6.02)) >= 0.5 then return false end
    end
  end
  return true
end
assert(six_db_below_omni(levels("omni gain -6 dB", six_db_below_omni)), "the output did not follow the gain")

-- Every control point figure-eight, the omni inputs disconnected: all that comes out
-- is the figure-eight channels, each pair's on its own output.
for _, t in ipairs(tracks) do
  for _, id in ipairs({ 0, 2, 4 }) do ARDOUR.LuaAPI.set_processor_param(t.processor, id, 0.0) end
  for channel = 0, t.variant.pairs - 1 do
    local port = t.track:input():audio(channel)
    port:disconnect_all()
    assert(not port:connected(), "omni input " .. channel .. " still connected")
  end
  assert(t.track:input():audio(t.variant.pairs):connected(), "figure-eight input not connected")
end
for _, l in ipairs(levels("eight alone", audible)) do
  assert(l[1] > -30 and l[2] > -30, "the figure-eight channels did not arrive")
end

Session:save_state("", false, false, false, false, false)
close_session()
